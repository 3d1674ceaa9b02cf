#include "forms/monitor/counters/TSNMP_Counters.h"

#include "snmp/UISnmpVar.h"
#include "vocab/QxOptionTables.h"

namespace {

constexpr UISnmpVar SnmpGroup[] = {
    {"1.3.6.1.2.1.11.1", "In Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.2", "Out Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.3", "In Bad Versions", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.4", "In Bad Community Names", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.5", "In Bad Community Uses", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.6", "In ASN Parse Errs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.8", "In Too Bigs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.9", "In No Such Names", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.10", "In Bad Values", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.11", "In Read Onlys", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.12", "In Gen Errs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.13", "In Total Req Vars", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.14", "In Total Set Vars", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.15", "In Get Requests", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.16", "In Get Nexts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.17", "In Set Requests", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.18", "In Get Responses", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.19", "In Traps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.20", "Out Too Bigs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.21", "Out No Such Names", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.22", "Out Bad Values", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.24", "Out Gen Errs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.25", "Out Get Requests", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.26", "Out Get Nexts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.27", "Out Set Requests", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.28", "Out Get Responses", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.29", "Out Traps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.11.30", "Enable Authen Traps", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {},
};

constexpr const char* SnmpRows[] = {
    "snmpInPkts",
    "snmpOutPkts",
    "snmpInBadVersions",
    "snmpInBadCommunityNames",
    "snmpInBadCommunityUses",
    "snmpInASNParseErrs",
    "snmpInTooBigs",
    "snmpInNoSuchNames",
    "snmpInBadValues",
    "snmpInReadOnlys",
    "snmpInGenErrs",
    "snmpInTotalReqVars",
    "snmpInTotalSetVars",
    "snmpInGetRequests",
    "snmpInGetNexts",
    "snmpInSetRequests",
    "snmpInGetResponses",
    "snmpInTraps",
    "snmpOutTooBigs",
    "snmpOutNoSuchNames",
    "snmpOutBadValues",
    "snmpOutGenErrs",
    "snmpOutGetRequests",
    "snmpOutGetNexts",
    "snmpOutSetRequests",
    "snmpOutGetResponses",
    "snmpOutTraps",
    nullptr,
};

// Running from the start: a failed opening read is retried at every tick.
constexpr TScalarCounters::Setup SnmpSetup = {
    "SNMP Counters", SnmpGroup, SnmpRows, 667, 524, true, true};

} // namespace

TSNMP_Counters::TSNMP_Counters(QWidget* owner) : TScalarCounters(owner, SnmpSetup) {
    SetName("SNMP_Counters");
}
