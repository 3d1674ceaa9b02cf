#include "forms/monitor/counters/TUDP_Counters.h"

#include "snmp/UISnmpVar.h"

namespace {

constexpr UISnmpVar UdpGroup[] = {
    {"1.3.6.1.2.1.7.1", "In Datagrams", sxCounter, acReadonly},
    {"1.3.6.1.2.1.7.2", "No Ports", sxCounter, acReadonly},
    {"1.3.6.1.2.1.7.3", "In Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.7.4", "Out Datagrams", sxCounter, acReadonly},
    {"1.3.6.1.2.1.7.5", "Table", sxBitstr, acNotaccess},
    {},
};

constexpr const char* UdpRows[] = {
    "udpInDatagrams", "udpNoPorts", "udpInErrors", "udpOutDatagramsms", nullptr,
};

// The opening read primes the figures; polling starts only when it succeeded.
constexpr TScalarCounters::Setup UdpSetup = {"UDP Counters", UdpGroup, UdpRows, 631, 461,
                                             true,           false};

} // namespace

TUDP_Counters::TUDP_Counters(QWidget* owner) : TScalarCounters(owner, UdpSetup) {
    SetName("UDP_Counters");
}
