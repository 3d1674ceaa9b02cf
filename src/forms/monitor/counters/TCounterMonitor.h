#pragma once

#include "forms/monitor/counters/CounterSampler.h"
#include "ui/toolkit/TForm.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QxCounterReader;
class QxSNMPVarList;
class TButton;
class TComboBox;
class TLabel;
class TListView;
class TPanel;
class TStaticText;
class TStatusBar;
class TTimer;
struct UISnmpVar;

// What the counter monitors share: the clock, the poll interval, Start, Pause, Reset and Exit,
// the six-column counters list, the status bar, the timer, and the sampling engine fed by one
// synchronous counters binding. A window differs by the variables it reads, its row names and
// its start.
//
// Every read also fetches the agent's sysUpTime.0, so that rates follow the agent's clock and
// a restarted device is recognised. A read blocks the window for at most the request's
// (retries + 1) x time-out; a tick that comes while a read is still running is skipped.
class TCounterMonitor : public TForm {
public:
    ~TCounterMonitor() override;

    // A timer tick: the clock, then, when running, one read and sampling step.
    void Timer1Timer();
    void CB_IntervalChange();
    virtual void BT_ResetClick();
    void BT_StartClick() { running_ = true; }
    void BT_StopClick() { running_ = false; }

    bool Running() const { return running_; }
    int IntervalMs() const { return intervalMs_; }
    const CounterSampler& Sampler() const { return sampler_; }
    QxCounterReader* CountersBinding() const { return counters_.get(); }
    // Whether the window found what it monitors; when not, it closes as soon as it is shown.
    bool Supported() const { return supported_; }

    TPanel* PN_Buttons = nullptr; // the column on the right
    TLabel* LB_Time = nullptr;
    TStaticText* ST_Time = nullptr;
    TLabel* LB_Interval = nullptr;
    TComboBox* CB_Interval = nullptr;
    TButton* BT_Reset = nullptr;
    TButton* BT_Start = nullptr;
    TButton* BT_Stop = nullptr;
    TButton* BT_Exit = nullptr;
    TListView* LV_Counters = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TTimer* Timer1 = nullptr;

    // The headings of the counters list.
    static const std::vector<std::string>& Headings();

protected:
    // `counterVars` gives, per shown row, the variable of the counters list it is read from.
    TCounterMonitor(QWidget* owner, std::vector<std::string> rowNames,
                    std::vector<int> counterVars);

    // The controls every monitor has, without their places; `listParent` holds the list.
    void BuildCommonControls(QWidget* listParent);
    // Lays the clock, the interval and the four buttons out in the column from `top` on;
    // returns the position below the interval box, where a window may put more.
    int PlaceClockAndInterval(int top);
    void PlaceButtons(int top);

    // Gives the counters binding a fresh list from the descriptor table, with an instance
    // suffix for a one-row get; the agent's sysUpTime is added as the last variable.
    void SetCounterList(const UISnmpVar* table, std::uint8_t kind, const std::string& suffix);

    // Reads the counters once and, with `sample`, runs the sampling step. Errors go to the
    // status bar; false then, or when a read was already running.
    bool ReadAndSample(bool sample = true);
    // Rows with "0" figures and the time of day, and the engine at zero.
    void InitRows();
    // For windows that rebuild their rows at the next step (interface or port chosen).
    void ClearRows();
    // Called after each successful sampling step.
    virtual void AfterSample(CounterSampler::Outcome outcome);
    // The priming sample writes the value column (scalar groups) or nothing (one interface
    // or port: its rows were just rebuilt with zeros).
    bool primeShowsValue = true;

    // The empty-table case: tells the user, and closes this window (only) once it is shown.
    void Unsupported();

    static std::string TimeOfDay();
    // Refuses a text that is not a whole number from `low` to `high` with a message box.
    static bool ReadWholeNumber(const std::string& text, long low, long high,
                                const std::string& rangeMessage, long& value);

    std::unique_ptr<QxCounterReader> counters_;
    CounterSampler sampler_;
    std::vector<std::string> rowNames_;
    std::vector<int> counterVars_;
    bool running_ = false;
    bool reading_ = false;
    bool supported_ = true;
    int intervalMs_ = 1000;

private:
    void SampleStep();
    void ShowStep(CounterSampler::Outcome outcome);
};
