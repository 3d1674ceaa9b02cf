#include "SnmpTool.h"
#include "AgentTarget.h"
#include "PanelDialog.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPSession.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "vocab/QxOptionTables.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A form with a table page over a descriptor table, fitted as the page form fits it.
class ListViewPanelTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetCaption("Hosts");
    }
    void TearDown() override {
        form_.reset();
        binding_.reset();
        UiTest::TearDown();
    }
    virtual void Connect(QxSNMPRequest&) {}
    TSNMPListViewPanel& Build(const UISnmpVar* table, int indexCount = 1) {
        binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
        binding_->request.vars.Assign(QxSNMPVarList(table, MVT_UMV, indexCount));
        binding_->request.vars.name = "Hosts";
        Connect(binding_->request);
        panel_ = new TSNMPListViewPanel(form_.get(), binding_.get());
        panel_->FitForm(form_.get());
        return *panel_;
    }
    TCtrlBtnPanel& Buttons() { return *panel_->ButtonPanel(); }
    TEditsPanel& Rows() { return *panel_->EditsPanel(); }
    TListView& List() { return *panel_->ListViewPanel()->ListView(); }
    std::vector<std::string> ComboItems(int row) {
        std::vector<std::string> items;
        TComboBox& combo = *Rows().Row(row).comboBox;
        for (int i = 0; i < combo.ItemCount(); ++i) {
            items.push_back(combo.Item(i));
        }
        return items;
    }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
    TSNMPListViewPanel* panel_ = nullptr;
};

// ---- without a device -----------------------------------------------------------------------

constexpr UISnmpVar NameStatus[] = {
    {"1.3.6.1.4.1.32473.30.1.1", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.30.1.2", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

TEST_F(ListViewPanelTest, ListPageButtonsWithoutStatusColumns) {
    TSNMPListViewPanel& p = Build(NameStatus, 0);
    EXPECT_EQ(p.Content(), p.ListViewPanel());
    EXPECT_FALSE(Rows().Visible());
    EXPECT_EQ(p.ListViewPanel()->AddStatusColumn(), -1);
    EXPECT_EQ(p.ListViewPanel()->DeleteStatusColumn(), -1);
    EXPECT_EQ(List().ColumnCount(), 2);
    for (TControl* shown : {static_cast<TControl*>(Buttons().countText),
                            static_cast<TControl*>(Buttons().captionLabel),
                            static_cast<TControl*>(Buttons().refreshButton),
                            static_cast<TControl*>(Buttons().editButton),
                            static_cast<TControl*>(Buttons().closeButton)}) {
        EXPECT_TRUE(shown->Visible());
    }
    for (TControl* hidden : {static_cast<TControl*>(Buttons().addButton),
                             static_cast<TControl*>(Buttons().deleteButton),
                             static_cast<TControl*>(Buttons().setCheckedButton),
                             static_cast<TControl*>(Buttons().checkAllButton),
                             static_cast<TControl*>(Buttons().clearChecksButton)}) {
        EXPECT_FALSE(hidden->Visible());
    }
    EXPECT_EQ(Buttons().captionLabel->Caption(), "Samples");
    EXPECT_EQ(Buttons().countText->Caption(), "0");
    EXPECT_FALSE(Buttons().editButton->Enabled());

    // Rows in the list: the count follows; a selection enables Edit, unless read-only.
    List().AddRows({{"alpha", "active"}, {"beta", "active"}});
    EXPECT_EQ(Buttons().countText->Caption(), "2");
    List().SetSelected(List().Item(0));
    p.UpdateRowButtons();
    EXPECT_TRUE(Buttons().editButton->Enabled());
    // A read still running is not interrupted by Refresh: the click is ignored.
    binding_->busy = true;
    Buttons().refreshButton->Click();
    binding_->busy = false;
    EXPECT_TRUE(Buttons().editButton->Enabled());
    EXPECT_EQ(List().ItemCount(), 2);
    List().ClearSelection();
    p.UpdateRowButtons();
    EXPECT_FALSE(Buttons().editButton->Enabled());
    p.readOnly = true;
    List().SetSelected(List().Item(1));
    p.UpdateRowButtons();
    EXPECT_FALSE(Buttons().editButton->Enabled());
}

TEST_F(ListViewPanelTest, StatusTextsMustBeOptionsOfAComboRow) {
    TSNMPListViewPanel& p = Build(NameStatus, 0);
    struct Case {
        int row;
        std::string text;
        bool add;
        std::string error;
    } cases[] = {
        {1, "createAndWait", true,
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait"},
        {0, "createAndGo", true,
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
        {7, "createAndGo", true,
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
        {1, "remove", false,
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:remove"},
    };
    for (const Case& c : cases) {
        try {
            if (c.add) {
                p.SetAddStatus(c.row, c.text);
            } else {
                p.SetDeleteStatus(c.row, c.text);
            }
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const std::logic_error& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
        EXPECT_FALSE(Buttons().addButton->Visible());
        EXPECT_FALSE(Buttons().deleteButton->Visible());
    }
    // Letter case does not matter; the option's own label is kept.
    p.SetAddStatus(1, "CreateAndGo");
    EXPECT_TRUE(Buttons().addButton->Visible());
    EXPECT_EQ(p.ListViewPanel()->AddStatusValue(), "createAndGo");
    p.SetDeleteStatus(1, "DESTROY");
    EXPECT_TRUE(Buttons().deleteButton->Visible());
    EXPECT_EQ(p.ListViewPanel()->DeleteStatusValue(), "destroy");
}

TEST_F(ListViewPanelTest, RowHintAndWidthCap) {
    TSNMPListViewPanel& p = Build(NameStatus, 0);
    form_->Show();
    List().AddRows({{"alpha", "active"}});
    const QRect rect = List().visualItemRect(List().Item(0));
    p.ShowRowHint(rect.center().x(), rect.center().y());
    EXPECT_EQ(List().Hint(), "Name\t\t  alpha\nStatus  active\n");
    EXPECT_TRUE(List().ShowHint());
    p.ShowRowHint(rect.center().x(), rect.center().y() + 200);
    EXPECT_FALSE(List().ShowHint());

    // Ten columns of 12-character captions would need 960 pixels.
    std::vector<std::string> oids;
    std::vector<UISnmpVar> table;
    for (int i = 0; i < 10; ++i) {
        oids.push_back("1.3.6.1.4.1.32473.31.1." + std::to_string(i + 1));
    }
    for (int i = 0; i < 10; ++i) {
        table.push_back(
            {oids[static_cast<size_t>(i)].c_str(), "Column Capt.", sxDisplaystr, acReadonly});
    }
    table.push_back({});
    TListViewPanel wide(form_.get(), nullptr);
    EXPECT_EQ(wide.Width(), 0 + 2 * wide.ListView()->BorderWidth()); // no columns without a binding
    // "Name" and "Status": 10 characters.
    QxSNMPRequest2Edits twoColumns(form_.get());
    twoColumns.request.vars.Assign(QxSNMPVarList(NameStatus, MVT_FMV, 0));
    TListViewPanel narrow(form_.get(), &twoColumns);
    EXPECT_EQ(narrow.Width(), 80 + 2 * narrow.ListView()->BorderWidth());
    QxSNMPRequest2Edits binding(form_.get());
    binding.request.vars.Assign(QxSNMPVarList(table.data(), MVT_FMV, 0));
    TListViewPanel capped(form_.get(), &binding);
    EXPECT_EQ(capped.ListView()->ColumnCount(), 10);
    EXPECT_EQ(capped.Width(), TListViewPanel::MaxWidth);
    EXPECT_EQ(capped.Height(), TListViewPanel::ListHeight);
}

constexpr UISnmpVar PortsAndMacs[] = {
    {"1.3.6.1.4.1.32473.32.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.32.1.2", "Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.32.1.3", "MAC", sxMacaddress, acReadwrite},
    {},
};

// Port lists and MAC addresses read as port numbers and separated octets in the list; the row,
// the variables and the edits keep the value texts.
TEST_F(ListViewPanelTest, PortListAndMacCellsAreReadable) {
    TSNMPListViewPanel& p = Build(PortsAndMacs);
    form_->Show();
    const std::vector<std::vector<std::string>> values = {
        {"1", "F08000F0", "001A2B3C4D5E"}, {"2", "00000000", "(NULL)"}, {"3", "FFFFFFFF", ""}};
    for (const auto& row : values) {
        for (int i = 0; i < 3; ++i) {
            binding_->request.vars.Entry(i).value = row[static_cast<size_t>(i)];
        }
        binding_->AddRow();
    }
    const std::vector<std::vector<std::string>> shown = {
        {"1", "1-4, 9, 25-28", "00-1A-2B-3C-4D-5E"}, {"2", "", "(NULL)"}, {"3", "FFFFFFFF", ""}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(List().Item(r)->Text(c), shown[static_cast<size_t>(r)][static_cast<size_t>(c)]);
        }
    }
    List().SetSelected(List().Item(0));
    p.UpdateRowButtons();
    EXPECT_EQ(binding_->request.vars.Entry(1).value, "F08000F0");
    EXPECT_EQ(binding_->request.vars.Entry(2).value, "001A2B3C4D5E");
    EXPECT_EQ(Rows().Row(2).edit->Text(), "001A2B3C4D5E");
    EXPECT_EQ(List().SelectionText(), "Index\tPorts\tMAC\n1\t1-4, 9, 25-28\t00-1A-2B-3C-4D-5E\n");
    // The filter finds what the list shows.
    List().SetFilterText("25-28");
    EXPECT_EQ(List().CountText(), "1 of 3");
}

// ---- against the simulator ------------------------------------------------------------------

constexpr const char* TrustHostEntry = ".1.3.6.1.4.1.32473.12.1.2.13.1.1";

constexpr UISnmpVar TrustHosts[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

// The same table with all six row-status options.
constexpr UISnmpVar TrustHostsSixStates[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

// The same table whose row status offers only creating and destroying.
constexpr UISnmpVar TrustHostsCreateDestroy[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

class DeviceListViewTest : public ListViewPanelTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void Connect(QxSNMPRequest& r) override { ConnectToAgent(r, *sim_); }
    bool Idle() {
        return WaitUntil([&] { return !binding_->busy; }, 10000);
    }
    void Refresh() {
        Buttons().refreshButton->Click();
        ASSERT_TRUE(Idle());
    }
    // The table as the device has it now, read with net-snmp's own tool.
    std::map<std::string, std::string> DeviceTable() {
        const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "public"}).Walk(TrustHostEntry);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out);
    }
    static std::string Column(int column, int row) {
        return std::string(TrustHostEntry) + "." + std::to_string(column) + "." +
               std::to_string(row);
    }
    bool HasLineStarting(const std::string& start) {
        TMemo& memo = *panel_->MsgPanel()->memo;
        for (int i = 0; i < memo.LineCount(); ++i) {
            if (memo.Line(i).rfind(start, 0) == 0) {
                return true;
            }
        }
        return false;
    }
    TListItem* ItemWithIndex(const std::string& index) {
        for (int i = 0; i < List().ItemCount(); ++i) {
            if (List().Item(i)->Caption() == index) {
                return List().Item(i);
            }
        }
        return nullptr;
    }
    void WithDialog(TControl& button, const std::function<void(TForm&, TCtrlBtnPanel&)>& inside) {
        EXPECT_TRUE(WithPanelDialog(panel_, dynamic_cast<TButton&>(button), inside));
        ASSERT_TRUE(Idle());
    }

    static TestAgent* sim_;
};

TestAgent* DeviceListViewTest::sim_ = nullptr;

TEST_F(DeviceListViewTest, AddEditAndDeleteARow) {
    TSNMPListViewPanel& p = Build(TrustHosts);
    p.SetAddStatus(2, "createAndGo");
    p.SetDeleteStatus(2, "destroy");
    Refresh();
    ASSERT_GE(List().ItemCount(), 2);
    EXPECT_EQ(Buttons().countText->Caption(), std::to_string(List().ItemCount()));
    const int rowsBefore = List().ItemCount();
    ASSERT_EQ(ItemWithIndex("7"), nullptr);

    // Add: the index and the values typed in, the row status fixed to createAndGo.
    WithDialog(*Buttons().addButton, [&](TForm& dialog, TCtrlBtnPanel& column) {
        EXPECT_EQ(dialog.Caption(), "Hosts (Add)");
        EXPECT_FALSE(column.refreshButton->Visible());
        EXPECT_TRUE(Rows().Row(0).checkBox->Checked());
        EXPECT_FALSE(Rows().Row(0).checkBox->Enabled());
        EXPECT_TRUE(Rows().Row(2).checkBox->Checked());
        EXPECT_FALSE(Rows().Row(2).comboBox->Enabled());
        EXPECT_EQ(Rows().Row(2).comboBox->Text(), "createAndGo");
        Rows().Row(0).edit->SetText("7");
        Rows().Row(1).edit->SetText("10.0.0.7");
        Rows().Row(3).edit->SetText("255.255.255.0");
        Rows().CheckRow(1);
        Rows().CheckRow(3);
        ASSERT_TRUE(column.setCheckedButton->Enabled());
        column.setCheckedButton->Click();
        EXPECT_FALSE(dialog.isVisible()); // a write closes the dialog
    });
    EXPECT_FALSE(Rows().Visible());
    EXPECT_EQ(Rows().Parent(), p.ClientPanel());
    EXPECT_TRUE(HasLineStarting("Set: Ok! Request:Hosts."));
    auto device = DeviceTable();
    EXPECT_EQ(device[Column(2, 7)], "10.0.0.7");
    EXPECT_EQ(device[Column(3, 7)], "1");
    EXPECT_EQ(device[Column(4, 7)], "255.255.255.0");
    EXPECT_EQ(List().ItemCount(), rowsBefore + 1);
    EXPECT_EQ(Buttons().countText->Caption(), std::to_string(rowsBefore + 1));
    EXPECT_FALSE(Buttons().editButton->Enabled());

    // Edit row 7: the row status may not be set to createAndGo or destroy there.
    TListItem* added = ItemWithIndex("7");
    ASSERT_NE(added, nullptr);
    List().SetSelected(added);
    p.UpdateRowButtons();
    ASSERT_TRUE(Buttons().editButton->Enabled());
    ASSERT_TRUE(Buttons().deleteButton->Enabled());
    WithDialog(*Buttons().editButton, [&](TForm& dialog, TCtrlBtnPanel& column) {
        EXPECT_EQ(dialog.Caption(), "Hosts");
        EXPECT_EQ(ComboItems(2), (std::vector<std::string>{"active"}));
        EXPECT_EQ(Rows().Row(1).edit->Text(), "10.0.0.7");
        EXPECT_FALSE(column.setCheckedButton->Enabled());
        Rows().Row(1).edit->SetText("10.0.0.8");
        Rows().Row(1).checkBox->Click();
        ASSERT_TRUE(column.setCheckedButton->Enabled());
        column.setCheckedButton->Click();
    });
    // Both labels back where they stood.
    EXPECT_EQ(ComboItems(2), (std::vector<std::string>{"active", "createAndGo", "destroy"}));
    device = DeviceTable();
    EXPECT_EQ(device[Column(2, 7)], "10.0.0.8");
    EXPECT_EQ(device[Column(2, 1)], "192.0.2.50");
    EXPECT_EQ(device[Column(2, 2)], "198.51.100.0");

    // Delete: a No leaves the row; a Yes destroys row 7 only.
    added = ItemWithIndex("7");
    ASSERT_NE(added, nullptr);
    List().SetSelected(added);
    p.UpdateRowButtons();
    MessageScript::Push(mrNo);
    Buttons().deleteButton->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Are you sure to delete ?");
    EXPECT_EQ(MessageScript::Log()[0].caption, "Delete");
    EXPECT_EQ(MessageScript::Log()[0].buttons, mbYesNo);
    EXPECT_EQ(DeviceTable().count(Column(3, 7)), 1u);

    MessageScript::Push(mrYes);
    Buttons().deleteButton->Click();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(binding_->mode, QxSNMPRequest2Controls::Asynchronous);
    for (int i = 0; i < binding_->request.vars.Count(); ++i) {
        EXPECT_EQ(binding_->request.vars.Entry(i).access & acInvalid, 0u) << i;
    }
    device = DeviceTable();
    EXPECT_EQ(device.count(Column(3, 7)), 0u);
    EXPECT_EQ(device[Column(3, 1)], "1");
    EXPECT_EQ(device[Column(3, 2)], "1");
    EXPECT_EQ(List().ItemCount(), rowsBefore);
    EXPECT_EQ(ItemWithIndex("7"), nullptr);
}

// Sorting and filtering move and hide rows, but Edit and Delete write to the row the user
// selected, and the CSV export holds the table as the device has it.
TEST_F(DeviceListViewTest, WritesAfterSortingAndFilteringReachTheSelectedRow) {
    for (int row : {21, 22, 23}) {
        SnmpTool(*sim_, {"-v2c", "-c", "private"})
            .Set({Column(3, row), "i", "4", Column(2, row), "a",
                  "10.9.0." + std::to_string(44 - row)});
    }
    TSNMPListViewPanel& p = Build(TrustHosts);
    p.SetAddStatus(2, "createAndGo");
    p.SetDeleteStatus(2, "destroy");
    form_->Show();
    Refresh();
    ASSERT_NE(ItemWithIndex("21"), nullptr);

    // The list is the walk: every row of the device, shown in its columns.
    const std::string csv = List().CsvText();
    std::map<std::string, std::string> device = DeviceTable();
    size_t rows = 0;
    for (const auto& [oid, value] : device) {
        rows += oid.rfind(Column(2, 0).substr(0, Column(2, 0).size() - 1), 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(static_cast<size_t>(List().ItemCount()), rows);
    EXPECT_NE(csv.find("\n21,10.9.0.23,active,"), std::string::npos) << csv;
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "Trust Host Index,Trust Host IP Address,Trust Host Row Status,"
              "Trust Host IP Subnet Mask");

    List().SortBy(1, false); // addresses, highest first: 23 (10.9.0.21) after 22 after 21
    List().SetFilterText("10.9.0.2");
    EXPECT_EQ(List().CountText(), "3 of " + std::to_string(List().ItemCount()));
    std::vector<std::string> shown;
    for (int i = 0; i < List().ItemCount(); ++i) {
        if (List().ItemVisible(List().Item(i))) {
            shown.push_back(List().Item(i)->Caption());
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"21", "22", "23"}));

    List().SetSelected(ItemWithIndex("22"));
    p.UpdateRowButtons();
    WithDialog(*Buttons().editButton, [&](TForm&, TCtrlBtnPanel& column) {
        EXPECT_EQ(Rows().Row(1).edit->Text(), "10.9.0.22");
        Rows().Row(1).edit->SetText("10.9.0.99");
        Rows().Row(1).checkBox->Click();
        column.setCheckedButton->Click();
    });
    device = DeviceTable();
    EXPECT_EQ(device[Column(2, 21)], "10.9.0.23");
    EXPECT_EQ(device[Column(2, 22)], "10.9.0.99");
    EXPECT_EQ(device[Column(2, 23)], "10.9.0.21");
    // The refresh after the dialog keeps the order and the filter.
    EXPECT_EQ(List().SortColumn(), 1);
    EXPECT_EQ(List().FilterText(), "10.9.0.2");
    EXPECT_EQ(List().CountText(), "2 of " + std::to_string(List().ItemCount()));

    List().SetSelected(ItemWithIndex("23"));
    p.UpdateRowButtons();
    MessageScript::Push(mrYes);
    Buttons().deleteButton->Click();
    ASSERT_TRUE(Idle());
    device = DeviceTable();
    EXPECT_EQ(device.count(Column(3, 23)), 0u);
    EXPECT_EQ(device[Column(3, 21)], "1");
    EXPECT_EQ(device[Column(3, 22)], "1");

    for (int row : {21, 22}) {
        SnmpTool(*sim_, {"-v2c", "-c", "private"}).Set({Column(3, row), "i", "6"});
    }
}

TEST_F(DeviceListViewTest, RowStatusItemsLeaveTheEditAndComeBackInOrder) {
    TSNMPListViewPanel& p = Build(TrustHostsSixStates);
    p.SetAddStatus(2, "createAndGo");
    p.SetDeleteStatus(2, "destroy");
    const std::vector<std::string> before = ComboItems(2);
    ASSERT_EQ(before.size(), 6u);
    Refresh();
    ASSERT_NE(ItemWithIndex("1"), nullptr);
    List().SetSelected(ItemWithIndex("1"));
    p.UpdateRowButtons();
    WithDialog(*Buttons().editButton, [&](TForm&, TCtrlBtnPanel&) {
        EXPECT_EQ(ComboItems(2), (std::vector<std::string>{"active", "notInService", "notReady",
                                                           "createAndWait"}));
        EXPECT_EQ(Rows().Row(1).edit->Text(), "192.0.2.50");
    });
    EXPECT_EQ(ComboItems(2), before);
    // Nothing was written.
    EXPECT_EQ(DeviceTable()[Column(2, 1)], "192.0.2.50");
}

// An edit whose row-status list is left empty hides that row; the write still reaches the
// selected row and no other.
TEST_F(DeviceListViewTest, EmptiedStatusRowIsHiddenAndTheWriteKeepsItsRow) {
    TSNMPListViewPanel& p = Build(TrustHostsCreateDestroy);
    p.SetAddStatus(2, "createAndGo");
    p.SetDeleteStatus(2, "destroy");
    Refresh();
    ASSERT_NE(ItemWithIndex("1"), nullptr);
    List().SetSelected(ItemWithIndex("1"));
    p.UpdateRowButtons();
    WithDialog(*Buttons().editButton, [&](TForm&, TCtrlBtnPanel& column) {
        EXPECT_TRUE(ComboItems(2).empty());
        EXPECT_FALSE(Rows().Row(2).comboBox->Visible());
        EXPECT_FALSE(Rows().Row(2).label->Visible());
        Rows().Row(1).edit->SetText("192.0.2.51");
        Rows().Row(1).checkBox->Click();
        ASSERT_TRUE(column.setCheckedButton->Enabled());
        column.setCheckedButton->Click();
    });
    EXPECT_EQ(ComboItems(2), (std::vector<std::string>{"createAndGo", "destroy"}));
    EXPECT_TRUE(Rows().Row(2).label->Visible());
    auto device = DeviceTable();
    EXPECT_EQ(device[Column(2, 1)], "192.0.2.51");
    EXPECT_EQ(device[Column(2, 2)], "198.51.100.0");
    EXPECT_EQ(device[Column(3, 1)], "1");
    const ProgramResult r =
        SnmpTool(*sim_, {"-v2c", "-c", "private"}).Set({Column(2, 1), "a", "192.0.2.50"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

} // namespace
