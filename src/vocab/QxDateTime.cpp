#include "vocab/QxDateTime.h"

#include <cstdio>
#include <ctime>

QxDateTime::QxDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    year = static_cast<std::uint16_t>(local.tm_year + 1900);
    month = static_cast<std::uint8_t>(local.tm_mon + 1);
    day = static_cast<std::uint8_t>(local.tm_mday);
    hour = static_cast<std::uint8_t>(local.tm_hour);
    minutes = static_cast<std::uint8_t>(local.tm_min);
    seconds = static_cast<std::uint8_t>(local.tm_sec);
}

QxDateTime::QxDateTime(const std::string& text) {
    int f[9] = {};
    const char* s = text.c_str();
    if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                    &f[6], &f[7], &f[8]) == 9) {
        direction = '+';
    } else if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4],
                           &f[5], &f[6], &f[7], &f[8]) == 9) {
        direction = '-';
    } else {
        // Only the fields read from the start count; the offset stays 0:0.
        int g[7] = {};
        std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &g[0], &g[1], &g[2], &g[3], &g[4], &g[5], &g[6]);
        for (int i = 0; i < 9; ++i) {
            f[i] = i < 7 ? g[i] : 0;
        }
        direction = '+';
    }
    year = static_cast<std::uint16_t>(f[0]);
    month = static_cast<std::uint8_t>(f[1]);
    day = static_cast<std::uint8_t>(f[2]);
    hour = static_cast<std::uint8_t>(f[3]);
    minutes = static_cast<std::uint8_t>(f[4]);
    seconds = static_cast<std::uint8_t>(f[5]);
    deciSeconds = static_cast<std::uint8_t>(f[6]);
    hoursFromUTC = static_cast<std::uint8_t>(f[7]);
    minutesFromUTC = static_cast<std::uint8_t>(f[8]);
}

std::string QxDateTime::ToText() const {
    char buf[96];
    if ((hoursFromUTC != 0 || minutesFromUTC != 0) && (direction == '+' || direction == '-')) {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", year, month, day, hour,
                      minutes, seconds, deciSeconds, direction, hoursFromUTC, minutesFromUTC);
    } else {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes,
                      seconds, deciSeconds);
    }
    return buf;
}

void QxDateTime::FromOctets(const Octets& o) {
    year = static_cast<std::uint16_t>((o[0] << 8) | o[1]);
    month = o[2];
    day = o[3];
    hour = o[4];
    minutes = o[5];
    seconds = o[6];
    deciSeconds = o[7];
    direction = static_cast<char>(o[8]);
    hoursFromUTC = o[9];
    minutesFromUTC = o[10];
}

QxDateTime::Octets QxDateTime::ToOctets() const {
    return {static_cast<std::uint8_t>(year >> 8),
            static_cast<std::uint8_t>(year & 0xFF),
            month,
            day,
            hour,
            minutes,
            seconds,
            deciSeconds,
            static_cast<std::uint8_t>(direction),
            hoursFromUTC,
            minutesFromUTC};
}
