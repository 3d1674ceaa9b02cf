#pragma once

#include "snmp/QxSNMPSession.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What distinguishes one engine session from another: the transport, the version, the retry
// count (the engine keeps it per session) and, for SNMPv3, the credentials the localised keys
// are made from. Communities and the security level travel in each PDU instead.
struct NetSnmpChannelKey {
    std::string address; // as the target gave it
    std::uint16_t port = 0;
    int version = 0;
    int retries = 0;
    int securityModel = 0;
    std::string securityName;
    int authProtocol = 0;
    std::string authPassword;
    int privProtocol = 0;
    std::string privPassword;

    bool operator==(const NetSnmpChannelKey&) const = default;
};

struct NetSnmpChannelKeyHash {
    std::size_t operator()(const NetSnmpChannelKey& key) const;
};

// One engine session (net-snmp single-session API) with its socket. An SNMPv3 channel first
// discovers the agent's engine ID with an unauthenticated probe, sent asynchronously like any
// request; requests sent meanwhile wait in the channel and go out once the engine is known.
// Every request is identified by the ticket its sender chose; its outcome is handed to the
// sink exactly once (also when the channel is destroyed: status -8).
class NetSnmpChannel {
public:
    using Sink = std::function<void(long ticket, QxSNMPAnswer&& answer)>;
    enum class State { Discovering, Ready, Failed };

    // Opens the engine session for `key` at `resolvedAddress` (dotted IPv4). `timeout` (in
    // hundredths) bounds each attempt of the discovery probe. Raises QxError when the engine
    // refuses the session.
    NetSnmpChannel(const NetSnmpChannelKey& key, const std::string& resolvedAddress,
                   std::int32_t timeout, Sink sink);
    ~NetSnmpChannel();
    NetSnmpChannel(const NetSnmpChannel&) = delete;
    NetSnmpChannel& operator=(const NetSnmpChannel&) = delete;

    const NetSnmpChannelKey& Key() const;
    // The agent's address (dotted IPv4) this channel sends to.
    const std::string& Address() const;
    int Socket() const;
    State CurrentState() const;
    // The agent may no longer be the engine this channel discovered (restarted with a new
    // ID, or another agent on the port): an SNMPv3 request got an unknown-engine-ID report or
    // no answer. New requests then go to a new channel that discovers the engine again.
    bool Stale() const;
    // Requests the engine holds or that wait for discovery.
    std::size_t InFlight() const;
    // The discovered engine ID (octets), empty before discovery and for v1 and v2c.
    std::string EngineId() const;

    // Sends a request, or keeps it until discovery has finished. The PDU is stamped with the
    // security level, the context name and the context engine ID whatever the version, and
    // for v1 and v2c carries `community`. Raises QxError when it cannot be built or sent.
    // A GETBULK carries non-repeaters 0 and `maxRepetitions`.
    void Send(long ticket, QxPduType type, const std::vector<QxVb>& vbs, const QxSNMPScope& scope,
              std::int32_t securityLevel, const std::string& community, std::int32_t timeout,
              std::int32_t maxRepetitions = 0);

    // Processes what has arrived on the socket, without blocking. `readable`: the caller has
    // just seen the socket readable, so one datagram is read without asking the socket again
    // (any further one makes the socket readable again for the next look).
    void Read(bool readable = false);
    // Retransmits and times out requests whose attempt has expired.
    void CheckTimeouts();
    // After discovery: sends the requests that waited for it, or answers them with the
    // failure. Never called from inside the engine.
    void Flush();

    // Encodes a context engine ID text: an even-length hex string (optionally after "0x")
    // gives its octets, any other text its characters.
    static std::string ContextEngineIdOctets(const std::string& text);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};
