#include "viewer/ViewerCatalogue.h"

#include "viewer/ViewerDescriptorTables.h"

#include <array>

namespace {

// Every viewer page only reads: no Add, Edit or Delete, and a double click does nothing.
constexpr PageAdjustment ReadOnly[] = {
    {AdjustmentKind::NoEditButton, -1, 0, nullptr},
    {AdjustmentKind::ReadOnlyList, -1, 0, nullptr},
};
// Wide tables get a wider window.
constexpr PageAdjustment Wider[] = {{AdjustmentKind::FormWidthPlus, -1, 350, nullptr}};

constexpr PageSpec Table(const char* title, const UISnmpVar* vars, int indexCount) {
    return {.tabTitle = title,
            .table = true,
            .vars = vars,
            .listKind = MVT_FMV,
            .indexCount = indexCount,
            .adjustments = ReadOnly};
}

constexpr PageSpec Pages_dot3Stats[] = {Table(nullptr, VT_dot3StatsTable, 1)};
constexpr PageSpec Pages_BridgeForwarding[] = {Table(nullptr, VT_dot1dTpFdbTable, 1)};
constexpr PageSpec Pages_VlanStatic[] = {
    Table("Static Unicast Table", VT_dot1qStaticUnicastTable, 3),
    Table("Static Multicast Table", VT_dot1qStaticMulticastTable, 3),
};
constexpr PageSpec Pages_RmonStatistics[] = {Table(nullptr, VT_etherStatsTable, 1)};
constexpr PageSpec Pages_RmonHistory[] = {
    Table("History Control Table", VT_historyControlTable, 1),
    Table("Ethernet History Table", VT_etherHistoryTable, 2),
};
constexpr PageSpec Pages_RmonAlarmEvent[] = {
    Table("Alarm Table", VT_alarmTable, 1),
    Table("Event Table", VT_eventTable, 1),
};
constexpr PageSpec Pages_Cidr[] = {Table(nullptr, VT_ipCidrRouteTable, 4)};
constexpr PageSpec Pages_Rip2[] = {
    Table("Interface Statistics", VT_rip2IfStatTable, 1),
    Table("Interface Configuration", VT_rip2IfConfTable, 1),
};
constexpr PageSpec Pages_OspfGeneral[] = {
    {.vars = VT_ospfGeneralGroup, .listKind = SVT_SV},
};
constexpr PageSpec Pages_OspfArea[] = {Table(nullptr, VT_ospfAreaTable, 1)};
constexpr PageSpec Pages_OspfLsdb[] = {Table(nullptr, VT_ospfLsdbTable, 4)};
constexpr PageSpec Pages_OspfNeighbor[] = {Table(nullptr, VT_ospfNbrTable, 2)};
constexpr PageSpec Pages_IpMroute[] = {Table(nullptr, VT_ipMRouteTable, 3)};
constexpr PageSpec Pages_Dvmrp[] = {
    Table("DVMRP Interface Table", VT_dvmrpInterfaceTable, 1),
    Table("DVMRP Neighbor Table", VT_dvmrpNeighborTable, 2),
};
constexpr PageSpec Pages_Pim[] = {
    Table("PIM Interface Table", VT_pimInterfaceTable, 1),
    Table("PIM Neighbor Table", VT_pimNeighborTable, 1),
};

constexpr PageDefinition Entry(const char* program, const char* caption, EntryKind kind,
                               std::span<const PageSpec> pages, const char* tableSwitch,
                               std::span<const PageAdjustment> form = Wider) {
    return {.topMenu = program,
            .menuPath = tableSwitch,
            .captionPrefix = caption,
            .kind = kind,
            .pages = pages,
            .formAdjustments = form,
            .target = tableSwitch};
}

constexpr auto Entries = std::to_array<PageDefinition>({
    Entry("EthernetLike", "dot3 Statistics Table : ", EntryKind::Table, Pages_dot3Stats,
          "/TEthernetLike_dot3StatsTable"),
    Entry("Bridge", "Bridge Forwarding Table : ", EntryKind::Table, Pages_BridgeForwarding,
          "/TBridge_Forwarding", {}),
    Entry("VLan", "802.1Q Static Forwarding Table : ", EntryKind::Tabbed, Pages_VlanStatic,
          "/TVLan_Tp8021QStatic"),
    Entry("Rmon", "RMON Statistics : ", EntryKind::Table, Pages_RmonStatistics,
          "/TRmon_Statistics"),
    Entry("Rmon", "RMON History : ", EntryKind::Tabbed, Pages_RmonHistory, "/TRmon_History"),
    Entry("Rmon", "RMON Alarm/Event : ", EntryKind::Tabbed, Pages_RmonAlarmEvent,
          "/TRmon_AlarmEvent"),
    Entry("Layer3", "CIDR Route Table : ", EntryKind::Table, Pages_Cidr, "/TLayer3_RIP"),
    Entry("Layer3", "RIP2 Interfaces : ", EntryKind::Tabbed, Pages_Rip2, "/TLayer3_RIP2"),
    Entry("Layer3", "OSPF General : ", EntryKind::Scalar, Pages_OspfGeneral, "/TLayer3_OSPF", {}),
    Entry("Layer3", "OSPF Area Table : ", EntryKind::Table, Pages_OspfArea, "/TLayer3_Area"),
    Entry("Layer3", "OSPF Link State Database : ", EntryKind::Table, Pages_OspfLsdb,
          "/TLayer3_Lsdb"),
    Entry("Layer3", "OSPF Neighbor Table : ", EntryKind::Table, Pages_OspfNeighbor,
          "/TLayer3_Neighbor"),
    Entry("Layer3", "IP Multicast Route Table : ", EntryKind::Table, Pages_IpMroute,
          "/TLayer3_IPM"),
    Entry("Layer3", "DVMRP : ", EntryKind::Tabbed, Pages_Dvmrp, "/TLayer3_DVMRP"),
    Entry("Layer3", "PIM : ", EntryKind::Tabbed, Pages_Pim, "/TLayer3_PIM"),
});

} // namespace

const std::span<const PageDefinition> ViewerCatalogue = Entries;

const PageDefinition* FindViewerEntry(const std::string& tableSwitch) {
    for (const PageDefinition& entry : ViewerCatalogue) {
        if (tableSwitch == entry.target) {
            return &entry;
        }
    }
    return nullptr;
}

std::string TableSwitchOf(const std::vector<std::string>& arguments) {
    std::string found;
    for (const std::string& argument : arguments) {
        if (argument.size() > 2 && argument.compare(0, 2, "/T") == 0) {
            found = argument;
        }
    }
    return found;
}
