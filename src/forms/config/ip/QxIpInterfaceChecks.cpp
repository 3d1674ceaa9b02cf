#include "forms/config/ip/QxIpInterfaceChecks.h"

#include <cstdint>
#include <optional>

namespace {

// The dot-separated parts of a text, empty ones included.
std::vector<std::string> Parts(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// A part of decimal digits as a number; none when it is empty, holds anything else, or is too
// large to be an address part.
std::optional<unsigned> PartValue(const std::string& part) {
    if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : part) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

bool QxIpInterfaceChecks::IsValidAddress(const std::string& text) {
    if (text.empty() || text.size() > 16 || text.find_first_not_of("0123456789.") != text.npos) {
        return false;
    }
    const std::vector<std::string> parts = Parts(text);
    if (parts.size() != 4) {
        return false;
    }
    unsigned values[4] = {};
    for (size_t i = 0; i < 4; ++i) {
        std::optional<unsigned> value = PartValue(parts[i]);
        if (!value) {
            return false;
        }
        values[i] = *value;
    }
    const bool allZero = values[0] == 0 && values[1] == 0 && values[2] == 0 && values[3] == 0;
    const bool allOnes =
        values[0] == 255 && values[1] == 255 && values[2] == 255 && values[3] == 255;
    if (allZero || allOnes) {
        return false;
    }
    const unsigned first = values[0];
    // Loopback, then class D (multicast) and class E up to 247.
    return first != 127 && !(first >= 224 && first <= 247);
}

bool QxIpInterfaceChecks::IsValidMask(const std::string& text) {
    return text == "255.0.0.0" || text == "255.255.0.0" || text == "255.255.255.0";
}

std::string QxIpInterfaceChecks::Network(const std::string& address, const std::string& mask) {
    size_t kept = 4;
    if (mask == "255.0.0.0") {
        kept = 1;
    } else if (mask == "255.255.0.0") {
        kept = 2;
    } else if (mask == "255.255.255.0") {
        kept = 3;
    }
    std::vector<std::string> parts = Parts(address);
    std::string network;
    for (size_t i = 0; i < 4; ++i) {
        unsigned value = 0;
        if (i < kept && i < parts.size()) {
            // A part the device reported oddly counts as 0 rather than stopping the check.
            value = PartValue(parts[i]).value_or(0);
        }
        network += (i > 0 ? "." : "") + std::to_string(value);
    }
    return network;
}

std::string QxIpInterfaceChecks::CheckAdd(const NewInterface& added, const std::vector<Row>& rows) {
    if (!IsValidAddress(added.address)) {
        return InvalidAddress;
    }
    if (!IsValidMask(added.mask)) {
        return InvalidMask;
    }
    const std::string network = Network(added.address, added.mask);
    for (const Row& row : rows) {
        if (Network(row.address, row.mask) == network) {
            return SameNetwork;
        }
    }
    // The IF index is the device's own (its column is read-only): it is never written, so
    // nothing typed there is asked for or compared.
    if (added.name.empty()) {
        return NoName;
    }
    for (const Row& row : rows) {
        if (row.name == added.name) {
            return UsedName;
        }
    }
    if (std::string vlan = CheckVlan(added, rows); !vlan.empty()) {
        return vlan;
    }
    if (!added.modeChosen) {
        return NoMode;
    }
    if (!added.operChosen) {
        return NoLinkState;
    }
    return {};
}

// A VLAN carries one primary interface and at most one secondary one, the primary first.
std::string QxIpInterfaceChecks::CheckVlan(const NewInterface& added,
                                           const std::vector<Row>& rows) {
    if (added.secondary.empty()) {
        return NoSecondary;
    }
    const bool secondary = added.secondary == "true";
    int seen = 0;
    for (const Row& row : rows) {
        if (row.vlan != added.vlan) {
            continue;
        }
        ++seen;
        if (seen == 1) {
            if (added.secondary == "false") {
                return PrimaryExists;
            }
            if (secondary && row.secondary == "true") {
                return UsedVlan;
            }
        } else {
            return VlanFull;
        }
    }
    if (seen == 0 && secondary) {
        return NoPrimary;
    }
    return {};
}

std::string QxIpInterfaceChecks::CheckDelete(const std::vector<Row>& rows, int selected) {
    if (selected < 0 || selected >= static_cast<int>(rows.size())) {
        return {};
    }
    const Row& row = rows[static_cast<size_t>(selected)];
    if (row.name == SystemName) {
        return SystemInterface;
    }
    if (row.secondary != "false") {
        return {};
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<int>(i) != selected && rows[i].vlan == row.vlan) {
            return SecondaryFirst;
        }
    }
    return {};
}

std::string QxIpInterfaceChecks::CheckEdit(bool modeChosen, bool operChosen) {
    if (!modeChosen) {
        return NoMode;
    }
    if (!operChosen) {
        return NoLinkState;
    }
    return {};
}
