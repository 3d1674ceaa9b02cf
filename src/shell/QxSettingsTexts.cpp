#include "shell/QxSettingsTexts.h"

#include "snmp/QxSNMPGlobal.h"

void QxSettingsTexts::FromGlobal(const QxSNMPGlobal& g) {
    address = g.device.address;
    version = std::to_string(g.security.version);
    readCommunity = g.security.readCommunity;
    writeCommunity = g.security.writeCommunity;
    port = std::to_string(g.device.port);
    contextName = g.scope.contextName;
    contextEngineId = g.scope.contextEngineId;
    securityModel = std::to_string(g.security.securityModel);
    securityLevel = std::to_string(g.security.securityLevel);
    securityName = g.security.securityName;
    authProtocol = std::to_string(g.security.authProtocol);
    privProtocol = std::to_string(g.security.privProtocol);
    authPassword = g.security.authPassword;
    privPassword = g.security.privPassword;
}
