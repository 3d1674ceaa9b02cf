#include "main_window/DeviceStatusText.h"

#include "snmp/QxSNMPParams.h"

namespace {

const char* LevelName(int level) {
    switch (level) {
    case 1:
        return "noAuthNoPriv";
    case 2:
        return "authNoPriv";
    case 3:
        return "authPriv";
    default:
        return "";
    }
}

} // namespace

std::string DeviceStatusText(bool answered, const std::string& sysName, const std::string& upTime,
                             const QxSNMPSecurity& security) {
    std::string text;
    if (!answered) {
        text = "no answer";
    } else {
        text = sysName.empty() || sysName == "(NULL)" ? std::string("(no name)") : sysName;
        if (!upTime.empty() && upTime != "(NULL)") {
            text += "  |  up " + upTime;
        }
    }
    text += "  |  ";
    switch (security.version) {
    case 0:
        text += "SNMPv1, community \"" + security.readCommunity + "\"";
        break;
    case 1:
        text += "SNMPv2c, community \"" + security.readCommunity + "\"";
        break;
    default: {
        text += "SNMPv3, user \"" + security.securityName + "\"";
        const std::string level = LevelName(security.securityLevel);
        if (!level.empty()) {
            text += ", " + level;
        }
        break;
    }
    }
    return text;
}

std::string PortLedText(int port, int presence, int state) {
    std::string text = "Port " + std::to_string(port) + ": ";
    if ((presence & 0x7F) == 1) {
        return text + "not present";
    }
    switch (state) {
    case 0:
        text += "link down";
        break;
    case 1:
        text += "link up, 10 Mbps";
        break;
    case 2:
        text += "link up, 100/1000 Mbps";
        break;
    case 3:
        text += "fibre link up";
        break;
    case -1:
        text += "state unknown";
        break;
    default:
        text += "state " + std::to_string(state);
        break;
    }
    if ((presence & 0x80) != 0 && state > 0) {
        text += ", traffic";
    }
    return text;
}

std::string PoeLedText(int port, const std::string& value) {
    std::string text = "Port " + std::to_string(port) + ": ";
    if (value == "1") {
        text += "PoE on, delivering power";
    } else if (value == "2") {
        text += "PoE off";
    } else if (value == "3") {
        text += "PoE error";
    } else {
        text += "PoE state unknown";
    }
    return text + "\nLED mode: PoE";
}
