#include "forms/monitor/counters/TIF_Counters.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "forms/monitor/counters/QxCounterReader.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TTimer.h"

#include <exception>

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

const std::vector<std::string> InterfaceRows = {
    "InOctets",  "InUcastPkts",  "InNUcastPkts",  "InDiscards",  "InErrors",  "InUnknownProtos",
    "OutOctets", "OutUcastPkts", "OutNUcastPkts", "OutDiscards", "OutErrors",
};

// Counter k is variable k + 2, after the interface's index and description.
const std::vector<int> InterfaceVars = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

} // namespace

TIF_Counters::TIF_Counters(QWidget* owner) : TCounterMonitor(owner, InterfaceRows, InterfaceVars) {
    primeShowsValue = false;
    BuildControls();
    SetCaption("IF Counters : " + SnmpGlobal().device.address);

    interfaces_ = std::make_unique<QxSNMPRequest2Edits>(this);
    interfaces_->mode = QxSNMPRequest2Controls::Synchronous;
    interfaces_->request.vars.Assign(QxSNMPVarList(InterfacesTable, MVT_UMV, 1));
    interfaces_->AttachListView(LV_IFTableIndex, false);
    if (LV_IFTableIndex->ColumnCount() == 2) {
        LV_IFTableIndex->Column(0)->SetWidth(60);
        LV_IFTableIndex->Column(1)->SetWidth(480);
    }
    interfaces_->BindControl(0, ST_Index);
    interfaces_->BindControl(1, ST_Descr);
    interfaces_->SetReportTarget(StatusBar1->Panel(0));
    counters_->SetReportTarget(StatusBar1->Panel(0));
    ReadInterfaces();
    if (LV_IFTableIndex->ItemCount() == 0) {
        Unsupported();
        return;
    }
    // The first interface of the list, whatever its index.
    TListItem* first = LV_IFTableIndex->Item(0);
    LV_IFTableIndex->SetSelected(first);
    first->MakeCurrent();
    ST_Index->SetCaption(first->Caption());
    ST_Descr->SetCaption(first->SubItem(0));
    SetCounterList(InterfaceCounters, MVT_SV, ST_Index->Caption());
    ClearRows();
    running_ = true;
    Timer1->SetEnabled(true);
}

TIF_Counters::~TIF_Counters() {
    Timer1->SetEnabled(false);
    interfaces_.reset();
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
    PN_Main->SetAlign(alClient);

    PN_Interfaces = new TPanel(PN_Main);
    PN_Interfaces->SetName("PN_Interfaces");
    PN_Interfaces->SetBevelOuter(bvNone);
    PN_Interfaces->SetHeight(165);
    PN_Interfaces->SetAlign(alTop);

    LV_IFTableIndex = new TListView(PN_Interfaces);
    LV_IFTableIndex->SetName("LV_IFTableIndex");
    LV_IFTableIndex->SetBounds(2, 4, 580, 129);
    LV_IFTableIndex->OnClick = [this] { LV_IFTableIndexClick(); };

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
    const int below = PlaceClockAndInterval(8);
    PlaceButtons(below + 8);
    BT_Refresh->SetBounds(12, below + 8 + 4 * 33, 75, 25);
}

bool TIF_Counters::ReadInterfaces() {
    if (reading_) {
        return false;
    }
    reading_ = true;
    bool read = true;
    try {
        interfaces_->Get();
    } catch (const std::exception& error) {
        interfaces_->Report(error.what());
        read = false;
    }
    reading_ = false;
    return read;
}

void TIF_Counters::BT_ResetClick() {
    if (reading_) {
        return;
    }
    running_ = false;
    SetCounterList(InterfaceCounters, MVT_SV, ST_Index->Caption());
    ClearRows();
    running_ = true;
}

void TIF_Counters::LV_IFTableIndexClick() {
    if (LV_IFTableIndex->Selected() != nullptr) {
        BT_ResetClick();
    }
}

void TIF_Counters::BT_RefreshClick() {
    if (!ReadInterfaces()) {
        return;
    }
    if (LV_IFTableIndex->ItemCount() > 0) {
        LV_IFTableIndex->Item(0)->MakeCurrent();
        LV_IFTableIndex->SetFocus();
    }
}
