#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "main_window/DeviceStatusText.h"
#include "main_window/FrontPanelPicture.h"
#include "main_window/TFrontPanel.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TScrollBox.h"
#include "ui/toolkit/TShape.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

namespace {

constexpr TColor Green = 0x00FF00;
constexpr TColor Orange = 0x4080FF;

// The main window's front-panel area on a form of its own, against a simulated device.
class FrontPanelTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        if (QxSNMPSession::Global() == nullptr) {
            static QTemporaryDir bootFolder;
            QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
        }
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(0, 0, 925, 139);
        bar_ = new TStatusBar(form_.get());
        bar_->AddPanel(50);
        box_ = new TScrollBox(form_.get());
        box_->SetAlign(alClient);
        menu_ = std::make_unique<TMainMenu>(form_.get());
        TMenuItem* rmon = menu_->Add("RMON1", "RMON");
        statistics_ = rmon->Add("Statistics1", "Statistics");
        history_ = rmon->Add("History1", "History");
        alarm_ = rmon->Add("AlarmEvent1", "Alarm/Event");
    }
    void TearDown() override {
        panel_.reset();
        menu_.reset();
        form_.reset();
        agent_.reset();
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }
    // Starts the simulator and points the connection record at it, as the start-up does.
    void Device(std::vector<std::string> args = {}) {
        agent_ = std::make_unique<TestAgent>(TestAgent::Kind::Simulator, std::move(args));
        SnmpGlobal().ResetParameters();
        SnmpGlobal().device.port = static_cast<std::uint16_t>(agent_->Port());
        SnmpGlobal().security.version = 1;
        SnmpGlobal().timeout = 100;
        panel_ = std::make_unique<TFrontPanel>(form_.get(), box_, bar_);
    }
    template <class T> T* Named(const std::string& name) { return FindControl<T>(box_, name); }
    bool Polled() {
        return WaitUntil([&] { return bar_->Panel(0)->Text().rfind("Get: Ok!", 0) == 0; }, 10000);
    }
    // Sets the RMON state on the device.
    void SetRmon(const char* state) {
        constexpr UISnmpVar Rmon[] = {
            {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
             &OL_2disabled_3enabled},
            {},
        };
        QxSNMPRequest r;
        r.vars.Assign(QxSNMPVarList(Rmon, SVT_SV, 0));
        r.vars.Entry(0).value = state;
        r.Store();
    }

    std::unique_ptr<TestAgent> agent_;
    std::unique_ptr<TForm> form_;
    std::unique_ptr<TMainMenu> menu_;
    std::unique_ptr<TFrontPanel> panel_;
    TStatusBar* bar_ = nullptr;
    TScrollBox* box_ = nullptr;
    TMenuItem* statistics_ = nullptr;
    TMenuItem* history_ = nullptr;
    TMenuItem* alarm_ = nullptr;
};

TEST(DeviceStatusTextTest, NameUpTimeVersionAndUserButNoPassPhrase) {
    QxSNMPSecurity v2;
    v2.version = 1;
    v2.readCommunity = "public";
    EXPECT_EQ(DeviceStatusText(true, "core-sw-3", "2 days, 3:04:05.06", v2),
              "core-sw-3  |  up 2 days, 3:04:05.06  |  SNMPv2c, community \"public\"");
    v2.version = 0;
    EXPECT_EQ(DeviceStatusText(false, "core-sw-3", "1:00:00.00", v2),
              "no answer  |  SNMPv1, community \"public\"");
    EXPECT_EQ(DeviceStatusText(true, "(NULL)", "(NULL)", v2),
              "(no name)  |  SNMPv1, community \"public\"");
    QxSNMPSecurity v3;
    v3.version = 3;
    v3.securityName = "MD5_DES_User";
    v3.securityLevel = 3;
    v3.authPassword = "md5despass1";
    v3.privPassword = "md5despriv1";
    const std::string text = DeviceStatusText(true, "sw", "0:00:01.00", v3);
    EXPECT_EQ(text, "sw  |  up 0:00:01.00  |  SNMPv3, user \"MD5_DES_User\", authPriv");
    EXPECT_EQ(text.find("md5des"), std::string::npos);
}

TEST(DeviceStatusTextTest, PortLedsInWords) {
    const struct {
        int presence;
        int state;
        const char* text;
    } cases[] = {
        {0, 0, "Port 3: link down"},
        {0, 1, "Port 3: link up, 10 Mbps"},
        {0x80, 2, "Port 3: link up, 100/1000 Mbps, traffic"},
        {0, 3, "Port 3: fibre link up"},
        {1, 0, "Port 3: not present"},
        {0x81, 2, "Port 3: not present"},
        {0, -1, "Port 3: state unknown"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortLedText(3, c.presence, c.state), c.text);
    }
    EXPECT_EQ(PoeLedText(9, "1"), "Port 9: PoE on, delivering power\nLED mode: PoE");
    EXPECT_EQ(PoeLedText(9, "3"), "Port 9: PoE error\nLED mode: PoE");
    EXPECT_EQ(PoeLedText(9, "(NULL)"), "Port 9: PoE state unknown\nLED mode: PoE");
}

// The device panel comes with the mode LED's poll: the same request carries sysName and
// sysUpTime.
TEST_F(FrontPanelTest, DevicePanelShowsNameUpTimeAndVersion) {
    Device();
    panel_->SetUpFrontPanel();
    ASSERT_NE(panel_->DevicePanel(), nullptr);
    EXPECT_EQ(bar_->PanelCount(), 2);
    EXPECT_EQ(panel_->ModeLedBinding()->request.vars.Count(), 3);
    ASSERT_TRUE(WaitUntil(
        [&] { return panel_->DevicePanel()->Text().find("  |  up ") != std::string::npos; },
        10000))
        << panel_->DevicePanel()->Text();
    const std::string text = panel_->DevicePanel()->Text();
    EXPECT_NE(text.rfind("(no name)", 0), 0u) << text;
    const std::string version = "  |  SNMPv2c, community \"" +
                                SnmpGlobal().security.readCommunity + "\"";
    EXPECT_EQ(text.substr(text.size() - version.size()), version) << text;

    // The port LEDs tell their port and state in words.
    ASSERT_TRUE(Polled());
    std::vector<std::string> hints;
    for (TShape* led : Named<TPanel>("LedPanel1")->findChildren<TShape*>()) {
        hints.push_back(led->Hint());
    }
    ASSERT_EQ(hints.size(), 12u);
    EXPECT_NE(std::find_if(hints.begin(), hints.end(),
                           [](const std::string& h) { return h.rfind("Port 1: ", 0) == 0; }),
              hints.end());
    for (const std::string& hint : hints) {
        EXPECT_NE(hint.find("\nLED mode: port status"), std::string::npos) << hint;
        EXPECT_EQ(hint.find("unknown"), std::string::npos) << hint;
    }
}

TEST_F(FrontPanelTest, EverySquareOfThePictureIsThere) {
    Device();
    for (const FrontPanelLedPlace& place : FrontPanelLeds) {
        auto* control = FindControl<TControl>(box_, place.name);
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->Left(), place.left) << place.name;
        EXPECT_EQ(control->Top(), place.top) << place.name;
    }
    EXPECT_NE(Named<TShape>("sStatusModeLedTemp"), nullptr);
    EXPECT_EQ(panel_->StatusModeText(), "1");
}

TEST_F(FrontPanelTest, PortStatusModeShowsTheRowsOfPortLeds) {
    Device();
    panel_->SetUpFrontPanel();
    EXPECT_EQ(panel_->StatusModeText(), "portStatusMode");
    EXPECT_FALSE(panel_->PoeMode());
    TShape* mode = Named<TShape>("sStatusModeLedTemp");
    EXPECT_EQ(mode->Left(), 255);
    EXPECT_EQ(mode->Top(), 37);
    ASSERT_TRUE(Polled());
    EXPECT_EQ(bar_->Panel(0)->Text().rfind("Get: Ok! Request: Led Status. Receive at ", 0), 0u);
    // Twelve squares per row, 13 pixels apart, and a port that is up shows green or orange.
    for (const char* row : {"LedPanel1", "LedPanel2"}) {
        auto* panel = Named<TPanel>(row);
        ASSERT_TRUE(panel->Visible());
        auto shapes = panel->findChildren<TShape*>();
        ASSERT_EQ(shapes.size(), 12) << row;
        for (int i = 1; i < 12; ++i) {
            EXPECT_EQ(shapes[i]->Left() - shapes[i - 1]->Left(), 13);
        }
    }
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& led : panel_->LedStatusBinding()->Leds()) {
            if (led.colour == Green || led.colour == Orange) {
                return true;
            }
        }
        return false;
    }));
    EXPECT_TRUE(WaitUntil([&] { return mode->BrushColor() == Green; }));
}

TEST_F(FrontPanelTest, PoeModeShowsThePoeLedsOnTheLinkSquares) {
    Device({"--poe"});
    panel_->SetUpFrontPanel();
    EXPECT_TRUE(panel_->PoeMode());
    EXPECT_FALSE(Named<TPanel>("LedPanel1")->Visible());
    EXPECT_FALSE(Named<TPanel>("LedPanel2")->Visible());
    TShape* mode = Named<TShape>("sStatusModeLedTemp");
    EXPECT_EQ(mode->Left(), 254);
    EXPECT_EQ(mode->Top(), 71);
    ASSERT_EQ(panel_->PoeLedBinding()->Leds().size(), 24u);
    EXPECT_TRUE(Polled());
    // Some PoE port is powered: its link square is green or orange.
    EXPECT_TRUE(WaitUntil([&] {
        for (int n = 1; n <= 24; ++n) {
            TColor c = Named<TShape>("LinkShape_Port" + std::to_string(n))->BrushColor();
            if (c == Green || c == Orange) {
                return true;
            }
        }
        return false;
    }));
}

TEST_F(FrontPanelTest, RmonStateEnablesOrDisablesItsMenus) {
    Device();
    for (const char* state : {"disabled", "enabled", "disabled", "enabled"}) {
        SetRmon(state);
        panel_->RefreshRmonState(statistics_, history_, alarm_);
        EXPECT_EQ(panel_->RmonStateText(), state);
        bool enabled = std::string(state) == "enabled";
        EXPECT_EQ(statistics_->Enabled(), enabled) << state;
        EXPECT_EQ(history_->Enabled(), enabled) << state;
        EXPECT_EQ(alarm_->Enabled(), enabled) << state;
    }
    // A read error goes to the status bar and leaves the entries alone.
    agent_->Stop();
    panel_->RefreshRmonState(statistics_, history_, alarm_);
    EXPECT_EQ(bar_->Panel(0)->Text(), "SNMP request timed out!");
    EXPECT_TRUE(statistics_->Enabled());
}

// A device that stops answering is shown as silent, not as switched off: the LEDs take the
// unknown look and panel 0 says since when; its first answer brings the picture back.
TEST_F(FrontPanelTest, ASilentDeviceLooksUnknownUntilItAnswersAgain) {
    Device({"--reboot-seconds", "9"});
    panel_->SetUpFrontPanel();
    ASSERT_TRUE(Polled());
    TShape* power = panel_->LedStatusBinding()->Leds().back().shape;
    ASSERT_EQ(power->BrushColor(), Green);
    // The reboot command: the device is silent for a while.
    constexpr UISnmpVar Reboot[] = {
        {"1.3.6.1.4.1.32473.12.1.2.19", "", sxInteger, acReadwrite, nullptr},
        {},
    };
    QxSNMPRequest r;
    r.vars.Assign(QxSNMPVarList(Reboot, SVT_SV, 0));
    r.vars.Entry(0).value = "1";
    try {
        r.Store();
    } catch (const std::exception&) {
        // a device that restarts before answering
    }
    ASSERT_TRUE(WaitUntil([&] { return panel_->Silent(); }, 15000));
    const std::string said = bar_->Panel(0)->Text();
    EXPECT_EQ(said.rfind("No answer from 127.0.0.1 since ", 0), 0u) << said;
    for (const auto& led : panel_->LedStatusBinding()->Leds()) {
        EXPECT_EQ(led.shape->BrushColor(), 0x808080);
    }
    ASSERT_TRUE(WaitUntil([&] { return !panel_->Silent(); }, 20000));
    ASSERT_TRUE(Polled());
    EXPECT_EQ(power->BrushColor(), Green);
}

// Closing while polls are in flight ends within the exchanges' own time and leaves nothing
// that a late answer could reach.
TEST_F(FrontPanelTest, StoppingWhilePollsAreInFlight) {
    Device();
    panel_->SetUpFrontPanel();
    auto start = std::chrono::steady_clock::now();
    panel_->Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(7));
    EXPECT_EQ(panel_->LedStatusBinding(), nullptr);
    panel_->Stop();
    WaitUntil([] { return false; }, 300);
}

} // namespace
