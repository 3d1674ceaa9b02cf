#pragma once

#include <array>
#include <cstdint>
#include <string>

// The SNMPv2 DateAndTime value (eleven octets) with its text form, for example
// "2008-7-30,9:5:3.0" or "2008-7-30,9:5:3.0,+8:0".
class QxDateTime {
public:
    using Octets = std::array<std::uint8_t, 11>;

    // The current local date and time to the second, deci-seconds 0, offset +0:0.
    QxDateTime();
    // Reads a text form; never fails (fields that cannot be read are 0).
    explicit QxDateTime(const std::string& text);

    std::string ToText() const;

    // The eleven octets carry the year most significant byte first.
    void FromOctets(const Octets& octets);
    Octets ToOctets() const;

    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';
    std::uint8_t hoursFromUTC = 0;
    std::uint8_t minutesFromUTC = 0;
};
