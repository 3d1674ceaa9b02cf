#include "binding/QxSNMPRequest2Controls.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPSession.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <stdexcept>
#include <chrono>
#include <cstdio>

namespace {

// The first entry of the framework table: "Ok!".
std::string OkText() {
    return QxMessages::Framework(0);
}

} // namespace

QxSNMPRequest2Controls::QxSNMPRequest2Controls(QWidget* ownerForm) : owner(ownerForm) {}

// The request, destroyed after this, waits for its exchanges in flight; their answers must not
// reach the subclass, which is gone by then.
QxSNMPRequest2Controls::~QxSNMPRequest2Controls() {
    destroying_ = true;
    *alive_ = false;
    request.active = false;
}

void QxSNMPRequest2Controls::SetReportTarget(TMemo* memo) {
    memo_ = memo;
    statusBar_ = nullptr;
    panel_ = nullptr;
    panelBar_ = nullptr;
}

void QxSNMPRequest2Controls::SetReportTarget(TStatusBar* statusBar) {
    memo_ = nullptr;
    statusBar_ = statusBar;
    panel_ = nullptr;
    panelBar_ = nullptr;
}

void QxSNMPRequest2Controls::SetReportTarget(TStatusPanel* panel) {
    memo_ = nullptr;
    statusBar_ = nullptr;
    panel_ = panel;
    panelBar_ = panel != nullptr ? panel->StatusBar() : nullptr;
}

bool QxSNMPRequest2Controls::HasReportTarget() const {
    return memo_ != nullptr || statusBar_ != nullptr || (panel_ != nullptr && panelBar_ != nullptr);
}

bool QxSNMPRequest2Controls::IsTableList() const {
    return request.vars.kind == MVT_FMV || request.vars.kind == MVT_UMV;
}

// Every condition of this program is empty, so every answer passes; the request decides.
bool QxSNMPRequest2Controls::Accepts() {
    return request.Matches(std::string()) && request.RowMatches();
}

namespace {

// How long one exchange of the request may last: every attempt times out, plus a second.
std::chrono::steady_clock::duration ExchangeBound(const QxSNMPRequest& request) {
    return std::chrono::milliseconds(10L * std::max(request.timeout, 1)) *
               (std::max(request.retries, 0) + 1) +
           std::chrono::seconds(1);
}

// The text of a write that was not sent because a read would not end.
constexpr const char* ReadDidNotEnd =
    "The read in progress did not end; nothing was written, try again";

} // namespace

QxSNMPRequest2Controls::State QxSNMPRequest2Controls::CurrentState() const {
    if (closing_) {
        return State::Closing;
    }
    if (!busy) {
        return State::Idle;
    }
    return writing_ ? State::Writing : State::Reading;
}

bool QxSNMPRequest2Controls::WaitWhileBusy() {
    QxSNMPSession* session = QxSNMPSession::Global();
    if (!busy || session == nullptr || session->IsProcessing()) {
        return !busy;
    }
    std::weak_ptr<bool> alive = alive_;
    const auto deadline = std::chrono::steady_clock::now() + ExchangeBound(request);
    return WaitWithoutInput([this, &alive] { return alive.expired() || !busy; }, deadline) &&
           !alive.expired();
}

bool QxSNMPRequest2Controls::WaitForEnd() {
    QxSNMPSession* session = QxSNMPSession::Global();
    if (!busy || session == nullptr || session->IsProcessing()) {
        return !busy;
    }
    std::weak_ptr<bool> alive = alive_;
    // Each answer gives the walk another exchange's time (twice that: a GETBULK that goes
    // unanswered is asked again with get-next); one that stalls ends the wait.
    for (;;) {
        const std::uint64_t seen = answersSeen_;
        const auto deadline = std::chrono::steady_clock::now() + 2 * ExchangeBound(request);
        if (WaitWithoutInput(
                [this, &alive, seen] {
                    return alive.expired() || !busy || answersSeen_ != seen;
                },
                deadline)) {
            if (alive.expired()) {
                return false;
            }
            if (!busy) {
                return true;
            }
            continue;
        }
        return false;
    }
}

bool QxSNMPRequest2Controls::EnsureCompleteRead() {
    std::weak_ptr<bool> alive = alive_;
    if (busy && !WaitForEnd()) {
        return false;
    }
    if (alive.expired() || closing_) {
        return false;
    }
    if (readComplete_) {
        return true;
    }
    request.active = true;
    try {
        Get();
    } catch (const std::exception& e) {
        if (!alive.expired() && HasReportTarget()) {
            Report(e.what());
        }
        return false;
    }
    if (alive.expired() || (busy && !WaitForEnd()) || alive.expired()) {
        return false;
    }
    return readComplete_ && !closing_;
}

bool QxSNMPRequest2Controls::StopAndWait() {
    request.active = false;
    if (!busy) {
        return true;
    }
    stopping_ = true;
    std::weak_ptr<bool> alive = alive_;
    const bool idle = WaitWhileBusy();
    if (!alive.expired()) {
        stopping_ = false;
    }
    return idle;
}

void QxSNMPRequest2Controls::Close() {
    closing_ = true;
    request.active = false;
}

void QxSNMPRequest2Controls::Get() {
    if (closing_) {
        return;
    }
    if (busy) {
        // One operation at a time: a read in flight goes on (picked up again if it was being
        // stopped because the user left its page), a write reads afterwards by itself.
        if (!writing_ && !stopping_ && !dropAnswer_) {
            request.active = true;
        }
        return;
    }
    lastOperation = OperationGet;
    BeforeGet();
    answerCount = 0;
    readComplete_ = false;
    busy = true;
    writing_ = false;
    // A stopped request sends nothing, in either mode: nothing is shown or reported as read.
    if (!request.active) {
        busy = false;
        return;
    }
    if (mode == Synchronous) {
        try {
            if (IsTableList()) {
                for (bool more = request.Fetch(true); more; more = request.Fetch(false)) {
                    if (Accepts()) {
                        PutAnswer();
                        ++answerCount;
                    }
                }
            } else {
                request.Fetch(true);
                if (Accepts()) {
                    PutAnswer();
                    answerCount = 1;
                }
            }
            AfterGet();
        } catch (...) {
            busy = false;
            GetAborted();
            throw;
        }
        busy = false;
        readComplete_ = true;
        if (HasReportTarget()) {
            Report(OkText() + request.TakeWalkNote());
        }
        return;
    }
    try {
        request.FetchAsync(&QxSNMPRequest2Controls::GetCompleted, this, true);
    } catch (...) {
        busy = false;
        throw;
    }
}

void QxSNMPRequest2Controls::GetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList&) {
    auto* b = static_cast<QxSNMPRequest2Controls*>(self);
    if (b->destroying_) {
        return;
    }
    ++b->answersSeen_;
    if (b->closing_) {
        b->busy = false; // the window is going: nothing more is shown or reported
        return;
    }
    if (b->dropAnswer_) {
        b->EndDropped(result);
        return;
    }
    if (result.code != 0) {
        b->GetEndedWith(result);
        return;
    }
    // An answer the subclass cannot show (a framework error of a binding) ends the Get like
    // a failed exchange: reported, not busy any more.
    try {
        if (!b->IsTableList()) {
            if (b->Accepts()) {
                b->PutAnswer();
                ++b->answerCount;
            }
            b->readComplete_ = true;
            b->EndGet(result);
            return;
        }
        if (result.done) {
            b->readComplete_ = true;
            b->EndGet(result); // the answer that ends a walk is no row of the table
            return;
        }
        if (b->Accepts()) {
            b->PutAnswer();
            ++b->answerCount;
        }
        if (!b->request.active) {
            b->EndGet(result); // cancelled: the rows read so far stay
            return;
        }
        // A step that cannot be sent ends the walk with that error, as an answer would.
        b->request.FetchAsync(&QxSNMPRequest2Controls::GetCompleted, b, false);
    } catch (const QxError& e) {
        if (!b->busy) {
            throw; // raised by the page's own hook after the end steps
        }
        QxSNMPError failed = result;
        failed.code = e.Code();
        failed.text = e.Text();
        failed.done = true;
        b->GetEndedWith(failed);
    }
}

void QxSNMPRequest2Controls::EndDropped(const QxSNMPError& result) {
    dropAnswer_ = false;
    AfterGet();
    busy = false;
    if (onGetComplete) {
        QxSNMPError stopped = result;
        stopped.done = true;
        onGetComplete(*this, stopped);
    }
}

void QxSNMPRequest2Controls::GetEndedWith(const QxSNMPError& failed) {
    busy = false;
    GetFailed(failed);
    if (onGetComplete) {
        onGetComplete(*this, failed);
    }
}

void QxSNMPRequest2Controls::EndGet(const QxSNMPError& result) {
    AfterGet();
    busy = false;
    if (HasReportTarget()) {
        lastOperation = OperationGet;
        Report(OkText() + request.TakeWalkNote());
    }
    if (onGetComplete) {
        onGetComplete(*this, result);
    }
}

bool QxSNMPRequest2Controls::StopForWrite() {
    if (!busy) {
        return true;
    }
    if (!writing_) {
        dropAnswer_ = true;
    }
    const bool wasActive = request.active;
    // The answer in hand writes its values into the list; the write takes the values the
    // caller prepared before it asked.
    QxSNMPVarList prepared;
    prepared.Assign(request.vars);
    std::weak_ptr<bool> alive = alive_;
    const bool idle = StopAndWait();
    if (alive.expired()) {
        return false;
    }
    request.vars.Assign(prepared);
    if (!idle) {
        dropAnswer_ = false;
        lastOperation = OperationSet;
        if (HasReportTarget()) {
            Report(ReadDidNotEnd);
        } else {
            ShowFailureBox(ReadDidNotEnd);
        }
        return false;
    }
    request.active = wasActive;
    return !closing_;
}

bool QxSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& positions,
                                 const QxSNMPRequest::ValueSource& valueSource) {
    if (closing_) {
        return false;
    }
    // One operation at a time: a running read or write ends first.
    if (!StopForWrite()) {
        return false;
    }
    lastOperation = OperationSet;
    refreshAfterSet = refresh;
    // A table written to is no longer the one read: checks on its rows read it again.
    if (IsTableList()) {
        readComplete_ = false;
    }
    BeforeSet();
    if (collect) {
        try {
            CollectValues();
        } catch (const QxError& e) {
            if (e.Code() != QxSNMPRequest::RefusedValueCode) {
                throw;
            }
            RefuseWrite(e.Text());
            return false;
        }
    }
    if (request.active) {
        const std::string refusal = request.CheckStore(positions, valueSource);
        if (!refusal.empty()) {
            RefuseWrite(refusal);
            return false;
        }
    }
    busy = true;
    writing_ = true;
    // A stopped request writes nothing, in either mode: nothing is reported as written.
    if (!request.active) {
        busy = false;
        writing_ = false;
        return false;
    }
    if (mode == Synchronous) {
        try {
            request.Store(positions, valueSource);
            AfterSet();
        } catch (...) {
            busy = false;
            writing_ = false;
            throw;
        }
        busy = false;
        writing_ = false;
        if (HasReportTarget()) {
            Report(OkText());
        }
        if (IsTableList() && refreshAfterSet) {
            Get();
        }
        return true;
    }
    try {
        request.StoreAsync(&QxSNMPRequest2Controls::SetCompleted, this, positions, valueSource);
    } catch (...) {
        busy = false;
        writing_ = false;
        throw;
    }
    return true;
}

bool QxSNMPRequest2Controls::CheckWrite() {
    QxSNMPVarList saved;
    saved.Assign(request.vars);
    std::string refusal;
    try {
        CollectValues();
        refusal = request.CheckStore();
    } catch (const QxError& e) {
        if (e.Code() != QxSNMPRequest::RefusedValueCode) {
            request.vars.Assign(saved);
            throw;
        }
        refusal = e.Text();
    }
    request.vars.Assign(saved);
    if (refusal.empty()) {
        return true;
    }
    RefuseWrite(refusal);
    return false;
}

void QxSNMPRequest2Controls::RefuseWrite(const std::string& text) {
    lastOperation = OperationSet;
    if (HasReportTarget()) {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\n', ' ');
        if (!line.empty() && line.back() == '.') {
            line.pop_back();
        }
        Report(line);
    }
    std::string caption;
    if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
        caption = app->ExeFileName();
    }
    MessageBox(text, caption, mbOK, miWarning, owner);
}

void QxSNMPRequest2Controls::SetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList&) {
    auto* b = static_cast<QxSNMPRequest2Controls*>(self);
    if (b->destroying_) {
        return;
    }
    ++b->answersSeen_;
    b->writing_ = false;
    if (b->closing_) {
        b->busy = false;
        return;
    }
    if (result.code != 0) {
        b->busy = false;
        b->SetFailed(result);
        if (b->onSetComplete) {
            b->onSetComplete(*b, result);
        }
        return;
    }
    b->AfterSet();
    b->busy = false;
    b->lastOperation = OperationSet;
    if (b->HasReportTarget()) {
        b->Report(OkText());
    }
    if (b->onSetComplete) {
        b->onSetComplete(*b, result);
    }
    if (b->IsTableList() && b->refreshAfterSet) {
        b->Get();
    }
}

void QxSNMPRequest2Controls::GetFailed(const QxSNMPError& result) {
    Failed(OperationGet, result);
}

void QxSNMPRequest2Controls::SetFailed(const QxSNMPError& result) {
    Failed(OperationSet, result);
}

void QxSNMPRequest2Controls::Failed(int operation, const QxSNMPError& result) {
    lastOperation = operation;
    if (HasReportTarget()) {
        Report(result.text);
        return;
    }
    ShowFailureBox(result.text);
}

// The box opens once the SNMP completion that found the failure has returned, and outside any
// wait: a dialog's loop inside a completion would hold up every other answer meanwhile.
void QxSNMPRequest2Controls::ShowFailureBox(const std::string& text) {
    QObject* context = owner != nullptr ? static_cast<QObject*>(owner.data())
                                        : QCoreApplication::instance();
    if (context == nullptr) {
        return;
    }
    QPointer<QWidget> parent = owner;
    const bool hadOwner = owner != nullptr;
    PostOutsideWaits(context, [text, parent, hadOwner] {
        if (hadOwner && parent == nullptr) {
            return;
        }
        std::string caption;
        if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
            caption = app->ExeFileName();
        }
        MessageBox(text, caption, mbOK, miNone, parent);
    });
}

std::string QxSNMPRequest2Controls::ReportLine(int operation, const std::string& listName,
                                               const std::string& errorText, int hour, int minute,
                                               int second) {
    std::string line = QxMessages::Entry(QxMessages::SnmpMsg, operation == OperationSet ? 1 : 0);
    const std::string error = "[ERROR]";
    const std::string varList = "[VARLIST]";
    size_t errorAt = line.find(error);
    size_t listAt = errorAt == std::string::npos ? std::string::npos : line.find(varList, errorAt);
    if (listName.empty() && listAt != std::string::npos) {
        // Without a name the line reads "Get: [ERROR]. Receive at [TIME].".
        size_t from = errorAt + error.size();
        line.erase(from, listAt + varList.size() - from);
    } else {
        line = ReplacePlaceholder(line, varList, listName);
    }
    line = ReplacePlaceholder(line, error, errorText);
    char time[16];
    int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    std::snprintf(time, sizeof time, "%02d:%02d:%02d %s", hour12, minute, second,
                  hour < 12 ? "AM" : "PM");
    return ReplacePlaceholder(line, "[TIME]", time);
}

void QxSNMPRequest2Controls::Report(const std::string& errorText) {
    if (!HasReportTarget()) {
        return;
    }
    QTime now = QTime::currentTime();
    std::string line = ReportLine(lastOperation, request.vars.name, errorText, now.hour(),
                                  now.minute(), now.second());
    if (memo_ != nullptr) {
        // A failure stands out and stays in view while re-reads report after it; a write that
        // succeeded is the outcome the user waits for.
        const bool ok = errorText.rfind(OkText(), 0) == 0;
        memo_->AddLine(line, !ok                             ? TMemo::LineKind::Error
                             : lastOperation == OperationSet ? TMemo::LineKind::Outcome
                                                             : TMemo::LineKind::Plain);
    } else if (statusBar_ != nullptr) {
        statusBar_->SetSimpleText(line);
    } else if (panel_ != nullptr) {
        panel_->SetText(line);
    }
}
