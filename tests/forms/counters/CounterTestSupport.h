#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "forms/monitor/counters/TCounterMonitor.h"
#include "forms/monitor/counters/TRowChoiceMonitor.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxValueForms.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TTimer.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// Counter windows against one simulator per test suite, their timer off: the tests drive the
// ticks.
class CounterMonitorTest : public UiTest {
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
        PointModuleAt(*sim_);
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    // Opens a window and waits for its opening reads; its poll timer is then stopped.
    template <class Window> static std::unique_ptr<Window> Open(int limitMs = 15000) {
        auto form = std::make_unique<Window>(nullptr);
        WaitOpened(*form, limitMs);
        form->Timer1->SetEnabled(false);
        return form;
    }

    inline static TestAgent* sim_ = nullptr;
};

// Waits until a window's opening reads have been answered (or have failed).
inline void WaitOpened(TCounterMonitor& form, int limitMs = 15000) {
    const auto* chooser = dynamic_cast<const TRowChoiceMonitor*>(&form);
    EXPECT_TRUE(WaitUntil(
        [&] { return !form.Reading() && (chooser == nullptr || !chooser->Listing()); }, limitMs));
}

// One tick of the poll timer, and its read waited for.
inline void Poll(TCounterMonitor& form) {
    form.Timer1Timer();
    EXPECT_TRUE(WaitUntil([&] { return !form.Reading(); }, 15000));
}

// Handles window events for a while (the agent's counters and clock move on meanwhile).
inline void Spend(int ms) {
    QElapsedTimer clock;
    clock.start();
    WaitUntil([&] { return clock.elapsed() >= ms; }, ms + 1000);
}

// The cell of a counters row: 0 name, 1 value, 2 delta, 3 rate, 4 peak, 5 peak time.
inline std::string Cell(const TListView& list, int row, int column) {
    const TListItem* item = list.Item(row);
    if (item == nullptr) {
        return "<no row>";
    }
    return column == 0 ? item->Caption() : item->SubItem(column - 1);
}

inline std::uint64_t Number(const std::string& text) {
    return std::strtoull(text.c_str(), nullptr, 10);
}

// A rate cell: a number with one decimal.
inline double RateOf(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

inline std::vector<std::string> Column(const TListView& list, int column) {
    std::vector<std::string> cells;
    for (int i = 0; i < list.ItemCount(); ++i) {
        cells.push_back(Cell(list, i, column));
    }
    return cells;
}

inline std::vector<std::string> HeadingsOf(const TListView& list) {
    std::vector<std::string> headings;
    for (int i = 0; i < list.ColumnCount(); ++i) {
        headings.push_back(list.Column(i)->Caption());
    }
    return headings;
}

inline std::string StatusText(const TCounterMonitor& form) {
    return form.StatusBar1->Panel(0)->Text();
}

// One value the agent serves, read with net-snmp's tools.
inline std::uint64_t AgentValue(const TestAgent& agent, const std::string& oid) {
    SnmpTool tool(agent, {"-v2c", "-c", "public"});
    const ProgramResult r = tool.Get({oid});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return Number(SnmpTool::Values(r.out)["." + oid]);
}

// The agent's sysUpTime in the answer of the window's latest read (its last variable).
inline std::uint32_t UpTimeOfLastRead(const TCounterMonitor& form) {
    const std::vector<std::string>& row = form.CountersBinding()->FirstRow();
    return row.empty() ? 0 : TicksFromText(row.back());
}

// A UDP relay on a port of 127.0.0.1 of its own that passes requests to an agent and its
// answers back, on a thread of its own; while it drops, the device looks silent to the module.
class UdpRelay {
public:
    explicit UdpRelay(int agentPort) {
        front_ = Bind(0);
        back_ = Bind(0);
        sockaddr_in agent = Loopback(agentPort);
        connect(back_, reinterpret_cast<sockaddr*>(&agent), sizeof agent);
        sockaddr_in a{};
        socklen_t n = sizeof a;
        getsockname(front_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Run(); });
    }
    ~UdpRelay() {
        stop_ = true;
        thread_.join();
        close(front_);
        close(back_);
    }
    UdpRelay(const UdpRelay&) = delete;
    UdpRelay& operator=(const UdpRelay&) = delete;

    int Port() const { return port_; }
    void SetDropping(bool on) { dropping_ = on; }
    int Dropped() const { return dropped_; }

private:
    static sockaddr_in Loopback(int port) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<std::uint16_t>(port));
        return a;
    }
    static int Bind(int port) {
        const int fd = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a = Loopback(port);
        bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        return fd;
    }
    void Run() {
        char buffer[65536];
        sockaddr_in client{};
        socklen_t clientLength = 0;
        while (!stop_) {
            pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
            if (poll(fds, 2, 50) <= 0) {
                continue;
            }
            if ((fds[0].revents & POLLIN) != 0) {
                clientLength = sizeof client;
                const ssize_t n = recvfrom(front_, buffer, sizeof buffer, 0,
                                           reinterpret_cast<sockaddr*>(&client), &clientLength);
                if (n > 0 && !dropping_) {
                    send(back_, buffer, static_cast<size_t>(n), 0);
                } else if (n > 0) {
                    ++dropped_;
                }
            }
            if ((fds[1].revents & POLLIN) != 0) {
                const ssize_t n = recv(back_, buffer, sizeof buffer, 0);
                if (n > 0 && !dropping_ && clientLength > 0) {
                    sendto(front_, buffer, static_cast<size_t>(n), 0,
                           reinterpret_cast<sockaddr*>(&client), clientLength);
                }
            }
        }
    }

    int front_ = -1;
    int back_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> dropping_{false};
    std::atomic<int> dropped_{0};
    std::thread thread_;
};
