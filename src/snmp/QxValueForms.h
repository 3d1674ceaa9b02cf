#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text forms in which the program holds SNMP values. Every reader accepts any text and
// never reads past its end; what does not parse gives 0 or an empty value.

// Two uppercase hexadecimal digits per octet, no separators.
std::string OctetsToHex(std::string_view octets);
// Blanks are ignored; an odd count makes the first digit an octet of its own; a character that
// is not a hexadecimal digit counts as 0.
std::string HexToOctets(std::string_view text);

// The octets as characters, ending at the first NUL octet.
std::string OctetsToPlain(std::string_view octets);

// Time ticks (hundredths of a second): "h:mm:ss.cc", "1 day h:mm:ss.cc" or
// "d days, h:mm:ss.cc".
std::string TicksToText(std::uint32_t ticks);
std::uint32_t TicksFromText(std::string_view text);

// General floating form with 15 significant digits: plain decimal for magnitudes from 0.00001
// with at most 15 integer digits, otherwise mantissa, "E" and exponent ("1E20", "1.5E-6").
std::string FloatToText(double value);
double FloatFromText(std::string_view text);

// A day count since 1899-12-30 whose fraction is the time of day, as
// "yyyy/mm/dd hh:nn:ss am/pm".
std::string DayCountToText(double days);
double DayCountFromText(std::string_view text);

// Reads a decimal number like atol: leading blanks, optional sign, digits; 0 when none.
long long ReadLong(std::string_view text);
// Decimal texts for 32-bit values. A number of the other signedness that fits in 32 bits keeps
// its bit pattern ("4294967295" is -1 as a signed value, "-1" is 4294967295 as an unsigned one,
// as devices carry such values either way); numbers beyond 32 bits are clamped.
std::int32_t ReadInt32(std::string_view text);
std::uint32_t ReadUInt32(std::string_view text);
// A Counter64 text: exact for an unsigned decimal integer, otherwise read as a floating number.
std::uint64_t ReadCounter64(std::string_view text);
