#include "snmp/QxSNMPRequest.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxValueText.h"
#include "snmp/QxVb.h"
#include "vocab/QxNumList.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace {

constexpr int NoSuchName = -102;
constexpr int GetNextOnScalars = 10;
constexpr int RowSuffixTooShort = 14;
constexpr int UnknownListKind = 15;
constexpr auto DestructionWait = std::chrono::milliseconds(6000);

bool IsTable(std::uint8_t kind) {
    return kind == MVT_FMV || kind == MVT_UMV;
}

// Whether an answered OID lies inside a column: below the column's OID, on a sub-identifier
// boundary, so that column 1 never takes the rows of column 10.
bool InColumn(const std::string& base, const std::string& returned) {
    return returned.size() > base.size() + 1 && returned.compare(0, base.size(), base) == 0 &&
           returned[base.size()] == '.';
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

QxSNMPRequest::QxSNMPRequest() {
    LoadDefaults();
}

QxSNMPRequest::~QxSNMPRequest() {
    active = false;
    auto start = std::chrono::steady_clock::now();
    // Wakes the wait below even when the event pump is paused, as it is while a completion
    // runs that destroys its own request.
    // The exchanges whose completion is running now (the owner destroys the request from its
    // callback) are not waited for: they end with this call.
    auto waiting = [this] { return outstanding - completing_ > 0; };
    std::unique_ptr<QTimer> wake;
    if (waiting() && QCoreApplication::instance() != nullptr) {
        wake = std::make_unique<QTimer>();
        wake->start(20);
    }
    while (waiting() && std::chrono::steady_clock::now() - start < DestructionWait) {
        if (wake) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        } else if (QxSNMPSession* session = QxSNMPSession::Global()) {
            session->ProcessPendingEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } else {
            break;
        }
    }
    // Answers still to come must never reach this request or its owner.
    if (QxSNMPSession* session = QxSNMPSession::Global()) {
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

std::string QxSNMPRequest::EncodedIndex() {
    std::string index;
    for (int i = 0; i < vars.indexCount && i < vars.Count(); ++i) {
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

QxSNMPRequest::Pdu QxSNMPRequest::BuildFetch(bool first) {
    CheckKind();
    if (!first && !IsTable(vars.kind)) {
        throw QxError::Framework(GetNextOnScalars);
    }
    Pdu pdu;
    pdu.type = IsTable(vars.kind) ? QxPduType::GetNext : QxPduType::Get;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i)) {
            continue;
        }
        QxVb vb;
        if (first) {
            vars.Entry(i).instanceOid.clear();
            vb.oid = OidFromText(vars.GetOid(i));
        } else {
            vb.oid = OidFromText(vars.Entry(i).instanceOid);
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
    std::string index = IsTable(vars.kind) ? EncodedIndex() : std::string();
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsSettable(i) || (IsTable(vars.kind) && i < vars.indexCount)) {
            continue;
        }
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
    return pdu;
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
    Pdu pdu = BuildFetch(first);
    QxSNMPSession* session = QxSNMPSession::Global();
    if (session == nullptr) {
        throw QxError::Framework(6);
    }
    QxSNMPAnswer answer = session->Send(pdu.type, MakeTarget(), pdu.vbs);
    QxMessages::Mapped mapped = QxMessages::MapStatus(answer.status);
    if (mapped.code != 0 && !(mapped.code == NoSuchName && IsTable(vars.kind))) {
        throw QxError(mapped.text, mapped.code);
    }
    return ProcessAnswer(mapped.code, pdu, answer).row;
}

QxSNMPRequest::Step QxSNMPRequest::ProcessAnswer(int code, const Pdu& asked,
                                                 const QxSNMPAnswer& answer) {
    bool table = IsTable(vars.kind);
    int ended = 0;
    bool haveSuffix = false;
    std::string rowSuffix;
    for (size_t k = 0; k < asked.entries.size(); ++k) {
        int i = asked.entries[k];
        QxSNMPVar& v = vars.Entry(i);
        std::string base = vars.BaseOid(i);
        QxVb missing;
        const QxVb& vb = k < answer.vbs.size() ? answer.vbs[k] : missing;
        std::string returned = OidToText(vb.oid);
        if (code == NoSuchName) {
            // SNMPv1 agents end a walk with noSuchName on the OID that was asked for.
            if (returned == OidToText(asked.vbs[k].oid)) {
                return {false, true};
            }
            QxMessages::Mapped mapped = QxMessages::MapStatus(2);
            throw QxError(mapped.text, mapped.code);
        }
        if (IsPastColumn(base, v.instanceOid, returned)) {
            ++ended;
            v.value = "(NOTDONE)";
            std::string index = EncodedIndex();
            v.instanceOid = index.empty() ? base : base + "." + index;
            continue;
        }
        ValueFromVb(i, vb);
        v.instanceOid = returned;
        if (!haveSuffix && InColumn(base, returned)) {
            rowSuffix = returned.substr(base.size() + 1);
            haveSuffix = true;
        }
    }
    if (ended == static_cast<int>(asked.entries.size())) {
        return {false, true};
    }
    if (table) {
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
    }
    for (int i = 0; i < vars.Count(); ++i) {
        ApplyFormula(i, true);
    }
    return {table, !table};
}

void QxSNMPRequest::FetchAsync(Callback callback, void* owner, bool first) {
    if (!active) {
        return;
    }
    Pdu pdu = BuildFetch(first);
    QxPduType type = pdu.type;
    SendAsync(type, std::move(pdu), callback, owner, true);
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
    // The session was closed with this exchange outstanding: nobody is told.
    constexpr int SessionClosed = -8;
    if (answer.status == SessionClosed) {
        --outstanding;
        return;
    }
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
    std::shared_ptr<bool> alive = alive_;
    ++completing_;
    if (callback != nullptr) {
        callback(owner, result, vars);
    }
    if (!*alive) {
        return; // the owner destroyed the request in its callback
    }
    --completing_;
    --outstanding;
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

bool QxSNMPRequest::IsPastColumn(const std::string& base, const std::string& previous,
                                 const std::string& returned) {
    if (!IsTable(vars.kind)) {
        return false;
    }
    if (InColumn(base, returned)) {
        // An answer that did not advance (SNMPv2c end of view) has ended too.
        return returned == previous;
    }
    return true;
}
