#include "SimValue.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

template <typename T> std::optional<T> ParseNumber(std::string_view text) {
    T v{};
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && text.front() == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, v);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return v;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex octets, optionally separated by spaces or colons ("00 1a:2B").
std::optional<std::string> ParseHex(std::string_view text) {
    std::string out;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ':' || c == '\t') {
            if (high >= 0)
                return std::nullopt; // a separator inside an octet
            continue;
        }
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        if (high < 0) {
            high = d;
        } else {
            out.push_back(static_cast<char>(high * 16 + d));
            high = -1;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return out;
}

} // namespace

std::string OidText(const SimOid& name) {
    std::string text;
    for (size_t i = 0; i < name.size(); ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(name[i]);
    }
    return text;
}

std::optional<SimOid> ParseOid(std::string_view text) {
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    SimOid name;
    while (true) {
        const size_t dot = text.find('.');
        const auto part = ParseNumber<uint32_t>(text.substr(0, dot));
        if (!part || text.substr(0, dot).front() == '+')
            return std::nullopt;
        name.push_back(*part);
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
    if (name.size() < 2 || name.size() > MAX_OID_LEN)
        return std::nullopt;
    return name;
}

bool StartsWith(const SimOid& name, const SimOid& prefix) {
    return name.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), name.begin());
}

std::optional<SimType> TypeOfTag(unsigned tag) {
    switch (tag) {
    case 2:
    case 4:
    case 5:
    case 6:
    case 64:
    case 65:
    case 66:
    case 67:
    case 68:
    case 70:
        return static_cast<SimType>(tag);
    default:
        return std::nullopt;
    }
}

const char* TypeName(SimType type) {
    switch (type) {
    case SimType::Integer:
        return "Integer";
    case SimType::OctetString:
        return "OctetString";
    case SimType::Null:
        return "Null";
    case SimType::ObjectId:
        return "ObjectIdentifier";
    case SimType::IpAddress:
        return "IpAddress";
    case SimType::Counter32:
        return "Counter32";
    case SimType::Gauge32:
        return "Gauge32";
    case SimType::TimeTicks:
        return "TimeTicks";
    case SimType::Opaque:
        return "Opaque";
    case SimType::Counter64:
        return "Counter64";
    }
    return "?";
}

SimValue SimValue::Integer(int32_t v) {
    SimValue value;
    value.type = SimType::Integer;
    value.number = static_cast<uint64_t>(static_cast<int64_t>(v));
    return value;
}

SimValue SimValue::Unsigned(SimType type, uint64_t v) {
    SimValue value;
    value.type = type;
    value.number = type == SimType::Counter64 ? v : (v & 0xFFFFFFFFu);
    return value;
}

SimValue SimValue::Octets(std::string v, SimType type) {
    SimValue value;
    value.type = type;
    value.bytes = std::move(v);
    return value;
}

SimValue SimValue::Ip(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return Octets(std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                              static_cast<char>(d)},
                  SimType::IpAddress);
}

SimValue SimValue::Object(SimOid v) {
    SimValue value;
    value.type = SimType::ObjectId;
    value.name = std::move(v);
    return value;
}

bool SimConstraint::Allows(int64_t v) const {
    if (ranges.empty())
        return true;
    for (const SimRange& r : ranges) {
        if (v >= r.low && v <= r.high)
            return true;
    }
    return false;
}

bool SimConstraint::AllowsName(const SimOid& name) const {
    return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<SimConstraint> ParseNameConstraint(std::string_view text) {
    SimConstraint constraint;
    while (true) {
        const size_t comma = text.find(',');
        const auto name = ParseOid(text.substr(0, comma));
        if (!name)
            return std::nullopt;
        constraint.names.push_back(*name);
        if (comma == std::string_view::npos)
            return constraint;
        text.remove_prefix(comma + 1);
    }
}

std::optional<SimConstraint> ParseConstraint(std::string_view text) {
    SimConstraint constraint;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const size_t dots = item.find("..");
        SimRange range;
        if (dots == std::string_view::npos) {
            const auto v = ParseNumber<int64_t>(item);
            if (!v)
                return std::nullopt;
            range = {*v, *v};
        } else {
            const auto low = ParseNumber<int64_t>(item.substr(0, dots));
            const auto high = ParseNumber<int64_t>(item.substr(dots + 2));
            if (!low || !high || *low > *high)
                return std::nullopt;
            range = {*low, *high};
        }
        constraint.ranges.push_back(range);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (text.empty())
            return std::nullopt; // a trailing comma
    }
    if (constraint.ranges.empty())
        return std::nullopt;
    return constraint;
}

std::optional<SimValue> ParseValue(SimType type, bool hex, std::string_view text,
                                   std::string& why) {
    if (hex && type != SimType::OctetString && type != SimType::Opaque &&
        type != SimType::IpAddress) {
        why =
            std::string("hexadecimal values are only for OctetString, Opaque and IpAddress, not ") +
            TypeName(type);
        return std::nullopt;
    }
    switch (type) {
    case SimType::Integer: {
        const auto v = ParseNumber<int32_t>(text);
        if (!v) {
            why = "not a 32-bit integer: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Integer(*v);
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        const auto v = ParseNumber<uint32_t>(text);
        if (!v || text.front() == '+') {
            why = "not an unsigned 32-bit number: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Unsigned(type, *v);
    }
    case SimType::Counter64: {
        const auto v = ParseNumber<uint64_t>(text);
        if (!v || text.front() == '+') {
            why = "not an unsigned 64-bit number: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Unsigned(type, *v);
    }
    case SimType::OctetString:
    case SimType::Opaque: {
        if (!hex)
            return SimValue::Octets(std::string(text), type);
        const auto bytes = ParseHex(text);
        if (!bytes) {
            why = "not hexadecimal octets: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Octets(*bytes, type);
    }
    case SimType::IpAddress: {
        if (hex) {
            const auto bytes = ParseHex(text);
            if (!bytes || bytes->size() != 4) {
                why = "not four hexadecimal octets: \"" + std::string(text) + "\"";
                return std::nullopt;
            }
            return SimValue::Octets(*bytes, SimType::IpAddress);
        }
        std::string bytes;
        std::string_view rest = text;
        for (int i = 0; i < 4; ++i) {
            const size_t dot = rest.find('.');
            if ((i < 3) == (dot == std::string_view::npos)) {
                bytes.clear();
                break;
            }
            const auto part = ParseNumber<uint8_t>(rest.substr(0, dot));
            if (!part || rest.front() == '+') {
                bytes.clear();
                break;
            }
            bytes.push_back(static_cast<char>(*part));
            rest = i < 3 ? rest.substr(dot + 1) : std::string_view();
        }
        if (bytes.size() != 4) {
            why = "not an IPv4 address: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Octets(bytes, SimType::IpAddress);
    }
    case SimType::ObjectId: {
        const auto name = ParseOid(text);
        if (!name) {
            why = "not an object identifier: \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        return SimValue::Object(*name);
    }
    case SimType::Null:
        if (!text.empty()) {
            why = "a Null value has no text";
            return std::nullopt;
        }
        return SimValue{};
    }
    why = "unknown type";
    return std::nullopt;
}
