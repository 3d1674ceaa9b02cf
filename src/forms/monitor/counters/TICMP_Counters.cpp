#include "forms/monitor/counters/TICMP_Counters.h"

#include "snmp/UISnmpVar.h"

namespace {

constexpr UISnmpVar IcmpGroup[] = {
    {"1.3.6.1.2.1.5.1", "In Msgs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.2", "In Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.3", "In Dest Unreachs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.4", "In Time Excds", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.5", "In Parm Probs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.6", "In Src Quenchs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.7", "In Redirects", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.8", "In Echos", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.9", "In Echo Reps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.10", "In Timestamps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.11", "In Timestamp Reps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.12", "In Addr Masks", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.13", "In Addr Mask Reps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.14", "Out Msgs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.15", "Out Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.16", "Out Dest Unreachs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.17", "Out Time Excds", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.18", "Out Parm Probs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.19", "Out Src Quenchs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.20", "Out Redirects", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.21", "Out Echos", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.22", "Out Echo Reps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.23", "Out Timestamps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.24", "Out Timestamp Reps", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.25", "Out Addr Masks", sxCounter, acReadonly},
    {"1.3.6.1.2.1.5.26", "Out Addr Mask Reps", sxCounter, acReadonly},
    {},
};

constexpr const char* IcmpRows[] = {
    "icmpInMsgs",          "icmpInErrors",        "icmpInDestUnreachs",
    "icmpInTimeExcdsms",   "icmpInParmProbs",     "icmpInSrcQuenchs",
    "icmpInRedirects",     "icmpInEchos",         "icmpInEchoReps",
    "icmpInTimestamps",    "icmpInTimestampReps", "icmpInAddrMasks",
    "icmpInAddrMaskReps",  "icmpOutMsgs",         "icmpOutErrors",
    "icmpOutDestUnreachs", "icmpOutTimeExcds",    "icmpOutParmProbs",
    "icmpOutSrcQuenchs",   "icmpOutRedirects",    "icmpOutEchos",
    "icmpOutEchoReps",     "icmpOutTimestamps",   "icmpOutTimestampReps",
    "icmpOutAddrMasks",    "icmpOutAddrMaskReps", nullptr,
};

// Running from the start: a failed opening read is retried at every tick.
constexpr TScalarCounters::Setup IcmpSetup = {
    "ICMP Counters", IcmpGroup, IcmpRows, 715, 532, true, true};

} // namespace

TICMP_Counters::TICMP_Counters(QWidget* owner) : TScalarCounters(owner, IcmpSetup) {
    SetName("ICMP_Counters");
}
