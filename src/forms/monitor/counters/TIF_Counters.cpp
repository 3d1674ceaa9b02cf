#include "forms/monitor/counters/TIF_Counters.h"

#include "forms/monitor/counters/QxCounterReader.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"

#include <cstdio>

namespace {

// The interfaces table, one list row per interface.
constexpr UISnmpVar InterfacesTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.2", "Description      ", sxDisplaystr, acReadonly},
    {},
};

// One interface's counters, read with a get of the interface's instance.
constexpr UISnmpVar InterfaceCounters[] = {
    {"1.3.6.1.2.1.2.2.1.1", "", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.2", "", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.11", "In Ucast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.12", "In NUcast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.15", "In Unknown Protos", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.17", "Out Ucast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.18", "Out NUcast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", sxCounter, acReadonly},
    {},
};

// Read with the counters: the interface's speed (variable 13), and over SNMPv2c and v3 its
// 64-bit counters and its speed in Mbit/s (variables 14 to 22).
constexpr UISnmpVar SpeedOnly[] = {
    {"1.3.6.1.2.1.2.2.1.5", "Speed", sxGuage, acReadonly},
    {},
};
constexpr UISnmpVar SpeedAndHighCapacity[] = {
    {"1.3.6.1.2.1.2.2.1.5", "Speed", sxGuage, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", sxGuage, acReadonly},
    {},
};
constexpr int SpeedVar = 13;
constexpr int HighSpeedVar = 22;

const std::vector<std::string> InterfaceRows = {
    "InOctets",  "InUcastPkts",  "InNUcastPkts",  "InDiscards",  "InErrors",  "InUnknownProtos",
    "OutOctets", "OutUcastPkts", "OutNUcastPkts", "OutDiscards", "OutErrors",
};

// Counter k is variable k + 2, after the interface's index and description.
const std::vector<int> InterfaceVars = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

// Per counter, the 64-bit variables whose sum stands for it (none: 32-bit only). The
// non-unicast packets are the multicast and the broadcast ones.
const std::vector<std::vector<int>> HighCapacityVars = {
    {14}, {15}, {16, 17}, {}, {}, {}, {18}, {19}, {20, 21}, {}, {},
};

constexpr int InOctetsRow = 0;
constexpr int OutOctetsRow = 6;
// The smallest Ethernet frame: the most packets a link can count per second is its speed
// over this many bits.
constexpr double SmallestFrameBits = 64 * 8;

std::string OneDecimal(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

TIF_Counters::TIF_Counters(QWidget* owner)
    : TRowChoiceMonitor(owner, InterfaceRows, InterfaceVars) {
    BuildControls();
    SetCaption("IF Counters : " + SnmpGlobal().device.address);
    // SNMPv1 has no Counter64: asking for one would fail the whole get.
    highCapacity_ = counters_->request.security.version != 0;
    StartListing(LV_IFTableIndex, ST_Index, ST_Descr, InterfacesTable, 0);
    if (LV_IFTableIndex->ColumnCount() == 2) {
        LV_IFTableIndex->Column(0)->SetWidth(60);
        LV_IFTableIndex->Column(1)->SetWidth(480);
    }
}

const std::vector<std::string>& TIF_Counters::MoreHeadings() {
    static const std::vector<std::string> headings = {"bit/s", "Utilization %"};
    return headings;
}

void TIF_Counters::BuildControls() {
    SetName("IF_Counters");
    SetWidth(694);
    SetHeight(548);
    // The right column runs the full height; the interfaces and the counters share the rest.
    PN_Main = new TPanel(this);
    PN_Main->SetName("PN_Main");
    PN_Main->SetBevelOuter(bvNone);
    BuildCommonControls(PN_Main);
    LV_Counters->AddColumn(MoreHeadings()[0], LV_Counters->Column(3)->Width());
    LV_Counters->AddColumn(MoreHeadings()[1], 90);
    PN_Main->SetAlign(alClient);

    PN_Interfaces = new TPanel(PN_Main);
    PN_Interfaces->SetName("PN_Interfaces");
    PN_Interfaces->SetBevelOuter(bvNone);
    PN_Interfaces->SetHeight(165);
    PN_Interfaces->SetAlign(alTop);

    LV_IFTableIndex = new TListView(PN_Interfaces);
    LV_IFTableIndex->SetName("LV_IFTableIndex");
    LV_IFTableIndex->SetBounds(2, 4, 580, 129);

    LB_Index = new TLabel(PN_Interfaces);
    LB_Index->SetCaption("Index");
    LB_Index->SetBounds(8, 140, 40, 16);
    ST_Index = new TStaticText(PN_Interfaces);
    ST_Index->SetName("ST_Index");
    ST_Index->SetAutoSize(false);
    ST_Index->SetBorderStyle(sbsSunken);
    ST_Index->SetBounds(52, 137, 60, 20);
    LB_Descr = new TLabel(PN_Interfaces);
    LB_Descr->SetCaption("Description");
    LB_Descr->SetBounds(130, 140, 70, 16);
    ST_Descr = new TStaticText(PN_Interfaces);
    ST_Descr->SetName("ST_Descr");
    ST_Descr->SetAutoSize(false);
    ST_Descr->SetBorderStyle(sbsSunken);
    ST_Descr->SetBounds(206, 137, 380, 20);

    BT_Refresh = new TButton(PN_Buttons);
    BT_Refresh->SetName("BT_Refresh");
    BT_Refresh->SetCaption("Refresh");
    BT_Refresh->OnClick = [this] { BT_RefreshClick(); };
    const int below = PlaceButtons(PlaceClockAndInterval(8) + 8);
    BT_Refresh->SetBounds(12, below, 75, 25);
}

void TIF_Counters::SetRowList(const std::string& caption) {
    SetCounterList(InterfaceCounters, MVT_SV, caption,
                   highCapacity_ ? SpeedAndHighCapacity : SpeedOnly);
}

std::vector<CounterSample> TIF_Counters::Samples(const std::vector<std::string>& row) const {
    const auto number = [&row](int var) -> std::optional<std::uint64_t> {
        if (var < 0 || static_cast<size_t>(var) >= row.size()) {
            return std::nullopt;
        }
        return CounterSampler::ReadCounter(row[static_cast<size_t>(var)]);
    };
    // ifSpeed tops out at 4294967295; ifHighSpeed (Mbit/s) then gives the real speed.
    speed_ = 0;
    if (const auto speed = number(SpeedVar)) {
        speed_ = static_cast<double>(*speed);
        if (*speed >= 4294967295ULL && highCapacity_) {
            if (const auto high = number(HighSpeedVar)) {
                speed_ = static_cast<double>(*high) * 1e6;
            }
        }
    }
    std::vector<CounterSample> samples = TCounterMonitor::Samples(row);
    for (size_t k = 0; k < samples.size(); ++k) {
        CounterSample& s = samples[k];
        const bool octets =
            static_cast<int>(k) == InOctetsRow || static_cast<int>(k) == OutOctetsRow;
        s.maxPerSecond = speed_ / (octets ? 8.0 : SmallestFrameBits);
        if (!highCapacity_ || k >= HighCapacityVars.size() || HighCapacityVars[k].empty()) {
            continue;
        }
        std::uint64_t sum = 0;
        bool all = true;
        for (int var : HighCapacityVars[k]) {
            const auto value = number(var);
            all = all && value.has_value();
            sum += value.value_or(0);
        }
        // An agent without the 64-bit counter keeps the 32-bit one.
        if (all) {
            s.present = true;
            s.value = sum;
            s.wide = true;
        }
    }
    return samples;
}

void TIF_Counters::ShowMore(int k, TListItem* item) {
    if (k != InOctetsRow && k != OutOctetsRow) {
        return;
    }
    if (sampler_.FigureOf(k) != CounterSampler::Figure::Measured) {
        if (sampler_.FigureOf(k) == CounterSampler::Figure::Missing) {
            item->SetSubItem(5, "(NULL)");
            item->SetSubItem(6, "(NULL)");
        }
        return;
    }
    const auto rate = sampler_.Rate(k);
    if (!rate) {
        return;
    }
    const std::string mark = sampler_.Uncertain(k) ? "\u2265" : "";
    const double bits = *rate * 8.0;
    item->SetSubItem(5, mark + OneDecimal(bits));
    item->SetSubItem(6, speed_ > 0 ? mark + OneDecimal(bits * 100.0 / speed_) : std::string());
}
