#include "vocab/QxCellText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(CellTextTest, PortListsShowAsPortNumbers) {
    const struct {
        const char* hex;
        const char* text;
    } cases[] = {
        {"F08000F0", "1-4, 9, 25-28"},
        {"00000000", ""},
        {"80000000", "1"},
        {"C0000000", "1, 2"},
        {"E0000000", "1-3"},
        {"AAAAAAA0", "1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27"},
        {"FFFFFFF0", "1-28"},
        {"ff", "1-8"},
        {"0001", "16"},
        // Not a 28-port list: shown as it is.
        {"FFFFFFFF", "FFFFFFFF"},         // ports 29 to 32 do not exist
        {"7F0000010FA2", "7F0000010FA2"}, // six octets: an address, not ports
        {"F0G0", "F0G0"},
        {"F0F", "F0F"},
        {"", ""},
        {"(NULL)", "(NULL)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortListCellText(c.hex), c.text) << c.hex;
    }
}

TEST(CellTextTest, MacAddressesShowWithSeparators) {
    EXPECT_EQ(MacCellText("001a2B3C4D5E"), "00-1A-2B-3C-4D-5E");
    EXPECT_EQ(MacCellText("000000000000"), "00-00-00-00-00-00");
    for (const char* unchanged :
         {"", "(NULL)", "001A2B3C4D", "001A2B3C4D5E6F", "00-1A-2B-3C-4D-5E", "00GA2B3C4D5E"}) {
        EXPECT_EQ(MacCellText(unchanged), unchanged);
    }
}

// Each list is in ascending order; sorting any permutation of it gives it back.
TEST(CellTextTest, CellsSortByValue) {
    const std::vector<std::vector<std::string>> orders = {
        {"-12", "-1.5", "0", "2", "10", "100", "18446744073709551615", "abc"},
        {"1.3.6.1.2", "1.3.6.1.9", "1.3.6.1.10", "1.3.6.1.10.1", "1.3.6.2"},
        {"10.0.0.2", "10.0.0.10", "192.168.1.9", "192.168.1.10", "192.168.2.1"},
        {"0:00:01.00", "0:59:59.99", "23:00:00.00", "1 day 0:00:00.00", "2 days, 1:00:00.00"},
        {"00-1A-2B-3C-4D-5E", "0A-00-00-00-00-00", "10-00-00-00-00-00", "FF-00-00-00-00-00"},
        {"", "active", "Apple", "destroy", "notInService", "Port 2", "Port 10"},
        {"1, 5", "1-4, 9", "2", "25-28"},
        {"2", "2.5", "10", "10.0.0.1", "1E3", "abc"},
    };
    for (const auto& order : orders) {
        std::vector<std::string> shuffled(order.rbegin(), order.rend());
        std::stable_sort(shuffled.begin(), shuffled.end(),
                         [](const std::string& a, const std::string& b) {
                             return QxCellSortKey(a) < QxCellSortKey(b);
                         });
        EXPECT_EQ(shuffled, order);
    }
    EXPECT_EQ(QxCellSortKey("007").Compare(QxCellSortKey("7")), 0);
    EXPECT_EQ(QxCellSortKey("Active").Compare(QxCellSortKey("active")), 0);
}

TEST(CellTextTest, RowsAsCsvAndTabSeparatedLines) {
    EXPECT_EQ(CsvLine({"1", "a,b", "say \"hi\"", " pad", "two\nlines", "", "ü"}),
              "1,\"a,b\",\"say \"\"hi\"\"\",\" pad\",\"two\nlines\",,ü\n");
    EXPECT_EQ(TabLine({"Index", "Name"}), "Index\tName\n");
    EXPECT_EQ(TabLine({"a\tb", "c\nd", ""}), "a b\tc d\t\n");
}

} // namespace
