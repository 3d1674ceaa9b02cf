// Descriptor tables of the generated pages of the menus Basic Configuration, Single IP
// Configuration and Bridge: one table per page (per tab of a tabbed entry), named after the entry's
// click handler and the page's position. Each row is one variable: OID (a single space for an index
// part without a column of its own), label, syntax, access and, for an enumerated variable, its
// option list. A table ends at its sentinel row.

#include "snmp/UISnmpVar.h"
#include "vocab/QxOptionTables.h"

// Basic Configuration: Basic / Basic Information, scalar page
extern const UISnmpVar DT_BasicInformation2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", sxInteger, acReadonly,
     &OL_1other_2snmpip_3snmpipx_4snmpipipx},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console In Use", sxInteger, acReadonly,
     &OL_1other_2inuse_3notinuse},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Save Configuration", sxInteger, acReadonly,
     &OL_1other_2proceeding_3completed_4failed},
    {"1.3.6.1.4.1.32473.12.1.1.5", "File Transfer", sxInteger, acReadonly,
     &OL_1other_2inprocess_3invalidfile_x10},
    {"1.3.6.1.4.1.32473.12.1.1.11", "Status Reset", sxInteger, acReadonly,
     &OL_1proceeding_2completed_3failed},
    {"1.3.6.1.4.1.32473.12.1.1.12", "Serial Number", sxDisplaystr, acReadonly},
    {},
};

// Basic Configuration: Basic / MIB Capabilities, table page
extern const UISnmpVar DT_MibCapabilities1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Descr", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", sxInteger, acReadonly,
     &OL_2standard_3proprietary_4experiment},
    {},
};

// Basic Configuration: Basic / CPU Utilization, scalar page
extern const UISnmpVar DT_CPUUtilization2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "CPUutilization In 5sec", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "CPUutilization In 1min", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "CPUutilization In 5min", sxInteger, acReadonly},
    {},
};

// Basic Configuration: Basic / Port Utilization, table page
extern const UISnmpVar DT_PortUtilization1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.1.7.1.1", "Port Utilization Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.1.7.1.2", "Port Utilization TX", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.7.1.3", "Port Utilization RX", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.1.7.1.4", "Port Utilization Util", sxInteger, acReadonly},
    {},
};

// Basic Configuration: Basic / Basic Configuration, scalar page
extern const UISnmpVar DT_BasicConfig2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset", sxInteger, acReadwrite, &OL_3warmstart_4noreset},
    {"1.3.6.1.4.1.32473.12.1.2.4", "RS232 Port Config", sxInteger, acReadwrite, &OL_2console},
    {"1.3.6.1.4.1.32473.12.1.2.22", "SNMP Trap State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {},
};

// Basic Configuration: Basic / IP Proto Configuration, scalar page
extern const UISnmpVar DT_IpProtoConfig1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.3.1", "Num Of IF", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Get IP From", sxInteger, acReadwrite,
     &OL_2disabled_3bootp_4dhcp},
    {},
};

// Basic Configuration: Basic / File Table, table page
extern const UISnmpVar DT_FileTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "Dscr", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "Addr", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "Transfer Type", sxInteger, acReadwrite,
     &OL_2networkload_3outofbandload},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "Locate ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "Load Type", sxInteger, acReadwrite, &OL_2upload_3download},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "Ctrl", sxInteger, acReadwrite,
     &OL_2inactive_3start_4delete_5configasbootupfw},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "BIncrement", sxInteger, acReadwrite, &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multi Image Ctrl ID", sxInteger, acReadwrite},
    {},
};

// Basic Configuration: Basic / Agent Notify, scalar page
extern const UISnmpVar DT_AgentNotify1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.4.1.1", "Traps Severity", sxInteger, acReadwrite,
     &OL_0critical_1warning_2information},
    {"1.3.6.1.4.1.32473.12.1.4.1.2", "Logs Severity", sxInteger, acReadwrite,
     &OL_0critical_1warning_2information},
    {},
};

// Basic Configuration: Basic / Multi Image Information, table page
extern const UISnmpVar DT_MultiImageInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Info ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Version", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Size", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Update Time", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "From", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Send User", sxDisplaystr, acReadonly},
    {},
};

// Basic Configuration: Basic / Dual Configuration, table page
extern const UISnmpVar DT_DualConfiguration1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1", "Info ID Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.2", "Version", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.3", "Size", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.4", "Update Time", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.5", "From", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.6", "Send User", sxDisplaystr, acReadonly},
    {},
};

// Basic Configuration: Basic / FDB Clear All State, scalar page
extern const UISnmpVar DT_FDBManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "FDB Clear All State", sxInteger, acReadwrite,
     &OL_1other_2start},
    {},
};

// Basic Configuration: Basic / ARP Clear All State, scalar page
extern const UISnmpVar DT_ARPManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "ARP Clear All State", sxInteger, acReadwrite,
     &OL_1other_2start},
    {},
};

// Basic Configuration: Basic / Trust Host Management / Trust Host Delete All State, scalar page
extern const UISnmpVar DT_TrustHostDeleteAllState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.2", "Trust Host Delete All State", sxInteger, acReadwrite,
     &OL_1none_2start},
    {},
};

// Basic Configuration: Basic / Trust Host Management / Trust Host Table, table page
extern const UISnmpVar DT_TrustHostTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

// Basic Configuration: Equipment Management / Unit Table, table page
extern const UISnmpVar DT_UnitTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Addr", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Front Panel LED Status", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.6", "Ctrl Mode", sxInteger, acReadonly,
     &OL_2auto_3standalone},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", sxInteger, acReadonly,
     &OL_2auto_3standalone},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", sxDisplaystr, acReadonly},
    {},
};

// Basic Configuration: Equipment Management / Power Table, table page
extern const UISnmpVar DT_PowerTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Power Unit Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "Power ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Power Status", sxInteger, acReadonly,
     &OL_1lowVoltage_2overCurrent_3working_x6},
    {},
};

// Basic Configuration: Equipment Management / Fan Table, table page
extern const UISnmpVar DT_FanTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "Fan Unit Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.2", "FanID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.3", "Fan Status", sxInteger, acReadonly,
     &OL_0other_1working_2fail},
    {},
};

// Basic Configuration: Equipment Management / PoE Management / PoE System Control, scalar page
extern const UISnmpVar DT_POESystemControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.24.1.1", "Power Limit", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.24.1.2", "Power Disconnect Method", sxInteger, acReadwrite,
     &OL_1denyNextPort_2denyLowPriorityPort},
    {},
};

// Basic Configuration: Equipment Management / PoE Management / PoE System Info, scalar page
extern const UISnmpVar DT_POESystemInfo1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.24.2.1", "Power Consumption", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.2.2", "Power Remained", sxInteger, acReadonly},
    {},
};

// Basic Configuration: Equipment Management / PoE Management / PoE Port Control, table page
extern const UISnmpVar DT_POEPortControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.24.3.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.2", "State", sxInteger, acReadwrite,
     &OL_1other_2enable_3disable},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.3", "Priority", sxInteger, acReadwrite,
     &OL_1critical_2high_3low},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.4", "Power Limit", sxInteger, acReadwrite,
     &OL_1class0_2class1_3class2_x5},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.5", "User Defined", sxInteger, acReadwrite},
    {},
};

// Basic Configuration: Equipment Management / PoE Management / PoE Port Info, table page
extern const UISnmpVar DT_POEPortInfo1Click_0[] = {
    {" ", "Ctrl Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.1", "Info Port Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.2", "Info Class", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.3", "Info Power", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.4", "Info Voltage", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.5", "Info Current", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.6", "Info Status", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.7", "Info LED Status", sxInteger, acReadonly,
     &OL_1on_2off_3error},
    {},
};

// Basic Configuration: Time Management / System Time, scalar page
extern const UISnmpVar DT_SystemTime1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.10.10.2", "UpTime", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.10.10.3", "Boot Time", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone [ -779..839]", sxInteger, acReadwrite},
    {},
};

// Basic Configuration: Time Management / SNTP, scalar page
extern const UISnmpVar DT_SNTP1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", sxInteger, acReadonly,
     &OL_0system_1server1_2server2},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Addr", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Addr", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval", sxInteger, acReadwrite},
    {},
};

// Basic Configuration: ACL Management / Access Profile / Ethernet Table, tab "ACL Ethernet Table"
extern const UISnmpVar DT_EthernetTableClick_0[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Addr Mask State", sxInteger, acReadwrite,
     &OL_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "Src MAC Addr Mask", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "Dst MAC Addr Mask", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 8021p", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.9", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / Ethernet Table, tab "ACL Ethernet Rule
// Table"
extern const UISnmpVar DT_EthernetTableClick_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "VLAN", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Src MAC Address", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Dst MAC Address", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "8021P", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Ether Type", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Enable Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Replace Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.11", "Enable Replace DSCP", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.12", "Rep DSCP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit", sxInteger, acReadwrite,
     &OL_1deny_2permit_3mirror},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.16", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / IP Table, tab "ACL IP Table"
extern const UISnmpVar DT_ACLIPTableClick_0[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "IP Addr Mask State", sxInteger, acReadwrite,
     &OL_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Src IP Addr Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Dst IP Addr Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Proto Type", sxInteger, acReadwrite,
     &OL_1none_2icmp_3igmp_x6},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "ICMP Option", sxInteger, acReadwrite,
     &OL_1none_2type_3code_4typecode},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "IGMP Option", sxInteger, acReadwrite, &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", sxInteger, acReadwrite,
     &OL_1other_2dstaddr_3srcaddr_4dstsrcaddr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", sxInteger, acReadwrite,
     &OL_1other_2dstaddr_3srcaddr_4dstsrcaddr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Src Port Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Dst Port Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Proto ID Option", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Proto ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.18", "Proto ID Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.20", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / IP Table, tab "ACL IP Rule Table"
extern const UISnmpVar DT_ACLIPTableClick_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "VLAN", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Src IP address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Dst IP address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", sxInteger, acReadonly, &OL_1none_2icmp_3igmp_x6},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "Type", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "Code", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Src Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Dst Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Proto ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.14", "User Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace DSCP", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Rep DSCP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", sxInteger, acReadwrite,
     &OL_1deny_2permit_3mirror},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.23", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / Packet Content Table, tab "ACL Packet Mask
// Table"
extern const UISnmpVar DT_PacketTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.2.3.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.2", "Offset 0 to 15", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.3", "Offset 16 to 31", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.4", "Offset 32 to 47", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.5", "Offset 48 to 63", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.6", "Offset 64 to 79", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.7", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.8", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / Packet Content Table, tab "ACL Packet Rule
// Table"
extern const UISnmpVar DT_PacketTable1Click_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.3.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.2", "Access ID", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.3", "Offset 0 to 15", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.4", "Offset 16 to 31", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.5", "Offset 32 to 47", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.6", "Offset 48 to 63", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.7", "Offset 64 to 79", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.8", "Enable Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.9", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.10", "Replace Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.11", "Enable Replace DSCP", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.12", "Rep DSCP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.13", "Permit", sxInteger, acReadwrite,
     &OL_1deny_2permit_3mirror},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.14", "Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.15", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.16", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / IPv6 Table, tab "ipv6 Mask Table"
extern const UISnmpVar DT_IPV61Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "Mask Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.2", "Mask Class", sxInteger, acReadwrite, &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Mask Flowlabel", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "IP Addr Mask State", sxInteger, acReadwrite,
     &OL_1other_2dstipv6addr_3srcipv6addr_4dstsrcipv6addr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "Mask Src IPv6 Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.6", "Mask Dst IPv6 Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "Mask Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.8", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / IPv6 Table, tab "IPv6 Rule Table"
extern const UISnmpVar DT_IPV61Click_1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flow label", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Src IPv6 Addr", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.6", "Dst IPv6 Addr", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Replace Priority", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "Permit", sxInteger, acReadwrite,
     &OL_1deny_2permit_3mirror},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.13", "Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.15", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.16", "Owner", sxInteger, acReadonly,
     &OL_1any_2acl_3ipbind_4other},
    {},
};

// Basic Configuration: ACL Management / Access Profile / ACL Mask Delete All, scalar page
extern const UISnmpVar DT_MaskDeleteAll1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.2.5", "Mask Del All State", sxInteger, acReadwrite, &OL_1none_2start},
    {},
};

// Basic Configuration: ACL Management / Access Profile / ACL Meter Information, scalar page
extern const UISnmpVar DT_MeterInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.6.2", "ACL Metering Number Of Entry In Use", sxInteger, acReadonly},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU Filter Control, scalar page
extern const UISnmpVar DT_ACLControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "CPU Interface Filter State", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU Ethernet Table, tab "ACL CPU
// Ethernet Table"
extern const UISnmpVar DT_CPUEthernetTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "Use VLAN", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "MAC Addr Mask State", sxInteger, acReadwrite,
     &OL_1other_2dstmacaddr_3srcmacaddr_4dstsrcmacaddr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "Src MAC Addr Mask", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "Dst MAC Addr Mask", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.6", "Use 8021p", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "Use Ethernet Type", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU Ethernet Table, tab "ACL CPU
// Ethernet Rule Table"
extern const UISnmpVar DT_CPUEthernetTable1Click_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Src MAC Address", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Dst MAC Address", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.6", "8021P", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ether Type", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", sxInteger, acReadwrite, &OL_1deny_2permit},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU IP Table, tab "CPU ACL IP Table"
extern const UISnmpVar DT_CPUIPTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Addr Mask State", sxInteger, acReadwrite,
     &OL_1other_2dstipaddr_3srcipaddr_4dstsrcipaddr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "Src IP Addr Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "Dst IP Addr Mask", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Proto Type", sxInteger, acReadwrite,
     &OL_1none_2icmp_3igmp_x6},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", sxInteger, acReadwrite,
     &OL_1none_2type_3code_4typecode},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", sxInteger, acReadwrite, &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", sxInteger, acReadwrite,
     &OL_1other_2dstaddr_3srcaddr_4dstsrcaddr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", sxInteger, acReadwrite,
     &OL_1other_2dstaddr_3srcaddr_4dstsrcaddr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Src Port Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Dst Port Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.16", "Proto ID Option", sxInteger, acReadwrite,
     &OL_1enable_2disable},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Proto ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "Proto ID Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU IP Table, tab "CPU ACL IP Rule
// Table"
extern const UISnmpVar DT_CPUIPTable1Click_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Src IP address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Dst IP address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", sxInteger, acReadonly, &OL_1none_2icmp_3igmp_x6},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Src Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Dst Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Proto ID", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", sxInteger, acReadwrite, &OL_1deny_2permit},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU Packet Content Table, tab "ACL CPU
// Packet Mask Table"
extern const UISnmpVar DT_CPUPacketCountTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Offset 0 to 15", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Offset 16 to 31", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Offset 32 to 47", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Offset 48 to 63", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Offset 64 to 79", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: ACL Management / CPU Access Profile / CPU Packet Content Table, tab "ACL CPU
// Packet Rule Table"
extern const UISnmpVar DT_CPUPacketCountTable1Click_1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Offset 0 to 15", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Offset 16 to 31", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Offset 32 to 47", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Offset 48 to 63", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Offset 64 to 79", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", sxInteger, acReadwrite, &OL_1deny_2permit},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: Filter / Filter CPU Layer3 Control Packet Table, table page
extern const UISnmpVar DT_FilterCPULayer3ControlPacketTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.37.4.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.2", "RIP State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.3", "OSPF State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.4", "VRRP State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.5", "PIM State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.6", "DVMRP State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.7", "IGMP Query State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {},
};

// Basic Configuration: Link Aggregation / Port List, table page
extern const UISnmpVar DT_PortList1Click_0[] = {
    {" ", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "Port List Ports", sxBitstr, acReadonly},
    {},
};

// Basic Configuration: Link Aggregation / Aggregator Table, table page
extern const UISnmpVar DT_AggregatorTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "regate Or Individual", sxInteger, acReadonly,
     &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Admin Key", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Oper Key", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Oper Key", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", sxInteger, acReadwrite},
    {},
};

// Basic Configuration: Link Aggregation / Aggregation Port Table, table page
extern const UISnmpVar DT_LinkAggregationControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Admin Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Oper Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Admin Port Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Oper Port Priority", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Admin State", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Oper State", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Admin State", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Oper State", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", sxInteger, acReadonly,
     &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Admin Key", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Oper Key", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Admin System Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Oper System Priority", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Admin System ID", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Oper System ID", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Admin Key", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Oper Key", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Agg ID", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Agg ID", sxInteger, acReadonly},
    {},
};

// Basic Configuration: IF-MIB / General Table, scalar page
extern const UISnmpVar DT_GeneralTable1Click_0[] = {
    {"1.3.6.1.2.1.31.1.5", "Table Last Change", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.31.1.6", "Stack Last Change", sxTimeticks, acReadonly},
    {},
};

// Basic Configuration: IF-MIB / IFX Table, table page
extern const UISnmpVar DT_IFXTable1Click_0[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Pkts", sxCounter, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", sxCounter64, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap Enable", sxInteger, acReadwrite,
     &OL_2disabled_1enabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", sxGuage, acReadonly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", sxInteger, acReadwrite, &OL_2false},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", sxInteger, acReadonly, &OL_2false_1true},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias(length less than 32 character)", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity Time", sxTimeticks, acReadonly},
    {},
};

// Basic Configuration: MIB II / Information, scalar page
extern const UISnmpVar DT_MIB2InformationClick_0[] = {
    {"1.3.6.1.2.1.1.1", "Descr", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.1.2", "Object ID", sxObjectid, acReadonly},
    {"1.3.6.1.2.1.1.3", "Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.1.4", "Contact", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.1.6", "Location", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.1.7", "Services", sxInteger, acReadonly},
    {},
};

// Basic Configuration: MIB II / IF Table, table page
extern const UISnmpVar DT_MIB2IFTableClick_0[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.2", "Descr                        ", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", sxInteger, acReadonly, &OL_ifTypeGigabitL2Vlan},
    {"1.3.6.1.2.1.2.2.1.4", "Mtu  ", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.5", "Speed           ", sxGuage, acReadonly},
    {"1.3.6.1.2.1.2.2.1.6", "Phys Address     ", sxMacaddress, acReadonly},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", sxInteger, acReadwrite, &OL_1up_2down},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", sxInteger, acReadonly, &OL_1up_2down_3testing},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.2.2.1.21", "Out QLen", sxGuage, acReadonly},
    {"1.3.6.1.2.1.2.2.1.22", "Specific", sxObjectid, acReadonly},
    {},
};

// Basic Configuration: MIB II / IP Address Table, table page
extern const UISnmpVar DT_MIB2IPAddressTableClick_0[] = {
    {"1.3.6.1.2.1.4.20.1.1", "Addr", sxIpaddress, acNotaccess},
    {"1.3.6.1.2.1.4.20.1.2", "IF Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.4.20.1.3", "Net Mask", sxIpaddress, acReadonly},
    {"1.3.6.1.2.1.4.20.1.4", "Bcast Addr", sxInteger, acReadonly},
    {"1.3.6.1.2.1.4.20.1.5", "Reasm Max Size", sxInteger, acReadonly},
    {},
};

// Basic Configuration: MIB II / ARP, table page
extern const UISnmpVar DT_ARP1Click_0[] = {
    {"1.3.6.1.2.1.4.22.1.1", "Interface Name", sxInteger, acNotaccess, &OL_tSystem},
    {"1.3.6.1.2.1.4.22.1.3", "IP Address", sxIpaddress, acNotaccess},
    {"1.3.6.1.2.1.4.22.1.2", "MAC Address", sxMacaddress, acReadwrite},
    {"1.3.6.1.2.1.4.22.1.4", "Type", sxInteger, acReadwrite, &OL_1other_2invalid_3dynamic_4static},
    {},
};

// Basic Configuration: System Log, tab "System Log Control"
extern const UISnmpVar DT_SysLogClick_0[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "Systme Log Global State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Basic Configuration: System Log, tab "System Log Server"
extern const UISnmpVar DT_SysLogClick_1[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Facility", sxInteger, acReadwrite,
     &OL_0local0_1local1_2local2_x8},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Severity", sxInteger, acReadwrite,
     &OL_1all_2warning_3informational},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "UDP Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Basic Configuration: Reset, scalar page
extern const UISnmpVar DT_Reset1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.1.2.20", "Reset", sxInteger, acReadwrite,
     &OL_1none_2config_3system_4reset},
    {},
};

// Single IP Configuration: Single IP Management Information, scalar page
extern const UISnmpVar DT_Information1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", sxDisplaystr, acReadonly},
    {},
};

// Single IP Configuration: Single IP Control, scalar page
extern const UISnmpVar DT_Control1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Single IP Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Single IP Role State", sxInteger, acReadwrite,
     &OL_1cs_2cas_3ms},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Single IP Hold time", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Single IP Time Interval", sxInteger, acReadwrite},
    {},
};

// Single IP Configuration: Single IP CaS Table, table page
extern const UISnmpVar DT_CandidateSwitch1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Addr", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Ver", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Holdtime", sxInteger, acReadonly},
    {},
};

// Single IP Configuration: Single IP Group Table, table page
extern const UISnmpVar DT_IPManagementGroup1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "MAC Addr", sxMacaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "MS Number", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Ver", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Holdtime", sxInteger, acReadonly},
    {},
};

// Bridge: Spanning Tree Algorithm, scalar page
extern const UISnmpVar DT_SpanningTreeAlgorithm1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.15.1.1", "Spanning Tree Algorithm", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Bridge: 802.1d / Information, scalar page
extern const UISnmpVar DT_BridgeInformationClick_0[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", sxInteger, acReadonly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", sxCounter, acReadonly},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, acReadwrite},
    {},
};

// Bridge: Spanning Tree / Configuration Identification, scalar page
extern const UISnmpVar DT_ConfigurationIdentification1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "MSTP Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.2", "MSTP Revision Level", sxInteger, acReadwrite},
    {},
};

// Bridge: Spanning Tree / Instance Information, table page
extern const UISnmpVar DT_InstanceInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "MSTP Inst ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN Range [65-128]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN Range [129-192]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN Range [193-256]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN Range [257-320]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN Range [321-384]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN Range [385-448]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN Range [449-512]", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", sxInteger, acReadonly, &OL_0cist_1msti},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", sxInteger, acReadonly, &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Top Changes Count", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", sxInteger, acReadwrite,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Bridge: Spanning Tree / Port State Information, table page
extern const UISnmpVar DT_PortStateInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "MSTP Port", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Admin HelloTime", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Operate HelloTime", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "MSTP Port Enable", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "MSTP Port External Path Cost", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "MSTP Port Migration", sxInteger, acReadwrite,
     &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "MSTP Port Admin Edge Port", sxInteger, acReadwrite,
     &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "MSTP Port Operate Edge Port", sxInteger, acReadonly,
     &OL_1true_2false},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "MSTP Port Admin P2P", sxInteger, acReadwrite,
     &OL_0true_1false_2auto},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "MSTP Port Operate P2P", sxInteger, acReadonly,
     &OL_0true_1false_2auto},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.11", "MSTP Port Fbpdu", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {},
};

// Bridge: Spanning Tree / Port MSTP Information, table page
extern const UISnmpVar DT_PortMSTPInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "Master Port", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "MSTP Instance ID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", sxOctetstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", sxInteger, acReadonly,
     &OL_2disabled_3discarding_4learning_x7},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", sxInteger, acReadonly,
     &OL_0disable_1alternate_2backup_x8},
    {},
};
