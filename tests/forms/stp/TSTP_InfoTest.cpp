#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/stp/TSTP_Info.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* Group = "1.3.6.1.4.1.32473.12.15.1.";
constexpr const char* InSetRequests = "1.3.6.1.2.1.11.17.0";
constexpr const char* InPkts = "1.3.6.1.2.1.11.1.0";

// The bridge settings as the device holds them, in the order of the group's columns 2 to 8.
struct Settings {
    int version = 1; // 0 stp, 1 rstp, 2 mstp
    int maxAge = 2000;
    int helloTime = 200;
    int forwardDelay = 1500;
    int maxHops = 20;
    int txHoldCount = 3;
    int forwardBpdu = 2; // 2 disabled, 3 enabled

    bool operator==(const Settings&) const = default;
};

int VersionCode(const std::string& text) {
    return text == "stp" ? 0 : text == "rstp" ? 1 : 2;
}

std::ostream& operator<<(std::ostream& out, const Settings& s) {
    return out << "{version " << s.version << ", max age " << s.maxAge << ", hello " << s.helloTime
               << ", forward delay " << s.forwardDelay << ", hops " << s.maxHops << ", tx hold "
               << s.txHoldCount << ", bpdu " << s.forwardBpdu << "}";
}

class StpInfo : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        SnmpGlobal().ResetParameters();
    }

    void SetUp() override {
        UiTest::SetUp();
        QxSNMPGlobal& global = SnmpGlobal();
        global.device.address = "127.0.0.1";
        global.device.port = static_cast<std::uint16_t>(sim_->Port());
        global.security.version = 1;
        global.security.readCommunity = "public";
        global.security.writeCommunity = "private";
        running_ = std::make_unique<TStaticText>(nullptr);
    }
    void TearDown() override {
        form_.reset();
        running_.reset();
        UiTest::TearDown();
    }

    static SnmpTool Tool() { return SnmpTool(*sim_, {"-v2c", "-c", "private"}); }

    static void PutDevice(const Settings& s) {
        const int values[] = {s.version, s.maxAge,      s.helloTime,  s.forwardDelay,
                              s.maxHops, s.txHoldCount, s.forwardBpdu};
        std::vector<std::string> triples;
        for (int column = 2; column <= 8; ++column) {
            triples.push_back(Group + std::to_string(column) + ".0");
            triples.push_back("i");
            triples.push_back(std::to_string(values[column - 2]));
        }
        const ProgramResult r = Tool().Set(triples);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }

    static Settings DeviceSettings() {
        std::vector<std::string> oids;
        for (int column = 2; column <= 8; ++column) {
            oids.push_back(Group + std::to_string(column) + ".0");
        }
        const ProgramResult r = Tool().Get(oids);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        auto values = SnmpTool::Values(r.out);
        auto at = [&](int column) {
            return std::atoi(
                values["." + std::string(Group) + std::to_string(column) + ".0"].c_str());
        };
        return {at(2), at(3), at(4), at(5), at(6), at(7), at(8)};
    }

    // The set requests the agent took in: each write of the window is one.
    static long SetRequests() { return Counter(InSetRequests); }
    // Every message the agent received, also the writes it refused for their community (which
    // no other counter shows), and the get that reads this counter.
    static long Messages() { return Counter(InPkts); }
    static long Counter(const std::string& oid) {
        const ProgramResult r = Tool().Get({oid});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return std::atol(SnmpTool::Values(r.out)["." + oid].c_str());
    }

    // Puts the device in `device` and opens the window with `running` as the main window's text.
    TSTP_Info& Open(const Settings& device, const std::string& running) {
        PutDevice(device);
        running_->SetCaption(running);
        form_ = std::make_unique<TSTP_Info>(nullptr, running_.get());
        return *form_;
    }

    // What a user's choice of an item does: the item is chosen and the change handler runs.
    static void Pick(TComboBox* combo, const std::string& item) {
        const int index = combo->IndexOfItem(item);
        ASSERT_GE(index, 0) << item;
        combo->SetItemIndex(index);
        combo->activated(index);
    }

    std::string Status() const { return form_->StatusBar1->Panel(0)->Text(); }
    static bool StartsWith(const std::string& text, const std::string& start) {
        return text.rfind(start, 0) == 0;
    }

    static TestAgent* sim_;
    std::unique_ptr<TStaticText> running_;
    std::unique_ptr<TSTP_Info> form_;
};

TestAgent* StpInfo::sim_ = nullptr;

TEST_F(StpInfo, OpeningShowsTheDeviceSettingsInTheFieldsAndTheHiddenRow) {
    const Settings device{1, 1800, 300, 1400, 12, 5, 3};
    TSTP_Info& form = Open(device, "rstp");

    EXPECT_EQ(form.Caption(), "Spanning Tree Control : 127.0.0.1");
    // The designed width at least; wider where the captions need it in the window's font.
    EXPECT_GE(form.ClientWidth(), 409);
    EXPECT_EQ(form.ClientHeight(), 278);
    EXPECT_EQ(form.Combo_STPVersion->Text(), "rstp");
    EXPECT_EQ(form.ET_AgingTime->Text(), "1800");
    EXPECT_EQ(form.ET_HelloTime->Text(), "300");
    EXPECT_EQ(form.ET_ForwardDelay->Text(), "1400");
    EXPECT_EQ(form.ET_Priority->Text(), "12");
    EXPECT_EQ(form.ED_TxHoldCount->Text(), "5");
    EXPECT_EQ(form.Combo_BPDU->Text(), "enabled");
    EXPECT_TRUE(form.ET_HelloTime->Enabled());
    EXPECT_TRUE(StartsWith(Status(), "Get: Ok!")) << Status();

    // The hidden row holds the MSTP list: no hello time.
    ASSERT_EQ(form.LV_MstpRow->ItemCount(), 1);
    TListItem* row = form.LV_MstpRow->Item(0);
    EXPECT_EQ(row->Caption(), "rstp");
    EXPECT_EQ(row->SubItems(), (std::vector<std::string>{"1800", "1400", "12", "5", "enabled"}));
    EXPECT_FALSE(form.LV_MstpRow->Visible());
}

TEST_F(StpInfo, HelloTimeIsGreyedAndEmptyForMstp) {
    // A device running MSTP: greyed at opening.
    TSTP_Info& form = Open({2, 2000, 200, 1500, 20, 3, 2}, "mstp");
    EXPECT_FALSE(form.ET_HelloTime->Enabled());
    EXPECT_EQ(form.ET_HelloTime->Color(), clMenu);
    EXPECT_EQ(form.ET_HelloTime->Text(), "");

    // The user's choice of version switches it.
    const struct {
        const char* version;
        bool enabled;
        TColor color;
        const char* text;
    } picks[] = {
        {"rstp", true, clWindow, "200"},
        {"mstp", false, clMenu, ""},
        {"stp", true, clWindow, "200"},
    };
    for (const auto& p : picks) {
        SCOPED_TRACE(p.version);
        form.ET_HelloTime->SetText("350");
        Pick(form.Combo_STPVersion, p.version);
        EXPECT_EQ(form.ET_HelloTime->Enabled(), p.enabled);
        EXPECT_EQ(form.ET_HelloTime->Color(), p.color);
        EXPECT_EQ(form.ET_HelloTime->Text(), p.text);
    }
}

TEST_F(StpInfo, RefreshReadsTheDeviceAgain) {
    TSTP_Info& form = Open({1, 2000, 200, 1500, 20, 3, 2}, "rstp");
    PutDevice({1, 1900, 250, 1450, 10, 4, 3});
    form.ET_AgingTime->SetText("700");
    form.BT_Get->Click();
    EXPECT_EQ(form.ET_AgingTime->Text(), "1900");
    EXPECT_EQ(form.ET_HelloTime->Text(), "250");
    EXPECT_EQ(form.Combo_BPDU->Text(), "enabled");
    EXPECT_TRUE(StartsWith(Status(), "Get: Ok!")) << Status();

    // Running MSTP: the hidden row is read too, and the hello time stays empty.
    running_->SetCaption("mstp");
    PutDevice({2, 1700, 200, 1300, 9, 2, 2});
    form.BT_Get->Click();
    EXPECT_EQ(form.ET_AgingTime->Text(), "1700");
    EXPECT_EQ(form.ET_HelloTime->Text(), "");
    EXPECT_FALSE(form.ET_HelloTime->Enabled());
    ASSERT_EQ(form.LV_MstpRow->ItemCount(), 1);
    EXPECT_EQ(form.LV_MstpRow->Item(0)->Caption(), "mstp");
    EXPECT_EQ(form.LV_MstpRow->Item(0)->SubItem(1), "1300");
}

// Set with what the user typed: either a check refuses it with its message and nothing goes
// to the device, or the settings are written in the number of set requests shown.
TEST_F(StpInfo, SetChecksTheTimingRulesBeforeWriting) {
    constexpr const char* Empty = "Don't Leave Empty Fileds !";
    constexpr const char* Data = "Data Error !";
    const struct Case {
        const char* what;
        const char* running; // also the device's version before Set
        const char* version; // chosen in the field; "" for none
        const char* maxAge;
        const char* helloTime;
        const char* forwardDelay;
        const char* maxHops;
        const char* txHoldCount;
        const char* message; // null: written
        int writes;
    } cases[] = {
        {"forward delay rule met", "rstp", "rstp", "2000", "200", "1500", "20", "3", nullptr, 1},
        {"forward delay rule at its limit", "rstp", "rstp", "2000", "200", "1100", "7", "2",
         nullptr, 1},
        {"forward delay too short", "rstp", "rstp", "2000", "200", "1000", "20", "3", Data, 0},
        {"hello rule at its limit", "rstp", "rstp", "600", "200", "1500", "20", "3", nullptr, 1},
        {"hello time too long", "rstp", "rstp", "600", "250", "1500", "20", "3", Data, 0},
        {"mstp ignores the hello time", "mstp", "mstp", "600", "250", "1500", "12", "5", nullptr,
         1},
        {"mstp keeps the forward delay rule", "mstp", "mstp", "2000", "", "1000", "20", "3", Data,
         0},
        {"stp to rstp: version, then the rest", "stp", "rstp", "2000", "300", "1500", "20", "3",
         nullptr, 2},
        {"mstp to stp: version, then the rest", "mstp", "stp", "2000", "300", "1500", "15", "6",
         nullptr, 2},
        {"rstp to mstp: one write with the version", "rstp", "mstp", "1900", "", "1500", "18", "4",
         nullptr, 1},
        {"empty max hops", "rstp", "rstp", "2000", "200", "1500", "", "3", Empty, 0},
        {"empty max age", "rstp", "rstp", "", "200", "1500", "20", "3", Empty, 0},
        {"empty forward delay", "mstp", "mstp", "2000", "", "", "20", "3", Empty, 0},
        {"empty hello time", "rstp", "rstp", "2000", "", "1500", "20", "3", Empty, 0},
        {"empty hello time checked after the rules", "rstp", "rstp", "2000", "", "1000", "20", "3",
         Data, 0},
        // An empty field would be written as 0; for the version that is "stp".
        {"empty tx hold count", "rstp", "rstp", "2000", "200", "1500", "20", "", Empty, 0},
        {"no version chosen", "rstp", "", "2000", "200", "1500", "20", "3", Empty, 0},
        {"not a number", "rstp", "rstp", "-", "200", "1500", "20", "3",
         "'-' is not a valid integer value!", 0},
        // Checked before the version goes out alone: refused by the second write, it would
        // leave the new version with the old timers.
        {"tx hold count not a number", "stp", "rstp", "2000", "200", "1500", "20", "-",
         "'-' is not a valid integer value!", 0},
        {"hello time not a number", "stp", "rstp", "2000", "-", "1500", "20", "3",
         "'-' is not a valid integer value!", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings before{VersionCode(c.running), 2000, 200, 1500, 20, 3, 2};
        TSTP_Info& form = Open(before, c.running);
        if (*c.version != '\0') {
            Pick(form.Combo_STPVersion, c.version);
        } else {
            form.Combo_STPVersion->SetItemIndex(-1);
        }
        form.ET_AgingTime->SetText(c.maxAge);
        form.ET_HelloTime->SetText(c.helloTime);
        form.ET_ForwardDelay->SetText(c.forwardDelay);
        form.ET_Priority->SetText(c.maxHops);
        form.ED_TxHoldCount->SetText(c.txHoldCount);
        Pick(form.Combo_BPDU, "enabled");

        const long sets = SetRequests();
        form.BT_Set->Click();
        EXPECT_EQ(SetRequests() - sets, c.writes);

        if (c.message != nullptr) {
            EXPECT_EQ(Status(), c.message);
            EXPECT_EQ(DeviceSettings(), before);
            EXPECT_EQ(running_->Caption(), c.running);
            continue;
        }
        EXPECT_TRUE(StartsWith(Status(), "Set: Ok!")) << Status();
        const bool mstp = std::string(c.version) == "mstp";
        const Settings after{VersionCode(c.version),
                             std::atoi(c.maxAge),
                             mstp ? before.helloTime : std::atoi(c.helloTime),
                             std::atoi(c.forwardDelay),
                             std::atoi(c.maxHops),
                             std::atoi(c.txHoldCount),
                             3};
        EXPECT_EQ(DeviceSettings(), after);
        EXPECT_EQ(running_->Caption(), c.version);
    }
}

// A write the device refuses is reported, the running version is left as the device still
// has it, and no variable stays taken out of the writes.
TEST_F(StpInfo, RefusedVersionKeepsTheRunningVersion) {
    const struct {
        const char* running;
        const char* version;
    } cases[] = {{"stp", "rstp"}, {"rstp", "mstp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const Settings before{VersionCode(c.running), 2000, 200, 1500, 20, 3, 2};
        TSTP_Info& form = Open(before, c.running);
        // A community the agent answers read-only: every write is refused.
        form.FullGroup()->request.security.writeCommunity = "public";
        form.MstpGroup()->request.security.writeCommunity = "public";
        Pick(form.Combo_STPVersion, c.version);
        form.ET_AgingTime->SetText("1800");

        const long messages = Messages();
        form.BT_Set->Click();
        // The version went alone and was refused: the timers were not sent after it. (The
        // second count takes one message more: its own get.)
        EXPECT_EQ(Messages() - messages, 1 + 1);
        EXPECT_TRUE(StartsWith(Status(), "Set: ")) << Status();
        EXPECT_FALSE(StartsWith(Status(), "Set: Ok!")) << Status();
        EXPECT_EQ(running_->Caption(), c.running);
        EXPECT_EQ(DeviceSettings(), before);
        for (QxSNMPRequest2Edits* list : {form.FullGroup(), form.MstpGroup()}) {
            for (int i = 0; i < list->request.vars.Count(); ++i) {
                EXPECT_EQ(list->request.vars.Entry(i).access, acReadwrite) << i;
            }
        }

        // Once the device takes writes, the same Set writes everything.
        form.FullGroup()->request.security.writeCommunity = "private";
        form.MstpGroup()->request.security.writeCommunity = "private";
        form.BT_Set->Click();
        EXPECT_TRUE(StartsWith(Status(), "Set: Ok!")) << Status();
        Settings after = before;
        after.version = VersionCode(c.version);
        after.maxAge = 1800;
        EXPECT_EQ(DeviceSettings(), after);
        EXPECT_EQ(running_->Caption(), c.version);
    }
}

// The version alone was taken, the timers then refused: the device runs the new version, the
// main window's text says so, and the status bar says what the device took and what it refused.
TEST_F(StpInfo, RefusedTimersAfterANewVersionSayWhatStuck) {
    const struct {
        const char* what;
        const char* helloTime;
        const char* bpduOid; // where the Forward BPDU goes; null: its own object
    } cases[] = {
        // An object the device does not have: the whole second set is refused.
        {"an object the device lacks", "200", "1.3.6.1.4.1.32473.12.15.1.99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings before{0, 2000, 200, 1500, 20, 3, 2};
        TSTP_Info& form = Open(before, "stp");
        if (c.bpduOid != nullptr) {
            form.FullGroup()->request.vars.Entry(6).oid = c.bpduOid;
        }
        Pick(form.Combo_STPVersion, "rstp");
        form.ET_HelloTime->SetText(c.helloTime);
        form.ET_AgingTime->SetText("1800");

        const long sets = SetRequests();
        form.BT_Set->Click();
        EXPECT_EQ(SetRequests() - sets, 2);
        EXPECT_TRUE(StartsWith(Status(), "Set: ")) << Status();
        EXPECT_FALSE(StartsWith(Status(), "Set: Ok!")) << Status();
        EXPECT_NE(Status().find("only the version was written: the device now runs \"rstp\"; "
                                "it refused Max Age, Hello Time, Forward Delay, Max Hops, TX "
                                "Hold Count and Forward BPDU, which keep their previous values"),
                  std::string::npos)
            << Status();
        Settings after = before;
        after.version = 1;
        EXPECT_EQ(DeviceSettings(), after);
        EXPECT_EQ(running_->Caption(), "rstp");
        for (int i = 0; i < form.FullGroup()->request.vars.Count(); ++i) {
            EXPECT_EQ(form.FullGroup()->request.vars.Entry(i).access, acReadwrite) << i;
        }
    }
}

// A value its field refuses (a hello time below 100, within the timing rules) is refused
// before the version goes out alone: nothing is written, and the box names the field.
TEST_F(StpInfo, FieldRefusalComesBeforeTheVersionIsWritten) {
    const Settings before{0, 2000, 200, 1500, 20, 3, 2};
    TSTP_Info& form = Open(before, "stp");
    Pick(form.Combo_STPVersion, "rstp");
    form.ET_HelloTime->SetText("50");
    form.ET_AgingTime->SetText("1800");

    const long sets = SetRequests();
    MessageScript::Push(mrOk);
    form.BT_Set->Click();
    EXPECT_EQ(SetRequests() - sets, 0);
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text.rfind("\"Hello Time\": \"50\" is not accepted.", 0), 0u)
        << MessageScript::Log()[0].text;
    EXPECT_EQ(DeviceSettings(), before);
    EXPECT_EQ(running_->Caption(), "stp");
    EXPECT_EQ(form.ET_HelloTime->Text(), "50");
    for (int i = 0; i < form.FullGroup()->request.vars.Count(); ++i) {
        EXPECT_EQ(form.FullGroup()->request.vars.Entry(i).access, acReadwrite) << i;
    }
}

TEST(StpPartlyWritten, SaysWhatTheDeviceHolds) {
    using Failure = TSTP_Info::WriteFailure;
    const struct {
        Failure failure;
        const char* expected;
    } cases[] = {
        {{true, -103, "Bad value!"},
         "Bad value!; only the version was written: the device now runs \"stp\"; it refused "
         "Max Age, Hello Time, Forward Delay, Max Hops, TX Hold Count and Forward BPDU, which "
         "keep their previous values"},
        {{true, -405, "SNMP request timed out!"},
         "SNMP request timed out!; only the version was written: the device now runs \"stp\"; "
         "whether it took Max Age, Hello Time, Forward Delay, Max Hops, TX Hold Count and "
         "Forward BPDU is not known (Refresh shows what it holds)"},
        {{false, 0, ""},
         "only the version was written: the device now runs \"stp\"; Max Age, Hello Time, "
         "Forward Delay, Max Hops, TX Hold Count and Forward BPDU were not sent and keep their "
         "previous values"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TSTP_Info::PartlyWritten("stp", c.failure), c.expected);
    }
}

} // namespace
