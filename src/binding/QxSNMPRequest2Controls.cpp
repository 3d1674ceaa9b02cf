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

bool QxSNMPRequest2Controls::WaitWhileBusy() {
    QxSNMPSession* session = QxSNMPSession::Global();
    if (!busy || session == nullptr || session->IsProcessing()) {
        return !busy;
    }
    const auto exchange = std::chrono::milliseconds(10L * std::max(request.timeout, 1)) *
                          (std::max(request.retries, 0) + 1);
    const auto deadline = std::chrono::steady_clock::now() + exchange + std::chrono::seconds(1);
    QTimer wake; // the wait below wakes at least this often
    wake.start(20);
    while (busy && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return !busy;
}

bool QxSNMPRequest2Controls::StopAndWait() {
    request.active = false;
    return WaitWhileBusy();
}

void QxSNMPRequest2Controls::Get() {
    lastOperation = OperationGet;
    BeforeGet();
    answerCount = 0;
    busy = true;
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
            b->EndGet(result);
            return;
        }
        if (result.done) {
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

void QxSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& positions,
                                 const QxSNMPRequest::ValueSource& valueSource) {
    lastOperation = OperationSet;
    refreshAfterSet = refresh;
    BeforeSet();
    if (collect) {
        CollectValues();
    }
    busy = true;
    // A stopped request writes nothing, in either mode: nothing is reported as written.
    if (!request.active) {
        busy = false;
        return;
    }
    if (mode == Synchronous) {
        try {
            request.Store(positions, valueSource);
            AfterSet();
        } catch (...) {
            busy = false;
            throw;
        }
        busy = false;
        if (HasReportTarget()) {
            Report(OkText());
        }
        if (IsTableList() && refreshAfterSet) {
            Get();
        }
        return;
    }
    try {
        request.StoreAsync(&QxSNMPRequest2Controls::SetCompleted, this, positions, valueSource);
    } catch (...) {
        busy = false;
        throw;
    }
}

void QxSNMPRequest2Controls::SetCompleted(void* self, const QxSNMPError& result, QxSNMPVarList&) {
    auto* b = static_cast<QxSNMPRequest2Controls*>(self);
    if (b->destroying_) {
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
    std::string caption;
    if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
        caption = app->ExeFileName();
    }
    MessageBox(result.text, caption, mbOK, miNone, owner);
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
        memo_->AddLine(line);
    } else if (statusBar_ != nullptr) {
        statusBar_->SetSimpleText(line);
    } else if (panel_ != nullptr) {
        panel_->SetText(line);
    }
}
