#include "snmp/QxValueCheck.h"

#include "snmp/UISnmpVar.h"
#include "vocab/QxDigits.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Only digits, at least one, and no more than `max`.
std::optional<std::uint64_t> Digits(std::string_view text, std::uint64_t max) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t n = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (n > (max - digit) / 10) {
            return std::nullopt;
        }
        n = n * 10 + digit;
    }
    return n;
}

// Cuts `text` at every `separator`; empty pieces are kept, so that "1..2" shows its gap.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<std::string> HexOctetsExactly(std::string_view text, size_t count) {
    std::optional<std::string> octets = ParseHexOctets(text);
    if (!octets || octets->size() != count) {
        return std::nullopt;
    }
    return octets;
}

bool IsLeapYear(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month) {
    static constexpr unsigned Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

// The fields of "a<s1>b<s2>c..." where each separator is given in order: exactly the numbers
// between them, each only digits.
std::optional<std::vector<std::uint64_t>> Fields(std::string_view text,
                                                 std::string_view separators) {
    std::vector<std::uint64_t> fields;
    for (char separator : separators) {
        const size_t end = text.find(separator);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        std::optional<std::uint64_t> n = Digits(text.substr(0, end), 0xFFFFFFFFu);
        if (!n) {
            return std::nullopt;
        }
        fields.push_back(*n);
        text.remove_prefix(end + 1);
    }
    std::optional<std::uint64_t> n = Digits(text, 0xFFFFFFFFu);
    if (!n) {
        return std::nullopt;
    }
    fields.push_back(*n);
    return fields;
}

bool IsDoubleText(std::string_view text) {
    const std::string s(Trimmed(text));
    if (s.empty()) {
        return false;
    }
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(v);
}

// "yyyy/mm/dd hh:nn:ss am" or "pm", as the module shows a day count.
bool IsDayCountText(std::string_view text) {
    text = Trimmed(text);
    if (text.size() < 3) {
        return false;
    }
    std::string_view half = text.substr(text.size() - 2);
    if (half != "am" && half != "pm" && half != "AM" && half != "PM") {
        return false;
    }
    text = Trimmed(text.substr(0, text.size() - 2));
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) {
        return false;
    }
    auto date = Fields(text.substr(0, space), "//");
    auto time = Fields(Trimmed(text.substr(space + 1)), "::");
    if (!date || !time) {
        return false;
    }
    const auto year = (*date)[0];
    const auto month = (*date)[1];
    const auto day = (*date)[2];
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(static_cast<unsigned>(year), static_cast<unsigned>(month)) &&
           (*time)[0] >= 1 && (*time)[0] <= 12 && (*time)[1] <= 59 && (*time)[2] <= 59;
}

} // namespace

std::optional<std::array<std::uint8_t, 4>> ParseIpAddress(std::string_view text) {
    const std::vector<std::string_view> parts = Split(Trimmed(text), '.');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 4> octets{};
    for (size_t k = 0; k < 4; ++k) {
        // At most three digits, so that "0000001" is not taken for 1.
        if (parts[k].size() > 3) {
            return std::nullopt;
        }
        std::optional<std::uint64_t> n = Digits(parts[k], 255);
        if (!n) {
            return std::nullopt;
        }
        octets[k] = static_cast<std::uint8_t>(*n);
    }
    return octets;
}

std::optional<std::int32_t> ParseInteger32(std::string_view text) {
    text = Trimmed(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::optional<std::uint64_t> n = Digits(text, limit);
    if (!n) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(*n);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::uint32_t> ParseUnsigned32(std::string_view text) {
    std::optional<std::uint64_t> n = Digits(Trimmed(text), 0xFFFFFFFFu);
    if (!n) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*n);
}

std::optional<std::uint64_t> ParseUnsigned64(std::string_view text) {
    return Digits(Trimmed(text), std::numeric_limits<std::uint64_t>::max());
}

std::optional<std::uint32_t> ParseTimeTicks(std::string_view text) {
    text = Trimmed(text);
    if (std::optional<std::uint32_t> plain = ParseUnsigned32(text)) {
        return plain;
    }
    std::uint64_t days = 0;
    if (const size_t word = text.find(" day"); word != std::string_view::npos) {
        std::optional<std::uint64_t> n = Digits(text.substr(0, word), 0xFFFFFFFFu);
        if (!n) {
            return std::nullopt;
        }
        days = *n;
        text.remove_prefix(word + 4);
        const bool plural = !text.empty() && text.front() == 's';
        if (plural) {
            text.remove_prefix(1);
        }
        // "1 day h:..." and "d days, h:..." as the module writes them.
        if (!text.empty() && text.front() == ',') {
            text.remove_prefix(1);
        }
        if (text.empty() || text.front() != ' ') {
            return std::nullopt;
        }
        text = Trimmed(text);
    }
    auto fields = Fields(text, "::.");
    if (!fields || (*fields)[1] > 59 || (*fields)[2] > 59 || (*fields)[3] > 99) {
        return std::nullopt;
    }
    if (days > 0 && (*fields)[0] > 23) {
        return std::nullopt;
    }
    const std::uint64_t total = days * 8640000 + (*fields)[0] * 360000 + (*fields)[1] * 6000 +
                                (*fields)[2] * 100 + (*fields)[3];
    if (total > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(total);
}

std::optional<std::string> ParseMacAddress(std::string_view text) {
    text = Trimmed(text);
    if (text.size() == 12) {
        return HexOctetsExactly(text, 6);
    }
    // Pairs joined by one separator used throughout.
    if (text.size() != 17) {
        return std::nullopt;
    }
    const char separator = text[2];
    if (separator != ':' && separator != '-' && separator != ' ') {
        return std::nullopt;
    }
    std::string digits;
    for (size_t k = 0; k < text.size(); ++k) {
        if (k % 3 == 2) {
            if (text[k] != separator) {
                return std::nullopt;
            }
        } else {
            digits.push_back(text[k]);
        }
    }
    return HexOctetsExactly(digits, 6);
}

std::optional<std::string> ParseHexOctets(std::string_view text) {
    std::string octets;
    int high = -1;
    for (char c : text) {
        if (c == ' ') {
            // A blank may stand between octets, never inside one.
            if (high >= 0) {
                return std::nullopt;
            }
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (high < 0) {
            high = digit;
        } else {
            octets.push_back(static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0 || octets.size() > MaxOctetStringLength) {
        return std::nullopt;
    }
    return octets;
}

std::optional<QxDateTime> ParseDateTime(std::string_view text) {
    text = Trimmed(text);
    // The date and time, then an optional offset after a second ",".
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t offsetComma = text.find(',', comma + 1);
    auto date = Fields(text.substr(0, comma), "--");
    auto time = Fields(text.substr(comma + 1, offsetComma == std::string_view::npos
                                                  ? std::string_view::npos
                                                  : offsetComma - comma - 1),
                       "::.");
    if (!date || !time) {
        return std::nullopt;
    }
    QxDateTime dt("");
    const auto& d = *date;
    const auto& t = *time;
    if (d[0] > 65535 || d[1] < 1 || d[1] > 12 || d[2] < 1 ||
        d[2] > DaysInMonth(static_cast<unsigned>(d[0]), static_cast<unsigned>(d[1])) || t[0] > 23 ||
        t[1] > 59 || t[2] > 60 || t[3] > 9) {
        return std::nullopt;
    }
    dt.year = static_cast<std::uint16_t>(d[0]);
    dt.month = static_cast<std::uint8_t>(d[1]);
    dt.day = static_cast<std::uint8_t>(d[2]);
    dt.hour = static_cast<std::uint8_t>(t[0]);
    dt.minutes = static_cast<std::uint8_t>(t[1]);
    dt.seconds = static_cast<std::uint8_t>(t[2]);
    dt.deciSeconds = static_cast<std::uint8_t>(t[3]);
    dt.direction = '+';
    if (offsetComma != std::string_view::npos) {
        std::string_view offset = text.substr(offsetComma + 1);
        if (offset.empty() || (offset.front() != '+' && offset.front() != '-')) {
            return std::nullopt;
        }
        dt.direction = offset.front();
        auto o = Fields(offset.substr(1), ":");
        if (!o || (*o)[0] > 14 || (*o)[1] > 59) {
            return std::nullopt;
        }
        dt.hoursFromUTC = static_cast<std::uint8_t>((*o)[0]);
        dt.minutesFromUTC = static_cast<std::uint8_t>((*o)[1]);
    }
    return dt;
}

std::optional<std::string> ParseObjectId(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    const std::vector<std::string_view> parts = Split(text, '.');
    if (parts.empty() || parts.size() > 128) {
        return std::nullopt;
    }
    std::string dotted;
    for (std::string_view part : parts) {
        std::optional<std::uint64_t> n = Digits(part, 0xFFFFFFFFu);
        if (!n) {
            return std::nullopt;
        }
        dotted += (dotted.empty() ? "" : ".") + std::to_string(*n);
    }
    return dotted;
}

bool IsValueText(int syntax, std::string_view text) {
    if (text == "(NULL)" || text == "(NOTDONE)") {
        return false;
    }
    switch (syntax) {
    case sxBoolean:
        return text == "true" || text == "false";
    case sxInteger:
        return ParseInteger32(text).has_value();
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
        return ParseHexOctets(text).has_value();
    case sxNull:
        return true;
    case sxObjectid:
        return ParseObjectId(text).has_value();
    case sxIpaddress:
    case sxNsapaddr:
        return ParseIpAddress(text).has_value();
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        return ParseUnsigned32(text).has_value();
    case sxTimeticks:
        return ParseTimeTicks(text).has_value();
    case sxCounter64:
        return ParseUnsigned64(text).has_value();
    case sxDouble:
        return IsDoubleText(text);
    case sxMacaddress:
        return ParseMacAddress(text).has_value();
    case sxDatetime:
        return ParseDateTime(text).has_value();
    case sxBcdatetime:
        return IsDayCountText(text);
    case sxDisplaystr:
        return text.size() <= MaxOctetStringLength;
    case sxIpv6address:
        return HexOctetsExactly(text, 16).has_value();
    default:
        return false;
    }
}

std::string ExpectedForm(int syntax) {
    switch (syntax) {
    case sxBoolean:
        return "true or false";
    case sxInteger:
        return "a whole number from -2147483648 to 2147483647";
    case sxBitstr:
    case sxOctetstr:
    case sxOpaque:
        return "hexadecimal octets, two digits each (for example 0A1BFF), at most 65535 octets";
    case sxObjectid:
        return "an object identifier of dotted numbers (for example 1.3.6.1.4.1)";
    case sxIpaddress:
    case sxNsapaddr:
        return "an IP address of four numbers from 0 to 255 joined by dots (for example "
               "192.168.0.1)";
    case sxCounter:
    case sxGuage:
    case sxUinteger:
        return "a whole number from 0 to 4294967295";
    case sxTimeticks:
        return "a time in hundredths of a second from 0 to 4294967295, or in the form "
               "\"d days, h:mm:ss.cc\"";
    case sxCounter64:
        return "a whole number from 0 to 18446744073709551615";
    case sxDouble:
        return "a decimal number";
    case sxMacaddress:
        return "a MAC address of six two-digit hexadecimal octets (for example 00:1A:2B:3C:4D:5E "
               "or 001A2B3C4D5E)";
    case sxDatetime:
        return "a date and time as year-month-day,hour:minute:second.tenths with an optional "
               "offset from UTC (for example 2026-12-11,9:05:03.0,+8:0)";
    case sxBcdatetime:
        return "a date and time as yyyy/mm/dd hh:nn:ss am or pm";
    case sxDisplaystr:
        return "a text of at most 65535 characters";
    case sxIpv6address:
        return "an IPv6 address of sixteen two-digit hexadecimal octets";
    default:
        return "a value of its kind";
    }
}

std::string RefusalText(const std::string& label, std::string_view text, int syntax) {
    // A long paste is not repeated in full.
    constexpr size_t Shown = 60;
    std::string shown(text.substr(0, Shown));
    if (text.size() > Shown) {
        shown += "...";
    }
    return "\"" + label + "\": \"" + shown + "\" is not a valid value.\nPlease enter " +
           ExpectedForm(syntax) + ".";
}

std::string TooLongText(const std::string& label, std::size_t length, std::size_t limit) {
    return "\"" + label + "\": a text of " + std::to_string(length) +
           " characters does not fit.\nThis field takes at most " + std::to_string(limit) +
           " characters; nothing was cut or changed.";
}
