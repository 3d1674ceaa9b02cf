#include "snmp/QxOid.h"

#include <gtest/gtest.h>

namespace {

TEST(QxOid, DottedTextRoundTrip) {
    struct Case {
        const char* text;
        QxOid oid;
        const char* back;
    } cases[] = {
        {"1.3.6.1.2.1.1.1.0", {1, 3, 6, 1, 2, 1, 1, 1, 0}, "1.3.6.1.2.1.1.1.0"},
        {".1.3", {1, 3}, "1.3"},
        {"", {}, ""},
        {"4294967295.7", {4294967295u, 7}, "4294967295.7"},
        {"1.3.x.5", {1, 3}, "1.3"},
        {"1.3.", {1, 3}, "1.3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OidFromText(c.text), c.oid) << c.text;
        EXPECT_EQ(OidToText(OidFromText(c.text)), c.back) << c.text;
    }
}

} // namespace
