#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An object identifier as sub-identifiers, with its dotted text form.
using QxOid = std::vector<std::uint32_t>;

// "1.3.6.1" -> {1, 3, 6, 1}. A leading "." is allowed; a piece that is not a number ends the
// parse (the pieces read so far are kept), and numbers wrap to 32 bits like the device's.
QxOid OidFromText(std::string_view text);
std::string OidToText(const QxOid& oid);
