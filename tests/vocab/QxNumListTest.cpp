#include "vocab/QxNumList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <typename T>
std::vector<T> Elements(const QxNumList<T>& list) {
    std::vector<T> v;
    for (int i = 0; i < list.Count(); ++i) {
        v.push_back(list.Get(i));
    }
    return v;
}

TEST(QxNumList, ParsesSeparatedNumbers) {
    struct Case {
        char separator;
        const char* text;
        std::vector<int> elements;
    } cases[] = {
        {',', "3,5,7,9,11", {3, 5, 7, 9, 11}},
        {',', "1,,3", {1, 0, 3}},
        {',', "1,2,", {1, 2, 0}},
        {',', "7", {7}},
        {',', "2.5,3", {2, 3}},
        {',', "", {}},
        {'.', "192.168.0.1", {192, 168, 0, 1}},
    };
    for (const Case& c : cases) {
        QxNumList<int> list;
        list.separator = c.separator;
        list.Parse(c.text);
        EXPECT_EQ(Elements(list), c.elements) << c.text;
    }
}

TEST(QxNumList, SearchAndRange) {
    QxNumList<int> positions;
    positions.separator = ',';
    positions.Parse("3,5,7,9,11");
    EXPECT_EQ(positions.IndexOf(9), 3);
    EXPECT_EQ(positions.IndexOf(4), -1);

    QxNumList<unsigned int> address;
    EXPECT_EQ(address.separator, '.');
    address.Parse("192.168.0.1");
    EXPECT_TRUE(address.AllInRange(0, 255));
    address.Parse("192.168.0.256");
    EXPECT_FALSE(address.AllInRange(0, 255));
    address.Parse("");
    EXPECT_EQ(address.Count(), 0);
    EXPECT_TRUE(address.AllInRange(5, 1));
    // Reparsing replaces the old contents.
    address.Parse("4294967295");
    EXPECT_EQ(address.Get(0), 4294967295u);
    EXPECT_TRUE(address.AllInRange(0, 4294967295u));
}

TEST(QxNumList, OverflowWrapsInsteadOfFaulting) {
    QxNumList<int> list;
    list.separator = ',';
    list.Parse("99999999999");
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(static_cast<unsigned>(list.Get(0)), 99999999999ull % 4294967296ull);
}

} // namespace
