#pragma once

#include "forms/monitor/counters/TCounterMonitor.h"

#include <memory>
#include <string>

class QxSNMPRequest2Edits;

// A monitor of one row of a device table (an interface, a bridge port), chosen in a list of
// the table's rows. The list is walked asynchronously when the window opens and on Refresh;
// choosing a row by click or by keyboard moves monitoring to it.
class TRowChoiceMonitor : public TCounterMonitor {
public:
    ~TRowChoiceMonitor() override;

    // Monitoring starts again on the row being monitored.
    void BT_ResetClick() override;
    // A click that leaves a row selected starts monitoring that row again.
    void ListClick();
    // Reads the list again.
    void BT_RefreshClick();

    // Whether the list is being read.
    bool Listing() const { return listing_; }
    // The caption (index) of the row being monitored.
    const std::string& Monitored() const { return monitored_; }
    QxSNMPRequest2Edits* ListBinding() const { return list_.get(); }

protected:
    TRowChoiceMonitor(QWidget* owner, std::vector<std::string> rowNames,
                      std::vector<int> counterVars);

    // Binds the list and its two texts, and starts reading the list; monitoring starts on its
    // first row when it has arrived.
    void StartListing(TListView* list, TStaticText* index, TStaticText* descr,
                      const UISnmpVar* table, int retries);
    // Gives the counters binding the variables of row `caption`.
    virtual void SetRowList(const std::string& caption) = 0;
    // After the rows were emptied for a new start (a window's history follows).
    virtual void Restarted() {}
    // After Refresh has read the list again.
    virtual void Refreshed();

    void StopReading() override;
    // Monitoring starts again on the row with this caption.
    void MonitorRow(const std::string& caption);

    TListView* chooser_ = nullptr;
    TStaticText* index_ = nullptr;
    TStaticText* descr_ = nullptr;

private:
    void ListRead(const QxSNMPError& result);
    void SelectionChanged(TListItem* item, bool selected);

    std::unique_ptr<QxSNMPRequest2Edits> list_;
    std::string monitored_;
    bool opening_ = true;
    bool listing_ = false;
};
