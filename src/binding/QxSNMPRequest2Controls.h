#pragma once

#include "snmp/QxSNMPRequest.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TStatusBar.h"

#include <QPointer>

#include <cstdint>
#include <functional>
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
    // no line is reported; asynchronously they go to GetFailed and the hook.
    void Get();
    // Writes the list: with `collect`, the subclass first copies what the user entered into
    // the value texts; `positions` ("0,2,5"; empty for all) selects the variables and
    // `valueSource` may supply the texts to write. After a successful write of a table with
    // refreshAfterSet the table is read again.
    void Set(bool refreshAfterSet = true, bool collect = true, const std::string& positions = {},
             const QxSNMPRequest::ValueSource& valueSource = {});

    // Processes window events while the binding is busy, for at most as long as its request's
    // exchange can last (retries and time-outs) and a second more. Returns at once inside the
    // SNMP event pump's own dispatch, where no answer can arrive. True when it is idle.
    bool WaitWhileBusy();
    // Stops the request (a walk ends after the answer in hand) and waits as WaitWhileBusy does.
    bool StopAndWait();

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

private:
    static void GetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList& vars);
    static void SetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList& vars);
    void Failed(int operation, const QxSNMPError& result);
    void EndGet(const QxSNMPError& result);
    void GetEndedWith(const QxSNMPError& failed);
    bool Accepts();

    QPointer<TMemo> memo_;
    QPointer<TStatusBar> statusBar_;
    TStatusPanel* panel_ = nullptr;
    QPointer<TStatusBar> panelBar_; // the bar that owns panel_
};
