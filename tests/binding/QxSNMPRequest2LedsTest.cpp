#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPLedColorMapList.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TShape.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// Gives the tests the operations the request engine calls, so that answers can be made up.
class TestLeds : public QxSNMPRequest2Leds {
public:
    using QxSNMPRequest2Leds::GetFailed;
    using QxSNMPRequest2Leds::PutAnswer;
    using QxSNMPRequest2Leds::QxSNMPRequest2Leds;
};

constexpr TColor Green = 0x00FF00;
constexpr TColor Orange = 0x4080FF;

// ---- colour maps ----------------------------------------------------------------------------

TEST(LedColorMap, LowestOctetSelectsTheFirstMatchingEntry) {
    constexpr LedColorPair Table[] = {{1, Green}, {0x102, Orange}, {1, clRed}, {}};
    constexpr LedColorPair More[] = {{7, clBlue}, {}};
    QxSNMPLedColorMapList map(Table, 0xFF, 0, clSilver, clGray);
    struct {
        std::int32_t key;
        TColor colour;
    } cases[] = {
        {1, Green},     // the first of two entries for 1
        {0x301, Green}, // only the lowest octet counts, of the key...
        {2, Orange},    // ...and of the entry
        {5, clBlack},   // no entry
        {7, clBlack},   // not yet appended
        {-255, Green},  // 0xFFFFFF01
    };
    for (const auto& c : cases) {
        EXPECT_EQ(map.ColourOf(c.key), c.colour) << c.key;
    }
    EXPECT_EQ(map.Count(), 3);
    map.Append(More);
    EXPECT_EQ(map.Count(), 4);
    EXPECT_EQ(map.ColourOf(7), clBlue);
    map.Append(nullptr);
    EXPECT_EQ(map.Count(), 4);

    QxSNMPLedColorMapList empty(nullptr, 7, 0x80, 0, -1);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.ColourOf(0), clBlack);
    EXPECT_EQ(empty.AbsentColour(), -1);
}

TEST(LedColorMap, TheMapsOfTheFrontPanel) {
    struct Row {
        const QxSNMPLedColorMapList* map;
        std::uint8_t valueMask, blinkMask;
        std::vector<std::pair<int, TColor>> entries;
    } rows[] = {
        {&LedColorMap1, 0xFF, 0, {{1, Green}, {2, Green}, {3, Green}}},
        {&LedColorMap2, 0xFF, 0, {{1, clBlack}, {2, Green}, {3, clBlack}}},
        {&LedColorMap3, 0xFF, 0, {{3, Green}, {4, clBlack}}},
        {&LedColorMap4, 0xFF, 0, {{1, Green}, {2, Green}, {3, Green}}},
        {&LedColorMap5, 7, 0x80, {{0, clBlack}, {1, Orange}, {2, Green}}},
        {&LedColorMap6, 7, 0x80, {{0, clBlack}, {1, Orange}, {2, Orange}, {3, Green}, {4, Green}}},
        {&LedColorMap7, 7, 0x80, {{0, clBlack}, {1, Green}, {2, clBlack}, {3, Orange}}},
    };
    int n = 1;
    for (const Row& r : rows) {
        SCOPED_TRACE(n++);
        EXPECT_EQ(r.map->ValueMask(), r.valueMask);
        EXPECT_EQ(r.map->BlinkMask(), r.blinkMask);
        EXPECT_EQ(r.map->OffColour(), clBlack);
        EXPECT_EQ(r.map->AbsentColour(), clBlack);
        ASSERT_EQ(r.map->Count(), static_cast<int>(r.entries.size()));
        for (int i = 0; i < r.map->Count(); ++i) {
            EXPECT_EQ(r.map->At(i).key, r.entries[static_cast<size_t>(i)].first);
            EXPECT_EQ(r.map->At(i).colour, r.entries[static_cast<size_t>(i)].second);
        }
    }
}

// ---- LEDs over values given by hand ---------------------------------------------------------

constexpr UISnmpVar Values[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Octets", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "Listed", sxInteger, acReadonly, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.7.1", "Number", sxInteger, acReadonly},
    {},
};

// Off and absent colours of their own, so that every outcome shows.
constexpr LedColorPair MarkedPairs[] = {{0, clBlack}, {1, Orange}, {2, Green}, {3, clBlue}, {}};
const QxSNMPLedColorMapList Marked(MarkedPairs, 7, 0x80, clSilver, clRed);

class LedTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
    }
    void TearDown() override {
        leds_.reset();
        form_.reset();
        UiTest::TearDown();
    }
    TestLeds& Bind(const UISnmpVar* table = Values, int kind = SVT_SV) {
        leds_ = std::make_unique<TestLeds>(form_.get());
        leds_->request.vars.Assign(QxSNMPVarList(table, static_cast<std::uint8_t>(kind), 0));
        return *leds_;
    }
    TShape* Shape() { return new TShape(form_.get()); }
    std::string& Value(int i) { return leds_->request.vars.Entry(i).value; }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<TestLeds> leds_;
};

TEST_F(LedTest, ColourRules) {
    struct {
        const char* what;
        int layout, pairStart;
        const QxSNMPLedColorMapList* map;
        int varIndex, octet;
        const char* value;
        TColor colour;
        bool flashing;
    } cases[] = {
        {"flash bit and value", 1, 4, &LedColorMap6, 0, 0, "83", Green, true},
        {"value only", 1, 4, &LedColorMap6, 0, 0, "03", Green, false},
        {"value without entry", 1, 4, &LedColorMap6, 0, 0, "05", clBlack, false},
        {"later octet", 1, 4, &Marked, 0, 2, "00 00 81 00", Orange, true},
        {"value too short", 1, 4, &Marked, 0, 2, "83 83", clRed, false},
        {"no value at all", 1, 4, &Marked, 0, 0, "", clRed, false},
        {"a reported no-port", 2, 3, &LedColorMap5, 0, 5, "00 01 02 00 01 01 00", clBlack, false},
        {"no-port in its own colour", 2, 3, &Marked, 0, 5, "00 01 02 00 01 01 00", clRed, false},
        {"pair that flashes", 2, 3, &LedColorMap5, 0, 5, "00 01 02 00 01 80 02", Green, true},
        {"pair, state masked", 2, 3, &Marked, 0, 3, "00 00 00 00 F9 00", Orange, false},
        {"before the pairs", 2, 3, &Marked, 0, 2, "00 00 82 01 00", Green, true},
        {"pair start is a pair", 2, 3, &Marked, 0, 3, "00 00 82 01 00", clRed, false},
        {"pair start from 4", 2, 0, &Marked, 0, 3, "00 00 00 82 01", Green, true},
        {"state octet cut off", 2, 3, &Marked, 0, 5, "00 01 02 00 01 80", clRed, false},
        {"presence octet cut off", 2, 3, &Marked, 0, 5, "00 01 02 00 01", clRed, false},
        {"label of an option list", 1, 4, &LedColorMap3, 1, 0, "enabled", Green, false},
        {"integer, low octet first", 1, 4, &Marked, 2, 0, "259", clBlue, false},
        {"integer, second octet", 1, 4, &Marked, 2, 1, "259", Orange, false},
        {"integer beyond its four octets", 1, 4, &Marked, 2, 4, "3", clRed, false},
        {"variable the list lacks", 1, 4, &Marked, 7, 0, "01", clRed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestLeds& b = Bind();
        b.SetLayout(c.layout, c.pairStart);
        TShape* shape = Shape();
        b.AddLed(c.varIndex, c.octet, *c.map, shape);
        EXPECT_EQ(shape->BrushColor(), c.map->OffColour());
        Value(c.varIndex < 3 ? c.varIndex : 0) = c.value;
        b.PutAnswer();
        ASSERT_EQ(b.Leds().size(), 1u);
        EXPECT_EQ(b.Leds()[0].colour, c.colour);
        EXPECT_EQ(b.Leds()[0].flashing, c.flashing);
        // The first repaint after an answer shows the colour (the LED was dark before).
        EXPECT_EQ(shape->BrushColor(), c.colour);
        EXPECT_EQ(shape->PenColor(), c.colour);
        EXPECT_EQ(b.Blinking(), c.flashing);
    }
}

TEST_F(LedTest, SetLayoutDefaults) {
    struct {
        int layout, pairStart, wantLayout, wantPairStart;
    } cases[] = {{0, 0, 1, 4}, {-1, -7, 1, 4}, {2, 3, 2, 3}, {2, 0, 2, 4}, {0, 9, 1, 9}};
    TestLeds& b = Bind();
    EXPECT_EQ(b.Layout(), 1);
    EXPECT_EQ(b.PairStart(), 4);
    for (const auto& c : cases) {
        b.SetLayout(c.layout, c.pairStart);
        EXPECT_EQ(b.Layout(), c.wantLayout) << c.layout;
        EXPECT_EQ(b.PairStart(), c.wantPairStart) << c.pairStart;
    }
}

// A map that treats a missing octet as an error: the error is raised once, and the binding
// stops instead of raising it again at every poll.
TEST_F(LedTest, MissingOctetOfAStrictMap) {
    const QxSNMPLedColorMapList strict(MarkedPairs, 7, 0x80, clSilver, -1);
    TestLeds& b = Bind();
    b.SetLayout(2, 3);
    b.AddLed(0, 3, strict, Shape());
    Value(0) = "00 00 00 01 00"; // a port reported as not there is no error
    b.PutAnswer();
    EXPECT_EQ(b.Leds()[0].colour, clSilver);
    Value(0) = "00 00 00";
    QxSNMPRequest2Leds::LedBinding led;
    led.octetIndex = 3;
    led.map = &strict;
    try {
        b.UpdateLed(led);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -519);
    }
    b.request.active = false; // polling without sending anything
    b.StartPolling(10);
    EXPECT_TRUE(b.Polling());
    b.busy = true;
    EXPECT_THROW(b.PutAnswer(), QxError);
    EXPECT_FALSE(b.Polling());
    EXPECT_FALSE(b.busy);
}

TEST_F(LedTest, RowOfLedsOnAPanel) {
    TestLeds& b = Bind();
    auto* panel = new TPanel(form_.get());
    panel->SetBevelInner(bvRaised);
    b.AddLedRow(0, "3,5,7", LedColorMap5, panel, 2, 7, stRectangle, 6, 6);
    ASSERT_EQ(b.Leds().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& led = b.Leds()[static_cast<size_t>(i)];
        EXPECT_EQ(led.octetIndex, 3 + 2 * i);
        ASSERT_NE(led.shape, nullptr);
        EXPECT_EQ(led.shape->Parent(), panel);
        EXPECT_EQ(led.shape->Left(), 2 + 13 * i);
        EXPECT_EQ(led.shape->Top(), 1);
        EXPECT_EQ(led.shape->Width(), 6);
        EXPECT_EQ(led.shape->Height(), 6);
        EXPECT_TRUE(led.shape->Visible());
        EXPECT_EQ(led.shape->BrushColor(), clBlack);
    }
    EXPECT_EQ(panel->BevelInner(), bvNone);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
}

// A flashing LED alternates with its off colour on the first seven repaints after an answer,
// then stays in its colour; the blink timer runs only for those repaints.
TEST_F(LedTest, FlashingAndTheBlinkTimer) {
    TestLeds& b = Bind();
    TShape* flashing = Shape();
    TShape* steady = Shape();
    b.AddLed(0, 0, Marked, flashing);
    b.AddLed(0, 1, Marked, steady);
    Value(0) = "82 02";
    b.PutAnswer();
    std::vector<TColor> seen = {flashing->BrushColor()};
    for (int i = 0; i < 9; ++i) {
        b.Repaint();
        seen.push_back(flashing->BrushColor());
        EXPECT_EQ(steady->BrushColor(), Green);
    }
    const TColor G = Green, S = clSilver;
    EXPECT_EQ(seen, (std::vector<TColor>{G, S, G, S, G, S, G, G, G, G}));
    EXPECT_FALSE(b.Blinking());

    // The same on the timer: it stops by itself once the LED has settled.
    Value(0) = "82 02";
    b.PutAnswer();
    EXPECT_TRUE(b.Blinking());
    ASSERT_TRUE(WaitUntil([&] { return !b.Blinking(); }, 3000));
    const int settled = b.paintCount;
    EXPECT_EQ(settled, b.blinkPhases + 2);
    EXPECT_EQ(flashing->BrushColor(), Green);
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(b.paintCount, settled);

    // Nothing flashing: no ticks at all.
    Value(0) = "02 02";
    b.PutAnswer();
    EXPECT_FALSE(b.Blinking());
}

// A failed poll turns every LED off and says so in the report target; without one it stays
// silent, since a box would come back at every tick.
TEST_F(LedTest, FailedPollTurnsTheLedsOff) {
    TestLeds& b = Bind();
    b.request.vars.name = " Led Status";
    b.AddLed(0, 0, Marked, Shape());
    b.AddLed(0, 1, LedColorMap5, Shape());
    Value(0) = "82 02";
    b.PutAnswer();
    ASSERT_TRUE(b.Blinking());
    QxSNMPError timedOut;
    timedOut.code = -405;
    timedOut.text = "SNMP request timed out!";
    b.GetFailed(timedOut); // no report target: nothing but the LEDs
    auto* bar = new TStatusBar(form_.get());
    TStatusPanel* panel = bar->AddPanel(300);
    b.SetReportTarget(panel);
    b.PutAnswer();
    b.GetFailed(timedOut);
    for (const auto& led : b.Leds()) {
        EXPECT_FALSE(led.flashing);
        EXPECT_EQ(led.colour, led.map->OffColour());
        EXPECT_EQ(led.shape->BrushColor(), led.map->OffColour());
    }
    EXPECT_FALSE(b.Blinking());
    EXPECT_EQ(
        panel->Text().rfind("Get: SNMP request timed out! Request: Led Status. Receive at ", 0), 0u)
        << panel->Text();
}

// ---- against the simulator ------------------------------------------------------------------

const char* const LedStatusOid = "1.3.6.1.4.1.32473.12.11.1.9.4.1.5";

constexpr UISnmpVar LedStatus[] = {
    {LedStatusOid, "Front Panel LED Status", sxDisplaystr, acReadonly},
    {},
};

constexpr UISnmpVar LedMode[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.6", "", sxInteger, acReadonly},
    {},
};

// ksw-sim started on a port of our choosing, for a device that comes back where it was
// (TestAgent always picks a fresh port). It dies with the test process.
class SimOnPort {
public:
    explicit SimOnPort(int port) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), folder_.path());
        environment.insert(QStringLiteral("SNMPCONFPATH"), folder_.path());
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start(QString::fromStdString(TestAgent::SimulatorPath()),
                       {QStringLiteral("--port"), QString::number(port)});
        process_.waitForStarted(5000);
    }
    ~SimOnPort() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    SimOnPort(const SimOnPort&) = delete;
    SimOnPort& operator=(const SimOnPort&) = delete;

    std::string Output() { return process_.readAll().toStdString(); }

private:
    QTemporaryDir folder_;
    QProcess process_;
};

class LedDeviceTest : public LedTest {
protected:
    static void SetUpTestSuite() {
        // The global session is made once per process; other suites may have made it.
        if (QxSNMPSession::Global() == nullptr) {
            static QTemporaryDir bootFolder;
            QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
        }
    }

    // A binding over the device's LED status string, as the front panel builds it.
    TestLeds& StatusLeds(int port, int timeout = 300) {
        TestLeds& b = Bind(LedStatus, MVT_SV);
        b.request.vars.suffix = "1";
        b.request.vars.name = " Led Status";
        Target(b, port, timeout);
        b.SetLayout(2, 3);
        return b;
    }
    static void Target(QxSNMPRequest2Leds& b, int port, int timeout) {
        b.request.device.address = "127.0.0.1";
        b.request.device.port = static_cast<std::uint16_t>(port);
        b.request.security.version = 1;
        b.request.security.readCommunity = "public";
        b.request.timeout = timeout;
    }
    // The LED bound to an octet position.
    static const QxSNMPRequest2Leds::LedBinding& At(const QxSNMPRequest2Leds& b, int octet) {
        for (const auto& led : b.Leds()) {
            if (led.octetIndex == octet) {
                return led;
            }
        }
        throw std::runtime_error("no LED at octet " + std::to_string(octet));
    }
    static bool Answered(TStatusPanel* panel) {
        return panel->Text().rfind("Get: Ok! Request: Led Status.", 0) == 0;
    }
};

// A request that cannot even be sent: StartPolling raises, and every later tick reports the
// error and keeps trying.
TEST_F(LedDeviceTest, PollThatCannotBeSent) {
    TestLeds& b = Bind();
    b.request.security.version = 2; // no such SNMP version
    b.AddLed(0, 0, Marked, Shape());
    Value(0) = "02";
    b.PutAnswer();
    auto* bar = new TStatusBar(form_.get());
    b.SetReportTarget(bar);
    try {
        b.StartPolling(5);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -412);
    }
    EXPECT_EQ(b.Leds()[0].colour, clSilver);
    EXPECT_TRUE(b.Polling());
    EXPECT_FALSE(b.busy);
    ASSERT_TRUE(WaitUntil([&] { return !bar->SimpleText().empty(); }, 3000));
    EXPECT_EQ(bar->SimpleText().rfind("Get: Invalid Target!", 0), 0u) << bar->SimpleText();
    b.StopPolling();
    EXPECT_FALSE(b.Polling());
}

// The panel over a live device in both display modes: the port pairs reach far beyond the
// first zero octet of the status string.
TEST_F(LedDeviceTest, LivePanelInBothModes) {
    struct Expected {
        int octet;
        TColor colour;
    };
    const Expected common[] = {
        {0, Green},  {1, clBlack},  {2, clBlack}, // power on, no console session, no RPS
        {51, Green}, {53, clBlack},               // combo 1 fibre link; combo 2 has no module
    };
    struct Mode {
        std::vector<std::string> args;
        const QxSNMPLedColorMapList* gigabitMap;
        TColor gigabit;
        int modeValue;
    } modes[] = {{{}, &LedColorMap5, Green, 1}, {{"--poe"}, &LedColorMap6, Orange, 2}};
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.modeValue);
        TestAgent sim(TestAgent::Kind::Simulator, m.args);
        TestLeds& b = StatusLeds(sim.Port());
        const bool poe = m.modeValue == 2;
        auto* bar = new TStatusBar(form_.get());
        TStatusPanel* report = bar->AddPanel(50);
        auto* row = new TPanel(form_.get());
        if (!poe) {
            b.AddLedRow(0, "3,5,7,9,11,13,15,17,19,21,23,25", LedColorMap5, row, 0, 7, stRectangle,
                        6, 6);
            b.AddLedRow(0, "27,29,31,33,35,37,39,41,43,45,47,49", LedColorMap5, row, 0, 7,
                        stRectangle, 6, 6);
        }
        b.AddLedRow(0, "51", LedColorMap6, row, 0, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "53", LedColorMap6, row, 0, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "55", *m.gigabitMap, row, 0, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "57", *m.gigabitMap, row, 0, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "1", LedColorMap2, row, 1, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "2", LedColorMap3, row, 1, 10, stRectangle, 6, 6);
        b.AddLedRow(0, "0", LedColorMap1, row, 1, 10, stRectangle, 6, 6);
        b.SetReportTarget(report);

        // The indicator of the display mode, over an integer.
        TestLeds mode(form_.get());
        mode.request.vars.Assign(QxSNMPVarList(LedMode, SVT_SV, 0));
        Target(mode, sim.Port(), 300);
        mode.AddLed(0, 0, LedColorMap4, Shape());

        // In PoE mode the link squares show each port's PoE LED, one integer per port.
        TestLeds power(form_.get());
        power.request.vars.kind = MVT_SV;
        Target(power, sim.Port(), 300);
        if (poe) {
            for (int n = 1; n <= 24; ++n) {
                power.request.vars.AppendRow("1.3.6.1.4.1.32473.12.24.4.1.1.7." + std::to_string(n),
                                             "", sxInteger, acReadonly, nullptr);
                power.AddLed(n - 1, 0, LedColorMap7, Shape());
            }
        }

        b.StartPolling(300);
        mode.StartPolling(300);
        if (poe) {
            power.StartPolling(300);
        }
        ASSERT_TRUE(WaitUntil([&] { return !b.busy && !mode.busy && !power.busy; }, 10000));
        EXPECT_TRUE(Answered(report)) << report->Text();
        for (const Expected& e : common) {
            EXPECT_EQ(At(b, e.octet).colour, e.colour) << e.octet;
        }
        EXPECT_EQ(At(b, 55).colour, m.gigabit);
        EXPECT_EQ(At(b, 57).colour, m.gigabit);
        if (!poe) {
            // Cabled ports 1 to 6 at 100 Mbps, 7 and 8 at 10 Mbps; 21 to 24 unused.
            for (int port = 1; port <= 24; ++port) {
                const TColor want = port <= 6 ? Green : port <= 8 ? Orange : clBlack;
                if (port <= 8 || port >= 21) {
                    EXPECT_EQ(At(b, 1 + 2 * port).colour, want) << "port " << port;
                }
            }
        } else {
            // Powered devices on ports 1 to 6, none on 13 to 16 and 21 to 24.
            for (int port = 1; port <= 24; ++port) {
                const TColor colour = power.Leds()[static_cast<size_t>(port - 1)].colour;
                if (port <= 6) {
                    EXPECT_EQ(colour, Green) << "port " << port;
                } else if (port == 7) {
                    EXPECT_TRUE(colour == Green || colour == Orange) << colour;
                } else if ((port >= 13 && port <= 16) || port >= 21) {
                    EXPECT_EQ(colour, clBlack) << "port " << port;
                }
            }
        }
        EXPECT_EQ(mode.request.vars.Entry(0).value, std::to_string(m.modeValue));
        EXPECT_EQ(mode.Leds()[0].colour, Green);

        // The front panel's way of closing: stop, deactivate, wait, free.
        for (QxSNMPRequest2Leds* l :
             {static_cast<QxSNMPRequest2Leds*>(&b), static_cast<QxSNMPRequest2Leds*>(&mode),
              static_cast<QxSNMPRequest2Leds*>(&power)}) {
            l->StopPolling();
            l->request.active = false;
        }
        ASSERT_TRUE(WaitUntil([&] { return !b.busy && !mode.busy && !power.busy; }, 10000));
        EXPECT_EQ(At(b, 0).colour, clBlack);
        leds_.reset();
    }
}

// A device that stops answering turns the LEDs off and says so; when it answers again on the
// same port the panel comes back by itself. Meanwhile polls never pile up.
TEST_F(LedDeviceTest, RecoversWhenTheDeviceAnswersAgain) {
    auto sim = std::make_unique<TestAgent>(TestAgent::Kind::Simulator);
    const int port = sim->Port();
    TestLeds& b = StatusLeds(port, 30);
    b.request.retries = 0;
    auto* bar = new TStatusBar(form_.get());
    TStatusPanel* report = bar->AddPanel(50);
    b.SetReportTarget(report);
    auto* row = new TPanel(form_.get());
    b.AddLedRow(0, "0", LedColorMap1, row, 1, 10, stRectangle, 6, 6);
    b.AddLedRow(0, "3,5,7", LedColorMap5, row, 10, 7, stRectangle, 6, 6);
    auto lit = [&] { return At(b, 0).colour == Green && At(b, 3).colour == Green; };

    b.StartPolling(20); // every 200 ms, faster than a time-out
    ASSERT_TRUE(WaitUntil([&] { return Answered(report) && lit(); }, 10000)) << report->Text();

    sim->Stop();
    int most = 0;
    auto dark = [&] {
        most = std::max(most, b.request.outstanding);
        if (report->Text().rfind("Get: SNMP request timed out! Request: Led Status.", 0) != 0) {
            return false;
        }
        return std::all_of(b.Leds().begin(), b.Leds().end(), [](const auto& led) {
            return led.colour == clBlack && !led.flashing && led.shape->BrushColor() == clBlack;
        });
    };
    ASSERT_TRUE(WaitUntil(dark, 10000)) << report->Text();
    // Several ticks fall within the time-outs of a silent device.
    WaitUntil(
        [&] {
            most = std::max(most, b.request.outstanding);
            return false;
        },
        1200);
    EXPECT_EQ(most, 1);
    EXPECT_TRUE(b.Polling());

    SimOnPort again(port);
    EXPECT_TRUE(WaitUntil([&] { return Answered(report) && lit(); }, 10000))
        << report->Text() << "\n"
        << again.Output();
    b.StopPolling();
    b.request.active = false;
    ASSERT_TRUE(WaitUntil([&] { return !b.busy; }, 5000));
}

// Closing with a poll in flight: the binding goes at once with its timers, the late answer
// reaches nothing, and no tick comes after.
TEST_F(LedDeviceTest, ClosingWhileAPollIsInFlight) {
    TestAgent sim;
    struct {
        const char* what;
        int port;
        int timeout;
    } cases[] = {
        {"device that answers", sim.Port(), 300},
        {"device that is silent", FreeUdpPort(), 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestLeds& b = StatusLeds(c.port, c.timeout);
        b.request.retries = 0;
        auto* row = new TPanel(form_.get());
        b.AddLedRow(0, "3,5", LedColorMap5, row, 0, 7, stRectangle, 6, 6);
        QPointer<TShape> shape = b.Leds()[0].shape;
        Value(0) = std::string("\0\0\0\x80\x02\x80\x01", 7); // a display string's octets
        b.PutAnswer();                                       // flashing: the blink timer runs
        ASSERT_TRUE(b.Blinking());
        b.StartPolling(1); // a tick every 10 ms
        ASSERT_TRUE(b.busy);
        QElapsedTimer clock;
        clock.start();
        leds_.reset();
        EXPECT_LT(clock.elapsed(), 3000);
        // Ticks and the answer would arrive now if anything were left to receive them.
        WaitUntil([] { return false; }, 300);
        ASSERT_FALSE(shape.isNull());
        EXPECT_EQ(shape->BrushColor(), clBlack);
    }
}

} // namespace
