#include "forms/monitor/counters/TScalarCounters.h"

#include "forms/monitor/counters/QxCounterReader.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/UISnmpVar.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TStatusBar.h"
#include "ui/toolkit/TTimer.h"

TScalarCounters::TScalarCounters(QWidget* owner, const Setup& setup)
    : TCounterMonitor(owner, Names(setup.rows), Indexes(setup.rows)) {
    SetWidth(setup.width);
    SetHeight(setup.height);
    BuildCommonControls(this);
    PlaceButtons(PlaceClockAndInterval(8) + 8);
    SetCaption(std::string(setup.title) + " : " + SnmpGlobal().device.address);

    SetCounterList(setup.table, MVT_FMV, {});
    counters_->SetReportTarget(StatusBar1->Panel(0));
    InitRows();
    running_ = setup.runEvenIfOpenFailed;
    Timer1->SetEnabled(true);
    // The opening read: polling starts when it was answered, or at once for the windows
    // that retry at every tick.
    opening_ = true;
    StartRead(setup.sampleAtOpen);
}

void TScalarCounters::ReadDone(bool answered) {
    if (opening_) {
        opening_ = false;
        running_ = running_ || answered;
    }
    TCounterMonitor::ReadDone(answered);
}

std::vector<std::string> TScalarCounters::Names(const char* const* rows) {
    std::vector<std::string> names;
    for (; *rows != nullptr; ++rows) {
        names.emplace_back(*rows);
    }
    return names;
}

// Counter k of a group is its variable k.
std::vector<int> TScalarCounters::Indexes(const char* const* rows) {
    std::vector<int> indexes;
    for (int k = 0; rows[k] != nullptr; ++k) {
        indexes.push_back(k);
    }
    return indexes;
}
