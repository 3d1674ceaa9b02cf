#pragma once

#include "ui/toolkit/TControl.h"
#include "vocab/QxItemList.h"

#include <QGroupBox>

#include <string>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons, one per item, arranged in Columns filled top to bottom.
// ItemIndex is the chosen item, -1 for none; a position outside the items chooses none.
// OnClick runs when the user chooses an item; setting ItemIndex from code runs nothing.
class TRadioGroup : public TControlT<QGroupBox>, public QxItemList {
public:
    explicit TRadioGroup(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    // Item i; "" outside the items.
    std::string Item(int i) const;
    void AddItem(const std::string& text) override;
    void ClearItems() override;
    void SetItems(const std::vector<std::string>& items);

    int ItemIndex() const override { return itemIndex_; }
    void SetItemIndex(int index) override;
    // Chooses an item and runs OnClick, as the user's choice does.
    void Click(int index);

    void Realign() override;

    TNotifyEvent OnClick;

private:
    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
};
