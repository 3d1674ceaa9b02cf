#include "vocab/QxDateTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(QxDateTime, TextFormsRoundTrip) {
    struct Case {
        const char* text;
        const char* printed;
        char direction;
        int hoursFromUTC;
        int minutesFromUTC;
    } cases[] = {
        {"2008-7-30,9:5:3.0,-5:30", "2008-7-30,9:5:3.0,-5:30", '-', 5, 30},
        {"2008-7-30,9:5:3.0,+8:0", "2008-7-30,9:5:3.0,+8:0", '+', 8, 0},
        {"2008-7-30,9:5:3.0", "2008-7-30,9:5:3.0", '+', 0, 0},
        {"2008-7-30,9:5:3.0,+0:0", "2008-7-30,9:5:3.0", '+', 0, 0},
        {"2008-7-30", "2008-7-30,0:0:0.0", '+', 0, 0},
        {"abc", "0-0-0,0:0:0.0", '+', 0, 0},
        {"", "0-0-0,0:0:0.0", '+', 0, 0},
    };
    for (const Case& c : cases) {
        QxDateTime d(c.text);
        EXPECT_EQ(d.ToText(), c.printed) << c.text;
        EXPECT_EQ(d.direction, c.direction) << c.text;
        EXPECT_EQ(d.hoursFromUTC, c.hoursFromUTC) << c.text;
        EXPECT_EQ(d.minutesFromUTC, c.minutesFromUTC) << c.text;
    }
}

TEST(QxDateTime, OctetsCarryTheYearMostSignificantByteFirst) {
    QxDateTime d("2008-7-30,9:5:3.4,-5:30");
    QxDateTime::Octets o = d.ToOctets();
    QxDateTime::Octets expected = {0x07, 0xD8, 7, 30, 9, 5, 3, 4, '-', 5, 30};
    EXPECT_EQ(o, expected);
    QxDateTime back("");
    back.FromOctets(o);
    EXPECT_EQ(back.year, 2008);
    EXPECT_EQ(back.ToText(), "2008-7-30,9:5:3.4,-5:30");
}

TEST(QxDateTime, NewValueIsNowWithoutOffset) {
    std::time_t before = std::time(nullptr);
    QxDateTime now;
    std::tm local{};
    localtime_r(&before, &local);
    EXPECT_EQ(now.year, local.tm_year + 1900);
    EXPECT_EQ(now.deciSeconds, 0);
    EXPECT_EQ(now.direction, '+');
    EXPECT_EQ(now.hoursFromUTC, 0);
    EXPECT_EQ(now.minutesFromUTC, 0);
}

} // namespace
