#pragma once

#include <string>

// The few operations an option list needs of a drop-down list or radio group: clear the items,
// add one item text, and read and set the selected position (-1 = none). The toolkit's combo
// box and radio group implement it.
class QxItemList {
public:
    virtual ~QxItemList() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
};
