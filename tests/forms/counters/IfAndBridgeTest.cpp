#include "CounterTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "forms/monitor/counters/TIF_Counters.h"
#include "forms/monitor/counters/TIP_Counters.h"
#include "forms/monitor/counters/TTpBridgePortInfo_Table.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TChart.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TColors.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TPageControl.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Name = 0, Value = 1, Delta = 2, Rate = 3, Peak = 4;

using OnePortMonitors = CounterMonitorTest;

const std::vector<std::string> InterfaceRows = {
    "InOctets",  "InUcastPkts",  "InNUcastPkts",  "InDiscards",  "InErrors",  "InUnknownProtos",
    "OutOctets", "OutUcastPkts", "OutNUcastPkts", "OutDiscards", "OutErrors",
};

// Two ticks on the monitored interface or port: the first rebuilds the rows with zeros and
// primes, the second fills them; the value is checked against the device's counter.
void PrimeAndMeasure(TCounterMonitor& form, const TestAgent& agent, const std::string& oid,
                     int row) {
    const TListView& list = *form.LV_Counters;
    EXPECT_EQ(list.ItemCount(), 0);
    Poll(form);
    ASSERT_GT(list.ItemCount(), row);
    for (int column : {Value, Delta, Rate, Peak}) {
        EXPECT_EQ(Cell(list, row, column), "0");
    }
    const std::uint32_t firstTime = UpTimeOfLastRead(form);
    Spend(300);
    const std::uint64_t before = AgentValue(agent, oid);
    Poll(form);
    const std::uint64_t value = Number(Cell(list, row, Value));
    EXPECT_LE(before, value);
    EXPECT_LE(value, AgentValue(agent, oid));
    const std::uint64_t delta = Number(Cell(list, row, Delta));
    EXPECT_GT(delta, 0u);
    // Per second of the device's time between the two answers.
    const std::uint32_t elapsed = UpTimeOfLastRead(form) - firstTime;
    ASSERT_GT(elapsed, 0u);
    EXPECT_NEAR(RateOf(Cell(list, row, Rate)), delta * 100.0 / elapsed, 0.051);
}

TEST_F(OnePortMonitors, InterfaceCountersFollowTheChosenInterface) {
    auto form = Open<TIF_Counters>();
    EXPECT_EQ(form->Caption(), "IF Counters : 127.0.0.1");
    const TListView& interfaces = *form->LV_IFTableIndex;
    ASSERT_EQ(interfaces.ItemCount(), 28);
    EXPECT_EQ(HeadingsOf(interfaces), (std::vector<std::string>{"Index", "Description      "}));
    EXPECT_EQ(form->ST_Index->Caption(), "1");
    EXPECT_EQ(form->ST_Descr->Caption(), interfaces.Item(0)->SubItem(0));
    EXPECT_FALSE(form->ST_Descr->Caption().empty());
    std::vector<std::string> headings = TCounterMonitor::Headings();
    for (const std::string& more : TIF_Counters::MoreHeadings()) {
        headings.push_back(more);
    }
    EXPECT_EQ(HeadingsOf(*form->LV_Counters), headings);

    PrimeAndMeasure(*form, *sim_, "1.3.6.1.2.1.2.2.1.10.1", 0);
    EXPECT_EQ(Column(*form->LV_Counters, Name), InterfaceRows);

    // Choosing the third interface moves monitoring there.
    form->LV_IFTableIndex->SetSelected(interfaces.Item(2));
    form->LV_IFTableIndexClick();
    EXPECT_EQ(form->ST_Index->Caption(), "3");
    EXPECT_EQ(form->CountersBinding()->request.vars.Entry(2).oid, "1.3.6.1.2.1.2.2.1.10.3");
    PrimeAndMeasure(*form, *sim_, "1.3.6.1.2.1.2.2.1.16.3", 6);

    // Refresh reads the list again; monitoring goes on where it was.
    form->BT_Refresh->Click();
    EXPECT_TRUE(form->Listing());
    WaitOpened(*form);
    EXPECT_EQ(interfaces.ItemCount(), 28);
    EXPECT_EQ(form->ST_Index->Caption(), "3");
    const std::uint64_t before = Number(Cell(*form->LV_Counters, 6, Value));
    Spend(200);
    Poll(*form);
    EXPECT_GT(Number(Cell(*form->LV_Counters, 6, Value)), before);
}

TEST_F(OnePortMonitors, BridgePortChartHoldsTheLastNDeltas) {
    auto form = Open<TTpBridgePortInfo_Table>();
    EXPECT_EQ(form->Caption(), "Transparent Bridge Port Counter : 127.0.0.1");
    ASSERT_EQ(form->LV_TpBridge_Port_Index->ItemCount(), 28);
    EXPECT_EQ(form->ST_Index->Caption(), "1");
    EXPECT_EQ(form->ST_Descr->Caption(), "1500");
    EXPECT_EQ(form->PortsBinding()->request.retries, 5);
    EXPECT_EQ(form->PageControl1->PageCount(), 2);
    EXPECT_EQ(form->TS_Counters->Caption(), "Port Counter Table");
    EXPECT_EQ(form->TS_Traffic->Caption(), "Port Traffic");
    EXPECT_EQ(HeadingsOf(*form->LV_TpBridge_Port_Info), TCounterMonitor::Headings());

    TChart& chart = *form->CH_Utilization;
    ASSERT_EQ(chart.SeriesCount(), 3);
    const struct {
        const char* title;
        TColor color;
    } series[] = {
        {"Input Frames", clRed}, {"Output Frames", clGreen}, {"Discard Frames", clYellow}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(chart.Series(i)->Title(), series[i].title);
        EXPECT_EQ(chart.Series(i)->Color(), series[i].color);
        ASSERT_EQ(chart.Series(i)->Count(), 10);
        EXPECT_EQ(chart.Series(i)->Label(9), "");
        EXPECT_EQ(chart.Series(i)->Y(9), 0.0);
    }

    // 12 polls: the first primes, the next 11 give deltas, of which the last 10 are drawn,
    // oldest on the left.
    std::vector<std::vector<std::uint64_t>> deltas(3);
    for (int poll = 1; poll <= 12; ++poll) {
        Spend(40);
        Poll(*form);
        const TListView& list = *form->LV_TpBridge_Port_Info;
        ASSERT_EQ(list.ItemCount(), 3);
        if (poll == 1) {
            EXPECT_EQ(Column(list, Name), (std::vector<std::string>{"Input Frames", "Output Frames",
                                                                    "Discard Frames"}));
            continue;
        }
        for (int i = 0; i < 3; ++i) {
            deltas[static_cast<size_t>(i)].push_back(Number(Cell(list, i, Delta)));
        }
    }
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(series[i].title);
        const TChartSeries& s = *chart.Series(i);
        ASSERT_EQ(s.Count(), 10);
        ASSERT_EQ(form->HistoryOf(i).size(), 10u);
        for (int p = 0; p < 10; ++p) {
            EXPECT_EQ(s.Y(p), static_cast<double>(deltas[static_cast<size_t>(i)][p + 1])) << p;
            EXPECT_FALSE(s.Label(p).empty()) << p;
        }
    }
    std::uint64_t inputFrames = 0;
    for (std::uint64_t d : deltas[0]) {
        inputFrames += d;
    }
    EXPECT_GT(inputFrames, 0u);

    // Pause keeps the drawing.
    form->BT_Stop->Click();
    const double last = chart.Series(0)->Y(9);
    Spend(50);
    Poll(*form);
    EXPECT_EQ(chart.Series(0)->Y(9), last);
    form->BT_Start->Click();

    // 3D on and off.
    form->CK_U3D->Click();
    EXPECT_TRUE(chart.View3D());
    form->CK_U3D->Click();
    EXPECT_FALSE(chart.View3D());

    // A longer history starts again: 30 zero points, figures rebuilt at the next tick.
    form->CB_HistoryCount->SetText("30");
    form->CB_HistoryCountChange();
    EXPECT_EQ(form->HistoryLength(), 30);
    EXPECT_EQ(form->LV_TpBridge_Port_Info->ItemCount(), 0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(chart.Series(i)->Count(), 30);
        EXPECT_EQ(chart.Series(i)->Y(29), 0.0);
        EXPECT_EQ(chart.Series(i)->Label(29), "");
    }

    // Lengths below 1 or not whole numbers are refused; the length stays.
    const struct {
        const char* text;
        const char* message;
    } refused[] = {{"0", "The history length must be from 1 to 3600!"},
                   {"-10", "The history length must be from 1 to 3600!"},
                   {"ten", "'ten' is not a valid integer value"}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.text);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        form->CB_HistoryCount->SetText(r.text);
        form->CB_HistoryCountChange();
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text, r.message);
        EXPECT_EQ(form->HistoryLength(), 30);
        EXPECT_EQ(form->CB_HistoryCount->Text(), "30");
        EXPECT_EQ(chart.Series(0)->Count(), 30);
    }
}

TEST_F(OnePortMonitors, ChoosingABridgePortMovesMonitoringThere) {
    auto form = Open<TTpBridgePortInfo_Table>();
    PrimeAndMeasure(*form, *sim_, "1.3.6.1.2.1.17.4.4.1.3.1", 0);

    form->LV_TpBridge_Port_Index->SetSelected(form->LV_TpBridge_Port_Index->Item(4));
    form->LV_TpBridge_Port_IndexClick();
    EXPECT_EQ(form->ST_Index->Caption(), "5");
    EXPECT_EQ(form->CountersBinding()->request.vars.Entry(3).oid, "1.3.6.1.2.1.17.4.4.1.4.5");
    PrimeAndMeasure(*form, *sim_, "1.3.6.1.2.1.17.4.4.1.4.5", 1);
}

// The simulated device counts at fixed rates per port: port 1 receives 41 frames of 113
// octets a second (93 % of them unicast), the uplink port 27 20,000 frames of 1,500 octets.
// Over SNMPv1 the window reads the 32-bit counters, over SNMPv2c the 64-bit ones; the rates
// are per second of the device's time, within 5 % of what it counts.
TEST_F(OnePortMonitors, InterfaceRatesAreTheDevicesOwnInBothCounterWidths) {
    const struct {
        int version;
        bool highCapacity;
    } versions[] = {{0, false}, {1, true}};
    const struct {
        int row; // in the interfaces list
        int counter;
        double perSecond;
    } expected[] = {{0, 0, 41.0 * 113}, {0, 1, 41.0 * 0.93}, {26, 0, 20000.0 * 1500}};
    for (const auto& v : versions) {
        SCOPED_TRACE("version " + std::to_string(v.version));
        SnmpGlobal().security.version = static_cast<std::uint8_t>(v.version);
        auto form = Open<TIF_Counters>();
        EXPECT_EQ(form->AsksHighCapacity(), v.highCapacity);
        const TListView& list = *form->LV_Counters;
        for (const auto& e : expected) {
            SCOPED_TRACE("row " + std::to_string(e.row) + ", counter " + std::to_string(e.counter));
            form->LV_IFTableIndex->SetSelected(form->LV_IFTableIndex->Item(e.row));
            form->LV_IFTableIndexClick();
            Poll(*form);
            Spend(1000);
            Poll(*form);
            ASSERT_EQ(form->Sampler().FigureOf(e.counter), CounterSampler::Figure::Measured);
            EXPECT_EQ(form->Sampler().Wide(e.counter), v.highCapacity);
            const double rate = RateOf(Cell(list, e.counter, Rate));
            EXPECT_NEAR(rate, e.perSecond, e.perSecond * 0.05);
            // One decimal.
            const std::string text = Cell(list, e.counter, Rate);
            ASSERT_GE(text.size(), 3u);
            EXPECT_EQ(text[text.size() - 2], '.') << text;
            if (e.counter == 0) {
                // Octets: the bit rate, and the share of the port's speed it uses.
                const double speed = e.row == 26 ? 1e9 : 1e8;
                EXPECT_DOUBLE_EQ(form->Speed(), speed);
                EXPECT_NEAR(RateOf(Cell(list, 0, 6)), rate * 8, 0.5); // both shown to 0.1
                EXPECT_NEAR(RateOf(Cell(list, 0, 7)), rate * 8 * 100 / speed, 0.051);
            }
        }
    }
}

// A slow device whose answers come 0.2 to 1.2 s late, polled at 1 s: every sample's rate is
// the device's own within 5 %, and no read follows another sooner than one interval after its
// answer (no burst of reads that fell due while one waited).
TEST_F(OnePortMonitors, LateAnswersGiveTrueRatesAndNoBursts) {
    TestAgent slow(TestAgent::Kind::Simulator, {"--delay-ms", "200", "--jitter-ms", "1000"});
    PointModuleAt(slow.Port());
    const struct {
        const char* name;
        std::function<std::unique_ptr<TCounterMonitor>()> open;
        int counter;
        double perSecond;
    } windows[] = {
        // The interfaces list is walked one row per exchange: 28 slow exchanges.
        {"IF, port 1 octets",
         [] { return std::unique_ptr<TCounterMonitor>(Open<TIF_Counters>(60000)); }, 0, 41.0 * 113},
        {"IP, received datagrams",
         [] { return std::unique_ptr<TCounterMonitor>(Open<TIP_Counters>()); }, 0, 40.0},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        std::unique_ptr<TCounterMonitor> form = w.open();
        std::vector<double> rates;
        std::vector<std::uint64_t> elapsed;
        int seen = form->Sampler().SampleCount();
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const CounterSampler& sampler = form->Sampler();
            if (sampler.SampleCount() == seen) {
                return;
            }
            seen = sampler.SampleCount();
            if (sampler.FigureOf(w.counter) == CounterSampler::Figure::Measured &&
                sampler.Rate(w.counter)) {
                rates.push_back(*sampler.Rate(w.counter));
                elapsed.push_back(sampler.Elapsed());
            }
        });
        watch.start(5);
        form->Timer1->SetEnabled(true);
        EXPECT_TRUE(WaitUntil([&] { return rates.size() >= 4; }, 20000));
        form->Timer1->SetEnabled(false);
        watch.stop();
        for (size_t i = 0; i < rates.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(rates[i], w.perSecond, w.perSecond * 0.05);
            EXPECT_GE(elapsed[i], 95u); // hundredths of the device's time
        }
    }
}

// Arrow keys in the interfaces list move monitoring as a click does.
TEST_F(OnePortMonitors, KeyboardSelectionMovesMonitoring) {
    auto form = Open<TIF_Counters>();
    form->show();
    TListView& interfaces = *form->LV_IFTableIndex;
    interfaces.SetFocus();
    QTest::keyClick(&interfaces, Qt::Key_Down);
    EXPECT_EQ(form->Monitored(), "2");
    EXPECT_EQ(form->ST_Index->Caption(), "2");
    EXPECT_EQ(form->CountersBinding()->request.vars.Entry(2).oid, "1.3.6.1.2.1.2.2.1.10.2");
    QTest::keyClick(&interfaces, Qt::Key_Down);
    QTest::keyClick(&interfaces, Qt::Key_Down);
    EXPECT_EQ(form->Monitored(), "4");
    EXPECT_EQ(form->ST_Index->Caption(), "4");
    PrimeAndMeasure(*form, *sim_, "1.3.6.1.2.1.2.2.1.10.4", 0);

    auto bridge = Open<TTpBridgePortInfo_Table>();
    bridge->show();
    bridge->LV_TpBridge_Port_Index->SetFocus();
    QTest::keyClick(bridge->LV_TpBridge_Port_Index, Qt::Key_Down);
    EXPECT_EQ(bridge->Monitored(), "2");
    EXPECT_EQ(bridge->CountersBinding()->request.vars.Entry(2).oid, "1.3.6.1.2.1.17.4.4.1.3.2");
}

// Export writes the figures with the agent time of the sample, and the bridge window its
// history, one point per line.
TEST_F(OnePortMonitors, ExportSavesFiguresAndHistoryAsCsv) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("port.csv")).toStdString();
    std::string suggested;
    const auto ask = TCounterMonitor::AskExportFile;
    TCounterMonitor::AskExportFile = [&](QWidget*, const std::string& name) {
        suggested = name;
        return path;
    };
    auto form = Open<TTpBridgePortInfo_Table>();
    for (int poll = 0; poll < 3; ++poll) {
        Spend(100);
        Poll(*form);
    }
    form->BT_Export->Click();
    TCounterMonitor::AskExportFile = ask;
    EXPECT_EQ(suggested, "TpBridgePortInfo_Table.csv");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2 + 3 + 2 + 30);
    EXPECT_EQ(lines[0], QStringLiteral("Transparent Bridge Port Counter : 127.0.0.1"));
    EXPECT_EQ(lines[1], QStringLiteral("Name,Value,Delta,Rate,Peak,Peak Occured at,Agent time "
                                       "(1/100 s),Sampled at"));
    const QString upTime = QString::number(form->Sampler().UpTime());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Input Frames,")));
    EXPECT_TRUE(lines[2].contains(QLatin1Char(',') + upTime + QLatin1Char(',')))
        << lines[2].toStdString();
    EXPECT_EQ(lines[6], QStringLiteral("History,Point,Delta,Time,Agent time (1/100 s)"));
    // 10 points per counter; the newest two carry deltas and their agent times.
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("Input Frames,0,0,,")));
    EXPECT_TRUE(lines[16].startsWith(QStringLiteral("Input Frames,9,")));
    EXPECT_TRUE(lines[16].endsWith(upTime)) << lines[16].toStdString();
    EXPECT_TRUE(lines[36].startsWith(QStringLiteral("Discard Frames,9,")));
    EXPECT_NE(StatusText(*form).find("Exported to "), std::string::npos);
}

// A device that does not answer when the window opens is reported as such, not as one
// without interfaces.
TEST_F(OnePortMonitors, ASilentDeviceAtOpeningIsReportedAsSilent) {
    PointModuleAt(FreeUdpPort());
    SnmpGlobal().timeout = 20;
    MessageScript::Push(mrOk);
    auto form = std::make_unique<TIF_Counters>(nullptr);
    EXPECT_TRUE(WaitUntil([] { return !MessageScript::Log().empty(); }, 10000));
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "The device does not answer!");
    EXPECT_FALSE(form->Supported());
    EXPECT_FALSE(form->Timer1->Enabled());
}

// A device without interfaces or bridge ports: the window says so and closes; the module
// goes on.
TEST_F(OnePortMonitors, AnEmptyListClosesOnlyTheWindow) {
    TestAgent bare(TestAgent::Kind::Snmpd, {"-I", "-interfaces,ifTable,ifXTable"});
    PointModuleAt(bare.Port());
    const struct {
        const char* name;
        std::function<std::unique_ptr<TCounterMonitor>()> open;
    } windows[] = {
        {"IF", [] { return std::unique_ptr<TCounterMonitor>(new TIF_Counters(nullptr)); }},
        {"bridge",
         [] { return std::unique_ptr<TCounterMonitor>(new TTpBridgePortInfo_Table(nullptr)); }},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        std::unique_ptr<TCounterMonitor> form = w.open();
        EXPECT_TRUE(WaitUntil([] { return !MessageScript::Log().empty(); }, 10000));
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text, "This device don't support it!");
        EXPECT_FALSE(form->Supported());
        EXPECT_FALSE(form->Timer1->Enabled());

        // Shown modally, it closes by itself; a guard closes it otherwise.
        bool guarded = false;
        QTimer::singleShot(3000, form.get(), [&] {
            guarded = true;
            form->Close();
        });
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(form->ShowModal(), mrCancel);
        EXPECT_FALSE(guarded);
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_FALSE(Application().Terminated());
        EXPECT_FALSE(form->isVisible());
    }
}

} // namespace
