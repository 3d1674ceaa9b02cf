#pragma once

#include "snmp/QxSNMPRequest.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TStatusBar.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;

// The base of every object that connects one SNMP request to controls: it owns the request,
// runs the two user-level operations Get (read the list, or walk the table) and Set (write the
// list), synchronously or asynchronously, hands each answer to its subclass, reports the
// outcome in one line (a memo, a status bar or one of its panels; a message box without any)
// and calls the page's completion hooks.
class QxSNMPRequest2Controls {
    // Set when destruction begins; declared before the request, so that it outlives the
    // request's own destruction, during which late answers may still arrive.
    bool destroying_ = false;

public:
    // Called when an asynchronous Get or Set ends, successfully or not.
    using Hook = std::function<void(QxSNMPRequest2Controls& binding, const QxSNMPError& result)>;

    enum Mode : std::uint8_t { Synchronous = 0, Asynchronous = 1 };
    // What the binding does at the moment. Closing is final: nothing new starts, and an
    // answer still on its way is dropped.
    enum class State : std::uint8_t { Idle, Reading, Writing, Closing };
    enum Operation : int { OperationGet = 0, OperationSet = 1 };

    explicit QxSNMPRequest2Controls(QWidget* owner);
    virtual ~QxSNMPRequest2Controls();
    QxSNMPRequest2Controls(const QxSNMPRequest2Controls&) = delete;
    QxSNMPRequest2Controls& operator=(const QxSNMPRequest2Controls&) = delete;

    void SetReportTarget(TMemo* memo);
    void SetReportTarget(TStatusBar* statusBar);
    void SetReportTarget(TStatusPanel* panel);
    bool HasReportTarget() const;

    // Reads the list, or walks the table. Synchronously, errors of the request are raised and
    // no line is reported; asynchronously they go to GetFailed and the hook. A read already
    // running goes on instead of a second one starting beside it (also when it was being
    // stopped after the answer in hand); nothing starts once the binding is closing.
    void Get();
    // Writes the list: with `collect`, the subclass first copies what the user entered into
    // the value texts; `positions` ("0,2,5"; empty for all) selects the variables and
    // `valueSource` may supply the texts to write. After a successful write of a table with
    // refreshAfterSet the table is read again. A read still running is stopped first: its
    // answer in hand is dropped (it would overwrite what the user typed) and the write goes
    // out once it has come. Should the read not end within its exchange's bound, nothing is
    // written and the result line says so.
    // A text that is not a value of its variable's syntax, or a write that would carry no
    // variable, is refused before anything is sent: a message box names the field and the form
    // expected, the result line says that nothing was written, and the controls keep what the
    // user typed. False when nothing was sent (refused, stopped or closing).
    bool Set(bool refreshAfterSet = true, bool collect = true, const std::string& positions = {},
             const QxSNMPRequest::ValueSource& valueSource = {});

    // Checks what a write would send now, without sending it: the values the user entered
    // (collected as Set collects them) against their syntax and their fields' checks. A refusal
    // is shown as Set shows it (a box naming the field, the result line) and gives false; the
    // variables keep their values either way. For a write in several steps, before the first.
    bool CheckWrite();

    // Waits while the binding is busy, for at most as long as its request's exchange can last
    // (retries and time-outs) and a second more, handling every event but the user's input: no
    // click or key can close a window under the wait. Returns at once inside the SNMP event
    // pump's own dispatch, where no answer can arrive. True when it is idle.
    bool WaitWhileBusy();
    // Stops the request (a walk ends after the answer in hand) and waits as WaitWhileBusy does.
    bool StopAndWait();
    // Waits for the end of the running operation however long a walk takes, as long as every
    // exchange of it is answered (or times out) within its own bound. True when it ended.
    bool WaitForEnd();
    // The window of the binding closes: the running operation stops after the answer in hand,
    // that answer and every later one is dropped, and nothing new starts. The binding itself
    // is freed later, once no frame of it is on the stack.
    void Close();
    State CurrentState() const;
    // Whether the last read succeeded and ran to its end (a walk that failed or was stopped
    // leaves a list that is not the device's table).
    bool ReadComplete() const { return readComplete_; }
    // For checks that count or compare what was read: waits for a read in progress; when the
    // last read did not succeed and end, reads again and waits for that. True when the values
    // (the rows of a table) are complete; false when the read failed, did not end within its
    // bound or the binding is closing.
    bool EnsureCompleteRead();
    bool Closing() const { return closing_; }

    // Writes the result line of the last operation with this error text (or "Ok!").
    void Report(const std::string& errorText);
    // The result line: the report template of the operation with the list's name, the error
    // text and the time as "hh:nn:ss AM".
    static std::string ReportLine(int operation, const std::string& listName,
                                  const std::string& errorText, int hour, int minute, int second);

    QxSNMPRequest request;
    Hook onGetComplete;
    Hook onSetComplete;
    std::uint8_t mode = Asynchronous;
    bool busy = false;
    QPointer<QWidget> owner;
    std::int32_t answerCount = 0;
    std::int32_t lastOperation = OperationGet;
    bool refreshAfterSet = true;

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Once per answer the request accepts: a scalar list's answer, or a row of a walk.
    virtual void PutAnswer() = 0;
    virtual void CollectValues() {}
    virtual void GetFailed(const QxSNMPError& result);
    virtual void SetFailed(const QxSNMPError& result);
    virtual void AfterGet() {}
    virtual void AfterSet() {}
    // A synchronous Get ended with an error (raised to the caller after this).
    virtual void GetAborted() {}

    bool IsTableList() const;
    // A token that turns false when the binding is destroyed: code that waited, or a queued
    // call, checks it before touching the binding again.
    std::weak_ptr<bool> AliveToken() const { return alive_; }

private:
    static void GetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList& vars);
    static void SetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList& vars);
    void Failed(int operation, const QxSNMPError& result);
    void EndGet(const QxSNMPError& result);
    void GetEndedWith(const QxSNMPError& failed);
    bool Accepts();
    // Stops a running read or write and waits for it; false (with the result line of a write
    // that is not sent) when it did not end within its bound.
    bool StopForWrite();
    // A read stopped for a write ends: its answer in hand is not shown.
    void EndDropped(const QxSNMPError& result);
    void ShowFailureBox(const std::string& text);
    // A write refused before sending: the box and the result line.
    void RefuseWrite(const std::string& text);

    bool closing_ = false;
    bool writing_ = false;
    bool readComplete_ = false;
    // A write waits for the read in hand: that answer is dropped, and a Get meanwhile does not
    // let the read go on.
    bool dropAnswer_ = false;
    bool stopping_ = false;
    // Counts the answers that reached the binding, so that a wait can tell a walk that goes on
    // from one that stalls.
    std::uint64_t answersSeen_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    QPointer<TMemo> memo_;
    QPointer<TStatusBar> statusBar_;
    TStatusPanel* panel_ = nullptr;
    QPointer<TStatusBar> panelBar_; // the bar that owns panel_
};
