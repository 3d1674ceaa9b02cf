#pragma once

#include <cstdint>
#include <string>

// Where the agent is.
struct QxSNMPDevice {
    std::string address = "127.0.0.1"; // dotted IPv4 address (a host name is resolved when sending)
    std::uint16_t port = 161;          // UDP port of the agent
};

// The SNMPv3 context a request addresses.
struct QxSNMPScope {
    // Context engine ID as text: an even-length string of hex digits (optionally after "0x")
    // gives the octets it spells, any other text gives its own characters; empty means the
    // engine that answers (the one found by discovery).
    std::string contextEngineId;
    std::string contextName;
};

// SNMP version and credentials. The codes are the classic SNMP library constants:
// version 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3; security model 3 is USM; security level 1
// noAuthNoPriv, 2 authNoPriv, 3 authPriv.
struct QxSNMPSecurity {
    // The SHA-2 codes are the USM numbers of RFC 7860 (usmHMAC128SHA224AuthProtocol is 4, and
    // so on up to 7 for HMAC-SHA-512).
    enum AuthProtocol : std::int32_t {
        AuthNone = 1,
        AuthMd5 = 2,
        AuthSha = 3,
        AuthSha224 = 4,
        AuthSha256 = 5,
        AuthSha384 = 6,
        AuthSha512 = 7,
    };
    // AES-128 is usmAesCfb128Protocol, 4, of RFC 3826; AES-192 and AES-256 have no USM
    // number and take codes no other protocol uses. CBC-IDEA can be named but not used.
    enum PrivProtocol : std::int32_t {
        PrivNone = 1,
        PrivDes = 2,
        PrivAes128 = 4,
        PrivIdea = 9,
        PrivAes192 = 20,
        PrivAes256 = 21,
    };

    std::uint8_t version = 0;
    std::string readCommunity = "readcm";   // get and get-next over v1 and v2c
    std::string writeCommunity = "writecm"; // set over v1 and v2c
    std::int32_t securityModel = 1;
    std::int32_t securityLevel = 1;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    std::int32_t authProtocol = AuthNone;
    std::int32_t privProtocol = PrivNone;
};
