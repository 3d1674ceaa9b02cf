#include "ServicesTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/ip/QxIpInterfaceChecks.h"
#include "forms/config/services/TBOOTCtrlTableForm.h"
#include "forms/config/services/TNewBootpCtrlForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* InvalidAddress = "Invalid Bootp Server IP Address.";
constexpr const char* FourServers = "One Interface Can Only With Four Bootp Servers";

// The State of one relay entry on the device: the interface name as length-prefixed octets,
// then the server address.
std::string StateOid(const std::string& interfaceName, const std::string& server) {
    std::string oid =
        "1.3.6.1.4.1.32473.11.69.3.3.3.1.7.1.3." + std::to_string(interfaceName.size());
    for (unsigned char c : interfaceName) {
        oid += "." + std::to_string(c);
    }
    return oid + "." + server;
}

constexpr const char* StateColumn = "1.3.6.1.4.1.32473.11.69.3.3.3.1.7.1.3";

class BootpTest : public ServicesTest {
protected:
    // Waits until a write has been reported and, when it succeeded, the table read after it
    // has ended.
    static bool WrittenAndReadAgain(TBOOTCtrlTableForm& form) {
        return WaitUntil(
            [&] {
                const TMemo& memo = *form.Memo1;
                const std::vector<std::string> written = Lines(memo, "Set: ");
                if (form.Binding()->busy || written.empty()) {
                    return false;
                }
                return written.back().rfind("Set: Ok!", 0) != 0 ||
                       memo.Line(memo.LineCount() - 1).rfind("Get: ", 0) == 0;
            },
            15000);
    }
};

TEST(BootpServerAddress, AcceptsUnicastAddressesOnly) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"192.168.1.1", true},      {"0.1.2.3", true},
        {"223.1.1.1", true},        {"250.1.1.1", true},
        {"010.001.001.001", true},  {"248.0.0.1", true},
        {"192.168.1", false},       {"1.2.3.4.5", false},
        {"1..2.3", false},          {"256.1.1.1", false},
        {"127.0.0.1", false},       {"0.0.0.0", false},
        {"224.0.0.1", false},       {"224.1.1.1", false},
        {"247.1.1.1", false},       {"255.255.255.255", false},
        {"1.1.1.1 ", false},        {"", false},
        {"192.168.001.0001", true}, {"192.168.001.00001", false}, // 16 and 17 characters
        {".1.2.3", false},          {"1.2.3.", false},
        {"a.b.c.d", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QxIpInterfaceChecks::IsValidAddress(c.text), c.valid) << c.text;
    }
}

TEST_F(BootpTest, ReadsTheRelayTableAndWritesAnAddedServer) {
    TBOOTCtrlTableForm form(nullptr);
    EXPECT_EQ(form.Caption(), "BOOTP Ctrl Table: 127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 469);
    EXPECT_EQ(form.ClientHeight(), 238);
    EXPECT_FALSE(form.ComboBox1->Visible());
    bool ran = false;
    PostCall(&form, [&] {
        ASSERT_TRUE(Idle(form.Binding()));
        const std::vector<std::vector<std::string>> table = {
            {"vlan2", "198.51.100.1", "valid"}, {"vlan2", "198.51.100.2", "valid"},
            {"System", "192.0.2.1", "valid"},   {"System", "192.0.2.2", "valid"},
            {"System", "192.0.2.3", "valid"},   {"System", "192.0.2.4", "valid"},
        };
        EXPECT_EQ(Rows(*form.ListView1), table);
        EXPECT_EQ(form.ListView1->Column(0)->Caption(), "Interface Name");
        EXPECT_EQ(form.ListView1->Column(1)->Caption(), "Bootp Server IP");
        EXPECT_EQ(form.ListView1->Column(2)->Caption(), "State");
        ASSERT_FALSE(Lines(*form.Memo1, "Get: Ok!").empty());

        // A row chosen before the first Add does not show in the add window.
        form.ListView1->SetSelected(Row(*form.ListView1, "System", "192.0.2.2"));
        TNewBootpCtrlForm* add = form.AddForm();
        bool closed = false;
        PostCall(add, [&] {
            EXPECT_TRUE(add->Modal());
            EXPECT_EQ(add->Caption(), "BOOTP Ctrl Table: 127.0.0.1 (Add)");
            EXPECT_TRUE(add->Edit1->Enabled());
            EXPECT_TRUE(add->Edit2->Enabled());
            EXPECT_EQ(add->Edit1->Text(), "");
            EXPECT_EQ(add->Edit2->Text(), "");
            add->Edit1->SetText("vlan2");
            add->Edit2->SetText("198.51.100.9");
            add->btnSet->Click();
            closed = !add->isVisible();
        });
        form.btnAdd->Click();
        EXPECT_TRUE(closed);
        EXPECT_EQ(add->Edit1->Text(), "");
        EXPECT_EQ(add->Edit2->Text(), "");
        ASSERT_TRUE(WrittenAndReadAgain(form));
        EXPECT_EQ(Lines(*form.Memo1, "Set: Ok!").size(), 1u);
        EXPECT_EQ(Walk(StateColumn)[StateOid("vlan2", "198.51.100.9")], "3");
        const TListItem* row = Row(*form.ListView1, "vlan2", "198.51.100.9");
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->SubItem(1), "valid");
        ran = true;
        form.btnClose->Click();
    });
    form.ShowModal();
    EXPECT_TRUE(ran);
    ASSERT_NE(form.Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(form.Binding()->Closing());
}

// The add window's checks in their order, each with its message; nothing is written after a
// failed one.
TEST_F(BootpTest, AddChecksTheAddressAndTheServersOfTheInterface) {
    struct Case {
        const char* name;
        const char* interfaceName;
        const char* server;
        const char* box; // the one message box, or none
        TMsgIcon icon;
        bool refused; // for a write: the device refuses it
    };
    const Case cases[] = {
        {"a fifth server of an interface", "System", "192.0.2.5", FourServers, miWarning, false},
        {"the same four servers again", "System", "192.0.2.4", FourServers, miWarning, false},
        {"loopback", "vlan2", "127.0.0.1", InvalidAddress, miNone, false},
        {"multicast", "vlan2", "224.1.1.1", InvalidAddress, miNone, false},
        {"the address is checked first", "System", "255.255.255.255", InvalidAddress, miNone,
         false},
        {"three parts", "vlan2", "192.168.1", InvalidAddress, miNone, false},
        {"another interface is not affected", "vlan2", "198.51.100.9", nullptr, miNone, false},
        {"interface names compare exactly", "system", "192.0.2.5", nullptr, miNone, false},
        {"the device refuses the row", "vlan3", "192.0.2.77", nullptr, miNone, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageScript::Clear();
        TBOOTCtrlTableForm form(nullptr);
        ASSERT_TRUE(Idle(form.Binding()));
        ASSERT_EQ(Rows(*form.ListView1).size(), Walk(StateColumn).size());
        if (c.refused) {
            form.Binding()->request.security.writeCommunity = "public"; // read-only
        }
        TNewBootpCtrlForm& add = *form.AddForm();
        add.Edit1->SetText(c.interfaceName);
        add.Edit2->SetText(c.server);
        if (c.box != nullptr) {
            MessageScript::Push(mrOk);
        }
        add.btnSet->Click();
        if (c.box != nullptr) {
            ASSERT_EQ(Boxes(), std::vector<std::string>{c.box});
            EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK);
            EXPECT_EQ(MessageScript::Log()[0].icon, c.icon);
            EXPECT_FALSE(form.Binding()->busy);
            EXPECT_TRUE(Lines(*form.Memo1, "Set: ").empty());
            EXPECT_EQ(add.Edit2->Text(), c.server); // kept for correcting
            continue;
        }
        EXPECT_TRUE(Boxes().empty());
        ASSERT_TRUE(WrittenAndReadAgain(form));
        EXPECT_EQ(Lines(*form.Memo1, "Set: Ok!").size(), c.refused ? 0u : 1u);
        EXPECT_EQ(Lines(*form.Memo1, "Set: ").size(), 1u);
        // A row the device refused stays in the add window for correcting.
        EXPECT_EQ(add.Edit1->Text(), c.refused ? c.interfaceName : "");
        EXPECT_EQ(Row(*form.ListView1, c.interfaceName, c.server) != nullptr, !c.refused);
    }
    // The two rows that passed were created; no fifth server anywhere.
    const std::map<std::string, std::string> device = Walk(StateColumn);
    EXPECT_EQ(device.size(), 8u);
    EXPECT_EQ(device.count(StateOid("vlan2", "198.51.100.9")), 1u);
    EXPECT_EQ(device.count(StateOid("system", "192.0.2.5")), 1u);
    EXPECT_EQ(device.count(StateOid("System", "192.0.2.5")), 0u);
    EXPECT_EQ(device.count(StateOid("vlan3", "192.0.2.77")), 0u);
}

TEST_F(BootpTest, DeleteRemovesTheSelectedRowWhateverTheAddWindowShows) {
    TBOOTCtrlTableForm form(nullptr);
    ASSERT_TRUE(Idle(form.Binding()));
    form.ListView1->SetSelected(Row(*form.ListView1, "vlan2", "198.51.100.1"));
    EXPECT_EQ(form.AddForm()->Edit2->Text(), "198.51.100.1");
    // Text left in the add window after the row was chosen.
    form.AddForm()->Edit1->SetText("System");
    form.AddForm()->Edit2->SetText("192.0.2.1");
    form.btnDelete->Click();
    ASSERT_TRUE(WrittenAndReadAgain(form));
    EXPECT_TRUE(Boxes().empty());
    std::map<std::string, std::string> device = Walk(StateColumn);
    EXPECT_EQ(device.count(StateOid("vlan2", "198.51.100.1")), 0u);
    EXPECT_EQ(device[StateOid("System", "192.0.2.1")], "3");
    EXPECT_EQ(form.ListView1->ItemCount(), 5);
    EXPECT_EQ(Row(*form.ListView1, "vlan2", "198.51.100.1"), nullptr);
}

// Without a chosen row the edits hold whatever was typed last: nothing is written.
TEST_F(BootpTest, DeleteWithoutASelectedRowWritesNothing) {
    const std::map<std::string, std::string> before = Walk(StateColumn);
    TBOOTCtrlTableForm form(nullptr);
    ASSERT_TRUE(Idle(form.Binding()));
    form.AddForm()->Edit1->SetText("System");
    form.AddForm()->Edit2->SetText("192.0.2.1");
    MessageScript::Push(mrOk);
    form.btnDelete->Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Choose the item first."});
    EXPECT_FALSE(form.Binding()->busy);
    EXPECT_TRUE(Lines(*form.Memo1, "Set: ").empty());
    EXPECT_EQ(Walk(StateColumn), before);
}

// A write the device refuses reaches the memo.
TEST_F(BootpTest, ARefusedWriteIsReportedInTheMemo) {
    TBOOTCtrlTableForm form(nullptr);
    ASSERT_TRUE(Idle(form.Binding()));
    form.Binding()->request.security.writeCommunity = "public"; // read-only at the device
    form.ListView1->SetSelected(Row(*form.ListView1, "System", "192.0.2.3"));
    form.btnDelete->Click();
    ASSERT_TRUE(Idle(form.Binding()));
    const std::vector<std::string> lines = Lines(*form.Memo1, "Set: ");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Set: Ok!", 0), std::string::npos) << lines[0];
    EXPECT_EQ(Walk(StateColumn)[StateOid("System", "192.0.2.3")], "3");
}

// Refresh and Add while the first read still runs: the list ends with the table once, and the
// add window's edits are not disabled under the user when the read ends.
TEST_F(BootpTest, ARunningReadIsNeitherDoubledNorCutShort) {
    TBOOTCtrlTableForm form(nullptr);
    ASSERT_TRUE(form.Binding()->busy);
    form.btnRefresh->Click();
    bool ran = false;
    // Runs once the add window is up (the wait before it handles events too).
    std::function<void()> inside = [&] {
        if (!form.AddForm()->Modal()) {
            PostCall(form.AddForm(), inside);
            return;
        }
        ran = true;
        EXPECT_FALSE(form.Binding()->busy);
        EXPECT_EQ(form.ListView1->ItemCount(), 6);
        WaitUntil([] { return false; }, 100); // whatever was still to come
        EXPECT_TRUE(form.AddForm()->Edit1->Enabled());
        EXPECT_TRUE(form.AddForm()->Edit2->Enabled());
        form.AddForm()->Close();
    };
    PostCall(form.AddForm(), inside);
    form.btnAdd->Click();
    EXPECT_TRUE(ran);
    ASSERT_TRUE(Idle(form.Binding()));
    EXPECT_EQ(form.ListView1->ItemCount(), 6);
    EXPECT_EQ(Lines(*form.Memo1, "Get: Ok!").size(), 1u);
}

} // namespace
