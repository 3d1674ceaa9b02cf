#pragma once

#include "vocab/QxConstraintOwner.h"

#include <QPointer>
#include <QWidget>

#include <string>

// The form that owns edit constraints, as the constraints see it: their message boxes belong
// to its window (the active window when there is no form), the warning is the platform's beep,
// and focus advances are queued to its window (to the window that has the focus when there is
// no form).
class TConstraintOwner : public QxConstraintOwner {
public:
    explicit TConstraintOwner(QWidget* form);

    void ShowMessage(const std::string& text) override;
    void Beep() override;
    void PostFocusNext() override;

private:
    QPointer<QWidget> form_;
};
