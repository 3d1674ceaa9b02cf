#pragma once

#include "forms/monitor/counters/TCounterMonitor.h"

#include <memory>

class QxSNMPRequest2Edits;

// The traffic counters of one interface of the device, chosen in the list of its interfaces.
// Choosing another interface (or Reset) empties the counters list; the next tick rebuilds it
// with zeros and primes the figures, the tick after fills them.
class TIF_Counters : public TCounterMonitor {
public:
    // Reads the interfaces table and starts on its first interface. A device without
    // interfaces gets "This device don't support it!" and the window closes when shown.
    explicit TIF_Counters(QWidget* owner);
    ~TIF_Counters() override;

    void BT_ResetClick() override;
    // A click that leaves a row selected moves monitoring to that interface.
    void LV_IFTableIndexClick();
    // Reads the interfaces table again; monitoring stays on the current interface.
    void BT_RefreshClick();

    QxSNMPRequest2Edits* InterfacesBinding() const { return interfaces_.get(); }

    TPanel* PN_Main = nullptr; // all but the right column
    TPanel* PN_Interfaces = nullptr;
    TListView* LV_IFTableIndex = nullptr;
    TLabel* LB_Index = nullptr;
    TStaticText* ST_Index = nullptr;
    TLabel* LB_Descr = nullptr;
    TStaticText* ST_Descr = nullptr;
    TButton* BT_Refresh = nullptr;

private:
    void BuildControls();
    bool ReadInterfaces();

    std::unique_ptr<QxSNMPRequest2Edits> interfaces_;
};
