#pragma once

#include "forms/monitor/counters/CounterSampler.h"
#include "ui/toolkit/TForm.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QxCounterReader;
class QxSNMPRequest2Controls;
struct QxSNMPError;
class QxSNMPVarList;
class TButton;
class TComboBox;
class TLabel;
class TListItem;
class TListView;
class TPanel;
class TStaticText;
class TStatusBar;
class TTimer;
struct UISnmpVar;

// What the counter monitors share: the clock, the poll interval, Start, Pause, Reset, Export
// and Exit, the six-column counters list, the status bar, the poll timer, and the sampling
// engine fed by one asynchronous counters binding. A window differs by the variables it reads,
// its row names and its start.
//
// Reads never block the window: a read is sent, and the next one is scheduled one interval
// after its answer (or its time-out) has arrived, so there is never more than one read in
// flight and never a burst of catch-up reads after a slow answer. Every read also fetches the
// agent's sysUpTime.0, so that rates follow the agent's clock and a restarted device is
// recognised. While the device does not answer the figures stay and the status bar says since
// when; its next answer primes the figures again.
class TCounterMonitor : public TForm {
public:
    ~TCounterMonitor() override;

    // A tick of the poll timer: the clock, then, when running and no read is in flight, a read.
    void Timer1Timer();
    void CB_IntervalChange();
    virtual void BT_ResetClick();
    void BT_StartClick() { running_ = true; }
    void BT_StopClick() { running_ = false; }
    // Asks for a file and saves the figures as CSV there.
    void BT_ExportClick();
    // The figures (and a window's history) as CSV, with the agent time of each sample.
    virtual std::string ExportText() const;
    // Writes ExportText to `path`; false with a message when the file cannot be written.
    bool ExportTo(const std::string& path, std::string& error) const;
    // Asks where to export; empty when the user cancels. Tests put their own answer here.
    static std::function<std::string(QWidget* owner, const std::string& suggested)> AskExportFile;

    bool Running() const { return running_; }
    // Whether a read of the counters is in flight.
    bool Reading() const;
    int IntervalMs() const { return intervalMs_; }
    const CounterSampler& Sampler() const { return sampler_; }
    QxCounterReader* CountersBinding() const { return counters_.get(); }
    // Whether the window found what it monitors; when not, it closes as soon as it is shown.
    bool Supported() const { return supported_; }
    // The time of day since which the device has not answered; empty while it answers.
    const std::string& NoAnswerSince() const { return noAnswerSince_; }
    // The agent time of the latest sample, as the agent gave it.
    const std::string& AgentTimeText() const { return agentTimeText_; }

    TPanel* PN_Buttons = nullptr; // the column on the right
    TLabel* LB_Time = nullptr;
    TStaticText* ST_Time = nullptr;
    TLabel* LB_Interval = nullptr;
    TComboBox* CB_Interval = nullptr;
    TButton* BT_Reset = nullptr;
    TButton* BT_Start = nullptr;
    TButton* BT_Stop = nullptr;
    TButton* BT_Exit = nullptr;
    TButton* BT_Export = nullptr;
    TListView* LV_Counters = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TTimer* Timer1 = nullptr; // the poll timer
    TTimer* ClockTimer = nullptr;

    // The headings of the counters list.
    static const std::vector<std::string>& Headings();
    // The text the status bar shows while the device does not answer.
    static std::string NoAnswerText(const std::string& since, const std::string& reason,
                                    const std::string& lastTry);

protected:
    // `counterVars` gives, per shown row, the variable of the counters list it is read from.
    TCounterMonitor(QWidget* owner, std::vector<std::string> rowNames,
                    std::vector<int> counterVars);

    // The controls every monitor has, without their places; `listParent` holds the list.
    void BuildCommonControls(QWidget* listParent);
    // Lays the clock, the interval and the buttons out in the column from `top` on;
    // returns the position below the interval box, where a window may put more.
    int PlaceClockAndInterval(int top);
    // Places Reset, Start, Pause, Exit and Export; returns the position below them.
    int PlaceButtons(int top);

    // Gives the counters binding a fresh list from the descriptor table, with an instance
    // suffix for a one-row get; `extra` variables follow the table's, and the agent's
    // sysUpTime comes last.
    void SetCounterList(const UISnmpVar* table, std::uint8_t kind, const std::string& suffix,
                        const UISnmpVar* extra = nullptr);

    // Sends a read of the counters unless one is in flight; its answer runs the sampling step
    // (with `sample`) and ReadDone. The poll timer rests meanwhile.
    void StartRead(bool sample = true);
    // After each read, answered or not.
    virtual void ReadDone(bool answered);
    // The counters of one answer, by shown row; the default reads each row's variable as a
    // Counter32.
    virtual std::vector<CounterSample> Samples(const std::vector<std::string>& row) const;
    // Rows with "0" figures and the time of day, and the engine at zero.
    void InitRows();
    // For windows that rebuild their rows at the next step (interface or port chosen); an
    // answer to a read sent before is not sampled.
    void ClearRows();
    // Called after each successful sampling step.
    virtual void AfterSample(CounterSampler::Outcome outcome);
    // Further columns of row k after a step (the IF window's bit rate and utilisation).
    virtual void ShowMore(int k, TListItem* item);
    // The priming sample writes the value column (scalar groups) or nothing (one interface
    // or port: its rows were just rebuilt with zeros).
    bool primeShowsValue = true;

    // The empty-table case: tells the user, and closes this window (only) once it is shown.
    void Unsupported();
    // A device that gave no answer at opening: says so, and closes this window.
    void Silent();
    // Stops polling and every read of the window for good (the window closes).
    virtual void StopReading();
    // Lets a binding go: at once when idle, else once its read in flight has ended; its
    // answer then reaches nobody.
    static void Release(std::unique_ptr<QxSNMPRequest2Controls> binding);

    static std::string TimeOfDay();
    // Refuses a text that is not a whole number from `low` to `high` with a message box.
    static bool ReadWholeNumber(const std::string& text, long low, long high,
                                const std::string& rangeMessage, long& value);
    // A field of a CSV line, quoted when it needs to be.
    static std::string CsvField(const std::string& text);

    std::unique_ptr<QxCounterReader> counters_;
    CounterSampler sampler_;
    std::vector<std::string> rowNames_;
    std::vector<int> counterVars_;
    bool running_ = false;
    bool supported_ = true;
    bool closing_ = false;
    int intervalMs_ = 1000;

private:
    void CountersRead(const QxSNMPError& result);
    void SampleStep();
    void ShowStep(CounterSampler::Outcome outcome);
    void NoAnswer(const QxSNMPError& result);
    // Hundredths of agent time that can at most have passed since the previous answer.
    std::uint32_t LongestElapsed() const;

    bool inFlight_ = false;
    bool sampleAnswer_ = true;
    bool resumeTimer_ = false;
    std::uint64_t generation_ = 0; // counts ClearRows, so that a stale answer is dropped
    std::uint64_t readGeneration_ = 0;
    std::chrono::steady_clock::time_point lastAnswer_{};
    std::string noAnswerSince_;
    std::string agentTimeText_;
    std::string sampleTime_; // time of day of the latest sample
};
