#include "shell/QxCommandLine.h"

#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <climits>
#include <memory>

namespace {

constexpr int NotAnInteger = 27;

long IntegerValue(const std::string& value) {
    std::optional<long> n = QxCommandLine::StrictInteger(value);
    if (!n) {
        throw QxError(ReplacePlaceholder(QxMessages::Framework(NotAnInteger), "[VALUE]", value),
                      QxMessages::FrameworkCode(NotAnInteger));
    }
    return *n;
}

// The markers in the order they are tried; the SNMPv3 ones count only once "/v" set version 3.
enum class Switch {
    Host,
    Version,
    Read,
    Write,
    Port,
    Context,
    Engine,
    Model,
    Level,
    Name,
    AuthPass,
    PrivPass,
    AuthProto,
    PrivProto,
    Bulk
};

struct Marker {
    const char* text;
    Switch which;
    bool v3Only;
};

constexpr Marker Markers[] = {
    {"/I", Switch::Host, false},     {"/v", Switch::Version, false},
    {"/R", Switch::Read, false},     {"/W", Switch::Write, false},
    {"/t", Switch::Port, true},      {"/c", Switch::Context, true},
    {"/d", Switch::Engine, true},    {"/m", Switch::Model, true},
    {"/l", Switch::Level, true},     {"/n", Switch::Name, true},
    {"/A", Switch::AuthPass, true},  {"/P", Switch::PrivPass, true},
    {"/a", Switch::AuthProto, true}, {"/p", Switch::PrivProto, true},
    {"/b", Switch::Bulk, false},
};

} // namespace

std::optional<long> QxCommandLine::StrictInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    long long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        n = n * 10 + (text[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) {
            return std::nullopt;
        }
    }
    n = negative ? -n : n;
    if (n > INT_MAX || n < INT_MIN) {
        return std::nullopt;
    }
    return static_cast<long>(n);
}

std::optional<std::string> QxCommandLine::ResolveIPv4(const std::string& host) {
    if (host.empty()) {
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> owner(found, freeaddrinfo);
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) == nullptr) {
        return std::nullopt;
    }
    return std::string(text);
}

std::string QxCommandLine::InstanceHost(const std::vector<std::string>& args) {
    std::string host;
    for (const std::string& arg : args) {
        if (arg.size() > 2 && arg.compare(0, 2, "/I") == 0) {
            host = arg.substr(2);
        }
    }
    return host;
}

std::string QxCommandLine::HostErrorText(const std::string& host) {
    return "Error Host Name! \"" + host + "\" is not a known host name or IPv4 address.";
}

QxCommandLine::Result QxCommandLine::Parse(const std::vector<std::string>& args, QxSNMPGlobal& g,
                                           const Resolver& resolve, std::string* unresolvedHost) {
    for (const std::string& arg : args) {
        const Marker* found = nullptr;
        size_t at = 0;
        for (const Marker& m : Markers) {
            if (m.v3Only && g.security.version != 3) {
                continue;
            }
            at = arg.find(m.text);
            if (at != std::string::npos) {
                found = &m;
                break;
            }
        }
        if (found == nullptr) {
            continue;
        }
        std::string value = arg.substr(at + 2);
        switch (found->which) {
        case Switch::Host: {
            std::optional<std::string> address = resolve(value);
            if (!address) {
                if (unresolvedHost != nullptr) {
                    *unresolvedHost = value;
                }
                return Result::HostError;
            }
            g.device.address = *address;
            break;
        }
        case Switch::Version:
            g.security.version = static_cast<std::uint8_t>(IntegerValue(value));
            break;
        case Switch::Read:
            g.security.readCommunity = value;
            break;
        case Switch::Write:
            g.security.writeCommunity = value;
            break;
        case Switch::Port:
            g.device.port = static_cast<std::uint16_t>(IntegerValue(value));
            break;
        case Switch::Context:
            g.scope.contextName = value;
            break;
        case Switch::Engine:
            g.scope.contextEngineId = value;
            break;
        case Switch::Model:
            g.security.securityModel = static_cast<std::int32_t>(IntegerValue(value));
            break;
        case Switch::Level:
            g.security.securityLevel = static_cast<std::int32_t>(IntegerValue(value));
            break;
        case Switch::Name:
            g.security.securityName = value;
            break;
        case Switch::AuthPass:
            g.security.authPassword = value;
            break;
        case Switch::PrivPass:
            g.security.privPassword = value;
            break;
        case Switch::AuthProto:
            g.security.authProtocol = static_cast<std::int32_t>(IntegerValue(value));
            break;
        case Switch::PrivProto:
            g.security.privProtocol = static_cast<std::int32_t>(IntegerValue(value));
            break;
        case Switch::Bulk:
            // "/b0" keeps get-next walks. Only a number counts: a path such as "/bin/x"
            // passed for another purpose is no switch.
            if (std::optional<long> n = StrictInteger(value)) {
                g.getBulk = *n != 0;
            }
            break;
        }
    }
    return Result::Ok;
}
