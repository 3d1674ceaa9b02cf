#include "snmp/QxValueText.h"

#include "shell/QxError.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxValueCheck.h"
#include "snmp/QxValueForms.h"
#include "snmp/QxVb.h"
#include "vocab/QxDateTime.h"
#include "vocab/QxOptionList.h"

#include <cstring>

namespace {

constexpr int BadSyntax = 11;

bool IsHexSyntax(int syntax) {
    return syntax == sxBitstr || syntax == sxOctetstr || syntax == sxOpaque ||
           syntax == sxMacaddress || syntax == sxIpv6address;
}

// The syntax codes a value text can be made for; the part syntaxes (193 and above) are shown by
// the controls, never converted here.
bool IsKnownSyntax(int syntax) {
    return (syntax >= sxBoolean && syntax <= sxObjectid) ||
           (syntax >= sxIpaddress && syntax <= sxIpv6address);
}

bool CarriesOctets(const QxVb& vb) {
    return vb.type == QxVb::OctetString || vb.type == QxVb::Opaque;
}

bool CarriesUnsigned(const QxVb& vb) {
    return vb.type == QxVb::Counter32 || vb.type == QxVb::Gauge32 || vb.type == QxVb::TimeTicks;
}

std::string IpText(std::string_view octets) {
    std::string text;
    for (size_t k = 0; k < 4; ++k) {
        if (k > 0) {
            text.push_back('.');
        }
        text += std::to_string(k < octets.size() ? static_cast<unsigned char>(octets[k]) : 0);
    }
    return text;
}

std::string IpOctets(const std::string& dotted) {
    if (auto strict = ParseIpAddress(dotted)) {
        return std::string(strict->begin(), strict->end());
    }
    QxOid numbers = OidFromText(dotted);
    if (numbers.size() != 4) {
        return std::string(4, '\0');
    }
    std::string octets;
    for (std::uint32_t n : numbers) {
        octets.push_back(static_cast<char>(n <= 255 ? n : 0));
    }
    return octets;
}

// The leading octets of a value, zero-filled when the device sent fewer.
template <size_t N> std::array<std::uint8_t, N> Leading(std::string_view octets) {
    std::array<std::uint8_t, N> out{};
    for (size_t k = 0; k < N && k < octets.size(); ++k) {
        out[k] = static_cast<std::uint8_t>(octets[k]);
    }
    return out;
}

// IEEE doubles travel least significant byte first.
double DoubleFromBytes(const std::array<std::uint8_t, 8>& b) {
    std::uint64_t bits = 0;
    for (int k = 7; k >= 0; --k) {
        bits = (bits << 8) | b[static_cast<size_t>(k)];
    }
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::uint64_t BitsOf(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

double DoubleFromBits(std::uint64_t bits) {
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string BytesOfDouble(double v) {
    std::uint64_t bits = BitsOf(v);
    std::string octets;
    for (int k = 0; k < 8; ++k) {
        octets.push_back(static_cast<char>((bits >> (8 * k)) & 0xFF));
    }
    return octets;
}

std::string DateTimeText(std::string_view octets) {
    QxDateTime dt("");
    dt.FromOctets(Leading<11>(octets));
    return dt.ToText();
}

std::string DateTimeOctets(const std::string& text) {
    std::optional<QxDateTime> strict = ParseDateTime(text);
    QxDateTime::Octets o = strict ? strict->ToOctets() : QxDateTime(text).ToOctets();
    return std::string(o.begin(), o.end());
}

// A binding whose type is not the one the entry's syntax takes is shown in its own type's
// natural form, so the entry never keeps a stale text.
std::string NaturalText(const QxVb& vb) {
    switch (vb.type) {
    case QxVb::Integer:
        return std::to_string(vb.integer);
    case QxVb::OctetString:
    case QxVb::Opaque:
        return OctetsToHex(vb.octets);
    case QxVb::ObjectId:
        return OidToText(vb.objectId);
    case QxVb::IpAddress:
        return IpText(vb.octets);
    case QxVb::Counter32:
    case QxVb::Gauge32:
        return std::to_string(vb.unsigned32);
    case QxVb::TimeTicks:
        return TicksToText(vb.unsigned32);
    case QxVb::Counter64:
        return std::to_string(vb.counter64);
    default:
        return "(NULL)";
    }
}

std::string TextFromVb(int syntax, const QxVb& vb) {
    // Checked first, so that an answer without a value cannot hide a list that is wrong.
    if (!IsKnownSyntax(syntax)) {
        throw QxError::Framework(BadSyntax);
    }
    if (IsHexSyntax(syntax)) {
        if (vb.HasNoValue()) {
            return "";
        }
        return CarriesOctets(vb) ? OctetsToHex(vb.octets) : NaturalText(vb);
    }
    if (syntax == sxNull) {
        return "(NULL)";
    }
    if (vb.HasNoValue()) {
        return syntax == sxDisplaystr ? "" : "(NULL)";
    }
    switch (syntax) {
    case sxBoolean:
        if (vb.type == QxVb::Integer) {
            return vb.integer != 0 ? "true" : "false";
        }
        break;
    case sxInteger:
        if (vb.type == QxVb::Integer) {
            return std::to_string(vb.integer);
        }
        break;
    case sxObjectid:
        if (vb.type == QxVb::ObjectId) {
            return OidToText(vb.objectId);
        }
        break;
    case sxIpaddress:
    case sxNsapaddr:
        if (vb.type == QxVb::IpAddress || CarriesOctets(vb)) {
            return IpText(vb.octets);
        }
        break;
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        if (CarriesUnsigned(vb)) {
            return std::to_string(vb.unsigned32);
        }
        break;
    case sxTimeticks:
        if (CarriesUnsigned(vb)) {
            return TicksToText(vb.unsigned32);
        }
        break;
    case sxCounter64:
        if (vb.type == QxVb::Counter64) {
            return std::to_string(vb.counter64);
        }
        break;
    case sxDouble:
        if (CarriesOctets(vb)) {
            return FloatToText(DoubleFromBytes(Leading<8>(vb.octets)));
        }
        break;
    case sxDatetime:
        if (CarriesOctets(vb)) {
            return DateTimeText(vb.octets);
        }
        break;
    case sxBcdatetime:
        if (CarriesOctets(vb)) {
            return DayCountToText(DoubleFromBytes(Leading<8>(vb.octets)));
        }
        break;
    case sxDisplaystr:
        if (CarriesOctets(vb)) {
            return OctetsToPlain(vb.octets);
        }
        break;
    default:
        throw QxError::Framework(BadSyntax);
    }
    return NaturalText(vb);
}

std::string InputText(const QxSNMPVar& v) {
    return v.options != nullptr ? v.options->ValueOf(v.value) : v.value;
}

// The texts written are checked with the strict conversions before a set is built; these read
// them with the same conversions, and fall back on the lenient readers only for texts that are
// not written (index values decoded from the device, texts of other callers).
std::int32_t Int32Of(const std::string& text) {
    return ParseInteger32(text).value_or(ReadInt32(text));
}

std::uint32_t UInt32Of(const std::string& text) {
    return ParseUnsigned32(text).value_or(ReadUInt32(text));
}

std::uint32_t TicksOf(const std::string& text) {
    return ParseTimeTicks(text).value_or(TicksFromText(text));
}

std::uint64_t Counter64Of(const std::string& text) {
    return ParseUnsigned64(text).value_or(ReadCounter64(text));
}

std::string HexOf(const std::string& text, int syntax) {
    std::optional<std::string> octets =
        syntax == sxMacaddress ? ParseMacAddress(text) : ParseHexOctets(text);
    return octets ? *octets : HexToOctets(text);
}

QxOid OidOf(const std::string& text) {
    std::optional<std::string> dotted = ParseObjectId(text);
    return OidFromText(dotted ? *dotted : text);
}

// Sub-identifiers of an instance suffix, consumed from the front.
class SubIds {
public:
    explicit SubIds(const std::string& suffix) : ids_(OidFromText(suffix)) {}
    size_t Left() const { return ids_.size() - pos_; }
    std::uint32_t Next() { return pos_ < ids_.size() ? ids_[pos_++] : 0; }
    // n octets, or as many as are left.
    std::string Octets(size_t n) {
        std::string out;
        for (size_t k = 0; k < n && pos_ < ids_.size(); ++k) {
            out.push_back(static_cast<char>(ids_[pos_++] & 0xFF));
        }
        return out;
    }
    QxOid Ids(size_t n) {
        QxOid out;
        for (size_t k = 0; k < n && pos_ < ids_.size(); ++k) {
            out.push_back(ids_[pos_++]);
        }
        return out;
    }
    std::string Rest() const {
        return OidToText(QxOid(ids_.begin() + static_cast<long>(pos_), ids_.end()));
    }

private:
    QxOid ids_;
    size_t pos_ = 0;
};

std::string JoinOctets(std::string_view octets, bool withCount) {
    std::string text = withCount ? std::to_string(octets.size()) : "";
    for (unsigned char c : octets) {
        if (!text.empty()) {
            text.push_back('.');
        }
        text += std::to_string(c);
    }
    return text;
}

std::string JoinIds(const QxOid& ids, bool withCount) {
    std::string text = withCount ? std::to_string(ids.size()) : "";
    std::string dotted = OidToText(ids);
    if (!text.empty() && !dotted.empty()) {
        text.push_back('.');
    }
    return text + dotted;
}

std::string TwoWords(std::uint64_t first, std::uint64_t second) {
    return std::to_string(first & 0xFFFFFFFFu) + "." + std::to_string(second & 0xFFFFFFFFu);
}

} // namespace

void ValueFromVb(QxSNMPVarList& vars, int i, const QxVb& vb) {
    QxSNMPVar& v = vars.Entry(i);
    std::string text = TextFromVb(v.syntax, vb);
    v.value = v.options != nullptr ? v.options->LabelOf(text) : text;
}

void ValueToVb(const QxSNMPVarList& vars, int i, QxVb& vb) {
    const QxSNMPVar& v = vars.Entry(i);
    std::string text = InputText(v);
    if (!IsKnownSyntax(v.syntax)) {
        throw QxError::Framework(BadSyntax);
    }
    if (text == "(NULL)") {
        vb.SetNull();
        return;
    }
    switch (v.syntax) {
    case sxBoolean:
        vb.SetInteger(text == "true" ? 1 : 0);
        break;
    case sxInteger:
        vb.SetInteger(Int32Of(text));
        break;
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
    case sxMacaddress:
    case sxIpv6address:
        vb.SetOctets(QxVb::OctetString, HexOf(text, v.syntax));
        break;
    case sxNull:
        vb.SetNull();
        break;
    case sxObjectid:
        vb.SetObjectId(OidOf(text));
        break;
    case sxIpaddress:
    case sxNsapaddr:
        vb.SetOctets(QxVb::IpAddress, IpOctets(text));
        break;
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        vb.SetUnsigned(QxVb::Gauge32, UInt32Of(text));
        break;
    case sxTimeticks:
        vb.SetUnsigned(QxVb::TimeTicks, TicksOf(text));
        break;
    case sxCounter64:
        vb.SetCounter64(Counter64Of(text));
        break;
    case sxDouble:
        vb.SetOctets(QxVb::OctetString, BytesOfDouble(FloatFromText(text)));
        break;
    case sxDatetime:
        vb.SetOctets(QxVb::OctetString, DateTimeOctets(text));
        break;
    case sxBcdatetime:
        vb.SetOctets(QxVb::OctetString, BytesOfDouble(DayCountFromText(text)));
        break;
    case sxDisplaystr:
        vb.SetOctets(QxVb::OctetString, text);
        break;
    }
}

std::string EncodeIndexPart(const QxSNMPVarList& vars, int i) {
    const QxSNMPVar& v = vars.Entry(i);
    std::string text = InputText(v);
    bool counted = !(i + 1 == vars.indexCount && vars.IsImplied(i));
    switch (v.syntax) {
    case sxBoolean:
        return text == "true" ? "1" : "0";
    case sxInteger:
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        return std::to_string(v.syntax == sxInteger ? static_cast<std::uint32_t>(Int32Of(text))
                                                    : UInt32Of(text));
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
        return JoinOctets(HexOf(text, v.syntax), counted);
    case sxDisplaystr:
        return JoinOctets(text, counted);
    case sxNull:
        return "";
    case sxObjectid:
        return JoinIds(OidOf(text), counted);
    case sxIpaddress:
    case sxNsapaddr:
        return JoinOctets(IpOctets(text), false);
    case sxTimeticks:
        return std::to_string(TicksOf(text));
    case sxCounter64: {
        std::uint64_t c = Counter64Of(text);
        return TwoWords(c >> 32, c);
    }
    case sxDouble: {
        std::uint64_t bits = BitsOf(FloatFromText(text));
        return TwoWords(bits, bits >> 32);
    }
    case sxMacaddress:
    case sxIpv6address: {
        size_t n = v.syntax == sxMacaddress ? 6 : 16;
        std::string octets = HexOf(text, v.syntax);
        return octets.size() < n ? "" : JoinOctets(std::string_view(octets).substr(0, n), false);
    }
    case sxDatetime:
        return JoinOctets(DateTimeOctets(text), false);
    case sxBcdatetime: {
        std::uint64_t bits = BitsOf(DayCountFromText(text));
        return TwoWords(bits, bits >> 32);
    }
    default:
        throw QxError::Framework(BadSyntax);
    }
}

std::string DecodeIndexPart(QxSNMPVarList& vars, int i, const std::string& suffix) {
    QxSNMPVar& v = vars.Entry(i);
    SubIds ids(suffix);
    bool counted = !(i + 1 == vars.indexCount && vars.IsImplied(i));
    std::string text;
    switch (v.syntax) {
    case sxBoolean:
        text = ids.Next() != 0 ? "true" : "false";
        break;
    case sxInteger:
        text = std::to_string(static_cast<std::int32_t>(ids.Next()));
        break;
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        text = std::to_string(ids.Next());
        break;
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
    case sxDisplaystr: {
        size_t n = counted ? ids.Next() : ids.Left();
        std::string octets = ids.Octets(n);
        text = v.syntax == sxDisplaystr ? OctetsToPlain(octets) : OctetsToHex(octets);
        break;
    }
    case sxNull:
        text = "(NULL)";
        break;
    case sxObjectid: {
        size_t n = counted ? ids.Next() : ids.Left();
        text = OidToText(ids.Ids(n));
        break;
    }
    case sxIpaddress:
    case sxNsapaddr:
        text = IpText(ids.Octets(4));
        break;
    case sxTimeticks:
        text = TicksToText(ids.Next());
        break;
    case sxCounter64: {
        std::uint64_t high = ids.Next();
        std::uint64_t low = ids.Next();
        text = std::to_string(high << 32 | low);
        break;
    }
    case sxDouble:
    case sxBcdatetime: {
        std::uint64_t low = ids.Next();
        std::uint64_t high = ids.Next();
        double d = DoubleFromBits(high << 32 | low);
        text = v.syntax == sxDouble ? FloatToText(d) : DayCountToText(d);
        break;
    }
    case sxMacaddress:
        text = OctetsToHex(ids.Octets(6));
        break;
    case sxIpv6address:
        text = OctetsToHex(ids.Octets(counted ? 16 : ids.Left()));
        break;
    case sxDatetime:
        text = DateTimeText(ids.Octets(11));
        break;
    default:
        throw QxError::Framework(BadSyntax);
    }
    v.value = v.options != nullptr ? v.options->LabelOf(text) : text;
    return ids.Rest();
}
