#include "shell/QxError.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxValueCheck.h"
#include "snmp/QxValueText.h"
#include "snmp/QxVb.h"
#include "vocab/QxOptionTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    int syntax;
    std::string text;
    bool valid;
};

// Every syntax a page writes: the valid texts, each kind of invalid one, and the bounds.
const Case Cases[] = {
    // IpAddress
    {sxIpaddress, "10.0.0.1", true},
    {sxIpaddress, " 10.0.0.1 ", true},
    {sxIpaddress, "0.0.0.0", true},
    {sxIpaddress, "255.255.255.255", true},
    {sxIpaddress, "300.1.2.3", false},
    {sxIpaddress, "256.256.256.256", false},
    {sxIpaddress, "999.999.1.1", false},
    {sxIpaddress, "10.20.30.400", false},
    {sxIpaddress, "192.0.2.266", false},
    {sxIpaddress, "1.2.3", false},
    {sxIpaddress, "1.2.3.4.5", false},
    {sxIpaddress, "1..3.4", false},
    {sxIpaddress, "abc", false},
    {sxIpaddress, "", false},
    {sxIpaddress, "1.2.3.4x", false},
    {sxIpaddress, "1.2.3.-4", false},
    {sxIpaddress, "0001.2.3.4", false},
    {sxIpaddress, std::string(10000, '1'), false},
    // INTEGER / Integer32
    {sxInteger, "0", true},
    {sxInteger, "-2147483648", true},
    {sxInteger, "2147483647", true},
    {sxInteger, " 42 ", true},
    {sxInteger, "2147483648", false},
    {sxInteger, "-2147483649", false},
    {sxInteger, "3000000000", false},
    {sxInteger, "abc", false},
    {sxInteger, "900abc", false},
    {sxInteger, "", false},
    {sxInteger, "-", false},
    {sxInteger, "+5", false},
    {sxInteger, "1 2", false},
    {sxInteger, "99999999999999999999999", false},
    // Counter, Gauge, Unsigned32
    {sxGuage, "0", true},
    {sxGuage, "4294967295", true},
    {sxCounter, "4294967296", false},
    {sxUinteger, "-1", false},
    {sxUinteger, "12a", false},
    {sxUinteger, "", false},
    // TimeTicks
    {sxTimeticks, "0", true},
    {sxTimeticks, "4294967295", true},
    {sxTimeticks, "4294967296", false},
    {sxTimeticks, "0:00:01.00", true},
    {sxTimeticks, "1 day 0:00:00.00", true},
    {sxTimeticks, "2 days, 3:04:05.06", true},
    {sxTimeticks, "497 days, 2:27:52.95", true},
    {sxTimeticks, "497 days, 2:27:52.96", false},
    {sxTimeticks, "0:60:00.00", false},
    {sxTimeticks, "3:04", false},
    {sxTimeticks, "soon", false},
    // Counter64
    {sxCounter64, "0", true},
    {sxCounter64, "18446744073709551615", true},
    {sxCounter64, "18446744073709551616", false},
    {sxCounter64, "1e5", false},
    {sxCounter64, "-1", false},
    // MAC addresses in the forms the module shows
    {sxMacaddress, "001A2B3C4D5E", true},
    {sxMacaddress, "00:1a:2b:3c:4d:5e", true},
    {sxMacaddress, "00-1A-2B-3C-4D-5E", true},
    {sxMacaddress, "00 1A 2B 3C 4D 5E", true},
    {sxMacaddress, "001A2B3C4D", false},
    {sxMacaddress, "001A2B3C4D5E6F", false},
    {sxMacaddress, "00:1A-2B:3C:4D:5E", false},
    {sxMacaddress, "00:1A:2B:3C:4D:5G", false},
    {sxMacaddress, "", false},
    // Hexadecimal octet strings: whole octets only
    {sxOctetstr, "", true},
    {sxOctetstr, "001AFF", true},
    {sxOctetstr, "00 1A FF", true},
    {sxOctetstr, "abcdef", true},
    {sxOctetstr, "ABC", false},
    {sxOctetstr, "0 01A", false},
    {sxOctetstr, "00GG", false},
    {sxOctetstr, std::string(65535 * 2, 'A'), true},
    {sxOctetstr, std::string(65536 * 2, 'A'), false},
    // Date and time in the module's clock form
    {sxDatetime, "2026-12-11,9:5:3.0", true},
    {sxDatetime, "2026-12-11,9:5:3.0,+8:0", true},
    {sxDatetime, "2026-12-11,23:59:60.9,-11:30", true},
    {sxDatetime, "2024-2-29,0:0:0.0", true},
    {sxDatetime, "2026-2-29,0:0:0.0", false},
    {sxDatetime, "2026-13-1,0:0:0.0", false},
    {sxDatetime, "2026-0-1,0:0:0.0", false},
    {sxDatetime, "2026-1-0,0:0:0.0", false},
    {sxDatetime, "2026-4-31,0:0:0.0", false},
    {sxDatetime, "2026-1-1,24:0:0.0", false},
    {sxDatetime, "2026-1-1,0:60:0.0", false},
    {sxDatetime, "2026-1-1,0:0:61.0", false},
    {sxDatetime, "2026-1-1,0:0:0.10", false},
    {sxDatetime, "2026-1-1,0:0:0.0,8:0", false},
    {sxDatetime, "2026-1-1,0:0:0.0,+15:0", false},
    {sxDatetime, "2026-1-1,0:0:0.0,+8:60", false},
    {sxDatetime, "2026-1-1,0:0:0.0,+8", false},
    {sxDatetime, "hello", false},
    {sxDatetime, "", false},
    // Others
    {sxObjectid, "1.3.6.1.4.1", true},
    {sxObjectid, ".1.3.6", true},
    {sxObjectid, "121", true},
    {sxObjectid, "", false},
    {sxObjectid, "1.", false},
    {sxObjectid, "1.3.x", false},
    {sxObjectid, "1.3.4294967296", false},
    {sxBoolean, "true", true},
    {sxBoolean, "false", true},
    {sxBoolean, "yes", false},
    {sxDisplaystr, "", true},
    {sxDisplaystr, "<b>any</b> text", true},
    {sxDisplaystr, std::string(65535, 'x'), true},
    {sxDisplaystr, std::string(65536, 'x'), false},
    {sxIpv6address, "20010DB8000000000000000000000001", true},
    {sxIpv6address, "20010DB8", false},
};

TEST(ValueCheck, EverySyntaxAcceptsExactlyItsValues) {
    for (const Case& c : Cases) {
        EXPECT_EQ(IsValueText(c.syntax, c.text), c.valid)
            << "syntax " << c.syntax << ", text \"" << c.text.substr(0, 40) << "\"";
    }
}

TEST(ValueCheck, PlaceholdersAreValuesOfNoSyntax) {
    for (int syntax : {sxBoolean, sxInteger, sxOctetstr, sxObjectid, sxIpaddress, sxGuage,
                       sxTimeticks, sxCounter64, sxMacaddress, sxDatetime, sxDisplaystr}) {
        EXPECT_FALSE(IsValueText(syntax, "(NULL)")) << syntax;
        EXPECT_FALSE(IsValueText(syntax, "(NOTDONE)")) << syntax;
    }
}

TEST(ValueCheck, ConversionsGiveTheValueTyped) {
    EXPECT_EQ(ParseIpAddress(" 10.0.0.1"), (std::array<std::uint8_t, 4>{10, 0, 0, 1}));
    EXPECT_EQ(ParseInteger32("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseUnsigned32("4294967295"), UINT32_MAX);
    EXPECT_EQ(ParseUnsigned64("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(ParseTimeTicks("2 days, 3:04:05.06"), 18384506u);
    EXPECT_EQ(ParseMacAddress("00-1A-2B-3C-4D-5E"), std::string("\x00\x1A\x2B\x3C\x4D\x5E", 6));
    std::optional<QxDateTime> dt = ParseDateTime("2026-12-11,9:5:3.7,-5:30");
    ASSERT_TRUE(dt.has_value());
    EXPECT_EQ(dt->ToText(), "2026-12-11,9:5:3.7,-5:30");
    EXPECT_EQ(ParseObjectId(".1.3.6"), "1.3.6");
}

TEST(ValueCheck, RefusalNamesTheFieldAndTheForm) {
    const std::string text = RefusalText("SNTP Server", "300.1.2.3", sxIpaddress);
    EXPECT_NE(text.find("SNTP Server"), std::string::npos);
    EXPECT_NE(text.find("300.1.2.3"), std::string::npos);
    EXPECT_NE(text.find("four numbers from 0 to 255"), std::string::npos);
    // A long paste is not repeated whole.
    EXPECT_LT(RefusalText("x", std::string(10000, '1'), sxIpaddress).size(), 400u);
}

// The written binding carries exactly the value typed, blanks around it ignored.
TEST(ValueCheck, BindingsCarryTheStrictValue) {
    struct Row {
        int syntax;
        const char* text;
    } rows[] = {{sxIpaddress, " 10.0.0.1 "},
                {sxMacaddress, "00:1A:2B:3C:4D:5E"},
                {sxInteger, " -7 "},
                {sxDatetime, "2026-12-11,9:5:3.0,+8:0"}};
    for (const Row& r : rows) {
        QxSNMPVarList list;
        list.AppendRow("1.3.6.1.4.1.32473.1", "v", r.syntax, acReadwrite, nullptr);
        list.Entry(0).value = r.text;
        QxVb vb;
        ValueToVb(list, 0, vb);
        switch (r.syntax) {
        case sxIpaddress:
            EXPECT_EQ(vb.octets, std::string("\x0A\x00\x00\x01", 4));
            break;
        case sxMacaddress:
            EXPECT_EQ(vb.octets, std::string("\x00\x1A\x2B\x3C\x4D\x5E", 6));
            break;
        case sxInteger:
            EXPECT_EQ(vb.integer, -7);
            break;
        case sxDatetime:
            EXPECT_EQ(vb.octets, std::string("\x07\xEA\x0C\x0B\x09\x05\x03\x00+\x08\x00", 11));
            break;
        }
    }
}

// What a store refuses before sending: a bad value, a placeholder, a bad index part, and a
// write that carries no variable.
TEST(ValueCheck, StoreRefusesBeforeSending) {
    QxSNMPRequest request;
    request.vars.AppendRow("1.3.6.1.4.1.32473.1", "Server", sxIpaddress, acReadwrite, nullptr);
    request.vars.AppendRow("1.3.6.1.4.1.32473.2", "Timeout", sxInteger, acReadwrite, nullptr);
    request.vars.AppendRow("1.3.6.1.4.1.32473.3", "State", sxInteger, acReadwrite,
                           &OL_2disabled_3enabled);
    request.vars.Entry(0).value = "10.0.0.1";
    request.vars.Entry(1).value = "900";
    request.vars.Entry(2).value = "enabled";
    EXPECT_EQ(request.CheckStore(), "");

    request.vars.Entry(1).value = "900abc";
    std::string refusal = request.CheckStore();
    EXPECT_NE(refusal.find("Timeout"), std::string::npos) << refusal;
    // Only the selected entries are checked.
    EXPECT_EQ(request.CheckStore("0"), "");
    request.vars.Entry(0).value = "(NULL)";
    EXPECT_NE(request.CheckStore("0").find("Server"), std::string::npos);
    // The list is as before the check.
    EXPECT_EQ(request.vars.Entry(0).value, "(NULL)");
    EXPECT_EQ(request.vars.Entry(1).value, "900abc");
    EXPECT_EQ(request.vars.Entry(1).access & acInvalid, 0u);
    // A label the option list does not know is no value either.
    request.vars.Entry(2).value = "sometimes";
    EXPECT_NE(request.CheckStore("2").find("State"), std::string::npos);
    // Store raises the same refusal without sending (no session is needed to see it).
    try {
        request.Store("1");
        FAIL() << "a refused value was stored";
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), QxSNMPRequest::RefusedValueCode);
    }

    QxSNMPRequest readOnly;
    readOnly.vars.AppendRow("1.3.6.1.4.1.32473.1", "Up", sxInteger, acReadonly, nullptr);
    readOnly.vars.Entry(0).value = "1";
    EXPECT_NE(readOnly.CheckStore().find("Nothing was written"), std::string::npos);

    QxSNMPRequest table;
    table.vars.kind = MVT_UMV;
    table.vars.indexCount = 1;
    table.vars.AppendRow("1.3.6.1.4.1.32473.5.1.1", "Index", sxInteger, acNotaccess, nullptr);
    table.vars.AppendRow("1.3.6.1.4.1.32473.5.1.2", "Host", sxIpaddress, acReadwrite, nullptr);
    table.vars.Entry(0).value = "3000000000";
    table.vars.Entry(1).value = "10.0.0.1";
    EXPECT_NE(table.CheckStore().find("Index"), std::string::npos);
    table.vars.Entry(0).value = "3";
    EXPECT_EQ(table.CheckStore(), "");
}

} // namespace
