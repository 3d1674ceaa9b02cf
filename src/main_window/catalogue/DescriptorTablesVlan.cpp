// Descriptor tables of the generated pages of the menus VLAN, RMON, SNMP V3 and Security: one
// table per page (per tab of a tabbed entry), named after the entry's click handler and
// the page's position. Each row is one variable: OID (a single space for an index part
// without a column of its own), label, syntax, access and, for an enumerated variable, its
// option list. A table ends at its sentinel row.

#include "snmp/UISnmpVar.h"
#include "vocab/QxOptionTables.h"

// VLAN: 802.1P / Basic Configure, scalar page
extern const UISnmpVar DT_BasicConfigureClick_0[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", sxOctetstr, acReadonly},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", sxInteger, acReadwrite, &OL_1true_2false},
    {},
};

// VLAN: 802.1P / Priority Information, table page
extern const UISnmpVar DT_PriorityInformationClick_0[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", sxOctetstr, acReadonly,
     &OL_608021Dand8021Q},
    {},
};

// VLAN: 802.1P / GARP, table page
extern const UISnmpVar DT_GARPClick_0[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Port GARP Join Time", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Port GARP Leave Time", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Port GARP Leave All Time", sxInteger, acReadwrite},
    {},
};

// VLAN: 802.1P / Port Capability, tab "Default User Priorities of Each Port"
extern const UISnmpVar DT_PortCapbilityClick_0[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Port Default User Priority", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Num Traffic Classes", sxInteger, acReadonly},
    {},
};

// VLAN: 802.1P / Port Capability, tab "Regenerated User Priorities"
extern const UISnmpVar DT_PortCapbilityClick_1[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regen User Priority", sxInteger, acReadwrite},
    {},
};

// VLAN: 802.1P / Port Capability, tab "User Priorities to Traffic Class"
extern const UISnmpVar DT_PortCapbilityClick_2[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", sxInteger, acReadwrite},
    {},
};

// VLAN: 802.1P / Port Capability, tab "Port Outbound Access Priorities"
extern const UISnmpVar DT_PortCapbilityClick_3[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {" ", "Regen User Priority", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", sxInteger, acReadonly},
    {},
};

// VLAN: 802.1Q / 802.1Q Bridge / Basic Configure, scalar page
extern const UISnmpVar DT_BasicConfigure2Click_0[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", sxInteger, acReadonly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", sxInteger, acReadonly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", sxGuage, acReadonly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", sxGuage, acReadonly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {},
};

// VLAN: 802.1Q / 802.1Q Bridge / Ports Information, table page
extern const UISnmpVar DT_PortInformation1Click_0[] = {
    {" ", "Base Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", sxGuage, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Port Acceptable Frame Types", sxInteger, acReadwrite,
     &OL_1admitAll_2admitOnlyVlanTagged},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Port Ingress Filtering", sxInteger, acReadwrite,
     &OL_1true_2false},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "Port GVRP Status", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP Failed Registrations", sxCounter, acReadonly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "Port GVRP Last PDU Origin", sxMacaddress, acReadonly},
    {},
};

// VLAN: 802.1Q / Forwarding/Filtering, table page
extern const UISnmpVar DT_ForwardingFiltering1Click_0[] = {
    {" ", "ID", sxGuage, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", sxMacaddress, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", sxInteger, acReadonly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", sxInteger, acReadonly,
     &OL_2invalid_3learned_4self_5mgmt},
    {},
};

// VLAN: 802.1Q / 802.1Q VLAN, tab "VLAN Static Table"
extern const UISnmpVar DT_N8021QVLAN1Click_0[] = {
    {" ", "Index", sxGuage, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Static Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Static Egress Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Static Untagged Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Static Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// VLAN: 802.1Q / 802.1Q VLAN, tab "VLAN Current Table"
extern const UISnmpVar DT_N8021QVLAN1Click_1[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", sxTimeticks, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", sxGuage, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "VLAN FDB ID", sxGuage, acReadonly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "VLAN Current Egress Ports", sxBitstr, acReadonly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "VLAN Current Untagged Ports", sxBitstr, acReadonly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", sxInteger, acReadonly,
     &OL_2permanent_3dynamicGvrp},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "VLAN Creation Time", sxTimeticks, acReadonly},
    {},
};

// VLAN: DoubleVLAN / Global State, scalar page
extern const UISnmpVar DT_GlobalState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.28.1.1", "Double VLAN Global State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// VLAN: DoubleVLAN / Control Table, table page
extern const UISnmpVar DT_ControlTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.28.3.1.1.1", "Double VLAN SPVID Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.2", "Double VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.3", "Double VLAN TPID", sxOctetstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.4", "Double VLAN Uplink Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.5", "Double VLAN Access Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.6", "Double VLAN Unknow Ports", sxBitstr, acReadonly},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.9", "Double VLAN Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// VLAN: Protocol VLAN / Protocol VLAN Group, table page
extern const UISnmpVar DT_ProtocolVLANGroup1Click_0[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", sxInteger, acNotaccess,
     &OL_1ethernet_2rfc1042_3snap8021H_x5},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", sxOctetstr, acNotaccess | acImplied},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// VLAN: Protocol VLAN / Protocol VLAN Port, table page
extern const UISnmpVar DT_ProtocolVLANPort1Click_0[] = {
    {" ", "Port", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VID", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// VLAN: VLAN  Advertisement Table, table page
extern const UISnmpVar DT_VLANAdvertisementTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.3.1.1.1", "VLAN Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.11.69.3.2.3.1.1.2", "VLAN Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.11.69.3.2.3.1.1.3", "VLAN AdvertiseState", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// RMON: RMON State, scalar page
extern const UISnmpVar DT_S1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// SNMP V3: SNMP Engine, scalar page
extern const UISnmpVar DT_EngineClick_0[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", sxOctetstr, acReadonly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boots", sxInteger, acReadonly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", sxInteger, acReadonly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", sxInteger, acReadonly},
    {},
};

// SNMP V3: Message Processing and Dispatching, scalar page
extern const UISnmpVar DT_MPDClick_0[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, acReadonly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, acReadonly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, acReadonly},
    {},
};

// SNMP V3: SNMP Target MIB / General Information, scalar page
extern const UISnmpVar DT_GeneralInformation1Click_0[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", sxInteger, acReadwrite},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", sxCounter, acReadonly},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", sxCounter, acReadonly},
    {},
};

// SNMP V3: SNMP Target MIB / Target Address Table, table page
extern const UISnmpVar DT_TargetAddressTable1Click_0[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target AddrName", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Target Addr TDomain", sxObjectid, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Target Addr TAddress", sxBitstr, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Target Addr Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Target Addr Retry Count", sxInteger, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Target Addr Tag List", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Target Addr Params", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Target Addr Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.12.1.2.1.9", "Target Addr Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: SNMP Target MIB / Target Parameters, table page
extern const UISnmpVar DT_TargetParameters1Click_0[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "Target Params MPModel", sxInteger, acReadwrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "Target Params Security Model", sxInteger, acReadwrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Target Params Security Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Target Params Security Level", sxInteger, acReadwrite,
     &OL_1noAuthNoPriv_2authNoPriv_3authPriv},
    {"1.3.6.1.6.3.12.1.3.1.6", "Target Params Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.12.1.3.1.7", "Target Params Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: User-based Security Model / Statistics, scalar page
extern const UISnmpVar DT_USMStatsClick_0[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Stats Unsupported Sec Levels", sxCounter, acReadonly},
    {"1.3.6.1.6.3.15.1.1.2", "Stats Not In Time Windows", sxCounter, acReadonly},
    {"1.3.6.1.6.3.15.1.1.3", "Stats Unknown User Names", sxCounter, acReadonly},
    {"1.3.6.1.6.3.15.1.1.4", "Stats Unknown EngineIDs", sxCounter, acReadonly},
    {"1.3.6.1.6.3.15.1.1.5", "Stats Wrong Digests", sxCounter, acReadonly},
    {"1.3.6.1.6.3.15.1.1.6", "Stats Decryption Errors", sxCounter, acReadonly},
    {},
};

// SNMP V3: User-based Security Model / User Table, tab "User Spin Lock"
extern const UISnmpVar DT_USMUserTableClick_0[] = {
    {"1.3.6.1.6.3.15.1.2.1", "User Spin Lock", sxInteger, acReadwrite},
    {},
};

// SNMP V3: User-based Security Model / User Table, tab "USM User Table"
extern const UISnmpVar DT_USMUserTableClick_1[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "User EngineID", sxOctetstr, acNotaccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "User Security Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "User Clone From", sxObjectid, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "User Auth Protocol", sxObjectid, acReadwrite,
     &OL_tNone_tMD5_tSHA},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "User Auth Key Change", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "User Own Auth Key Change", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "User Priv Protocol", sxObjectid, acReadwrite, &OL_tNone_tDES},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "User Priv Key Change", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "User Own Priv Key Change", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "User Public", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "User Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "User Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: View-based Access Control Model / Security Group Table, table page
extern const UISnmpVar DT_VACMSecurityToGroupTableClick_0[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", sxInteger, acNotaccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security To Group Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security To Group Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: View-based Access Control Model / Access Table, table page
extern const UISnmpVar DT_VACMAccessTableClick_0[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", sxOctetstr, acNotaccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", sxInteger, acNotaccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", sxInteger, acNotaccess,
     &OL_1noAuthNoPriv_2authNoPriv_3authPriv},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", sxInteger, acReadwrite, &OL_1exact_2prefix},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: View-based Access Control Model / View MIB Tree Family Table, tab "View Spin Lock"
extern const UISnmpVar DT_VACMMIBViews1Click_0[] = {
    {"1.3.6.1.6.3.16.1.5.1", "View Spin Lock", sxInteger, acReadwrite},
    {},
};

// SNMP V3: View-based Access Control Model / View MIB Tree Family Table, tab "View Tree Family
// Table"
extern const UISnmpVar DT_VACMMIBViews1Click_1[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Tree Family View Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "View Tree Family Subtree", sxObjectid, acNotaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "View Tree Family Mask", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "View Tree Family Type", sxInteger, acReadwrite,
     &OL_1included_2excluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "View Tree Family Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "View Tree Family Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: Notifications / Notify Table, table page
extern const UISnmpVar DT_NotifyTableClick_0[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Notify Name", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Notify Tag", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Notify Type", sxInteger, acReadwrite, &OL_1trap_2inform},
    {"1.3.6.1.6.3.13.1.1.1.4", "Notify Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.13.1.1.1.5", "Notify Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: Notifications / Notify Filter Profile Table, table page
extern const UISnmpVar DT_NotifyFilterProfileTableClick_0[] = {
    {" ", "Target Params Name", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: Notifications / Notify Filter Entry Table, table page
extern const UISnmpVar DT_NotifyFilterTableClick_0[] = {
    {" ", "Notify Filter Profile Name", sxOctetstr, acNotaccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", sxObjectid, acNotaccess | acImplied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", sxInteger, acReadwrite,
     &OL_1included_2excluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: Community / Community String Table, table page
extern const UISnmpVar DT_CommunityTableClick_0[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Community Index", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Community Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Community Security Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Community Context EngineID", sxOctetstr, acReadwrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Community Context Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Community Transport Tag", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Community Storage Type", sxInteger, acReadwrite,
     &OL_2volatile_3nonVolatile_4permanent_5readOnly},
    {"1.3.6.1.6.3.18.1.1.1.8", "Community Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// SNMP V3: Community / Target Address Table, table page
extern const UISnmpVar DT_TargetAddrExtTableClick_0[] = {
    {" ", "Target Addr Name", sxDisplaystr, acNotaccess | acImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", sxDisplaystr, acReadwrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", sxInteger, acReadwrite},
    {},
};

// Security: SSH / SSH Control, scalar page
extern const UISnmpVar DT_SSHControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "SSH Version", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.6.1.2", "SSH Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.1.3", "SSH Max Auth Fail Attempts", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.6.1.4", "SSH Session Key Rekeying", sxInteger, acReadwrite,
     &OL_0never_10tenmin_30thirtymin_60sixtymin},
    {"1.3.6.1.4.1.32473.12.6.1.5", "SSH Max Session(1..8)", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.6.1.6", "SSH Connection Timeout(120..600)", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.6.1.7", "SSH Listened Port", sxInteger, acReadonly},
    {},
};

// Security: SSH / SSH Encrypt Algorithm Control, scalar page
extern const UISnmpVar DT_SSHEncryptAlgControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "3DES Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Blowfish Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "AES128 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "AES192 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "AES256 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Arcfour Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "CAST128 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Twofish128 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Twofish192 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Twofish256 Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Security: SSH / SSH Auth Method Control, scalar page
extern const UISnmpVar DT_SSHAuthMethodControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Admin", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Security: SSH / SSH Inte Algorithm Control, scalar page
extern const UISnmpVar DT_SSHInteAlgControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "SHA1 Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "MD5 Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Security: SSH / SSH Public Key Control, scalar page
extern const UISnmpVar DT_SSHPublicKeyControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA Admin", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Security: SSL / SSL Certificate File, scalar page
extern const UISnmpVar DT_SSLCertificateFile1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "Certificate File IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.7.2.2", "Certificate File Path", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Certificate Key File Path", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.7.2.4", "Certificate File Control", sxInteger, acReadwrite,
     &OL_2inactive_3start_4delete},
    {"1.3.6.1.4.1.32473.12.7.2.5", "Certificate File Show Satus", sxInteger, acReadonly,
     &OL_1none_2rsa_3dsa},
    {},
};

// Security: 802.1X / Authentication Configuration, scalar page
extern const UISnmpVar DT_AuthenticationConfiguration1Click_0[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {},
};

// Security: 802.1X / PAE Port Table, table page
extern const UISnmpVar DT_PaeSystemClick_0[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Number", sxInteger, acNotaccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", sxGuage, acReadonly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", sxOctetstr, acReadonly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", sxInteger, acReadwrite, &OL_1true_2false},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", sxInteger, acReadwrite, &OL_1true_2false},
    {},
};

// Security: 802.1X / Authentication Configuration Table, table page
extern const UISnmpVar DT_PaeAuthenticatorClick_0[] = {
    {" ", "PortNumber", sxInteger, acNotaccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", sxInteger, acReadonly,
     &OL_1initialize_2disconnected_3connecting_x9},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", sxInteger, acReadonly,
     &OL_1request_2response_3success_x7},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", sxInteger, acReadwrite,
     &OL_0both_1in},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Oper Controlled Directions", sxInteger, acReadonly,
     &OL_0both_1in},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Auth Controlled PortStatus", sxInteger, acReadonly,
     &OL_1authorized_2unauthorized},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Auth Controlled Port Control", sxInteger, acReadwrite,
     &OL_1forceUnauthorized_2auto_3forceAuthorized},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Req", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", sxGuage, acReadwrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled", sxInteger, acReadwrite, &OL_1true_2false},
    {},
};

// Security: 802.1X / Authentication Stats Table, table page
extern const UISnmpVar DT_AuthenticationStatsTable1Click_0[] = {
    {" ", "PortNumber", sxInteger, acNotaccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "Eapol Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "Eapol Frames TX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "Eapol Start Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "Eapol Logoff Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "Eapol Resp ID Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "Eapol Resp Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "Eapol Req ID Frames TX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "Eapol Req Frames TX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid Eapol Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last Eapol Frame Version", sxGuage, acReadonly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last Eapol Frame Source", sxMacaddress, acReadonly},
    {},
};

// Security: 802.1X / Authentication Diagnostics Table, table page
extern const UISnmpVar DT_AuthenticationDiagnosticsTable1Click_0[] = {
    {" ", "PortNumber", sxInteger, acNotaccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EAP Logoffs While Connecting", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth EAP Starts While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth EAP Logoff While Authenticating", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth EAP Starts While Authenticated", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth EAP Logoff While Authenticated", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", sxCounter,
     acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", sxCounter, acReadonly},
    {},
};

// Security: 802.1X / Authentication Session Statistics, table page
extern const UISnmpVar DT_AuthenticationSessionStatistics1Click_0[] = {
    {" ", "Port Number", sxInteger, acNotaccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", sxCounter64, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", sxCounter64, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", sxCounter, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", sxDisplaystr, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", sxInteger, acReadonly,
     &OL_1remoteAuthServer_2localAuthServer},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", sxTimeticks, acReadonly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", sxInteger, acReadonly,
     &OL_1supplicantLogoff_2portFailure_3supplicantRestart_x8},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", sxDisplaystr, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / Authentication Control, scalar page
extern const UISnmpVar DT_AuthenticationControl2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "auth Protocol", sxInteger, acReadonly,
     &OL_1authProtocolRadiusEap_2authProtocolRadiusPap},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Auth Mode", sxInteger, acReadwrite,
     &OL_1portBase_2macBase_3none},
    {},
};

// Security: 802.1X / RADIUS Server / RADIUS Server Table, table page
extern const UISnmpVar DT_RadiusServerTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Server Index", sxInteger, acNotaccess,
     &OL_1swRadiusServerIndexfirst_2swRadiusServerIndexsecond_3swRadiusServerIndexthird},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "Server IP Addr", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Server Key", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Auth Port Number", sxGuage, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Acct Port Number", sxGuage, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Server Status", sxInteger, acReadonly,
     &OL_1active_2notInService_3notReady_x6},
    {},
};

// Security: 802.1X / RADIUS Server / RADIUS Accounting Service Table, table page
extern const UISnmpVar DT_RadiusAccountingServiceTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.3.4.3.1.1", "Service Index", sxInteger, acNotaccess,
     &OL_1acctServiceIndexnetwork_2acctServiceIndexexec_3acctServiceIndexsystem},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.2", "Service Method", sxInteger, acReadwrite,
     &OL_1swRadiusAcctServiceMethodNone_2swRadiusAcctServiceMethodRadius},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.3", "Service Mode", sxInteger, acReadwrite,
     &OL_1radiusAcctServiceModeNone_2radiusAcctServiceModeStartStop_3radiusAcctServiceModeStopOnly},
    {},
};

// Security: 802.1X / RADIUS Server / RADIUS Accounting Server Table, table page
extern const UISnmpVar DT_RadiusAccountingServerTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.3.5.3.1.1", "Server Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.2", "Server Address", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.3", "Client Server Port Number", sxGuage, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.4", "Client Round Trip Time", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.5", "Client Requests", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.6", "Client Retransmissions", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.7", "Client Responses", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.8", "Client Malformed Responses", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.9", "Client Bad Authenticators", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.10", "Client Pending Requests", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.11", "Client Timeouts", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.12", "Client Unknown Types", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.13", "Client Packets Dropped", sxCounter, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / MAC Authentication State Table, table page
extern const UISnmpVar DT_MACAuthenticationStateTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Addr", sxMacaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "Auth PAE State", sxInteger, acReadonly,
     &OL_1initialize_2disconnected_3connecting_x9},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Auth Backend Auth State", sxInteger, acReadonly,
     &OL_1request_2response_3success_x7},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Auth Auth Controlled Port Status", sxInteger, acReadonly,
     &OL_1authorized_2unauthorized},
    {},
};

// Security: 802.1X / RADIUS Server / MAC Authentication Stats Table, table page
extern const UISnmpVar DT_MACAuthenticationStatsTable1Click_0[] = {
    {" ", "MAC Addr", sxDisplaystr, acNotaccess},
    {" ", "Port Number", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "Eapol Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Eapol Frames TX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Eapol Start Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Eapol Logoff Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Eapol Resp ID Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Eapol Resp Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "Eapol Req ID Frames TX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Eapol Req Frames TX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Invalid Eapol Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "EAP Length Error Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Last Eapol Frame Version", sxGuage, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Last Eapol Frame Source", sxMacaddress, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / MAC Authentication Diag Table, table page
extern const UISnmpVar DT_MACAuthenticationDiagTable1Click_0[] = {
    {" ", "MAC Addr", sxDisplaystr, acNotaccess},
    {" ", "Port Number", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "Enters Connecting", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "EAP Logoffs While Connecting", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Enters Authenticating", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Auth Success While Authenticating", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Auth Timeouts While Authenticating", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Auth Fail While Authenticating", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Auth Reauths While Authenticating", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Auth EAP Starts While Authenticating", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Auth EAP Logoff While Authenticating", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Auth Reauths While Authenticated", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Auth EAP Starts While Authenticated", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Auth EAP Logoff While Authenticated", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Backend Responses", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Backend Access Challenges", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Other Requests To Supplicant", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend Non Nak Responses From Supplicant", sxCounter,
     acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Auth Successes", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend Auth Fails", sxCounter, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / MAC Authentication Session Stats Table, table page
extern const UISnmpVar DT_MACAuthenticationSessionStatsTable1Click_0[] = {
    {" ", "MAC Addr", sxDisplaystr, acNotaccess},
    {" ", "Port Number", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "Octets RX", sxCounter64, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Octets TX", sxCounter64, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Frames RX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Frames TX", sxCounter, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "ID", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Authentic Method", sxInteger, acReadonly,
     &OL_1remoteAuthServer_2localAuthServer},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "Time", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Terminate Cause", sxInteger, acReadonly,
     &OL_1supplicantLogoff_2portFailure_3supplicantRestart_x8},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "User Name", sxDisplaystr, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / RADIUS Authentication Client, scalar page
extern const UISnmpVar DT_RadiusAuthClientClick_0[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Invalid Server Addresses", sxCounter, acReadonly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Identifier", sxDisplaystr, acReadonly},
    {},
};

// Security: 802.1X / RADIUS Server / RADIUS Accounting Client, scalar page
extern const UISnmpVar DT_RadiusAccClientClick_0[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Auth Client Invalid Server Addresses", sxCounter,
     acReadonly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Auth Client Identifier", sxDisplaystr, acReadonly},
    {},
};

// Security: 802.1X / Guest VLAN, scalar page
extern const UISnmpVar DT_GuestVLAN1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Guest VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.30.1.2", "Guest VLAN Port", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.30.1.3", "Guest VLAN Delete State", sxInteger, acReadwrite,
     &OL_1none_2start},
    {},
};

// Security: 802.1X / Web-based Access Control / Control Table, scalar page
extern const UISnmpVar DT_ControlTable2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.27.1.1", "Admin State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.27.1.2", "Method", sxInteger, acReadwrite, &OL_1local_2radius},
    {"1.3.6.1.4.1.32473.12.27.1.3", "VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.27.1.4", "All Port State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.27.1.5", "Redirect Path", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.27.1.6", "Auto Logout", sxInteger, acReadwrite},
    {},
};

// Security: 802.1X / Web-based Access Control / Port Information Table, table page
extern const UISnmpVar DT_PortInformationTable2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.27.2.1.1.1", "Port", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.27.2.1.1.2", "User Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.27.2.1.1.3", "IP Address", sxIpaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.27.2.1.1.4", "Status", sxInteger, acReadonly,
     &OL_1unauth_2authenticating_3authenticated},
    {"1.3.6.1.4.1.32473.12.27.2.1.1.5", "Assign VID", sxInteger, acReadonly},
    {},
};

// Security: 802.1X / Web-based Access Control / Port Management Table, table page
extern const UISnmpVar DT_PortManagementTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.27.3.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.2", "Port State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Security: 802.1X / Web-based Access Control / User Management Table, table page
extern const UISnmpVar DT_UserManagementTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.27.3.2.1.1", "User Name Index", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.2", "User PWD", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.3", "User VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.4", "User Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: 802.1X / MAC -based Access Control / Control Table, scalar page
extern const UISnmpVar DT_ControlTable4Click_0[] = {
    {"1.3.6.1.4.1.32473.12.35.1.1", "State", sxInteger, acReadwrite, &OL_1disabled_2enabled},
    {"1.3.6.1.4.1.32473.12.35.1.2", "Method", sxInteger, acReadwrite, &OL_1local_2radius},
    {"1.3.6.1.4.1.32473.12.35.1.3", "Password", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.35.1.4", "Guest VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.35.1.5", "Guest Member Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.35.1.7", "VLAN Name Del State", sxInteger, acReadwrite,
     &OL_1none_2start},
    {},
};

// Security: 802.1X / MAC -based Access Control / Port Information Table, table page
extern const UISnmpVar DT_PortInformationTable3Click_0[] = {
    {"1.3.6.1.4.1.32473.12.35.2.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.2", "MAC Index", sxMacaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.3", "Status", sxInteger, acReadonly,
     &OL_1unconnected_2connecting_3authenticating_x5},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.4", "Assign VLAN Name", sxDisplaystr, acReadonly},
    {},
};

// Security: 802.1X / MAC -based Access Control / Port Management Table, table page
extern const UISnmpVar DT_PortManagementTable2Click_0[] = {
    {"1.3.6.1.4.1.32473.12.35.3.1.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.2", "State", sxInteger, acReadwrite, &OL_1enabled_2disabled},
    {},
};

// Security: 802.1X / MAC -based Access Control / Database Table, table page
extern const UISnmpVar DT_DatabaseTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.35.4.1.1.1", "MAC Index", sxMacaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.2", "VLAN Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.3", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: Safeguard / Admin State, scalar page
extern const UISnmpVar DT_AdminState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Admin State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Security: Safeguard / Control State, scalar page
extern const UISnmpVar DT_ControlState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm Admin State", sxInteger, acReadwrite,
     &OL_1other_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current Status", sxInteger, acReadonly,
     &OL_1normal_2exhausted},
    {"1.3.6.1.4.1.32473.12.19.2.6", "Interval", sxInteger, acReadonly},
    {},
};

// Security: IP-MAC Binding / IP-MAC Binding Management, scalar page
extern const UISnmpVar DT_Mode1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "Trap Log State", sxInteger, acReadwrite,
     &OL_2enabled_3disabled},
    {"1.3.6.1.4.1.32473.12.23.1.2", "ACL Mode", sxInteger, acReadwrite, &OL_2enabled_3disabled},
    {"1.3.6.1.4.1.32473.12.23.1.4", "DHCP Snoop State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.23.1.5", "Clear All State", sxInteger, acReadwrite, &OL_1other_2start},
    {},
};

// Security: IP-MAC Binding / Global Port State Control, scalar page
extern const UISnmpVar DT_AllPortStateControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.3.1", "All Port State", sxInteger, acReadwrite,
     &OL_2enablestrict_3disable_4enableloose},
    {},
};

// Security: IP-MAC Binding / Each Port State Control, table page
extern const UISnmpVar DT_EachPortStateControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Port Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "Port State", sxInteger, acReadwrite,
     &OL_2enablestrict_3disable_4enableloose},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.3", "Port Zero IP State", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.4", "Forward DHCP Packet", sxInteger, acReadwrite,
     &OL_1enabled_2disabled},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.5", "DHCP Snoop Max Entry", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.6", "Clear Action", sxInteger, acReadwrite, &OL_1other_2start},
    {},
};

// Security: IP-MAC Binding / Entry Management, table page
extern const UISnmpVar DT_EntryManagement1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC", sxMacaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.5", "Action", sxInteger, acReadonly, &OL_1inactive_2active},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.6", "Mode", sxInteger, acReadwrite, &OL_1ARP_2ACL_3Auto},
    {},
};

// Security: IP-MAC Binding / Blocked Entry, table page
extern const UISnmpVar DT_BlockedEntry1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "Blocked VID", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "Blocked MAC", sxMacaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "Blocked VLAN Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Blocked Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Blocked Type", sxInteger, acReadwrite,
     &OL_1other_2blockByAddrBind_3delete},
    {},
};

// Security: IP-MAC Binding / DHCP Snoop Table, table page
extern const UISnmpVar DT_DHCPSnoopTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.23.4.3.1.1", "DHCP Snoop IP Index", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.2", "DHCP Snoop MAC", sxMacaddress, acReadonly},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.3", "DHCP Snoop Lease Time", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.4", "DHCP Snoop Port", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.5", "DHCP Snoop Status", sxInteger, acReadonly,
     &OL_1inactive_2active},
    {},
};

// Security: Access Control Information / AAC Control, scalar page
extern const UISnmpVar DT_AuthenticationControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "Admin State", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {},
};

// Security: Access Control Information / AAC Control Administration State, scalar page
extern const UISnmpVar DT_AACControlAdministrationState1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.1.2.1", "Admin TACACS State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.5.1.2.2", "Admin XTACACS State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.5.1.2.3", "Admin TACACS Plus State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.5.1.2.4", "Admin RADIUS State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.5.1.2.5", "Admin Local State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.5.1.2.6", "Admin None State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

// Security: Access Control Information / AAC Info, scalar page
extern const UISnmpVar DT_AACInformationTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Login Method List", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max Server Group", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", sxInteger, acReadonly},
    {},
};

// Security: Access Control Information / AAC Enable Method List, table page
extern const UISnmpVar DT_AACEnableMethodList1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "MethodList Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Method1 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Method1 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Method2 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Method2 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Method3 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Method3 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Method4 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_7localenable_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Method4 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "MethodList Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: Access Control Information / AAC Login Method List, table page
extern const UISnmpVar DT_AACLoginMethodList1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "MethodList Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius_5servergroup_6local_8none_9empty},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 Server Group", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: Access Control Information / AAC Login Method, scalar page
extern const UISnmpVar DT_AACLoginMethod1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "Http Login Method", sxDisplaystr, acReadwrite},
    {},
};

// Security: Access Control Information / AAC Enable Method, scalar page
extern const UISnmpVar DT_AACEnableMethod1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "Http Enable Method", sxDisplaystr, acReadwrite},
    {},
};

// Security: Access Control Information / Authentication Para Table, scalar page
extern const UISnmpVar DT_AuthenticationParaTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.8.1", "Param Response Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.8.2", "Param Attempt", sxInteger, acReadwrite},
    {},
};

// Security: Access Control Information / AAC Server Group Table, table page
extern const UISnmpVar DT_AACServerGroupTable1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Name", sxDisplaystr, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "IP Addr1", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Auth Protocol1", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "IP Addr2", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Auth Protocol2", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "IP Addr3", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Auth Protocol3", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "IP Addr4", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Auth Protocol4", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "IP Addr5", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Auth Protocol5", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "IP Addr6", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "Auth Protocol6", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "IP Addr7", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Auth Protocol7", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "IP Addr8", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Auth Protocol8", sxInteger, acReadwrite,
     &OL_1tacacs_2xtacacs_3tacacsplus_x6},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: Access Control Information / AAC Server Information, table page
extern const UISnmpVar DT_AACServerInformation1Click_0[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "IP Addr", sxIpaddress, acNotaccess},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Auth Protocol", sxInteger, acNotaccess,
     &OL_1tacacs_2xtacacs_3tacacsplus_4radius},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Auth Port", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Auth Key", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Timeout", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Retry Count", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {},
};

// Security: Broadcast Segmentation Control, scalar page
extern const UISnmpVar DT_BroadcastSegmentationControl1Click_0[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.13.2.1", "Filter Ports", sxBitstr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.13.2.2", "ARP Forward Ports", sxBitstr, acReadwrite},
    {},
};
