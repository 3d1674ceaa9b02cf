#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/ip/QxIpInterfaceChecks.h"
#include "forms/config/ip/TIPCtrlEdtForm.h"
#include "forms/config/ip/TIpCtrlForm.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Checks = QxIpInterfaceChecks;

constexpr const char* Column = "1.3.6.1.4.1.32473.11.69.3.3.2.1.1.";

// The interface windows against a simulator of their own, so that every test starts from the
// same three interfaces: System (10.90.90.90), the primary "sales" (192.168.10.1) and the
// secondary "sales2" (192.168.20.1) on VLAN "sales".
class IpCtrlFormTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        sim_ = std::make_unique<TestAgent>(TestAgent::Kind::Simulator);
        QxSNMPGlobal& g = SnmpGlobal();
        g.device.address = "127.0.0.1";
        g.device.port = static_cast<std::uint16_t>(sim_->Port());
        g.security.version = 1;
        g.security.readCommunity = "public";
        g.security.writeCommunity = "private";
    }
    void TearDown() override {
        form_.reset();
        sim_.reset();
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    // Opens the list window and waits until it has read the whole table.
    TIpCtrlForm& Open() {
        form_ = std::make_unique<TIpCtrlForm>(nullptr, SnmpGlobal().device.address);
        form_->Show();
        EXPECT_TRUE(Settled());
        return *form_;
    }
    bool Settled() {
        return WaitUntil([&] { return !form_->Binding()->busy && form_->ListComplete(); }, 10000);
    }
    TIPCtrlEdtForm& Edit() { return *form_->EditForm(); }

    // Clicks a button of the list window that shows the edit window, and works the edit
    // window from inside its modal loop; it is closed afterwards if `inside` left it open.
    void WithEditWindow(TButton* button, const std::function<void(TIPCtrlEdtForm&)>& inside) {
        bool ran = false;
        PostCall(form_->EditForm(), [&] {
            ran = true;
            inside(Edit());
            if (Edit().isVisible()) {
                Edit().Close();
            }
        });
        button->Click();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(Edit().isVisible());
    }
    // Presses Set expecting exactly the message `text`; the window stays open.
    void ExpectRefused(TIPCtrlEdtForm& e, const std::string& text) {
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        e.btnSet->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u) << text;
        EXPECT_EQ(MessageScript::Log()[0].text, text);
        EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK);
        EXPECT_TRUE(e.isVisible());
        MessageScript::Clear();
    }
    TListItem* RowOf(const std::string& address) {
        TListView& list = *form_->ListView1;
        for (int i = 0; i < list.ItemCount(); ++i) {
            if (list.Item(i)->Caption() == address) {
                return list.Item(i);
            }
        }
        return nullptr;
    }
    void Select(const std::string& address) {
        TListItem* item = RowOf(address);
        ASSERT_NE(item, nullptr) << address;
        form_->ListView1->SetSelected(item);
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (int i = 0; i < form_->ListView1->ItemCount(); ++i) {
            captions.push_back(form_->ListView1->Item(i)->Caption());
        }
        return captions;
    }
    // The device's interfaces: address -> interface name (quoted as the tools print it).
    std::map<std::string, std::string> DeviceNames() {
        const ProgramResult r =
            SnmpTool(*sim_, {"-v2c", "-c", "public"}).Walk(std::string(Column) + "3");
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::map<std::string, std::string> names;
        const std::string prefix = std::string(".") + Column + "3.";
        for (const auto& [oid, value] : SnmpTool::Values(r.out)) {
            names[oid.substr(prefix.size())] = value;
        }
        return names;
    }
    std::string DeviceValue(int column, const std::string& address) {
        const std::string oid = std::string(Column) + std::to_string(column) + "." + address;
        const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "public"}).Get({oid});
        auto values = SnmpTool::Values(r.out);
        auto it = values.find("." + oid);
        return it == values.end() ? std::string("(none)") : it->second;
    }
    void ExpectAccessRestored() {
        const QxSNMPVarList& vars = form_->Binding()->request.vars;
        ASSERT_EQ(static_cast<size_t>(vars.Count()), form_->SavedAccess().size());
        for (int i = 0; i < vars.Count(); ++i) {
            EXPECT_EQ(vars.Entry(i).access, form_->SavedAccess()[static_cast<size_t>(i)])
                << "variable " << i;
        }
    }
    // Fills the edit window with a new interface that passes every check.
    static void FillValid(TIPCtrlEdtForm& e) {
        e.edtIPAddr->SetText("10.1.2.1");
        e.edtIndex->SetText("20");
        e.edtInterface->SetText("lab");
        e.edtMask->SetText("255.255.255.0");
        e.edtVlan->SetText("lab");
        e.cbxMode->SetText("bootp");
        e.cbxSecondary->SetText("false");
        e.cbxOper->SetText("up");
        e.cbxARP->SetText("enabled");
    }

    std::unique_ptr<TestAgent> sim_;
    std::unique_ptr<TIpCtrlForm> form_;
};

TEST_F(IpCtrlFormTest, ReadsTheTableAndFollowsTheSelection) {
    TIpCtrlForm& f = Open();
    EXPECT_EQ(f.Caption(), "IP Control Table : 127.0.0.1");
    const std::vector<std::string> labels = {
        "IP Address", "IF Index",  "Interface Name", "Subnet Mask",       "VLAN Name",
        "Mode",       "Secondary", "Admin State",    "Operational State", "Proxy ARP State"};
    ASSERT_EQ(f.ListView1->ColumnCount(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.ListView1->Column(i)->Caption(), labels[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"10.90.90.90", "192.168.10.1", "192.168.20.1"}));
    const TListItem* secondary = RowOf("192.168.20.1");
    EXPECT_EQ(secondary->SubItems(),
              (std::vector<std::string>{"11", "sales2", "255.255.255.0", "sales", "manual", "true",
                                        "notInService", "down", "disabled"}));
    EXPECT_EQ(f.stbResult->SimpleText().rfind("Get: Ok!", 0), 0u) << f.stbResult->SimpleText();
    EXPECT_TRUE(f.btnRefresh->Enabled());
    EXPECT_TRUE(f.btnAdd->Enabled());
    EXPECT_FALSE(f.btnDel->Enabled());
    EXPECT_FALSE(f.btnEdit->Enabled());

    // The System interface can be edited but not deleted; the edit window's fields show the
    // selected row.
    const struct {
        const char* address;
        bool deletable;
        const char* name;
        const char* state;
    } rows[] = {
        {"10.90.90.90", false, "System", "active"},
        {"192.168.10.1", true, "sales", "active"},
        {"192.168.20.1", true, "sales2", "notInService"},
    };
    for (const auto& r : rows) {
        Select(r.address);
        EXPECT_FALSE(f.btnAdd->Enabled()) << r.address;
        EXPECT_TRUE(f.btnEdit->Enabled()) << r.address;
        EXPECT_EQ(f.btnDel->Enabled(), r.deletable) << r.address;
        EXPECT_EQ(Edit().edtIPAddr->Text(), r.address);
        EXPECT_EQ(Edit().edtInterface->Text(), r.name);
        EXPECT_EQ(Edit().cbxState->Text(), r.state);
    }
    f.ListView1->ClearSelection();
    EXPECT_TRUE(f.btnAdd->Enabled());
    EXPECT_FALSE(f.btnDel->Enabled());
    EXPECT_FALSE(f.btnEdit->Enabled());

    // Reaching Delete on System anyway repeats the refusal; nothing is written.
    Select("10.90.90.90");
    MessageScript::Push(mrOk);
    f.btnDel->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, Checks::SystemInterface);
    MessageScript::Clear();
    EXPECT_EQ(DeviceNames().size(), 3u);
}

// Every refusal leaves the window open with its contents and writes nothing; the interface
// that passes is created with "createAndGo" and the list is read again.
TEST_F(IpCtrlFormTest, AddChecksBeforeWriting) {
    TIpCtrlForm& f = Open();
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        EXPECT_EQ(e.Caption(), "IP Control Table(Add): 127.0.0.1");
        EXPECT_EQ(e.btnSet->Caption(), "Add");
        EXPECT_EQ(e.cbxState->Text(), "createAndGo");
        EXPECT_FALSE(e.cbxState->Enabled());
        // The IF index is the device's own: shown, never written.
        EXPECT_FALSE(e.edtIndex->Enabled());
        for (TEdit* edit : {e.edtIPAddr, e.edtIndex, e.edtInterface, e.edtMask, e.edtVlan}) {
            EXPECT_EQ(edit->Text(), "");
            EXPECT_EQ(edit->Enabled(), edit != e.edtIndex);
        }
        EXPECT_TRUE(e.cbxOper->Enabled());
        EXPECT_TRUE(e.cbxSecondary->Enabled());
        EXPECT_EQ(e.cbxMode->ItemCount(), 3);

        const struct {
            std::function<void(TIPCtrlEdtForm&)> change;
            std::string message;
        } refusals[] = {
            {[](auto& w) { w.edtIPAddr->SetText("224.0.0.1"); }, Checks::InvalidAddress},
            {[](auto& w) { w.edtMask->SetText("255.255.255.128"); }, Checks::InvalidMask},
            {[](auto& w) { w.edtIPAddr->SetText("192.168.10.7"); }, Checks::SameNetwork},
            {[](auto& w) { w.edtInterface->SetText(""); }, Checks::NoName},
            {[](auto& w) { w.edtInterface->SetText("sales2"); }, Checks::UsedName},
            {[](auto& w) { w.cbxSecondary->SetItemIndex(-1); }, Checks::NoSecondary},
            {[](auto& w) { w.edtVlan->SetText("sales"); }, Checks::PrimaryExists},
            {[](auto& w) {
                 w.edtVlan->SetText("sales");
                 w.cbxSecondary->SetText("true");
             },
             Checks::VlanFull},
            {[](auto& w) { w.cbxSecondary->SetText("true"); }, Checks::NoPrimary},
            {[](auto& w) { w.cbxMode->SetItemIndex(-1); }, Checks::NoMode},
            {[](auto& w) { w.cbxOper->SetItemIndex(-1); }, Checks::NoLinkState},
        };
        for (const auto& r : refusals) {
            FillValid(e);
            r.change(e);
            ExpectRefused(e, r.message);
        }
        EXPECT_EQ(DeviceNames().size(), 3u); // nothing reached the device

        FillValid(e);
        e.btnSet->Click();
        EXPECT_EQ(MessageScript::Log().size(), 0u);
    });
    ExpectAccessRestored();
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"10.1.2.1", "10.90.90.90", "192.168.10.1",
                                                    "192.168.20.1"}));
    EXPECT_EQ(DeviceValue(3, "10.1.2.1"), "\"lab\"");
    EXPECT_EQ(DeviceValue(4, "10.1.2.1"), "255.255.255.0");
    EXPECT_EQ(DeviceValue(5, "10.1.2.1"), "\"lab\"");
    EXPECT_EQ(DeviceValue(6, "10.1.2.1"), "3");  // bootp
    EXPECT_EQ(DeviceValue(7, "10.1.2.1"), "2");  // false
    EXPECT_EQ(DeviceValue(8, "10.1.2.1"), "1");  // created active
    EXPECT_EQ(DeviceValue(10, "10.1.2.1"), "3"); // enabled
    EXPECT_EQ(f.stbResult->SimpleText().rfind("Get: Ok!", 0), 0u) << f.stbResult->SimpleText();
}

// Edit offers only "active" and "notInService" and writes the mode, the state and the proxy
// ARP state, also after Stop; a following Delete still sends "destroy", and a primary goes only
// after its secondary.
TEST_F(IpCtrlFormTest, EditThenDelete) {
    TIpCtrlForm& f = Open();
    f.btnStop->Click(); // a stopped request still writes what the user asks for
    Select("192.168.20.1");
    WithEditWindow(f.btnEdit, [&](TIPCtrlEdtForm& e) {
        EXPECT_EQ(e.Caption(), "IP Control Table(Edit): 127.0.0.1");
        EXPECT_EQ(e.btnSet->Caption(), "Edit");
        ASSERT_EQ(e.cbxState->ItemCount(), 2);
        EXPECT_EQ(e.cbxState->Item(0), "active");
        EXPECT_EQ(e.cbxState->Item(1), "notInService");
        EXPECT_EQ(e.cbxState->Text(), "notInService");
        EXPECT_TRUE(e.cbxState->Enabled());
        for (TControl* c :
             std::initializer_list<TControl*>{e.edtIPAddr, e.edtIndex, e.edtInterface, e.edtMask,
                                              e.edtVlan, e.cbxOper, e.cbxSecondary}) {
            EXPECT_FALSE(c->Enabled()) << c->Name();
        }
        EXPECT_TRUE(e.cbxMode->Enabled());
        EXPECT_TRUE(e.cbxARP->Enabled());
        e.cbxState->SetText("active");
        e.cbxMode->SetText("dhcp");
        e.cbxARP->SetText("enabled");
        e.btnSet->Click();
    });
    EXPECT_EQ(f.ListView1->Selected(), nullptr);
    EXPECT_FALSE(f.btnEdit->Enabled());
    EXPECT_FALSE(f.btnDel->Enabled());
    ExpectAccessRestored();
    ASSERT_TRUE(Settled());
    EXPECT_EQ(DeviceValue(8, "192.168.20.1"), "1");
    EXPECT_EQ(DeviceValue(6, "192.168.20.1"), "4");
    EXPECT_EQ(DeviceValue(10, "192.168.20.1"), "3");
    EXPECT_EQ(DeviceValue(3, "192.168.20.1"), "\"sales2\"");
    EXPECT_EQ(RowOf("192.168.20.1")->SubItem(TIpCtrlForm::VarMode - 1), "dhcp");

    // The primary of VLAN "sales" is refused while its secondary is there.
    Select("192.168.10.1");
    MessageScript::Push(mrOk);
    f.btnDel->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, Checks::SecondaryFirst);
    MessageScript::Clear();
    EXPECT_EQ(DeviceNames().size(), 3u);

    for (const char* address : {"192.168.20.1", "192.168.10.1"}) {
        Select(address);
        f.btnDel->Click();
        EXPECT_EQ(MessageScript::Log().size(), 0u) << address;
        EXPECT_FALSE(f.btnDel->Enabled());
        ExpectAccessRestored();
        ASSERT_TRUE(Settled()) << address;
        EXPECT_EQ(RowOf(address), nullptr) << address;
        EXPECT_EQ(DeviceNames().count(address), 0u) << address;
    }
    EXPECT_EQ(Captions(), std::vector<std::string>{"10.90.90.90"});

    // After an Edit and Deletes, Add still offers and sends "createAndGo".
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        EXPECT_EQ(e.cbxState->ItemCount(), 4);
        EXPECT_EQ(e.cbxState->Text(), "createAndGo");
        FillValid(e);
        e.btnSet->Click();
    });
    ASSERT_TRUE(Settled());
    EXPECT_EQ(DeviceValue(3, "10.1.2.1"), "\"lab\"");
    EXPECT_EQ(DeviceValue(8, "10.1.2.1"), "1");
}

// The System interface (the management interface) is taken out of service or given to DHCP
// only after a Yes: No writes nothing and leaves the window open.
TEST_F(IpCtrlFormTest, SystemInterfaceChangesAskFirst) {
    TIpCtrlForm& f = Open();
    const std::string mode = DeviceValue(6, "10.90.90.90");
    const std::string state = DeviceValue(8, "10.90.90.90");
    struct Change {
        const char* state;
        const char* mode;
    } changes[] = {{"notInService", nullptr}, {nullptr, "dhcp"}};
    for (const Change& c : changes) {
        Select("10.90.90.90");
        MessageScript::Clear();
        bool stillOpen = false;
        WithEditWindow(f.btnEdit, [&](TIPCtrlEdtForm& e) {
            ASSERT_EQ(e.edtInterface->Text(), "System");
            if (c.state != nullptr) {
                e.cbxState->SetText(c.state);
            }
            if (c.mode != nullptr) {
                e.cbxMode->SetText(c.mode);
            }
            MessageScript::Push(mrNo);
            e.btnSet->Click();
            stillOpen = e.ModalResult() == mrNone;
        });
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text, Checks::SystemQuestion);
        EXPECT_EQ(MessageScript::Log()[0].buttons, mbYesNo);
        EXPECT_TRUE(stillOpen);
        ASSERT_TRUE(Settled());
        EXPECT_EQ(DeviceValue(6, "10.90.90.90"), mode);
        EXPECT_EQ(DeviceValue(8, "10.90.90.90"), state);
    }
}

// A proxy ARP state nobody chose is left to the device instead of being sent as 0, which the
// device would refuse together with the whole new interface.
TEST_F(IpCtrlFormTest, AddWithoutProxyArpChoice) {
    TIpCtrlForm& f = Open();
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        FillValid(e);
        e.cbxARP->SetItemIndex(-1);
        e.btnSet->Click();
    });
    ExpectAccessRestored();
    ASSERT_TRUE(Settled());
    EXPECT_EQ(DeviceValue(3, "10.1.2.1"), "\"lab\"");
    EXPECT_EQ(DeviceValue(10, "10.1.2.1"), "2"); // the device's default: disabled
}

// The device refuses a new interface on an address it already has: the refusal is reported in
// the status bar, the access codes are back and the interface is unchanged.
TEST_F(IpCtrlFormTest, RefusedWriteIsReported) {
    TIpCtrlForm& f = Open();
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        FillValid(e);
        e.edtIPAddr->SetText("10.90.90.90"); // 10.90.90.0 is no row's network
        e.btnSet->Click();
    });
    ExpectAccessRestored();
    ASSERT_TRUE(WaitUntil([&] { return !f.Binding()->busy; }));
    const std::string line = f.stbResult->SimpleText();
    EXPECT_EQ(line.rfind("Set: Cannot create/set variable, Inconsistent Value!.", 0), 0u) << line;
    EXPECT_EQ(DeviceValue(3, "10.90.90.90"), "\"System\"");
    EXPECT_EQ(DeviceValue(4, "10.90.90.90"), "255.0.0.0");
}

// A write that cannot even be sent (here: an address that is none) is reported in the status
// bar, and the access codes the write changed are back.
TEST_F(IpCtrlFormTest, UnsentWriteIsReported) {
    TIpCtrlForm& f = Open();
    Select("192.168.20.1");
    f.Binding()->request.device.address = "300.1.1.1";
    WithEditWindow(f.btnEdit, [&](TIPCtrlEdtForm& e) {
        e.cbxState->SetText("active");
        e.btnSet->Click();
    });
    ExpectAccessRestored();
    EXPECT_FALSE(f.Binding()->busy);
    EXPECT_EQ(f.stbResult->SimpleText().rfind("Set: Invalid IP Address or DNS name!", 0), 0u)
        << f.stbResult->SimpleText();
    EXPECT_EQ(DeviceValue(8, "192.168.20.1"), "2");
}

// Stop leaves the request stopped; a Refresh afterwards reads the table again.
TEST_F(IpCtrlFormTest, RefreshAfterStopReadsAgain) {
    TIpCtrlForm& f = Open();
    f.btnStop->Click();
    f.ListView1->ClearItems();
    f.stbResult->SetSimpleText("");
    f.btnRefresh->Click();
    ASSERT_TRUE(Settled());
    EXPECT_EQ(f.ListView1->ItemCount(), 3);
    EXPECT_EQ(f.stbResult->SimpleText().rfind("Get: Ok!", 0), 0u);
}

// Add stops a read that is running. The checks still see every interface (the stopped read
// would have shown only the first), and the write is sent although the read was stopped.
TEST_F(IpCtrlFormTest, AddDuringARead) {
    TIpCtrlForm& f = Open();
    f.btnRefresh->Click();
    ASSERT_TRUE(f.Binding()->busy);
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        ASSERT_TRUE(WaitUntil([&] { return !f.Binding()->busy; }));
        EXPECT_LT(f.ListView1->ItemCount(), 3); // the read stopped early
        FillValid(e);
        e.edtInterface->SetText("sales2"); // the last row of the table
        ExpectRefused(e, Checks::UsedName);
        EXPECT_EQ(f.ListView1->ItemCount(), 3);
        e.edtInterface->SetText("lab");
        e.btnSet->Click();
    });
    ASSERT_TRUE(Settled());
    EXPECT_EQ(f.ListView1->ItemCount(), 4);
    EXPECT_EQ(DeviceValue(3, "10.1.2.1"), "\"lab\"");
}

// A device that does not answer: the read's failure is reported in the status bar and the
// window stays usable.
TEST_F(IpCtrlFormTest, SilentDeviceIsReported) {
    SnmpGlobal().device.port = static_cast<std::uint16_t>(FreeUdpPort());
    SnmpGlobal().timeout = 20;
    form_ = std::make_unique<TIpCtrlForm>(nullptr, "127.0.0.1");
    form_->Show();
    ASSERT_TRUE(WaitUntil([&] { return !form_->Binding()->busy; }, 5000));
    EXPECT_EQ(form_->stbResult->SimpleText().rfind("Get: SNMP request timed out!", 0), 0u)
        << form_->stbResult->SimpleText();
    EXPECT_FALSE(form_->ListComplete());
    EXPECT_TRUE(form_->btnAdd->Enabled());
}

// Without the device's whole list the checks cannot be trusted: Add reads the table again, and
// when that fails it tells the user why, writes nothing and keeps the window open.
TEST_F(IpCtrlFormTest, AddWhileTheDeviceIsSilent) {
    TIpCtrlForm& f = Open();
    QxSNMPRequest& request = f.Binding()->request;
    request.device.port = static_cast<std::uint16_t>(FreeUdpPort());
    request.timeout = 20;
    f.btnRefresh->Click();
    ASSERT_TRUE(WaitUntil([&] { return !f.Binding()->busy; }));
    ASSERT_FALSE(f.ListComplete());
    WithEditWindow(f.btnAdd, [&](TIPCtrlEdtForm& e) {
        FillValid(e);
        MessageScript::Push(mrOk);
        e.btnSet->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text.rfind("Get: SNMP request timed out!", 0), 0u)
            << MessageScript::Log()[0].text;
        MessageScript::Clear();
        EXPECT_TRUE(e.isVisible());
        EXPECT_EQ(e.edtInterface->Text(), "lab");
    });
    EXPECT_EQ(DeviceNames().size(), 3u);
}

// A Delete on a list whose read was stopped reads the table again first, so that its checks
// see every interface, and keeps the chosen row.
TEST_F(IpCtrlFormTest, DeleteAfterAStoppedRead) {
    TIpCtrlForm& f = Open();
    f.btnRefresh->Click();
    f.btnStop->Click(); // the walk ends with the first row
    ASSERT_TRUE(WaitUntil([&] { return !f.Binding()->busy; }));
    ASSERT_FALSE(f.ListComplete());
    ASSERT_EQ(Captions(), std::vector<std::string>{"10.90.90.90"});
    Select("10.90.90.90");
    MessageScript::Push(mrOk);
    f.btnDel->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, Checks::SystemInterface);
    MessageScript::Clear();
    EXPECT_EQ(f.ListView1->ItemCount(), 3);
    ASSERT_NE(f.ListView1->Selected(), nullptr);
    EXPECT_EQ(f.ListView1->Selected()->Caption(), "10.90.90.90");
    EXPECT_EQ(DeviceNames().size(), 3u);
}

// Closing while a read runs waits for it and releases the binding.
TEST_F(IpCtrlFormTest, CloseDuringARead) {
    TIpCtrlForm& f = Open();
    f.btnRefresh->Click();
    ASSERT_TRUE(f.Binding()->busy);
    f.btnClose->Click();
    ASSERT_NE(f.Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(f.Binding()->Closing());
    EXPECT_FALSE(f.isVisible());
}

} // namespace
