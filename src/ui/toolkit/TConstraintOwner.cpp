#include "ui/toolkit/TConstraintOwner.h"

#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"

TConstraintOwner::TConstraintOwner(QWidget* form) : form_(form) {}

void TConstraintOwner::ShowMessage(const std::string& text) {
    // The caption is the program file's name, whatever title the application carries.
    MessageBox(text, Application().ExeFileName(), mbOK, miNone, form_);
}

void TConstraintOwner::Beep() {
    ::Beep();
}

void TConstraintOwner::PostFocusNext() {
    ::PostFocusNext(form_ != nullptr ? form_.data() : QApplication::focusWidget());
}
