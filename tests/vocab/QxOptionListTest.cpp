#include "FakeItemList.h"
#include "vocab/QxOptionList.h"
#include "vocab/QxOptionTables.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct LookupCase {
    const char* text;
    const char* label;   // LabelOf(text)
    const char* value;   // ValueOf(text)
    int indexOfValue;
    int indexOfLabel;
};

void CheckLookups(const QxOptionList& list, std::initializer_list<LookupCase> cases) {
    for (const LookupCase& c : cases) {
        EXPECT_EQ(list.LabelOf(c.text), c.label) << "LabelOf " << c.text;
        EXPECT_EQ(list.ValueOf(c.text), c.value) << "ValueOf " << c.text;
        EXPECT_EQ(list.IndexOfValue(c.text), c.indexOfValue) << "IndexOfValue " << c.text;
        EXPECT_EQ(list.IndexOfLabel(c.text), c.indexOfLabel) << "IndexOfLabel " << c.text;
    }
}

TEST(QxOptionList, IntegerListTranslatesBothWays) {
    CheckLookups(OL_2disabled_3enabled, {
        {"3", "enabled", "3", 1, -1},
        {"4", "4", "4", -1, -1},
        {"ENABLED", "ENABLED", "3", -1, 1},
        {"on", "on", "on", -1, -1},
        {"(NULL)", "(NULL)", "(NULL)", -1, -1},
        {"x", "x", "x", -1, -1},
        {"03", "enabled", "03", 1, -1},
        {"2x", "2x", "2x", -1, -1},
        {"", "", "", -1, -1},
        {"99999999999", "99999999999", "99999999999", -1, -1},
    });
}

TEST(QxOptionList, TextListMatchesWithoutCase) {
    CheckLookups(OL_tNone_tMD5_tSHA, {
        {"1.3.6.1.6.3.10.1.1.2", "MD5", "1.3.6.1.6.3.10.1.1.2", 1, -1},
        {"md5", "md5", "1.3.6.1.6.3.10.1.1.2", -1, 1},
        {"1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0", "1.3.6.1.6.3.10.1.1.2.0", -1, -1},
    });
}

TEST(QxOptionList, EmptyLabelIsAnOrdinaryEntry) {
    const QxOptionList& list = OL_1tacacs_2xtacacs_3tacacsplus_x6;
    EXPECT_EQ(list.ValueOf(""), "6");
    EXPECT_EQ(list.LabelOf("6"), "");
    FakeItemList items;
    list.FillItems(items);
    ASSERT_EQ(items.items.size(), 6u);
    EXPECT_EQ(items.items[5], "");
}

TEST(QxOptionList, ValueZeroIsAnOrdinaryValue) {
    EXPECT_EQ(OL_11st_22nd_33rd_x5.IndexOfValue("0"), 4);
    EXPECT_EQ(OL_11st_22nd_33rd_x5.LabelOf("0"), "last");
}

TEST(QxOptionList, PrefixListReplacesTheMatchedPart) {
    constexpr OptionPair pairs[] = {{"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {}};
    QxOptionList list(pairs, QxOptionList::olPrefix);
    CheckLookups(list, {
        {"1.3.6.1.4.1.32473.1", "enterprises.32473.1", "1.3.6.1.4.1.32473.1", 0, -1},
        {"MIB-2.1.5", "MIB-2.1.5", "1.3.6.1.2.1.1.5", -1, 1},
        {"1.3.6", "1.3.6", "1.3.6", -1, -1},
    });
}

TEST(QxOptionList, EmptyAndNullTables) {
    constexpr OptionPair endOnly[] = {{}};
    QxOptionList empty(endOnly, QxOptionList::olInteger);
    QxOptionList null(nullptr, QxOptionList::olText);
    for (const QxOptionList* list : {&empty, &null}) {
        EXPECT_EQ(list->Count(), 0);
        EXPECT_EQ(list->IndexOfLabel("a"), -1);
        EXPECT_EQ(list->IndexOfValue("1"), -1);
        EXPECT_EQ(list->LabelOf("1"), "1");
        EXPECT_EQ(list->ValueOf("a"), "a");
        FakeItemList items;
        items.items = {"stale"};
        list->FillItems(items);
        EXPECT_TRUE(items.items.empty());
    }
}

TEST(QxOptionList, SelectTextTriesLabelThenValue) {
    const QxOptionList& list = OL_1active_4createAndGo_6destroy;
    FakeItemList items;
    list.FillItems(items);
    ASSERT_EQ(items.items, (std::vector<std::string>{"active", "createAndGo", "destroy"}));
    struct {
        const char* text;
        int selected;
    } cases[] = {{"destroy", 2}, {"4", 1}, {"5", -1}, {"ACTIVE", 0}, {"", -1}};
    for (const auto& c : cases) {
        items.index = 0;
        list.SelectText(items, c.text);
        EXPECT_EQ(items.ItemIndex(), c.selected) << c.text;
    }
}

TEST(QxOptionTables, EveryListIsWellFormed) {
    std::set<std::string> names;
    for (int t = 0; t < OptionTableCount; ++t) {
        const QxOptionTableRef& ref = OptionTables[t];
        EXPECT_TRUE(names.insert(ref.name).second) << ref.name;
        EXPECT_EQ(FindOptionTable(ref.name), ref.list);
        const QxOptionList& list = *ref.list;
        ASSERT_GT(list.Count(), 0) << ref.name;
        // No two entries share a value or a label, so every search finds the one entry.
        for (int i = 0; i < list.Count(); ++i) {
            const auto& e = list.Entry(i);
            std::string valueText =
                list.GetKind() == QxOptionList::olInteger ? std::to_string(e.value) : e.text;
            EXPECT_EQ(list.IndexOfValue(valueText), i) << ref.name << " value " << valueText;
            EXPECT_EQ(list.IndexOfLabel(e.label), i) << ref.name << " label " << e.label;
        }
    }
    EXPECT_EQ(FindOptionTable("OL_none"), nullptr);
}

TEST(QxOptionTables, StandardListsFromRfc1213) {
    const QxOptionList& withVendorTypes = OL_ifTypeGigabitL2Vlan;
    EXPECT_EQ(withVendorTypes.Count(), 33);
    EXPECT_EQ(withVendorTypes.LabelOf("2"), "regular1822");
    EXPECT_EQ(withVendorTypes.LabelOf("6"), "ethernet-csmacd");
    EXPECT_EQ(withVendorTypes.LabelOf("32"), "frame-relay");
    EXPECT_EQ(withVendorTypes.LabelOf("117"), "gigabitEthernet");
    EXPECT_EQ(withVendorTypes.LabelOf("135"), "l2VLAN");
    EXPECT_EQ(withVendorTypes.LabelOf("1"), "1");
    EXPECT_EQ(OL_ifType.Count(), 31);
    EXPECT_EQ(OL_ifType.LabelOf("117"), "117");
    EXPECT_EQ(OL_ipRouteProto.Count(), 13);
    EXPECT_EQ(OL_ipRouteProto.LabelOf("2"), "local");
    EXPECT_EQ(OL_ipRouteProto.LabelOf("14"), "bgp");
    EXPECT_EQ(OL_tcpConnState.Count(), 12);
    EXPECT_EQ(OL_tcpConnState.LabelOf("1"), "closed");
    EXPECT_EQ(OL_tcpConnState.LabelOf("12"), "deleteTCB");
}

} // namespace
