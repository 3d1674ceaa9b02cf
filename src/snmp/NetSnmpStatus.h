#pragma once

#include "snmp/QxOid.h"

// The one place where what the SNMP engine reports about an exchange becomes a status number
// of the program (the numbering QxMessages::MapStatus turns into codes and texts):
//   0 success; 1..18 the agent's error-status; -1..-23 library class statuses (-5 time-out);
//   1401..1414 USM statuses; -1402..-1418 SNMPv3 message-processing statuses.
// Outcomes the table does not know get numbers outside all those ranges, so they are reported
// as "unknown status" with the number in the text.

// The engine's error numbers that the table maps, by name. The values are the engine's own;
// the wrapper checks at compile time that they match.
enum class NetSnmpError : int {
    GenErr = -1,
    BadLocalPort = -2,
    BadAddress = -3,
    BadSession = -4,
    TooLong = -5,
    NoSocket = -6,
    V2InV1 = -7,
    V1InV2 = -8,
    BadAsn1Build = -11,
    BadSendTo = -12,
    BadParse = -13,
    BadVersion = -14,
    Abort = -22,
    UnknownPdu = -23,
    Timeout = -24,
    BadRecvFrom = -25,
    BadEngineId = -26,
    BadSecurityName = -27,
    BadSecurityLevel = -28,
    Asn1ParseError = -29,
    UnknownSecurityModel = -30,
    InvalidMessage = -31,
    UnknownEngineId = -32,
    UnknownUserName = -33,
    UnsupportedSecurityLevel = -34,
    AuthenticationFailure = -35,
    NotInTimeWindow = -36,
    DecryptionError = -37,
    ScGeneralFailure = -38,
    ScNotConfigured = -39,
    KeyToolsNotAvailable = -40,
    UsmGenericError = -42,
    UsmUnknownSecurityName = -43,
    UsmUnsupportedSecurityLevel = -44,
    UsmEncryptionError = -45,
    UsmAuthenticationFailure = -46,
    UsmParseError = -47,
    UsmUnknownEngineId = -48,
    UsmNotInTimeWindow = -49,
    UsmDecryptionError = -50,
    BadSubId = -54,
    LongOid = -55,
    UnknownObjectId = -58,
    NullPdu = -59,
    NoVariables = -60,
    VariableType = -61,
    Malloc = -62,
    TransportNoConfig = -67,
    TransportConfigError = -68,
};

// What one exchange came to, as the engine reported it.
struct NetSnmpOutcome {
    enum class Kind {
        Response,     // a response PDU: `errorStatus` is the agent's error-status
        Report,       // a report PDU: `reportOid` is the OID of its first binding
        TimedOut,     // no answer after every retry
        LibraryError, // the engine failed the exchange: `libraryError` is its error number
        Disconnected, // the transport went away with the request outstanding
        Closed,       // the session was closed with the request outstanding
    };
    Kind kind = Kind::Response;
    long errorStatus = 0;
    QxOid reportOid;
    int libraryError = 0;
};

class NetSnmpStatus {
public:
    // Status numbers the session itself uses.
    static constexpr int Success = 0;
    static constexpr int OperationFailed = -1;
    static constexpr int TimedOut = -5;
    static constexpr int SessionClosed = -8;
    static constexpr int InvalidPdu = -11;
    static constexpr int InvalidTarget = -12;
    static constexpr int UnsupportedSecurityModel = -1402;
    static constexpr int UsmError = 1401;
    static constexpr int UnsupportedSecurityLevel = 1403;
    static constexpr int EncryptionError = 1405;
    static constexpr int AuthenticationError = 1407;
    static constexpr int UnknownEngineId = 1410;
    static constexpr int UnsupportedAuthProtocol = 1412;
    static constexpr int UnsupportedPrivProtocol = 1413;
    // Outside every mapped range: an unknown report, an error-status outside 1..18, and the
    // base of engine error numbers the table does not know (-1000 + the engine's number).
    static constexpr int UnknownOutcome = -1100;
    static constexpr int UnknownLibraryErrorBase = -1000;

    static int Of(const NetSnmpOutcome& outcome);
    static int OfLibraryError(int libraryError);
    static int OfReport(const QxOid& reportOid);
};
