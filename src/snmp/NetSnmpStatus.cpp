#include "snmp/NetSnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cstdint>

namespace {

struct ErrorRow {
    NetSnmpError error; // the sentinel row has Success
    int status;
};

// Engine error numbers. Transport failures are "Transport operation failed!", malformed
// requests "Invalid Pdu!", the security failures their USM or message-processing statuses.
constexpr ErrorRow ErrorRows[] = {
    {NetSnmpError::GenErr, -1},
    {NetSnmpError::BadLocalPort, -21},
    {NetSnmpError::BadAddress, -18},
    {NetSnmpError::BadSession, -12},
    {NetSnmpError::TooLong, -11},
    {NetSnmpError::NoSocket, -22},
    {NetSnmpError::V2InV1, -11},
    {NetSnmpError::V1InV2, -11},
    {NetSnmpError::BadAsn1Build, -11},
    {NetSnmpError::BadSendTo, -22},
    {NetSnmpError::BadParse, -1408},
    {NetSnmpError::BadVersion, -12},
    {NetSnmpError::Abort, -1},
    {NetSnmpError::UnknownPdu, -1415},
    {NetSnmpError::Timeout, -5},
    {NetSnmpError::BadRecvFrom, -22},
    {NetSnmpError::BadEngineId, -1406},
    {NetSnmpError::BadSecurityName, 1404},
    {NetSnmpError::BadSecurityLevel, 1403},
    {NetSnmpError::Asn1ParseError, -1408},
    {NetSnmpError::UnknownSecurityModel, -1402},
    {NetSnmpError::InvalidMessage, -1405},
    {NetSnmpError::UnknownEngineId, 1410},
    {NetSnmpError::UnknownUserName, 1404},
    {NetSnmpError::UnsupportedSecurityLevel, 1403},
    {NetSnmpError::AuthenticationFailure, 1408},
    {NetSnmpError::NotInTimeWindow, 1411},
    {NetSnmpError::DecryptionError, 1406},
    {NetSnmpError::ScGeneralFailure, 1401},
    {NetSnmpError::ScNotConfigured, 1401},
    {NetSnmpError::KeyToolsNotAvailable, 1401},
    {NetSnmpError::UsmGenericError, 1401},
    {NetSnmpError::UsmUnknownSecurityName, 1404},
    {NetSnmpError::UsmUnsupportedSecurityLevel, 1403},
    {NetSnmpError::UsmEncryptionError, 1405},
    {NetSnmpError::UsmAuthenticationFailure, 1408},
    {NetSnmpError::UsmParseError, 1409},
    {NetSnmpError::UsmUnknownEngineId, 1410},
    {NetSnmpError::UsmNotInTimeWindow, 1411},
    {NetSnmpError::UsmDecryptionError, 1406},
    {NetSnmpError::BadSubId, -17},
    {NetSnmpError::LongOid, -17},
    {NetSnmpError::UnknownObjectId, -17},
    {NetSnmpError::NullPdu, -11},
    {NetSnmpError::NoVariables, -11},
    {NetSnmpError::VariableType, -11},
    {NetSnmpError::Malloc, -2},
    {NetSnmpError::TransportNoConfig, -20},
    {NetSnmpError::TransportConfigError, -20},
    {static_cast<NetSnmpError>(0), 0},
};

// The names above are the engine's numbers.
static_assert(static_cast<int>(NetSnmpError::GenErr) == SNMPERR_GENERR);
static_assert(static_cast<int>(NetSnmpError::BadLocalPort) == SNMPERR_BAD_LOCPORT);
static_assert(static_cast<int>(NetSnmpError::BadAddress) == SNMPERR_BAD_ADDRESS);
static_assert(static_cast<int>(NetSnmpError::BadSession) == SNMPERR_BAD_SESSION);
static_assert(static_cast<int>(NetSnmpError::TooLong) == SNMPERR_TOO_LONG);
static_assert(static_cast<int>(NetSnmpError::NoSocket) == SNMPERR_NO_SOCKET);
static_assert(static_cast<int>(NetSnmpError::V2InV1) == SNMPERR_V2_IN_V1);
static_assert(static_cast<int>(NetSnmpError::V1InV2) == SNMPERR_V1_IN_V2);
static_assert(static_cast<int>(NetSnmpError::BadAsn1Build) == SNMPERR_BAD_ASN1_BUILD);
static_assert(static_cast<int>(NetSnmpError::BadSendTo) == SNMPERR_BAD_SENDTO);
static_assert(static_cast<int>(NetSnmpError::BadParse) == SNMPERR_BAD_PARSE);
static_assert(static_cast<int>(NetSnmpError::BadVersion) == SNMPERR_BAD_VERSION);
static_assert(static_cast<int>(NetSnmpError::Abort) == SNMPERR_ABORT);
static_assert(static_cast<int>(NetSnmpError::UnknownPdu) == SNMPERR_UNKNOWN_PDU);
static_assert(static_cast<int>(NetSnmpError::Timeout) == SNMPERR_TIMEOUT);
static_assert(static_cast<int>(NetSnmpError::BadRecvFrom) == SNMPERR_BAD_RECVFROM);
static_assert(static_cast<int>(NetSnmpError::BadEngineId) == SNMPERR_BAD_ENG_ID);
static_assert(static_cast<int>(NetSnmpError::BadSecurityName) == SNMPERR_BAD_SEC_NAME);
static_assert(static_cast<int>(NetSnmpError::BadSecurityLevel) == SNMPERR_BAD_SEC_LEVEL);
static_assert(static_cast<int>(NetSnmpError::Asn1ParseError) == SNMPERR_ASN_PARSE_ERR);
static_assert(static_cast<int>(NetSnmpError::UnknownSecurityModel) == SNMPERR_UNKNOWN_SEC_MODEL);
static_assert(static_cast<int>(NetSnmpError::InvalidMessage) == SNMPERR_INVALID_MSG);
static_assert(static_cast<int>(NetSnmpError::UnknownEngineId) == SNMPERR_UNKNOWN_ENG_ID);
static_assert(static_cast<int>(NetSnmpError::UnknownUserName) == SNMPERR_UNKNOWN_USER_NAME);
static_assert(static_cast<int>(NetSnmpError::UnsupportedSecurityLevel) ==
              SNMPERR_UNSUPPORTED_SEC_LEVEL);
static_assert(static_cast<int>(NetSnmpError::AuthenticationFailure) ==
              SNMPERR_AUTHENTICATION_FAILURE);
static_assert(static_cast<int>(NetSnmpError::NotInTimeWindow) == SNMPERR_NOT_IN_TIME_WINDOW);
static_assert(static_cast<int>(NetSnmpError::DecryptionError) == SNMPERR_DECRYPTION_ERR);
static_assert(static_cast<int>(NetSnmpError::ScGeneralFailure) == SNMPERR_SC_GENERAL_FAILURE);
static_assert(static_cast<int>(NetSnmpError::ScNotConfigured) == SNMPERR_SC_NOT_CONFIGURED);
static_assert(static_cast<int>(NetSnmpError::KeyToolsNotAvailable) == SNMPERR_KT_NOT_AVAILABLE);
static_assert(static_cast<int>(NetSnmpError::UsmGenericError) == SNMPERR_USM_GENERICERROR);
static_assert(static_cast<int>(NetSnmpError::UsmUnknownSecurityName) ==
              SNMPERR_USM_UNKNOWNSECURITYNAME);
static_assert(static_cast<int>(NetSnmpError::UsmUnsupportedSecurityLevel) ==
              SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL);
static_assert(static_cast<int>(NetSnmpError::UsmEncryptionError) == SNMPERR_USM_ENCRYPTIONERROR);
static_assert(static_cast<int>(NetSnmpError::UsmAuthenticationFailure) ==
              SNMPERR_USM_AUTHENTICATIONFAILURE);
static_assert(static_cast<int>(NetSnmpError::UsmParseError) == SNMPERR_USM_PARSEERROR);
static_assert(static_cast<int>(NetSnmpError::UsmUnknownEngineId) == SNMPERR_USM_UNKNOWNENGINEID);
static_assert(static_cast<int>(NetSnmpError::UsmNotInTimeWindow) == SNMPERR_USM_NOTINTIMEWINDOW);
static_assert(static_cast<int>(NetSnmpError::UsmDecryptionError) == SNMPERR_USM_DECRYPTIONERROR);
static_assert(static_cast<int>(NetSnmpError::BadSubId) == SNMPERR_BAD_SUBID);
static_assert(static_cast<int>(NetSnmpError::LongOid) == SNMPERR_LONG_OID);
static_assert(static_cast<int>(NetSnmpError::UnknownObjectId) == SNMPERR_UNKNOWN_OBJID);
static_assert(static_cast<int>(NetSnmpError::NullPdu) == SNMPERR_NULL_PDU);
static_assert(static_cast<int>(NetSnmpError::NoVariables) == SNMPERR_NO_VARS);
static_assert(static_cast<int>(NetSnmpError::VariableType) == SNMPERR_VAR_TYPE);
static_assert(static_cast<int>(NetSnmpError::Malloc) == SNMPERR_MALLOC);
static_assert(static_cast<int>(NetSnmpError::TransportNoConfig) == SNMPERR_TRANSPORT_NO_CONFIG);
static_assert(static_cast<int>(NetSnmpError::TransportConfigError) ==
              SNMPERR_TRANSPORT_CONFIG_ERROR);

struct ReportRow {
    std::uint32_t object[10]; // the counter's OID without its instance ".0"; sentinel: all 0
    std::size_t length;
    int status;
};

// The counters an SNMPv3 engine names in a report PDU (USM statistics, message processing
// statistics, context errors).
constexpr ReportRow ReportRows[] = {
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, 10, 1403},  // usmStatsUnsupportedSecLevels
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, 10, 1411},  // usmStatsNotInTimeWindows
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, 10, 1404},  // usmStatsUnknownUserNames
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, 10, 1410},  // usmStatsUnknownEngineIDs
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, 10, 1408},  // usmStatsWrongDigests
    {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, 10, 1406},  // usmStatsDecryptionErrors
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, 10, -1402}, // snmpUnknownSecurityModels
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, 10, -1405}, // snmpInvalidMsgs
    {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, 10, -1415}, // snmpUnknownPDUHandlers
    {{1, 3, 6, 1, 6, 3, 12, 1, 4}, 9, -1416},     // snmpUnavailableContexts
    {{1, 3, 6, 1, 6, 3, 12, 1, 5}, 9, -1417},     // snmpUnknownContexts
    {{0}, 0, 0},
};

} // namespace

int NetSnmpStatus::OfLibraryError(int libraryError) {
    for (const ErrorRow* row = ErrorRows; row->status != 0; ++row) {
        if (static_cast<int>(row->error) == libraryError) {
            return row->status;
        }
    }
    return libraryError < 0 ? UnknownLibraryErrorBase + libraryError : UnknownOutcome;
}

int NetSnmpStatus::OfReport(const QxOid& reportOid) {
    for (const ReportRow* row = ReportRows; row->length != 0; ++row) {
        // The counter itself or its instance ".0".
        bool sameObject = reportOid.size() >= row->length &&
                          std::equal(row->object, row->object + row->length, reportOid.begin());
        bool instance = reportOid.size() == row->length ||
                        (reportOid.size() == row->length + 1 && reportOid.back() == 0);
        if (sameObject && instance) {
            return row->status;
        }
    }
    return UnknownOutcome;
}

int NetSnmpStatus::Of(const NetSnmpOutcome& outcome) {
    switch (outcome.kind) {
    case NetSnmpOutcome::Kind::Response:
        // Error-status values are 0..18 (noError..inconsistentName); anything else is not
        // an agent status and must not be mistaken for one of the other ranges.
        return outcome.errorStatus >= 0 && outcome.errorStatus <= 18
                   ? static_cast<int>(outcome.errorStatus)
                   : UnknownOutcome;
    case NetSnmpOutcome::Kind::Report:
        return OfReport(outcome.reportOid);
    case NetSnmpOutcome::Kind::TimedOut:
        return TimedOut;
    case NetSnmpOutcome::Kind::LibraryError:
        return OfLibraryError(outcome.libraryError);
    case NetSnmpOutcome::Kind::Disconnected:
        return -22;
    case NetSnmpOutcome::Kind::Closed:
        return SessionClosed;
    }
    return UnknownOutcome;
}
