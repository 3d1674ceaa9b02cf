#pragma once

#include "vocab/QxDateTime.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Strict text-to-value conversions, one per syntax. Each accepts exactly the texts that are
// values of its syntax and refuses everything else, so that a value the user did not type can
// never be made up from one that does not parse (a bad octet turned into 0, a number cut at its
// first letter). Blanks around a text are ignored; nothing else is.

// The most octets an OCTET STRING value can carry.
constexpr std::size_t MaxOctetStringLength = 65535;

// Four decimal numbers 0-255 joined by dots.
std::optional<std::array<std::uint8_t, 4>> ParseIpAddress(std::string_view text);
// A decimal number in the signed 32-bit range (INTEGER, Integer32).
std::optional<std::int32_t> ParseInteger32(std::string_view text);
// A decimal number from 0 to 4294967295 (Counter, Gauge, Unsigned32).
std::optional<std::uint32_t> ParseUnsigned32(std::string_view text);
// A decimal number from 0 to 2^64-1 (Counter64).
std::optional<std::uint64_t> ParseUnsigned64(std::string_view text);
// Hundredths of a second: a decimal number, or the time-ticks text the module shows
// ("1:02:03.04", "1 day 0:00:00.00", "3 days, 4:05:06.07").
std::optional<std::uint32_t> ParseTimeTicks(std::string_view text);
// Six octets: twelve hexadecimal digits, alone or in pairs joined by ":", "-" or blanks.
std::optional<std::string> ParseMacAddress(std::string_view text);
// Whole octets in hexadecimal, two digits each; blanks between them are ignored.
std::optional<std::string> ParseHexOctets(std::string_view text);
// The module's clock text "yyyy-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m" offset from
// UTC, every field within its calendar range.
std::optional<QxDateTime> ParseDateTime(std::string_view text);
// Dotted decimal sub-identifiers, each 0 to 4294967295 (an index part may hold just one).
std::optional<std::string> ParseObjectId(std::string_view text);

// Whether the text is a value of the syntax (a syntax code of the variable descriptors). The
// placeholders "(NULL)" and "(NOTDONE)" are values of no syntax.
bool IsValueText(int syntax, std::string_view text);
// What a value of the syntax looks like, for the message that refuses a text.
std::string ExpectedForm(int syntax);
// The message that refuses `text` for the field `label`.
std::string RefusalText(const std::string& label, std::string_view text, int syntax);
// The message that refuses a text of `length` characters for the field `label`, which takes at
// most `limit`.
std::string TooLongText(const std::string& label, std::size_t length, std::size_t limit);
