#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct QxSNMPGlobal;

// The suite's command line: one switch per argument, recognised by a two-character marker
// anywhere in the argument, its value being the rest of the argument after the marker.
class QxCommandLine {
public:
    // Resolves a host name or dotted address to the dotted text of its first IPv4 address.
    using Resolver = std::function<std::optional<std::string>(const std::string& host)>;

    enum class Result { Ok, HostError };

    // Applies the switches to the connection record in argument order. "/b0" (an addition of
    // this module, tried after every other marker) keeps table walks on get-next. Stops with
    // HostError at a "/I" host that does not resolve; raises QxError for an integer switch whose
    // value is not an integer. With HostError, `unresolvedHost` (when given) gets the host text.
    static Result Parse(const std::vector<std::string>& args, QxSNMPGlobal& global,
                        const Resolver& resolve = ResolveIPv4,
                        std::string* unresolvedHost = nullptr);

    // The message for a host that does not resolve, naming it.
    static std::string HostErrorText(const std::string& host);

    // The host text of the last argument that begins with "/I" and is longer than it, taken
    // literally; empty when there is none.
    static std::string InstanceHost(const std::vector<std::string>& args);

    static std::optional<std::string> ResolveIPv4(const std::string& host);

    // A strict decimal integer: optional sign and digits only, within 32 bits.
    static std::optional<long> StrictInteger(const std::string& text);
};
