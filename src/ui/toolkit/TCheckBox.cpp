#include "ui/toolkit/TCheckBox.h"

#include "ui/toolkit/TMnemonics.h"
#include "ui/toolkit/TText.h"

#include <algorithm>

TCheckBox::TCheckBox(QWidget* parent) : TControlT<QCheckBox>(parent) {
    resize(97, std::max(17, sizeHint().height()));
    Track(connect(this, &QCheckBox::clicked, this, [this] { Fire(OnClick); }));
}

std::string TCheckBox::Caption() const {
    return ToStdString(TMnemonics::PlainText(this));
}

void TCheckBox::SetCaption(const std::string& caption) {
    TMnemonics::SetText(this, ToQString(caption));
}

void TCheckBox::Click() {
    setChecked(!isChecked());
    Fire(OnClick);
}

TRadioButton::TRadioButton(QWidget* parent) : TControlT<QRadioButton>(parent) {
    resize(113, std::max(17, sizeHint().height()));
    Track(connect(this, &QRadioButton::clicked, this, [this] { Fire(OnClick); }));
}

std::string TRadioButton::Caption() const {
    return ToStdString(TMnemonics::PlainText(this));
}

void TRadioButton::SetCaption(const std::string& caption) {
    TMnemonics::SetText(this, ToQString(caption));
}

void TRadioButton::SetChecked(bool checked) {
    // An exclusive button cannot be unchecked directly; for "none" exclusivity is lifted for
    // a moment.
    if (!checked && isChecked()) {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(checked);
}

void TRadioButton::Click() {
    SetChecked(true);
    Fire(OnClick);
}
