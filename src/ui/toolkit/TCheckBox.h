#pragma once

#include "ui/toolkit/TControl.h"

#include <QCheckBox>
#include <QRadioButton>

#include <string>

// A check box. OnClick runs when the user toggles it (or on Click()); setting Checked from
// code runs nothing.
class TCheckBox : public TControlT<QCheckBox> {
public:
    explicit TCheckBox(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    // Toggles the box and runs OnClick, as a user's click does.
    void Click();

    TNotifyEvent OnClick;
};

// One radio button; the buttons with the same parent exclude each other.
class TRadioButton : public TControlT<QRadioButton> {
public:
    explicit TRadioButton(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);
    // Checks the button and runs OnClick, as a user's click does.
    void Click();

    TNotifyEvent OnClick;
};
