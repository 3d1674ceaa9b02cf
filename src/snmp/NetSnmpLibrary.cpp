#include "snmp/NetSnmpLibrary.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// The engine's private folder for what it insists on creating (certificate indexes and the
// like). Removed as soon as the engine is initialised, and again when the process ends.
class PrivateFolder {
public:
    ~PrivateFolder() { Remove(); }
    void Remove() {
        if (!path_.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(path_, ec);
        }
    }
    const std::string& Create() {
        if (path_.empty()) {
            std::error_code ec;
            std::filesystem::path base = std::filesystem::temp_directory_path(ec);
            std::string pattern =
                (ec ? std::string("/tmp") : base.string()) + "/ksw524p-snmp-XXXXXX";
            if (char* made = ::mkdtemp(pattern.data())) {
                path_ = made;
            }
        }
        return path_;
    }

private:
    std::string path_;
};

PrivateFolder& EngineFolder() {
    static PrivateFolder folder;
    return folder;
}

bool CanOpenUdpSocket() {
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = 0;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
    ::close(fd);
    return bound;
}

// RFC 3411 engine ID in the text format: enterprise number with the high bit set, format 4,
// then the text. The enterprise is the one of the device's vendor tree.
constexpr std::uint32_t EnterpriseNumber = 32473;

} // namespace

bool NetSnmpLibrary::Init() {
    static bool done = false;
    if (done) {
        return true;
    }
    if (!CanOpenUdpSocket()) {
        return false;
    }
    // Nothing of the user's or the system's configuration, no MIB files, nothing persisted.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_set_mib_directory("");
    const std::string& folder = EngineFolder().Create();
    if (!folder.empty()) {
        set_persistent_directory(folder.c_str());
        set_configuration_directory(folder.c_str());
    }
    // Silence: the engine falls back to stderr when no log handler is enabled, so a handler
    // that drops everything is registered instead.
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
    snmp_set_do_debugging(0);
    init_snmp("ksw524p");
    // The engine only looks into the folder while it initialises (nothing is persisted), so it
    // goes at once; should anything be created there later, it goes at exit.
    EngineFolder().Remove();
    done = true;
    return true;
}

void NetSnmpLibrary::SetLocalEngine(const std::string& engineIdText, std::uint32_t boots) {
    std::string id;
    id.push_back(static_cast<char>(0x80 | ((EnterpriseNumber >> 24) & 0x7f)));
    id.push_back(static_cast<char>((EnterpriseNumber >> 16) & 0xff));
    id.push_back(static_cast<char>((EnterpriseNumber >> 8) & 0xff));
    id.push_back(static_cast<char>(EnterpriseNumber & 0xff));
    id.push_back(4);
    // An engine ID holds at most 32 octets.
    id += engineIdText.substr(0, 27);
    set_exact_engineID(reinterpret_cast<const u_char*>(id.data()), id.size());
    // The engine takes its boot count as the persistent-state line "engineBoots <last boot>"
    // and counts the present boot itself.
    std::uint32_t count = std::clamp<std::uint32_t>(boots, 1u, 2147483647u);
    std::string last = std::to_string(count - 1);
    engineBoots_conf("engineBoots", last.data());
}

std::string NetSnmpLibrary::LocalEngineId() {
    u_char buffer[SNMP_MAXBUF_SMALL];
    std::size_t length = snmpv3_get_engineID(buffer, sizeof buffer);
    return std::string(reinterpret_cast<const char*>(buffer), length);
}

std::uint32_t NetSnmpLibrary::LocalEngineBoots() {
    return static_cast<std::uint32_t>(snmpv3_local_snmpEngineBoots());
}

void NetSnmpLibrary::ForgetUser(const std::string& securityName,
                                const std::vector<std::string>& keepEngineIds) {
    std::vector<usmUser*> stale;
    for (usmUser* user = usm_get_userList(); user != nullptr; user = user->next) {
        if (user->name == nullptr || securityName != user->name) {
            continue;
        }
        std::string engine(reinterpret_cast<const char*>(user->engineID), user->engineIDLen);
        if (std::find(keepEngineIds.begin(), keepEngineIds.end(), engine) == keepEngineIds.end()) {
            stale.push_back(user);
        }
    }
    for (usmUser* user : stale) {
        usm_remove_user(user);
        usm_free_user(user);
    }
}
