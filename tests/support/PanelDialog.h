#pragma once

#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TForm.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Presses the button of a page; once the modal dialog it opens runs (the add and edit dialogs of
// list pages), `inside` works it with the dialog's button column, as a user would. A dialog that
// `inside` left open is closed, so a test never hangs on it. False when no dialog came.
inline bool WithPanelDialog(QObject* context, TButton& button,
                            const std::function<void(TForm&, TCtrlBtnPanel&)>& inside) {
    const QWidget* before = QApplication::activeModalWidget();
    bool ran = false;
    PostCall(context, [&] {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == before) {
            ADD_FAILURE() << "no dialog";
            return;
        }
        TCtrlBtnPanel* column = nullptr;
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (auto* c = dynamic_cast<TCtrlBtnPanel*>(w)) {
                column = c;
            }
        }
        ran = true;
        if (column == nullptr) {
            ADD_FAILURE() << "no button column";
        } else {
            inside(*dialog, *column);
        }
        if (dialog->isVisible()) {
            dialog->Close();
        }
    });
    button.Click();
    return ran;
}
