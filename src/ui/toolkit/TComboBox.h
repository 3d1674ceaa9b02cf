#pragma once

#include "ui/toolkit/TControl.h"
#include "vocab/QxItemList.h"

#include <QComboBox>

#include <string>
#include <vector>

// csDropDown: the user may type any text or pick an item; csDropDownList: the user can only
// pick an item.
enum TComboBoxStyle : int { csDropDown, csDropDownList };

// A drop-down list.
//
// ItemIndex is the position of the chosen item, -1 for none. Setting a position outside the
// items chooses none. Adding or removing items keeps the choice on the same item (none stays
// none; removing the chosen item leaves none). In an editable box a text the user typed that
// differs from the chosen item's text counts as no choice. OnChange runs when the user picks an
// item or types; nothing the program does runs it.
class TComboBox : public TControlT<QComboBox>, public QxItemList {
public:
    explicit TComboBox(QWidget* parent);

    TComboBoxStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void SetStyle(TComboBoxStyle style);

    int ItemCount() const { return count(); }
    // Item i; "" outside the items.
    std::string Item(int i) const;
    void AddItem(const std::string& text) override;
    // Inserts before position i (i is kept within 0 .. ItemCount()).
    void InsertItem(int i, const std::string& text);
    // Removes item i; a position outside the items does nothing.
    void DeleteItem(int i);
    void ClearItems() override;
    void SetItems(const std::vector<std::string>& items);
    // The first item equal to the text with letter case ignored; -1 if none.
    int IndexOfItem(const std::string& text) const;

    int ItemIndex() const override;
    void SetItemIndex(int index) override;

    // The shown text: the chosen item's, or what was typed; "" when nothing is chosen in a
    // drop-down list. Setting it types the text into an editable box, and chooses the item
    // equal to it (letter case ignored), or none, in a drop-down list.
    std::string Text() const;
    void SetText(const std::string& text);

    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole BackRole() const override { return QPalette::Base; }
    QPalette::ColorRole FrontRole() const override { return QPalette::Text; }
    void ApplyColors() override;

private:
    // Runs a change of the item list and puts the choice back on the item it was on.
    template <class Change> void KeepChoice(int removed, int inserted, Change change);
    void ConnectEditor();
};
