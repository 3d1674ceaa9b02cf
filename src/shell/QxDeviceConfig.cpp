#include "shell/QxDeviceConfig.h"

#include "shell/QxCommandLine.h"
#include "shell/QxIni.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxSNMPGlobal.h"

#include <QSettings>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

namespace {

int IntegerOr(const std::string& text, int fallback) {
    std::optional<long> n = QxCommandLine::StrictInteger(text);
    return n ? static_cast<int>(*n) : fallback;
}

// A list position from 0 as the code from 1 that the record holds. A position whose code
// would not fit is as malformed as a text that is not a number: it gives the default.
int PositionCode(const std::string& text) {
    std::optional<long> n = QxCommandLine::StrictInteger(text);
    if (!n || *n >= std::numeric_limits<std::int32_t>::max()) {
        return 1;
    }
    return static_cast<int>(*n) + 1;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

int QxDeviceConfig::AuthPosition(int code) {
    return code >= QxSNMPSecurity::AuthNone && code <= QxSNMPSecurity::AuthSha512 ? code - 1 : -1;
}

namespace {

// The privacy codes in list order.
constexpr int PrivCodes[] = {QxSNMPSecurity::PrivNone,   QxSNMPSecurity::PrivDes,
                             QxSNMPSecurity::PrivIdea,   QxSNMPSecurity::PrivAes128,
                             QxSNMPSecurity::PrivAes192, QxSNMPSecurity::PrivAes256};

} // namespace

int QxDeviceConfig::PrivPosition(int code) {
    for (int i = 0; i < static_cast<int>(std::size(PrivCodes)); ++i) {
        if (PrivCodes[i] == code) {
            return i;
        }
    }
    return -1;
}

int QxDeviceConfig::PrivCodeOfPosition(long position) {
    if (position >= 0 && position < static_cast<long>(std::size(PrivCodes))) {
        return PrivCodes[position];
    }
    return static_cast<int>(position + 1);
}

bool QxDeviceConfig::IsSuiteMode(const std::string& programFolder) {
    std::filesystem::path folder(programFolder);
    if (!folder.has_filename()) {
        folder = folder.parent_path(); // "/x/velsyn_ems/bin/" -> "/x/velsyn_ems/bin"
    }
    return folder.parent_path().filename().string() == "velsyn_ems";
}

std::optional<std::string> QxDeviceConfig::Locate(bool suiteMode, const std::string& programFolder,
                                                  const std::string& address) {
    if (suiteMode) {
        return programFolder + address + ".cfg";
    }
    QSettings settings(QSettings::SystemScope, QStringLiteral("Velsyn"),
                       QStringLiteral("Orvix5.1"));
    // Only the suite's own record counts, not an organisation-wide file.
    settings.setFallbacksEnabled(false);
    const QString key = QStringLiteral("ExePath/Path");
    // No settings file, one that cannot be read, or one without the key: the suite's
    // installation folder is unknown, so there is no file to read.
    if (settings.status() != QSettings::NoError || !settings.contains(key)) {
        return std::nullopt;
    }
    std::string path = settings.value(key).toString().toStdString();
    return path + "../Conf/MBF/" + address + ".cfg";
}

bool QxDeviceConfig::Read(const std::string& path, QxSNMPGlobal& g, QxSettingsTexts& texts) {
    // Whatever keeps the path from being examined (no permission, a symbolic-link loop, a name
    // too long) means there is no file to read, silently like every other reading failure. So
    // does a file that cannot be opened: reading it would reset every key to its default.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path)) {
        return false;
    }
    QxIni ini(path);
    auto read = [&](const char* key) { return ini.ReadString(Section, key, ""); };

    g.security.version = static_cast<std::uint8_t>(IntegerOr(read("Version"), 0));
    texts.version = std::to_string(g.security.version);
    g.device.port = static_cast<std::uint16_t>(IntegerOr(read("AgentPort"), 161));
    texts.port = std::to_string(g.device.port);
    g.scope.contextName = read("ContextName");
    texts.contextName = g.scope.contextName;
    g.scope.contextEngineId = read("ContextEngineID");
    texts.contextEngineId = g.scope.contextEngineId;
    g.security.securityModel = IntegerOr(read("SecurityModel"), 1);
    texts.securityModel = std::to_string(g.security.securityModel);
    // The file stores list positions from 0; the record holds the protocol codes from 1.
    g.security.securityLevel = PositionCode(read("SecurityLevel"));
    texts.securityLevel = std::to_string(g.security.securityLevel);
    g.security.securityName = read("SecurityName");
    texts.securityName = g.security.securityName;
    g.security.authProtocol = PositionCode(read("AuthProtocol"));
    texts.authProtocol = std::to_string(g.security.authProtocol);
    // The third privacy choice is CBC-IDEA, whose code is 9; AES-192 and AES-256 follow
    // AES-128 in the list but not in the codes.
    const int priv = PositionCode(read("PrivProtocol"));
    g.security.privProtocol = PrivCodeOfPosition(priv - 1);
    texts.privProtocol = std::to_string(g.security.privProtocol);
    g.security.authPassword = read("AuthPassword");
    texts.authPassword = g.security.authPassword;
    g.security.privPassword = read("PrivPassword");
    texts.privPassword = g.security.privPassword;
    // An addition of this module: absent in older files, which walk with GETBULK where the
    // version allows it. Only an explicit 0 turns it off.
    g.getBulk = IntegerOr(read("GetBulk"), 1) != 0;
    return true;
}

std::string QxDeviceConfig::Format(const Values& v) {
    const std::string nul(1, '\0');
    std::string out = "[Program Information]" + nul;
    auto line = [&](const char* key, const std::string& value, bool withNul) {
        out += "\r\n";
        out += key;
        out += "=";
        out += value;
        if (withNul) {
            out += nul;
        }
    };
    line("AgentIP", v.agentIp, true);
    line("AgentPort", v.agentPort, true);
    line("Version", v.version, true);
    line("SecurityName", v.securityName, !v.securityName.empty());
    line("AuthPassword", v.authPassword, true);
    line("PrivPassword", v.privPassword, true);
    line("AuthProtocol", std::to_string(v.authProtocol), true);
    line("PrivProtocol", std::to_string(v.privProtocol), true);
    line("ContextEngineID", v.contextEngineId, true);
    line("SecurityLevel", std::to_string(v.securityLevel), true);
    line("ContextName", v.contextName, true);
    line("GetCommStr", v.getCommunity, true);
    line("SetCommStr", v.setCommunity, true);
    line("UpdateDate", v.updateDate, true);
    line("UpdateTime", v.updateTime, true);
    if (!v.getBulk.empty()) {
        line("GetBulk", v.getBulk, true);
    }
    line("SecurityModel", "3", false);
    return out;
}

bool QxDeviceConfig::Write(const std::string& path, const Values& given) {
    // A GetBulk key the user put in the file stays when the settings dialog rewrites it.
    Values values = given;
    std::error_code error;
    if (values.getBulk.empty() && std::filesystem::is_regular_file(path, error)) {
        values.getBulk = QxIni(path).ReadString(Section, "GetBulk", "");
    }
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok =
        ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && WriteAll(fd, Format(values)) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
