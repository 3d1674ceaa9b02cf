#include "UiTestSupport.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TListView.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
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
    EXPECT_EQ(list.viewport()->findChild<QLineEdit*>(), nullptr);
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

// The captions of the rows in the order the list shows them (hidden ones left out).
std::vector<std::string> ShownCaptions(const TListView& list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list.ItemCount(); ++i) {
        if (list.ItemVisible(list.Item(i))) {
            captions.push_back(list.Item(i)->Caption());
        }
    }
    return captions;
}

class ListViewTableTest : public ListViewTest {
protected:
    void SetUp() override {
        ListViewTest::SetUp();
        list.ClearItems();
        list.AddRows({{"10", "192.168.1.10", "active"},
                      {"9", "192.168.1.9", "notInService"},
                      {"100", "10.0.0.1", "active"},
                      {"-2", "192.168.1.100", "destroy"}});
    }

    void ClickHeader(int column) {
        QHeaderView* header = list.header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->viewport()->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(ListViewTableTest, HeaderClicksSortByValueAndAgainReverse) {
    ASSERT_TRUE(ShowActive(&form));
    list.SetSelected(list.Item(1)); // "9"
    const struct {
        int column;
        std::vector<std::string> order;
    } clicks[] = {
        {0, {"-2", "9", "10", "100"}},
        {0, {"100", "10", "9", "-2"}},
        {1, {"100", "9", "10", "-2"}}, // 10.0.0.1, 192.168.1.9, .10, .100
        {2, {"10", "100", "-2", "9"}}, // active (as read), destroy, notInService
        {2, {"9", "-2", "10", "100"}},
    };
    for (const auto& click : clicks) {
        ClickHeader(click.column);
        EXPECT_EQ(ShownCaptions(list), click.order) << "column " << click.column;
        EXPECT_EQ(list.SortColumn(), click.column);
        ASSERT_NE(list.Selected(), nullptr);
        EXPECT_EQ(list.Selected()->Caption(), "9"); // the same row stays selected
    }
    EXPECT_FALSE(list.SortAscending());
    EXPECT_EQ(list.header()->sortIndicatorSection(), 2);

    // Rows that arrive while the list is sorted take their places; the origin finds them.
    list.AddRows({{"11", "1.1.1.1", "active"}, {"12", "2.2.2.2", "zzz"}});
    EXPECT_EQ(ShownCaptions(list), (std::vector<std::string>{"12", "9", "-2", "10", "100", "11"}));
    EXPECT_EQ(list.ItemByOrigin(5)->Caption(), "12");
    EXPECT_EQ(list.ItemByOrigin(0)->Caption(), "10");
    EXPECT_EQ(list.ItemByOrigin(6), nullptr);

    // A changed value in the sort column moves its row once events run.
    list.ItemByOrigin(4)->SetSubItem(1, "aaa");
    EXPECT_TRUE(WaitUntil([&] { return list.Item(5)->Caption() == "11"; }));

    list.SortBy(-1);
    EXPECT_EQ(ShownCaptions(list),
              (std::vector<std::string>{"10", "9", "100", "-2", "11", "12"}));
    EXPECT_FALSE(list.header()->isSortIndicatorShown());
}

TEST_F(ListViewTableTest, FilterKeepsMatchingRowsAndCountsThem) {
    ASSERT_TRUE(ShowActive(&form));
    int clicks = 0;
    list.OnClick = [&] { ++clicks; };
    EXPECT_EQ(list.CountLabel()->text(), QStringLiteral("4 of 4"));
    list.SetSelected(list.Item(1)); // "9", notInService

    QTest::keyClicks(list.FilterEdit(), QStringLiteral("192.168.1.1"));
    EXPECT_EQ(list.FilterText(), "192.168.1.1");
    EXPECT_EQ(ShownCaptions(list), (std::vector<std::string>{"10", "-2"}));
    EXPECT_EQ(list.CountLabel()->text(), QStringLiteral("2 of 4"));
    // The selected row went out of sight: it is no longer selected, as after a click beside
    // the rows, so that no Edit or Delete acts on a row the user cannot see.
    EXPECT_EQ(list.Selected(), nullptr);
    EXPECT_EQ(clicks, 1);

    // Letter case does not matter, any column counts; new rows are filtered as they come.
    list.SetFilterText("ACTIVE");
    EXPECT_EQ(ShownCaptions(list), (std::vector<std::string>{"10", "100"}));
    list.AddRows({{"7", "x", "Active"}, {"8", "y", "destroy"}});
    EXPECT_EQ(ShownCaptions(list), (std::vector<std::string>{"10", "100", "7"}));
    EXPECT_EQ(list.CountText(), "3 of 6");
    list.Item(5)->SetSubItem(1, "active");
    EXPECT_EQ(list.CountText(), "4 of 6");
    list.DeleteItem(0);
    EXPECT_EQ(list.CountText(), "3 of 5");

    // Ctrl+F in the list goes to the field; emptying it shows every row.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(list.FilterEdit()->hasFocus());
    list.SetFilterText("");
    EXPECT_EQ(list.CountText(), "5 of 5");
    list.ClearItems();
    EXPECT_EQ(list.CountText(), "0 of 0");

    list.SetFilterBar(false);
    EXPECT_FALSE(list.FilterEdit()->isVisible());
}

TEST_F(ListViewTableTest, CopyAndExportGiveTheTextsAsShown) {
    ASSERT_TRUE(ShowActive(&form));
    list.SetColumnFormat(1, [](const std::string& text) { return "<" + text + ">"; });
    list.Column(2)->SetWidth(0); // a column nobody sees is neither copied nor exported
    list.SetSelected(list.Item(2));
    EXPECT_EQ(list.Item(2)->SubItem(0), "10.0.0.1"); // the row keeps its value
    EXPECT_EQ(list.Item(2)->Text(1), "<10.0.0.1>");
    EXPECT_EQ(list.SelectionText(), "Index\tIP Address\n100\t<10.0.0.1>\n");

    QGuiApplication::clipboard()->clear();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Index\tIP Address\n100\t<10.0.0.1>\n"));

    list.SetFilterText("192.168.1.");
    EXPECT_EQ(list.ShownRowsText(),
              "Index\tIP Address\n10\t<192.168.1.10>\n9\t<192.168.1.9>\n-2\t<192.168.1.100>\n");
    list.SetFilterText("");

    list.Item(0)->SetSubItem(0, "a,\"b\"");
    const std::string csv = "Index,IP Address\n10,\"<a,\"\"b\"\">\"\n9,<192.168.1.9>\n"
                            "100,<10.0.0.1>\n-2,<192.168.1.100>\n";
    EXPECT_EQ(list.CsvText(), csv);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("rows.csv")).toStdString();
    const auto ask = TListView::AskExportFile;
    std::string suggested;
    TListView::AskExportFile = [&](QWidget*, const std::string& name) {
        suggested = name;
        return path;
    };
    form.SetCaption("Trust Host Table : 127.0.0.1");
    std::unique_ptr<QMenu> menu(list.CreateContextMenu());
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[2]->text(), QStringLiteral("&Export..."));
    EXPECT_FALSE(actions[4]->isEnabled()); // Original Order: the list is not sorted
    actions[2]->trigger();
    TListView::AskExportFile = ask;
    EXPECT_EQ(suggested, "Trust Host Table.csv");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), csv);

    // A file that cannot be written says so.
    std::string error;
    EXPECT_FALSE(list.ExportCsv(dir.filePath(QStringLiteral("no/such/dir.csv")).toStdString(),
                                error));
    EXPECT_FALSE(error.empty());
}

} // namespace

// Columns widen to the rows that arrive, once per batch: to the widest text of the column, an
// address column to the longest address, never beyond the limit, never narrower than before;
// a column left out of view (width 0) or sized by the user stays as it is.
TEST(ListViewFitTest, ColumnsWidenToTheirRows) {
    struct Case {
        const char* what;
        std::vector<std::string> cells; // one column's texts, one row each
        int startWidth;                 // -2 the caption's width
        bool userSized;
        int (*expected)(const QFontMetrics& fm, int before);
    };
    const Case cases[] = {
        {"a long name widens the column",
         {"a", "a rather long interface description", "b"},
         -2,
         false,
         [](const QFontMetrics& fm, int) {
             return fm.horizontalAdvance(QStringLiteral("a rather long interface description"));
         }},
        {"an address gets room for the longest address",
         {"10.0.0.1", "10.0.0.2"},
         -2,
         false,
         [](const QFontMetrics& fm, int) {
             return fm.horizontalAdvance(QStringLiteral("255.255.255.255"));
         }},
        {"a MAC address gets room for the widest digits",
         {"00-1B-21-3A-4C-5D"},
         -2,
         false,
         [](const QFontMetrics& fm, int) {
             return fm.horizontalAdvance(QStringLiteral("00-00-00-00-00-00"));
         }},
        {"the limit holds",
         {std::string(200, 'W')},
         -2,
         false,
         [](const QFontMetrics&, int) { return TListView::MaxFitWidth; }},
        {"a wide column stays wide",
         {"a"},
         300,
         false,
         [](const QFontMetrics&, int before) { return before; }},
        {"a column out of view stays out",
         {"a long text that would widen it"},
         0,
         false,
         [](const QFontMetrics&, int) { return 0; }},
        {"a column the user sized stays",
         {"a long text that would widen it"},
         40,
         true,
         [](const QFontMetrics&, int) { return 45; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TForm form;
        TListView list(&form);
        list.SetBounds(0, 0, 600, 300);
        list.SetViewStyle(vsReport);
        list.AddColumn("Index", -2);
        list.AddColumn("Value", c.startWidth);
        if (c.userSized) {
            // As a drag of the section's edge does.
            list.header()->resizeSection(1, c.startWidth + 5);
        }
        const int before = list.Column(1)->Width();
        std::vector<std::vector<std::string>> rows;
        for (const std::string& cell : c.cells) {
            rows.push_back({"1", cell});
        }
        list.AddRows(rows);
        QCoreApplication::processEvents();
        const int width = list.Column(1)->Width();
        const int expected = c.expected(list.fontMetrics(), before);
        if (c.userSized || c.startWidth == 0 || c.startWidth == 300 ||
            expected == TListView::MaxFitWidth) {
            EXPECT_EQ(width, expected);
        } else {
            // The text and the cell's margins; never narrower than the caption.
            EXPECT_GE(width, expected);
            EXPECT_LE(width, std::max(before, expected + 20));
        }
    }
}

// A long fill is measured from a sample: the widest text of a column of ten thousand rows that
// look alike widens it, and a later batch that is wider widens it again.
TEST(ListViewFitTest, LongFillsAndLaterBatchesWiden) {
    TForm form;
    TListView list(&form);
    list.SetBounds(0, 0, 600, 300);
    list.SetViewStyle(vsReport);
    list.AddColumn("Index", -2);
    list.AddColumn("Name", -2);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 10000; ++i) {
        rows.push_back({std::to_string(i), "port-" + std::to_string(100000 + i)});
    }
    list.AddRows(rows);
    QCoreApplication::processEvents();
    const QFontMetrics fm = list.fontMetrics();
    EXPECT_GE(list.Column(0)->Width(), fm.horizontalAdvance(QStringLiteral("9999")));
    EXPECT_GE(list.Column(1)->Width(), fm.horizontalAdvance(QStringLiteral("port-109999")));
    const int before = list.Column(1)->Width();
    list.AddRows({{"10000", "a far longer name than any before it"}});
    QCoreApplication::processEvents();
    EXPECT_GT(list.Column(1)->Width(), before);
    // Emptied and filled again with short texts: the column keeps its width.
    const int wide = list.Column(1)->Width();
    list.ClearItems();
    list.AddRows({{"1", "x"}});
    QCoreApplication::processEvents();
    EXPECT_EQ(list.Column(1)->Width(), wide);
}
