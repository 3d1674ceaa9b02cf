// Descriptor tables of the generated pages of the menus Layer2 Management and Layer 3 Management:
// one table per page (per tab of a tabbed entry), named after the entry's click handler and the
// page's position. Each row is one variable: OID (a single space for an index part without a column
// of its own), label, syntax, access and, for an enumerated variable, its option list. A table ends
// at its sentinel row.

#include "snmp/UISnmpVar.h"
#include "vocab/QxOptionTables.h"

// Layer2 Management: Device Management / Device Information, scalar page
extern const UISnmpVar DT_DeviceInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.1", "System Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.2", "Total Num Of Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.3", "Num Of Port In Use", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.4", "Console In Use", sxInteger, acReadonly,
     &OL_2inuse_3notinuse},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.5", "Module Type", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.6", "Front Panel LED Mode", sxInteger, acReadonly,
     &OL_1portStatusMode_2poeStatusMode},
    {},
};

// Layer2 Management: Device Management / Power Information, table page
extern const UISnmpVar DT_PowerInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.8.1.1", "Power Unit Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.8.1.2", "Power ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.1.8.1.3", "Power Status", sxInteger, acReadonly,
     &OL_1lowVoltage_2overCurrent_3working_x6},
    {},
};

// Layer2 Management: Device Management / Device Control, scalar page
extern const UISnmpVar DT_DeviceControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.1", "STP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.2", "IGMP Snooping", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.4", "Clean All Statistic Counter", sxInteger, acReadwrite,
     &OL_1normal_2active},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.5", "VLAN ID Of FDB Table", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.6", "MAC Notify State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.7", "MAC Notify History Size", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.8", "MAC Notify Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.10.1", "Telnet State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.10.2", "Telnet Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.3", "Port Control Jumbo Frame", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer2 Management: Device Management / Alarm Control, scalar page
extern const UISnmpVar DT_AlarmControl1Click_0[] = {
    {"1.3.6.1.2.1.11.30", "SNMP Enable Authen Traps", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.3.1", "Alarm New Root", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.3.2", "Alarm Topology Change", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.3.3", "Alarm Link Change", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer2 Management: Port Management / Port Information Table, table page
extern const UISnmpVar DT_PortInformationTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.1", "swL2PortInformationPortIndex", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.2", "swL2PortInformationMediumType", sxInteger, acNotaccess,
     &OL_1copper_2fiber},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.3", "swL2PortInformationUnitID", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.4", "swL2PortInformationType", sxInteger, acReadonly,
     &OL_1portType100BaseTX_2portType100BaseFX_3portType100BaseFL_x25},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.5", "swL2PortInformationLinkStatus", sxInteger, acReadonly,
     &OL_1other_2linkpass_3linkfail},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.6", "swL2PortInformationNwayStatus", sxInteger, acReadonly,
     &OL_0other_1empty_2linkdown_x10},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.7", "swL2PortInformationModuleType", sxInteger, acReadonly,
     &OL_0none_1moduleTypeCOMBO_2moduleType1394_x27},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.4.1.8", "swL2PortInformationErrorDisabled", sxInteger,
     acReadonly, &OL_0none_1storm_2lbd_3unknow},
    {},
};

// Layer2 Management: Port Management / Port Control Table, table page
extern const UISnmpVar DT_PortControlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.2", "Medium Type", sxInteger, acNotaccess,
     &OL_1copper_2fiber},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.3", "Unit Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.4", "Administ State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.5", "Nway State", sxInteger, acReadwrite,
     &OL_1other_2nwayenabled_3nwaydisabled10MbpsHalf_x10},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.6", "Ctrl State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.7", "Learning State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.8", "MAC Notify State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.4.5.1.9", "Multicast Filter", sxInteger, acReadwrite,
     &OL_1forwardallgroups_2forwardunregisteredgroups_3filterunregisteredgroups},
    {},
};

// Layer2 Management: Port Management / Port Trunk Mgmt, scalar page
extern const UISnmpVar DT_PortTrunkMgmt1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.8.1", "Trunk Max Supported Entries", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.2", "Trunk Current Num Entries", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.4", "Trunk Algorithm", sxInteger, acReadwrite,
     &OL_2macsource_3macdestination_4macsourcedest_x6},
    {},
};

// Layer2 Management: Port Management / Port Trunk Table, table page
extern const UISnmpVar DT_PortTrunkTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.2", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.3", "Master Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.4", "Member", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.5", "Flooding Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.6", "Type", sxInteger, acReadwrite, &OL_2static_3lacp},
    {"1.3.6.1.4.1.32473.11.69.3.2.8.3.1.7", "State", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer2 Management: Port Management / Port Mirror Table, scalar page
extern const UISnmpVar DT_PortMirrorTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.9.1", "Logic Target Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.9.2", "Port Source Ingress", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.9.3", "Port Source Egress", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.9.4", "Port State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer2 Management: Port Management / Port Security Table, table page
extern const UISnmpVar DT_PortSecurityTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.14.1.1.1", "Port Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.14.1.1.2", "Max Lern Address", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.14.1.1.3", "Security Mode", sxInteger, acReadwrite,
     &OL_2permanent_3deleteOnTimeout_4deleteOnReset},
    {"1.3.6.1.4.1.32473.11.69.3.2.14.1.1.4", "Admin State", sxInteger, acReadwrite,
     &OL_2enable_3disable},
    {},
};

// Layer2 Management: QoS Management / Bandwidth Control Table, table page
extern const UISnmpVar DT_BandwidthControlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.6.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.1.1.2", "RX Rate", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.1.1.3", "TX Rate", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.1.1.4", "RADIUS RX Rate", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.1.1.5", "RADIUS TX Rate", sxInteger, acReadonly},
    {},
};

// Layer2 Management: QoS Management / Scheduling Table, table page
extern const UISnmpVar DT_SchedulingTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.6.2.1.1", "Class Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.2.1.2", "Max Pkts", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: QoS Management / 802.1p User Priority Table, table page
extern const UISnmpVar DT_N8021pUserPriorityTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.6.3.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.3.1.2", "Class", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: QoS Management / 802.1p Default Priority Table, table page
extern const UISnmpVar DT_N8021pDefaultPriorityTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.6.4.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.4.1.2", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.6.4.1.3", "RADIUS Priority", sxInteger, acReadonly},
    {},
};

// Layer2 Management: QoS Management / WRED / WRED State, scalar page
extern const UISnmpVar DT_WREDState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.31.1.1", "WRED State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Layer2 Management: QoS Management / WRED / WRED Average Time, table page
extern const UISnmpVar DT_WREDAverageTime1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.31.3.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.31.3.1.1.2", "Average Time", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: QoS Management / WRED / WRED Control, table page
extern const UISnmpVar DT_WREDControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.31.3.2.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.31.3.2.1.2", "Class Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.31.3.2.1.3", "Drop Start", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.31.3.2.1.4", "Drop Slope", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: QoS Management / WRED / WRED All Port Average Time, scalar page
extern const UISnmpVar DT_WREDAllPortAverageTime1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.31.3.3", "All Port Average Time", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Management, scalar page
extern const UISnmpVar DT_IGMPControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.1", "Max Supported VLANs", sxInteger, acReadonly},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Control Table, table page
extern const UISnmpVar DT_IGMPControlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.1", "Ctrl VID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.2", "Query Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.3", "Max Response Time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.4", "Robustness", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.5", "Last Member Query Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.6", "Host Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.7", "Route Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.8", "Leave Timer", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.9", "Query State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.10", "Current State", sxInteger, acReadonly,
     &OL_2querier_3nonquerier},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.11", "Ctrl State", sxInteger, acReadwrite,
     &OL_2disable_3enable},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.3.1.12", "Fast Leave State", sxInteger, acReadwrite,
     &OL_1other_2disable_3enable},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Query Information, table page
extern const UISnmpVar DT_IGMPQueryInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.4.1.1", "VID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.4.1.2", "Query Count", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.4.1.3", "TX Query Count", sxInteger, acReadonly},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Information, table page
extern const UISnmpVar DT_IGMPManagementClick_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.5.1.1", "VID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.5.1.2", "Group IP Addr", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.5.1.3", "MAC Addr", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.5.1.4", "Port Map", sxBitstr, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.5.1.5", "IP Group Report Count", sxInteger, acReadonly},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Multicast VLAN, table page
extern const UISnmpVar DT_IGMPMulticastVlan1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.6.1.1", "ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.6.1.2", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.6.1.3", "Source Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.6.1.4", "Member Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.6.1.5", "Row Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_4createAndGo_6destroy},
    {},
};

// Layer2 Management: IGMP Snooping / IGMP Router Port, table page
extern const UISnmpVar DT_IGMPRouterPort1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.10.7.1.1", "IGMP Router Port VLAN ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.7.1.2", "IGMP Router Port VLAN Name", sxDisplaystr,
     acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.7.1.3", "IGMP Router Port Static Port List", sxBitstr,
     acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.7.1.4", "IGMP Router Port Dynamic Port List", sxBitstr,
     acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.10.7.1.5", "IGMP Router Port Forbidden Port List", sxBitstr,
     acReadwrite},
    {},
};

// Layer2 Management: Traffic Segmentation Table, tab "Traffic Segment Table"
extern const UISnmpVar DT_TrafficManagementClick_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.13.1.1.1", "Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.13.1.1.2", "Forward Ports", sxOctetstr, acReadwrite},
    {},
};

// Layer2 Management: Multicast Filter Management / Profile Information, table page
extern const UISnmpVar DT_ProfileInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.53.1.1.1", "Profile Informaiton Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.1.1.2", "Profile Infomation Description", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.53.1.1.3", "Profile Information Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer2 Management: Multicast Filter Management / Profile Control, table page
extern const UISnmpVar DT_ProfileControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.53.2.1.1", "Profile Cotronl Profile Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.2.1.2", "Profile Cotronl Star tAddress", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.2.1.3", "Profile Cotronl End Address", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.53.2.1.4", "Profile Cotronl Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer2 Management: Multicast Filter Management / Port Group, table page
extern const UISnmpVar DT_PortGroup1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.53.3.1.1", "Port Group Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.3.1.2", "Port Group Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.3.1.3", "Port Group Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer2 Management: Multicast Filter Management / Port Access, table page
extern const UISnmpVar DT_PortAccess1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.53.4.1.1", "Port Access Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.4.1.2", "Port Access State", sxInteger, acReadwrite,
     &OL_1permit_2deny},
    {},
};

// Layer2 Management: Multicast Filter Management / Port Max Table, table page
extern const UISnmpVar DT_PortMaxTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.53.5.1.1", "Port Max Group Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.53.5.1.2", "Port Max Group", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.53.5.1.3", "Port Current Count", sxInteger, acReadonly},
    {},
};

// Layer2 Management: Packet Storm Control / Control Table, scalar page
extern const UISnmpVar DT_ControlTable3Click_0[] = {
    {"1.3.6.1.4.1.32473.12.25.1.2", "Trap Ctrl", sxInteger, acReadwrite,
     &OL_1none_2stormOccurred_3stormCleared_4both},
    {},
};

// Layer2 Management: Packet Storm Control / Management Table, table page
extern const UISnmpVar DT_ManagementTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Port Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Status", sxInteger, acReadwrite,
     &OL_1disabled_2enabled},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Status", sxInteger, acReadwrite,
     &OL_1disabled_2enabled},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Unicast Status", sxInteger, acReadwrite,
     &OL_1disabled_2enabled},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action Status", sxInteger, acReadwrite,
     &OL_1shutdown_2drop},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.9", "Shutdown Forever", sxInteger, acReadonly, &OL_1yes_2no},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.10", "BCast Threshold", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.11", "MCast Threshold", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.12", "Unicast Threshold", sxInteger, acReadwrite},
    {},
};

// Layer2 Management: MLD Snooping / Management, scalar page
extern const UISnmpVar DT_Management1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "MLD Snooping Global State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.34.1.2", "MLD Snooping MCST RT Only", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer2 Management: MLD Snooping / Control, table page
extern const UISnmpVar DT_Control2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "MLD Snooping Control VLAN ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "MLD Snooping Query Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "MLD Snooping Max Response Time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "MLD Snooping Robustness", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", sxInteger,
     acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.6", "MLD Snooping Host Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.7", "MLD Snooping Route Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.8", "MLD Snooping Done Timer", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.9", "MLD Snooping Query State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "MLD Snooping Current State", sxInteger, acReadonly,
     &OL_1other_2querier_3nonquerier},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "MLD Snooping Control State", sxInteger, acReadwrite,
     &OL_1other_2disable_3enable},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "MLD Snooping Fast Done State", sxInteger, acReadwrite,
     &OL_1other_2disable_3enable},
    {},
};

// Layer2 Management: MLD Snooping / Group Information, table page
extern const UISnmpVar DT_GroupInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.34.3.3.1.1", "MLD Snooping Group Information VLAN ID", sxInteger,
     acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.2", "MLD Snooping Group Informaiton IP Address", sxIpv6address,
     acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.3", "MLD Snooping Group Informaiton MAC Address", sxMacaddress,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.4", "MLD Snooping Group Informaiton Port Map", sxBitstr,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.34.3.3.1.5", "MLD Snooping Group Informaiton Report Count", sxInteger,
     acReadonly},
    {},
};

// Layer2 Management: MLD Snooping / Router Ports, table page
extern const UISnmpVar DT_RouterPorts1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "MLD Snooping Router Ports VLAN ID", sxInteger,
     acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "MLD Snooping Router Static Port List", sxBitstr,
     acReadwrite},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "MLD Snooping Dynamic Port List", sxBitstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "MLD Snooping Router Forbidden Port List", sxBitstr,
     acReadwrite},
    {},
};

// Layer2 Management: MLD Snooping / Forwarding Information, table page
extern const UISnmpVar DT_ForwardingInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.34.3.5.1.1", "MLD Snooping Forwarding Information VID", sxInteger,
     acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.2", "MLD Snooping Forwarding Information IP Address",
     sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.3", "MLD Snooping Forwarding Information MAC Address",
     sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.4", "MLD Snooping Forwarding Information Port Map", sxBitstr,
     acReadonly},
    {},
};

// Layer2 Management: Loopback Detection / Control, scalar page
extern const UISnmpVar DT_Control3Click_0[] = {
    {"1.3.6.1.4.1.32473.12.41.1.1", "Admin State", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.41.1.2", "Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.41.1.3", "Recover Time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.41.1.4", "Mode", sxInteger, acReadwrite, &OL_1vlanbased_2portbased},
    {},
};

// Layer2 Management: Loopback Detection / Port Table, table page
extern const UISnmpVar DT_PortTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.41.3.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.41.3.1.1.2", "Port State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.41.3.1.1.3", "Port Loop VLAN", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.41.3.1.1.4", "Port Loop Status", sxInteger, acReadonly,
     &OL_1normal_2loop_3error},
    {},
};

// Layer 3 Management: Device Ctrl, scalar page
extern const UISnmpVar DT_DeviceCtrl1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.1", "RIP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.2", "OSPF State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.3", "DVMRP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.4", "PIM State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.5", "VRRP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.1.1.8", "OSPF ECMP State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer 3 Management: IP Management / IP Forwarding Table, table page
extern const UISnmpVar DT_IPForwardingTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.2.2.1.1.1", "IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.2.1.1.2", "Subnet Mask", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.2.1.1.3", "Port Number", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.2.1.1.4", "Type", sxInteger, acReadonly, &OL_2static_3dynamic},
    {},
};

// Layer 3 Management: IP Management / IP ARP Aging Time, scalar page
extern const UISnmpVar DT_IPFilterAddressCtrlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.2.4", "Arp Aging Time[0-65535]", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: IP Management / IP Static Routing Table, table page
extern const UISnmpVar DT_IPStaticRoutingTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.1", "Destination", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.2", "Mask", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.3", "Backup State", sxInteger, acReadonly,
     &OL_1primary_2backup},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.4", "Next Hop", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.5", "Metric", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.2.5.1.6", "Status", sxInteger, acReadwrite, &OL_2invalid_3valid},
    {},
};

// Layer 3 Management: BOOTP Basic Configuration, scalar page
extern const UISnmpVar DT_BOOTPBasicConfiguration1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.1", "Bootp State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.2", "Bootp Hop Count", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.3", "Bootp Time Threshold", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.4", "Bootp Option82 State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.5", "Bootp Option82 Check", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.1.6", "Bootp Option82 Policy", sxInteger, acReadwrite,
     &OL_1replace_2drop_3keep},
    {},
};

// Layer 3 Management: DHCP Server / DHCP Server Control, scalar page
extern const UISnmpVar DT_DHCPServerControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.1.1", "DHCP Server State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.38.1.2", "DHCP Server Ping Packet Number", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.1.3", "DHCP Server Ping Time Out", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: DHCP Server / Excluded Address Table, table page
extern const UISnmpVar DT_ExcludedAddressTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.1.1.1", "Excluded Address Begin", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.2", "Excluded Address End", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.3", "Excluded Address Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: DHCP Server / Pool Table, table page
extern const UISnmpVar DT_PoolTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.1", "Pool Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.2", "Pool Network Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.3", "Pool Network Address Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.4", "Pool Domain Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.5", "Pool NetBIOS Node Type", sxInteger, acReadwrite,
     &OL_1broadcast_2peertopeer_3mixed_4hybid},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.6", "Pool Lease State", sxInteger, acReadwrite,
     &OL_1predefined_2infinite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.7", "Pool Lease Day", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.8", "Pool Lease Hour", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.9", "Pool Lease Minute", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.10", "Pool Boot File", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.11", "Pool Next Server", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.12", "Pool Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Layer 3 Management: DHCP Server / DNS Server Address Table, table page
extern const UISnmpVar DT_DNSServerAddressTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.1", "DNS Server Pool Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.2", "DNS Server AddressIndex", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.3", "DNS Server Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.4", "DNS Server Address Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Layer 3 Management: DHCP Server / Net BIOS Name Server Table, table page
extern const UISnmpVar DT_NetBIOSNameServerTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.1", "Net BIOS Name Server Pool Name", sxDisplaystr,
     acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.2", "Net BIOS Name Server Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.3", "Net BIOS Name Server", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.4", "Net BIOS Name Server Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Layer 3 Management: DHCP Server / Default Router Table, table page
extern const UISnmpVar DT_DefaultRouterTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.1", "Default Router Pool Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.2", "Default Router Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.3", "Default Router", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.4", "Default Router Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Layer 3 Management: DHCP Server / Manual Binding Table, table page
extern const UISnmpVar DT_ManualBindingTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.3.1.1", "Manual Binding Pool Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.2", "Manual Binding IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.3", "Manual Binding Hardware Address", sxMacaddress,
     acReadwrite},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.4", "Manual Binding Type", sxInteger, acReadwrite,
     &OL_1ethernet_2ieee802_3both},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.5", "Manual Binding Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: DHCP Server / Dynamic Binding Table, table page
extern const UISnmpVar DT_DynamicBindingTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.4.1.1", "Dynamic Binding Pool Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.2", "Dynamic Binding IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.3", "Dynamic Binding Hardware Address", sxMacaddress,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.4", "Dynamic Binding Type", sxInteger, acReadonly,
     &OL_1ethernet_2iee802},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.5", "Dynamic Binding Status", sxInteger, acReadonly,
     &OL_1manual_2automatic},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.6", "Dynamic Binding Life Time", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.7", "Dynamic Binding Clear State", sxInteger, acReadwrite,
     &OL_1none_2start},
    {},
};

// Layer 3 Management: DHCP Server / Conflict IP Table, table page
extern const UISnmpVar DT_ConflictIPTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.38.3.5.1.1", "Conflict IP IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.38.3.5.1.2", "Conflict IP Detection Method", sxInteger, acReadonly,
     &OL_1ping_2gratuitousarp},
    {"1.3.6.1.4.1.32473.12.38.3.5.1.3", "Conflict IP Detection Time", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.38.3.5.1.4", "Conflict IP Clear State", sxInteger, acReadwrite,
     &OL_1none_2start},
    {},
};

// Layer 3 Management: DNS Basic Configuration, scalar page
extern const UISnmpVar DT_DNSBasicConfiguration1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.1", "DNS State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.2", "DNS Primary Server", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.3", "DNS Secondary Server", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.4", "DNS Cache State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.5", "DNS Static Table State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Layer 3 Management: DNS Ctrl Table, table page
extern const UISnmpVar DT_DNSCtrlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.6.1.1", "Domain Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.6.1.2", "IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.3.2.6.1.3", "State", sxInteger, acReadwrite, &OL_2invalid_3valid},
    {},
};

// Layer 3 Management: RIP Management, scalar page
extern const UISnmpVar DT_RIPManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.32.3.1", "RIP Update Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.32.3.2", "RIP Timeout Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.32.3.3", "RIP Garbage Collect Interval", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: OSPF / Interface Table, tab "OSPF Virtual Table"
extern const UISnmpVar DT_InterfaceTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.1", "Area ID", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.2", "Neighbor Route ID", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.3", "Transmit Delay", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.4", "Retransmit Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.5", "Hello Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.6", "Router Dead Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.7", "State", sxInteger, acReadonly, &OL_1down_4pointToPoint},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.8", "Number of Events", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.9", "Authentication Type", sxInteger, acReadwrite,
     &OL_0none_1simple_2MD5},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.10", "Authentication Key", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.11", "MD5 Key ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.7.1.12", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: OSPF / Interface Table, tab "OSPF Interface Table"
extern const UISnmpVar DT_InterfaceTable1Click_1[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.1", "IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.2", "Address Less IF", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.3", "Area ID", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.4", "Type", sxInteger, acReadwrite,
     &OL_1broadcast_2nbma_3pointToPoint_5pointToMultipoint},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.5", "Admin Stat", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.6", "Rtr Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.7", "Transit Delay", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.8", "Retrans Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.9", "Hello Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.10", "Rtr Dead Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.11", "Poll Interval", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.12", "State", sxInteger, acReadonly,
     &OL_1down_2loopback_3waiting_x7},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.13", "Designated Router", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.14", "Backup Designated Router", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.15", "Events", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.16", "Multicast Forwarding", sxInteger, acReadwrite,
     &OL_1blocked_2multicast_3unicast},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.17", "Demand", sxInteger, acReadwrite, &OL_1true_2false},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.18", "Auth Type", sxInteger, acReadwrite,
     &OL_0none_1simple_2MD5},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.19", "Auth Key", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.20", "Auth Key ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.8.1.21", "Status", sxInteger, acReadwrite,
     &OL_1active_2notInService},
    {},
};

// Layer 3 Management: OSPF / Host Table, table page
extern const UISnmpVar DT_HostTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.6.1.1", "IP Address", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.6.1.2", "Tye Of Service", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.6.1.3", "Metric", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.6.1.4", "AreaID", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.6.1.5", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: VRRP (RFC2787) / VRRP Control, scalar page
extern const UISnmpVar DT_VRRPControl1Click_0[] = {
    {"1.3.6.1.2.1.68.1.1", "Node Version", sxInteger, acReadonly},
    {"1.3.6.1.2.1.68.1.2", "Notification Cntl", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {},
};

// Layer 3 Management: VRRP (RFC2787) / VRRP Operation, table page
extern const UISnmpVar DT_VRRPOperation1Click_0[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", sxMacaddress, acReadonly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", sxInteger, acReadonly,
     &OL_1initialize_2backup_3master},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", sxInteger, acReadwrite, &OL_1up_2down},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", sxInteger, acReadonly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", sxIpaddress, acReadonly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", sxInteger, acReadwrite,
     &OL_1noAuthentication_2simpleTextPassword_3ipAuthenticationHeader},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", sxInteger, acReadwrite, &OL_1true_2false},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", sxInteger, acReadwrite,
     &OL_1ip_2bridge_3decnet_4other},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: VRRP (RFC2787) / Virtual Route Address, table page
extern const UISnmpVar DT_VirtualRouteAddress1Click_0[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "Oper VR ID", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "Asso IP Addr", sxIpaddress, acNotaccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "Asso IP Addr Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: VRRP (RFC2787) / VRRP Error Statistics, scalar page
extern const UISnmpVar DT_VRRPErrorStatistics1Click_0[] = {
    {"1.3.6.1.2.1.68.2.1", "Router Router Checksum Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.2", "Router Version Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.3", "Router VR ID Errors", sxCounter, acReadonly},
    {},
};

// Layer 3 Management: VRRP (RFC2787) / Virtual Route Statistics, table page
extern const UISnmpVar DT_VirtualRouteStatistics1Click_0[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VR ID", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", sxCounter, acReadonly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", sxCounter, acReadonly},
    {},
};

// Layer 3 Management: PIM Management / PIM(RFC2934) / PIM IP Multicast Route, table page
extern const UISnmpVar DT_PIMIPMulticastRoute1Click_0[] = {
    {" ", "Group", sxIpaddress, acNotaccess},
    {" ", "Source", sxIpaddress, acNotaccess},
    {" ", "Source Mask", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", sxTimeticks, acReadonly},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", sxInteger, acReadonly},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Pref", sxInteger, acReadonly},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", sxInteger, acReadonly, &OL_1true_2false},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", sxDisplaystr, acReadonly},
    {},
};

// Layer 3 Management: PIM Management / PIM(RFC2934) / PIM RP-Set Table, table page
extern const UISnmpVar DT_PIMRPSetTable1Click_0[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", sxInteger, acNotaccess},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.6.1.3", "Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", sxInteger, acReadonly},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", sxTimeticks, acReadonly},
    {},
};

// Layer 3 Management: PIM Management / PIM(RFC2934) / PIM Candidate RP Table, table page
extern const UISnmpVar DT_PIMCandidateRPTable1Click_0[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Group Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.11.1.2", "Group Mask", sxIpaddress, acNotaccess},
    {"1.3.6.1.3.61.1.1.11.1.3", "Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.3.61.1.1.11.1.4", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: PIM Management / C-BSR Management / C-BSR Information, scalar page
extern const UISnmpVar DT_CBSRInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.1.1", "C-BSR Boot Strap Period", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.1.2", "C-BSR Hash Mask Len", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / C-BSR Management / C-BSR Table, table page
extern const UISnmpVar DT_CBSRTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.1.3.1.1", "C-BSR Interface", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.1.3.1.2", "C-BSR Priority", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / CandidateRP Management, scalar page
extern const UISnmpVar DT_CandidateRPManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.2.1", "Candidate RP Holdtime", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.2.2", "Candidate RP Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.2.3", "Candidate RP Wildcard Prefix Cnt", sxInteger,
     acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / SPT Management, scalar page
extern const UISnmpVar DT_SPTManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.3.1", "Last Hop SPT Threshold", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.3.2", "RP SPT Threshold", sxDisplaystr, acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / Register Checksum Including Data Information, table page
extern const UISnmpVar DT_RegisterChecksumIncludingDataInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.4.1.1", "Reg Chksum Inc Data RP Addr", sxIpaddress,
     acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.4.1.2", "Reg Chksum Inc Data State", sxInteger, acReadwrite,
     &OL_1active_2notInService_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: PIM Management / PIM Information / Register Time, scalar page
extern const UISnmpVar DT_RegisterTime1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.5.1", "Register Probe Time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.5.2", "Register Suppression Time", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / PIM Information / PIM Information Table, table page
extern const UISnmpVar DT_PIMInformationTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.5.3.1.1", "Interface", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.5.3.1.2", "DR Priority", sxGuage, acReadwrite},
    {},
};

// Layer 3 Management: PIM Management / Static RP Table Information, table page
extern const UISnmpVar DT_StaticRPTableInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.6.1.1", "Static RP Group Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.6.1.2", "Static RP Group Mask", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.6.1.3", "Static RP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.6.1.4", "Static RP Row Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_4createAndGo_6destroy},
    {},
};

// Layer 3 Management: PIM Management / Active RP Table Information, table page
extern const UISnmpVar DT_ActiveRPTableInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.11.7.1.1", "Active RP Group Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.3.11.7.1.4", "Active RP Address", sxIpaddress, acReadonly},
    {},
};

// Layer 3 Management: IGMP / IGMP Interface, table page
extern const UISnmpVar DT_IGMPInterface1Click_0[] = {
    {"1.3.6.1.2.1.85.1.1.1.1", "IF Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.85.1.1.1.2", "Query Interval", sxGuage, acReadwrite},
    {"1.3.6.1.2.1.85.1.1.1.3", "Status", sxInteger, acReadwrite, &OL_1active_2notInService},
    {"1.3.6.1.2.1.85.1.1.1.4", "Version", sxGuage, acReadwrite},
    {"1.3.6.1.2.1.85.1.1.1.5", "Querier", sxIpaddress, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.6", "Query Max Response Time", sxGuage, acReadwrite},
    {"1.3.6.1.2.1.85.1.1.1.7", "Querier Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.8", "Querier Expiry Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.9", "Version1 Querier Timer", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries", sxCounter, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins", sxCounter, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy IF Index", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups", sxGuage, acReadonly},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness", sxGuage, acReadwrite},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Memb Query Intvl", sxGuage, acReadwrite},
    {},
};

// Layer 3 Management: IGMP / IGMP Cache, table page
extern const UISnmpVar DT_IGMPCache1Click_0[] = {
    {"1.3.6.1.2.1.85.1.2.1.1", "Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.2.1.85.1.2.1.2", "IF Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.85.1.2.1.3", "Self", sxInteger, acReadonly, &OL_1true_2false},
    {"1.3.6.1.2.1.85.1.2.1.4", "Last Reporter", sxIpaddress, acReadonly},
    {"1.3.6.1.2.1.85.1.2.1.5", "Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.85.1.2.1.6", "Expiry Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.85.1.2.1.7", "Status", sxInteger, acReadonly,
     &OL_1active_2notInService_4createAndGo_6destroy},
    {"1.3.6.1.2.1.85.1.2.1.8", "Version1 Host Timer", sxTimeticks, acReadonly},
    {},
};

// Layer 3 Management: IGMP V3 / Interface Table, table page
extern const UISnmpVar DT_InterfaceTable2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.18.1.4.1.1", "IF Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.3", "Querier", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.4", "Query Interval", sxGuage, acReadwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.5", "Status", sxInteger, acReadwrite,
     &OL_1active_2notInService},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.6", "Version", sxGuage, acReadwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.7", "Query Max Response Time", sxGuage, acReadwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.9", "Querier Expiry Time", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.14", "Robustness", sxGuage, acReadwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.15", "Last Memb Query Intvl", sxGuage, acReadwrite},
    {},
};

// Layer 3 Management: IGMP V3 / Cache Table, table page
extern const UISnmpVar DT_CacheTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.18.1.6.1.2", "IF Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.3", "Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.4", "Last Reporter", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.6", "Expiry Time", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.7", "Status", sxInteger, acReadonly,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.8", "Version1 Host Timer", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.9", "Version2 Host Timer", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.10", "Source Filter Mode", sxInteger, acReadonly,
     &OL_1include_2exclude},
    {},
};

// Layer 3 Management: IGMP V3 / Source List Table, table page
extern const UISnmpVar DT_SourceListTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.18.1.10.1.2", "IF Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.3", "Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.4", "Host Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.5", "Source Timer", sxTimeticks, acReadonly},
    {},
};

// Layer 3 Management: Route Preference, scalar page
extern const UISnmpVar DT_RoutePreference2Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.9.1", "RIP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.2", "OSPF Intra", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.3", "Static", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.4", "Local", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.5", "OSPF Inter", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.6", "OSPF ExtT1", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.3.9.7", "OSPF ExtT2", sxInteger, acReadwrite},
    {},
};

// Layer 3 Management: Layer3 Trace Route Control, scalar page
extern const UISnmpVar DT_Layer3TraceRouteControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.3.13.1.1", "Layer3 Trace Route Control", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};
