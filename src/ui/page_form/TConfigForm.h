#pragma once

#include "ui/toolkit/TForm.h"

// The form that hosts generated pages. The main window creates one shared instance at start;
// its pages arrive with the page-building operations.
class TConfigForm : public TForm {
public:
    explicit TConfigForm(QWidget* owner = nullptr);
};
