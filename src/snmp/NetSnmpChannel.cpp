#include "snmp/NetSnmpChannel.h"

#include "shell/QxError.h"
#include "snmp/NetSnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/library/snmpusm.h>

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <unordered_map>

namespace {

struct PduDeleter {
    void operator()(netsnmp_pdu* pdu) const {
        if (pdu != nullptr) {
            snmp_free_pdu(pdu);
        }
    }
};
using PduPtr = std::unique_ptr<netsnmp_pdu, PduDeleter>;

// The callback argument of one request. The engine's report handling may clear the first int
// behind a request's argument, taking it for the state of its own synchronous helper; the first
// member is therefore an int that nobody reads.
struct RequestTag {
    int engineScratch = 0;
    NetSnmpChannel::Impl* channel = nullptr;
    long ticket = 0;
    bool probe = false;
    bool abandoned = false;
};

// Engine OIDs are unsigned long; ours are 32-bit, as the protocol's sub-identifiers are.
std::vector<oid> ToEngineOid(const QxOid& name) {
    return std::vector<oid>(name.begin(), name.end());
}

QxOid FromEngineOid(const oid* name, std::size_t length) {
    QxOid result(length);
    for (std::size_t i = 0; i < length; ++i) {
        result[i] = static_cast<std::uint32_t>(name[i]);
    }
    return result;
}

// Protocol limits of an object identifier on the wire.
constexpr std::size_t MaxOidLength = MAX_OID_LEN;

char* CopyToMalloc(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) {
        std::memcpy(copy, text.data(), text.size());
        copy[text.size()] = '\0';
    }
    return copy;
}

void AddValue(netsnmp_pdu* pdu, const QxVb& vb, const std::vector<oid>& name) {
    netsnmp_variable_list* added = nullptr;
    switch (vb.type) {
    case QxVb::Integer: {
        long value = vb.integer;
        added =
            snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
        break;
    }
    case QxVb::OctetString:
    case QxVb::Opaque:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(),
                                      vb.type == QxVb::Opaque ? ASN_OPAQUE : ASN_OCTET_STR,
                                      vb.octets.data(), vb.octets.size());
        break;
    case QxVb::Null:
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
        break;
    case QxVb::ObjectId: {
        // An object identifier value needs at least two sub-identifiers; an empty one is
        // sent as the null identifier 0.0.
        std::vector<oid> value =
            vb.objectId.empty() ? std::vector<oid>{0, 0} : ToEngineOid(vb.objectId);
        if (value.size() <= MaxOidLength) {
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID,
                                          value.data(), value.size() * sizeof(oid));
        }
        break;
    }
    case QxVb::IpAddress:
        if (vb.octets.size() == 4) {
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_IPADDRESS,
                                          vb.octets.data(), 4);
        }
        break;
    case QxVb::Counter32:
    case QxVb::Gauge32:
    case QxVb::TimeTicks: {
        unsigned long value = vb.unsigned32;
        u_char type = vb.type == QxVb::Counter32 ? ASN_COUNTER
                      : vb.type == QxVb::Gauge32 ? ASN_GAUGE
                                                 : ASN_TIMETICKS;
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &value, sizeof value);
        break;
    }
    case QxVb::Counter64: {
        counter64 value{};
        value.high = static_cast<unsigned long>(vb.counter64 >> 32);
        value.low = static_cast<unsigned long>(vb.counter64 & 0xffffffffu);
        added = snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &value,
                                      sizeof value);
        break;
    }
    case QxVb::NoSuchObject:
    case QxVb::NoSuchInstance:
    case QxVb::EndOfMibView:
        break; // exceptions are answers, not values to write
    }
    if (added == nullptr) {
        throw QxError::FromStatus(NetSnmpStatus::InvalidPdu);
    }
}

QxVb FromVariable(const netsnmp_variable_list* var) {
    QxVb vb;
    vb.oid = FromEngineOid(var->name, var->name_length);
    std::string octets =
        var->val.string != nullptr && var->val_len > 0
            ? std::string(reinterpret_cast<const char*>(var->val.string), var->val_len)
            : std::string();
    switch (var->type) {
    case ASN_INTEGER:
        vb.SetInteger(static_cast<std::int32_t>(*var->val.integer));
        break;
    case ASN_OCTET_STR:
    case ASN_BIT_STR:
        vb.SetOctets(QxVb::OctetString, std::move(octets));
        break;
    case ASN_NULL:
        vb.SetNull();
        break;
    case ASN_OBJECT_ID:
        vb.SetObjectId(FromEngineOid(var->val.objid, var->val_len / sizeof(oid)));
        break;
    case ASN_IPADDRESS:
        vb.SetOctets(QxVb::IpAddress, std::move(octets));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER: {
        auto value = static_cast<std::uint32_t>(static_cast<unsigned long>(*var->val.integer));
        vb.SetUnsigned(var->type == ASN_COUNTER     ? QxVb::Counter32
                       : var->type == ASN_TIMETICKS ? QxVb::TimeTicks
                                                    : QxVb::Gauge32,
                       value);
        break;
    }
    case ASN_COUNTER64:
#ifdef NETSNMP_WITH_OPAQUE_SPECIAL_TYPES
    case ASN_OPAQUE_COUNTER64:
    case ASN_OPAQUE_U64:
#endif
        vb.SetCounter64((static_cast<std::uint64_t>(var->val.counter64->high & 0xffffffffu) << 32) |
                        (var->val.counter64->low & 0xffffffffu));
        break;
    case SNMP_NOSUCHOBJECT:
        vb.SetNull();
        vb.type = QxVb::NoSuchObject;
        break;
    case SNMP_NOSUCHINSTANCE:
        vb.SetNull();
        vb.type = QxVb::NoSuchInstance;
        break;
    case SNMP_ENDOFMIBVIEW:
        vb.SetNull();
        vb.type = QxVb::EndOfMibView;
        break;
    default:
        // Opaque (and the engine's decoded forms of opaque floats): the octets as received.
        vb.SetOctets(QxVb::Opaque, std::move(octets));
        break;
    }
    return vb;
}

// One BER element of `data` at `pos`: its tag, and the position and length of its contents.
// False when the element does not fit.
bool ReadElement(const std::string& data, std::size_t& pos, unsigned char& tag,
                 std::size_t& contentPos, std::size_t& contentLength) {
    if (pos + 2 > data.size()) {
        return false;
    }
    tag = static_cast<unsigned char>(data[pos]);
    auto first = static_cast<unsigned char>(data[pos + 1]);
    std::size_t at = pos + 2;
    std::size_t length = first;
    if (first & 0x80) {
        std::size_t octets = first & 0x7f;
        if (octets == 0 || octets > 4 || at + octets > data.size()) {
            return false;
        }
        length = 0;
        for (std::size_t k = 0; k < octets; ++k) {
            length = (length << 8) | static_cast<unsigned char>(data[at++]);
        }
    }
    if (length > data.size() - at) {
        return false;
    }
    contentPos = at;
    contentLength = length;
    pos = at + length;
    return true;
}

// The authoritative engine ID of the SNMPv3 message waiting on `socket`, read without taking
// the datagram; empty when there is none or it is no SNMPv3 message.
std::string PeekEngineId(int socket) {
    std::string data(65536, '\0');
    ssize_t received = ::recv(socket, data.data(), data.size(), MSG_PEEK | MSG_DONTWAIT);
    if (received <= 0) {
        return {};
    }
    data.resize(static_cast<std::size_t>(received));
    constexpr unsigned char Sequence = 0x30;
    constexpr unsigned char Integer = 0x02;
    constexpr unsigned char OctetString = 0x04;
    unsigned char tag = 0;
    std::size_t pos = 0;
    std::size_t content = 0;
    std::size_t length = 0;
    // Message: SEQUENCE { version 3, global data SEQUENCE, security parameters OCTET STRING }
    if (!ReadElement(data, pos, tag, content, length) || tag != Sequence) {
        return {};
    }
    pos = content;
    if (!ReadElement(data, pos, tag, content, length) || tag != Integer || length != 1 ||
        data[content] != 3) {
        return {};
    }
    if (!ReadElement(data, pos, tag, content, length) || tag != Sequence) {
        return {};
    }
    if (!ReadElement(data, pos, tag, content, length) || tag != OctetString) {
        return {};
    }
    // USM security parameters: SEQUENCE { authoritative engine ID OCTET STRING, ... }
    pos = content;
    if (!ReadElement(data, pos, tag, content, length) || tag != Sequence) {
        return {};
    }
    pos = content;
    if (!ReadElement(data, pos, tag, content, length) || tag != OctetString) {
        return {};
    }
    return data.substr(content, length);
}

long Microseconds(std::int32_t hundredths) {
    return static_cast<long>(std::max<std::int32_t>(hundredths, 1)) * 10000L;
}

int EngineCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic);

} // namespace

struct NetSnmpChannel::Impl {
    struct Waiting {
        long ticket = 0;
        PduPtr pdu;
        std::int32_t timeout = 0;
    };

    NetSnmpChannelKey key;
    std::string address;
    Sink sink;
    void* handle = nullptr;
    int socket = -1;
    State state = State::Ready;
    bool stale = false;
    bool closing = false;
    bool flushDue = false;
    int failureStatus = 0;
    std::unique_ptr<RequestTag> probeTag;
    std::unordered_map<long, std::unique_ptr<RequestTag>> sent;
    // Tags of requests ended early that the engine may still call back with; kept until the
    // engine session is closed.
    std::vector<std::unique_ptr<RequestTag>> abandoned;
    std::deque<Waiting> waiting;

    QxSNMPAnswer Answer(int status, const netsnmp_pdu* response) const {
        QxSNMPAnswer answer;
        answer.status = status;
        answer.agentAddress = address;
        answer.agentPort = key.port;
        if (response != nullptr) {
            answer.errorIndex = static_cast<int>(response->errindex);
            for (const netsnmp_variable_list* var = response->variables; var != nullptr;
                 var = var->next_variable) {
                answer.vbs.push_back(FromVariable(var));
            }
        }
        return answer;
    }

    // 0 when the engine took the request, else the status of the failure.
    int SendNow(long ticket, PduPtr pdu, std::int32_t timeout) {
        netsnmp_session* session = snmp_sess_session(handle);
        session->timeout = Microseconds(timeout);
        session->s_snmp_errno = 0;
        auto tag = std::make_unique<RequestTag>();
        tag->channel = this;
        tag->ticket = ticket;
        RequestTag* raw = tag.get();
        sent.emplace(ticket, std::move(tag));
        if (snmp_sess_async_send(handle, pdu.get(), EngineCallback, raw) == 0) {
            int error = session->s_snmp_errno != 0 ? session->s_snmp_errno : SNMPERR_GENERR;
            sent.erase(ticket);
            return NetSnmpStatus::OfLibraryError(error);
        }
        pdu.release(); // the engine owns it now
        return 0;
    }

    void ProbeFinished(int operation, netsnmp_pdu* pdu, int status) {
        netsnmp_session* session = snmp_sess_session(handle);
        // The agent names its engine in the report to the probe; the engine records it in the
        // session itself, this covers versions that do not.
        if (session->securityEngineIDLen == 0 && pdu != nullptr && pdu->securityEngineIDLen > 0) {
            session->securityEngineID = static_cast<u_char*>(
                netsnmp_memdup(pdu->securityEngineID, pdu->securityEngineIDLen));
            session->securityEngineIDLen = pdu->securityEngineIDLen;
        }
        if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && session->securityEngineIDLen > 0) {
            if (session->contextEngineIDLen == 0) {
                session->contextEngineID = static_cast<u_char*>(
                    netsnmp_memdup(session->securityEngineID, session->securityEngineIDLen));
                session->contextEngineIDLen = session->securityEngineIDLen;
            }
            // The user's keys are localised for the discovered engine.
            if (usm_create_user_from_session(session) == SNMPERR_SUCCESS) {
                state = State::Ready;
            } else {
                state = State::Failed;
                failureStatus = NetSnmpStatus::UsmError;
            }
        } else {
            state = State::Failed;
            failureStatus =
                status != NetSnmpStatus::Success ? status : NetSnmpStatus::UnknownEngineId;
        }
        flushDue = true;
    }

    // Whether a received engine ID names another engine than the one discovered.
    bool FromAnotherEngine(const std::string& engineId) const {
        const netsnmp_session* session = snmp_sess_session(handle);
        if (engineId.empty() || session->securityEngineIDLen == 0) {
            return false;
        }
        return engineId != std::string(reinterpret_cast<const char*>(session->securityEngineID),
                                       session->securityEngineIDLen);
    }

    // Ends the requests the engine still holds: their outcome is "unknown engine" now, and
    // whatever the engine does with them later (retransmissions, time-outs) is ignored.
    void AbandonAll() {
        stale = true;
        std::vector<long> tickets;
        for (auto& [ticket, tag] : sent) {
            tag->abandoned = true;
            abandoned.push_back(std::move(tag));
            tickets.push_back(ticket);
        }
        sent.clear();
        std::sort(tickets.begin(), tickets.end());
        for (long ticket : tickets) {
            sink(ticket, Answer(NetSnmpStatus::UnknownEngineId, nullptr));
        }
    }

    int OnEvent(int operation, netsnmp_session* session, netsnmp_pdu* pdu, RequestTag* tag) {
        if (closing || tag->abandoned) {
            return 1; // the outcome is given by the destructor, or was given already
        }
        NetSnmpOutcome outcome;
        switch (operation) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (pdu != nullptr && pdu->command == SNMP_MSG_REPORT) {
                outcome.kind = NetSnmpOutcome::Kind::Report;
                if (pdu->variables != nullptr) {
                    outcome.reportOid =
                        FromEngineOid(pdu->variables->name, pdu->variables->name_length);
                }
            } else {
                outcome.kind = NetSnmpOutcome::Kind::Response;
                outcome.errorStatus = pdu != nullptr ? pdu->errstat : 0;
            }
            break;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            outcome.kind = NetSnmpOutcome::Kind::TimedOut;
            break;
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
            outcome.kind = NetSnmpOutcome::Kind::LibraryError;
            outcome.libraryError = session != nullptr && session->s_snmp_errno != 0
                                       ? session->s_snmp_errno
                                       : SNMPERR_GENERR;
            break;
        case NETSNMP_CALLBACK_OP_DISCONNECT:
            outcome.kind = NetSnmpOutcome::Kind::Disconnected;
            break;
        default:
            // Progress notices (a security error announced before its report arrives, a
            // retransmission); the request is still outstanding.
            return 1;
        }
        int status = NetSnmpStatus::Of(outcome);
        if (tag->probe) {
            ProbeFinished(operation, pdu, status);
            probeTag.reset();
            return 1;
        }
        bool response = outcome.kind == NetSnmpOutcome::Kind::Response;
        QxSNMPAnswer answer = Answer(status, response ? pdu : nullptr);
        // The agent is no longer the engine this channel discovered. It says so with an
        // unknown-engine-ID report when it can; an agent restarted without its persistent
        // state (a new engine ID) names in its report an engine for which no key of the user
        // exists, the engine drops that report, and the request times out. Either way the
        // next request discovers the engine again on a new channel.
        if (status == NetSnmpStatus::UnknownEngineId ||
            (key.version == SNMP_VERSION_3 && status == NetSnmpStatus::TimedOut)) {
            stale = true;
        }
        long ticket = tag->ticket;
        sent.erase(ticket); // `tag` is gone from here on
        sink(ticket, std::move(answer));
        return 1;
    }

    PduPtr BuildPdu(QxPduType type, const std::vector<QxVb>& vbs, const QxSNMPScope& scope,
                    std::int32_t securityLevel, const std::string& community,
                    std::int32_t maxRepetitions) const {
        int command = type == QxPduType::Get       ? SNMP_MSG_GET
                      : type == QxPduType::GetNext ? SNMP_MSG_GETNEXT
                      : type == QxPduType::GetBulk ? SNMP_MSG_GETBULK
                                                   : SNMP_MSG_SET;
        PduPtr pdu(snmp_pdu_create(command));
        if (!pdu) {
            throw QxError::FromStatus(-2);
        }
        if (type == QxPduType::GetBulk) {
            pdu->non_repeaters = 0;
            pdu->max_repetitions = std::max<std::int32_t>(maxRepetitions, 1);
        }
        // The scope goes on every PDU whatever the version; v1 and v2c ignore it.
        pdu->securityLevel = securityLevel;
        pdu->contextName = CopyToMalloc(scope.contextName);
        pdu->contextNameLen = scope.contextName.size();
        std::string engine = ContextEngineIdOctets(scope.contextEngineId);
        if (!engine.empty()) {
            pdu->contextEngineID =
                static_cast<u_char*>(netsnmp_memdup(engine.data(), engine.size()));
            pdu->contextEngineIDLen = engine.size();
        }
        if (key.version != SNMP_VERSION_3) {
            pdu->community = reinterpret_cast<u_char*>(CopyToMalloc(community));
            pdu->community_len = community.size();
        }
        for (const QxVb& vb : vbs) {
            if (vb.oid.empty() || vb.oid.size() > MaxOidLength) {
                throw QxError::FromStatus(-17); // "Invalid Object Identifier!"
            }
            std::vector<oid> name = ToEngineOid(vb.oid);
            if (type == QxPduType::Set) {
                AddValue(pdu.get(), vb, name);
            } else if (snmp_add_null_var(pdu.get(), name.data(), name.size()) == nullptr) {
                throw QxError::FromStatus(NetSnmpStatus::InvalidPdu);
            }
        }
        return pdu;
    }
};

namespace {

int EngineCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    auto* tag = static_cast<RequestTag*>(magic);
    return tag->channel->OnEvent(operation, session, pdu, tag);
}

// Auth protocol code -> the engine's protocol OID.
bool AuthProtocolOid(int code, oid*& protocol, std::size_t& length) {
    switch (code) {
    case QxSNMPSecurity::AuthMd5:
        protocol = usmHMACMD5AuthProtocol;
        length = USM_AUTH_PROTO_MD5_LEN;
        return true;
    case QxSNMPSecurity::AuthSha:
        protocol = usmHMACSHA1AuthProtocol;
        length = USM_AUTH_PROTO_SHA_LEN;
        return true;
    case QxSNMPSecurity::AuthSha224:
        protocol = usmHMAC128SHA224AuthProtocol;
        length = OID_LENGTH(usmHMAC128SHA224AuthProtocol);
        return true;
    case QxSNMPSecurity::AuthSha256:
        protocol = usmHMAC192SHA256AuthProtocol;
        length = OID_LENGTH(usmHMAC192SHA256AuthProtocol);
        return true;
    case QxSNMPSecurity::AuthSha384:
        protocol = usmHMAC256SHA384AuthProtocol;
        length = OID_LENGTH(usmHMAC256SHA384AuthProtocol);
        return true;
    case QxSNMPSecurity::AuthSha512:
        protocol = usmHMAC384SHA512AuthProtocol;
        length = OID_LENGTH(usmHMAC384SHA512AuthProtocol);
        return true;
    default:
        return false;
    }
}

// Privacy protocol code -> the engine's protocol OID. AES-192 and AES-256 are the protocols
// net-snmp's tools call "AES-192" and "AES-256" (the key extended as the draft for them says).
bool PrivProtocolOid(int code, oid*& protocol, std::size_t& length) {
    switch (code) {
    case QxSNMPSecurity::PrivDes:
        protocol = usmDESPrivProtocol;
        length = USM_PRIV_PROTO_DES_LEN;
        return true;
    case QxSNMPSecurity::PrivAes128:
        protocol = usmAESPrivProtocol;
        length = USM_PRIV_PROTO_AES_LEN;
        return true;
    case QxSNMPSecurity::PrivAes192:
        protocol = usmAES192PrivProtocol;
        length = OID_LENGTH(usmAES192PrivProtocol);
        return true;
    case QxSNMPSecurity::PrivAes256:
        protocol = usmAES256PrivProtocol;
        length = OID_LENGTH(usmAES256PrivProtocol);
        return true;
    default:
        return false;
    }
}

} // namespace

std::size_t NetSnmpChannelKeyHash::operator()(const NetSnmpChannelKey& key) const {
    std::size_t h = std::hash<std::string>()(key.address);
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    mix(key.port);
    mix(static_cast<std::size_t>(key.version));
    mix(static_cast<std::size_t>(key.retries));
    mix(std::hash<std::string>()(key.securityName));
    mix(static_cast<std::size_t>(key.authProtocol));
    mix(static_cast<std::size_t>(key.privProtocol));
    return h;
}

NetSnmpChannel::NetSnmpChannel(const NetSnmpChannelKey& key, const std::string& resolvedAddress,
                               std::int32_t timeout, Sink sink)
    : impl_(std::make_unique<Impl>()) {
    Impl& d = *impl_;
    d.key = key;
    d.address = resolvedAddress;
    d.sink = std::move(sink);

    netsnmp_session session;
    snmp_sess_init(&session);
    std::string peer = "udp:" + resolvedAddress + ":" + std::to_string(key.port);
    session.peername = peer.data(); // copied by the engine
    session.version = key.version;
    session.retries = key.retries;
    session.timeout = Microseconds(timeout);
    if (key.version == SNMP_VERSION_3) {
        session.securityModel = SNMP_SEC_MODEL_USM;
        session.securityName = const_cast<char*>(key.securityName.c_str());
        session.securityNameLen = key.securityName.size();
        session.securityLevel = SNMP_SEC_LEVEL_NOAUTH; // each PDU carries its own level
        session.flags |= SNMP_FLAGS_DONT_PROBE;        // no blocking probe in the open
        // Pass phrases shorter than the USM minimum give no key; requests that need one are
        // refused before they reach a channel.
        oid* authOid = nullptr;
        std::size_t authLength = 0;
        if (AuthProtocolOid(key.authProtocol, authOid, authLength) &&
            key.authPassword.size() >= USM_LENGTH_P_MIN) {
            session.securityAuthProto = authOid;
            session.securityAuthProtoLen = authLength;
            session.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(authOid, authLength,
                            reinterpret_cast<const u_char*>(key.authPassword.data()),
                            key.authPassword.size(), session.securityAuthKey,
                            &session.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                throw QxError::FromStatus(NetSnmpStatus::AuthenticationError);
            }
            oid* privOid = nullptr;
            std::size_t privLength = 0;
            if (PrivProtocolOid(key.privProtocol, privOid, privLength) &&
                key.privPassword.size() >= USM_LENGTH_P_MIN) {
                session.securityPrivProto = privOid;
                session.securityPrivProtoLen = privLength;
                session.securityPrivKeyLen = USM_PRIV_KU_LEN;
                if (generate_Ku(authOid, authLength,
                                reinterpret_cast<const u_char*>(key.privPassword.data()),
                                key.privPassword.size(), session.securityPrivKey,
                                &session.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                    throw QxError::FromStatus(NetSnmpStatus::EncryptionError);
                }
            }
        }
    }
    d.handle = snmp_sess_open(&session);
    if (d.handle == nullptr) {
        int error = session.s_snmp_errno != 0 ? session.s_snmp_errno : SNMPERR_GENERR;
        throw QxError::FromStatus(NetSnmpStatus::OfLibraryError(error));
    }
    d.socket = snmp_sess_transport(d.handle)->sock;
    if (key.version == SNMP_VERSION_3) {
        // Discovery is done by this channel, asynchronously; otherwise the engine would block
        // in the first send to probe for the agent's engine ID. The open clears the flag, so
        // it is set on the open session.
        snmp_sess_session(d.handle)->flags |= SNMP_FLAGS_DONT_PROBE;
    }

    if (key.version == SNMP_VERSION_3) {
        // RFC 3414 discovery: an unauthenticated request without a user name, which the
        // agent answers with a report that names its engine.
        d.state = State::Discovering;
        PduPtr probe(snmp_pdu_create(SNMP_MSG_GET));
        probe->version = SNMP_VERSION_3;
        probe->securityName = CopyToMalloc("");
        probe->securityNameLen = 0;
        probe->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        probe->securityModel = SNMP_SEC_MODEL_USM;
        d.probeTag = std::make_unique<RequestTag>();
        d.probeTag->channel = impl_.get();
        d.probeTag->probe = true;
        netsnmp_session* open = snmp_sess_session(d.handle);
        open->s_snmp_errno = 0;
        if (snmp_sess_async_send(d.handle, probe.get(), EngineCallback, d.probeTag.get()) == 0) {
            int error = open->s_snmp_errno != 0 ? open->s_snmp_errno : SNMPERR_GENERR;
            d.closing = true;
            snmp_sess_close(d.handle);
            d.handle = nullptr;
            throw QxError::FromStatus(NetSnmpStatus::OfLibraryError(error));
        }
        probe.release();
    }
}

NetSnmpChannel::~NetSnmpChannel() {
    Impl& d = *impl_;
    d.closing = true;
    if (d.handle != nullptr) {
        snmp_sess_close(d.handle);
        d.handle = nullptr;
    }
    std::vector<long> tickets;
    for (const auto& [ticket, tag] : d.sent) {
        tickets.push_back(ticket);
    }
    for (const Impl::Waiting& w : d.waiting) {
        tickets.push_back(w.ticket);
    }
    std::sort(tickets.begin(), tickets.end());
    d.sent.clear();
    d.waiting.clear();
    for (long ticket : tickets) {
        d.sink(ticket, d.Answer(NetSnmpStatus::SessionClosed, nullptr));
    }
}

const NetSnmpChannelKey& NetSnmpChannel::Key() const {
    return impl_->key;
}
int NetSnmpChannel::Socket() const {
    return impl_->socket;
}
NetSnmpChannel::State NetSnmpChannel::CurrentState() const {
    return impl_->state;
}
bool NetSnmpChannel::Stale() const {
    return impl_->stale;
}
const std::string& NetSnmpChannel::Address() const {
    return impl_->address;
}

std::size_t NetSnmpChannel::InFlight() const {
    return impl_->sent.size() + impl_->waiting.size();
}

std::string NetSnmpChannel::EngineId() const {
    if (impl_->handle == nullptr || impl_->key.version != SNMP_VERSION_3) {
        return {};
    }
    netsnmp_session* session = snmp_sess_session(impl_->handle);
    return std::string(reinterpret_cast<const char*>(session->securityEngineID),
                       session->securityEngineIDLen);
}

void NetSnmpChannel::Send(long ticket, QxPduType type, const std::vector<QxVb>& vbs,
                          const QxSNMPScope& scope, std::int32_t securityLevel,
                          const std::string& community, std::int32_t timeout,
                          std::int32_t maxRepetitions) {
    Impl& d = *impl_;
    PduPtr pdu = d.BuildPdu(type, vbs, scope, securityLevel, community, maxRepetitions);
    if (d.state == State::Discovering || d.flushDue) {
        d.waiting.push_back({ticket, std::move(pdu), timeout});
        return;
    }
    if (d.state == State::Failed) {
        throw QxError::FromStatus(d.failureStatus);
    }
    int status = d.SendNow(ticket, std::move(pdu), timeout);
    if (status != 0) {
        throw QxError::FromStatus(status);
    }
}

void NetSnmpChannel::Read(bool readable) {
    Impl& d = *impl_;
    // Drain what is queued, a bounded number of datagrams at a time.
    for (int i = 0; i < (readable ? 1 : 64) && d.handle != nullptr; ++i) {
        pollfd ready{d.socket, POLLIN, 0};
        if (!readable &&
            (::poll(&ready, 1, 0) <= 0 || (ready.revents & (POLLIN | POLLERR | POLLHUP)) == 0)) {
            return;
        }
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, d.socket + 1);
        NETSNMP_LARGE_FD_SET(d.socket, &fds);
        // An SNMPv3 answer from another engine than the one discovered (the agent restarted
        // with a new engine ID) carries a report the engine cannot take with the old keys: it
        // drops it, and the request would wait for its whole time-out. Such a datagram ends
        // the channel's requests at once, so that they are sent again after a new discovery.
        bool otherEngine = d.key.version == SNMP_VERSION_3 && d.state == State::Ready &&
                           d.FromAnotherEngine(PeekEngineId(d.socket));
        int result = snmp_sess_read2(d.handle, &fds);
        if (otherEngine && result != 0) {
            d.AbandonAll();
        }
        netsnmp_large_fd_set_cleanup(&fds);
    }
}

void NetSnmpChannel::CheckTimeouts() {
    if (impl_->handle != nullptr) {
        snmp_sess_timeout(impl_->handle);
    }
}

void NetSnmpChannel::Flush() {
    Impl& d = *impl_;
    if (!d.flushDue) {
        return;
    }
    d.flushDue = false;
    std::deque<Impl::Waiting> waiting = std::move(d.waiting);
    d.waiting.clear();
    for (Impl::Waiting& w : waiting) {
        int status = d.state == State::Ready ? d.SendNow(w.ticket, std::move(w.pdu), w.timeout)
                                             : d.failureStatus;
        if (status != 0) {
            d.sink(w.ticket, d.Answer(status, nullptr));
        }
    }
}

std::string NetSnmpChannel::ContextEngineIdOctets(const std::string& text) {
    std::string_view hex = text;
    if (hex.size() > 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X')) {
        hex.remove_prefix(2);
    }
    bool isHex = !hex.empty() && hex.size() % 2 == 0 &&
                 std::all_of(hex.begin(), hex.end(),
                             [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    if (!isHex) {
        return text;
    }
    std::string octets;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        octets.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return octets;
}
