#pragma once

#include <string>

// The octet form of a value: the octets a control's part is cut from and merged into. Numbers of
// the SNMP syntaxes are held least significant octet first, the part syntaxes (193 to 198) most
// significant first, as the device packs them into its octet strings. Errors are framework
// errors: -511 for a syntax without an octet form, -518 for a value too short for its syntax,
// -519 for a part or bit that lies outside the value.

// Octet form of a value text for a syntax code: "(NULL)" gives no octets. A number outside the
// range of a one- or two-octet part raises -518 rather than losing its high bits.
std::string TextToOctets(const std::string& text, int syntax);
// Value text of an octet form: no octets give "(NULL)", except for the syntaxes whose empty value
// is a legitimate value (the hexadecimal octet strings 3, 4 and 68 and the display string 76),
// which give the empty text.
std::string OctetsToText(const std::string& octets, int syntax);
// The part of a value at byteOffset, as wide as the syntax's part (to the end where the syntax
// has no fixed width); no octets give no octets.
std::string ExtractPart(const std::string& octets, int byteOffset, int syntax);
// Bit `position` of an octet form: bit 7 - (p mod 8) of octet p div 8, so that position 0 is the
// most significant bit of the first octet (the order of port lists). OctetBit raises -519 when
// that octet does not exist; SetOctetBit appends zero octets first. Both raise -519 for a
// negative position.
bool OctetBit(const std::string& octets, int position);
void SetOctetBit(std::string& octets, int position, bool on);
