#pragma once

#include "forms/monitor/counters/HistoryData.h"
#include "forms/monitor/counters/TRowChoiceMonitor.h"

#include <array>
#include <deque>
#include <memory>

class QxSNMPRequest2Edits;
class TChart;
class TChartSeries;
class TCheckBox;
class TPageControl;
class TTabSheet;

// The frame counters of one port of the transparent bridge (input, output and discarded
// input frames), with the deltas of the last N polls drawn as three lines on a second page.
class TTpBridgePortInfo_Table : public TRowChoiceMonitor {
public:
    static constexpr int Counters = 3;
    using History = std::deque<HistoryData>;

    // Reads the bridge's port list and starts on its first port. A bridge without ports gets
    // "This device don't support it!" and the window closes when shown.
    explicit TTpBridgePortInfo_Table(QWidget* owner);

    // A click that leaves a row selected moves monitoring to that port.
    void LV_TpBridge_Port_IndexClick() { ListClick(); }
    void CB_HistoryCountChange();
    void CK_U3DClick();

    int HistoryLength() const { return historyLength_; }
    const History& HistoryOf(int counter) const { return history_[static_cast<size_t>(counter)]; }
    QxSNMPRequest2Edits* PortsBinding() const { return ListBinding(); }
    // The figures, then the history of every counter with the agent time of each point.
    std::string ExportText() const override;

    TPanel* PN_Main = nullptr; // all but the right column
    TPanel* PN_Ports = nullptr;
    TListView* LV_TpBridge_Port_Index = nullptr;
    TLabel* LB_Index = nullptr;
    TStaticText* ST_Index = nullptr;
    TLabel* LB_Descr = nullptr;
    TStaticText* ST_Descr = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TS_Counters = nullptr;
    TTabSheet* TS_Traffic = nullptr;
    TListView* LV_TpBridge_Port_Info = nullptr; // the counters list
    TChart* CH_Utilization = nullptr;
    TButton* BT_Refresh = nullptr;
    TLabel* LB_Count = nullptr;
    TComboBox* CB_HistoryCount = nullptr;
    TCheckBox* CK_U3D = nullptr;
    TButton* Button1 = nullptr; // Exit

protected:
    void AfterSample(CounterSampler::Outcome outcome) override;
    void SetRowList(const std::string& caption) override;
    void Restarted() override;
    void Refreshed() override;

private:
    void BuildControls();
    // N zero points with empty labels per counter, and the chart drawn from them.
    void ResetHistory();
    void DrawChart();

    std::array<History, Counters> history_;
    std::array<TChartSeries*, Counters> series_{};
    int historyLength_ = 10;
};
