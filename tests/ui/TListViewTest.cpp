#include "UiTestSupport.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TListView.h"

#include <QLineEdit>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

class ListViewTest : public UiTest {
protected:
    // A table page's list: report style, whole-row selection, three rows of three cells.
    void SetUp() override {
        UiTest::SetUp();
        list.SetBounds(0, 0, 400, 200);
        list.SetViewStyle(vsReport);
        list.SetReadOnly(true);
        list.SetRowSelect(true);
        list.SetHideSelection(false);
        list.SetGridLines(true);
        for (const char* caption : {"Index", "IP Address", "Row Status"}) {
            list.AddColumn(caption, -2);
        }
        for (const auto& row : rows) {
            TListItem* item = list.AddItem();
            item->SetCaption(row[0]);
            item->AddSubItem(row[1]);
            item->AddSubItem(row[2]);
        }
        list.OnSelectItem = [this](TListItem* item, bool selected) {
            events.emplace_back(item->Caption(), selected);
        };
    }

    TForm form;
    TListView list{&form};
    const std::vector<std::vector<std::string>> rows = {
        {"5", "192.168.1.2", "active"}, {"6", "192.168.1.3", "notInService"}, {"7", "", "active"}};
    std::vector<std::pair<std::string, bool>> events;
};

TEST_F(ListViewTest, ColumnsAndRowsHoldTheirTexts) {
    ASSERT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.Column(1)->Caption(), "IP Address");
    EXPECT_EQ(list.Column(3), nullptr);
    // -2 sizes a column to its caption: a longer caption gives a wider column.
    EXPECT_GT(list.Column(0)->Width(), 0);
    EXPECT_GT(list.Column(2)->Width(), list.Column(0)->Width());
    list.Column(0)->SetWidth(0);
    EXPECT_EQ(list.Column(0)->Width(), 0);
    list.Column(1)->SetWidth(121);
    EXPECT_EQ(list.Column(1)->Width(), 121);

    ASSERT_EQ(list.ItemCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const TListItem* item = list.Item(r);
        EXPECT_EQ(item->Index(), r);
        EXPECT_EQ(item->Caption(), rows[r][0]);
        EXPECT_EQ(item->SubItemCount(), 2);
        EXPECT_EQ(item->SubItem(0), rows[r][1]);
        EXPECT_EQ(item->SubItem(1), rows[r][2]);
        EXPECT_EQ(item->SubItem(2), "");
        EXPECT_EQ(item->SubItem(-1), "");
        EXPECT_EQ(item->text(2), QString::fromStdString(rows[r][2]));
    }
    TListItem* item = list.Item(2);
    item->SetSubItem(4, "x");
    EXPECT_EQ(item->SubItems(), (std::vector<std::string>{"", "active", "", "", "x"}));
    item->ClearSubItems();
    EXPECT_EQ(item->SubItemCount(), 0);
    EXPECT_EQ(item->text(2), QString());
    EXPECT_EQ(list.Item(3), nullptr);
}

TEST_F(ListViewTest, SelectionChangesAreReportedDeselectionFirst) {
    list.SetSelected(list.Item(0));
    list.Item(2)->SetSelected(true); // a single-selection list keeps one selected row
    EXPECT_EQ(list.Selected(), list.Item(2));
    EXPECT_FALSE(list.Item(0)->Selected());
    list.ClearSelection();
    EXPECT_EQ(list.Selected(), nullptr);
    const std::vector<std::pair<std::string, bool>> expected = {
        {"5", true}, {"5", false}, {"7", true}, {"7", false}};
    EXPECT_EQ(events, expected);
}

TEST_F(ListViewTest, ChainedSelectionHandlerRunsAfterTheSavedOne) {
    std::vector<std::string> calls;
    const auto saved = list.ChainHandler(
        list.OnSelectItem, std::function<void(TListItem*, bool)>([&](TListItem* item, bool on) {
            calls.push_back(item->Caption() + (on ? "+" : "-"));
        }));
    ASSERT_TRUE(saved);
    list.SetSelected(list.Item(1));
    EXPECT_EQ(events, (std::vector<std::pair<std::string, bool>>{{"6", true}}));
    EXPECT_EQ(calls, std::vector<std::string>{"6+"});
}

TEST_F(ListViewTest, ClicksSelectRowsAndEmptySpaceClearsTheSelection) {
    ASSERT_TRUE(ShowActive(&form));
    TListItem* selectedAtClick = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
    list.OnClick = [&] {
        ++clicks;
        selectedAtClick = list.Selected();
    };
    list.OnDblClick = [&] { ++doubleClicks; };
    const QRect second = list.visualItemRect(list.Item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(selectedAtClick, list.Item(1));
    EXPECT_EQ(list.ItemAt(second.center().x(), second.center().y()), list.Item(1));

    const QPoint below(10, list.visualItemRect(list.Item(2)).bottom() + 20);
    EXPECT_EQ(list.ItemAt(below.x(), below.y()), nullptr);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(list.Selected(), nullptr);
    EXPECT_EQ(selectedAtClick, nullptr);
    EXPECT_EQ(clicks, 2);

    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(doubleClicks, 1);
    // Read-only: a double click edits no caption.
    EXPECT_EQ(list.findChild<QLineEdit*>(), nullptr);
}

TEST_F(ListViewTest, RowChangesAreReported) {
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    TListItem* item = list.AddItem();
    EXPECT_GT(changes, 0);
    const int afterAdd = changes;
    item->SetCaption("8");
    EXPECT_GT(changes, afterAdd);
    const int afterCaption = changes;
    list.DeleteItem(3);
    EXPECT_GT(changes, afterCaption);
    EXPECT_EQ(list.ItemCount(), 3);
    const int afterDelete = changes;
    list.DeleteItem(9);
    EXPECT_EQ(changes, afterDelete);
    list.ClearItems();
    EXPECT_GT(changes, afterDelete);
    EXPECT_EQ(list.ItemCount(), 0);
}

TEST_F(ListViewTest, CheckBoxesAreOptional) {
    EXPECT_FALSE(list.Item(0)->flags().testFlag(Qt::ItemIsUserCheckable));
    list.SetCheckBoxes(true);
    TListItem* item = list.Item(0);
    EXPECT_TRUE(item->flags().testFlag(Qt::ItemIsUserCheckable));
    EXPECT_FALSE(item->Checked());
    item->SetChecked(true);
    EXPECT_TRUE(item->Checked());
    EXPECT_TRUE(list.AddItem()->flags().testFlag(Qt::ItemIsUserCheckable));
}

} // namespace
