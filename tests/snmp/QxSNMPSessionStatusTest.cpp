#include "shell/QxMessages.h"
#include "snmp/NetSnmpStatus.h"

#include <gtest/gtest.h>

namespace {

using Kind = NetSnmpOutcome::Kind;

NetSnmpOutcome Response(long errorStatus) {
    NetSnmpOutcome o;
    o.kind = Kind::Response;
    o.errorStatus = errorStatus;
    return o;
}

NetSnmpOutcome Report(QxOid oid) {
    NetSnmpOutcome o;
    o.kind = Kind::Report;
    o.reportOid = std::move(oid);
    return o;
}

NetSnmpOutcome Library(NetSnmpError error) {
    NetSnmpOutcome o;
    o.kind = Kind::LibraryError;
    o.libraryError = static_cast<int>(error);
    return o;
}

NetSnmpOutcome Only(Kind kind) {
    NetSnmpOutcome o;
    o.kind = kind;
    return o;
}

// What the engine reports -> the status number -> the program code users see.
TEST(NetSnmpStatus, MapsEngineOutcomesToProgramCodes) {
    const QxOid usm = {1, 3, 6, 1, 6, 3, 15, 1, 1};
    auto usmStat = [&usm](std::uint32_t n) {
        QxOid oid = usm;
        oid.push_back(n);
        oid.push_back(0);
        return oid;
    };
    struct Row {
        const char* name;
        NetSnmpOutcome outcome;
        int status;
        int code;
    } rows[] = {
        {"response", Response(0), 0, 0},
        {"tooBig", Response(1), 1, -101},
        {"noSuchName", Response(2), 2, -102},
        {"wrongType", Response(7), 7, -107},
        {"inconsistentName", Response(18), 18, -118},
        {"error-status beyond the protocol's", Response(19), NetSnmpStatus::UnknownOutcome, -528},
        {"error-status that would look like a USM status", Response(1404),
         NetSnmpStatus::UnknownOutcome, -528},
        {"negative error-status", Response(-1), NetSnmpStatus::UnknownOutcome, -528},
        {"time-out", Only(Kind::TimedOut), -5, -405},
        {"session closed", Only(Kind::Closed), -8, -408},
        {"transport gone", Only(Kind::Disconnected), -22, -422},
        {"usmStatsUnsupportedSecLevels", Report(usmStat(1)), 1403, -303},
        {"usmStatsNotInTimeWindows", Report(usmStat(2)), 1411, -311},
        {"usmStatsUnknownUserNames", Report(usmStat(3)), 1404, -304},
        {"usmStatsUnknownEngineIDs", Report(usmStat(4)), 1410, -310},
        {"usmStatsWrongDigests", Report(usmStat(5)), 1408, -308},
        {"usmStatsDecryptionErrors", Report(usmStat(6)), 1406, -306},
        {"counter named without instance", Report({1, 3, 6, 1, 6, 3, 15, 1, 1, 3}), 1404, -304},
        {"snmpUnknownSecurityModels", Report({1, 3, 6, 1, 6, 3, 11, 2, 1, 1, 0}), -1402, -201},
        {"snmpInvalidMsgs", Report({1, 3, 6, 1, 6, 3, 11, 2, 1, 2, 0}), -1405, -204},
        {"snmpUnknownPDUHandlers", Report({1, 3, 6, 1, 6, 3, 11, 2, 1, 3, 0}), -1415, -214},
        {"snmpUnavailableContexts", Report({1, 3, 6, 1, 6, 3, 12, 1, 4, 0}), -1416, -215},
        {"snmpUnknownContexts", Report({1, 3, 6, 1, 6, 3, 12, 1, 5, 0}), -1417, -216},
        {"unknown USM counter", Report(usmStat(7)), NetSnmpStatus::UnknownOutcome, -528},
        {"a column below a counter is not the counter",
         Report({1, 3, 6, 1, 6, 3, 15, 1, 1, 3, 1, 0}), NetSnmpStatus::UnknownOutcome, -528},
        {"report without bindings", Report({}), NetSnmpStatus::UnknownOutcome, -528},
        {"engine time-out", Library(NetSnmpError::Timeout), -5, -405},
        {"generic send error", Library(NetSnmpError::GenErr), -1, -401},
        {"sendto failed", Library(NetSnmpError::BadSendTo), -22, -422},
        {"bad address", Library(NetSnmpError::BadAddress), -18, -418},
        {"counter64 over v1", Library(NetSnmpError::V2InV1), -11, -411},
        {"out of memory", Library(NetSnmpError::Malloc), -2, -402},
        {"unknown user", Library(NetSnmpError::UnknownUserName), 1404, -304},
        {"USM unknown user", Library(NetSnmpError::UsmUnknownSecurityName), 1404, -304},
        {"authentication failure", Library(NetSnmpError::AuthenticationFailure), 1408, -308},
        {"USM authentication failure", Library(NetSnmpError::UsmAuthenticationFailure), 1408, -308},
        {"unknown engine ID", Library(NetSnmpError::UnknownEngineId), 1410, -310},
        {"not in time window", Library(NetSnmpError::UsmNotInTimeWindow), 1411, -311},
        {"unsupported security level", Library(NetSnmpError::UnsupportedSecurityLevel), 1403, -303},
        {"decryption error", Library(NetSnmpError::UsmDecryptionError), 1406, -306},
        {"encryption error", Library(NetSnmpError::UsmEncryptionError), 1405, -305},
        {"unknown security model", Library(NetSnmpError::UnknownSecurityModel), -1402, -201},
        {"parse error", Library(NetSnmpError::Asn1ParseError), -1408, -207},
        {"engine error the table lacks", Library(static_cast<NetSnmpError>(-66)), -1066, -528},
    };
    for (const Row& row : rows) {
        int status = NetSnmpStatus::Of(row.outcome);
        EXPECT_EQ(status, row.status) << row.name;
        EXPECT_EQ(QxMessages::MapStatus(status).code, row.code) << row.name;
    }
}

TEST(NetSnmpStatus, UnmappedOutcomesNameTheirNumber) {
    QxMessages::Mapped mapped =
        QxMessages::MapStatus(NetSnmpStatus::Of(Library(static_cast<NetSnmpError>(-66))));
    EXPECT_NE(mapped.text.find("-1066"), std::string::npos) << mapped.text;
}

} // namespace
