#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "forms/monitor/counters/TCounterMonitor.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxValueForms.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TTimer.h"

#include <QElapsedTimer>

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

    template <class Window> static std::unique_ptr<Window> Open() {
        auto form = std::make_unique<Window>(nullptr);
        form->Timer1->SetEnabled(false);
        return form;
    }

    inline static TestAgent* sim_ = nullptr;
};

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
