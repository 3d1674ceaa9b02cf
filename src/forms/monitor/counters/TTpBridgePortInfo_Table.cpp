#include "forms/monitor/counters/TTpBridgePortInfo_Table.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TChart.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TColors.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPageControl.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TTimer.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLocale>
#include <QTime>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The bridge's port table; the port list walks it, the counters get one port's row.
constexpr UISnmpVar PortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.4.4.1.2", "Port Max Info", sxInteger, acReadonly},
    {"1.3.6.1.2.1.17.4.4.1.3", "Port In Frames", sxCounter, acReadonly},
    {"1.3.6.1.2.1.17.4.4.1.4", "Port Out Frames", sxCounter, acReadonly},
    {"1.3.6.1.2.1.17.4.4.1.5", "Port In Discards", sxCounter, acReadonly},
    {},
};

const std::vector<std::string> PortRows = {"Input Frames", "Output Frames", "Discard Frames"};
const std::vector<int> PortVars = {2, 3, 4};
const TColor SeriesColors[] = {clRed, clGreen, clYellow};

// The port list's request waits longer for a slow bridge.
constexpr int PortListRetries = 5;
constexpr int LongestHistory = 3600;

// The time of day in the long format without the time zone: under the chart's narrow
// points a zone name would only push the label past the room it has and get it cut.
std::string PointTime() {
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime::currentTime(), format.trimmed()).toStdString();
}

} // namespace

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(QWidget* owner)
    : TRowChoiceMonitor(owner, PortRows, PortVars) {
    BuildControls();
    SetCaption("Transparent Bridge Port Counter : " + SnmpGlobal().device.address);
    for (int i = 0; i < Counters; ++i) {
        series_[static_cast<size_t>(i)] =
            CH_Utilization->AddSeries(PortRows[static_cast<size_t>(i)], SeriesColors[i]);
    }
    ResetHistory();
    StartListing(LV_TpBridge_Port_Index, ST_Index, ST_Descr, PortTable, PortListRetries);
}

void TTpBridgePortInfo_Table::BuildControls() {
    SetName("TpBridgePortInfo_Table");
    SetWidth(564);
    SetHeight(495);
    // The right column runs the full height; the port list and the pages share the rest.
    PN_Main = new TPanel(this);
    PN_Main->SetName("PN_Main");
    PN_Main->SetBevelOuter(bvNone);
    PageControl1 = new TPageControl(PN_Main);
    TS_Counters = new TTabSheet(PageControl1);
    TS_Counters->SetCaption("Port Counter Table");
    TS_Traffic = new TTabSheet(PageControl1);
    TS_Traffic->SetCaption("Port Traffic");
    BuildCommonControls(TS_Counters);
    PN_Buttons->SetWidth(98);
    PN_Main->SetAlign(alClient);
    LV_TpBridge_Port_Info = LV_Counters;
    LV_TpBridge_Port_Info->SetName("LV_TpBridge_Port_Info");
    Button1 = BT_Exit;
    Button1->SetName("Button1");

    PN_Ports = new TPanel(PN_Main);
    PN_Ports->SetName("PN_Ports");
    PN_Ports->SetBevelOuter(bvNone);
    PN_Ports->SetHeight(153);
    PN_Ports->SetAlign(alTop);

    LV_TpBridge_Port_Index = new TListView(PN_Ports);
    LV_TpBridge_Port_Index->SetName("LV_TpBridge_Port_Index");
    LV_TpBridge_Port_Index->SetBounds(2, 4, 462, 112);
    LB_Index = new TLabel(PN_Ports);
    LB_Index->SetCaption("Port Number");
    LB_Index->SetBounds(8, 127, 76, 16);
    ST_Index = new TStaticText(PN_Ports);
    ST_Index->SetName("ST_Index");
    ST_Index->SetAutoSize(false);
    ST_Index->SetBorderStyle(sbsSunken);
    ST_Index->SetBounds(88, 124, 60, 20);
    LB_Descr = new TLabel(PN_Ports);
    LB_Descr->SetCaption("Max  Info ");
    LB_Descr->SetBounds(170, 127, 60, 16);
    ST_Descr = new TStaticText(PN_Ports);
    ST_Descr->SetName("ST_Descr");
    ST_Descr->SetAutoSize(false);
    ST_Descr->SetBorderStyle(sbsSunken);
    ST_Descr->SetBounds(234, 124, 80, 20);

    PageControl1->SetAlign(alClient);

    CH_Utilization = new TChart(TS_Traffic);
    CH_Utilization->SetName("CH_Utilization");
    CH_Utilization->SetAlign(alClient);

    // The column: clock, Refresh, interval, history length, 3D, then the four buttons.
    int y = 8;
    LB_Time->SetCaption("System Time:");
    LB_Time->SetBounds(8, y, 84, 16);
    ST_Time->SetBounds(8, y + 18, 84, 20);
    y += 46;
    BT_Refresh = new TButton(PN_Buttons);
    BT_Refresh->SetName("BT_Refresh");
    BT_Refresh->SetCaption("Refresh");
    BT_Refresh->SetBounds(12, y, 75, 25);
    BT_Refresh->OnClick = [this] { BT_RefreshClick(); };
    y += 33;
    LB_Interval->SetBounds(8, y, 84, 16);
    CB_Interval->SetBounds(8, y + 18, 84, 22);
    y += 48;
    LB_Count = new TLabel(PN_Buttons);
    LB_Count->SetCaption("Count");
    LB_Count->SetBounds(8, y, 84, 16);
    CB_HistoryCount = new TComboBox(PN_Buttons);
    CB_HistoryCount->SetName("CB_HistoryCount");
    CB_HistoryCount->SetStyle(csDropDown);
    CB_HistoryCount->SetItems({"10", "20", "30", "60", "120"});
    CB_HistoryCount->SetItemIndex(0);
    CB_HistoryCount->SetBounds(8, y + 18, 84, 22);
    CB_HistoryCount->OnChange = [this] { CB_HistoryCountChange(); };
    y += 48;
    CK_U3D = new TCheckBox(PN_Buttons);
    CK_U3D->SetName("CK_U3D");
    CK_U3D->SetCaption("3D Line");
    CK_U3D->SetBounds(8, y, 84, 20);
    CK_U3D->OnClick = [this] { CK_U3DClick(); };
    PlaceButtons(y + 28);
}

void TTpBridgePortInfo_Table::SetRowList(const std::string& caption) {
    SetCounterList(PortTable, MVT_SV, caption);
}

void TTpBridgePortInfo_Table::Restarted() {
    ResetHistory();
}

// The first port is chosen again after the list was read anew.
void TTpBridgePortInfo_Table::Refreshed() {
    if (LV_TpBridge_Port_Index->ItemCount() == 0) {
        return;
    }
    TListItem* first = LV_TpBridge_Port_Index->Item(0);
    LV_TpBridge_Port_Index->SetSelected(first);
    first->MakeCurrent();
    LV_TpBridge_Port_Index->SetFocus();
    ST_Index->SetCaption(first->Caption());
    ST_Descr->SetCaption(first->SubItem(0));
    MonitorRow(first->Caption());
}

void TTpBridgePortInfo_Table::CB_HistoryCountChange() {
    long length = 0;
    if (!ReadWholeNumber(CB_HistoryCount->Text(), 1, LongestHistory,
                         "The history length must be from 1 to 3600!", length)) {
        CB_HistoryCount->SetText(std::to_string(historyLength_));
        return;
    }
    historyLength_ = static_cast<int>(length);
    if (Monitored().empty()) {
        ResetHistory();
    } else {
        BT_ResetClick();
    }
}

void TTpBridgePortInfo_Table::CK_U3DClick() {
    CH_Utilization->SetView3D(CK_U3D->Checked());
}

void TTpBridgePortInfo_Table::ResetHistory() {
    for (History& h : history_) {
        h.assign(static_cast<size_t>(historyLength_), HistoryData{});
    }
    DrawChart();
}

void TTpBridgePortInfo_Table::AfterSample(CounterSampler::Outcome outcome) {
    // Only a measured poll has deltas; priming and a restart of the device add no point.
    if (outcome == CounterSampler::Outcome::Measured) {
        const std::string now = PointTime();
        for (int i = 0; i < Counters; ++i) {
            History& h = history_[static_cast<size_t>(i)];
            while (!h.empty() && h.size() >= static_cast<size_t>(historyLength_)) {
                h.pop_front();
            }
            h.push_back({sampler_.State(i).delta, now, std::to_string(sampler_.UpTime())});
        }
    }
    DrawChart();
}

void TTpBridgePortInfo_Table::DrawChart() {
    // Deltas are whole numbers: the value axis gets ticks at whole, round steps from 0.
    std::uint64_t highest = 0;
    for (const History& h : history_) {
        for (const HistoryData& point : h) {
            highest = std::max(highest, point.value);
        }
    }
    double step = 1.0;
    while (step * 5 < static_cast<double>(highest)) {
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        step *= mantissa < 1.5 ? 2.0 : (mantissa < 3.0 ? 2.5 : 2.0);
    }
    for (QAbstractAxis* axis : CH_Utilization->chart()->axes(Qt::Vertical)) {
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            values->setTickType(QValueAxis::TicksDynamic);
            values->setTickAnchor(0.0);
            values->setTickInterval(step);
            values->setLabelFormat(QStringLiteral("%.0f"));
        }
    }
    // Every line is handed over whole: the chart redraws once per line, not once per point.
    std::vector<double> ys;
    std::vector<std::string> labels;
    for (int i = 0; i < Counters; ++i) {
        TChartSeries* series = series_[static_cast<size_t>(i)];
        if (series == nullptr) {
            continue;
        }
        const History& h = history_[static_cast<size_t>(i)];
        ys.clear();
        labels.clear();
        ys.reserve(h.size());
        labels.reserve(h.size());
        for (const HistoryData& point : h) {
            ys.push_back(static_cast<double>(point.value));
            labels.push_back(point.time);
        }
        series->SetPoints(ys, labels);
    }
}

std::string TTpBridgePortInfo_Table::ExportText() const {
    std::string csv = TCounterMonitor::ExportText();
    csv += "\nHistory,Point,Delta,Time,Agent time (1/100 s)\n";
    for (int i = 0; i < Counters; ++i) {
        int n = 0;
        for (const HistoryData& point : history_[static_cast<size_t>(i)]) {
            csv += CsvField(PortRows[static_cast<size_t>(i)]) + "," + std::to_string(n++) + "," +
                   std::to_string(point.value) + "," + CsvField(point.time) + "," +
                   CsvField(point.agentTime) + "\n";
        }
    }
    return csv;
}
