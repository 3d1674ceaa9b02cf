#pragma once

#include <string>

class QWidget;
class TButton;
class TComboBox;
class TEdit;
class TLabel;

// The controls of the hand-made windows, created on their parent with a name and a place.
TLabel* NewLabel(QWidget* parent, const std::string& caption, int left, int top);
TEdit* NewEdit(QWidget* parent, const char* name, int left, int top, int width);
// A drop-down list takes only its items; otherwise the text can also be typed.
TComboBox* NewCombo(QWidget* parent, const char* name, int left, int top, int width,
                    bool dropDownList);
TButton* NewButton(QWidget* parent, const char* name, const std::string& caption, int left,
                   int top, int width = 75);
