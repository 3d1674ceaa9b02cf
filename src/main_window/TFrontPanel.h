#pragma once

#include <QObject>
#include <QPointer>
#include <QTime>

#include <functional>
#include <memory>
#include <string>

class QxSNMPRequest2Edits;
class QxSNMPRequest2Leds;
struct UISnmpVar;
class QWidget;
class TMenuItem;
class TScrollBox;
class TShape;
class TStaticText;
class TStatusBar;
class TStatusPanel;

// The picture of the switch on the main window with its live LEDs: the LED squares and panels
// on the front-panel picture, the three hidden texts other parts of the window read (LED
// display mode, RMON state, spanning-tree version), and the bindings that poll the device's
// LED status every three seconds and read those states.
class TFrontPanel {
public:
    // Builds the picture, the squares, the panels and the hidden texts in the scroll box;
    // `form` owns the bindings' messages, `statusBar` takes their reports in panel 0.
    TFrontPanel(QWidget* form, TScrollBox* scrollBox, TStatusBar* statusBar);
    // Stops the LED bindings first (see Stop).
    ~TFrontPanel();
    TFrontPanel(const TFrontPanel&) = delete;
    TFrontPanel& operator=(const TFrontPanel&) = delete;

    // Reads the display mode, builds the LED bindings for it and starts polling every 3 s.
    // An error raised while a first poll is sent ends the set-up and is raised to the caller.
    void SetUpFrontPanel();
    // The same set-up without waiting for the device: sends the display-mode read and returns at
    // once, so that the window goes on handling events while a silent device holds the answer
    // for its whole time-out. The rest of the set-up (the LEDs of that mode and the polls)
    // follows once the answer, or the time-out, has come; `failed` then gets the text of an
    // error raised while the first polls were sent. SetUpPending() holds until then.
    void BeginSetUp(std::function<void(const std::string& error)> failed);
    bool SetUpPending() const { return setUpPending_; }
    // Reads the RMON state into its hidden text and enables ("enabled") or disables
    // ("disabled") the RMON entries; a read error goes to panel 0 of the status bar.
    void RefreshRmonState(TMenuItem* statistics, TMenuItem* history, TMenuItem* alarmEvent);
    // The same read without waiting: the entries change when the answer comes.
    // RmonStatePending() holds until then.
    void BeginRmonStateRead(TMenuItem* statistics, TMenuItem* history, TMenuItem* alarmEvent);
    bool RmonStatePending() const;
    // Reads the spanning-tree version into its hidden text; a read error goes to panel 0.
    void ReadSpanningTree();
    // Stops every LED binding: its timers, its request's active flag, then waits (taking no
    // user input) until it has no request in progress, and frees it. Safe to call twice.
    void Stop();
    // No poll is sent any more and the answers still on their way are dropped; the bindings
    // stay until Stop. Used when the program ends.
    void StopPolling();

    // Whether the last LED poll went unanswered; panel 0 then reads SilenceText().
    bool Silent() const { return silent_; }
    // "No answer from <address> since <time of the last answer, or of the start>".
    std::string SilenceText() const;

    bool PoeMode() const;
    std::string StatusModeText() const;
    std::string RmonStateText() const;
    std::string StpText() const;
    // The hidden text holding the spanning-tree version; the STP window writes a new version
    // into it once the device took it.
    TStaticText* StpTextControl() const { return stStp_; }
    QxSNMPRequest2Leds* LedStatusBinding() const { return ledStatus_.get(); }
    QxSNMPRequest2Leds* PoeLedBinding() const { return poeLeds_.get(); }
    QxSNMPRequest2Leds* ModeLedBinding() const { return modeLed_.get(); }
    // The status bar's panel with the device's name, up-time and SNMP version and user; none
    // before SetUpFrontPanel or without a status bar.
    TStatusPanel* DevicePanel() const { return devicePanel_; }

private:
    void BuildControls();
    // Steps 1, 2 and 4 of the set-up: the bindings that do not depend on the display mode.
    void BuildBindings();
    // Steps 5 to 8: the LEDs of the display mode read, and the polls.
    void FinishSetUp();
    void ContinueSetUp(const std::function<void(const std::string&)>& failed);
    // Shows the RMON state read in the entries.
    void ApplyRmonState(TMenuItem* statistics, TMenuItem* history, TMenuItem* alarmEvent);
    // Stops a state read in flight for good: its answer is dropped and nothing waits for it.
    static void Abandon(QxSNMPRequest2Edits* binding);
    // Tooltips of the port LEDs after a poll of the LED status string.
    void ShowPortHints(bool answered);
    void StopBinding(std::unique_ptr<QxSNMPRequest2Leds>& binding);
    // A synchronous binding of one scalar variable shown in a hidden text; asynchronous, it
    // reports nothing itself (its completion hook does).
    std::unique_ptr<QxSNMPRequest2Edits> TextBinding(const UISnmpVar* table, TStaticText* text,
                                                     bool asynchronous = false) const;
    // Reads it; an error's text goes to panel 0 of the status bar.
    bool ReadText(QxSNMPRequest2Edits& binding);

    QPointer<QWidget> form_;
    TScrollBox* scrollBox_;
    TStatusBar* statusBar_;
    TStatusPanel* devicePanel_ = nullptr;
    TShape* statusModeLed_ = nullptr;
    TStaticText* stStatusMode_ = nullptr;
    TStaticText* stRmonState_ = nullptr;
    TStaticText* stStp_ = nullptr;
    std::unique_ptr<QxSNMPRequest2Leds> ledStatus_;
    std::unique_ptr<QxSNMPRequest2Leds> modeLed_;
    std::unique_ptr<QxSNMPRequest2Edits> modeText_;
    std::unique_ptr<QxSNMPRequest2Leds> poeLeds_;
    std::unique_ptr<QxSNMPRequest2Edits> rmon_;
    std::unique_ptr<QxSNMPRequest2Edits> stp_;
    QTime lastAnswer_;
    bool silent_ = false;
    bool setUpPending_ = false;
    bool stopped_ = false;
    // Calls queued by the set-up's continuation are dropped with it when the panel goes.
    std::unique_ptr<QObject> context_;
};
