#pragma once

#include "forms/monitor/counters/TRowChoiceMonitor.h"

// The traffic counters of one interface of the device, chosen in the list of its interfaces.
// Choosing another interface (or Reset) empties the counters list; the next answer rebuilds it
// with zeros and primes the figures, the answer after fills them.
//
// Over SNMPv2c and v3 the octet and packet counters are read from the 64-bit counters of the
// interface's ifXTable entry where the agent serves them, and from the 32-bit ones otherwise
// (always over SNMPv1, which has no Counter64). The octet rows also show the bit rate and,
// where the interface's speed is known, its utilisation.
class TIF_Counters : public TRowChoiceMonitor {
public:
    // Reads the interfaces table and starts on its first interface. A device without
    // interfaces gets "This device don't support it!" and the window closes when shown.
    explicit TIF_Counters(QWidget* owner);

    void LV_IFTableIndexClick() { ListClick(); }

    QxSNMPRequest2Edits* InterfacesBinding() const { return ListBinding(); }
    // Whether the reads ask for the 64-bit counters.
    bool AsksHighCapacity() const { return highCapacity_; }
    // The interface's speed in bit/s from the latest answer; 0 when unknown.
    double Speed() const { return speed_; }

    // Headings of the columns after the six of every monitor.
    static const std::vector<std::string>& MoreHeadings();

    TPanel* PN_Main = nullptr; // all but the right column
    TPanel* PN_Interfaces = nullptr;
    TListView* LV_IFTableIndex = nullptr;
    TLabel* LB_Index = nullptr;
    TStaticText* ST_Index = nullptr;
    TLabel* LB_Descr = nullptr;
    TStaticText* ST_Descr = nullptr;
    TButton* BT_Refresh = nullptr;

protected:
    void SetRowList(const std::string& caption) override;
    std::vector<CounterSample> Samples(const std::vector<std::string>& row) const override;
    void ShowMore(int k, TListItem* item) override;

private:
    void BuildControls();

    bool highCapacity_ = false;
    mutable double speed_ = 0;
};
