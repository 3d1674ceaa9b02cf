// The menu catalogue: every visible leaf entry of the menu bar, in menu order, with what
// its click opens. Generated pages name their descriptor tables (DT_<handler>_<page>,
// defined with the descriptor data) and the adjustments applied to each page and form.
// Entries without a click action carry no handler.

#include "PageDefinition.h"

#include <iterator>

// Descriptor tables of the generated pages.
extern const UISnmpVar DT_BasicInformation2Click_0[];
extern const UISnmpVar DT_MibCapabilities1Click_0[];
extern const UISnmpVar DT_CPUUtilization2Click_0[];
extern const UISnmpVar DT_PortUtilization1Click_0[];
extern const UISnmpVar DT_BasicConfig2Click_0[];
extern const UISnmpVar DT_IpProtoConfig1Click_0[];
extern const UISnmpVar DT_FileTable1Click_0[];
extern const UISnmpVar DT_AgentNotify1Click_0[];
extern const UISnmpVar DT_MultiImageInformation1Click_0[];
extern const UISnmpVar DT_DualConfiguration1Click_0[];
extern const UISnmpVar DT_FDBManagement1Click_0[];
extern const UISnmpVar DT_ARPManagement1Click_0[];
extern const UISnmpVar DT_TrustHostDeleteAllState1Click_0[];
extern const UISnmpVar DT_TrustHostTable1Click_0[];
extern const UISnmpVar DT_UnitTable1Click_0[];
extern const UISnmpVar DT_PowerTable1Click_0[];
extern const UISnmpVar DT_FanTable1Click_0[];
extern const UISnmpVar DT_POESystemControl1Click_0[];
extern const UISnmpVar DT_POESystemInfo1Click_0[];
extern const UISnmpVar DT_POEPortControl1Click_0[];
extern const UISnmpVar DT_POEPortInfo1Click_0[];
extern const UISnmpVar DT_SystemTime1Click_0[];
extern const UISnmpVar DT_SNTP1Click_0[];
extern const UISnmpVar DT_EthernetTableClick_0[];
extern const UISnmpVar DT_EthernetTableClick_1[];
extern const UISnmpVar DT_ACLIPTableClick_0[];
extern const UISnmpVar DT_ACLIPTableClick_1[];
extern const UISnmpVar DT_PacketTable1Click_0[];
extern const UISnmpVar DT_PacketTable1Click_1[];
extern const UISnmpVar DT_IPV61Click_0[];
extern const UISnmpVar DT_IPV61Click_1[];
extern const UISnmpVar DT_MaskDeleteAll1Click_0[];
extern const UISnmpVar DT_MeterInformation1Click_0[];
extern const UISnmpVar DT_ACLControl1Click_0[];
extern const UISnmpVar DT_CPUEthernetTable1Click_0[];
extern const UISnmpVar DT_CPUEthernetTable1Click_1[];
extern const UISnmpVar DT_CPUIPTable1Click_0[];
extern const UISnmpVar DT_CPUIPTable1Click_1[];
extern const UISnmpVar DT_CPUPacketCountTable1Click_0[];
extern const UISnmpVar DT_CPUPacketCountTable1Click_1[];
extern const UISnmpVar DT_FilterCPULayer3ControlPacketTable1Click_0[];
extern const UISnmpVar DT_PortList1Click_0[];
extern const UISnmpVar DT_AggregatorTable1Click_0[];
extern const UISnmpVar DT_LinkAggregationControl1Click_0[];
extern const UISnmpVar DT_GeneralTable1Click_0[];
extern const UISnmpVar DT_IFXTable1Click_0[];
extern const UISnmpVar DT_MIB2InformationClick_0[];
extern const UISnmpVar DT_MIB2IFTableClick_0[];
extern const UISnmpVar DT_MIB2IPAddressTableClick_0[];
extern const UISnmpVar DT_ARP1Click_0[];
extern const UISnmpVar DT_SysLogClick_0[];
extern const UISnmpVar DT_SysLogClick_1[];
extern const UISnmpVar DT_Reset1Click_0[];
extern const UISnmpVar DT_Information1Click_0[];
extern const UISnmpVar DT_Control1Click_0[];
extern const UISnmpVar DT_CandidateSwitch1Click_0[];
extern const UISnmpVar DT_IPManagementGroup1Click_0[];
extern const UISnmpVar DT_SpanningTreeAlgorithm1Click_0[];
extern const UISnmpVar DT_BridgeInformationClick_0[];
extern const UISnmpVar DT_ConfigurationIdentification1Click_0[];
extern const UISnmpVar DT_InstanceInformation1Click_0[];
extern const UISnmpVar DT_PortStateInformation1Click_0[];
extern const UISnmpVar DT_PortMSTPInformation1Click_0[];
extern const UISnmpVar DT_BasicConfigureClick_0[];
extern const UISnmpVar DT_PriorityInformationClick_0[];
extern const UISnmpVar DT_GARPClick_0[];
extern const UISnmpVar DT_PortCapbilityClick_0[];
extern const UISnmpVar DT_PortCapbilityClick_1[];
extern const UISnmpVar DT_PortCapbilityClick_2[];
extern const UISnmpVar DT_PortCapbilityClick_3[];
extern const UISnmpVar DT_BasicConfigure2Click_0[];
extern const UISnmpVar DT_PortInformation1Click_0[];
extern const UISnmpVar DT_ForwardingFiltering1Click_0[];
extern const UISnmpVar DT_N8021QVLAN1Click_0[];
extern const UISnmpVar DT_N8021QVLAN1Click_1[];
extern const UISnmpVar DT_GlobalState1Click_0[];
extern const UISnmpVar DT_ControlTable1Click_0[];
extern const UISnmpVar DT_ProtocolVLANGroup1Click_0[];
extern const UISnmpVar DT_ProtocolVLANPort1Click_0[];
extern const UISnmpVar DT_VLANAdvertisementTable1Click_0[];
extern const UISnmpVar DT_S1Click_0[];
extern const UISnmpVar DT_EngineClick_0[];
extern const UISnmpVar DT_MPDClick_0[];
extern const UISnmpVar DT_GeneralInformation1Click_0[];
extern const UISnmpVar DT_TargetAddressTable1Click_0[];
extern const UISnmpVar DT_TargetParameters1Click_0[];
extern const UISnmpVar DT_USMStatsClick_0[];
extern const UISnmpVar DT_USMUserTableClick_0[];
extern const UISnmpVar DT_USMUserTableClick_1[];
extern const UISnmpVar DT_VACMSecurityToGroupTableClick_0[];
extern const UISnmpVar DT_VACMAccessTableClick_0[];
extern const UISnmpVar DT_VACMMIBViews1Click_0[];
extern const UISnmpVar DT_VACMMIBViews1Click_1[];
extern const UISnmpVar DT_NotifyTableClick_0[];
extern const UISnmpVar DT_NotifyFilterProfileTableClick_0[];
extern const UISnmpVar DT_NotifyFilterTableClick_0[];
extern const UISnmpVar DT_CommunityTableClick_0[];
extern const UISnmpVar DT_TargetAddrExtTableClick_0[];
extern const UISnmpVar DT_SSHControl1Click_0[];
extern const UISnmpVar DT_SSHEncryptAlgControl1Click_0[];
extern const UISnmpVar DT_SSHAuthMethodControl1Click_0[];
extern const UISnmpVar DT_SSHInteAlgControl1Click_0[];
extern const UISnmpVar DT_SSHPublicKeyControl1Click_0[];
extern const UISnmpVar DT_SSLCertificateFile1Click_0[];
extern const UISnmpVar DT_AuthenticationConfiguration1Click_0[];
extern const UISnmpVar DT_PaeSystemClick_0[];
extern const UISnmpVar DT_PaeAuthenticatorClick_0[];
extern const UISnmpVar DT_AuthenticationStatsTable1Click_0[];
extern const UISnmpVar DT_AuthenticationDiagnosticsTable1Click_0[];
extern const UISnmpVar DT_AuthenticationSessionStatistics1Click_0[];
extern const UISnmpVar DT_AuthenticationControl2Click_0[];
extern const UISnmpVar DT_RadiusServerTable1Click_0[];
extern const UISnmpVar DT_RadiusAccountingServiceTable1Click_0[];
extern const UISnmpVar DT_RadiusAccountingServerTable1Click_0[];
extern const UISnmpVar DT_MACAuthenticationStateTable1Click_0[];
extern const UISnmpVar DT_MACAuthenticationStatsTable1Click_0[];
extern const UISnmpVar DT_MACAuthenticationDiagTable1Click_0[];
extern const UISnmpVar DT_MACAuthenticationSessionStatsTable1Click_0[];
extern const UISnmpVar DT_RadiusAuthClientClick_0[];
extern const UISnmpVar DT_RadiusAccClientClick_0[];
extern const UISnmpVar DT_GuestVLAN1Click_0[];
extern const UISnmpVar DT_ControlTable2Click_0[];
extern const UISnmpVar DT_PortInformationTable2Click_0[];
extern const UISnmpVar DT_PortManagementTable1Click_0[];
extern const UISnmpVar DT_UserManagementTable1Click_0[];
extern const UISnmpVar DT_ControlTable4Click_0[];
extern const UISnmpVar DT_PortInformationTable3Click_0[];
extern const UISnmpVar DT_PortManagementTable2Click_0[];
extern const UISnmpVar DT_DatabaseTable1Click_0[];
extern const UISnmpVar DT_AdminState1Click_0[];
extern const UISnmpVar DT_ControlState1Click_0[];
extern const UISnmpVar DT_Mode1Click_0[];
extern const UISnmpVar DT_AllPortStateControl1Click_0[];
extern const UISnmpVar DT_EachPortStateControl1Click_0[];
extern const UISnmpVar DT_EntryManagement1Click_0[];
extern const UISnmpVar DT_BlockedEntry1Click_0[];
extern const UISnmpVar DT_DHCPSnoopTable1Click_0[];
extern const UISnmpVar DT_AuthenticationControl1Click_0[];
extern const UISnmpVar DT_AACControlAdministrationState1Click_0[];
extern const UISnmpVar DT_AACInformationTable1Click_0[];
extern const UISnmpVar DT_AACEnableMethodList1Click_0[];
extern const UISnmpVar DT_AACLoginMethodList1Click_0[];
extern const UISnmpVar DT_AACLoginMethod1Click_0[];
extern const UISnmpVar DT_AACEnableMethod1Click_0[];
extern const UISnmpVar DT_AuthenticationParaTable1Click_0[];
extern const UISnmpVar DT_AACServerGroupTable1Click_0[];
extern const UISnmpVar DT_AACServerInformation1Click_0[];
extern const UISnmpVar DT_BroadcastSegmentationControl1Click_0[];
extern const UISnmpVar DT_DeviceInformation1Click_0[];
extern const UISnmpVar DT_PowerInformation1Click_0[];
extern const UISnmpVar DT_DeviceControl1Click_0[];
extern const UISnmpVar DT_AlarmControl1Click_0[];
extern const UISnmpVar DT_PortInformationTable1Click_0[];
extern const UISnmpVar DT_PortControlTable1Click_0[];
extern const UISnmpVar DT_PortTrunkMgmt1Click_0[];
extern const UISnmpVar DT_PortTrunkTable1Click_0[];
extern const UISnmpVar DT_PortMirrorTable1Click_0[];
extern const UISnmpVar DT_PortSecurityTable1Click_0[];
extern const UISnmpVar DT_BandwidthControlTable1Click_0[];
extern const UISnmpVar DT_SchedulingTable1Click_0[];
extern const UISnmpVar DT_N8021pUserPriorityTable1Click_0[];
extern const UISnmpVar DT_N8021pDefaultPriorityTable1Click_0[];
extern const UISnmpVar DT_WREDState1Click_0[];
extern const UISnmpVar DT_WREDAverageTime1Click_0[];
extern const UISnmpVar DT_WREDControl1Click_0[];
extern const UISnmpVar DT_WREDAllPortAverageTime1Click_0[];
extern const UISnmpVar DT_IGMPControl1Click_0[];
extern const UISnmpVar DT_IGMPControlTable1Click_0[];
extern const UISnmpVar DT_IGMPQueryInformation1Click_0[];
extern const UISnmpVar DT_IGMPManagementClick_0[];
extern const UISnmpVar DT_IGMPMulticastVlan1Click_0[];
extern const UISnmpVar DT_IGMPRouterPort1Click_0[];
extern const UISnmpVar DT_TrafficManagementClick_0[];
extern const UISnmpVar DT_ProfileInformation1Click_0[];
extern const UISnmpVar DT_ProfileControl1Click_0[];
extern const UISnmpVar DT_PortGroup1Click_0[];
extern const UISnmpVar DT_PortAccess1Click_0[];
extern const UISnmpVar DT_PortMaxTable1Click_0[];
extern const UISnmpVar DT_ControlTable3Click_0[];
extern const UISnmpVar DT_ManagementTable1Click_0[];
extern const UISnmpVar DT_Management1Click_0[];
extern const UISnmpVar DT_Control2Click_0[];
extern const UISnmpVar DT_GroupInformation1Click_0[];
extern const UISnmpVar DT_RouterPorts1Click_0[];
extern const UISnmpVar DT_ForwardingInformation1Click_0[];
extern const UISnmpVar DT_Control3Click_0[];
extern const UISnmpVar DT_PortTable1Click_0[];
extern const UISnmpVar DT_DeviceCtrl1Click_0[];
extern const UISnmpVar DT_IPForwardingTable1Click_0[];
extern const UISnmpVar DT_IPFilterAddressCtrlTable1Click_0[];
extern const UISnmpVar DT_IPStaticRoutingTable1Click_0[];
extern const UISnmpVar DT_BOOTPBasicConfiguration1Click_0[];
extern const UISnmpVar DT_DHCPServerControl1Click_0[];
extern const UISnmpVar DT_ExcludedAddressTable1Click_0[];
extern const UISnmpVar DT_PoolTable1Click_0[];
extern const UISnmpVar DT_DNSServerAddressTable1Click_0[];
extern const UISnmpVar DT_NetBIOSNameServerTable1Click_0[];
extern const UISnmpVar DT_DefaultRouterTable1Click_0[];
extern const UISnmpVar DT_ManualBindingTable1Click_0[];
extern const UISnmpVar DT_DynamicBindingTable1Click_0[];
extern const UISnmpVar DT_ConflictIPTable1Click_0[];
extern const UISnmpVar DT_DNSBasicConfiguration1Click_0[];
extern const UISnmpVar DT_DNSCtrlTable1Click_0[];
extern const UISnmpVar DT_RIPManagement1Click_0[];
extern const UISnmpVar DT_InterfaceTable1Click_0[];
extern const UISnmpVar DT_InterfaceTable1Click_1[];
extern const UISnmpVar DT_HostTable1Click_0[];
extern const UISnmpVar DT_VRRPControl1Click_0[];
extern const UISnmpVar DT_VRRPOperation1Click_0[];
extern const UISnmpVar DT_VirtualRouteAddress1Click_0[];
extern const UISnmpVar DT_VRRPErrorStatistics1Click_0[];
extern const UISnmpVar DT_VirtualRouteStatistics1Click_0[];
extern const UISnmpVar DT_PIMIPMulticastRoute1Click_0[];
extern const UISnmpVar DT_PIMRPSetTable1Click_0[];
extern const UISnmpVar DT_PIMCandidateRPTable1Click_0[];
extern const UISnmpVar DT_CBSRInformation1Click_0[];
extern const UISnmpVar DT_CBSRTable1Click_0[];
extern const UISnmpVar DT_CandidateRPManagement1Click_0[];
extern const UISnmpVar DT_SPTManagement1Click_0[];
extern const UISnmpVar DT_RegisterChecksumIncludingDataInformation1Click_0[];
extern const UISnmpVar DT_RegisterTime1Click_0[];
extern const UISnmpVar DT_PIMInformationTable1Click_0[];
extern const UISnmpVar DT_StaticRPTableInformation1Click_0[];
extern const UISnmpVar DT_ActiveRPTableInformation1Click_0[];
extern const UISnmpVar DT_IGMPInterface1Click_0[];
extern const UISnmpVar DT_IGMPCache1Click_0[];
extern const UISnmpVar DT_InterfaceTable2Click_0[];
extern const UISnmpVar DT_CacheTable1Click_0[];
extern const UISnmpVar DT_SourceListTable1Click_0[];
extern const UISnmpVar DT_RoutePreference2Click_0[];
extern const UISnmpVar DT_Layer3TraceRouteControl1Click_0[];

namespace {

// Basic Configuration / Basic / Basic Information
constexpr PageSpec Pages_BasicInformation2Click[] = {
    {.table = false,
     .vars = DT_BasicInformation2Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / MIB Capabilities
constexpr PageAdjustment FormAdj_MibCapabilities1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_MibCapabilities1Click[] = {
    {.table = true,
     .vars = DT_MibCapabilities1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / CPU Utilization
constexpr PageSpec Pages_CPUUtilization2Click[] = {
    {.table = false,
     .vars = DT_CPUUtilization2Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / Port Utilization
constexpr PageSpec Pages_PortUtilization1Click[] = {
    {.table = true,
     .vars = DT_PortUtilization1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / Basic Configuration
constexpr PageSpec Pages_BasicConfig2Click[] = {
    {.table = false,
     .vars = DT_BasicConfig2Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / IP Proto Configuration
constexpr PageSpec Pages_IpProtoConfig1Click[] = {
    {.table = false,
     .vars = DT_IpProtoConfig1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / File Table
constexpr PageSpec Pages_FileTable1Click[] = {
    {.table = true,
     .vars = DT_FileTable1Click_0,
     .varCount = 10,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / Agent Notify
constexpr PageSpec Pages_AgentNotify1Click[] = {
    {.table = false,
     .vars = DT_AgentNotify1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / Multi Image Information
constexpr PageSpec Pages_MultiImageInformation1Click[] = {
    {.table = true,
     .vars = DT_MultiImageInformation1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / Dual Configuration
constexpr PageSpec Pages_DualConfiguration1Click[] = {
    {.table = true,
     .vars = DT_DualConfiguration1Click_0,
     .varCount = 6,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Basic / FDB Clear All State
// The write resets or clears the device: asked first.
constexpr PageAdjustment Confirm_FDBManagement1Click[] = {
    {AdjustmentKind::ConfirmSet, -1, 0,
     "Are you sure to clear all entries of the forwarding database?"},
};
constexpr PageSpec Pages_FDBManagement1Click[] = {
    {.table = false,
     .vars = DT_FDBManagement1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Confirm_FDBManagement1Click},
};

// Basic Configuration / Basic / ARP Clear All State
// The write resets or clears the device: asked first.
constexpr PageAdjustment Confirm_ARPManagement1Click[] = {
    {AdjustmentKind::ConfirmSet, -1, 0, "Are you sure to clear all entries of the ARP table?"},
};
constexpr PageSpec Pages_ARPManagement1Click[] = {
    {.table = false,
     .vars = DT_ARPManagement1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Confirm_ARPManagement1Click},
};

// Basic Configuration / Basic / Trust Host Management / Trust Host Delete All State
// The write resets or clears the device: asked first.
constexpr PageAdjustment Confirm_TrustHostDeleteAllState1Click[] = {
    {AdjustmentKind::ConfirmSet, -1, 0, "Are you sure to delete all trust hosts?"},
};
constexpr PageSpec Pages_TrustHostDeleteAllState1Click[] = {
    {.table = false,
     .vars = DT_TrustHostDeleteAllState1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Confirm_TrustHostDeleteAllState1Click},
};

// Basic Configuration / Basic / Trust Host Management / Trust Host Table
constexpr PageAdjustment Adj_TrustHostTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_TrustHostTable1Click[] = {
    {.table = true,
     .vars = DT_TrustHostTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_TrustHostTable1Click_0},
};

// Basic Configuration / Equipment Management / Unit Table
constexpr PageAdjustment FormAdj_UnitTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_UnitTable1Click[] = {
    {.table = true,
     .vars = DT_UnitTable1Click_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / Power Table
constexpr PageAdjustment FormAdj_PowerTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_PowerTable1Click[] = {
    {.table = true,
     .vars = DT_PowerTable1Click_0,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / Fan Table
constexpr PageSpec Pages_FanTable1Click[] = {
    {.table = true,
     .vars = DT_FanTable1Click_0,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / PoE Management / PoE System Control
constexpr PageSpec Pages_POESystemControl1Click[] = {
    {.table = false,
     .vars = DT_POESystemControl1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / PoE Management / PoE System Info
constexpr PageSpec Pages_POESystemInfo1Click[] = {
    {.table = false,
     .vars = DT_POESystemInfo1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / PoE Management / PoE Port Control
constexpr PageSpec Pages_POEPortControl1Click[] = {
    {.table = true,
     .vars = DT_POEPortControl1Click_0,
     .varCount = 5,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Equipment Management / PoE Management / PoE Port Info
constexpr PageSpec Pages_POEPortInfo1Click[] = {
    {.table = true,
     .vars = DT_POEPortInfo1Click_0,
     .varCount = 8,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Time Management / System Time
constexpr PageAdjustment Adj_SystemTime1Click_0[] = {
    {AdjustmentKind::RowFormat, 3, 0, "%i{n-779x839}"},
};
constexpr PageSpec Pages_SystemTime1Click[] = {
    {.table = false,
     .vars = DT_SystemTime1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_SystemTime1Click_0},
};

// Basic Configuration / Time Management / SNTP
constexpr PageAdjustment Adj_SNTP1Click_0[] = {
    {AdjustmentKind::RowFormat, 4, 0, "%i{n30x99999}"},
};
constexpr PageSpec Pages_SNTP1Click[] = {
    {.table = false,
     .vars = DT_SNTP1Click_0,
     .varCount = 5,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_SNTP1Click_0},
};

// Basic Configuration / ACL Management / Access Profile / Ethernet Table
constexpr PageAdjustment Adj_EthernetTableClick_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment Adj_EthernetTableClick_1[] = {
    {AdjustmentKind::RowBitList, 13, 0, nullptr},
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment FormAdj_EthernetTableClick[] = {
    {AdjustmentKind::FormHeight, -1, 500, nullptr},
};
constexpr PageSpec Pages_EthernetTableClick[] = {
    {.tabTitle = "ACL Ethernet Table",
     .table = true,
     .vars = DT_EthernetTableClick_0,
     .varCount = 9,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 7,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_EthernetTableClick_0},
    {.tabTitle = "ACL Ethernet Rule Table",
     .table = true,
     .vars = DT_EthernetTableClick_1,
     .varCount = 16,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 14,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_EthernetTableClick_1},
};

// Basic Configuration / ACL Management / Access Profile / IP Table
constexpr PageAdjustment Adj_ACLIPTableClick_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment Adj_ACLIPTableClick_1[] = {
    {AdjustmentKind::RowBitList, 20, 0, nullptr},
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ACLIPTableClick[] = {
    {.tabTitle = "ACL IP Table",
     .table = true,
     .vars = DT_ACLIPTableClick_0,
     .varCount = 20,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 18,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ACLIPTableClick_0},
    {.tabTitle = "ACL IP Rule Table",
     .table = true,
     .vars = DT_ACLIPTableClick_1,
     .varCount = 23,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 21,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ACLIPTableClick_1},
};

// Basic Configuration / ACL Management / Access Profile / Packet Content Table
constexpr PageAdjustment Adj_PacketTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment Adj_PacketTable1Click_1[] = {
    {AdjustmentKind::RowBitList, 13, 0, nullptr},
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_PacketTable1Click[] = {
    {.tabTitle = "ACL Packet Mask Table",
     .table = true,
     .vars = DT_PacketTable1Click_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_PacketTable1Click_0},
    {.tabTitle = "ACL Packet Rule Table",
     .table = true,
     .vars = DT_PacketTable1Click_1,
     .varCount = 16,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 14,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_PacketTable1Click_1},
};

// Basic Configuration / ACL Management / Access Profile / IPv6 Table
constexpr PageAdjustment Adj_IPV61Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment Adj_IPV61Click_1[] = {
    {AdjustmentKind::RowBitList, 10, 0, nullptr},
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment FormAdj_IPV61Click[] = {
    {AdjustmentKind::FormHeight, -1, 500, nullptr},
};
constexpr PageSpec Pages_IPV61Click[] = {
    {.tabTitle = "ipv6 Mask Table",
     .table = true,
     .vars = DT_IPV61Click_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_IPV61Click_0},
    {.tabTitle = "IPv6 Rule Table",
     .table = true,
     .vars = DT_IPV61Click_1,
     .varCount = 13,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 11,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_IPV61Click_1},
};

// Basic Configuration / ACL Management / Access Profile / ACL Mask Delete All
// The write resets or clears the device: asked first.
constexpr PageAdjustment Confirm_MaskDeleteAll1Click[] = {
    {AdjustmentKind::ConfirmSet, -1, 0, "Are you sure to delete all ACL masks?"},
};
constexpr PageSpec Pages_MaskDeleteAll1Click[] = {
    {.table = false,
     .vars = DT_MaskDeleteAll1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Confirm_MaskDeleteAll1Click},
};

// Basic Configuration / ACL Management / Access Profile / ACL Meter Information
constexpr PageSpec Pages_MeterInformation1Click[] = {
    {.table = false,
     .vars = DT_MeterInformation1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / ACL Management / CPU Access Profile / CPU Filter Control
constexpr PageSpec Pages_ACLControl1Click[] = {
    {.table = false,
     .vars = DT_ACLControl1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / ACL Management / CPU Access Profile / CPU Ethernet Table
constexpr PageAdjustment Adj_CPUEthernetTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment FormAdj_CPUEthernetTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 500, nullptr},
};
constexpr PageSpec Pages_CPUEthernetTable1Click[] = {
    {.tabTitle = "ACL CPU Ethernet Table",
     .table = true,
     .vars = DT_CPUEthernetTable1Click_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 7,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_CPUEthernetTable1Click_0},
    {.tabTitle = "ACL CPU Ethernet Rule Table",
     .table = true,
     .vars = DT_CPUEthernetTable1Click_1,
     .varCount = 9,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 8,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Basic Configuration / ACL Management / CPU Access Profile / CPU IP Table
constexpr PageAdjustment Adj_CPUIPTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_CPUIPTable1Click[] = {
    {.tabTitle = "CPU ACL IP Table",
     .table = true,
     .vars = DT_CPUIPTable1Click_0,
     .varCount = 19,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 18,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_CPUIPTable1Click_0},
    {.tabTitle = "CPU ACL IP Rule Table",
     .table = true,
     .vars = DT_CPUIPTable1Click_1,
     .varCount = 16,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 15,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Basic Configuration / ACL Management / CPU Access Profile / CPU Packet Content Table
constexpr PageAdjustment Adj_CPUPacketCountTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_CPUPacketCountTable1Click[] = {
    {.tabTitle = "ACL CPU Packet Mask Table",
     .table = true,
     .vars = DT_CPUPacketCountTable1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_CPUPacketCountTable1Click_0},
    {.tabTitle = "ACL CPU Packet Rule Table",
     .table = true,
     .vars = DT_CPUPacketCountTable1Click_1,
     .varCount = 9,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 8,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Basic Configuration / Filter / Filter CPU Layer3 Control Packet Table
constexpr PageSpec Pages_FilterCPULayer3ControlPacketTable1Click[] = {
    {.table = true,
     .vars = DT_FilterCPULayer3ControlPacketTable1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Link Aggregation / Port List
constexpr PageAdjustment Adj_PortList1Click_0[] = {
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
};
constexpr PageAdjustment FormAdj_PortList1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
    {AdjustmentKind::FormWidthPlus, -1, 50, nullptr},
};
constexpr PageSpec Pages_PortList1Click[] = {
    {.table = true,
     .vars = DT_PortList1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortList1Click_0},
};

// Basic Configuration / Link Aggregation / Aggregator Table
constexpr PageSpec Pages_AggregatorTable1Click[] = {
    {.table = true,
     .vars = DT_AggregatorTable1Click_0,
     .varCount = 11,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / Link Aggregation / Aggregation Port Table
constexpr PageSpec Pages_LinkAggregationControl1Click[] = {
    {.table = true,
     .vars = DT_LinkAggregationControl1Click_0,
     .varCount = 24,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / IF-MIB / General Table
constexpr PageSpec Pages_GeneralTable1Click[] = {
    {.table = false,
     .vars = DT_GeneralTable1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / IF-MIB / IFX Table
constexpr PageAdjustment Adj_IFXTable1Click_0[] = {
    {AdjustmentKind::V2cRequest, -1, 0, nullptr},
    {AdjustmentKind::RowFormat, 18, 0, "%s{l32}"},
};
constexpr PageSpec Pages_IFXTable1Click[] = {
    {.table = true,
     .vars = DT_IFXTable1Click_0,
     .varCount = 20,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_IFXTable1Click_0},
};

// Basic Configuration / MIB II / Information
constexpr PageAdjustment Adj_MIB2InformationClick_0[] = {
    {AdjustmentKind::ValueWidth, -1, 180, nullptr},
};
constexpr PageSpec Pages_MIB2InformationClick[] = {
    {.table = false,
     .vars = DT_MIB2InformationClick_0,
     .varCount = 7,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_MIB2InformationClick_0},
};

// Basic Configuration / MIB II / IF Table
constexpr PageSpec Pages_MIB2IFTableClick[] = {
    {.table = true,
     .vars = DT_MIB2IFTableClick_0,
     .varCount = 11,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / MIB II / IP Address Table
constexpr PageSpec Pages_MIB2IPAddressTableClick[] = {
    {.table = true,
     .vars = DT_MIB2IPAddressTableClick_0,
     .varCount = 5,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Basic Configuration / MIB II / ARP
constexpr PageAdjustment Adj_ARP1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageAdjustment FormAdj_ARP1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_ARP1Click[] = {
    {.table = true,
     .vars = DT_ARP1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_ARP1Click_0},
};

// Basic Configuration / System Log
constexpr PageSpec Pages_SysLogClick[] = {
    {.tabTitle = "System Log Control",
     .table = false,
     .vars = DT_SysLogClick_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
    {.tabTitle = "System Log Server",
     .table = true,
     .vars = DT_SysLogClick_1,
     .varCount = 7,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Basic Configuration / Reset
// The write resets or clears the device: asked first.
constexpr PageAdjustment Confirm_Reset1Click[] = {
    {AdjustmentKind::ConfirmSet, -1, 0,
     "Are you sure to reset the switch? A reset takes effect at once."},
};
constexpr PageSpec Pages_Reset1Click[] = {
    {.table = false,
     .vars = DT_Reset1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Confirm_Reset1Click},
};

// Single IP Configuration / Single IP Management Information
constexpr PageAdjustment Adj_Information1Click_0[] = {
    {AdjustmentKind::ValueWidth, -1, 180, nullptr},
};
constexpr PageSpec Pages_Information1Click[] = {
    {.table = false,
     .vars = DT_Information1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_Information1Click_0},
};

// Single IP Configuration / Single IP Control
constexpr PageSpec Pages_Control1Click[] = {
    {.table = false,
     .vars = DT_Control1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Single IP Configuration / Single IP CaS Table
constexpr PageSpec Pages_CandidateSwitch1Click[] = {
    {.table = true,
     .vars = DT_CandidateSwitch1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Single IP Configuration / Single IP Group Table
constexpr PageSpec Pages_IPManagementGroup1Click[] = {
    {.table = true,
     .vars = DT_IPManagementGroup1Click_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / Spanning Tree Algorithm
constexpr PageSpec Pages_SpanningTreeAlgorithm1Click[] = {
    {.table = false,
     .vars = DT_SpanningTreeAlgorithm1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / 802.1d / Information
constexpr PageSpec Pages_BridgeInformationClick[] = {
    {.table = false,
     .vars = DT_BridgeInformationClick_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / Spanning Tree / Configuration Identification
constexpr PageSpec Pages_ConfigurationIdentification1Click[] = {
    {.table = false,
     .vars = DT_ConfigurationIdentification1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / Spanning Tree / Instance Information
constexpr PageSpec Pages_InstanceInformation1Click[] = {
    {.table = true,
     .vars = DT_InstanceInformation1Click_0,
     .varCount = 24,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / Spanning Tree / Port State Information
constexpr PageSpec Pages_PortStateInformation1Click[] = {
    {.table = true,
     .vars = DT_PortStateInformation1Click_0,
     .varCount = 11,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Bridge / Spanning Tree / Port MSTP Information
constexpr PageSpec Pages_PortMSTPInformation1Click[] = {
    {.table = true,
     .vars = DT_PortMSTPInformation1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1P / Basic Configure
constexpr PageSpec Pages_BasicConfigureClick[] = {
    {.table = false,
     .vars = DT_BasicConfigureClick_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1P / Priority Information
constexpr PageSpec Pages_PriorityInformationClick[] = {
    {.table = true,
     .vars = DT_PriorityInformationClick_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1P / GARP
constexpr PageAdjustment Adj_GARPClick_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x2147483647l10}"},
    {AdjustmentKind::RowFormat, 2, 0, "%i{n0x2147483647l10}"},
    {AdjustmentKind::RowFormat, 3, 0, "%i{n0x2147483647l10}"},
};
constexpr PageSpec Pages_GARPClick[] = {
    {.table = true,
     .vars = DT_GARPClick_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_GARPClick_0},
};

// VLAN / 802.1P / Port Capability
constexpr PageAdjustment Adj_PortCapbilityClick_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x7l1}"},
    {AdjustmentKind::RowFormat, 2, 0, "%i{n0x8l1}"},
};
constexpr PageAdjustment Adj_PortCapbilityClick_1[] = {
    {AdjustmentKind::RowFormat, 2, 0, "%i{n0x7l1}"},
};
constexpr PageAdjustment Adj_PortCapbilityClick_2[] = {
    {AdjustmentKind::RowFormat, 2, 0, "%i{n0x7l1}"},
};
constexpr PageSpec Pages_PortCapbilityClick[] = {
    {.tabTitle = "Default User Priorities of Each Port",
     .table = true,
     .vars = DT_PortCapbilityClick_0,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortCapbilityClick_0},
    {.tabTitle = "Regenerated User Priorities",
     .table = true,
     .vars = DT_PortCapbilityClick_1,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortCapbilityClick_1},
    {.tabTitle = "User Priorities to Traffic Class",
     .table = true,
     .vars = DT_PortCapbilityClick_2,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortCapbilityClick_2},
    {.tabTitle = "Port Outbound Access Priorities",
     .table = true,
     .vars = DT_PortCapbilityClick_3,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1Q / 802.1Q Bridge / Basic Configure
constexpr PageSpec Pages_BasicConfigure2Click[] = {
    {.table = false,
     .vars = DT_BasicConfigure2Click_0,
     .varCount = 5,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1Q / 802.1Q Bridge / Ports Information
constexpr PageAdjustment Adj_PortInformation1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n1x4094}"},
};
constexpr PageSpec Pages_PortInformation1Click[] = {
    {.table = true,
     .vars = DT_PortInformation1Click_0,
     .varCount = 7,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortInformation1Click_0},
};

// VLAN / 802.1Q / Forwarding/Filtering
constexpr PageSpec Pages_ForwardingFiltering1Click[] = {
    {.table = true,
     .vars = DT_ForwardingFiltering1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / 802.1Q / 802.1Q VLAN
constexpr PageAdjustment Adj_N8021QVLAN1Click_0[] = {
    {AdjustmentKind::BeforeAddHook, -1, 0, "VlanStaticBeforeAdd"},
    {AdjustmentKind::AfterAddHook, -1, 0, "VlanStaticAfterAdd"},
    {AdjustmentKind::RowBitList, 2, 0, nullptr},
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
    {AdjustmentKind::RowBitList, 4, 0, nullptr},
    {AdjustmentKind::RowFormat, 0, 0, "%i{n1x4094}"},
    {AdjustmentKind::RowFormat, 1, 0, "%s{l32}"},
};
constexpr PageSpec Pages_N8021QVLAN1Click[] = {
    {.tabTitle = "VLAN Static Table",
     .table = true,
     .vars = DT_N8021QVLAN1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 5,
     .createText = "CreateAndGo",
     .destroyText = "Destroy",
     .adjustments = Adj_N8021QVLAN1Click_0},
    {.tabTitle = "VLAN Current Table",
     .table = true,
     .vars = DT_N8021QVLAN1Click_1,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / DoubleVLAN / Global State
constexpr PageSpec Pages_GlobalState1Click[] = {
    {.table = false,
     .vars = DT_GlobalState1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// VLAN / DoubleVLAN / Control Table
constexpr PageAdjustment Adj_ControlTable1Click_0[] = {
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
    {AdjustmentKind::RowBitList, 4, 0, nullptr},
};
constexpr PageSpec Pages_ControlTable1Click[] = {
    {.table = true,
     .vars = DT_ControlTable1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ControlTable1Click_0},
};

// VLAN / Protocol VLAN / Protocol VLAN Group
constexpr PageAdjustment Adj_ProtocolVLANGroup1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ProtocolVLANGroup1Click[] = {
    {.table = true,
     .vars = DT_ProtocolVLANGroup1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ProtocolVLANGroup1Click_0},
};

// VLAN / Protocol VLAN / Protocol VLAN Port
constexpr PageAdjustment Adj_ProtocolVLANPort1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ProtocolVLANPort1Click[] = {
    {.table = true,
     .vars = DT_ProtocolVLANPort1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ProtocolVLANPort1Click_0},
};

// VLAN / VLAN  Advertisement Table
constexpr PageSpec Pages_VLANAdvertisementTable1Click[] = {
    {.table = true,
     .vars = DT_VLANAdvertisementTable1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// RMON / RMON State
constexpr PageAdjustment Adj_S1Click_0[] = {
    {AdjustmentKind::CloseHook, -1, 0, "RmonStateClosed"},
};
constexpr PageSpec Pages_S1Click[] = {
    {.table = false,
     .vars = DT_S1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_S1Click_0},
};

// SNMP V3 / SNMP Engine
constexpr PageAdjustment Adj_EngineClick_0[] = {
    {AdjustmentKind::ValueWidth, -1, 150, nullptr},
};
constexpr PageSpec Pages_EngineClick[] = {
    {.table = false,
     .vars = DT_EngineClick_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_EngineClick_0},
};

// SNMP V3 / Message Processing and Dispatching
constexpr PageSpec Pages_MPDClick[] = {
    {.table = false,
     .vars = DT_MPDClick_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / SNMP Target MIB / General Information
constexpr PageSpec Pages_GeneralInformation1Click[] = {
    {.table = false,
     .vars = DT_GeneralInformation1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / SNMP Target MIB / Target Address Table
constexpr PageSpec Pages_TargetAddressTable1Click[] = {
    {.table = true,
     .vars = DT_TargetAddressTable1Click_0,
     .varCount = 9,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / SNMP Target MIB / Target Parameters
constexpr PageSpec Pages_TargetParameters1Click[] = {
    {.table = true,
     .vars = DT_TargetParameters1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / User-based Security Model / Statistics
constexpr PageSpec Pages_USMStatsClick[] = {
    {.table = false,
     .vars = DT_USMStatsClick_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / User-based Security Model / User Table
constexpr PageAdjustment Adj_USMUserTableClick_0[] = {
    {AdjustmentKind::SpinLock, -1, 0, nullptr},
};
constexpr PageSpec Pages_USMUserTableClick[] = {
    {.tabTitle = "User Spin Lock",
     .table = false,
     .vars = DT_USMUserTableClick_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_USMUserTableClick_0},
    {.tabTitle = "USM User Table",
     .table = true,
     .vars = DT_USMUserTableClick_1,
     .varCount = 13,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 12,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// SNMP V3 / View-based Access Control Model / Security Group Table
constexpr PageSpec Pages_VACMSecurityToGroupTableClick[] = {
    {.table = true,
     .vars = DT_VACMSecurityToGroupTableClick_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 4,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// SNMP V3 / View-based Access Control Model / Access Table
constexpr PageSpec Pages_VACMAccessTableClick[] = {
    {.table = true,
     .vars = DT_VACMAccessTableClick_0,
     .varCount = 10,
     .listKind = MVT_UMV,
     .indexCount = 4,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// SNMP V3 / View-based Access Control Model / View MIB Tree Family Table
constexpr PageAdjustment Adj_VACMMIBViews1Click_0[] = {
    {AdjustmentKind::SpinLock, -1, 0, nullptr},
};
constexpr PageAdjustment Adj_VACMMIBViews1Click_1[] = {
    {AdjustmentKind::BeforeAddHook, -1, 0, "ViewTreeDefaults"},
};
constexpr PageSpec Pages_VACMMIBViews1Click[] = {
    {.tabTitle = "View Spin Lock",
     .table = false,
     .vars = DT_VACMMIBViews1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_VACMMIBViews1Click_0},
    {.tabTitle = "View Tree Family Table",
     .table = true,
     .vars = DT_VACMMIBViews1Click_1,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 5,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_VACMMIBViews1Click_1},
};

// SNMP V3 / Notifications / Notify Table
constexpr PageSpec Pages_NotifyTableClick[] = {
    {.table = true,
     .vars = DT_NotifyTableClick_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 4,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// SNMP V3 / Notifications / Notify Filter Profile Table
constexpr PageSpec Pages_NotifyFilterProfileTableClick[] = {
    {.table = true,
     .vars = DT_NotifyFilterProfileTableClick_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// SNMP V3 / Notifications / Notify Filter Entry Table
constexpr PageSpec Pages_NotifyFilterTableClick[] = {
    {.table = true,
     .vars = DT_NotifyFilterTableClick_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 5,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// SNMP V3 / Community / Community String Table
constexpr PageAdjustment Adj_CommunityTableClick_0[] = {
    {AdjustmentKind::EditWidth, -1, 150, nullptr},
    {AdjustmentKind::BeforeAddHook, -1, 0, "CommunityBeforeAdd"},
    {AdjustmentKind::AfterAddHook, -1, 0, "CommunityAfterAdd"},
};
constexpr PageSpec Pages_CommunityTableClick[] = {
    {.table = true,
     .vars = DT_CommunityTableClick_0,
     .varCount = 8,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 7,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_CommunityTableClick_0},
};

// SNMP V3 / Community / Target Address Table
constexpr PageSpec Pages_TargetAddrExtTableClick[] = {
    {.table = true,
     .vars = DT_TargetAddrExtTableClick_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSH / SSH Control
constexpr PageSpec Pages_SSHControl1Click[] = {
    {.table = false,
     .vars = DT_SSHControl1Click_0,
     .varCount = 7,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSH / SSH Encrypt Algorithm Control
constexpr PageSpec Pages_SSHEncryptAlgControl1Click[] = {
    {.table = false,
     .vars = DT_SSHEncryptAlgControl1Click_0,
     .varCount = 10,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSH / SSH Auth Method Control
constexpr PageSpec Pages_SSHAuthMethodControl1Click[] = {
    {.table = false,
     .vars = DT_SSHAuthMethodControl1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSH / SSH Inte Algorithm Control
constexpr PageSpec Pages_SSHInteAlgControl1Click[] = {
    {.table = false,
     .vars = DT_SSHInteAlgControl1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSH / SSH Public Key Control
constexpr PageSpec Pages_SSHPublicKeyControl1Click[] = {
    {.table = false,
     .vars = DT_SSHPublicKeyControl1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / SSL / SSL Certificate File
constexpr PageSpec Pages_SSLCertificateFile1Click[] = {
    {.table = false,
     .vars = DT_SSLCertificateFile1Click_0,
     .varCount = 5,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Authentication Configuration
constexpr PageSpec Pages_AuthenticationConfiguration1Click[] = {
    {.table = false,
     .vars = DT_AuthenticationConfiguration1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / PAE Port Table
constexpr PageSpec Pages_PaeSystemClick[] = {
    {.table = true,
     .vars = DT_PaeSystemClick_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Authentication Configuration Table
constexpr PageAdjustment Adj_PaeAuthenticatorClick_0[] = {
    {AdjustmentKind::RowFormat, 7, 0, "%i{n0x65535}"},
    {AdjustmentKind::RowFormat, 8, 0, "%i{n1x65535}"},
    {AdjustmentKind::RowFormat, 9, 0, "%i{n1x65535}"},
    {AdjustmentKind::RowFormat, 10, 0, "%i{n1x65535}"},
    {AdjustmentKind::RowFormat, 11, 0, "%i{n1x10}"},
    {AdjustmentKind::RowFormat, 12, 0, "%i{n1x65535}"},
};
constexpr PageSpec Pages_PaeAuthenticatorClick[] = {
    {.table = true,
     .vars = DT_PaeAuthenticatorClick_0,
     .varCount = 14,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PaeAuthenticatorClick_0},
};

// Security / 802.1X / Authentication Stats Table
constexpr PageSpec Pages_AuthenticationStatsTable1Click[] = {
    {.table = true,
     .vars = DT_AuthenticationStatsTable1Click_0,
     .varCount = 13,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Authentication Diagnostics Table
constexpr PageSpec Pages_AuthenticationDiagnosticsTable1Click[] = {
    {.table = true,
     .vars = DT_AuthenticationDiagnosticsTable1Click_0,
     .varCount = 19,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Authentication Session Statistics
constexpr PageAdjustment FormAdj_AuthenticationSessionStatistics1Click[] = {
    {AdjustmentKind::Counter64Prompt, -1, 0, nullptr},
};
constexpr PageSpec Pages_AuthenticationSessionStatistics1Click[] = {
    {.table = true,
     .vars = DT_AuthenticationSessionStatistics1Click_0,
     .varCount = 10,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / Authentication Control
constexpr PageAdjustment Adj_AuthenticationControl2Click_0[] = {
    {AdjustmentKind::ValueWidth, -1, 150, nullptr},
};
constexpr PageSpec Pages_AuthenticationControl2Click[] = {
    {.table = false,
     .vars = DT_AuthenticationControl2Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_AuthenticationControl2Click_0},
};

// Security / 802.1X / RADIUS Server / RADIUS Server Table
constexpr PageSpec Pages_RadiusServerTable1Click[] = {
    {.table = true,
     .vars = DT_RadiusServerTable1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / RADIUS Accounting Service Table
constexpr PageSpec Pages_RadiusAccountingServiceTable1Click[] = {
    {.table = true,
     .vars = DT_RadiusAccountingServiceTable1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / RADIUS Accounting Server Table
constexpr PageSpec Pages_RadiusAccountingServerTable1Click[] = {
    {.table = true,
     .vars = DT_RadiusAccountingServerTable1Click_0,
     .varCount = 13,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / MAC Authentication State Table
constexpr PageSpec Pages_MACAuthenticationStateTable1Click[] = {
    {.table = true,
     .vars = DT_MACAuthenticationStateTable1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / MAC Authentication Stats Table
constexpr PageSpec Pages_MACAuthenticationStatsTable1Click[] = {
    {.table = true,
     .vars = DT_MACAuthenticationStatsTable1Click_0,
     .varCount = 14,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / MAC Authentication Diag Table
constexpr PageSpec Pages_MACAuthenticationDiagTable1Click[] = {
    {.table = true,
     .vars = DT_MACAuthenticationDiagTable1Click_0,
     .varCount = 20,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / MAC Authentication Session Stats Table
constexpr PageSpec Pages_MACAuthenticationSessionStatsTable1Click[] = {
    {.table = true,
     .vars = DT_MACAuthenticationSessionStatsTable1Click_0,
     .varCount = 11,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / RADIUS Authentication Client
constexpr PageSpec Pages_RadiusAuthClientClick[] = {
    {.table = false,
     .vars = DT_RadiusAuthClientClick_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / RADIUS Server / RADIUS Accounting Client
constexpr PageSpec Pages_RadiusAccClientClick[] = {
    {.table = false,
     .vars = DT_RadiusAccClientClick_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Guest VLAN
constexpr PageAdjustment Adj_GuestVLAN1Click_0[] = {
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
};
constexpr PageSpec Pages_GuestVLAN1Click[] = {
    {.table = false,
     .vars = DT_GuestVLAN1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_GuestVLAN1Click_0},
};

// Security / 802.1X / Web-based Access Control / Control Table
constexpr PageSpec Pages_ControlTable2Click[] = {
    {.table = false,
     .vars = DT_ControlTable2Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Web-based Access Control / Port Information Table
constexpr PageSpec Pages_PortInformationTable2Click[] = {
    {.table = true,
     .vars = DT_PortInformationTable2Click_0,
     .varCount = 5,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Web-based Access Control / Port Management Table
constexpr PageSpec Pages_PortManagementTable1Click[] = {
    {.table = true,
     .vars = DT_PortManagementTable1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / Web-based Access Control / User Management Table
constexpr PageAdjustment Adj_UserManagementTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_UserManagementTable1Click[] = {
    {.table = true,
     .vars = DT_UserManagementTable1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_UserManagementTable1Click_0},
};

// Security / 802.1X / MAC -based Access Control / Control Table
constexpr PageAdjustment Adj_ControlTable4Click_0[] = {
    {AdjustmentKind::RowBitList, 4, 0, nullptr},
};
constexpr PageSpec Pages_ControlTable4Click[] = {
    {.table = false,
     .vars = DT_ControlTable4Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_ControlTable4Click_0},
};

// Security / 802.1X / MAC -based Access Control / Port Information Table
constexpr PageSpec Pages_PortInformationTable3Click[] = {
    {.table = true,
     .vars = DT_PortInformationTable3Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / MAC -based Access Control / Port Management Table
constexpr PageSpec Pages_PortManagementTable2Click[] = {
    {.table = true,
     .vars = DT_PortManagementTable2Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / 802.1X / MAC -based Access Control / Database Table
constexpr PageAdjustment Adj_DatabaseTable1Click_0[] = {
    {AdjustmentKind::Synchronous, -1, 0, nullptr},
};
constexpr PageSpec Pages_DatabaseTable1Click[] = {
    {.table = true,
     .vars = DT_DatabaseTable1Click_0,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_DatabaseTable1Click_0},
};

// Security / Safeguard / Admin State
constexpr PageSpec Pages_AdminState1Click[] = {
    {.table = false,
     .vars = DT_AdminState1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Safeguard / Control State
constexpr PageSpec Pages_ControlState1Click[] = {
    {.table = false,
     .vars = DT_ControlState1Click_0,
     .varCount = 5,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / IP-MAC Binding / IP-MAC Binding Management
constexpr PageSpec Pages_Mode1Click[] = {
    {.table = false,
     .vars = DT_Mode1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / IP-MAC Binding / Global Port State Control
constexpr PageSpec Pages_AllPortStateControl1Click[] = {
    {.table = false,
     .vars = DT_AllPortStateControl1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / IP-MAC Binding / Each Port State Control
constexpr PageSpec Pages_EachPortStateControl1Click[] = {
    {.table = true,
     .vars = DT_EachPortStateControl1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / IP-MAC Binding / Entry Management
constexpr PageAdjustment Adj_EntryManagement1Click_0[] = {
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
};
constexpr PageSpec Pages_EntryManagement1Click[] = {
    {.table = true,
     .vars = DT_EntryManagement1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_EntryManagement1Click_0},
};

// Security / IP-MAC Binding / Blocked Entry
constexpr PageSpec Pages_BlockedEntry1Click[] = {
    {.table = true,
     .vars = DT_BlockedEntry1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / IP-MAC Binding / DHCP Snoop Table
constexpr PageAdjustment FormAdj_DHCPSnoopTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_DHCPSnoopTable1Click[] = {
    {.table = true,
     .vars = DT_DHCPSnoopTable1Click_0,
     .varCount = 5,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Control
constexpr PageSpec Pages_AuthenticationControl1Click[] = {
    {.table = false,
     .vars = DT_AuthenticationControl1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Control Administration State
constexpr PageSpec Pages_AACControlAdministrationState1Click[] = {
    {.table = false,
     .vars = DT_AACControlAdministrationState1Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Info
constexpr PageSpec Pages_AACInformationTable1Click[] = {
    {.table = false,
     .vars = DT_AACInformationTable1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Enable Method List
constexpr PageSpec Pages_AACEnableMethodList1Click[] = {
    {.table = true,
     .vars = DT_AACEnableMethodList1Click_0,
     .varCount = 10,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 9,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Security / Access Control Information / AAC Login Method List
constexpr PageSpec Pages_AACLoginMethodList1Click[] = {
    {.table = true,
     .vars = DT_AACLoginMethodList1Click_0,
     .varCount = 10,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 9,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Security / Access Control Information / AAC Login Method
constexpr PageSpec Pages_AACLoginMethod1Click[] = {
    {.table = false,
     .vars = DT_AACLoginMethod1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Enable Method
constexpr PageSpec Pages_AACEnableMethod1Click[] = {
    {.table = false,
     .vars = DT_AACEnableMethod1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / Authentication Para Table
constexpr PageSpec Pages_AuthenticationParaTable1Click[] = {
    {.table = false,
     .vars = DT_AuthenticationParaTable1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Security / Access Control Information / AAC Server Group Table
constexpr PageSpec Pages_AACServerGroupTable1Click[] = {
    {.table = true,
     .vars = DT_AACServerGroupTable1Click_0,
     .varCount = 18,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 17,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Security / Access Control Information / AAC Server Information
constexpr PageSpec Pages_AACServerInformation1Click[] = {
    {.table = true,
     .vars = DT_AACServerInformation1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Security / Broadcast Segmentation Control
constexpr PageAdjustment Adj_BroadcastSegmentationControl1Click_0[] = {
    {AdjustmentKind::RowBitList, 0, 0, nullptr},
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
};
constexpr PageSpec Pages_BroadcastSegmentationControl1Click[] = {
    {.table = false,
     .vars = DT_BroadcastSegmentationControl1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_BroadcastSegmentationControl1Click_0},
};

// Layer2 Management / Device Management / Device Information
constexpr PageAdjustment Adj_DeviceInformation1Click_0[] = {
    {AdjustmentKind::ValueWidth, -1, 180, nullptr},
};
constexpr PageSpec Pages_DeviceInformation1Click[] = {
    {.table = false,
     .vars = DT_DeviceInformation1Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_DeviceInformation1Click_0},
};

// Layer2 Management / Device Management / Power Information
constexpr PageSpec Pages_PowerInformation1Click[] = {
    {.table = true,
     .vars = DT_PowerInformation1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Device Management / Device Control
constexpr PageSpec Pages_DeviceControl1Click[] = {
    {.table = false,
     .vars = DT_DeviceControl1Click_0,
     .varCount = 10,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Device Management / Alarm Control
constexpr PageSpec Pages_AlarmControl1Click[] = {
    {.table = false,
     .vars = DT_AlarmControl1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Port Management / Port Information Table
constexpr PageAdjustment FormAdj_PortInformationTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_PortInformationTable1Click[] = {
    {.table = true,
     .vars = DT_PortInformationTable1Click_0,
     .varCount = 8,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Port Management / Port Control Table
constexpr PageSpec Pages_PortControlTable1Click[] = {
    {.table = true,
     .vars = DT_PortControlTable1Click_0,
     .varCount = 9,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Port Management / Port Trunk Mgmt
constexpr PageSpec Pages_PortTrunkMgmt1Click[] = {
    {.table = false,
     .vars = DT_PortTrunkMgmt1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Port Management / Port Trunk Table
constexpr PageSpec Pages_PortTrunkTable1Click[] = {
    {.table = true,
     .vars = DT_PortTrunkTable1Click_0,
     .varCount = 7,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = 6,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer2 Management / Port Management / Port Mirror Table
constexpr PageAdjustment Adj_PortMirrorTable1Click_0[] = {
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
    {AdjustmentKind::RowBitList, 2, 0, nullptr},
};
constexpr PageSpec Pages_PortMirrorTable1Click[] = {
    {.table = false,
     .vars = DT_PortMirrorTable1Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortMirrorTable1Click_0},
};

// Layer2 Management / Port Management / Port Security Table
constexpr PageAdjustment Adj_PortSecurityTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x16}"},
};
constexpr PageAdjustment FormAdj_PortSecurityTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_PortSecurityTable1Click[] = {
    {.table = true,
     .vars = DT_PortSecurityTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortSecurityTable1Click_0},
};

// Layer2 Management / QoS Management / Bandwidth Control Table
constexpr PageAdjustment Adj_BandwidthControlTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x1000000}"},
    {AdjustmentKind::RowFormat, 2, 0, "%i{n0x1000000}"},
};
constexpr PageSpec Pages_BandwidthControlTable1Click[] = {
    {.table = true,
     .vars = DT_BandwidthControlTable1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_BandwidthControlTable1Click_0},
};

// Layer2 Management / QoS Management / Scheduling Table
constexpr PageAdjustment Adj_SchedulingTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x15}"},
};
constexpr PageSpec Pages_SchedulingTable1Click[] = {
    {.table = true,
     .vars = DT_SchedulingTable1Click_0,
     .varCount = 2,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_SchedulingTable1Click_0},
};

// Layer2 Management / QoS Management / 802.1p User Priority Table
constexpr PageAdjustment Adj_N8021pUserPriorityTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x7}"},
};
constexpr PageSpec Pages_N8021pUserPriorityTable1Click[] = {
    {.table = true,
     .vars = DT_N8021pUserPriorityTable1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_N8021pUserPriorityTable1Click_0},
};

// Layer2 Management / QoS Management / 802.1p Default Priority Table
constexpr PageAdjustment Adj_N8021pDefaultPriorityTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n0x7}"},
};
constexpr PageSpec Pages_N8021pDefaultPriorityTable1Click[] = {
    {.table = true,
     .vars = DT_N8021pDefaultPriorityTable1Click_0,
     .varCount = 3,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_N8021pDefaultPriorityTable1Click_0},
};

// Layer2 Management / QoS Management / WRED / WRED State
constexpr PageSpec Pages_WREDState1Click[] = {
    {.table = false,
     .vars = DT_WREDState1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / QoS Management / WRED / WRED Average Time
constexpr PageSpec Pages_WREDAverageTime1Click[] = {
    {.table = true,
     .vars = DT_WREDAverageTime1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / QoS Management / WRED / WRED Control
constexpr PageSpec Pages_WREDControl1Click[] = {
    {.table = true,
     .vars = DT_WREDControl1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / QoS Management / WRED / WRED All Port Average Time
constexpr PageSpec Pages_WREDAllPortAverageTime1Click[] = {
    {.table = false,
     .vars = DT_WREDAllPortAverageTime1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / IGMP Snooping / IGMP Management
constexpr PageSpec Pages_IGMPControl1Click[] = {
    {.table = false,
     .vars = DT_IGMPControl1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / IGMP Snooping / IGMP Control Table
constexpr PageAdjustment FormAdj_IGMPControlTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_IGMPControlTable1Click[] = {
    {.table = true,
     .vars = DT_IGMPControlTable1Click_0,
     .varCount = 12,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / IGMP Snooping / IGMP Query Information
constexpr PageAdjustment FormAdj_IGMPQueryInformation1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_IGMPQueryInformation1Click[] = {
    {.table = true,
     .vars = DT_IGMPQueryInformation1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / IGMP Snooping / IGMP Information
constexpr PageAdjustment FormAdj_IGMPManagementClick[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
};
constexpr PageSpec Pages_IGMPManagementClick[] = {
    {.table = true,
     .vars = DT_IGMPManagementClick_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / IGMP Snooping / IGMP Multicast VLAN
constexpr PageSpec Pages_IGMPMulticastVlan1Click[] = {
    {.table = true,
     .vars = DT_IGMPMulticastVlan1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 4,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer2 Management / IGMP Snooping / IGMP Router Port
constexpr PageAdjustment Adj_IGMPRouterPort1Click_0[] = {
    {AdjustmentKind::RowBitList, 2, 0, nullptr},
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
    {AdjustmentKind::RowBitList, 4, 0, nullptr},
};
constexpr PageSpec Pages_IGMPRouterPort1Click[] = {
    {.table = true,
     .vars = DT_IGMPRouterPort1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_IGMPRouterPort1Click_0},
};

// Layer2 Management / Traffic Segmentation Table
constexpr PageAdjustment Adj_TrafficManagementClick_0[] = {
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
};
constexpr PageSpec Pages_TrafficManagementClick[] = {
    {.tabTitle = "Traffic Segment Table",
     .table = true,
     .vars = DT_TrafficManagementClick_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_TrafficManagementClick_0},
};

// Layer2 Management / Multicast Filter Management / Profile Information
constexpr PageSpec Pages_ProfileInformation1Click[] = {
    {.table = true,
     .vars = DT_ProfileInformation1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer2 Management / Multicast Filter Management / Profile Control
constexpr PageAdjustment Adj_ProfileControl1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ProfileControl1Click[] = {
    {.table = true,
     .vars = DT_ProfileControl1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 3,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ProfileControl1Click_0},
};

// Layer2 Management / Multicast Filter Management / Port Group
constexpr PageAdjustment Adj_PortGroup1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_PortGroup1Click[] = {
    {.table = true,
     .vars = DT_PortGroup1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_PortGroup1Click_0},
};

// Layer2 Management / Multicast Filter Management / Port Access
constexpr PageSpec Pages_PortAccess1Click[] = {
    {.table = true,
     .vars = DT_PortAccess1Click_0,
     .varCount = 2,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Multicast Filter Management / Port Max Table
constexpr PageAdjustment Adj_PortMaxTable1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n1x256l3}"},
};
constexpr PageSpec Pages_PortMaxTable1Click[] = {
    {.table = true,
     .vars = DT_PortMaxTable1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_PortMaxTable1Click_0},
};

// Layer2 Management / Packet Storm Control / Control Table
constexpr PageSpec Pages_ControlTable3Click[] = {
    {.table = false,
     .vars = DT_ControlTable3Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Packet Storm Control / Management Table
constexpr PageSpec Pages_ManagementTable1Click[] = {
    {.table = true,
     .vars = DT_ManagementTable1Click_0,
     .varCount = 11,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / MLD Snooping / Management
constexpr PageSpec Pages_Management1Click[] = {
    {.table = false,
     .vars = DT_Management1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / MLD Snooping / Control
constexpr PageSpec Pages_Control2Click[] = {
    {.table = true,
     .vars = DT_Control2Click_0,
     .varCount = 12,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / MLD Snooping / Group Information
constexpr PageAdjustment Adj_GroupInformation1Click_0[] = {
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
};
constexpr PageSpec Pages_GroupInformation1Click[] = {
    {.table = true,
     .vars = DT_GroupInformation1Click_0,
     .varCount = 5,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_GroupInformation1Click_0},
};

// Layer2 Management / MLD Snooping / Router Ports
constexpr PageAdjustment Adj_RouterPorts1Click_0[] = {
    {AdjustmentKind::RowBitList, 1, 0, nullptr},
    {AdjustmentKind::RowBitList, 2, 0, nullptr},
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
};
constexpr PageAdjustment FormAdj_RouterPorts1Click[] = {
    {AdjustmentKind::FormHeight, -1, 450, nullptr},
    {AdjustmentKind::FormWidthPlus, -1, 50, nullptr},
};
constexpr PageSpec Pages_RouterPorts1Click[] = {
    {.table = true,
     .vars = DT_RouterPorts1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_RouterPorts1Click_0},
};

// Layer2 Management / MLD Snooping / Forwarding Information
constexpr PageAdjustment Adj_ForwardingInformation1Click_0[] = {
    {AdjustmentKind::RowBitList, 3, 0, nullptr},
};
constexpr PageSpec Pages_ForwardingInformation1Click[] = {
    {.table = true,
     .vars = DT_ForwardingInformation1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_ForwardingInformation1Click_0},
};

// Layer2 Management / Loopback Detection / Control
constexpr PageSpec Pages_Control3Click[] = {
    {.table = false,
     .vars = DT_Control3Click_0,
     .varCount = 4,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer2 Management / Loopback Detection / Port Table
constexpr PageSpec Pages_PortTable1Click[] = {
    {.table = true,
     .vars = DT_PortTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / Device Ctrl
constexpr PageSpec Pages_DeviceCtrl1Click[] = {
    {.table = false,
     .vars = DT_DeviceCtrl1Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IP Management / IP Forwarding Table
constexpr PageSpec Pages_IPForwardingTable1Click[] = {
    {.table = true,
     .vars = DT_IPForwardingTable1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IP Management / IP ARP Aging Time
constexpr PageSpec Pages_IPFilterAddressCtrlTable1Click[] = {
    {.table = false,
     .vars = DT_IPFilterAddressCtrlTable1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IP Management / IP Static Routing Table
constexpr PageAdjustment Adj_IPStaticRoutingTable1Click_0[] = {
    {AdjustmentKind::ReadOnlyList, -1, 0, nullptr},
    {AdjustmentKind::RowFormat, 4, 0, "%i{n1x65535l5}"},
};
constexpr PageSpec Pages_IPStaticRoutingTable1Click[] = {
    {.table = true,
     .vars = DT_IPStaticRoutingTable1Click_0,
     .varCount = 6,
     .listKind = MVT_UMV,
     .indexCount = 3,
     .statusColumn = 5,
     .createText = "valid",
     .destroyText = "invalid",
     .adjustments = Adj_IPStaticRoutingTable1Click_0},
};

// Layer 3 Management / BOOTP Basic Configuration
constexpr PageAdjustment Adj_BOOTPBasicConfiguration1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n1x16l2}"},
    {AdjustmentKind::RowFormat, 2, 0, "%u{n0x65535l5}"},
};
constexpr PageSpec Pages_BOOTPBasicConfiguration1Click[] = {
    {.table = false,
     .vars = DT_BOOTPBasicConfiguration1Click_0,
     .varCount = 6,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_BOOTPBasicConfiguration1Click_0},
};

// Layer 3 Management / DHCP Server / DHCP Server Control
constexpr PageSpec Pages_DHCPServerControl1Click[] = {
    {.table = false,
     .vars = DT_DHCPServerControl1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / DHCP Server / Excluded Address Table
constexpr PageAdjustment Adj_ExcludedAddressTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ExcludedAddressTable1Click[] = {
    {.table = true,
     .vars = DT_ExcludedAddressTable1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 2,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ExcludedAddressTable1Click_0},
};

// Layer 3 Management / DHCP Server / Pool Table
constexpr PageSpec Pages_PoolTable1Click[] = {
    {.table = true,
     .vars = DT_PoolTable1Click_0,
     .varCount = 12,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = 11,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / DHCP Server / DNS Server Address Table
constexpr PageSpec Pages_DNSServerAddressTable1Click[] = {
    {.table = true,
     .vars = DT_DNSServerAddressTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / DHCP Server / Net BIOS Name Server Table
constexpr PageSpec Pages_NetBIOSNameServerTable1Click[] = {
    {.table = true,
     .vars = DT_NetBIOSNameServerTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / DHCP Server / Default Router Table
constexpr PageSpec Pages_DefaultRouterTable1Click[] = {
    {.table = true,
     .vars = DT_DefaultRouterTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / DHCP Server / Manual Binding Table
constexpr PageAdjustment Adj_ManualBindingTable1Click_0[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
};
constexpr PageSpec Pages_ManualBindingTable1Click[] = {
    {.table = true,
     .vars = DT_ManualBindingTable1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 4,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_ManualBindingTable1Click_0},
};

// Layer 3 Management / DHCP Server / Dynamic Binding Table
constexpr PageSpec Pages_DynamicBindingTable1Click[] = {
    {.table = true,
     .vars = DT_DynamicBindingTable1Click_0,
     .varCount = 7,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / DHCP Server / Conflict IP Table
constexpr PageSpec Pages_ConflictIPTable1Click[] = {
    {.table = true,
     .vars = DT_ConflictIPTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / DNS Basic Configuration
constexpr PageSpec Pages_DNSBasicConfiguration1Click[] = {
    {.table = false,
     .vars = DT_DNSBasicConfiguration1Click_0,
     .varCount = 5,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / DNS Ctrl Table
constexpr PageAdjustment Adj_DNSCtrlTable1Click_0[] = {
    {AdjustmentKind::ReadOnlyList, -1, 0, nullptr},
};
constexpr PageSpec Pages_DNSCtrlTable1Click[] = {
    {.table = true,
     .vars = DT_DNSCtrlTable1Click_0,
     .varCount = 3,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 2,
     .createText = "valid",
     .destroyText = "invalid",
     .adjustments = Adj_DNSCtrlTable1Click_0},
};

// Layer 3 Management / RIP Management
constexpr PageSpec Pages_RIPManagement1Click[] = {
    {.table = false,
     .vars = DT_RIPManagement1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / OSPF / Interface Table
constexpr PageAdjustment FormAdj_InterfaceTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 500, nullptr},
};
constexpr PageSpec Pages_InterfaceTable1Click[] = {
    {.tabTitle = "OSPF Virtual Table",
     .table = true,
     .vars = DT_InterfaceTable1Click_0,
     .varCount = 12,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 11,
     .createText = "createAndGo",
     .destroyText = "destroy"},
    {.tabTitle = "OSPF Interface Table",
     .table = true,
     .vars = DT_InterfaceTable1Click_1,
     .varCount = 21,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / OSPF / Host Table
constexpr PageAdjustment Adj_HostTable1Click_0[] = {
    {AdjustmentKind::ReadOnlyList, -1, 0, nullptr},
    {AdjustmentKind::RowFormat, 2, 0, "%u{n0x65535l5}"},
};
constexpr PageSpec Pages_HostTable1Click[] = {
    {.table = true,
     .vars = DT_HostTable1Click_0,
     .varCount = 5,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 4,
     .createText = "createAndGo",
     .destroyText = "destroy",
     .adjustments = Adj_HostTable1Click_0},
};

// Layer 3 Management / VRRP (RFC2787) / VRRP Control
constexpr PageSpec Pages_VRRPControl1Click[] = {
    {.table = false,
     .vars = DT_VRRPControl1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / VRRP (RFC2787) / VRRP Operation
constexpr PageAdjustment Adj_VRRPOperation1Click_0[] = {
    {AdjustmentKind::RowFormat, 1, 0, "%i{n1x255l3}"},
    {AdjustmentKind::RowFormat, 5, 0, "%i{n0x255l3}"},
    {AdjustmentKind::RowFormat, 11, 0, "%i{n1x255l3}"},
};
constexpr PageSpec Pages_VRRPOperation1Click[] = {
    {.table = true,
     .vars = DT_VRRPOperation1Click_0,
     .varCount = 16,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr,
     .adjustments = Adj_VRRPOperation1Click_0},
};

// Layer 3 Management / VRRP (RFC2787) / Virtual Route Address
constexpr PageSpec Pages_VirtualRouteAddress1Click[] = {
    {.table = true,
     .vars = DT_VirtualRouteAddress1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 3,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / VRRP (RFC2787) / VRRP Error Statistics
constexpr PageSpec Pages_VRRPErrorStatistics1Click[] = {
    {.table = false,
     .vars = DT_VRRPErrorStatistics1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / VRRP (RFC2787) / Virtual Route Statistics
constexpr PageSpec Pages_VirtualRouteStatistics1Click[] = {
    {.table = true,
     .vars = DT_VirtualRouteStatistics1Click_0,
     .varCount = 14,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / PIM(RFC2934) / PIM IP Multicast Route
constexpr PageAdjustment FormAdj_PIMIPMulticastRoute1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_PIMIPMulticastRoute1Click[] = {
    {.table = true,
     .vars = DT_PIMIPMulticastRoute1Click_0,
     .varCount = 8,
     .listKind = MVT_FMV,
     .indexCount = 3,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / PIM(RFC2934) / PIM RP-Set Table
constexpr PageAdjustment FormAdj_PIMRPSetTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_PIMRPSetTable1Click[] = {
    {.table = true,
     .vars = DT_PIMRPSetTable1Click_0,
     .varCount = 6,
     .listKind = MVT_FMV,
     .indexCount = 4,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / PIM(RFC2934) / PIM Candidate RP Table
constexpr PageSpec Pages_PIMCandidateRPTable1Click[] = {
    {.table = true,
     .vars = DT_PIMCandidateRPTable1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 2,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / PIM Management / C-BSR Management / C-BSR Information
constexpr PageAdjustment FormAdj_CBSRInformation1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_CBSRInformation1Click[] = {
    {.table = false,
     .vars = DT_CBSRInformation1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / C-BSR Management / C-BSR Table
constexpr PageAdjustment FormAdj_CBSRTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_CBSRTable1Click[] = {
    {.table = true,
     .vars = DT_CBSRTable1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / CandidateRP Management
constexpr PageSpec Pages_CandidateRPManagement1Click[] = {
    {.table = false,
     .vars = DT_CandidateRPManagement1Click_0,
     .varCount = 3,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / SPT Management
constexpr PageAdjustment FormAdj_SPTManagement1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_SPTManagement1Click[] = {
    {.table = false,
     .vars = DT_SPTManagement1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / Register Checksum Including Data Information
constexpr PageAdjustment FormAdj_RegisterChecksumIncludingDataInformation1Click[] = {
    {AdjustmentKind::FormHeight, -1, 250, nullptr},
};
constexpr PageSpec Pages_RegisterChecksumIncludingDataInformation1Click[] = {
    {.table = true,
     .vars = DT_RegisterChecksumIncludingDataInformation1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = 1,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / PIM Management / PIM Information / Register Time
constexpr PageAdjustment FormAdj_RegisterTime1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_RegisterTime1Click[] = {
    {.table = false,
     .vars = DT_RegisterTime1Click_0,
     .varCount = 2,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / PIM Information / PIM Information Table
constexpr PageAdjustment FormAdj_PIMInformationTable1Click[] = {
    {AdjustmentKind::FormHeight, -1, 200, nullptr},
};
constexpr PageSpec Pages_PIMInformationTable1Click[] = {
    {.table = true,
     .vars = DT_PIMInformationTable1Click_0,
     .varCount = 2,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / PIM Management / Static RP Table Information
constexpr PageSpec Pages_StaticRPTableInformation1Click[] = {
    {.table = true,
     .vars = DT_StaticRPTableInformation1Click_0,
     .varCount = 4,
     .listKind = MVT_UMV,
     .indexCount = 3,
     .statusColumn = 3,
     .createText = "createAndGo",
     .destroyText = "destroy"},
};

// Layer 3 Management / PIM Management / Active RP Table Information
constexpr PageSpec Pages_ActiveRPTableInformation1Click[] = {
    {.table = true,
     .vars = DT_ActiveRPTableInformation1Click_0,
     .varCount = 2,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IGMP / IGMP Interface
constexpr PageSpec Pages_IGMPInterface1Click[] = {
    {.table = true,
     .vars = DT_IGMPInterface1Click_0,
     .varCount = 15,
     .listKind = MVT_UMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IGMP / IGMP Cache
constexpr PageSpec Pages_IGMPCache1Click[] = {
    {.table = true,
     .vars = DT_IGMPCache1Click_0,
     .varCount = 8,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IGMP V3 / Interface Table
constexpr PageSpec Pages_InterfaceTable2Click[] = {
    {.table = true,
     .vars = DT_InterfaceTable2Click_0,
     .varCount = 9,
     .listKind = MVT_FMV,
     .indexCount = 1,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IGMP V3 / Cache Table
constexpr PageSpec Pages_CacheTable1Click[] = {
    {.table = true,
     .vars = DT_CacheTable1Click_0,
     .varCount = 8,
     .listKind = MVT_FMV,
     .indexCount = 2,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / IGMP V3 / Source List Table
constexpr PageSpec Pages_SourceListTable1Click[] = {
    {.table = true,
     .vars = DT_SourceListTable1Click_0,
     .varCount = 4,
     .listKind = MVT_FMV,
     .indexCount = 3,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / Route Preference
constexpr PageSpec Pages_RoutePreference2Click[] = {
    {.table = false,
     .vars = DT_RoutePreference2Click_0,
     .varCount = 7,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

// Layer 3 Management / Layer3 Trace Route Control
constexpr PageSpec Pages_Layer3TraceRouteControl1Click[] = {
    {.table = false,
     .vars = DT_Layer3TraceRouteControl1Click_0,
     .varCount = 1,
     .listKind = SVT_SV,
     .indexCount = 0,
     .statusColumn = -1,
     .createText = nullptr,
     .destroyText = nullptr},
};

constexpr PageDefinition Entries[] = {
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Basic Information",
     .handler = "BasicInformation2Click",
     .captionPrefix = "Basic Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BasicInformation2Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / MIB Capabilities",
     .handler = "MibCapabilities1Click",
     .captionPrefix = "MIB Capabilities : ",
     .kind = EntryKind::Table,
     .pages = Pages_MibCapabilities1Click,
     .formAdjustments = FormAdj_MibCapabilities1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / CPU Utilization",
     .handler = "CPUUtilization2Click",
     .captionPrefix = "CPU Utilization : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_CPUUtilization2Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Port Utilization",
     .handler = "PortUtilization1Click",
     .captionPrefix = "Port Utilization : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortUtilization1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Basic Configuration",
     .handler = "BasicConfig2Click",
     .captionPrefix = "Basic Configuration : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BasicConfig2Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / IP Proto Configuration",
     .handler = "IpProtoConfig1Click",
     .captionPrefix = "IP Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_IpProtoConfig1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / File Table",
     .handler = "FileTable1Click",
     .captionPrefix = "File Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_FileTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Agent Notify",
     .handler = "AgentNotify1Click",
     .captionPrefix = "Agent Notify Management : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AgentNotify1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Multi Image Information",
     .handler = "MultiImageInformation1Click",
     .captionPrefix = "Multi Image Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_MultiImageInformation1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Dual Configuration",
     .handler = "DualConfiguration1Click",
     .captionPrefix = "Dual Configuration Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DualConfiguration1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / FDB Clear All State",
     .handler = "FDBManagement1Click",
     .captionPrefix = "FDB Clear All State : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_FDBManagement1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / ARP Clear All State",
     .handler = "ARPManagement1Click",
     .captionPrefix = "ARP Clear All State : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ARPManagement1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Trust Host Management / Trust Host Delete All State",
     .handler = "TrustHostDeleteAllState1Click",
     .captionPrefix = "Trust Host Delete All State : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_TrustHostDeleteAllState1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Basic / Trust Host Management / Trust Host Table",
     .handler = "TrustHostTable1Click",
     .captionPrefix = "Trust Host Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_TrustHostTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / Basic Information",
     .handler = "BasicInformation1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TEquipmentBasicInfoForm"},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / Unit Table",
     .handler = "UnitTable1Click",
     .captionPrefix = "Unit Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_UnitTable1Click,
     .formAdjustments = FormAdj_UnitTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / Power Table",
     .handler = "PowerTable1Click",
     .captionPrefix = "Power Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PowerTable1Click,
     .formAdjustments = FormAdj_PowerTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / Fan Table",
     .handler = "FanTable1Click",
     .captionPrefix = "Fan Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_FanTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / PoE Management / PoE System Control",
     .handler = "POESystemControl1Click",
     .captionPrefix = "PoE System Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_POESystemControl1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / PoE Management / PoE System Info",
     .handler = "POESystemInfo1Click",
     .captionPrefix = "PoE System Info: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_POESystemInfo1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / PoE Management / PoE Port Control",
     .handler = "POEPortControl1Click",
     .captionPrefix = "PoE Port Control: ",
     .kind = EntryKind::Table,
     .pages = Pages_POEPortControl1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Equipment Management / PoE Management / PoE Port Info",
     .handler = "POEPortInfo1Click",
     .captionPrefix = "PoE Port Info: ",
     .kind = EntryKind::Table,
     .pages = Pages_POEPortInfo1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Time Management / Current Time",
     .handler = "CurrentTime1Click",
     .captionPrefix = "Current Time: ",
     .kind = EntryKind::HandMade,
     .target = "TCurrentTimeForm"},
    {.topMenu = "Basic Configuration",
     .menuPath = "Time Management / System Time",
     .handler = "SystemTime1Click",
     .captionPrefix = "System Time: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SystemTime1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Time Management / SNTP",
     .handler = "SNTP1Click",
     .captionPrefix = "SNTP : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SNTP1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Time Management / Daylight Saving Time/Summer Time",
     .handler = "DaylightSavingTimeSummerTime1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TSummerTimeForm"},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / Ethernet Table",
     .handler = "EthernetTableClick",
     .captionPrefix = "Ethernet Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_EthernetTableClick,
     .formAdjustments = FormAdj_EthernetTableClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / IP Table",
     .handler = "ACLIPTableClick",
     .captionPrefix = "IP Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_ACLIPTableClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / Packet Content Table",
     .handler = "PacketTable1Click",
     .captionPrefix = "Packet Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_PacketTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / IPv6 Table",
     .handler = "IPV61Click",
     .captionPrefix = "IPv6 Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_IPV61Click,
     .formAdjustments = FormAdj_IPV61Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / ACL Mask Delete All",
     .handler = "MaskDeleteAll1Click",
     .captionPrefix = "Mask Delete All : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_MaskDeleteAll1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / ACL Meter Information",
     .handler = "MeterInformation1Click",
     .captionPrefix = "ACL Meter Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_MeterInformation1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / Access Profile / ACL Meter Table",
     .handler = "MeterTable1Click",
     .captionPrefix = "ACL Meter Table: ",
     .kind = EntryKind::HandMade,
     .target = "TACLMeterForm"},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / CPU Access Profile / CPU Filter Control",
     .handler = "ACLControl1Click",
     .captionPrefix = "CPU Filter Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ACLControl1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / CPU Access Profile / CPU Ethernet Table",
     .handler = "CPUEthernetTable1Click",
     .captionPrefix = "CPU Ethernet Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_CPUEthernetTable1Click,
     .formAdjustments = FormAdj_CPUEthernetTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / CPU Access Profile / CPU IP Table",
     .handler = "CPUIPTable1Click",
     .captionPrefix = "CPU IP Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_CPUIPTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "ACL Management / CPU Access Profile / CPU Packet Content Table",
     .handler = "CPUPacketCountTable1Click",
     .captionPrefix = "CPU Packet Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_CPUPacketCountTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Filter / Filter CPU Layer3 Control Packet Table",
     .handler = "FilterCPULayer3ControlPacketTable1Click",
     .captionPrefix = "Filter Layer3 Control Packet Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_FilterCPULayer3ControlPacketTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Link Aggregation / Port List",
     .handler = "PortList1Click",
     .captionPrefix = "Aggregator Port List : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortList1Click,
     .formAdjustments = FormAdj_PortList1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Link Aggregation / Aggregator Table",
     .handler = "AggregatorTable1Click",
     .captionPrefix = "Aggregator Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_AggregatorTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Link Aggregation / Aggregation Port Table",
     .handler = "LinkAggregationControl1Click",
     .captionPrefix = "Aggregation Port Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_LinkAggregationControl1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "IF-MIB / General Table",
     .handler = "GeneralTable1Click",
     .captionPrefix = "If General Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_GeneralTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "IF-MIB / IFX Table",
     .handler = "IFXTable1Click",
     .captionPrefix = "IFX Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_IFXTable1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / Information",
     .handler = "MIB2InformationClick",
     .captionPrefix = "MIB-II Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_MIB2InformationClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / IF Table",
     .handler = "MIB2IFTableClick",
     .captionPrefix = "IF Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MIB2IFTableClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / IF Counter",
     .handler = "MIB2IFCounterClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TIF_Counters"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / IP Counter",
     .handler = "MIB2IPCounterClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TIP_Counters"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / IP Routing",
     .handler = "MIB2IPRoutingClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TIP_Routing"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / IP Address Table",
     .handler = "MIB2IPAddressTableClick",
     .captionPrefix = "IP Address Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MIB2IPAddressTableClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / ICMP Counter",
     .handler = "MIB2ICMPCounterClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TICMP_Counters"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / UDP Counter",
     .handler = "MIB2UDPCounterClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TUDP_Counters"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / SNMP Counter",
     .handler = "MIB2SNMPCounterClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TSNMP_Counters"},
    {.topMenu = "Basic Configuration",
     .menuPath = "MIB II / ARP",
     .handler = "ARP1Click",
     .captionPrefix = "ARP Table:",
     .kind = EntryKind::Table,
     .pages = Pages_ARP1Click,
     .formAdjustments = FormAdj_ARP1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "dot3 Statistics",
     .handler = "dot3Statistics1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TEthernetLike_dot3StatsTable"},
    {.topMenu = "Basic Configuration",
     .menuPath = "System Log",
     .handler = "SysLogClick",
     .captionPrefix = "System Log : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_SysLogClick},
    {.topMenu = "Basic Configuration",
     .menuPath = "Save Changes",
     .handler = "SaveConfigClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::Command,
     .target = "Save"},
    {.topMenu = "Basic Configuration",
     .menuPath = "Reset",
     .handler = "Reset1Click",
     .captionPrefix = "Reset : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Reset1Click},
    {.topMenu = "Basic Configuration",
     .menuPath = "Reboot",
     .handler = "ResetClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::Command,
     .target = "Reboot"},
    {.topMenu = "Single IP Configuration",
     .menuPath = "Single IP Management Information",
     .handler = "Information1Click",
     .captionPrefix = "Single IP Management Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Information1Click},
    {.topMenu = "Single IP Configuration",
     .menuPath = "Single IP Control",
     .handler = "Control1Click",
     .captionPrefix = "Single IP Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Control1Click},
    {.topMenu = "Single IP Configuration",
     .menuPath = "Single IP MS Table",
     .handler = "MemberSwitch1Click",
     .captionPrefix = "Member Switch Information Table : ",
     .kind = EntryKind::HandMade,
     .target = "TMSInformationForm"},
    {.topMenu = "Single IP Configuration",
     .menuPath = "Single IP CaS Table",
     .handler = "CandidateSwitch1Click",
     .captionPrefix = "Single IP Candidate Switch Management : ",
     .kind = EntryKind::Table,
     .pages = Pages_CandidateSwitch1Click},
    {.topMenu = "Single IP Configuration",
     .menuPath = "Single IP Group Table",
     .handler = "IPManagementGroup1Click",
     .captionPrefix = "Single IP Group Management : ",
     .kind = EntryKind::Table,
     .pages = Pages_IPManagementGroup1Click},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree Algorithm",
     .handler = "SpanningTreeAlgorithm1Click",
     .captionPrefix = "Spanning Tree Algorithm : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SpanningTreeAlgorithm1Click},
    {.topMenu = "Bridge",
     .menuPath = "802.1d / Information",
     .handler = "BridgeInformationClick",
     .captionPrefix = "Bridge 802.1d Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BridgeInformationClick},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree / STP Control",
     .handler = "BridgeSTPInformationClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TSTP_Info"},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree / Configuration Identification",
     .handler = "ConfigurationIdentification1Click",
     .captionPrefix = "MSTP Configuration Identication : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ConfigurationIdentification1Click},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree / Instance Information",
     .handler = "InstanceInformation1Click",
     .captionPrefix = "MSTP Instance Control : ",
     .kind = EntryKind::Table,
     .pages = Pages_InstanceInformation1Click},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree / Port State Information",
     .handler = "PortStateInformation1Click",
     .captionPrefix = "MSTP Port State Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortStateInformation1Click},
    {.topMenu = "Bridge",
     .menuPath = "Spanning Tree / Port MSTP Information",
     .handler = "PortMSTPInformation1Click",
     .captionPrefix = "Port MSTP Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortMSTPInformation1Click},
    {.topMenu = "Bridge",
     .menuPath = "Transparent Bridge / Forwarding Table",
     .handler = "BridgeForwardingTableClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TBridge_Forwarding"},
    {.topMenu = "Bridge",
     .menuPath = "Transparent Bridge / Port Counters",
     .handler = "BridgePortCountersClick",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TTpBridgePortInfo_Table"},
    {.topMenu = "VLAN",
     .menuPath = "802.1P / Basic Configure",
     .handler = "BasicConfigureClick",
     .captionPrefix = "802.1P Basic Configure : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BasicConfigureClick},
    {.topMenu = "VLAN",
     .menuPath = "802.1P / Priority Information",
     .handler = "PriorityInformationClick",
     .captionPrefix = "Priority Information Form : ",
     .kind = EntryKind::Table,
     .pages = Pages_PriorityInformationClick},
    {.topMenu = "VLAN",
     .menuPath = "802.1P / GARP",
     .handler = "GARPClick",
     .captionPrefix = "GARP Form : ",
     .kind = EntryKind::Table,
     .pages = Pages_GARPClick},
    {.topMenu = "VLAN",
     .menuPath = "802.1P / Port Capability",
     .handler = "PortCapbilityClick",
     .captionPrefix = "Port Capability : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_PortCapbilityClick},
    {.topMenu = "VLAN",
     .menuPath = "802.1Q / 802.1Q Bridge / Basic Configure",
     .handler = "BasicConfigure2Click",
     .captionPrefix = "802.1Q Basic Configure : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BasicConfigure2Click},
    {.topMenu = "VLAN",
     .menuPath = "802.1Q / 802.1Q Bridge / Ports Information",
     .handler = "PortInformation1Click",
     .captionPrefix = "VLAN Port Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortInformation1Click},
    {.topMenu = "VLAN",
     .menuPath = "802.1Q / Forwarding/Filtering",
     .handler = "ForwardingFiltering1Click",
     .captionPrefix = "Unicast Forwarding Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_ForwardingFiltering1Click},
    {.topMenu = "VLAN",
     .menuPath = "802.1Q / 802.1Q VLAN",
     .handler = "N8021QVLAN1Click",
     .captionPrefix = "802.1Q VLAN Config : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_N8021QVLAN1Click},
    {.topMenu = "VLAN",
     .menuPath = "802.1Q / Unicast/Multicast Static Forwarding Table",
     .handler = "UnicastMulticastStaticForwardTable1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TVLan_Tp8021QStatic"},
    {.topMenu = "VLAN",
     .menuPath = "DoubleVLAN / Global State",
     .handler = "GlobalState1Click",
     .captionPrefix = "Global State : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_GlobalState1Click},
    {.topMenu = "VLAN",
     .menuPath = "DoubleVLAN / Control Table",
     .handler = "ControlTable1Click",
     .captionPrefix = "Control Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_ControlTable1Click},
    {.topMenu = "VLAN",
     .menuPath = "Protocol VLAN / Protocol VLAN Group",
     .handler = "ProtocolVLANGroup1Click",
     .captionPrefix = "Protocol VLAN Group:",
     .kind = EntryKind::Table,
     .pages = Pages_ProtocolVLANGroup1Click},
    {.topMenu = "VLAN",
     .menuPath = "Protocol VLAN / Protocol VLAN Port",
     .handler = "ProtocolVLANPort1Click",
     .captionPrefix = "Protocol VLAN Port: ",
     .kind = EntryKind::Table,
     .pages = Pages_ProtocolVLANPort1Click},
    {.topMenu = "VLAN",
     .menuPath = "VLAN  Advertisement Table",
     .handler = "VLANAdvertisementTable1Click",
     .captionPrefix = "VLAN  Advertisement Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_VLANAdvertisementTable1Click},
    {.topMenu = "RMON",
     .menuPath = "RMON State",
     .handler = "S1Click",
     .captionPrefix = "RMON State:",
     .kind = EntryKind::Scalar,
     .pages = Pages_S1Click},
    {.topMenu = "RMON",
     .menuPath = "Statistics",
     .handler = "Statistics1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TRmon_Statistics"},
    {.topMenu = "RMON",
     .menuPath = "History",
     .handler = "History1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TRmon_History"},
    {.topMenu = "RMON",
     .menuPath = "Alarm/Event",
     .handler = "AlarmEvent1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TRmon_AlarmEvent"},
    {.topMenu = "SNMP V3",
     .menuPath = "SNMP Configure",
     .handler = "SNMPConfigure1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TfrmConfigSNMP"},
    {.topMenu = "SNMP V3",
     .menuPath = "SNMP Engine",
     .handler = "EngineClick",
     .captionPrefix = "SNMP Engine : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_EngineClick},
    {.topMenu = "SNMP V3",
     .menuPath = "Message Processing and Dispatching",
     .handler = "MPDClick",
     .captionPrefix = "Message Processing and Dispatching : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_MPDClick},
    {.topMenu = "SNMP V3",
     .menuPath = "SNMP Target MIB / General Information",
     .handler = "GeneralInformation1Click",
     .captionPrefix = "General Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_GeneralInformation1Click},
    {.topMenu = "SNMP V3",
     .menuPath = "SNMP Target MIB / Target Address Table",
     .handler = "TargetAddressTable1Click",
     .captionPrefix = "Target Address Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_TargetAddressTable1Click},
    {.topMenu = "SNMP V3",
     .menuPath = "SNMP Target MIB / Target Parameters",
     .handler = "TargetParameters1Click",
     .captionPrefix = "Target Parameters : ",
     .kind = EntryKind::Table,
     .pages = Pages_TargetParameters1Click},
    {.topMenu = "SNMP V3",
     .menuPath = "User-based Security Model / Statistics",
     .handler = "USMStatsClick",
     .captionPrefix = "USM Stats : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_USMStatsClick},
    {.topMenu = "SNMP V3",
     .menuPath = "User-based Security Model / User Table",
     .handler = "USMUserTableClick",
     .captionPrefix = "USM User Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_USMUserTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "View-based Access Control Model / Security Group Table",
     .handler = "VACMSecurityToGroupTableClick",
     .captionPrefix = "VACM Security To Group Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_VACMSecurityToGroupTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "View-based Access Control Model / Access Table",
     .handler = "VACMAccessTableClick",
     .captionPrefix = "VACM Access Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_VACMAccessTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "View-based Access Control Model / View MIB Tree Family Table",
     .handler = "VACMMIBViews1Click",
     .captionPrefix = "VACM MIB Views : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_VACMMIBViews1Click},
    {.topMenu = "SNMP V3",
     .menuPath = "Notifications / Notify Table",
     .handler = "NotifyTableClick",
     .captionPrefix = "Notify Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_NotifyTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "Notifications / Notify Filter Profile Table",
     .handler = "NotifyFilterProfileTableClick",
     .captionPrefix = "Notify Filter Profile Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_NotifyFilterProfileTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "Notifications / Notify Filter Entry Table",
     .handler = "NotifyFilterTableClick",
     .captionPrefix = "Notify Filter Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_NotifyFilterTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "Community / Community String Table",
     .handler = "CommunityTableClick",
     .captionPrefix = "Community Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_CommunityTableClick},
    {.topMenu = "SNMP V3",
     .menuPath = "Community / Target Address Table",
     .handler = "TargetAddrExtTableClick",
     .captionPrefix = "TargetAddr Ext Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_TargetAddrExtTableClick},
    {.topMenu = "Security ",
     .menuPath = "SSH / SSH Control",
     .handler = "SSHControl1Click",
     .captionPrefix = "SSH Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSHControl1Click},
    {.topMenu = "Security ",
     .menuPath = "SSH / SSH Encrypt Algorithm Control",
     .handler = "SSHEncryptAlgControl1Click",
     .captionPrefix = "SSH Encrypt Algorithm Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSHEncryptAlgControl1Click},
    {.topMenu = "Security ",
     .menuPath = "SSH / SSH Auth Method Control",
     .handler = "SSHAuthMethodControl1Click",
     .captionPrefix = "SSH Auth Method Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSHAuthMethodControl1Click},
    {.topMenu = "Security ",
     .menuPath = "SSH / SSH Inte Algorithm Control",
     .handler = "SSHInteAlgControl1Click",
     .captionPrefix = "SSH Inte Algorithm Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSHInteAlgControl1Click},
    {.topMenu = "Security ",
     .menuPath = "SSH / SSH Public Key Control",
     .handler = "SSHPublicKeyControl1Click",
     .captionPrefix = "SSH Public Key Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSHPublicKeyControl1Click},
    {.topMenu = "Security ",
     .menuPath = "SSL / SSL Control",
     .handler = "SSLControl1Click",
     .captionPrefix = "SSL Control Table : ",
     .kind = EntryKind::HandMade,
     .target = "TSSLManagementForm"},
    {.topMenu = "Security ",
     .menuPath = "SSL / SSL Certificate File",
     .handler = "SSLCertificateFile1Click",
     .captionPrefix = "SSL Certificate File : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_SSLCertificateFile1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Authentication Configuration",
     .handler = "AuthenticationConfiguration1Click",
     .captionPrefix = "802.1X Configuration : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AuthenticationConfiguration1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / PAE Port Table",
     .handler = "PaeSystemClick",
     .captionPrefix = "Port Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PaeSystemClick},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Authentication Configuration Table",
     .handler = "PaeAuthenticatorClick",
     .captionPrefix = "802.1X Port Configuration : ",
     .kind = EntryKind::Table,
     .pages = Pages_PaeAuthenticatorClick},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Authentication Stats Table",
     .handler = "AuthenticationStatsTable1Click",
     .captionPrefix = "Port Statistics : ",
     .kind = EntryKind::Table,
     .pages = Pages_AuthenticationStatsTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Authentication Diagnostics Table",
     .handler = "AuthenticationDiagnosticsTable1Click",
     .captionPrefix = "Port Diagnostics : ",
     .kind = EntryKind::Table,
     .pages = Pages_AuthenticationDiagnosticsTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Authentication Session Statistics",
     .handler = "AuthenticationSessionStatistics1Click",
     .captionPrefix = "Port Session Statistics : ",
     .kind = EntryKind::Table,
     .pages = Pages_AuthenticationSessionStatistics1Click,
     .formAdjustments = FormAdj_AuthenticationSessionStatistics1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / Authentication Control",
     .handler = "AuthenticationControl2Click",
     .captionPrefix = "Authentication Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AuthenticationControl2Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Server Table",
     .handler = "RadiusServerTable1Click",
     .captionPrefix = "RADIUS Server Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_RadiusServerTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Authentication Server Table",
     .handler = nullptr,
     .captionPrefix = nullptr,
     .kind = EntryKind::None},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Accounting Service Table",
     .handler = "RadiusAccountingServiceTable1Click",
     .captionPrefix = "RADIUS Accounting Service Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_RadiusAccountingServiceTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Accounting Server Table",
     .handler = "RadiusAccountingServerTable1Click",
     .captionPrefix = "RADIUS Accounting Server Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_RadiusAccountingServerTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / MAC Authentication State Table",
     .handler = "MACAuthenticationStateTable1Click",
     .captionPrefix = "MAC Authentication State Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MACAuthenticationStateTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / MAC Authentication Stats Table",
     .handler = "MACAuthenticationStatsTable1Click",
     .captionPrefix = "MAC Authentication Stats Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MACAuthenticationStatsTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / MAC Authentication Diag Table",
     .handler = "MACAuthenticationDiagTable1Click",
     .captionPrefix = "MAC Authentication Diag Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MACAuthenticationDiagTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / MAC Authentication Session Stats Table",
     .handler = "MACAuthenticationSessionStatsTable1Click",
     .captionPrefix = "MAC Authentication Session Stats Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_MACAuthenticationSessionStatsTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Authentication Client",
     .handler = "RadiusAuthClientClick",
     .captionPrefix = "RADIUS Authentication Client : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_RadiusAuthClientClick},
    {.topMenu = "Security ",
     .menuPath = "802.1X / RADIUS Server / RADIUS Accounting Client",
     .handler = "RadiusAccClientClick",
     .captionPrefix = "RADIUS Accounting Client : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_RadiusAccClientClick},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Guest VLAN",
     .handler = "GuestVLAN1Click",
     .captionPrefix = "Guest VLAN : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_GuestVLAN1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Web-based Access Control / Control Table",
     .handler = "ControlTable2Click",
     .captionPrefix = "Control Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ControlTable2Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Web-based Access Control / Port Information Table",
     .handler = "PortInformationTable2Click",
     .captionPrefix = "Port Information Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_PortInformationTable2Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Web-based Access Control / Port Management Table",
     .handler = "PortManagementTable1Click",
     .captionPrefix = "Port Management Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_PortManagementTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / Web-based Access Control / User Management Table",
     .handler = "UserManagementTable1Click",
     .captionPrefix = "User Management Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_UserManagementTable1Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / MAC -based Access Control / Control Table",
     .handler = "ControlTable4Click",
     .captionPrefix = "Control Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ControlTable4Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / MAC -based Access Control / Port Information Table",
     .handler = "PortInformationTable3Click",
     .captionPrefix = "Port Information Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_PortInformationTable3Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / MAC -based Access Control / Port Management Table",
     .handler = "PortManagementTable2Click",
     .captionPrefix = "Port Management Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_PortManagementTable2Click},
    {.topMenu = "Security ",
     .menuPath = "802.1X / MAC -based Access Control / Database Table",
     .handler = "DatabaseTable1Click",
     .captionPrefix = "Database Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DatabaseTable1Click},
    {.topMenu = "Security ",
     .menuPath = "Safeguard / Admin State",
     .handler = "AdminState1Click",
     .captionPrefix = "Safeguard Admin State: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AdminState1Click},
    {.topMenu = "Security ",
     .menuPath = "Safeguard / Control State",
     .handler = "ControlState1Click",
     .captionPrefix = "Safeguard Control State: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ControlState1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / IP-MAC Binding Management",
     .handler = "Mode1Click",
     .captionPrefix = "IP-MAC Binding Management:",
     .kind = EntryKind::Scalar,
     .pages = Pages_Mode1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / Global Port State Control",
     .handler = "AllPortStateControl1Click",
     .captionPrefix = "IP-MAC Binding Global Port State Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AllPortStateControl1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / Each Port State Control",
     .handler = "EachPortStateControl1Click",
     .captionPrefix = "IP-MAC Binding Port State Control: ",
     .kind = EntryKind::Table,
     .pages = Pages_EachPortStateControl1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / Entry Management",
     .handler = "EntryManagement1Click",
     .captionPrefix = "IP-MAC Binding Entry: ",
     .kind = EntryKind::Table,
     .pages = Pages_EntryManagement1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / Blocked Entry",
     .handler = "BlockedEntry1Click",
     .captionPrefix = "IP-MAC Binding Blocked Entry: ",
     .kind = EntryKind::Table,
     .pages = Pages_BlockedEntry1Click},
    {.topMenu = "Security ",
     .menuPath = "IP-MAC Binding / DHCP Snoop Table",
     .handler = "DHCPSnoopTable1Click",
     .captionPrefix = "DHCP Snoop Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_DHCPSnoopTable1Click,
     .formAdjustments = FormAdj_DHCPSnoopTable1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Control",
     .handler = "AuthenticationControl1Click",
     .captionPrefix = "AAC Control Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AuthenticationControl1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Control Administration State",
     .handler = "AACControlAdministrationState1Click",
     .captionPrefix = "AAC Control Administration State  : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AACControlAdministrationState1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Info",
     .handler = "AACInformationTable1Click",
     .captionPrefix = "AAC Information Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AACInformationTable1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Enable Method List",
     .handler = "AACEnableMethodList1Click",
     .captionPrefix = "AAC Enable Method Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_AACEnableMethodList1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Login Method List",
     .handler = "AACLoginMethodList1Click",
     .captionPrefix = "AAC Login Method Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_AACLoginMethodList1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Login Method",
     .handler = "AACLoginMethod1Click",
     .captionPrefix = "AAC Login Method : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AACLoginMethod1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Enable Method",
     .handler = "AACEnableMethod1Click",
     .captionPrefix = "AAC Enable Method : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AACEnableMethod1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / Authentication Para Table",
     .handler = "AuthenticationParaTable1Click",
     .captionPrefix = "Authentication Parameter Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AuthenticationParaTable1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Server Group Table",
     .handler = "AACServerGroupTable1Click",
     .captionPrefix = "AAC Server Group Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_AACServerGroupTable1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC Server Information",
     .handler = "AACServerInformation1Click",
     .captionPrefix = "AAC Server Information Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_AACServerInformation1Click},
    {.topMenu = "Security ",
     .menuPath = "Access Control Information / AAC  Server Control Table",
     .handler = "AACServerControlTable1Click",
     .captionPrefix = "ACC Server Control Table : ",
     .kind = EntryKind::HandMade,
     .target = "TfrmACCServerCtrl"},
    {.topMenu = "Security ",
     .menuPath = "Broadcast Segmentation Control",
     .handler = "BroadcastSegmentationControl1Click",
     .captionPrefix = "Broadcast Segmentation Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BroadcastSegmentationControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Device Management / Device Information",
     .handler = "DeviceInformation1Click",
     .captionPrefix = "Device Information : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_DeviceInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Device Management / Power Information",
     .handler = "PowerInformation1Click",
     .captionPrefix = "Device Information Porwer Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PowerInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Device Management / Device Control",
     .handler = "DeviceControl1Click",
     .captionPrefix = "Device Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_DeviceControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Device Management / Alarm Control",
     .handler = "AlarmControl1Click",
     .captionPrefix = "Alarm Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_AlarmControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Information Table",
     .handler = "PortInformationTable1Click",
     .captionPrefix = "Port Information Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortInformationTable1Click,
     .formAdjustments = FormAdj_PortInformationTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Control Table",
     .handler = "PortControlTable1Click",
     .captionPrefix = "Port Control Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortControlTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Trunk Mgmt",
     .handler = "PortTrunkMgmt1Click",
     .captionPrefix = "Port Trunk Management : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_PortTrunkMgmt1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Trunk Table",
     .handler = "PortTrunkTable1Click",
     .captionPrefix = "Port Trunk Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortTrunkTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Mirror Table",
     .handler = "PortMirrorTable1Click",
     .captionPrefix = "Mirror Management : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_PortMirrorTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Security Table",
     .handler = "PortSecurityTable1Click",
     .captionPrefix = "Port Security Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortSecurityTable1Click,
     .formAdjustments = FormAdj_PortSecurityTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Port Management / Port Security Trap Log State",
     .handler = nullptr,
     .captionPrefix = nullptr,
     .kind = EntryKind::None},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / Bandwidth Control Table",
     .handler = "BandwidthControlTable1Click",
     .captionPrefix = "Bandwidth Control Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_BandwidthControlTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / Scheduling Table",
     .handler = "SchedulingTable1Click",
     .captionPrefix = "Scheduling Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_SchedulingTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / 802.1p User Priority Table",
     .handler = "N8021pUserPriorityTable1Click",
     .captionPrefix = "802.1p User Priority Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_N8021pUserPriorityTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / 802.1p Default Priority Table",
     .handler = "N8021pDefaultPriorityTable1Click",
     .captionPrefix = "802.1p Default Priority Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_N8021pDefaultPriorityTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / WRED / WRED State",
     .handler = "WREDState1Click",
     .captionPrefix = "WRED State : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_WREDState1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / WRED / WRED Average Time",
     .handler = "WREDAverageTime1Click",
     .captionPrefix = "WRED Average Time: ",
     .kind = EntryKind::Table,
     .pages = Pages_WREDAverageTime1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / WRED / WRED Control",
     .handler = "WREDControl1Click",
     .captionPrefix = "WRED Control: ",
     .kind = EntryKind::Table,
     .pages = Pages_WREDControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "QoS Management / WRED / WRED All Port Average Time",
     .handler = "WREDAllPortAverageTime1Click",
     .captionPrefix = "WRED All Port Average Time : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_WREDAllPortAverageTime1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Management",
     .handler = "IGMPControl1Click",
     .captionPrefix = "IGMP Management : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_IGMPControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Control Table",
     .handler = "IGMPControlTable1Click",
     .captionPrefix = "IGMP Control : ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPControlTable1Click,
     .formAdjustments = FormAdj_IGMPControlTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Query Information",
     .handler = "IGMPQueryInformation1Click",
     .captionPrefix = "IGMP Query Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPQueryInformation1Click,
     .formAdjustments = FormAdj_IGMPQueryInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Information",
     .handler = "IGMPManagementClick",
     .captionPrefix = "IGMP Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPManagementClick,
     .formAdjustments = FormAdj_IGMPManagementClick},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Multicast VLAN",
     .handler = "IGMPMulticastVlan1Click",
     .captionPrefix = "IGMP Multicast VLAN : ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPMulticastVlan1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "IGMP Snooping / IGMP Router Port",
     .handler = "IGMPRouterPort1Click",
     .captionPrefix = "IGMP Router Port : ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPRouterPort1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Traffic Segmentation Table",
     .handler = "TrafficManagementClick",
     .captionPrefix = "Traffic Segmentation Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_TrafficManagementClick},
    {.topMenu = "Layer2 Management",
     .menuPath = "Multicast Filter Management / Profile Information",
     .handler = "ProfileInformation1Click",
     .captionPrefix = "Profile Information:",
     .kind = EntryKind::Table,
     .pages = Pages_ProfileInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Multicast Filter Management / Profile Control",
     .handler = "ProfileControl1Click",
     .captionPrefix = "Profile Control:",
     .kind = EntryKind::Table,
     .pages = Pages_ProfileControl1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Multicast Filter Management / Port Group",
     .handler = "PortGroup1Click",
     .captionPrefix = "Port Group:",
     .kind = EntryKind::Table,
     .pages = Pages_PortGroup1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Multicast Filter Management / Port Access",
     .handler = "PortAccess1Click",
     .captionPrefix = "Port Access : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortAccess1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Multicast Filter Management / Port Max Table",
     .handler = "PortMaxTable1Click",
     .captionPrefix = "Port Max Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortMaxTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Packet Storm Control / Control Table",
     .handler = "ControlTable3Click",
     .captionPrefix = "Control Table : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_ControlTable3Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Packet Storm Control / Management Table",
     .handler = "ManagementTable1Click",
     .captionPrefix = "Management Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_ManagementTable1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "MLD Snooping / Management",
     .handler = "Management1Click",
     .captionPrefix = "MLD Snooping Management: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Management1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "MLD Snooping / Control",
     .handler = "Control2Click",
     .captionPrefix = "MLD Snooping Control: ",
     .kind = EntryKind::Table,
     .pages = Pages_Control2Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "MLD Snooping / Group Information",
     .handler = "GroupInformation1Click",
     .captionPrefix = "MLD Snooping Group Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_GroupInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "MLD Snooping / Router Ports",
     .handler = "RouterPorts1Click",
     .captionPrefix = "MLD Snooping Router Ports  : ",
     .kind = EntryKind::Table,
     .pages = Pages_RouterPorts1Click,
     .formAdjustments = FormAdj_RouterPorts1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "MLD Snooping / Forwarding Information",
     .handler = "ForwardingInformation1Click",
     .captionPrefix = "MLD Snooping Forwarding Information : ",
     .kind = EntryKind::Table,
     .pages = Pages_ForwardingInformation1Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Loopback Detection / Control",
     .handler = "Control3Click",
     .captionPrefix = "Loopback Detection Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Control3Click},
    {.topMenu = "Layer2 Management",
     .menuPath = "Loopback Detection / Port Table",
     .handler = "PortTable1Click",
     .captionPrefix = "Loopback Detection Port Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_PortTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "Device Ctrl",
     .handler = "DeviceCtrl1Click",
     .captionPrefix = "Device Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_DeviceCtrl1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "MD5 Information",
     .handler = "MD5Information1Click",
     .captionPrefix = "MD5 Information Table: ",
     .kind = EntryKind::HandMade,
     .target = "TMd5InformationForm"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IP Management / IP Control Table",
     .handler = "IPControlTable1Click",
     .captionPrefix = "IP Control Table : ",
     .kind = EntryKind::HandMade,
     .target = "TIpCtrlForm"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IP Management / IP Forwarding Table",
     .handler = "IPForwardingTable1Click",
     .captionPrefix = "IP Forwarding Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_IPForwardingTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IP Management / IP ARP Aging Time",
     .handler = "IPFilterAddressCtrlTable1Click",
     .captionPrefix = "IP ARP Aging Time: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_IPFilterAddressCtrlTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IP Management / IP Static Routing Table",
     .handler = "IPStaticRoutingTable1Click",
     .captionPrefix = "IP Static Routing Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_IPStaticRoutingTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "BOOTP Basic Configuration",
     .handler = "BOOTPBasicConfiguration1Click",
     .captionPrefix = "BOOTP Basic Configuration: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_BOOTPBasicConfiguration1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "BOOTP Ctrl Table",
     .handler = "BOOTPCtrlTable1Click",
     .captionPrefix = "BOOTP Ctrl Table: ",
     .kind = EntryKind::HandMade,
     .target = "TBOOTCtrlTableForm"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / DHCP Server Control",
     .handler = "DHCPServerControl1Click",
     .captionPrefix = "DHCP Server Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_DHCPServerControl1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Excluded Address Table",
     .handler = "ExcludedAddressTable1Click",
     .captionPrefix = "Excluded Address Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_ExcludedAddressTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Pool Table",
     .handler = "PoolTable1Click",
     .captionPrefix = "Pool Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_PoolTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / DNS Server Address Table",
     .handler = "DNSServerAddressTable1Click",
     .captionPrefix = "DNS Server Address Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DNSServerAddressTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Net BIOS Name Server Table",
     .handler = "NetBIOSNameServerTable1Click",
     .captionPrefix = "Net BIOS Name Server Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_NetBIOSNameServerTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Default Router Table",
     .handler = "DefaultRouterTable1Click",
     .captionPrefix = "Default Router Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DefaultRouterTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Manual Binding Table",
     .handler = "ManualBindingTable1Click",
     .captionPrefix = "Manual Binding Table : ",
     .kind = EntryKind::Table,
     .pages = Pages_ManualBindingTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Dynamic Binding Table",
     .handler = "DynamicBindingTable1Click",
     .captionPrefix = "Dynamic Binding Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DynamicBindingTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DHCP Server / Conflict IP Table",
     .handler = "ConflictIPTable1Click",
     .captionPrefix = "Conflict IP Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_ConflictIPTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DNS Basic Configuration",
     .handler = "DNSBasicConfiguration1Click",
     .captionPrefix = "DNS Basic Configuration: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_DNSBasicConfiguration1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DNS Ctrl Table",
     .handler = "DNSCtrlTable1Click",
     .captionPrefix = "DNS Ctrl Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_DNSCtrlTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "Route Redistribution Table",
     .handler = "RouteRedistributionTable1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TRouteRedistributForm"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "CIDR (RFC2096)",
     .handler = "CIDRRFC20961Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_RIP"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "RIP Management",
     .handler = "RIPManagement1Click",
     .captionPrefix = "RIP Management: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_RIPManagement1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "RIP2 (RFC1724)",
     .handler = "RIP2RFC17241Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_RIP2"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / OSPF General",
     .handler = "OSPFGeneral1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_OSPF"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / Area Info",
     .handler = "AreaInfo1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_Area"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / Lsdb  Info",
     .handler = "LsdbInfo1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_Lsdb"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / Neighbor Info",
     .handler = "NeighborInfo1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_Neighbor"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / Interface Table",
     .handler = "InterfaceTable1Click",
     .captionPrefix = "OSPF Interface Table : ",
     .kind = EntryKind::Tabbed,
     .pages = Pages_InterfaceTable1Click,
     .formAdjustments = FormAdj_InterfaceTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF / Host Table",
     .handler = "HostTable1Click",
     .captionPrefix = "Host Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_HostTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "VRRP (RFC2787) / VRRP Control",
     .handler = "VRRPControl1Click",
     .captionPrefix = "VRRP Control: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_VRRPControl1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "VRRP (RFC2787) / VRRP Operation",
     .handler = "VRRPOperation1Click",
     .captionPrefix = "VRRP Operations: ",
     .kind = EntryKind::Table,
     .pages = Pages_VRRPOperation1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "VRRP (RFC2787) / Virtual Route Address",
     .handler = "VirtualRouteAddress1Click",
     .captionPrefix = "Virtual Route Address Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_VirtualRouteAddress1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "VRRP (RFC2787) / VRRP Error Statistics",
     .handler = "VRRPErrorStatistics1Click",
     .captionPrefix = "VRRP Error Statistics Table: ",
     .kind = EntryKind::Scalar,
     .pages = Pages_VRRPErrorStatistics1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "VRRP (RFC2787) / Virtual Route Statistics",
     .handler = "VirtualRouteStatistics1Click",
     .captionPrefix = "Virtual Router Statistics Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_VirtualRouteStatistics1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IPMroute",
     .handler = "IpMroute1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_IPM"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "DVMRP",
     .handler = "DVMRP1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_DVMRP"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM(RFC2934) / PIM Info",
     .handler = "PIMInfo1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Viewer,
     .target = "/TLayer3_PIM"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM(RFC2934) / PIM IP Multicast Route",
     .handler = "PIMIPMulticastRoute1Click",
     .captionPrefix = "PIM IP Multicast Route:",
     .kind = EntryKind::Table,
     .pages = Pages_PIMIPMulticastRoute1Click,
     .formAdjustments = FormAdj_PIMIPMulticastRoute1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM(RFC2934) / PIM RP-Set Table",
     .handler = "PIMRPSetTable1Click",
     .captionPrefix = "PIM RP-Set Table:",
     .kind = EntryKind::Table,
     .pages = Pages_PIMRPSetTable1Click,
     .formAdjustments = FormAdj_PIMRPSetTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM(RFC2934) / PIM Candidate RP Table",
     .handler = "PIMCandidateRPTable1Click",
     .captionPrefix = "PIM Candidate RP Table:",
     .kind = EntryKind::Table,
     .pages = Pages_PIMCandidateRPTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / C-BSR Management / C-BSR Information",
     .handler = "CBSRInformation1Click",
     .captionPrefix = "C-BSR Information:",
     .kind = EntryKind::Scalar,
     .pages = Pages_CBSRInformation1Click,
     .formAdjustments = FormAdj_CBSRInformation1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / C-BSR Management / C-BSR Table",
     .handler = "CBSRTable1Click",
     .captionPrefix = "C-BSR Table:",
     .kind = EntryKind::Table,
     .pages = Pages_CBSRTable1Click,
     .formAdjustments = FormAdj_CBSRTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / CandidateRP Management",
     .handler = "CandidateRPManagement1Click",
     .captionPrefix = "CandidateRP Management:",
     .kind = EntryKind::Scalar,
     .pages = Pages_CandidateRPManagement1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / SPT Management",
     .handler = "SPTManagement1Click",
     .captionPrefix = "SPT Management:",
     .kind = EntryKind::Scalar,
     .pages = Pages_SPTManagement1Click,
     .formAdjustments = FormAdj_SPTManagement1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / Register Checksum Including Data Information",
     .handler = "RegisterChecksumIncludingDataInformation1Click",
     .captionPrefix = "Register Checksum Including Data Information:",
     .kind = EntryKind::Table,
     .pages = Pages_RegisterChecksumIncludingDataInformation1Click,
     .formAdjustments = FormAdj_RegisterChecksumIncludingDataInformation1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM Information / Register Time",
     .handler = "RegisterTime1Click",
     .captionPrefix = "Register Time:",
     .kind = EntryKind::Scalar,
     .pages = Pages_RegisterTime1Click,
     .formAdjustments = FormAdj_RegisterTime1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / PIM Information / PIM Information Table",
     .handler = "PIMInformationTable1Click",
     .captionPrefix = "PIM Information Table:",
     .kind = EntryKind::Table,
     .pages = Pages_PIMInformationTable1Click,
     .formAdjustments = FormAdj_PIMInformationTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / Static RP Table Information",
     .handler = "StaticRPTableInformation1Click",
     .captionPrefix = "Static RP Table Information:",
     .kind = EntryKind::Table,
     .pages = Pages_StaticRPTableInformation1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "PIM Management / Active RP Table Information",
     .handler = "ActiveRPTableInformation1Click",
     .captionPrefix = "Active RP Table Information:",
     .kind = EntryKind::Table,
     .pages = Pages_ActiveRPTableInformation1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IGMP / IGMP Interface",
     .handler = "IGMPInterface1Click",
     .captionPrefix = "Interface Information: ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPInterface1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IGMP / IGMP Cache",
     .handler = "IGMPCache1Click",
     .captionPrefix = "Group Information: ",
     .kind = EntryKind::Table,
     .pages = Pages_IGMPCache1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IGMP V3 / Interface Table",
     .handler = "InterfaceTable2Click",
     .captionPrefix = "IGMP V3 Interface Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_InterfaceTable2Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IGMP V3 / Cache Table",
     .handler = "CacheTable1Click",
     .captionPrefix = "IGMP V3 Cache Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_CacheTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "IGMP V3 / Source List Table",
     .handler = "SourceListTable1Click",
     .captionPrefix = "IGMP V3 Source List Table: ",
     .kind = EntryKind::Table,
     .pages = Pages_SourceListTable1Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "Route Preference",
     .handler = "RoutePreference2Click",
     .captionPrefix = "Route Preference : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_RoutePreference2Click},
    {.topMenu = "Layer 3 Management",
     .menuPath = "OSPF Default Information Originate",
     .handler = "OSPFDefaultInformationOriginate1Click",
     .captionPrefix = "OSPF Default Information Originate: ",
     .kind = EntryKind::HandMade,
     .target = "TOSPFDefaultInfoOriginateForm"},
    {.topMenu = "Layer 3 Management",
     .menuPath = "Layer3 Trace Route Control",
     .handler = "Layer3TraceRouteControl1Click",
     .captionPrefix = "Layer3 Trace Route Control : ",
     .kind = EntryKind::Scalar,
     .pages = Pages_Layer3TraceRouteControl1Click},
    {.topMenu = "Help",
     .menuPath = "Help",
     .handler = "H1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::Help},
    {.topMenu = "Help",
     .menuPath = "About",
     .handler = "About1Click",
     .captionPrefix = nullptr,
     .kind = EntryKind::HandMade,
     .target = "TAboutForm"},
};

static_assert(std::size(Entries) == 258);

} // namespace

// Constant-initialised, so other objects may read it during their own static initialisation.
extern constinit const std::span<const PageDefinition> Catalogue{Entries};
