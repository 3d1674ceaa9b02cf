#pragma once

#include "snmp/QxSNMPParams.h"
#include "snmp/QxVb.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Everything one exchange is sent with.
struct QxSNMPTarget {
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    std::int32_t timeout = 100;      // hundredths of a second per attempt
    std::int32_t retries = 1;        // attempts after the first
    std::int32_t maxRepetitions = 0; // GETBULK only (non-repeaters are always 0)
};

// What came back.
struct QxSNMPAnswer {
    // In the numbering QxMessages::MapStatus maps: 0 success; the agent's error-status 1..18;
    // -5 time-out; library class statuses -1..-23; USM statuses 1401..1414; SNMPv3 message
    // processing statuses -1402..-1418; -8 the session was closed with the request
    // outstanding. Numbers outside these ranges are outcomes without a mapping.
    int status = 0;
    int errorIndex = 0;
    std::vector<QxVb> vbs;    // the bindings of a response (empty on time-out and for reports)
    std::string agentAddress; // the target's address as "a.b.c.d"
    std::uint16_t agentPort = 0;
};

enum class QxPduType { Get, GetNext, Set, GetBulk };

// The global session: the program's one way to exchange PDUs with agents. Underneath it keeps
// one engine session per distinct target (address, port, version, retry count and SNMPv3
// credentials), opened on first use and reused, so SNMPv3 engine discovery and key
// localisation happen once per credential set.
//
// Window thread only. Asynchronous completions run from ProcessPendingEvents (the event pump),
// one after the other and never nested in one another; answers that arrive while a synchronous
// exchange waits are kept for the next ProcessPendingEvents.
class QxSNMPSession {
public:
    using Completion = std::function<void(const QxSNMPAnswer&)>;

    // Creates the global session once: prepares the SNMP engine (framework error -506 when it
    // cannot), advances the local engine's boot counter in the file "QxSNMP_PP_BootCounter" of
    // `bootCounterFolder` ("" = current folder; a damaged counter starts afresh with a line on
    // standard error; -508 when it cannot be saved), resets SnmpGlobal()'s parameters (time-out
    // 100) and starts its pump. A second call after a success does nothing; after a failure nothing
    // is kept and a later call tries again.
    static void CreateGlobal(const std::string& bootCounterFolder);
    static QxSNMPSession* Global(); // nullptr before creation

    // Whether the engine can use a protocol code of QxSNMPSecurity: none, HMAC-MD5, HMAC-SHA
    // and HMAC-SHA-224/256/384/512; none, CBC-DES and CFB-AES-128/192/256 (not CBC-IDEA).
    static bool SupportsAuthProtocol(std::int32_t code);
    static bool SupportsPrivProtocol(std::int32_t code);

    ~QxSNMPSession();
    QxSNMPSession(const QxSNMPSession&) = delete;
    QxSNMPSession& operator=(const QxSNMPSession&) = delete;

    // Synchronous exchange: sends and waits at most (retries + 1) * timeout (twice that when
    // the target's SNMPv3 engine must be discovered first). Raises QxError when the request
    // cannot be sent: -509 for an address that is neither a dotted IPv4 address nor a name
    // that resolves, or the mapped status of the send-side failure (for example -313 for
    // CBC-IDEA privacy). Agent errors and time-outs are returned in the answer, not raised.
    QxSNMPAnswer Send(QxPduType type, const QxSNMPTarget& target, const std::vector<QxVb>& vbs);

    // Asynchronous exchange: raises at once like Send when the request cannot be sent;
    // otherwise returns a handle (> 0), and `done` runs exactly once, later, from
    // ProcessPendingEvents, with the answer (status -5 after the last retry timed out).
    long SendAsync(QxPduType type, const QxSNMPTarget& target, const std::vector<QxVb>& vbs,
                   Completion done);

    // An outcome that needs no exchange (a row already received), delivered like an answer:
    // returns a handle (> 0), and `done` runs later from ProcessPendingEvents with a success
    // answer that has no bindings. Posted from inside a completion, it runs right after that
    // completion; otherwise the pump is woken for it at once.
    long Post(Completion done);

    // Agents that answered a GETBULK with an error or not at all: walked with get-next for
    // the rest of the session.
    bool BulkRefused(const QxSNMPDevice& device) const;
    void RefuseBulk(const QxSNMPDevice& device);

    // The completion of this handle will never run. Safe for finished or unknown handles.
    void Cancel(long handle);

    // Reads what has arrived, retransmits and times out, then runs the completions that are
    // due. Does nothing when called again from inside a completion. `readableSocket`: a socket
    // of the session the caller has just seen readable (-1 when none is known).
    void ProcessPendingEvents(int readableSocket = -1);

    // Waits at most `wait` for an answer to an exchange in flight: returns a socket of the
    // session that has become readable, or -1 (at once when nothing is in flight).
    int AwaitAnswer(std::chrono::microseconds wait);

    // Runs the completions of the given exchanges as their answers arrive, until none of them
    // is pending or `budget` has passed; other answers are only recorded for the pump. Unlike
    // ProcessPendingEvents it works also from inside a completion, so that a request destroyed
    // there still hears its own answers.
    void Drain(const std::vector<long>& handles, std::chrono::milliseconds budget);

    // True while ProcessPendingEvents runs (completions included).
    bool IsProcessing() const;

    // Asynchronous exchanges whose completion has not run yet (cancelled ones excluded).
    std::size_t PendingCount() const;

    // Engine sessions currently open (one per distinct target in use).
    std::size_t ChannelCount() const;

private:
    QxSNMPSession();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
