#include "binding/QxOctetForm.h"
#include "binding/QxBindingError.h"

#include "shell/QxError.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxValueForms.h"
#include "snmp/QxValueText.h"
#include "snmp/QxVb.h"
#include "snmp/UISnmpVar.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr int BadSyntax = 11;
constexpr int BadPartValue = 18;
constexpr int OutOfRange = 19;

// Part widths of the syntaxes that have no fixed width.
constexpr int ToEnd = -1;

// The width of a syntax's part in octets; raises -511 for a syntax without an octet form.
int PartWidth(int syntax) {
    switch (syntax) {
    case sxNull:
        return 0;
    case sxBool8:
    case sxInt8:
    case sxUint8:
        return 1;
    case sxBool16:
    case sxInt16:
    case sxUint16:
        return 2;
    case sxBoolean:
    case sxInteger:
    case sxIpaddress:
    case sxNsapaddr:
    case sxCounter:
    case sxGuage:
    case sxUinteger:
    case sxTimeticks:
        return 4;
    case sxMacaddress:
        return 6;
    case sxCounter64:
    case sxDouble:
    case sxBcdatetime:
        return 8;
    case sxDatetime:
        return 11;
    case sxIpv6address:
        return 16;
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
    case sxObjectid:
    case sxDisplaystr:
        return ToEnd;
    default:
        throw QxError::Framework(BadSyntax);
    }
}

bool IsPartSyntax(int syntax) {
    return syntax >= sxBool8 && syntax <= sxUint16;
}

// An empty octet string is a value of its own for these syntaxes, shown as the empty text.
bool EmptyIsAValue(int syntax) {
    return syntax == sxBitstr || syntax == sxOctetstr || syntax == sxOpaque ||
           syntax == sxDisplaystr;
}

std::string LittleEndian(std::uint64_t value, int width) {
    std::string octets;
    for (int k = 0; k < width; ++k) {
        octets.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
    }
    return octets;
}

std::uint64_t FromLittleEndian(std::string_view octets, int width) {
    std::uint64_t value = 0;
    for (int k = width - 1; k >= 0; --k) {
        value = (value << 8) | static_cast<unsigned char>(octets[static_cast<size_t>(k)]);
    }
    return value;
}

std::string BigEndian(std::uint32_t value, int width) {
    std::string octets;
    for (int k = width - 1; k >= 0; --k) {
        octets.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
    }
    return octets;
}

std::uint32_t FromBigEndian(std::string_view octets, int width) {
    std::uint32_t value = 0;
    for (int k = 0; k < width; ++k) {
        value = (value << 8) | static_cast<unsigned char>(octets[static_cast<size_t>(k)]);
    }
    return value;
}

// The value texts of the SNMP syntaxes are those a request sends and shows, so a text and its
// octet form go through the same conversions: text -> SNMP value -> octets, and back.
QxVb ValueOfText(const std::string& text, int syntax) {
    QxSNMPVarList one;
    one.AppendRow("0", "", syntax, acReadwrite, nullptr);
    one.Entry(0).value = text;
    QxVb vb;
    ValueToVb(one, 0, vb);
    return vb;
}

std::string TextOfValue(const QxVb& vb, int syntax) {
    QxSNMPVarList one;
    one.AppendRow("0", "", syntax, acReadwrite, nullptr);
    ValueFromVb(one, 0, vb);
    return one.Entry(0).value;
}

std::string PartTextToOctets(const std::string& text, int syntax, int width) {
    if (syntax == sxBool8 || syntax == sxBool16) {
        return BigEndian(text == "true" ? 1 : 0, width);
    }
    // Both the signed and the unsigned spelling of the part's bit pattern are taken, as for
    // 32-bit values; anything wider would lose its high bits and write a different number.
    long long n = ReadLong(text);
    const long long low = -(1LL << (8 * width - 1));
    const long long high = (1LL << (8 * width)) - 1;
    if (n < low || n > high) {
        throw BindingError(BadPartValue);
    }
    return BigEndian(static_cast<std::uint32_t>(n), width);
}

std::string PartOctetsToText(std::string_view octets, int syntax, int width) {
    std::uint32_t bits = FromBigEndian(octets, width);
    switch (syntax) {
    case sxBool8:
    case sxBool16:
        return bits != 0 ? "true" : "false";
    case sxInt8:
        return std::to_string(static_cast<std::int8_t>(bits));
    case sxInt16:
        return std::to_string(static_cast<std::int16_t>(bits));
    default:
        return std::to_string(bits);
    }
}

} // namespace

std::string TextToOctets(const std::string& text, int syntax) {
    const int width = PartWidth(syntax);
    if (text == "(NULL)") {
        return {};
    }
    if (IsPartSyntax(syntax)) {
        return PartTextToOctets(text, syntax, width);
    }
    QxVb vb = ValueOfText(text, syntax);
    switch (syntax) {
    case sxNull:
        return {};
    case sxBoolean:
    case sxInteger:
        return LittleEndian(static_cast<std::uint32_t>(vb.integer), 4);
    case sxCounter:
    case sxGuage:
    case sxUinteger:
    case sxTimeticks:
        return LittleEndian(vb.unsigned32, 4);
    case sxCounter64:
        // Low 32 bits then high 32 bits, each least significant first.
        return LittleEndian(vb.counter64, 8);
    case sxObjectid: {
        std::string octets;
        for (std::uint32_t id : vb.objectId) {
            octets += LittleEndian(id, 4);
        }
        return octets;
    }
    default:
        // Octet strings, addresses, double, both date-times, display strings: the octets the
        // SNMP value carries.
        return vb.octets;
    }
}

std::string OctetsToText(const std::string& octets, int syntax) {
    const int width = PartWidth(syntax);
    if (octets.empty()) {
        return EmptyIsAValue(syntax) ? "" : "(NULL)";
    }
    if (width > 0 && octets.size() < static_cast<size_t>(width)) {
        throw BindingError(BadPartValue);
    }
    if (IsPartSyntax(syntax)) {
        return PartOctetsToText(octets, syntax, width);
    }
    QxVb vb;
    switch (syntax) {
    case sxNull:
        vb.SetNull();
        break;
    case sxBoolean:
    case sxInteger:
        vb.SetInteger(static_cast<std::int32_t>(FromLittleEndian(octets, 4)));
        break;
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        vb.SetUnsigned(QxVb::Gauge32, static_cast<std::uint32_t>(FromLittleEndian(octets, 4)));
        break;
    case sxTimeticks:
        vb.SetUnsigned(QxVb::TimeTicks, static_cast<std::uint32_t>(FromLittleEndian(octets, 4)));
        break;
    case sxCounter64:
        vb.SetCounter64(FromLittleEndian(octets, 8));
        break;
    case sxIpaddress:
    case sxNsapaddr:
        vb.SetOctets(QxVb::IpAddress, octets.substr(0, 4));
        break;
    case sxObjectid: {
        // A trailing piece shorter than a sub-identifier is not part of any number.
        if (octets.size() % 4 != 0) {
            throw BindingError(BadPartValue);
        }
        QxOid ids;
        for (size_t k = 0; k < octets.size(); k += 4) {
            ids.push_back(static_cast<std::uint32_t>(
                FromLittleEndian(std::string_view(octets).substr(k, 4), 4)));
        }
        vb.SetObjectId(std::move(ids));
        break;
    }
    default:
        vb.SetOctets(QxVb::OctetString, octets);
        break;
    }
    return TextOfValue(vb, syntax);
}

std::string ExtractPart(const std::string& octets, int byteOffset, int syntax) {
    const int width = PartWidth(syntax);
    if (octets.empty()) {
        return {};
    }
    if (byteOffset < 0 || static_cast<size_t>(byteOffset) > octets.size()) {
        throw BindingError(OutOfRange);
    }
    const size_t offset = static_cast<size_t>(byteOffset);
    if (width == ToEnd) {
        return octets.substr(offset);
    }
    if (octets.size() - offset < static_cast<size_t>(width)) {
        throw BindingError(OutOfRange);
    }
    return octets.substr(offset, static_cast<size_t>(width));
}

bool OctetBit(const std::string& octets, int position) {
    if (position < 0 || static_cast<size_t>(position / 8) >= octets.size()) {
        throw BindingError(OutOfRange);
    }
    const auto octet = static_cast<unsigned char>(octets[static_cast<size_t>(position / 8)]);
    return ((octet >> (7 - position % 8)) & 1) != 0;
}

void SetOctetBit(std::string& octets, int position, bool on) {
    if (position < 0) {
        throw BindingError(OutOfRange);
    }
    const size_t index = static_cast<size_t>(position / 8);
    if (octets.size() <= index) {
        octets.resize(index + 1, '\0');
    }
    const auto mask = static_cast<unsigned char>(0x80 >> (position % 8));
    auto octet = static_cast<unsigned char>(octets[index]);
    octet =
        on ? static_cast<unsigned char>(octet | mask) : static_cast<unsigned char>(octet & ~mask);
    octets[index] = static_cast<char>(octet);
}
