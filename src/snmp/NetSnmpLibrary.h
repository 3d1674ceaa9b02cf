#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Process-wide set-up of the SNMP engine (net-snmp), kept apart from everything above the
// session wrapper.
class NetSnmpLibrary {
public:
    // Prepares the engine once: no configuration file of the user or the system is read, no
    // MIB file is loaded, persistent state goes to a private temporary folder that is removed
    // at exit, and the engine logs nothing. Returns false when the engine cannot open a UDP
    // socket on an ephemeral local port.
    static bool Init();

    // The local SNMPv3 engine: its ID is given as text (stored in the administratively
    // assigned text format of SNMP engine IDs) and its boot count.
    static void SetLocalEngine(const std::string& engineIdText, std::uint32_t boots);
    static std::string LocalEngineId(); // the engine ID octets
    static std::uint32_t LocalEngineBoots();

    // Removes the engine's USM entries of a user, except those localised for one of
    // `keepEngineIds` (octets). Used when a user's credentials change, because the engine
    // keeps one entry per user and engine and would otherwise go on with the old keys.
    static void ForgetUser(const std::string& securityName,
                           const std::vector<std::string>& keepEngineIds);
};
