#include "CounterTestSupport.h"
#include "forms/monitor/counters/TICMP_Counters.h"
#include "forms/monitor/counters/TIF_Counters.h"
#include "forms/monitor/counters/TIP_Counters.h"
#include "forms/monitor/counters/TSNMP_Counters.h"
#include "forms/monitor/counters/TUDP_Counters.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TLabel.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Name = 0, Value = 1, Delta = 2, Rate = 3, Peak = 4, PeakTime = 5;

class CounterWindows : public CounterMonitorTest {
protected:
    static void SetUpTestSuite() {
        CounterMonitorTest::SetUpTestSuite();
        // A counter that is still 0 raises no peak on its first delta; the checks below
        // want the device to have counted a little first.
        WaitUntil(
            [] {
                for (const char* oid : {"1.3.6.1.2.1.7.1.0", "1.3.6.1.2.1.7.4.0",
                                        "1.3.6.1.2.1.5.1.0", "1.3.6.1.2.1.5.14.0"}) {
                    if (AgentValue(*sim_, oid) == 0) {
                        return false;
                    }
                }
                return true;
            },
            5000);
    }
};

// The four windows of scalar groups: what they show and two counters of theirs that the
// simulated device advances, checked against what the device serves.
struct ScalarWindow {
    const char* title;
    std::function<std::unique_ptr<TCounterMonitor>()> open;
    std::vector<std::string> firstAndLastNames;
    int rows;
    bool primedAtOpen;
    struct Checked {
        int row;
        const char* oid;
    } checked[2];
};

template <class Window> std::function<std::unique_ptr<TCounterMonitor>()> Opener() {
    return [] {
        auto form = std::make_unique<Window>(nullptr);
        WaitOpened(*form);
        form->Timer1->SetEnabled(false);
        return std::unique_ptr<TCounterMonitor>(std::move(form));
    };
}

const ScalarWindow ScalarWindows[] = {
    {"UDP Counters",
     Opener<TUDP_Counters>(),
     {"udpInDatagrams", "udpOutDatagramsms"},
     4,
     true,
     {{0, "1.3.6.1.2.1.7.1.0"}, {3, "1.3.6.1.2.1.7.4.0"}}},
    {"IP Counters",
     Opener<TIP_Counters>(),
     {"ipInReceives", "ipOutNoRoutes"},
     10,
     false,
     {{0, "1.3.6.1.2.1.4.3.0"}, {7, "1.3.6.1.2.1.4.10.0"}}},
    {"ICMP Counters",
     Opener<TICMP_Counters>(),
     {"icmpInMsgs", "icmpOutAddrMaskReps"},
     26,
     true,
     {{0, "1.3.6.1.2.1.5.1.0"}, {13, "1.3.6.1.2.1.5.14.0"}}},
    {"SNMP Counters",
     Opener<TSNMP_Counters>(),
     {"snmpInPkts", "snmpOutTraps"},
     27,
     true,
     {{0, "1.3.6.1.2.1.11.1.0"}, {1, "1.3.6.1.2.1.11.2.0"}}},
};

TEST_F(CounterWindows, ScalarGroupWindowsFollowTheDevicesCounters) {
    for (const ScalarWindow& w : ScalarWindows) {
        SCOPED_TRACE(w.title);
        std::unique_ptr<TCounterMonitor> form = w.open();
        const TListView& list = *form->LV_Counters;
        EXPECT_EQ(form->Caption(), std::string(w.title) + " : 127.0.0.1");
        EXPECT_EQ(HeadingsOf(list), TCounterMonitor::Headings());
        EXPECT_TRUE(list.GridLines());
        ASSERT_EQ(list.ItemCount(), w.rows);
        EXPECT_EQ(Cell(list, 0, Name), w.firstAndLastNames[0]);
        EXPECT_EQ(Cell(list, w.rows - 1, Name), w.firstAndLastNames[1]);
        EXPECT_TRUE(form->Running());
        EXPECT_EQ(StatusText(*form).rfind("Get: Ok!", 0), 0u) << StatusText(*form);
        EXPECT_EQ(form->CB_Interval->Text(), "1");

        // Opening: figures at "0"; the windows that sample at once show the values.
        for (const auto& c : w.checked) {
            EXPECT_EQ(Cell(list, c.row, Value) != "0", w.primedAtOpen) << c.oid;
            for (int column : {Delta, Rate, Peak}) {
                EXPECT_EQ(Cell(list, c.row, column), "0");
            }
            EXPECT_FALSE(Cell(list, c.row, PeakTime).empty());
        }
        if (!w.primedAtOpen) {
            Poll(*form); // the first tick primes
            EXPECT_NE(Cell(list, w.checked[0].row, Value), "0");
            EXPECT_EQ(Cell(list, w.checked[0].row, Delta), "0");
        }

        // Half a second later: each counter as the device counts it, the delta since the
        // sample before, the rate per second of the device's time between the two answers
        // (not per the 1 s interval chosen), and the first peak.
        const std::uint32_t firstTime = UpTimeOfLastRead(*form);
        Spend(500);
        std::vector<std::uint64_t> before, previous;
        for (const auto& c : w.checked) {
            previous.push_back(Number(Cell(list, c.row, Value)));
            before.push_back(AgentValue(*sim_, c.oid));
        }
        Poll(*form);
        const std::uint32_t elapsed = UpTimeOfLastRead(*form) - firstTime;
        EXPECT_GE(elapsed, 50u);
        EXPECT_LT(elapsed, 100u);
        for (size_t i = 0; i < 2; ++i) {
            const auto& c = w.checked[i];
            SCOPED_TRACE(c.oid);
            const std::uint64_t value = Number(Cell(list, c.row, Value));
            EXPECT_LE(before[i], value);
            EXPECT_LE(value, AgentValue(*sim_, c.oid));
            const std::uint64_t delta = Number(Cell(list, c.row, Delta));
            EXPECT_EQ(delta, value - previous[i]);
            EXPECT_GT(delta, 0u);
            EXPECT_NEAR(RateOf(Cell(list, c.row, Rate)), delta * 100.0 / elapsed, 0.051);
            EXPECT_EQ(Cell(list, c.row, Peak), Cell(list, c.row, Delta));
        }
    }
}

TEST_F(CounterWindows, IntervalChangesKeepTheFiguresAndBadIntervalsAreRefused) {
    auto form = Open<TUDP_Counters>();
    const TListView& list = *form->LV_Counters;
    Spend(200);
    Poll(*form);
    const std::vector<std::string> shown = Column(list, Value);
    const std::string peak = Cell(list, 0, Peak);

    form->CB_Interval->SetText("5");
    form->CB_IntervalChange();
    EXPECT_EQ(form->IntervalMs(), 5000);
    EXPECT_EQ(form->Timer1->Interval(), 5000);
    EXPECT_EQ(Column(list, Value), shown);
    EXPECT_EQ(Cell(list, 0, Peak), peak);

    // The next step still measures from the last one, its rate by the device's clock.
    Spend(300);
    Poll(*form);
    const std::uint64_t delta = Number(Cell(list, 0, Delta));
    EXPECT_EQ(Number(Cell(list, 0, Value)), Number(shown[0]) + delta);
    EXPECT_GE(RateOf(Cell(list, 0, Rate)), static_cast<double>(delta) * 2);

    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"0", "The poll interval must be from 1 to 86400 seconds!"},
        {"-5", "The poll interval must be from 1 to 86400 seconds!"},
        {"86401", "The poll interval must be from 1 to 86400 seconds!"},
        {"abc", "'abc' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
        {"2.5", "'2.5' is not a valid integer value"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.text);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form->CB_Interval->SetText(r.text);
        form->CB_IntervalChange();
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text, r.message);
        EXPECT_EQ(form->IntervalMs(), 5000);
        EXPECT_EQ(form->Timer1->Interval(), 5000);
        EXPECT_EQ(form->CB_Interval->Text(), "5");
    }
}

TEST_F(CounterWindows, PauseStartAndReset) {
    auto form = Open<TUDP_Counters>();
    const TListView& list = *form->LV_Counters;
    Spend(200);
    Poll(*form);

    // Paused: the clock goes on, the figures stay.
    form->BT_Stop->Click();
    EXPECT_FALSE(form->Running());
    const std::vector<std::string> values = Column(list, Value);
    const std::vector<std::string> deltas = Column(list, Delta);
    form->ST_Time->SetCaption("");
    Spend(300);
    Poll(*form);
    EXPECT_FALSE(form->ST_Time->Caption().empty());
    EXPECT_EQ(Column(list, Value), values);
    EXPECT_EQ(Column(list, Delta), deltas);

    // Started again, the delta spans the whole pause.
    form->BT_Start->Click();
    EXPECT_TRUE(form->Running());
    Poll(*form);
    EXPECT_EQ(Number(Cell(list, 0, Delta)), Number(Cell(list, 0, Value)) - Number(values[0]));

    // Reset: zeros, then a step that primes (value only), then full figures.
    form->BT_Reset->Click();
    EXPECT_TRUE(form->Running());
    for (int column : {Value, Delta, Rate, Peak}) {
        for (const std::string& cell : Column(list, column)) {
            EXPECT_EQ(cell, "0");
        }
    }
    Spend(200);
    Poll(*form);
    EXPECT_NE(Cell(list, 0, Value), "0");
    EXPECT_EQ(Cell(list, 0, Delta), "0");
    EXPECT_EQ(Cell(list, 0, Peak), "0");
    Spend(200);
    Poll(*form);
    EXPECT_NE(Cell(list, 0, Delta), "0");
    EXPECT_EQ(Cell(list, 0, Peak), Cell(list, 0, Delta));
}

// A device that restarts between two polls: its counters begin again, and no huge delta,
// rate or peak comes of it.
TEST_F(CounterWindows, ARestartOfTheDeviceStartsCountingAgain) {
    TestAgent agent(TestAgent::Kind::Simulator, {"--reboot-seconds", "0"});
    PointModuleAt(agent.Port());
    auto form = Open<TUDP_Counters>();
    const TListView& list = *form->LV_Counters;
    Spend(300);
    Poll(*form);
    const std::string peak = Cell(list, 0, Peak);
    const std::uint64_t before = Number(Cell(list, 0, Value));
    ASSERT_GT(before, 0u);

    SnmpTool tool(agent, {"-v2c", "-c", "private"});
    tool.Set({"1.3.6.1.4.1.32473.12.1.2.19.0", "i", "1"});
    ASSERT_TRUE(WaitUntil(
        [&] {
            const ProgramResult r = tool.Get({"1.3.6.1.2.1.1.3.0"});
            return r.exitCode == 0 && Number(SnmpTool::Values(r.out)[".1.3.6.1.2.1.1.3.0"]) < 200;
        },
        5000));
    Poll(*form);
    EXPECT_LT(Number(Cell(list, 0, Value)), before);
    EXPECT_EQ(Cell(list, 0, Delta), "0");
    EXPECT_EQ(Cell(list, 0, Rate), "0");
    EXPECT_EQ(Cell(list, 0, Peak), peak);

    Spend(300);
    Poll(*form);
    EXPECT_GT(Number(Cell(list, 0, Delta)), 0u);
    EXPECT_LT(Number(Cell(list, 0, Delta)), 100000u);
    EXPECT_LT(Number(Cell(list, 0, Peak)), 100000u);
}

// A UDP port that receives requests and never answers; counts what arrived.
class SilentPort {
public:
    SilentPort() {
        fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t n = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
    }
    ~SilentPort() { close(fd_); }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;
    int Port() const { return port_; }
    int Received() {
        char buffer[2048];
        while (recv(fd_, buffer, sizeof buffer, 0) >= 0) {
            ++received_;
        }
        return received_;
    }

private:
    int fd_ = -1;
    int port_ = 0;
    int received_ = 0;
};

// A device that does not answer: each read gives up after (retries + 1) x time-out and says
// so, while the window goes on handling its events; there is never more than one read out,
// and ticks that fell due meanwhile are not made up for.
TEST_F(CounterWindows, ASilentDeviceNeverStopsTheWindow) {
    SilentPort silent;
    PointModuleAt(silent.Port());
    SnmpGlobal().timeout = 20; // 0.2 s, one retry: 0.4 s per read
    constexpr int BoundMs = 400;

    auto form = Open<TICMP_Counters>();
    EXPECT_NE(StatusText(*form).find("SNMP request timed out!"), std::string::npos)
        << StatusText(*form);
    EXPECT_NE(StatusText(*form).find("The device does not answer since "), std::string::npos);
    EXPECT_FALSE(form->NoAnswerSince().empty());
    EXPECT_TRUE(form->Running()); // retries at every tick
    // The first read: a GETBULK and its retry, then the same step asked with get-next, which
    // the walk keeps for this device from then on.
    const int atOpen = silent.Received();
    EXPECT_EQ(atOpen, 4);

    // Ticks every 50 ms for 1.5 s; a probe timer measures how long the window stops.
    form->Timer1->SetInterval(50);
    form->Timer1->SetEnabled(true);
    QTimer probe;
    QElapsedTimer sinceProbe;
    qint64 longestStop = 0;
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longestStop = std::max(longestStop, sinceProbe.restart()); });
    sinceProbe.start();
    probe.start(10);
    Spend(1500);
    form->Timer1->SetEnabled(false);
    probe.stop();

    EXPECT_LT(longestStop, 200);
    const int reads = (silent.Received() - atOpen) / 2;
    EXPECT_GE(reads, 2);
    EXPECT_LE(reads, 1500 / (BoundMs + 50) + 1);
    for (const std::string& cell : Column(*form->LV_Counters, Value)) {
        EXPECT_EQ(cell, "0");
    }
}

// A 10 s outage of a device that was answering, at the usual 1 s interval and 2 s time-out:
// the window answers its events within a second throughout, keeps the last figures and says
// since when the device is silent; once it answers again, the first answer only primes and
// the next gives the true rate, not one spread over the outage.
TEST_F(CounterWindows, AnOutageKeepsTheWindowAndItsFigures) {
    UdpRelay relay(sim_->Port());
    PointModuleAt(relay.Port());
    auto form = Open<TIF_Counters>();
    const TListView& list = *form->LV_Counters;
    Poll(*form);
    Spend(1000);
    Poll(*form);
    ASSERT_EQ(form->Sampler().FigureOf(0), CounterSampler::Figure::Measured);
    const std::vector<std::string> shown = Column(list, Value);
    const std::vector<std::string> deltas = Column(list, Delta);

    form->Timer1->SetEnabled(true); // polling at 1 s as the user has it
    relay.SetDropping(true);
    QTimer probe;
    QElapsedTimer sinceProbe;
    qint64 longestStop = 0;
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longestStop = std::max(longestStop, sinceProbe.restart()); });
    sinceProbe.start();
    probe.start(20);
    Spend(10000);
    probe.stop();
    EXPECT_LT(longestStop, 1000);
    EXPECT_FALSE(form->NoAnswerSince().empty());
    EXPECT_EQ(
        StatusText(*form).rfind("The device does not answer since " + form->NoAnswerSince(), 0), 0u)
        << StatusText(*form);
    EXPECT_EQ(Column(list, Value), shown);
    EXPECT_EQ(Column(list, Delta), deltas);
    // One read at a time, each of two tries 2 s apart, then 1 s to the next: three reads
    // and the first try of a fourth fit in 10 s.
    EXPECT_LE(relay.Dropped(), 7);

    relay.SetDropping(false);
    const int before = form->Sampler().SampleCount();
    ASSERT_TRUE(WaitUntil([&] { return form->Sampler().SampleCount() >= before + 2; }, 12000));
    form->Timer1->SetEnabled(false);
    EXPECT_TRUE(form->NoAnswerSince().empty());
    EXPECT_EQ(StatusText(*form).rfind("Get: Ok!", 0), 0u) << StatusText(*form);
    // Port 1 receives 41 frames of 113 octets a second.
    const double rate = RateOf(Cell(list, 0, Rate));
    EXPECT_NEAR(rate, 41.0 * 113, 41.0 * 113 * 0.05);
    EXPECT_LT(Number(Cell(list, 0, Delta)), 41u * 113 * 3);
}

} // namespace
