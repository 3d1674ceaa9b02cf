#pragma once

#include <string>

struct QxSNMPSecurity;

// The main window's device panel: the device's name, how long it has been up, and the SNMP
// version with the community or user the module speaks with (never a pass phrase), as in
// "core-sw-3  |  up 2 days, 3:04:05.06  |  SNMPv2c, community \"public\"". Without an answer
// (`answered` false) the name and up-time read "no answer".
std::string DeviceStatusText(bool answered, const std::string& sysName, const std::string& upTime,
                             const QxSNMPSecurity& security);

// The tooltip of a port LED in port-status mode, from the port's two octets of the LED status
// string: presence (1 no port there; bit 0x80 traffic) and state (0 link down, 1 link at
// 10 Mbps, 2 link at 100/1000 Mbps, 3 fibre link). `state` -1: the device sent none.
// ("Port 5: link up, 100/1000 Mbps, traffic")
std::string PortLedText(int port, int presence, int state);
// The tooltip of a port LED in PoE mode, from the port's PoE LED value (1 on, 2 off, 3 error).
std::string PoeLedText(int port, const std::string& value);
