#include "snmp/QxSNMPSession.h"

#include "shell/QxError.h"
#include "snmp/NetSnmpChannel.h"
#include "snmp/NetSnmpLibrary.h"
#include "snmp/NetSnmpStatus.h"
#include "snmp/QxSNMPBootCounter.h"
#include "snmp/QxSNMPGlobal.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <deque>
#include <set>
#include <unordered_map>

namespace {

using Clock = std::chrono::steady_clock;

// A synchronous wait gives the engine this long beyond its own last time-out to report it.
constexpr auto WaitSlack = std::chrono::milliseconds(20);
// Longest single sleep of a synchronous wait between two looks at the retransmission timers.
constexpr auto WaitSlice = std::chrono::milliseconds(10);

// The dotted IPv4 address of a target address text, or "" when it has none: a dotted address
// must be a valid one (never looked up as a name), a name is resolved to its first IPv4
// address. Names in the "invalid" top-level domain never resolve (RFC 6761) and are not
// looked up.
std::string ResolveIpv4(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    in_addr address{};
    char dotted[INET_ADDRSTRLEN] = {};
    if (text.find_first_not_of("0123456789.") == std::string::npos) {
        if (::inet_pton(AF_INET, text.c_str(), &address) != 1) {
            return {};
        }
        return ::inet_ntop(AF_INET, &address, dotted, sizeof dotted) ? dotted : std::string();
    }
    std::string name = text;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!name.empty() && name.back() == '.') {
        name.pop_back();
    }
    const std::string invalid = "invalid";
    if (name == invalid ||
        (name.size() > invalid.size() &&
         name.compare(name.size() - invalid.size() - 1, std::string::npos, "." + invalid) == 0)) {
        return {};
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(text.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return {};
    }
    std::string result;
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    if (::inet_ntop(AF_INET, &ipv4->sin_addr, dotted, sizeof dotted) != nullptr) {
        result = dotted;
    }
    ::freeaddrinfo(found);
    return result;
}

constexpr int VersionV1 = 0;
constexpr int VersionV2c = 1;
constexpr int VersionV3 = 3;
constexpr int SecurityModelUsm = 3;
constexpr int LevelNoAuth = 1;
constexpr int LevelAuthPriv = 3;
// The USM minimum length of a pass phrase (RFC 3414 recommends at least eight characters;
// the engine refuses shorter ones).
constexpr std::size_t MinPassPhrase = 8;

// The checks a target must pass before anything is sent; each failure is the status the
// library would report for it.
int TargetStatus(const QxSNMPTarget& target) {
    const QxSNMPSecurity& s = target.security;
    if (s.version != VersionV1 && s.version != VersionV2c && s.version != VersionV3) {
        return NetSnmpStatus::InvalidTarget;
    }
    if (s.version != VersionV3) {
        return 0;
    }
    if (s.securityModel != SecurityModelUsm) {
        return NetSnmpStatus::UnsupportedSecurityModel;
    }
    if (!QxSNMPSession::SupportsAuthProtocol(s.authProtocol)) {
        return NetSnmpStatus::UnsupportedAuthProtocol;
    }
    // The engine has no CBC-IDEA; that and unknown codes are unsupported privacy protocols,
    // whatever level the request asks for.
    if (!QxSNMPSession::SupportsPrivProtocol(s.privProtocol)) {
        return NetSnmpStatus::UnsupportedPrivProtocol;
    }
    if (s.securityLevel < LevelNoAuth || s.securityLevel > LevelAuthPriv) {
        return NetSnmpStatus::UnsupportedSecurityLevel;
    }
    bool needsAuth = s.securityLevel > LevelNoAuth;
    bool needsPriv = s.securityLevel == LevelAuthPriv;
    if ((needsAuth && s.authProtocol == QxSNMPSecurity::AuthNone) ||
        (needsPriv && s.privProtocol == QxSNMPSecurity::PrivNone)) {
        return NetSnmpStatus::UnsupportedSecurityLevel;
    }
    if (needsAuth && s.authPassword.size() < MinPassPhrase) {
        return NetSnmpStatus::AuthenticationError;
    }
    if (needsPriv && s.privPassword.size() < MinPassPhrase) {
        return NetSnmpStatus::EncryptionError;
    }
    return 0;
}

NetSnmpChannelKey KeyOf(const QxSNMPTarget& target) {
    NetSnmpChannelKey key;
    key.address = target.device.address;
    key.port = target.device.port;
    key.version = target.security.version;
    key.retries = std::max<std::int32_t>(target.retries, 0);
    if (key.version == VersionV3) {
        key.securityModel = target.security.securityModel;
        key.securityName = target.security.securityName;
        key.authProtocol = target.security.authProtocol;
        key.authPassword = target.security.authPassword;
        key.privProtocol = target.security.privProtocol;
        key.privPassword = target.security.privPassword;
    }
    return key;
}

bool SameCredentials(const NetSnmpChannelKey& a, const NetSnmpChannelKey& b) {
    return a.securityModel == b.securityModel && a.securityName == b.securityName &&
           a.authProtocol == b.authProtocol && a.authPassword == b.authPassword &&
           a.privProtocol == b.privProtocol && a.privPassword == b.privPassword;
}

// The longest a synchronous exchange may wait: every attempt's time-out, twice when the
// target's engine must be discovered first.
Clock::duration Bound(const QxSNMPTarget& target, bool discovering) {
    auto attempt = std::chrono::milliseconds(10L * std::max<std::int32_t>(target.timeout, 1));
    auto exchange = attempt * (std::max<std::int32_t>(target.retries, 0) + 1);
    return (discovering ? 2 * exchange : exchange) + WaitSlack;
}

std::unique_ptr<QxSNMPSession>& GlobalSlot() {
    // The record first, so that it outlives the session at process end.
    SnmpGlobal();
    static std::unique_ptr<QxSNMPSession> slot;
    return slot;
}

} // namespace

struct QxSNMPSession::Impl {
    struct Record {
        Completion done;
        bool sync = false;
        bool cancelled = false;
        bool answered = false;
        QxSNMPAnswer answer;
        // SNMPv3 exchanges keep what they sent, to send it once more after the agent's engine
        // was discovered again.
        struct Resend {
            QxPduType type = QxPduType::Get;
            QxSNMPTarget target;
            std::vector<QxVb> vbs;
        };
        std::unique_ptr<Resend> resend;
        bool resent = false;
    };
    using ChannelMap = std::unordered_map<NetSnmpChannelKey, std::unique_ptr<NetSnmpChannel>,
                                          NetSnmpChannelKeyHash>;

    ChannelMap channels;
    // Channels no longer used for new requests (failed discovery, replaced engine), closed once
    // their last request has its outcome.
    std::vector<std::unique_ptr<NetSnmpChannel>> retired;
    std::unordered_map<long, Record> records;
    std::deque<long> ready;      // answered asynchronous exchanges, in arrival order
    std::vector<long> resendDue; // exchanges to send again on a new channel
    long lastTicket = 0;
    bool processing = false;
    std::set<std::pair<std::string, std::uint16_t>> bulkRefused;

    ~Impl() {
        // At process end nothing is called back: the owners of the completions are gone.
        records.clear();
        ready.clear();
        for (auto& [key, channel] : channels) {
            Close(std::move(channel));
        }
        channels.clear();
        for (auto& channel : retired) {
            Close(std::move(channel));
        }
        retired.clear();
    }

    void Deliver(long ticket, QxSNMPAnswer&& answer) {
        auto it = records.find(ticket);
        if (it == records.end()) {
            return;
        }
        Record& record = it->second;
        if (record.cancelled) {
            records.erase(it);
            return;
        }
        // The agent no longer is the engine the channel knew (restarted with a new engine ID):
        // the exchange goes out once more after a new discovery, within its own time budget.
        // Sent from ServiceChannels, never from inside the engine's callback. (A reboot of
        // the same engine needs nothing of this: the engine takes the new boot count and time
        // from the agent's authenticated report and sends again by itself.)
        if (answer.status == NetSnmpStatus::UnknownEngineId && record.resend && !record.resent) {
            record.resent = true;
            resendDue.push_back(ticket);
            return;
        }
        record.answer = std::move(answer);
        record.answered = true;
        if (!record.sync) {
            ready.push_back(ticket);
        }
    }

    static void Close(std::unique_ptr<NetSnmpChannel> channel) {
        if (channel) {
            SnmpGlobal().eventProcessor.UnwatchSocket(channel->Socket());
            channel.reset();
        }
    }

    // An SNMPv3 user keeps one set of keys per engine in the engine's user table, so a user
    // whose credentials change must not leave the old entries behind: channels of the same user
    // with other credentials are closed (their requests end with -8) and the user's entries
    // that no remaining channel uses are removed.
    void DropOtherCredentials(const NetSnmpChannelKey& key) {
        for (auto it = channels.begin(); it != channels.end();) {
            const NetSnmpChannelKey& other = it->second->Key();
            if (other.version == VersionV3 && other.securityName == key.securityName &&
                !SameCredentials(other, key)) {
                Close(std::move(it->second));
                it = channels.erase(it);
            } else {
                ++it;
            }
        }
        for (auto& channel : retired) {
            const NetSnmpChannelKey& other = channel->Key();
            if (other.version == VersionV3 && other.securityName == key.securityName &&
                !SameCredentials(other, key)) {
                Close(std::move(channel));
            }
        }
        std::erase(retired, nullptr);
        // What remains of this user has the same credentials, hence the same keys.
        std::vector<std::string> keep;
        auto keepEngine = [&](const NetSnmpChannel& channel) {
            if (channel.Key().version == VersionV3 &&
                channel.Key().securityName == key.securityName) {
                keep.push_back(channel.EngineId());
            }
        };
        for (const auto& [other, channel] : channels) {
            keepEngine(*channel);
        }
        for (const auto& channel : retired) {
            keepEngine(*channel);
        }
        NetSnmpLibrary::ForgetUser(key.securityName, keep);
    }

    NetSnmpChannel& ChannelFor(const QxSNMPTarget& target) {
        NetSnmpChannelKey key = KeyOf(target);
        auto it = channels.find(key);
        if (it != channels.end()) {
            NetSnmpChannel& channel = *it->second;
            if (channel.CurrentState() != NetSnmpChannel::State::Failed && !channel.Stale()) {
                return channel;
            }
            retired.push_back(std::move(it->second));
            channels.erase(it);
        }
        std::string address = ResolveIpv4(target.device.address);
        if (address.empty()) {
            throw QxError::Framework(9);
        }
        if (key.version == VersionV3) {
            DropOtherCredentials(key);
        }
        auto channel = std::make_unique<NetSnmpChannel>(
            key, address, target.timeout,
            [this](long ticket, QxSNMPAnswer&& answer) { Deliver(ticket, std::move(answer)); });
        SnmpGlobal().eventProcessor.WatchSocket(channel->Socket());
        NetSnmpChannel& result = *channel;
        channels.emplace(std::move(key), std::move(channel));
        return result;
    }

    // Reads every socket, lets the engine retransmit and time out, sends what waited for
    // discovery, and closes what is no longer needed.
    void ServiceChannels(int readableSocket = -1) {
        auto service = [readableSocket](NetSnmpChannel& channel) {
            channel.Read(channel.Socket() == readableSocket);
            channel.CheckTimeouts();
            channel.Flush();
        };
        for (auto& [key, channel] : channels) {
            service(*channel);
        }
        for (auto& channel : retired) {
            service(*channel);
        }
        for (auto it = channels.begin(); it != channels.end();) {
            NetSnmpChannel& channel = *it->second;
            if (channel.CurrentState() == NetSnmpChannel::State::Failed || channel.Stale()) {
                retired.push_back(std::move(it->second));
                it = channels.erase(it);
            } else {
                ++it;
            }
        }
        for (auto& channel : retired) {
            if (channel->InFlight() == 0) {
                Close(std::move(channel));
            }
        }
        std::erase(retired, nullptr);
        SendAgain();
    }

    void SendAgain() {
        std::vector<long> due;
        due.swap(resendDue);
        for (long ticket : due) {
            auto it = records.find(ticket);
            if (it == records.end()) {
                continue;
            }
            if (it->second.cancelled) {
                records.erase(it);
                continue;
            }
            const Record::Resend& r = *it->second.resend;
            try {
                NetSnmpChannel& channel = ChannelFor(r.target);
                const QxSNMPSecurity& s = r.target.security;
                channel.Send(ticket, r.type, r.vbs, r.target.scope, s.securityLevel,
                             r.type == QxPduType::Set ? s.writeCommunity : s.readCommunity,
                             r.target.timeout, r.target.maxRepetitions);
            } catch (const QxError&) {
                QxSNMPAnswer failed;
                failed.status = NetSnmpStatus::UnknownEngineId;
                failed.agentAddress = ResolveIpv4(r.target.device.address);
                failed.agentPort = r.target.device.port;
                Deliver(ticket, std::move(failed));
            }
        }
    }

    // Every channel's socket, to wait on for readability.
    std::vector<pollfd> Sockets() const {
        std::vector<pollfd> sockets;
        for (const auto& [key, channel] : channels) {
            sockets.push_back({channel->Socket(), POLLIN, 0});
        }
        for (const auto& channel : retired) {
            sockets.push_back({channel->Socket(), POLLIN, 0});
        }
        return sockets;
    }

    // Sleeps until a socket is readable, `deadline` or the next look at the retransmission
    // timers, whichever comes first, then services the channels.
    void PollOnce(Clock::time_point deadline) {
        std::vector<pollfd> sockets = Sockets();
        Clock::time_point now = Clock::now();
        auto wait = std::min<Clock::duration>(
            WaitSlice, std::max<Clock::duration>(deadline - now, Clock::duration{}));
        auto waitMs = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
        ::poll(sockets.data(), sockets.size(), static_cast<int>(waitMs));
        ServiceChannels();
    }

    // Waits for the answer of a synchronous exchange, until `deadline` at the latest. Other
    // answers that arrive meanwhile are only recorded.
    void WaitFor(long ticket, Clock::time_point deadline) {
        for (;;) {
            auto it = records.find(ticket);
            if (it == records.end() || it->second.answered || Clock::now() >= deadline) {
                return;
            }
            PollOnce(deadline);
        }
    }

    long Start(QxPduType type, const QxSNMPTarget& target, const std::vector<QxVb>& vbs,
               Completion done, bool sync, bool& discovering) {
        if (int status = TargetStatus(target); status != 0) {
            throw QxError::FromStatus(status);
        }
        NetSnmpChannel& channel = ChannelFor(target);
        discovering = channel.CurrentState() == NetSnmpChannel::State::Discovering;
        long ticket = ++lastTicket;
        Record& record = records[ticket];
        record.done = std::move(done);
        record.sync = sync;
        if (target.security.version == VersionV3) {
            record.resend.reset(new Record::Resend{type, target, vbs});
        }
        const QxSNMPSecurity& s = target.security;
        const std::string& community = type == QxPduType::Set ? s.writeCommunity : s.readCommunity;
        try {
            channel.Send(ticket, type, vbs, target.scope, s.securityLevel, community,
                         target.timeout, target.maxRepetitions);
        } catch (...) {
            records.erase(ticket);
            throw;
        }
        return ticket;
    }
};

QxSNMPSession::QxSNMPSession() : impl_(std::make_unique<Impl>()) {}

QxSNMPSession::~QxSNMPSession() = default;

void QxSNMPSession::CreateGlobal(const std::string& bootCounterFolder) {
    std::unique_ptr<QxSNMPSession>& slot = GlobalSlot();
    if (slot) {
        return;
    }
    if (!NetSnmpLibrary::Init()) {
        throw QxError::Framework(6);
    }
    std::uint32_t boots = QxSNMPBootCounter::Advance(bootCounterFolder);
    NetSnmpLibrary::SetLocalEngine(QxSNMPBootCounter::EngineId, boots);
    QxSNMPGlobal& global = SnmpGlobal();
    global.ResetParameters();
    slot.reset(new QxSNMPSession());
    global.eventProcessor.Start();
}

bool QxSNMPSession::SupportsAuthProtocol(std::int32_t code) {
    switch (code) {
    case QxSNMPSecurity::AuthNone:
    case QxSNMPSecurity::AuthMd5:
    case QxSNMPSecurity::AuthSha:
    case QxSNMPSecurity::AuthSha224:
    case QxSNMPSecurity::AuthSha256:
    case QxSNMPSecurity::AuthSha384:
    case QxSNMPSecurity::AuthSha512:
        return true;
    default:
        return false;
    }
}

bool QxSNMPSession::SupportsPrivProtocol(std::int32_t code) {
    switch (code) {
    case QxSNMPSecurity::PrivNone:
    case QxSNMPSecurity::PrivDes:
    case QxSNMPSecurity::PrivAes128:
    case QxSNMPSecurity::PrivAes192:
    case QxSNMPSecurity::PrivAes256:
        return true;
    default:
        return false;
    }
}

QxSNMPSession* QxSNMPSession::Global() {
    return GlobalSlot().get();
}

QxSNMPAnswer QxSNMPSession::Send(QxPduType type, const QxSNMPTarget& target,
                                 const std::vector<QxVb>& vbs) {
    bool discovering = false;
    Clock::time_point start = Clock::now();
    long ticket = impl_->Start(type, target, vbs, nullptr, true, discovering);
    impl_->WaitFor(ticket, start + Bound(target, discovering));
    auto it = impl_->records.find(ticket);
    if (it != impl_->records.end() && !it->second.answered && it->second.resent && !discovering) {
        // Sent again after a new discovery: the bound of an exchange with discovery holds.
        impl_->WaitFor(ticket, start + Bound(target, true));
        it = impl_->records.find(ticket);
    }
    QxSNMPAnswer answer;
    if (it != impl_->records.end() && it->second.answered) {
        answer = std::move(it->second.answer);
        impl_->records.erase(it);
        return answer;
    }
    // The bound is over: the exchange is abandoned, and its late outcome dropped.
    if (it != impl_->records.end()) {
        it->second.cancelled = true;
    }
    answer.status = NetSnmpStatus::TimedOut;
    auto channel = impl_->channels.find(KeyOf(target));
    answer.agentAddress = channel != impl_->channels.end() ? channel->second->Address()
                                                           : ResolveIpv4(target.device.address);
    answer.agentPort = target.device.port;
    return answer;
}

long QxSNMPSession::SendAsync(QxPduType type, const QxSNMPTarget& target,
                              const std::vector<QxVb>& vbs, Completion done) {
    bool discovering = false;
    long ticket = impl_->Start(type, target, vbs, std::move(done), false, discovering);
    SnmpGlobal().eventProcessor.Attach();
    return ticket;
}

long QxSNMPSession::Post(Completion done) {
    long ticket = ++impl_->lastTicket;
    Impl::Record& record = impl_->records[ticket];
    record.done = std::move(done);
    record.answered = true;
    impl_->ready.push_back(ticket);
    if (!impl_->processing) {
        SnmpGlobal().eventProcessor.Wake();
    }
    return ticket;
}

bool QxSNMPSession::BulkRefused(const QxSNMPDevice& device) const {
    return impl_->bulkRefused.count({device.address, device.port}) != 0;
}

void QxSNMPSession::RefuseBulk(const QxSNMPDevice& device) {
    impl_->bulkRefused.insert({device.address, device.port});
}

void QxSNMPSession::Cancel(long handle) {
    auto it = impl_->records.find(handle);
    if (it == impl_->records.end()) {
        return;
    }
    if (it->second.answered && !it->second.sync) {
        impl_->records.erase(it); // its place in the ready queue is skipped
    } else {
        it->second.cancelled = true;
        it->second.done = nullptr;
    }
}

void QxSNMPSession::ProcessPendingEvents(int readableSocket) {
    if (impl_->processing) {
        return;
    }
    impl_->processing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{impl_->processing};

    impl_->ServiceChannels(readableSocket);
    while (!impl_->ready.empty()) {
        long ticket = impl_->ready.front();
        impl_->ready.pop_front();
        auto it = impl_->records.find(ticket);
        if (it == impl_->records.end()) {
            continue;
        }
        Impl::Record record = std::move(it->second);
        impl_->records.erase(it);
        if (!record.cancelled && record.done) {
            record.done(record.answer);
        }
    }
}

int QxSNMPSession::AwaitAnswer(std::chrono::microseconds wait) {
    if (impl_->records.empty()) {
        return -1;
    }
    std::vector<pollfd> sockets = impl_->Sockets();
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    timespec timeout{static_cast<time_t>(seconds.count()),
                     static_cast<long>(std::chrono::nanoseconds(wait - seconds).count())};
    if (::ppoll(sockets.data(), sockets.size(), &timeout, nullptr) <= 0) {
        return -1;
    }
    for (const pollfd& socket : sockets) {
        if ((socket.revents & (POLLIN | POLLERR | POLLHUP)) != 0) {
            return socket.fd;
        }
    }
    return -1;
}

void QxSNMPSession::Drain(const std::vector<long>& handles, std::chrono::milliseconds budget) {
    Clock::time_point deadline = Clock::now() + budget;
    impl_->ServiceChannels();
    for (;;) {
        bool pending = false;
        for (long handle : handles) {
            auto it = impl_->records.find(handle);
            if (it == impl_->records.end() || it->second.cancelled) {
                continue;
            }
            if (!it->second.answered) {
                pending = true;
                continue;
            }
            Impl::Record record = std::move(it->second);
            impl_->records.erase(it);
            std::erase(impl_->ready, handle);
            if (record.done) {
                record.done(record.answer);
            }
        }
        if (!pending || Clock::now() >= deadline) {
            return;
        }
        impl_->PollOnce(deadline);
    }
}

bool QxSNMPSession::IsProcessing() const {
    return impl_->processing;
}

std::size_t QxSNMPSession::PendingCount() const {
    return static_cast<std::size_t>(
        std::count_if(impl_->records.begin(), impl_->records.end(), [](const auto& entry) {
            return !entry.second.sync && !entry.second.cancelled;
        }));
}

std::size_t QxSNMPSession::ChannelCount() const {
    return impl_->channels.size() + impl_->retired.size();
}
