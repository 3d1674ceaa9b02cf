#include "ui/toolkit/TRadioGroup.h"

#include "ui/toolkit/TMnemonics.h"
#include "ui/toolkit/TText.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* parent) : TControlT<QGroupBox>(parent) {
    group_ = new QButtonGroup(this);
    resize(185, 105);
    Track(connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        itemIndex_ = id;
        Fire(OnClick);
    }));
}

std::string TRadioGroup::Caption() const {
    return ToStdString(title());
}

void TRadioGroup::SetCaption(const std::string& caption) {
    setTitle(ToQString(caption));
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    Realign();
}

std::string TRadioGroup::Item(int i) const {
    return i >= 0 && i < ItemCount()
               ? ToStdString(TMnemonics::PlainText(buttons_[static_cast<size_t>(i)]))
               : std::string();
}

void TRadioGroup::AddItem(const std::string& text) {
    auto* button = new QRadioButton(this);
    // An item added to a shown window gets an Alt letter as well.
    TMnemonics::SetText(button, ToQString(text));
    group_->addButton(button, ItemCount());
    buttons_.push_back(button);
    button->show();
    Realign();
}

void TRadioGroup::ClearItems() {
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    itemIndex_ = -1;
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items) {
        AddItem(item);
    }
}

void TRadioGroup::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
    if (itemIndex_ >= 0) {
        buttons_[static_cast<size_t>(itemIndex_)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; "none" needs exclusivity lifted.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_) {
        button->setChecked(false);
    }
    group_->setExclusive(true);
}

void TRadioGroup::Click(int index) {
    SetItemIndex(index);
    Fire(OnClick);
}

void TRadioGroup::Realign() {
    TControl::Realign();
    if (buttons_.empty()) {
        return;
    }
    const QRect area = contentsRect();
    const int count = ItemCount();
    const int perColumn = (count + columns_ - 1) / columns_;
    const int width = area.width() / columns_;
    const int height = std::max(1, area.height() / perColumn);
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<size_t>(i)]->setGeometry(area.left() + (i / perColumn) * width,
                                                      area.top() + (i % perColumn) * height, width,
                                                      height);
    }
}
