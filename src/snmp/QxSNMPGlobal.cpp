#include "snmp/QxSNMPGlobal.h"

void QxSNMPGlobal::ResetParameters() {
    device = QxSNMPDevice{};
    scope = QxSNMPScope{};
    security = QxSNMPSecurity{};
    timeout = 100;
    getBulk = true;
}

QxSNMPGlobal& SnmpGlobal() {
    static QxSNMPGlobal global;
    return global;
}
