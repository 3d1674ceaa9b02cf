#include "ui/toolkit/TComboBox.h"

#include "ui/toolkit/TText.h"

#include <QLineEdit>

#include <algorithm>

TComboBox::TComboBox(QWidget* parent) : TControlT<QComboBox>(parent, clWindow, clWindowText) {
    SetStyle(csDropDown);
    resize(145, std::max(21, sizeHint().height()));
    Track(connect(this, &QComboBox::activated, this, [this] { Fire(OnChange); }));
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    const bool editable = style == csDropDown;
    if (editable == isEditable()) {
        return;
    }
    const int chosen = ItemIndex();
    setEditable(editable);
    if (editable) {
        // Typed texts are not added to the items, and not completed to an item behind the
        // user's back.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        ConnectEditor();
    }
    SetItemIndex(chosen);
}

void TComboBox::ConnectEditor() {
    Track(connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Fire(OnChange); }));
}

std::string TComboBox::Item(int i) const {
    return i >= 0 && i < count() ? ToStdString(itemText(i)) : std::string();
}

template <class Change> void TComboBox::KeepChoice(int removed, int inserted, Change change) {
    int chosen = currentIndex();
    const QString typed = currentText();
    change();
    if (chosen >= 0 && removed >= 0) {
        chosen = chosen == removed ? -1 : chosen > removed ? chosen - 1 : chosen;
    }
    if (chosen >= 0 && inserted >= 0 && inserted <= chosen) {
        ++chosen;
    }
    setCurrentIndex(chosen);
    if (isEditable()) {
        lineEdit()->setText(typed);
    }
}

void TComboBox::AddItem(const std::string& text) {
    KeepChoice(-1, -1, [&] { addItem(ToQString(text)); });
}

void TComboBox::InsertItem(int i, const std::string& text) {
    const int at = std::clamp(i, 0, count());
    KeepChoice(-1, at, [&] { insertItem(at, ToQString(text)); });
}

void TComboBox::DeleteItem(int i) {
    if (i < 0 || i >= count()) {
        return;
    }
    KeepChoice(i, -1, [&] { removeItem(i); });
}

void TComboBox::ClearItems() {
    clear();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items) {
        AddItem(item);
    }
}

int TComboBox::IndexOfItem(const std::string& text) const {
    const QString wanted = ToQString(text);
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int TComboBox::ItemIndex() const {
    const int i = currentIndex();
    if (i < 0 || (isEditable() && currentText() != itemText(i))) {
        return -1;
    }
    return i;
}

void TComboBox::SetItemIndex(int index) {
    const bool inside = index >= 0 && index < count();
    setCurrentIndex(inside ? index : -1);
    if (!inside && isEditable()) {
        lineEdit()->clear();
    }
}

std::string TComboBox::Text() const {
    return ToStdString(currentText());
}

void TComboBox::SetText(const std::string& text) {
    if (isEditable()) {
        lineEdit()->setText(ToQString(text));
    } else {
        SetItemIndex(IndexOfItem(text));
    }
}

void TComboBox::ApplyColors() {
    TControl::ApplyColors();
    // A drop-down list paints its face with the button roles.
    QPalette palette = this->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (HasOwnColor()) {
            palette.setColor(group, QPalette::Button, palette.color(group, QPalette::Base));
        }
        if (HasOwnFontColor()) {
            palette.setColor(group, QPalette::ButtonText, palette.color(group, QPalette::Text));
        }
    }
    setPalette(palette);
}
