#pragma once

#include "snmp/UISnmpVar.h"

// Descriptor tables of the standard-MIB tables the table viewers show, one per table (or group
// of scalars), each ending in its sentinel row. Generated from the MIB modules.
extern const UISnmpVar VT_dot3StatsTable[];
extern const UISnmpVar VT_dot1dTpFdbTable[];
extern const UISnmpVar VT_dot1qStaticUnicastTable[];
extern const UISnmpVar VT_dot1qStaticMulticastTable[];
extern const UISnmpVar VT_etherStatsTable[];
extern const UISnmpVar VT_historyControlTable[];
extern const UISnmpVar VT_etherHistoryTable[];
extern const UISnmpVar VT_alarmTable[];
extern const UISnmpVar VT_eventTable[];
extern const UISnmpVar VT_ipCidrRouteTable[];
extern const UISnmpVar VT_rip2IfStatTable[];
extern const UISnmpVar VT_rip2IfConfTable[];
extern const UISnmpVar VT_ospfGeneralGroup[];
extern const UISnmpVar VT_ospfAreaTable[];
extern const UISnmpVar VT_ospfLsdbTable[];
extern const UISnmpVar VT_ospfNbrTable[];
extern const UISnmpVar VT_ipMRouteTable[];
extern const UISnmpVar VT_dvmrpInterfaceTable[];
extern const UISnmpVar VT_dvmrpNeighborTable[];
extern const UISnmpVar VT_pimInterfaceTable[];
extern const UISnmpVar VT_pimNeighborTable[];
