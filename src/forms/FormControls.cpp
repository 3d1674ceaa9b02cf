#include "forms/FormControls.h"

#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"

namespace {

constexpr int FieldHeight = 21;
constexpr int ButtonHeight = 25;

} // namespace

TLabel* NewLabel(QWidget* parent, const std::string& caption, int left, int top) {
    auto* label = new TLabel(parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TEdit* NewEdit(QWidget* parent, const char* name, int left, int top, int width) {
    auto* edit = new TEdit(parent);
    edit->SetName(name);
    edit->SetBounds(left, top, width, FieldHeight);
    return edit;
}

TComboBox* NewCombo(QWidget* parent, const char* name, int left, int top, int width,
                    bool dropDownList) {
    auto* combo = new TComboBox(parent);
    combo->SetName(name);
    if (dropDownList) {
        combo->SetStyle(csDropDownList);
    }
    combo->SetBounds(left, top, width, FieldHeight);
    return combo;
}

TButton* NewButton(QWidget* parent, const char* name, const std::string& caption, int left,
                   int top, int width) {
    auto* button = new TButton(parent);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, ButtonHeight);
    return button;
}
