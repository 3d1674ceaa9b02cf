#pragma once

#include "ui/toolkit/TForm.h"

class TButton;
class TImage;
class TLabel;

// The module's about box: a picture, the product's name, its version and a notice; OK closes
// it. Shown modally by its creator and freed afterwards.
class TAboutForm : public TForm {
public:
    explicit TAboutForm(QWidget* owner);
    ~TAboutForm() override;

    TImage* Image1 = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* Version = nullptr;
    TLabel* Copyright = nullptr;
    TButton* OKButton = nullptr;
};
