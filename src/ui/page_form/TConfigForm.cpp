#include "ui/page_form/TConfigForm.h"

TConfigForm::TConfigForm(QWidget* owner) : TForm(owner) {}
