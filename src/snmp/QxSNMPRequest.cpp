#include "snmp/QxSNMPRequest.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxValueCheck.h"
#include "snmp/QxValueText.h"
#include "snmp/QxVb.h"
#include "vocab/QxNumList.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr int NoSuchName = -102;
constexpr int GetNextOnScalars = 10;
constexpr int RowSuffixTooShort = 14;
constexpr int UnknownListKind = 15;
constexpr auto DestructionWait = std::chrono::milliseconds(6000);

// GETBULK sizes: about 25 rows per exchange to start with, and never more bindings in one
// answer than an agent's PDU comfortably holds.
constexpr int BulkRows = 25;
constexpr int MaxBulkBindings = 1000;
// Agent error statuses (tooBig 1 .. inconsistentName 18) as the session reports them.
constexpr int TooBig = 1;
constexpr int LastAgentError = 18;
constexpr int TimedOut = -5;
constexpr const char* BulkFallbackNote =
    " (the device did not take GETBULK; the walk went on with get-next)";

constexpr const char* NothingToWrite =
    "Nothing was written: no value was selected for writing.";

// The text of an entry as it goes into a binding: the value behind an option label.
std::string WrittenText(const QxSNMPVar& v) {
    return v.options != nullptr ? v.options->ValueOf(v.value) : v.value;
}

// Refuses an entry whose text is not a value of its syntax. The placeholders of an absent
// value and of a column that ended during a walk are no data either: writing them would send
// 0, 0.0.0.0 or a null binding to the device.
void CheckWritten(const QxSNMPVar& v) {
    const std::string text = WrittenText(v);
    if (!IsValueText(v.syntax, text)) {
        throw QxError(RefusalText(v.label, text, v.syntax), QxSNMPRequest::RefusedValueCode);
    }
}

bool IsTable(std::uint8_t kind) {
    return kind == MVT_FMV || kind == MVT_UMV;
}

// Whether an answered OID lies inside a column: below the column's OID, on a sub-identifier
// boundary, so that column 1 never takes the rows of column 10.
bool InColumn(const QxOid& base, const QxOid& returned) {
    return returned.size() > base.size() &&
           std::equal(base.begin(), base.end(), returned.begin());
}

// Restores a variable list from a copy when it goes out of scope, also when an error leaves it.
class RestoreVars {
public:
    explicit RestoreVars(QxSNMPVarList& vars) : vars_(vars) { saved_.Assign(vars); }
    ~RestoreVars() { vars_.Assign(saved_); }
    RestoreVars(const RestoreVars&) = delete;
    RestoreVars& operator=(const RestoreVars&) = delete;

private:
    QxSNMPVarList& vars_;
    QxSNMPVarList saved_;
};

} // namespace

// The bindings of one outgoing PDU and, for each, the entry it belongs to.
struct QxSNMPRequest::Pdu {
    QxPduType type = QxPduType::Get;
    std::vector<QxVb> vbs;
    std::vector<int> entries;
};

// Counts one exchange's completion in while it runs and out exactly once, whatever the rest
// does: a callback may raise (the binding errors do) or destroy the request.
class QxSNMPRequest::CompletionScope {
public:
    explicit CompletionScope(QxSNMPRequest* request) : request_(request), alive_(request->alive_) {
        ++request_->completing_;
    }
    ~CompletionScope() {
        if (*alive_) {
            --request_->completing_;
            --request_->outstanding;
        }
    }
    CompletionScope(const CompletionScope&) = delete;
    CompletionScope& operator=(const CompletionScope&) = delete;

private:
    QxSNMPRequest* request_;
    std::shared_ptr<bool> alive_;
};

QxSNMPRequest::QxSNMPRequest() {
    LoadDefaults();
}

QxSNMPRequest::~QxSNMPRequest() {
    active = false;
    auto start = std::chrono::steady_clock::now();
    // The exchanges whose completion is running now (the owner destroys the request from its
    // callback) are not waited for: they end with this call.
    auto waiting = [this] { return outstanding - completing_ > 0; };
    QxSNMPSession* session = QxSNMPSession::Global();
    if (waiting() && session != nullptr && session->IsProcessing()) {
        // Destroyed from inside a completion: the event pump does not run nested, so this
        // request's own answers are read here, for as long as its exchanges can last.
        auto exchange =
            std::chrono::milliseconds(10L * std::max(timeout, 1)) * (std::max(retries, 0) + 1);
        auto budget = std::min<std::chrono::milliseconds>(exchange + std::chrono::milliseconds(50),
                                                          DestructionWait);
        session->Drain(std::vector<long>(inFlight_.begin(), inFlight_.end()), budget);
    }
    // Wakes the wait below even when the event pump is paused.
    std::unique_ptr<QTimer> wake;
    if (waiting() && QCoreApplication::instance() != nullptr && session != nullptr &&
        !session->IsProcessing()) {
        wake = std::make_unique<QTimer>();
        wake->start(20);
    }
    while (waiting() && session != nullptr && !session->IsProcessing() &&
           std::chrono::steady_clock::now() - start < DestructionWait) {
        if (wake) {
            // No click or key is handled here: the request's owner is being torn down.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
        } else {
            session->ProcessPendingEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    // Answers still to come must never reach this request or its owner.
    if (session != nullptr) {
        for (long handle : inFlight_) {
            session->Cancel(handle);
        }
    }
    *alive_ = false;
}

void QxSNMPRequest::LoadDefaults() {
    const QxSNMPGlobal& global = SnmpGlobal();
    device = global.device;
    scope = global.scope;
    security = global.security;
    timeout = global.timeout;
    getBulk = global.getBulk;
}

QxSNMPTarget QxSNMPRequest::MakeTarget() const {
    QxSNMPTarget target;
    target.device = device;
    target.scope = scope;
    target.security = security;
    target.timeout = timeout;
    target.retries = retries;
    return target;
}

void QxSNMPRequest::CheckKind() const {
    if (vars.kind > MVT_UMV) {
        throw QxError::Framework(UnknownListKind);
    }
}

std::string QxSNMPRequest::EncodedIndex(bool strict) {
    std::string index;
    for (int i = 0; i < vars.indexCount && i < vars.Count(); ++i) {
        if (strict) {
            CheckWritten(vars.Entry(i));
        }
        std::string part = EncodeIndexPart(i);
        if (part.empty()) {
            continue;
        }
        if (!index.empty()) {
            index.push_back('.');
        }
        index += part;
    }
    return index;
}

QxSNMPRequest::WalkColumn& QxSNMPRequest::Column(int i) {
    if (walk_.size() != static_cast<size_t>(vars.Count())) {
        walk_.assign(static_cast<size_t>(vars.Count()), WalkColumn{});
    }
    WalkColumn& column = walk_[static_cast<size_t>(i)];
    const std::string& instance = vars.Entry(i).instanceOid;
    if (column.left != instance || column.cursor.empty()) {
        // A walk this request did not leave here: continue from the entry's instance.
        column = WalkColumn{false, instance, instance, {}, {}};
    }
    return column;
}

QxSNMPRequest::Pdu QxSNMPRequest::BuildFetch(bool first) {
    CheckKind();
    bool table = IsTable(vars.kind);
    if (!first && !table) {
        throw QxError::Framework(GetNextOnScalars);
    }
    if (first && table) {
        walk_.assign(static_cast<size_t>(vars.Count()), WalkColumn{});
    }
    Pdu pdu;
    pdu.type = table ? QxPduType::GetNext : QxPduType::Get;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        QxVb vb;
        if (first) {
            vars.Entry(i).instanceOid.clear();
            vb.oid = OidFromText(vars.GetOid(i));
            if (table) {
                walk_[static_cast<size_t>(i)].cursor = vars.GetOid(i);
            }
        } else {
            // A column that has ended is not asked again; one that answered a later row than
            // the one delivered is asked again from where it stood.
            WalkColumn& column = Column(i);
            if (column.ended) {
                continue;
            }
            vb.oid = OidFromText(column.cursor);
        }
        pdu.vbs.push_back(std::move(vb));
        pdu.entries.push_back(i);
    }
    return pdu;
}

QxSNMPRequest::Pdu QxSNMPRequest::BuildStore() {
    CheckKind();
    Pdu pdu;
    pdu.type = QxPduType::Set;
    std::string index = IsTable(vars.kind) ? EncodedIndex(true) : std::string();
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsSettable(i) || (IsTable(vars.kind) && i < vars.indexCount)) {
            continue;
        }
        CheckWritten(vars.Entry(i));
        QxVb vb;
        std::string oid = vars.GetOid(i);
        if (IsTable(vars.kind) && !index.empty()) {
            oid += "." + index;
        }
        vb.oid = OidFromText(oid);
        ValueToVb(i, vb);
        pdu.vbs.push_back(std::move(vb));
        pdu.entries.push_back(i);
    }
    // A set without a variable would be answered without error and read as a success.
    if (pdu.vbs.empty()) {
        throw QxError(NothingToWrite, RefusedValueCode);
    }
    return pdu;
}

std::string QxSNMPRequest::CheckStore(const std::string& selection,
                                      const ValueSource& valueSource) {
    RestoreVars restore(vars);
    try {
        ApplySelection(selection, valueSource);
        for (int i = 0; i < vars.Count(); ++i) {
            ApplyFormula(i, false);
        }
        BuildStore();
    } catch (const QxError& e) {
        if (e.Code() == RefusedValueCode) {
            return e.Text();
        }
        throw;
    }
    return {};
}

void QxSNMPRequest::ApplySelection(const std::string& selection, const ValueSource& valueSource) {
    if (selection.empty()) {
        return;
    }
    QxNumList<int> positions;
    positions.separator = ',';
    positions.Parse(selection);
    for (int i = 0; i < vars.Count(); ++i) {
        int position = positions.IndexOf(i);
        QxSNMPVar& v = vars.Entry(i);
        if (position < 0) {
            v.access |= acInvalid;
            continue;
        }
        v.access &= ~static_cast<std::uint32_t>(acInvalid);
        if (valueSource) {
            v.value = valueSource(position);
        }
    }
}

bool QxSNMPRequest::Fetch(bool first) {
    if (!active) {
        return false;
    }
    QxSNMPSession* session = QxSNMPSession::Global();
    if (session == nullptr) {
        throw QxError::Framework(6);
    }
    if (IsTable(vars.kind) && UseBulk()) {
        if (first) {
            StartWalk();
        }
        // Each exchange either brings rows, or halves the size of the next, or ends the use
        // of GETBULK, so the loop ends.
        while (UseBulk()) {
            if (BufferedStepReady()) {
                return BufferedStep().row;
            }
            Pdu pdu = BuildBulk();
            QxSNMPTarget target = MakeTarget();
            target.maxRepetitions = maxRepetitions_;
            QxSNMPAnswer answer = session->Send(QxPduType::GetBulk, target, pdu.vbs);
            if (TakeBulk(answer.status, pdu, answer) == BulkOutcome::FallBack) {
                FallBackToGetNext();
            }
        }
        first = false;
    }
    // Each resend ends one column, so the loop ends after at most one pass per column.
    for (bool start = first;; start = false) {
        Pdu pdu = BuildFetch(start);
        QxSNMPAnswer answer = session->Send(pdu.type, MakeTarget(), pdu.vbs);
        QxMessages::Mapped mapped = QxMessages::MapStatus(answer.status);
        if (mapped.code != 0 && !(mapped.code == NoSuchName && IsTable(vars.kind))) {
            throw QxError(mapped.text, mapped.code);
        }
        Step step = ProcessAnswer(mapped.code, pdu, answer);
        if (!step.resend) {
            return step.row;
        }
    }
}

QxSNMPRequest::Step QxSNMPRequest::ProcessAnswer(int code, const Pdu& asked,
                                                 const QxSNMPAnswer& answer) {
    if (!IsTable(vars.kind)) {
        for (size_t k = 0; k < asked.entries.size(); ++k) {
            QxVb missing;
            const QxVb& vb = k < answer.vbs.size() ? answer.vbs[k] : missing;
            int i = asked.entries[k];
            ValueFromVb(i, vb);
            vars.Entry(i).instanceOid = OidToText(vb.oid);
        }
        for (int i = 0; i < vars.Count(); ++i) {
            ApplyFormula(i, true);
        }
        return {false, true};
    }
    if (code == NoSuchName) {
        // An SNMPv1 agent refuses the whole get-next when one binding has reached the end of
        // its view, and names that binding in the error index: that column has ended, the
        // others go on without it.
        size_t k = static_cast<size_t>(answer.errorIndex) - 1;
        if (answer.errorIndex < 1 || k >= asked.entries.size()) {
            QxMessages::Mapped mapped = QxMessages::MapStatus(2);
            throw QxError(mapped.text, mapped.code);
        }
        // The agent names the binding it refused; one naming an OID that was not asked is no
        // end of a column but an error.
        if (k < answer.vbs.size() && answer.vbs[k].oid != asked.vbs[k].oid) {
            QxMessages::Mapped mapped = QxMessages::MapStatus(2);
            throw QxError(mapped.text, mapped.code);
        }
        int i = asked.entries[k];
        Column(i).ended = true;
        vars.Entry(i).value = "(NOTDONE)";
        if (asked.entries.size() == 1) {
            return {false, true};
        }
        return {false, false, true};
    }
    return ProcessRow(asked, answer);
}

// One step of a table walk. The row is the smallest index any still walking column answered;
// a column whose answer lies further on has no cell in this row ("(NULL)") and is asked again
// from the same place, so that sparse columns never shift onto other rows.
QxSNMPRequest::Step QxSNMPRequest::ProcessRow(const Pdu& asked, const QxSNMPAnswer& answer,
                                              std::vector<char>* taken) {
    size_t count = asked.entries.size();
    std::vector<QxOid> suffixes(count);
    std::vector<bool> answered(count, false);
    bool haveRow = false;
    QxOid row;
    for (size_t k = 0; k < count; ++k) {
        int i = asked.entries[k];
        QxOid base = OidFromText(vars.BaseOid(i));
        QxVb missing;
        const QxVb& vb = k < answer.vbs.size() ? answer.vbs[k] : missing;
        if (IsPastColumn(base, asked.vbs[k].oid, vb.oid)) {
            Column(i).ended = true;
            continue;
        }
        suffixes[k].assign(vb.oid.begin() + static_cast<long>(base.size()), vb.oid.end());
        answered[k] = true;
        if (!haveRow || suffixes[k] < row) {
            row = suffixes[k];
            haveRow = true;
        }
    }
    if (!haveRow) {
        for (int i : asked.entries) {
            vars.Entry(i).value = "(NOTDONE)";
        }
        return {false, true};
    }
    std::string rowSuffix = OidToText(row);
    std::vector<int> position(static_cast<size_t>(vars.Count()), -1);
    for (size_t k = 0; k < count; ++k) {
        position[static_cast<size_t>(asked.entries[k])] = static_cast<int>(k);
    }
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        QxSNMPVar& v = vars.Entry(i);
        WalkColumn& column = Column(i);
        int k = position[static_cast<size_t>(i)];
        if (column.ended) {
            v.value = "(NOTDONE)";
            v.instanceOid = vars.BaseOid(i) + "." + rowSuffix;
        } else if (k >= 0 && answered[static_cast<size_t>(k)] &&
                   suffixes[static_cast<size_t>(k)] == row) {
            const QxVb& vb = answer.vbs[static_cast<size_t>(k)];
            ValueFromVb(i, vb);
            v.instanceOid = OidToText(vb.oid);
            column.cursor = v.instanceOid;
            if (taken != nullptr) {
                (*taken)[static_cast<size_t>(k)] = 1;
            }
        } else {
            v.value = "(NULL)";
            v.instanceOid = vars.BaseOid(i) + "." + rowSuffix;
        }
        column.left = v.instanceOid;
    }
    std::string rest = rowSuffix;
    for (int i = 0; i < vars.indexCount && i < vars.Count(); ++i) {
        if (rest.empty()) {
            throw QxError::Framework(RowSuffixTooShort);
        }
        if (!vars.IsReadable(i)) {
            vars.Entry(i).instanceOid = vars.BaseOid(i) + "." + rowSuffix;
        }
        rest = DecodeIndexPart(i, rest);
    }
    for (int i = 0; i < vars.Count(); ++i) {
        ApplyFormula(i, true);
    }
    return {true, false};
}

void QxSNMPRequest::FetchAsync(Callback callback, void* owner, bool first) {
    if (!active) {
        return;
    }
    if (IsTable(vars.kind) && UseBulk()) {
        if (QxSNMPSession::Global() == nullptr) {
            throw QxError::Framework(6);
        }
        if (first) {
            StartWalk();
        }
        if (BufferedStepReady()) {
            PostBufferedStep(callback, owner);
        } else if (ahead_ != 0) {
            // The rows come with the GETBULK already on its way.
            ownerWaiting_ = true;
            waitingCallback_ = callback;
            waitingOwner_ = owner;
            ++outstanding;
        } else {
            SendBulk(callback, owner);
        }
        return;
    }
    Pdu pdu = BuildFetch(first);
    QxPduType type = pdu.type;
    SendAsync(type, std::move(pdu), callback, owner, true);
}

std::string QxSNMPRequest::TakeWalkNote() {
    std::string note;
    note.swap(walkNote_);
    return note;
}

bool QxSNMPRequest::UseBulk() const {
    if (!getBulk || security.version == 0) {
        return false;
    }
    QxSNMPSession* session = QxSNMPSession::Global();
    return session != nullptr && !session->BulkRefused(device);
}

void QxSNMPRequest::StartWalk() {
    CheckKind();
    CancelAhead();
    walk_.assign(static_cast<size_t>(vars.Count()), WalkColumn{});
    for (int i = 0; i < vars.Count(); ++i) {
        if (vars.IsReadable(i)) {
            vars.Entry(i).instanceOid.clear();
            walk_[static_cast<size_t>(i)].cursor = vars.GetOid(i);
        }
    }
    walkNote_.clear();
    int columns = std::max(1, static_cast<int>(vars.Count()));
    maxRepetitions_ = std::clamp(MaxBulkBindings / columns, 1, BulkRows);
}

bool QxSNMPRequest::BufferedStepReady() {
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        const WalkColumn& column = Column(i);
        if (!column.ended && column.ahead.empty()) {
            return false;
        }
    }
    return true;
}

// One step made of answers already received: each still walking column offers the first answer
// past its cursor, which is what a get-next from the cursor would answer, and the step is cut
// by the same rules as a get-next answer. A column whose cell belongs to a later row keeps its
// answer for that row; a column that ends drops what it had received beyond its end.
QxSNMPRequest::Step QxSNMPRequest::BufferedStep() {
    Pdu asked;
    asked.type = QxPduType::GetNext;
    QxSNMPAnswer offered;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        WalkColumn& column = Column(i);
        if (column.ended) {
            continue;
        }
        QxVb from;
        from.oid = column.cursorOid.empty() ? OidFromText(column.cursor) : column.cursorOid;
        asked.vbs.push_back(std::move(from));
        asked.entries.push_back(i);
        offered.vbs.push_back(column.ahead.front());
    }
    if (asked.entries.empty()) {
        return {false, true};
    }
    std::vector<char> taken(asked.entries.size(), 0);
    Step step = ProcessRow(asked, offered, &taken);
    for (size_t k = 0; k < asked.entries.size(); ++k) {
        WalkColumn& column = walk_[static_cast<size_t>(asked.entries[k])];
        if (column.ended) {
            column.ahead.clear();
            column.cursorOid.clear();
        } else if (taken[k] != 0 && !column.ahead.empty()) {
            column.cursorOid = std::move(column.ahead.front().oid);
            column.ahead.pop_front();
        }
    }
    return step;
}

QxSNMPRequest::Pdu QxSNMPRequest::BuildBulk() {
    Pdu pdu;
    pdu.type = QxPduType::GetBulk;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        WalkColumn& column = Column(i);
        // Columns that still hold answers are not asked again until they have used them.
        if (column.ended || !column.ahead.empty()) {
            continue;
        }
        QxVb vb;
        vb.oid = OidFromText(column.cursor);
        pdu.vbs.push_back(std::move(vb));
        pdu.entries.push_back(i);
    }
    return pdu;
}

// Takes a GETBULK answer into the columns: the k-th binding of each repetition belongs to the
// k-th column asked. An answer cut short by the agent (its message size) makes the next ones
// smaller; tooBig, or an answer without a binding for every column, is asked again at half the
// size. Any other agent error, and silence after the retries, end the use of GETBULK.
QxSNMPRequest::BulkOutcome QxSNMPRequest::TakeBulk(int status, const Pdu& asked,
                                                   const QxSNMPAnswer& answer) {
    size_t columns = asked.entries.size();
    bool tooSmall = status == 0 && answer.vbs.size() < columns;
    if ((status == TooBig || tooSmall) && maxRepetitions_ > 1) {
        maxRepetitions_ = std::max(1, maxRepetitions_ / 2);
        return BulkOutcome::Resend;
    }
    if (status != 0) {
        if (status == TimedOut || (status >= TooBig && status <= LastAgentError)) {
            return BulkOutcome::FallBack;
        }
        QxMessages::Mapped mapped = QxMessages::MapStatus(status);
        throw QxError(mapped.text, mapped.code);
    }
    if (tooSmall) {
        return BulkOutcome::FallBack;
    }
    for (size_t j = 0; j < answer.vbs.size(); ++j) {
        walk_[static_cast<size_t>(asked.entries[j % columns])].ahead.push_back(answer.vbs[j]);
    }
    size_t full = columns * static_cast<size_t>(maxRepetitions_);
    if (answer.vbs.size() < full && answer.vbs.back().type != QxVb::EndOfMibView) {
        maxRepetitions_ = std::max(1, maxRepetitions_ / 2);
    }
    return BulkOutcome::Filled;
}

void QxSNMPRequest::FallBackToGetNext() {
    if (QxSNMPSession* session = QxSNMPSession::Global()) {
        session->RefuseBulk(device);
    }
    CancelAhead();
    for (WalkColumn& column : walk_) {
        column.ahead.clear();
        column.cursorOid.clear();
    }
    walkNote_ = BulkFallbackNote;
}

void QxSNMPRequest::SendBulk(Callback callback, void* owner) {
    QxSNMPSession* session = QxSNMPSession::Global();
    auto asked = std::make_shared<Pdu>(BuildBulk());
    QxSNMPTarget target = MakeTarget();
    target.maxRepetitions = maxRepetitions_;
    auto handle = std::make_shared<long>(0);
    *handle =
        session->SendAsync(QxPduType::GetBulk, target, asked->vbs,
                           [this, asked, handle, callback, owner](const QxSNMPAnswer& answer) {
                               CompleteBulk(*handle, *asked, callback, owner, answer);
                           });
    inFlight_.insert(*handle);
    ++outstanding;
}

void QxSNMPRequest::PostBufferedStep(Callback callback, void* owner) {
    QxSNMPSession* session = QxSNMPSession::Global();
    auto handle = std::make_shared<long>(0);
    *handle = session->Post([this, handle, callback, owner](const QxSNMPAnswer&) {
        CompleteBuffered(*handle, callback, owner);
    });
    inFlight_.insert(*handle);
    ++outstanding;
}

void QxSNMPRequest::CompleteBulk(long handle, const Pdu& asked, Callback callback, void* owner,
                                 const QxSNMPAnswer& answer) {
    inFlight_.erase(handle);
    CompletionScope scope(this);

    FinishBulkStep(answer, callback, owner,
                   [&] { return TakeBulk(answer.status, asked, answer); });
}

void QxSNMPRequest::FinishBulkStep(const QxSNMPAnswer& answer, Callback callback, void* owner,
                                   const std::function<BulkOutcome()>& outcome) {
    QxSNMPError result;
    result.errorIndex = answer.errorIndex;
    result.agentAddress = answer.agentAddress;
    result.agentPort = answer.agentPort;
    Step step;
    try {
        if (Continue(outcome(), callback, owner, step)) {
            return;
        }
        QxMessages::Mapped ok = QxMessages::MapStatus(0);
        result.code = ok.code;
        result.text = ok.text;
    } catch (const QxError& e) {
        result.code = e.Code();
        result.text = e.Text();
        step = {false, true};
    }
    Deliver(step, std::move(result), callback, owner);
}

bool QxSNMPRequest::Continue(BulkOutcome outcome, Callback callback, void* owner, Step& step) {
    if (outcome == BulkOutcome::FallBack) {
        FallBackToGetNext();
    }
    if (outcome != BulkOutcome::FallBack && BufferedStepReady()) {
        SendAhead();
        step = BufferedStep();
        return false;
    }
    if (!active) {
        step = {false, true}; // stopped: nothing more is asked
        return false;
    }
    if (outcome == BulkOutcome::FallBack) {
        Pdu again = BuildFetch(false);
        QxPduType type = again.type;
        SendAsync(type, std::move(again), callback, owner, true);
        return true; // the owner hears from the get-next step
    }
    SendBulk(callback, owner); // asked again smaller, or for the columns still empty
    return true;
}

void QxSNMPRequest::SendAhead() {
    if (ahead_ != 0 || !active || !UseBulk() || walk_.size() != static_cast<size_t>(vars.Count())) {
        return;
    }
    auto asked = std::make_shared<Pdu>();
    asked->type = QxPduType::GetBulk;
    auto from = std::make_shared<std::vector<QxOid>>();
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        const WalkColumn& column = walk_[static_cast<size_t>(i)];
        if (column.ended) {
            continue;
        }
        if (column.ahead.empty() || column.ahead.size() > static_cast<size_t>(maxRepetitions_)) {
            return; // asked for in the usual way, or enough in hand
        }
        const QxVb& last = column.ahead.back();
        // A column whose answers already leave it ends within what it holds.
        if (last.type == QxVb::EndOfMibView || !InColumn(OidFromText(vars.BaseOid(i)), last.oid)) {
            continue;
        }
        QxVb vb;
        vb.oid = last.oid;
        asked->vbs.push_back(std::move(vb));
        asked->entries.push_back(i);
        from->push_back(last.oid);
    }
    if (asked->entries.empty()) {
        return;
    }
    QxSNMPSession* session = QxSNMPSession::Global();
    QxSNMPTarget target = MakeTarget();
    target.maxRepetitions = maxRepetitions_;
    auto handle = std::make_shared<long>(0);
    try {
        *handle = session->SendAsync(QxPduType::GetBulk, target, asked->vbs,
                                     [this, asked, from, handle](const QxSNMPAnswer& answer) {
                                         CompleteAhead(*handle, *asked, *from, answer);
                                     });
    } catch (const QxError&) {
        return; // the usual exchange, when it comes to it, reports what is wrong
    }
    ahead_ = *handle;
    inFlight_.insert(ahead_);
}

void QxSNMPRequest::Abandon() {
    active = false;
    CancelAhead();
    if (QxSNMPSession* session = QxSNMPSession::Global()) {
        for (long handle : inFlight_) {
            session->Cancel(handle);
        }
    }
    inFlight_.clear();
    // Completions running now end by themselves and count themselves out.
    outstanding = completing_;
}

void QxSNMPRequest::CancelAhead() {
    if (ahead_ != 0) {
        if (QxSNMPSession* session = QxSNMPSession::Global()) {
            session->Cancel(ahead_);
        }
        inFlight_.erase(ahead_);
        ahead_ = 0;
    }
    if (ownerWaiting_) {
        // A new walk or get-next replaces the step that waited for it.
        ownerWaiting_ = false;
        --outstanding;
    }
}

// Takes the answer of a GETBULK sent ahead into the columns it asked for, where a column still
// ends with the OID it was asked from (a column that ended or started again meanwhile takes
// nothing). False when the answer brought nothing usable: the usual exchange is asked then.
bool QxSNMPRequest::TakeAhead(const Pdu& asked, const std::vector<QxOid>& from,
                              const QxSNMPAnswer& answer) {
    size_t columns = asked.entries.size();
    if (answer.status != 0 || answer.vbs.size() < columns) {
        if (answer.status == TooBig && maxRepetitions_ > 1) {
            maxRepetitions_ = std::max(1, maxRepetitions_ / 2);
        }
        return false;
    }
    if (walk_.size() != static_cast<size_t>(vars.Count())) {
        return false;
    }
    std::vector<char> takes(columns, 0);
    for (size_t k = 0; k < columns; ++k) {
        const WalkColumn& column = walk_[static_cast<size_t>(asked.entries[k])];
        const QxOid& tail = column.ahead.empty() ? column.cursorOid : column.ahead.back().oid;
        takes[k] = !column.ended && tail == from[k] ? 1 : 0;
    }
    for (size_t j = 0; j < answer.vbs.size(); ++j) {
        if (takes[j % columns] != 0) {
            walk_[static_cast<size_t>(asked.entries[j % columns])].ahead.push_back(answer.vbs[j]);
        }
    }
    size_t full = columns * static_cast<size_t>(maxRepetitions_);
    if (answer.vbs.size() < full && answer.vbs.back().type != QxVb::EndOfMibView) {
        maxRepetitions_ = std::max(1, maxRepetitions_ / 2);
    }
    return true;
}

void QxSNMPRequest::CompleteAhead(long handle, const Pdu& asked, const std::vector<QxOid>& from,
                                  const QxSNMPAnswer& answer) {
    inFlight_.erase(handle);
    ahead_ = 0;
    bool filled = TakeAhead(asked, from, answer);
    if (!ownerWaiting_) {
        if (filled) {
            SendAhead();
        }
        return;
    }
    ownerWaiting_ = false;
    Callback callback = waitingCallback_;
    void* owner = waitingOwner_;
    CompletionScope scope(this);

    // Without rows from it, the owner's step goes out as a usual GETBULK, whose outcome decides
    // (smaller, fall back, or the error).
    FinishBulkStep(answer, callback, owner,
                   [filled] { return filled ? BulkOutcome::Filled : BulkOutcome::Resend; });
}

void QxSNMPRequest::CompleteBuffered(long handle, Callback callback, void* owner) {
    inFlight_.erase(handle);
    CompletionScope scope(this);

    QxSNMPError result;
    QxMessages::Mapped ok = QxMessages::MapStatus(0);
    result.code = ok.code;
    result.text = ok.text;
    result.agentAddress = device.address;
    result.agentPort = device.port;
    Step step;
    try {
        if (!BufferedStepReady()) {
            // The walk was started again meanwhile: its first rows are asked for now.
            SendBulk(callback, owner);
            return;
        }
        SendAhead();
        step = BufferedStep();
    } catch (const QxError& e) {
        result.code = e.Code();
        result.text = e.Text();
        step = {false, true};
    }
    Deliver(step, std::move(result), callback, owner);
}

void QxSNMPRequest::Deliver(Step step, QxSNMPError result, Callback callback, void* owner) {
    result.done = step.done;
    if (callback != nullptr) {
        callback(owner, result, vars);
    }
}

void QxSNMPRequest::Store(const std::string& selection, const ValueSource& valueSource) {
    if (!active) {
        return;
    }
    QxSNMPAnswer answer;
    {
        RestoreVars restore(vars);
        ApplySelection(selection, valueSource);
        for (int i = 0; i < vars.Count(); ++i) {
            ApplyFormula(i, false);
        }
        Pdu pdu = BuildStore();
        QxSNMPSession* session = QxSNMPSession::Global();
        if (session == nullptr) {
            throw QxError::Framework(6);
        }
        answer = session->Send(QxPduType::Set, MakeTarget(), pdu.vbs);
    }
    QxMessages::Mapped mapped = QxMessages::MapStatus(answer.status);
    if (mapped.code != 0) {
        throw QxError(mapped.text, mapped.code);
    }
}

void QxSNMPRequest::StoreAsync(Callback callback, void* owner, const std::string& selection,
                               const ValueSource& valueSource) {
    if (!active) {
        return;
    }
    Pdu pdu;
    {
        RestoreVars restore(vars);
        ApplySelection(selection, valueSource);
        for (int i = 0; i < vars.Count(); ++i) {
            ApplyFormula(i, false);
        }
        pdu = BuildStore();
    }
    SendAsync(QxPduType::Set, std::move(pdu), callback, owner, false);
}

void QxSNMPRequest::SendAsync(QxPduType type, Pdu pdu, Callback callback, void* owner,
                              bool processAnswer) {
    QxSNMPSession* session = QxSNMPSession::Global();
    if (session == nullptr) {
        throw QxError::Framework(6);
    }
    auto asked = std::make_shared<Pdu>(std::move(pdu));
    auto handle = std::make_shared<long>(0);
    *handle = session->SendAsync(
        type, MakeTarget(), asked->vbs,
        [this, asked, handle, callback, owner, processAnswer](const QxSNMPAnswer& answer) {
            Complete(*handle, *asked, callback, owner, processAnswer, answer);
        });
    inFlight_.insert(*handle);
    ++outstanding;
}

void QxSNMPRequest::Complete(long handle, const Pdu& asked, Callback callback, void* owner,
                             bool processAnswer, const QxSNMPAnswer& answer) {
    inFlight_.erase(handle);
    CompletionScope scope(this);

    // A session closed under the exchange (its channel replaced because other credentials of
    // the same user were used) is a failure the owner must hear of, like any other; the
    // session itself never calls back when it ends with the process.
    QxMessages::Mapped mapped = QxMessages::MapStatus(answer.status);
    QxSNMPError result;
    result.code = mapped.code;
    result.text = mapped.text;
    result.errorIndex = answer.errorIndex;
    result.agentAddress = answer.agentAddress;
    result.agentPort = answer.agentPort;
    result.done = true;
    if (processAnswer && (mapped.code == 0 || (mapped.code == NoSuchName && IsTable(vars.kind)))) {
        try {
            Step step = ProcessAnswer(mapped.code, asked, answer);
            if (step.resend) {
                Pdu again = BuildFetch(false);
                QxPduType type = again.type;
                SendAsync(type, std::move(again), callback, owner, true);
                return; // the owner hears from the step sent again
            }
            result.done = step.done;
            if (mapped.code == NoSuchName) {
                // The end of an SNMPv1 walk is a success.
                QxMessages::Mapped ok = QxMessages::MapStatus(0);
                result.code = ok.code;
                result.text = ok.text;
            }
        } catch (const QxError& e) {
            result.code = e.Code();
            result.text = e.Text();
            result.done = true;
        }
    }
    if (callback != nullptr) {
        callback(owner, result, vars);
    }
}

std::string QxSNMPRequest::Substitute(const std::string& expression) {
    return expression;
}

std::string QxSNMPRequest::DecodeIndexPart(int i, const std::string& suffix) {
    return ::DecodeIndexPart(vars, i, suffix);
}

std::string QxSNMPRequest::EncodeIndexPart(int i) {
    return ::EncodeIndexPart(vars, i);
}

void QxSNMPRequest::ValueFromVb(int i, const QxVb& vb) {
    ::ValueFromVb(vars, i, vb);
}

void QxSNMPRequest::ValueToVb(int i, QxVb& vb) {
    ::ValueToVb(vars, i, vb);
}

// No variable of this program carries a formula; the hook stays for lists that would.
void QxSNMPRequest::ApplyFormula(int, bool) {}

// Every condition this program passes is empty, and an empty condition holds.
bool QxSNMPRequest::Evaluate(const std::string&) {
    return true;
}

bool QxSNMPRequest::IsPastColumn(const QxOid& base, const QxOid& previous,
                                 const QxOid& returned) {
    if (!IsTable(vars.kind)) {
        return false;
    }
    if (InColumn(base, returned)) {
        // An answer that did not advance has ended the column: an SNMPv2c agent repeats the
        // OID at the end of its view, and an agent whose get-next goes back would otherwise
        // make the walk endless.
        return !(previous < returned);
    }
    return true;
}
