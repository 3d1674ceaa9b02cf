#include "AgentTarget.h"
#include "PanelDialog.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "main_window/ScriptSwitches.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TPageControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

// Every generated page of the menu catalogue against the simulator: it reads without an error
// and shows the rows the simulator serves; a writable scalar page writes a value back; a table
// page with a row status creates a row and destroys it. One simulator serves the whole run, and
// every failure names its page.
namespace {

// TestAndIncr variables: a write with the current value moves them on by one.
const std::set<std::string> SpinLocks = {
    "1.3.6.1.6.3.12.1.1",   // snmpTargetSpinLock
    "1.3.6.1.6.3.15.1.2.1", // usmUserSpinLock
    "1.3.6.1.6.3.16.1.5.1", // vacmViewSpinLock
};

// Pages the simulator's agent library serves in its own way: the notification filters start
// empty and take no rows, and a new security group needs its other columns in the same request.
const std::set<std::string> LibraryPages = {
    "SNMP V3 / Notifications / Notify Filter Entry Table",
    "SNMP V3 / View-based Access Control Model / Security Group Table",
};

class CatalogueDeviceTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override {
        UiTest::SetUp();
        PointModuleAt(*sim_);
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    static std::vector<const PageDefinition*> GeneratedPages() {
        std::vector<const PageDefinition*> pages;
        for (const PageDefinition& entry : Catalogue) {
            if (IsGeneratedPage(entry)) {
                pages.push_back(&entry);
            }
        }
        return pages;
    }
    static std::unique_ptr<TConfigForm> Build(const PageDefinition& entry) {
        PageHost host;
        host.addressText = "127.0.0.1";
        return BuildPageForm(entry, host);
    }
    template <typename Panel> static Panel* PanelOf(TConfigForm& form, int page) {
        for (QWidget* w : form.findChildren<QWidget*>()) {
            auto* p = dynamic_cast<Panel*>(w);
            if (p != nullptr && p->Binding() == form.Binding(page)) {
                return p;
            }
        }
        return nullptr;
    }
    static void Show(TConfigForm& form, int page) {
        if (form.PageControl() != nullptr) {
            form.PageControl()->SetActivePageIndex(page);
        }
    }
    // Reads the page as its Refresh button does and waits for the end; the result line.
    static std::string Read(TConfigForm& form, int page) {
        Show(form, page);
        QxSNMPRequest2Edits& binding = *form.Binding(page);
        binding.request.active = true;
        try {
            binding.Get();
        } catch (const std::exception& e) {
            binding.Report(e.what());
        }
        EXPECT_TRUE(WaitUntil([&] { return !binding.busy; }, 20000));
        return LastLine(form, page);
    }
    static std::string LastLine(TConfigForm& form, int page) {
        auto* panel = PanelOf<TSNMPEditorPanel>(form, page);
        if (panel == nullptr || panel->MsgPanel() == nullptr) {
            return {};
        }
        TMemo& memo = *panel->MsgPanel()->memo;
        return memo.LineCount() > 0 ? memo.Line(memo.LineCount() - 1) : std::string();
    }
    // The page's result lines of writes.
    static std::string SetLines(TConfigForm& form, int page) {
        auto* panel = PanelOf<TSNMPEditorPanel>(form, page);
        std::string lines;
        if (panel != nullptr && panel->MsgPanel() != nullptr) {
            TMemo& memo = *panel->MsgPanel()->memo;
            for (int i = 0; i < memo.LineCount(); ++i) {
                if (memo.Line(i).rfind("Get:", 0) != 0) {
                    lines += memo.Line(i) + "\n";
                }
            }
        }
        return lines;
    }
    static std::string BoxTexts() {
        std::string texts;
        for (const auto& box : MessageScript::Log()) {
            texts += " [box: " + box.text + "]";
        }
        return texts;
    }
    static bool IsOk(const std::string& line) { return line.find(": Ok!") != std::string::npos; }

    // The rows the simulator serves for a table page: the instances below its columns.
    static std::set<std::string> DeviceRows(const QxSNMPVarList& vars) {
        std::set<std::string> rows;
        SnmpTool tool(*sim_, {"-v2c", "-c", "public"});
        for (int i = vars.indexCount; i < vars.Count(); ++i) {
            const std::string column = vars.Entry(i).oid;
            if (column.empty() || column == " ") {
                continue;
            }
            for (const auto& [oid, value] : SnmpTool::Values(tool.Walk(column).out)) {
                const std::string prefix = "." + column + ".";
                if (oid.rfind(prefix, 0) == 0) {
                    rows.insert(oid.substr(prefix.size()));
                }
            }
        }
        return rows;
    }

    static TestAgent* sim_;
};

TestAgent* CatalogueDeviceTest::sim_ = nullptr;

TEST_F(CatalogueDeviceTest, EveryPageReadsAndShowsTheDevicesRows) {
    for (const PageDefinition* entry : GeneratedPages()) {
        const std::string path = TMenuCatalogue::FullPath(*entry);
        std::unique_ptr<TConfigForm> form;
        try {
            form = Build(*entry);
        } catch (const std::exception& e) {
            ADD_FAILURE() << path << ": " << e.what();
            continue;
        }
        for (int i = 0; i < form->BindingCount(); ++i) {
            const std::string line = Read(*form, i);
            EXPECT_TRUE(IsOk(line)) << path << " [" << i << "]: " << line;
            if (auto* list = PanelOf<TSNMPListViewPanel>(*form, i)) {
                const std::size_t served = DeviceRows(form->Binding(i)->request.vars).size();
                if (LibraryPages.count(path) == 0) {
                    EXPECT_GT(served, 0u) << path << " [" << i << "]: the simulator serves no rows";
                }
                EXPECT_EQ(static_cast<std::size_t>(list->ListViewPanel()->ListView()->ItemCount()),
                          served)
                    << path << " [" << i << "]";
            }
        }
    }
}

// The first writable, shown row of every scalar page is written back as read, then read again.
TEST_F(CatalogueDeviceTest, EveryWritableScalarPageWritesAValueBack) {
    int written = 0;
    for (const PageDefinition* entry : GeneratedPages()) {
        const std::string path = TMenuCatalogue::FullPath(*entry);
        std::unique_ptr<TConfigForm> form = Build(*entry);
        for (int i = 0; i < form->BindingCount(); ++i) {
            auto* page = PanelOf<TSNMPEditorPanel>(*form, i);
            if (page == nullptr || PanelOf<TSNMPListViewPanel>(*form, i) != nullptr) {
                continue;
            }
            if (!IsOk(Read(*form, i))) {
                continue; // reported by the reading test
            }
            QxSNMPRequest2Edits& binding = *form->Binding(i);
            TEditsPanel& rows = *page->EditsPanel();
            int row = -1;
            for (int r = 0; r < rows.RowCount() && row < 0; ++r) {
                if (binding.request.vars.IsSettable(r) && !rows.IsRowEmpty(r)) {
                    row = r;
                }
            }
            if (row < 0) {
                continue;
            }
            const EditRow& shown = rows.Row(row);
            const std::string before =
                shown.edit != nullptr ? shown.edit->Text() : shown.comboBox->Text();
            binding.mode = QxSNMPRequest2Controls::Synchronous;
            try {
                binding.Set(false, true, std::to_string(row));
            } catch (const std::exception& e) {
                ADD_FAILURE() << path << " [" << i << "] row " << row << " (" << before
                              << "): " << e.what();
                continue;
            }
            ++written;
            EXPECT_TRUE(IsOk(Read(*form, i))) << path;
            const std::string after =
                shown.edit != nullptr ? shown.edit->Text() : shown.comboBox->Text();
            // A spin lock moves on with every write: it reads back one more.
            const bool lock = SpinLocks.count(binding.request.vars.Entry(row).oid) > 0;
            EXPECT_EQ(after, lock ? std::to_string(std::stoi(before) + 1) : before)
                << path << " [" << i << "] row " << row;
        }
    }
    EXPECT_GT(written, 40);
}

// A value for an index part of a new row, unused by the rows the page shows.
std::string NewIndexValue(const QxSNMPVar& var, int part) {
    switch (var.syntax) {
    case sxIpaddress:
        return "10.250.250." + std::to_string(200 + part);
    case sxMacaddress:
        return "02-00-00-00-00-0" + std::to_string(part + 1);
    case sxDisplaystr:
        return "tst" + std::to_string(part);
    case sxOctetstr:
        return "7473743" + std::to_string(part); // "tst0" in hexadecimal
    default:
        return std::to_string(120 + part);
    }
}

// Every table page with a row status adds a row through its add dialog (createAndGo) and
// deletes it again (destroy), as a user would.
TEST_F(CatalogueDeviceTest, EveryTablePageWithARowStatusAddsAndDeletesARow) {
    int added = 0;
    for (const PageDefinition* entry : GeneratedPages()) {
        const std::string path = TMenuCatalogue::FullPath(*entry);
        std::unique_ptr<TConfigForm> form = Build(*entry);
        for (int i = 0; i < form->BindingCount(); ++i) {
            auto* page = PanelOf<TSNMPListViewPanel>(*form, i);
            if (page == nullptr || !page->ButtonPanel()->addButton->Visible() ||
                LibraryPages.count(path) > 0) {
                continue;
            }
            if (!IsOk(Read(*form, i))) {
                continue; // reported by the reading test
            }
            QxSNMPRequest2Edits& binding = *form->Binding(i);
            const QxSNMPVarList& vars = binding.request.vars;
            TListView& list = *page->ListViewPanel()->ListView();
            const int before = list.ItemCount();
            // A row is known by all its cells: the first index part alone may repeat.
            auto key = [](TListItem& item) {
                std::string k = item.Caption();
                for (const std::string& cell : item.SubItems()) {
                    k += "\t" + cell;
                }
                return k;
            };
            std::set<std::string> shown;
            for (int r = 0; r < before; ++r) {
                shown.insert(key(*list.Item(r)));
            }
            TEditsPanel& rows = *page->EditsPanel();
            // The index parts get new values; every other row the dialog checks gets a value
            // of its kind.
            WithPanelDialog(page, *page->ButtonPanel()->addButton,
                            [&](TForm&, TCtrlBtnPanel& column) {
                                for (int r = 0; r < rows.RowCount(); ++r) {
                                    const EditRow& row = rows.Row(r);
                                    const bool index = r < vars.indexCount;
                                    if (!index && !(row.checkBox->Checked() && rows.IsRowEmpty(r))) {
                                        continue;
                                    }
                                    if (row.edit != nullptr && !row.edit->ReadOnly()) {
                                        row.edit->SetText(NewIndexValue(vars.Entry(r), r));
                                    } else if (row.comboBox != nullptr && row.comboBox->ItemCount() > 0 &&
                                               row.comboBox->ItemIndex() < 0) {
                                        row.comboBox->SetItemIndex(0);
                                    }
                                    if (index) {
                                        rows.CheckRow(r);
                                    }
                                }
                                column.setCheckedButton->Click();
                            });
            EXPECT_TRUE(WaitUntil([&] { return !binding.busy; }, 20000));
            if (list.ItemCount() != before + 1) {
                ADD_FAILURE() << path << " [" << i << "]: add left " << list.ItemCount()
                              << " rows of " << before << "; " << SetLines(*form, i)
                              << BoxTexts();
                continue;
            }
            ++added;
            // The new row is the one the list did not hold before.
            TListItem* created = nullptr;
            for (int r = 0; r < list.ItemCount() && created == nullptr; ++r) {
                if (shown.count(key(*list.Item(r))) == 0) {
                    created = list.Item(r);
                }
            }
            if (created == nullptr) {
                ADD_FAILURE() << path << " [" << i << "]: the new row is not shown";
                continue;
            }
            list.SetSelected(created);
            page->UpdateRowButtons();
            MessageScript::Push(mrYes);
            page->ButtonPanel()->deleteButton->Click();
            EXPECT_TRUE(WaitUntil([&] { return !binding.busy; }, 20000));
            EXPECT_EQ(list.ItemCount(), before) << path << " [" << i << "]: delete; "
                                                << LastLine(*form, i);
            MessageScript::Clear();
        }
    }
    EXPECT_GT(added, 20);
}

} // namespace

namespace {

// Pages whose write resets or clears the device ask first: No sends nothing, Yes writes.
TEST_F(CatalogueDeviceTest, DestructiveWritesAskFirst) {
    int asked = 0;
    for (const PageDefinition* entry : GeneratedPages()) {
        const std::string path = TMenuCatalogue::FullPath(*entry);
        std::unique_ptr<TConfigForm> form = Build(*entry);
        for (int i = 0; i < form->BindingCount(); ++i) {
            auto* page = PanelOf<TSNMPEditorPanel>(*form, i);
            if (page == nullptr || page->confirmSetQuestion.empty()) {
                continue;
            }
            ++asked;
            ASSERT_TRUE(IsOk(Read(*form, i))) << path;
            page->EditsPanel()->CheckRow(0);
            for (const TModalResult answer : {mrNo, mrYes}) {
                // Only the clearing of the forwarding database is carried out here.
                if (answer == mrYes && path.find("FDB Clear All") == std::string::npos) {
                    continue;
                }
                MessageScript::Clear();
                MessageScript::Push(answer);
                page->SetCheckedAction(nullptr);
                ASSERT_EQ(MessageScript::Log().size(), 1u) << path;
                EXPECT_EQ(MessageScript::Log()[0].buttons, mbYesNo);
                EXPECT_EQ(MessageScript::Log()[0].text.rfind("Are you sure", 0), 0u);
                const std::string lines = SetLines(*form, i);
                if (answer == mrNo) {
                    EXPECT_EQ(lines, "") << path; // nothing was sent
                } else {
                    EXPECT_TRUE(IsOk(lines)) << path << ": " << lines;
                }
            }
        }
    }
    EXPECT_EQ(asked, 5);
}

} // namespace

namespace {

// A text that is no value of the syntax, one for every syntax a scalar page writes.
std::string InvalidText(int syntax) {
    switch (syntax) {
    case sxIpaddress:
        return "300.1.2.3";
    case sxMacaddress:
        return "00:11:22:33:44";
    case sxOctetstr:
    case sxBitstr:
        return "ABC";
    case sxDisplaystr:
        return std::string(65536, 'x');
    case sxObjectid:
        return "1.3.x";
    case sxCounter:
    case sxGuage:
    case sxUinteger:
    case sxTimeticks:
        return "4294967296";
    case sxCounter64:
        return "-1";
    default:
        return "900abc";
    }
}

// Every writable, typed row of every scalar page: a text that is no value of its syntax is
// refused with a box naming the row, nothing is sent and the device keeps its value; the
// value read is then written back exactly.
TEST_F(CatalogueDeviceTest, EveryWritableScalarRowRefusesInvalidTextsAndWritesValuesExactly) {
    int refused = 0;
    int written = 0;
    for (const PageDefinition* entry : GeneratedPages()) {
        const std::string path = TMenuCatalogue::FullPath(*entry);
        std::unique_ptr<TConfigForm> form = Build(*entry);
        for (int i = 0; i < form->BindingCount(); ++i) {
            auto* page = PanelOf<TSNMPEditorPanel>(*form, i);
            if (page == nullptr || PanelOf<TSNMPListViewPanel>(*form, i) != nullptr ||
                !page->confirmSetQuestion.empty() || !IsOk(Read(*form, i))) {
                continue;
            }
            QxSNMPRequest2Edits& binding = *form->Binding(i);
            binding.mode = QxSNMPRequest2Controls::Synchronous;
            TEditsPanel& rows = *page->EditsPanel();
            for (int r = 0; r < rows.RowCount(); ++r) {
                const QxSNMPVar& var = binding.request.vars.Entry(r);
                const EditRow& row = rows.Row(r);
                if (!binding.request.vars.IsSettable(r) || row.edit == nullptr ||
                    row.edit->isHidden() || rows.IsRowEmpty(r) || SpinLocks.count(var.oid) > 0) {
                    continue;
                }
                const std::string where = path + " [" + std::to_string(i) + "] " + var.label;
                const std::string before = row.edit->Text();
                const std::string bad = InvalidText(var.syntax);
                row.edit->SetText(bad);
                if (row.edit->Text() != bad) {
                    // The row's edit constraint kept the characters out while typing.
                    row.edit->SetText(before);
                    continue;
                }
                MessageScript::Clear();
                MessageScript::Push(mrOk);
                EXPECT_FALSE(binding.Set(false, true, std::to_string(r))) << where;
                ASSERT_EQ(MessageScript::Log().size(), 1u) << where;
                EXPECT_NE(MessageScript::Log()[0].text.find(var.label), std::string::npos) << where;
                EXPECT_EQ(row.edit->Text(), bad) << where;
                ++refused;

                row.edit->SetText(before);
                MessageScript::Clear();
                EXPECT_TRUE(binding.Set(false, true, std::to_string(r))) << where << BoxTexts();
                EXPECT_TRUE(IsOk(Read(*form, i))) << where;
                EXPECT_EQ(row.edit->Text(), before) << where; // the device kept the value
                ++written;
            }
        }
    }
    EXPECT_GT(refused, 40);
    EXPECT_EQ(written, refused);
    RecordProperty("refused", refused);
}

} // namespace
