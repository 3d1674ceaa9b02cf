#include "main_window/MainMenuTable.h"

// The menus of the menu bar and the entries the start-up works on.
const MainMenuRow MainMenuRows[] = {
    {0, "BasicConfiguration1", "Basic Configuration"},
    {0, "SingleIPConfiguration1", "Single IP Configuration"},
    {0, "Bridge1", "Bridge"},
    {0, "VLAN1", "VLAN"},
    {0, "RMON1", "RMON"},
    {1, "Statistics1", "Statistics"},
    {1, "History1", "History"},
    {1, "AlarmEvent1", "Alarm/Event"},
    {0, "SNMPV31", "SNMP V3"},
    {1, "SNMPConfigure1", "SNMP Configure"},
    {1, "Engine", "SNMP Engine"},
    {1, "MPD", "Message Processing and Dispatching"},
    {1, "TARGET", "SNMP Target MIB"},
    {1, "USM", "User-based Security Model"},
    {1, "VACM", "View-based Access Control Model"},
    {1, "Notification1", "Notifications"},
    {1, "CommunityMIB", "Community"},
    {0, "Security1", "Security "},
    {0, "Layer2Management1", "Layer2 Management"},
    {0, "Layer3Management1", "Layer 3 Management"},
    {0, "Help1", "Help"},
    {},
};
