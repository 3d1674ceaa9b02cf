#include "UiTestSupport.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TRadioGroup.h"
#include "vocab/QxOptionTables.h"

#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace {

// The three controls an option list fills, seen only through the item-list interface.
struct Subject {
    const char* name;
    std::function<std::unique_ptr<QxItemList>()> make;
};

const Subject Subjects[] = {
    {"drop-down list",
     [] {
         auto c = std::make_unique<TComboBox>(nullptr);
         c->SetStyle(csDropDownList);
         return std::unique_ptr<QxItemList>(std::move(c));
     }},
    {"editable combo box", [] { return std::unique_ptr<QxItemList>(new TComboBox(nullptr)); }},
    {"radio group", [] { return std::unique_ptr<QxItemList>(new TRadioGroup(nullptr)); }},
};

using ItemListTest = UiTest;

TEST_F(ItemListTest, ItemIndexIsMinusOneForNoneAndOutsideTheItems) {
    const struct {
        int set;
        int expected;
    } cases[] = {{0, 0}, {2, 2}, {-1, -1}, {1, 1}, {3, -1}, {-5, -1}, {100, -1}};
    for (const Subject& s : Subjects) {
        const auto list = s.make();
        EXPECT_EQ(list->ItemIndex(), -1) << s.name;
        for (const char* item : {"a", "b", "c"}) {
            list->AddItem(item);
        }
        // Adding items chooses none of them.
        EXPECT_EQ(list->ItemIndex(), -1) << s.name;
        for (const auto& c : cases) {
            list->SetItemIndex(c.set);
            EXPECT_EQ(list->ItemIndex(), c.expected) << s.name << " set " << c.set;
        }
        list->SetItemIndex(1);
        list->ClearItems();
        EXPECT_EQ(list->ItemIndex(), -1) << s.name;
    }
}

TEST_F(ItemListTest, OptionListFillsAndSelectsByLabelThenValue) {
    const QxOptionList& rowStatus = OL_1active_4createAndGo_6destroy;
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"destroy", 2}, {"4", 1}, {"5", -1}, {"ACTIVE", 0}, {"(NULL)", -1}, {"", -1}};
    for (const Subject& s : Subjects) {
        const auto list = s.make();
        list->AddItem("left over");
        rowStatus.FillItems(*list);
        rowStatus.FillItems(*list); // filling again replaces the items
        for (const auto& c : cases) {
            list->SetItemIndex(0);
            rowStatus.SelectText(*list, c.text);
            EXPECT_EQ(list->ItemIndex(), c.expected) << s.name << " " << c.text;
        }
    }
    TComboBox combo(nullptr);
    rowStatus.FillItems(combo);
    EXPECT_EQ(combo.ItemCount(), 3);
    EXPECT_EQ(combo.Item(1), "createAndGo");
    TRadioGroup group(nullptr);
    rowStatus.FillItems(group);
    EXPECT_EQ(group.ItemCount(), 3);
    EXPECT_EQ(group.Item(2), "destroy");
}

TEST_F(ItemListTest, ComboBoxKeepsTheChoiceOnItsItemWhenItemsChange) {
    const struct {
        int chosen;
        std::function<void(TComboBox&)> change;
        int expected;
        const char* what;
    } cases[] = {
        {1, [](TComboBox& c) { c.DeleteItem(1); }, -1, "delete the chosen item"},
        {2, [](TComboBox& c) { c.DeleteItem(0); }, 1, "delete before it"},
        {0, [](TComboBox& c) { c.DeleteItem(2); }, 0, "delete after it"},
        {1, [](TComboBox& c) { c.DeleteItem(7); }, 1, "delete outside"},
        {1, [](TComboBox& c) { c.InsertItem(0, "new"); }, 2, "insert before it"},
        {1, [](TComboBox& c) { c.InsertItem(9, "new"); }, 1, "insert at the end"},
        {-1, [](TComboBox& c) { c.InsertItem(0, "new"); }, -1, "insert without a choice"},
    };
    for (const TComboBoxStyle style : {csDropDownList, csDropDown}) {
        for (const auto& c : cases) {
            TComboBox combo(nullptr);
            combo.SetStyle(style);
            combo.SetItems({"active", "notInService", "createAndGo"});
            combo.SetItemIndex(c.chosen);
            const std::string chosenText = combo.Item(c.chosen);
            c.change(combo);
            EXPECT_EQ(combo.ItemIndex(), c.expected) << c.what << " style " << style;
            if (c.expected >= 0) {
                EXPECT_EQ(combo.Text(), chosenText) << c.what;
            }
        }
    }
}

TEST_F(ItemListTest, ComboBoxTextFollowsItsStyle) {
    TComboBox combo(nullptr);
    combo.SetItems({"1", "5", "10"});
    // Editable: any text; it counts as the chosen item only while it is that item's text.
    combo.SetText("1");
    EXPECT_EQ(combo.Text(), "1");
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), "10");
    combo.SetText("7");
    EXPECT_EQ(combo.Text(), "7");
    EXPECT_EQ(combo.ItemIndex(), -1);
    // A drop-down list shows only items; setting a text chooses the item, letter case ignored.
    combo.SetStyle(csDropDownList);
    combo.SetItems({"active", "createAndGo", "destroy"});
    combo.SetText("CREATEANDGO");
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "createAndGo");
    combo.SetText("notReady");
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(combo.IndexOfItem("Destroy"), 2);
    EXPECT_EQ(combo.IndexOfItem("destro"), -1);
}

TEST_F(ItemListTest, OnlyTheUsersChoiceRunsTheHandlers) {
    TForm form;
    TComboBox combo(&form);
    combo.SetStyle(csDropDownList);
    combo.SetItems({"a", "b", "c"});
    TRadioGroup group(&form);
    group.SetTop(40);
    group.SetItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    int comboChanges = 0;
    int groupClicks = 0;
    combo.OnChange = [&] { ++comboChanges; };
    group.OnClick = [&] { ++groupClicks; };
    combo.SetItemIndex(0);
    combo.SetText("b");
    group.SetItemIndex(1);
    EXPECT_EQ(comboChanges, 0);
    EXPECT_EQ(groupClicks, 0);

    ASSERT_TRUE(ShowActive(&form));
    combo.SetFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(comboChanges, 1);
    // Typing into an editable box is a change, and a typed text is no choice of an item.
    TComboBox interval(&form);
    interval.SetTop(150);
    interval.SetItems({"1", "5", "10"});
    interval.SetItemIndex(0);
    int intervalChanges = 0;
    interval.OnChange = [&] { ++intervalChanges; };
    interval.SetFocus();
    QTest::keyClicks(&interval, QStringLiteral("5"));
    EXPECT_EQ(interval.Text(), "15");
    EXPECT_EQ(interval.ItemIndex(), -1);
    EXPECT_EQ(intervalChanges, 1);

    auto buttons = group.findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    // A radio button takes clicks on its mark and caption, at its left.
    QTest::mouseClick(buttons[2], Qt::LeftButton, {}, QPoint(6, buttons[2]->height() / 2));
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(groupClicks, 1);
}

TEST_F(ItemListTest, RadioGroupFillsItsColumnsTopToBottom) {
    const struct {
        int items;
        int columns;
        int rowsPerColumn;
    } cases[] = {{3, 3, 1}, {4, 2, 2}, {5, 2, 3}, {2, 1, 2}};
    for (const auto& c : cases) {
        TRadioGroup group(nullptr);
        group.SetBounds(0, 0, 300, 120);
        group.SetColumns(c.columns);
        for (int i = 0; i < c.items; ++i) {
            group.AddItem("item " + std::to_string(i));
        }
        const auto buttons = group.findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), c.items);
        for (int i = 0; i < c.items; ++i) {
            const int column = i / c.rowsPerColumn;
            const int row = i % c.rowsPerColumn;
            EXPECT_EQ(buttons[i]->x(), buttons[column * c.rowsPerColumn]->x()) << i;
            EXPECT_EQ(buttons[i]->y(), buttons[row]->y()) << i;
            if (column > 0) {
                EXPECT_GT(buttons[i]->x(), buttons[(column - 1) * c.rowsPerColumn]->x());
            }
        }
    }
}

} // namespace
