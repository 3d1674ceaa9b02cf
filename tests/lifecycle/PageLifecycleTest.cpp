// Pages of a slow device closed, refreshed, written and left at the worst moments: while a walk
// fills the list, while a write waits for a read, while an edit waits for its row. Each case
// ends with the page freed and the device as the writes that reported Ok left it.
#include "LifecycleSupport.h"
#include "PanelDialog.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMemo.h"

#include <QTimer>

#include <chrono>
#include <set>

namespace {

constexpr int ExtraHosts = 300;

// The row of a scalar page's edits that shows the object `baseOid`, or -1.
int EditRowOf(TConfigForm& page, TEditsPanel& rows, const std::string& baseOid) {
    int row = -1;
    for (int i = 0; i < rows.RowCount(); ++i) {
        if (rows.Row(i).label != nullptr && rows.Row(i).edit != nullptr &&
            page.CurrentBinding()->request.vars.BaseOid(i) == baseOid) {
            row = i;
        }
    }
    return row;
}

class PageLifecycleTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        dir_ = new QTemporaryDir();
        // Every answer 5 ms late: a walk of the table takes a second or two.
        sim_ = new TestAgent(TestAgent::Kind::Simulator,
                             {"--data", DataWithTrustHosts(*dir_, ExtraHosts), "--delay-ms", "5"});
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        UiTest::SetUp();
        window_ = std::make_unique<MainWindowFixture>(*sim_, *dir_);
    }
    void TearDown() override {
        window_.reset();
        UiTest::TearDown();
    }

    static std::map<std::string, std::string> DeviceRows() {
        const ProgramResult r =
            SnmpTool(*sim_, {"-v2c", "-c", "public", "-t", "5"}).Walk(std::string(TrustHostEntry) + ".3");
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out);
    }
    static bool DeviceHasRow(int index) {
        return DeviceRows().count("." + std::string(TrustHostEntry) + ".3." +
                                  std::to_string(index)) == 1;
    }
    static void DeviceCreateRow(int index) {
        const std::string cell = std::string(TrustHostEntry) + ".";
        const std::string i = std::to_string(index);
        const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "private", "-t", "5"})
                                    .Set({cell + "3." + i, "i", "4", cell + "2." + i, "a",
                                          "10.200.0." + std::to_string(index % 250)});
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }
    static void DeviceDestroyRow(int index) {
        const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "private", "-t", "5"})
                                    .Set({std::string(TrustHostEntry) + ".3." +
                                              std::to_string(index),
                                          "i", "6"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }

    // Waits until the page's list holds at least `rows` rows of a walk still running.
    static bool WalkUnderWay(TConfigForm& page, int rows) {
        TListView* list = ListOf(page);
        return list != nullptr &&
               WaitUntil(
                   [&] {
                       return list->ItemCount() >= rows && page.CurrentBinding() != nullptr &&
                              page.CurrentBinding()->busy;
                   },
                   15000);
    }
    static bool Idle(TConfigForm& page) {
        return WaitUntil(
            [&] { return page.CurrentBinding() != nullptr && !page.CurrentBinding()->busy; },
            30000);
    }
    static void Select(TConfigForm& page, const std::string& caption) {
        TListView& list = *ListOf(page);
        for (int i = 0; i < list.ItemCount(); ++i) {
            if (list.Item(i)->Caption() == caption) {
                list.SetSelected(list.Item(i));
                ListPanelOf(page)->UpdateRowButtons();
                return;
            }
        }
        ADD_FAILURE() << "no row " << caption;
    }

    static QTemporaryDir* dir_;
    static TestAgent* sim_;
    std::unique_ptr<MainWindowFixture> window_;
};

QTemporaryDir* PageLifecycleTest::dir_ = nullptr;
TestAgent* PageLifecycleTest::sim_ = nullptr;

// Delete, Yes, and Close while the list is read again: the page goes at once and is freed once
// its action returned; the row is gone from the device.
TEST_F(PageLifecycleTest, CloseWhileTheListIsReadAgainAfterADelete) {
    DeviceCreateRow(7);
    std::chrono::steady_clock::duration closing{};
    const bool freed = window_->WithPage(TrustHostPath, [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        Select(page, "7");
        MessageScript::Push(mrYes);
        ListPanelOf(page)->ButtonPanel()->deleteButton->Click();
        EXPECT_TRUE(page.CurrentBinding()->busy) << "the list is read again";
        const auto start = std::chrono::steady_clock::now();
        page.Close();
        closing = std::chrono::steady_clock::now() - start;
    });
    EXPECT_TRUE(freed);
    EXPECT_LT(closing, std::chrono::milliseconds(500));
    EXPECT_FALSE(DeviceHasRow(7));
}

// Delete during a running walk: the walk stops after the answer in hand, the delete writes the
// selected row, and the list read again holds each row of the device once, in order.
TEST_F(PageLifecycleTest, DeleteDuringAWalkLeavesOneWalkAndTheSelectedRow) {
    DeviceCreateRow(8);
    ASSERT_TRUE(window_->WithPage(TrustHostPath, [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        ListPanelOf(page)->ButtonPanel()->refreshButton->Click();
        ASSERT_TRUE(WalkUnderWay(page, 8));
        Select(page, "8");
        MessageScript::Push(mrYes);
        ListPanelOf(page)->ButtonPanel()->deleteButton->Click();
        ASSERT_TRUE(Idle(page));
        TListView& list = *ListOf(page);
        std::set<std::string> captions;
        int previous = -1;
        for (int i = 0; i < list.ItemCount(); ++i) {
            const std::string caption = list.Item(i)->Caption();
            EXPECT_TRUE(captions.insert(caption).second) << "row " << caption << " twice";
            EXPECT_LT(previous, std::stoi(caption)) << "rows out of order";
            previous = std::stoi(caption);
        }
        EXPECT_EQ(captions.count("8"), 0u);
        EXPECT_EQ(static_cast<std::size_t>(list.ItemCount()), DeviceRows().size());
    }));
    EXPECT_FALSE(DeviceHasRow(8));
}

// Set Checked in the add dialog while the page's walk still runs: the walk stops, the row is
// written, and the dialog closes; nothing is dropped without a word.
TEST_F(PageLifecycleTest, AddDuringALongWalkWritesTheRow) {
    ASSERT_TRUE(window_->WithPage(TrustHostPath, [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        TSNMPListViewPanel& panel = *ListPanelOf(page);
        panel.ButtonPanel()->refreshButton->Click();
        ASSERT_TRUE(WalkUnderWay(page, 4));
        TEditsPanel& rows = *panel.EditsPanel();
        bool closed = false;
        EXPECT_TRUE(WithPanelDialog(&page, *panel.ButtonPanel()->addButton,
                                    [&](TForm& dialog, TCtrlBtnPanel& column) {
                                        rows.Row(0).edit->SetText("9");
                                        rows.Row(1).edit->SetText("10.9.9.9");
                                        rows.Row(3).edit->SetText("255.255.0.0");
                                        rows.CheckRow(1);
                                        rows.CheckRow(3);
                                        column.setCheckedButton->Click();
                                        closed = !dialog.isVisible();
                                    }));
        EXPECT_TRUE(closed) << "the dialog closes after its write";
        EXPECT_TRUE(Idle(page));
    }));
    EXPECT_TRUE(DeviceHasRow(9));
    DeviceDestroyRow(9);
}

// Edit while rows still arrive, with the page closed (by a timer, as a late event would) while
// the edit waits for the answer in hand: no dialog opens on the closing page, and it is freed.
TEST_F(PageLifecycleTest, CloseWhileAnEditWaitsForItsRow) {
    const bool freed = window_->WithPage(TrustHostPath, [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        TSNMPListViewPanel& panel = *ListPanelOf(page);
        panel.ButtonPanel()->refreshButton->Click();
        ASSERT_TRUE(WalkUnderWay(page, 2));
        Select(page, "1");
        QPointer<TConfigForm> form(&page);
        QTimer::singleShot(0, &page, [form] {
            if (form != nullptr) {
                form->Close();
            }
        });
        // Runs once nothing waits any more: inside the edit dialog's loop, had one opened.
        bool dialog = false;
        PostOutsideWaits(&window_->Main(), [&] {
            QWidget* modal = QApplication::activeModalWidget();
            dialog = modal != nullptr && modal != form;
            if (dialog) {
                modal->close();
            }
        });
        panel.ButtonPanel()->editButton->Click();
        EXPECT_FALSE(dialog);
    });
    EXPECT_TRUE(freed);
}

// Refresh, Set Checked and Close in quick succession on a scalar page: the write stops the
// read first, and a close that comes while it waits ends the page without writing.
TEST_F(PageLifecycleTest, RefreshSetAndCloseOnAScalarPage) {
    const bool freed = window_->WithPage("Bridge / 802.1d / Information", [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        auto* panel = FindIn<TSNMPEditorPanel>(&page);
        ASSERT_NE(panel, nullptr);
        TEditsPanel& rows = *panel->EditsPanel();
        for (int i = 0; i < rows.RowCount(); ++i) {
            if (rows.Row(i).checkBox->Enabled()) {
                rows.CheckRow(i);
            }
        }
        panel->ButtonPanel()->setCheckedButton->SetEnabled(true);
        panel->ButtonPanel()->refreshButton->Click();
        EXPECT_TRUE(page.CurrentBinding()->busy);
        QPointer<TConfigForm> form(&page);
        QTimer::singleShot(0, &page, [form] {
            if (form != nullptr) {
                form->Close();
            }
        });
        panel->ButtonPanel()->setCheckedButton->Click();
    });
    EXPECT_TRUE(freed);
}

// A write asked for while a read runs on a scalar page goes out after it, with what was typed,
// not with what the read in hand brought.
TEST_F(PageLifecycleTest, ASetDuringAReadWritesWhatWasTyped) {
    const std::string contact = "1.3.6.1.2.1.1.4.0";
    ASSERT_TRUE(window_->WithPage("Basic Configuration / MIB II / Information", [&](TConfigForm& page) {
        ASSERT_TRUE(Idle(page));
        auto* panel = FindIn<TSNMPEditorPanel>(&page);
        ASSERT_NE(panel, nullptr);
        TEditsPanel& rows = *panel->EditsPanel();
        const int row = EditRowOf(page, rows, "1.3.6.1.2.1.1.4");
        ASSERT_GE(row, 0);
        panel->ButtonPanel()->refreshButton->Click();
        ASSERT_TRUE(page.CurrentBinding()->busy);
        rows.Row(row).edit->SetText("typed during a read");
        rows.CheckRow(row);
        panel->ButtonPanel()->setCheckedButton->SetEnabled(true);
        panel->ButtonPanel()->setCheckedButton->Click();
        const std::string line = panel->MsgPanel()->memo->Line(panel->MsgPanel()->memo->LineCount() - 1);
        EXPECT_EQ(line.rfind("Set: Ok!", 0), 0u) << line;
    }));
    const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "public", "-t", "5"}).Get({contact});
    EXPECT_EQ(SnmpTool::Values(r.out)["." + contact], "\"typed during a read\"") << r.out;
}

// A 40,000-octet contact goes to the device whole and comes back whole: no edit, value text or
// message on the way cuts it.
TEST_F(PageLifecycleTest, ALongContactIsWrittenAndReadBackWhole) {
    const std::string contact = "1.3.6.1.2.1.1.4.0";
    std::string text;
    for (int i = 0; text.size() < 40000; ++i) {
        text += "line " + std::to_string(i) + " of the on-call list; ";
    }
    text.resize(40000);
    std::string shownAfterRefresh;
    ASSERT_TRUE(
        window_->WithPage("Basic Configuration / MIB II / Information", [&](TConfigForm& page) {
            ASSERT_TRUE(Idle(page));
            auto* panel = FindIn<TSNMPEditorPanel>(&page);
            ASSERT_NE(panel, nullptr);
            TEditsPanel& rows = *panel->EditsPanel();
            const int row = EditRowOf(page, rows, "1.3.6.1.2.1.1.4");
            ASSERT_GE(row, 0);
            rows.Row(row).edit->SetText(text);
            rows.CheckRow(row);
            panel->ButtonPanel()->setCheckedButton->SetEnabled(true);
            panel->ButtonPanel()->setCheckedButton->Click();
            const TMemo& memo = *panel->MsgPanel()->memo;
            const std::string line = memo.Line(memo.LineCount() - 1);
            EXPECT_EQ(line.rfind("Set: Ok!", 0), 0u) << line;
            rows.Row(row).edit->SetText("");
            panel->ButtonPanel()->refreshButton->Click();
            ASSERT_TRUE(Idle(page));
            shownAfterRefresh = rows.Row(row).edit->Text();
        }));
    EXPECT_EQ(shownAfterRefresh.size(), text.size());
    EXPECT_TRUE(shownAfterRefresh == text);
    const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "public", "-t", "5"}).Get({contact});
    const std::string device = SnmpTool::Values(r.out)["." + contact];
    EXPECT_EQ(device.size(), text.size() + 2) << r.err;
    EXPECT_TRUE(device == "\"" + text + "\"");
    const ProgramResult back = SnmpTool(*sim_, {"-v2c", "-c", "private", "-t", "5"})
                                   .Set({contact, "s", "network operations"});
    EXPECT_EQ(back.exitCode, 0) << back.err;
}

} // namespace
