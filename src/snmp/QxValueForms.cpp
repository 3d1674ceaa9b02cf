#include "snmp/QxValueForms.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <clocale>
#include <limits>

namespace {

constexpr std::uint32_t TicksPerDay = 8640000;
constexpr std::uint32_t TicksPerHour = 360000;
constexpr std::uint32_t TicksPerMinute = 6000;
constexpr std::uint32_t TicksPerSecond = 100;

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0;
}

char DecimalPoint() {
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && point[0] != '\0' ? point[0] : '.';
}

// Days from 1970-01-01 to a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2 ? 1 : 0;
}

// Day 0 of the day count, 1899-12-30, in days since 1970-01-01.
constexpr long long DayCountEpoch = -25569;
// The day count of 9999-12-31; beyond it no four-digit year exists.
constexpr double MaxDayCount = 2958465.99999;
// The day count of 0100-01-01.
constexpr double MinDayCount = -657434.0;

} // namespace

std::string OctetsToHex(std::string_view octets) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        text.push_back(Digits[c >> 4]);
        text.push_back(Digits[c & 0x0F]);
    }
    return text;
}

std::string HexToOctets(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c != ' ') {
            digits.push_back(c);
        }
    }
    std::string octets;
    size_t i = 0;
    if (digits.size() % 2 == 1) {
        octets.push_back(static_cast<char>(HexValue(digits[0])));
        i = 1;
    }
    for (; i + 1 < digits.size(); i += 2) {
        octets.push_back(static_cast<char>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1])));
    }
    return octets;
}

std::string OctetsToPlain(std::string_view octets) {
    size_t end = octets.find('\0');
    return std::string(octets.substr(0, end));
}

std::string TicksToText(std::uint32_t t) {
    unsigned long d = t / TicksPerDay;
    unsigned long h = (t % TicksPerDay) / TicksPerHour;
    unsigned long m = (t % TicksPerHour) / TicksPerMinute;
    unsigned long s = (t % TicksPerMinute) / TicksPerSecond;
    unsigned long c = t % TicksPerSecond;
    char buf[64];
    if (d == 0) {
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    } else if (d == 1) {
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    } else {
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    }
    return buf;
}

std::uint32_t TicksFromText(std::string_view text) {
    // Read in wrap-around 32-bit arithmetic, as the value is sent.
    std::uint32_t total = 0;
    std::string_view rest = text;
    size_t word = rest.find("days");
    size_t wordLength = 4;
    if (word == std::string_view::npos) {
        word = rest.find("day");
        wordLength = 3;
    }
    if (word != std::string_view::npos) {
        total += static_cast<std::uint32_t>(ReadLong(rest.substr(0, word))) * TicksPerDay;
        rest = rest.substr(word + wordLength);
    }
    size_t comma = rest.find_first_not_of(' ');
    if (comma != std::string_view::npos && rest[comma] == ',') {
        rest = rest.substr(comma + 1);
    }
    size_t colon = rest.find(':');
    if (colon != std::string_view::npos) {
        total += static_cast<std::uint32_t>(ReadLong(rest.substr(0, colon))) * TicksPerHour;
        rest = rest.substr(colon + 1);
        colon = rest.find(':');
        if (colon != std::string_view::npos) {
            total += static_cast<std::uint32_t>(ReadLong(rest.substr(0, colon))) * TicksPerMinute;
            rest = rest.substr(colon + 1);
        }
    }
    size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        total += static_cast<std::uint32_t>(ReadLong(rest.substr(0, dot))) * TicksPerSecond;
        total += static_cast<std::uint32_t>(ReadLong(rest.substr(dot + 1)));
    }
    return total;
}

std::string FloatToText(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    if (value == 0) {
        return "0";
    }
    // Rounded to 15 significant digits first: the notation depends on the rounded value, so
    // that 999999999999999.9 (which rounds to 1E15) is not printed with 16 digits.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", value);
    std::string s = buf;
    size_t e = s.find('E');
    int exponent = std::atoi(s.c_str() + e + 1);
    auto trimZeros = [](std::string& digits) {
        if (digits.find_first_of(".,") == std::string::npos) {
            return;
        }
        while (digits.back() == '0') {
            digits.pop_back();
        }
        if (digits.back() == '.' || digits.back() == ',') {
            digits.pop_back();
        }
    };
    std::string text;
    if (exponent >= -5 && exponent < 15) {
        // Plain notation with 15 significant digits, trailing zeros removed.
        std::snprintf(buf, sizeof buf, "%.*f", 14 - exponent, value);
        text = buf;
        trimZeros(text);
    } else {
        std::string mantissa = s.substr(0, e);
        trimZeros(mantissa);
        text = mantissa + "E" + std::to_string(exponent);
    }
    char point = DecimalPoint();
    for (char& c : text) {
        if (c == '.' || c == ',') {
            c = point;
        }
    }
    return text;
}

double FloatFromText(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str()) {
        return 0.0;
    }
    return v;
}

std::string DayCountToText(double days) {
    if (!std::isfinite(days) || days > MaxDayCount || days < MinDayCount) {
        return FloatToText(days);
    }
    double whole = std::trunc(days);
    double fraction = std::fabs(days - whole);
    auto ms = static_cast<long long>(std::llround(fraction * 86400000.0));
    auto day = static_cast<long long>(whole);
    if (ms >= 86400000LL) {
        ms -= 86400000LL;
        day += days >= 0 ? 1 : -1;
    }
    long long y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilFromDays(day + DayCountEpoch, y, m, d);
    long long secondsOfDay = ms / 1000;
    int hour = static_cast<int>(secondsOfDay / 3600);
    int minute = static_cast<int>(secondsOfDay / 60 % 60);
    int second = static_cast<int>(secondsOfDay % 60);
    int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld/%02u/%02u %02d:%02d:%02d %s", y, m, d, hour12, minute,
                  second, hour < 12 ? "am" : "pm");
    return buf;
}

double DayCountFromText(std::string_view text) {
    long long f[6] = {};
    int count = 0;
    size_t i = 0;
    while (i < text.size() && count < 6) {
        if (text[i] >= '0' && text[i] <= '9') {
            long long n = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                n = n < 100000000 ? n * 10 + (text[i] - '0') : n;
                ++i;
            }
            f[count++] = n;
        } else {
            ++i;
        }
    }
    if (count < 3 || f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > 31) {
        return 0.0;
    }
    long long hour = f[3];
    std::string rest(text.substr(i));
    for (char& c : rest) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (rest.find("pm") != std::string::npos && hour < 12) {
        hour += 12;
    } else if (rest.find("am") != std::string::npos && hour == 12) {
        hour = 0;
    }
    long long day = DaysFromCivil(f[0], static_cast<unsigned>(f[1]), static_cast<unsigned>(f[2])) -
                    DayCountEpoch;
    double fraction = static_cast<double>(hour * 3600 + f[4] * 60 + f[5]) / 86400.0;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

long long ReadLong(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        int digit = text[i] - '0';
        if (n > (LLONG_MAX - digit) / 10) {
            n = LLONG_MAX;
            // Keep consuming digits; the value stays saturated.
            continue;
        }
        n = n * 10 + digit;
    }
    return negative ? -n : n;
}

std::int32_t ReadInt32(std::string_view text) {
    long long n = ReadLong(text);
    if (n > static_cast<long long>(UINT32_MAX)) {
        return INT32_MAX;
    }
    if (n < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

std::uint32_t ReadUInt32(std::string_view text) {
    long long n = ReadLong(text);
    if (n > static_cast<long long>(UINT32_MAX)) {
        return UINT32_MAX;
    }
    if (n < INT32_MIN) {
        return 0;
    }
    return static_cast<std::uint32_t>(n);
}

std::uint64_t ReadCounter64(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return 0;
    }
    std::string_view digits = text.substr(first, last - first + 1);
    bool allDigits = !digits.empty();
    for (char c : digits) {
        allDigits = allDigits && c >= '0' && c <= '9';
    }
    if (allDigits) {
        std::string s(digits);
        errno = 0;
        unsigned long long v = std::strtoull(s.c_str(), nullptr, 10);
        return errno == ERANGE ? std::numeric_limits<std::uint64_t>::max() : v;
    }
    double v = FloatFromText(text);
    if (!(v > 0)) {
        return 0;
    }
    if (v >= 18446744073709551616.0) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    return static_cast<std::uint64_t>(v);
}
