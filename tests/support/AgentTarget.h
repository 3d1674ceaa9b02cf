#pragma once

#include "TestAgent.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QTemporaryDir>

#include <cstdint>

// Creates the global SNMP session once per test program, with its boot counter in a folder
// of its own.
inline void EnsureTestSession() {
    static QTemporaryDir bootFolder;
    if (QxSNMPSession::Global() == nullptr) {
        QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
    }
}

// Points a request at a test agent over SNMPv2c with the communities both agents accept for
// reading and writing.
inline void ConnectToAgent(QxSNMPRequest& r, const TestAgent& agent) {
    r.device.address = "127.0.0.1";
    r.device.port = static_cast<std::uint16_t>(agent.Port());
    r.security.version = 1;
    r.security.readCommunity = "public";
    r.security.writeCommunity = "private";
}

// Points the module's connection record at an agent on a loopback port over SNMPv2c ("public"
// to read, "private" to write), so that every request a window creates reaches it.
inline void PointModuleAt(int port) {
    QxSNMPGlobal& global = SnmpGlobal();
    global.ResetParameters();
    global.device.address = "127.0.0.1";
    global.device.port = static_cast<std::uint16_t>(port);
    global.security.version = 1;
    global.security.readCommunity = "public";
    global.security.writeCommunity = "private";
}

inline void PointModuleAt(const TestAgent& agent) {
    PointModuleAt(agent.Port());
}
