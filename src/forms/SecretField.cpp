#include "forms/SecretField.h"

#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TEdit.h"

#include <QPointer>

TCheckBox* MaskSecret(TEdit* edit, QWidget* parent, const char* name, int left, int top) {
    edit->setEchoMode(QLineEdit::Password);
    auto* show = new TCheckBox(parent);
    show->SetName(name);
    show->SetCaption("Show");
    show->SetBounds(left, top, 60, 17);
    QPointer<TEdit> field(edit);
    show->OnClick = [field, show] {
        if (field != nullptr) {
            field->setEchoMode(show->Checked() ? QLineEdit::Normal : QLineEdit::Password);
        }
    };
    return show;
}
