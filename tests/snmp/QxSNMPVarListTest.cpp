#include "snmp/QxSNMPVarList.h"
#include "vocab/QxOptionTables.h"

#include <gtest/gtest.h>

namespace {

constexpr UISnmpVar IfRow[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acNotaccess},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", sxInteger, acReadwrite, &OL_1up_2down_3testing},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", sxCounter, acReadonly},
    {" ", "Key", sxOctetstr, acNotaccess | acImplied},
    {"1.3.6.1.2.1.2.2.1.99", "Write Only", sxInteger, acWriteonly},
    {"1.3.6.1.2.1.2.2.1.98", "Derived", sxInteger, acDerived | acHidden},
    {nullptr, nullptr, 0, 0},
};

TEST(QxSNMPVarList, BuildsEntriesFromAStaticTable) {
    QxSNMPVarList list(IfRow, MVT_UMV, 1);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.kind, MVT_UMV);
    EXPECT_EQ(list.indexCount, 1);
    EXPECT_EQ(list.suffix, "");
    EXPECT_EQ(list.name, "");
    const QxSNMPVar& admin = list.Entry(1);
    EXPECT_EQ(admin.label, "Admin Status");
    EXPECT_EQ(admin.options, &OL_1up_2down_3testing);
    EXPECT_EQ(admin.value, "");
    EXPECT_EQ(admin.instanceOid, "");
    EXPECT_FALSE(admin.readFormula.has_value());

    constexpr UISnmpVar empty[] = {{}};
    QxSNMPVarList none(empty, SVT_SV, 0);
    EXPECT_EQ(none.Count(), 0);
    list.Append(empty);
    EXPECT_EQ(list.Count(), 6);
}

TEST(QxSNMPVarList, PredicatesFollowTheAccessFlags) {
    QxSNMPVarList list(IfRow, MVT_UMV, 1);
    struct Case {
        int entry;
        bool readable, settable, shown, notInView, implied;
    } cases[] = {
        {0, false, true, true, false, false}, // index part: settable when a row is created
        {1, true, true, true, false, false},  {2, true, false, true, false, false},
        {3, false, false, true, false, true}, // not-accessible and implied
        {4, false, true, false, true, false}, {5, false, false, false, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.IsReadable(c.entry), c.readable) << c.entry;
        EXPECT_EQ(list.IsSettable(c.entry), c.settable) << c.entry;
        EXPECT_EQ(list.IsShown(c.entry), c.shown) << c.entry;
        EXPECT_EQ(list.IsNotInView(c.entry), c.notInView) << c.entry;
        EXPECT_EQ(list.IsImplied(c.entry), c.implied) << c.entry;
    }
    EXPECT_EQ(list.CountShown(), 4);
    EXPECT_EQ(list.CountNotInView(), 2);

    // Invalid excludes an entry from everything; scalar lists have no index parts.
    list.Entry(1).access |= acInvalid;
    EXPECT_FALSE(list.IsReadable(1));
    EXPECT_FALSE(list.IsSettable(1));
    EXPECT_FALSE(list.IsShown(1));
    EXPECT_TRUE(list.IsNotInView(1));
    list.kind = SVT_SV;
    EXPECT_FALSE(list.IsSettable(0));
}

TEST(QxSNMPVarList, InstanceOidsPerKind) {
    QxSNMPVarList list(IfRow, SVT_SV, 0);
    EXPECT_EQ(list.GetOid(2), "1.3.6.1.2.1.2.2.1.10.0");
    list.suffix = "7";
    EXPECT_EQ(list.GetOid(2), "1.3.6.1.2.1.2.2.1.10.7.0");
    list.kind = MVT_SV;
    EXPECT_EQ(list.GetOid(2), "1.3.6.1.2.1.2.2.1.10.7");
    list.kind = MVT_FMV;
    list.suffix = "";
    EXPECT_EQ(list.GetOid(2), "1.3.6.1.2.1.2.2.1.10");
    list.AddSuffixToOids("5");
    EXPECT_EQ(list.Entry(2).oid, "1.3.6.1.2.1.2.2.1.10.5");
}

TEST(QxSNMPVarList, AssignCopiesEverythingButSuffixAndOwnedLists) {
    QxSNMPVarList source(IfRow, MVT_FMV, 1);
    source.suffix = "1";
    source.name = "Interfaces";
    source.Entry(1).value = "up";
    source.Entry(1).instanceOid = "1.3.6.1.2.1.2.2.1.7.3";
    source.AppendRow("1.3.6.1.9", "Extra", sxDisplaystr, acReadonly, nullptr, "", "w", "");

    QxSNMPVarList copy;
    copy.Assign(source);
    EXPECT_EQ(copy.suffix, "");
    EXPECT_EQ(copy.kind, MVT_FMV);
    EXPECT_EQ(copy.indexCount, 1);
    EXPECT_EQ(copy.name, "Interfaces");
    ASSERT_EQ(copy.Count(), 7);
    EXPECT_EQ(copy.Entry(1).value, "up");
    EXPECT_EQ(copy.Entry(1).instanceOid, "1.3.6.1.2.1.2.2.1.7.3");
    EXPECT_EQ(copy.Entry(1).options, &OL_1up_2down_3testing);
    EXPECT_FALSE(copy.Entry(6).readFormula.has_value());
    EXPECT_EQ(copy.Entry(6).writeFormula, "w");

    // A deep copy: changing the source leaves the copy alone, and the copy replaces its entries.
    source.Entry(1).value = "down";
    EXPECT_EQ(copy.Entry(1).value, "up");
    copy.suffix = "9";
    copy.Assign(source);
    EXPECT_EQ(copy.suffix, "9");
    EXPECT_EQ(copy.Count(), 7);
    EXPECT_EQ(copy.Entry(1).value, "down");
}

} // namespace
