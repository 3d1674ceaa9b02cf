#include "forms/monitor/counters/TIP_Counters.h"

#include "snmp/UISnmpVar.h"

namespace {

constexpr UISnmpVar IpGroup[] = {
    {"1.3.6.1.2.1.4.3", "In Receives", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.4", "In Hdr Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.5", "In Addr Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.6", "Forw Datagrams", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.7", "In Unknown Protos", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.8", "In Discards", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.9", "In Delivers", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.10", "Out Requests", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.11", "Out Discards", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.12", "Out No Routes", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.14", "Reasm Reqds", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.15", "Reasm OKs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.16", "Reasm Fails", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.17", "Frag OKs", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.18", "Frag Fails", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.19", "Frag Creates", sxCounter, acReadonly},
    {"1.3.6.1.2.1.4.23", "IP Routing Discards", sxCounter, acReadonly},
    {},
};

constexpr const char* IpRows[] = {
    "ipInReceives",       "ipInHdrErrors", "ipInAddrErrors", "ipForwDatagrams",
    "ipInUnknownProtols", "ipInDiscards",  "ipInDelivers",   "ipOutRequests",
    "ipOutDiscards",      "ipOutNoRoutes", nullptr,
};

// The opening read only checks the device; the first tick primes the figures.
constexpr TScalarCounters::Setup IpSetup = {"IP Counters", IpGroup, IpRows, 693, 460, false, false};

} // namespace

TIP_Counters::TIP_Counters(QWidget* owner) : TScalarCounters(owner, IpSetup) {
    SetName("IP_Counters");
}
