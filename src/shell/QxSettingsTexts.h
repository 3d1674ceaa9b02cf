#pragma once

#include <string>

struct QxSNMPGlobal;

// The main window's text copy of every connection setting, shown and edited by the SNMP
// settings dialog. Numbers are held as their decimal text.
struct QxSettingsTexts {
    std::string address;
    std::string version;
    std::string readCommunity;
    std::string writeCommunity;
    std::string port;
    std::string contextName;
    std::string contextEngineId;
    std::string securityModel;
    std::string securityLevel;
    std::string securityName;
    std::string authProtocol;
    std::string privProtocol;
    std::string authPassword;
    std::string privPassword;

    void FromGlobal(const QxSNMPGlobal& global);
};
