#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An object identifier as net-snmp stores it; std::vector's ordering is the SNMP
// lexicographic ordering (a prefix sorts before its extensions).
using SimOid = std::vector<oid>;

std::string OidText(const SimOid& name);
// Parses "1.3.6.1..." (a leading dot is allowed); nullopt for anything else.
std::optional<SimOid> ParseOid(std::string_view text);
bool StartsWith(const SimOid& name, const SimOid& prefix);

// The syntaxes the simulator serves. The numbers are the BER tags, which are also the type
// tags of the snmprec data format.
enum class SimType : uint8_t {
    Integer = 2,
    OctetString = 4,
    Null = 5,
    ObjectId = 6,
    IpAddress = 64,
    Counter32 = 65,
    Gauge32 = 66,
    TimeTicks = 67,
    Opaque = 68,
    Counter64 = 70,
};

// The SimType of a type tag, nullopt for an unknown tag.
std::optional<SimType> TypeOfTag(unsigned tag);
const char* TypeName(SimType type);

struct SimValue {
    SimType type = SimType::Null;
    uint64_t number = 0; // Integer (two's complement of a 32-bit value), the unsigned types
    std::string bytes;   // OctetString, Opaque, IpAddress (4 octets)
    SimOid name;         // ObjectId

    static SimValue Integer(int32_t v);
    static SimValue Unsigned(SimType type, uint64_t v); // Counter32, Gauge32, TimeTicks, Counter64
    static SimValue Octets(std::string v, SimType type = SimType::OctetString);
    static SimValue Ip(uint8_t a, uint8_t b, uint8_t c, uint8_t d);
    static SimValue Object(SimOid v);

    int32_t AsInteger() const { return static_cast<int32_t>(static_cast<uint32_t>(number)); }
    bool operator==(const SimValue&) const = default;
};

// Allowed values of a writable object: integer values or octet-string sizes, as a list of
// closed ranges, or for an object identifier the list of the identifiers it may take. An
// empty list allows everything the type allows.
struct SimRange {
    int64_t low = 0;
    int64_t high = 0;

    bool operator==(const SimRange&) const = default;
};

struct SimConstraint {
    std::vector<SimRange> ranges;
    std::vector<SimOid> names;

    bool Allows(int64_t v) const;
    bool AllowsName(const SimOid& name) const;
    bool operator==(const SimConstraint&) const = default;
};

// Parses "a..b,c,d..e" (integers, possibly negative); nullopt when malformed.
std::optional<SimConstraint> ParseConstraint(std::string_view text);
// Parses "1.3.6...,1.3.6..." (dotted object identifiers); nullopt when malformed.
std::optional<SimConstraint> ParseNameConstraint(std::string_view text);

// Parses the value field of a data line. `hex` selects hexadecimal octets ("4x", "68x",
// "64x"). On failure returns nullopt and says why.
std::optional<SimValue> ParseValue(SimType type, bool hex, std::string_view text, std::string& why);
