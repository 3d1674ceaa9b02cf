#pragma once

#include "vocab/QxItemList.h"

#include <string>
#include <vector>

// An item list that records what an option list does to it.
class FakeItemList : public QxItemList {
public:
    void ClearItems() override {
        items.clear();
        index = -1;
    }
    void AddItem(const std::string& text) override { items.push_back(text); }
    int ItemIndex() const override { return index; }
    void SetItemIndex(int i) override {
        index = i >= 0 && i < static_cast<int>(items.size()) ? i : -1;
    }

    std::vector<std::string> items;
    int index = -1;
};
