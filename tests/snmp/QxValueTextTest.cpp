#include "shell/QxError.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxValueForms.h"
#include "snmp/QxValueText.h"
#include "snmp/QxVb.h"
#include "vocab/QxOptionTables.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Bytes(std::initializer_list<int> octets) {
    std::string s;
    for (int o : octets) {
        s.push_back(static_cast<char>(o));
    }
    return s;
}

std::string DoubleBytes(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    std::string s;
    for (int k = 0; k < 8; ++k) {
        s.push_back(static_cast<char>(bits >> (8 * k)));
    }
    return s;
}

QxVb Octets(const std::string& o, QxVb::Type t = QxVb::OctetString) {
    QxVb vb;
    vb.SetOctets(t, o);
    return vb;
}
QxVb Int(int v) {
    QxVb vb;
    vb.SetInteger(v);
    return vb;
}
QxVb Unsigned(QxVb::Type t, std::uint32_t v) {
    QxVb vb;
    vb.SetUnsigned(t, v);
    return vb;
}
QxVb Typed(QxVb::Type t) {
    QxVb vb;
    vb.type = t;
    return vb;
}

QxSNMPVarList OneEntry(int syntax, const QxOptionList* options = nullptr,
                       std::uint32_t access = acReadwrite) {
    QxSNMPVarList list;
    list.AppendRow("1.3.6.1.4.1.32473.1", "v", syntax, access, options);
    return list;
}

TEST(ValueTexts, FromBinding) {
    QxVb c64;
    c64.SetCounter64(18446744073709551615ull);
    QxVb oid;
    oid.SetObjectId({1, 3, 6, 1, 6, 3, 10, 1, 1, 2});
    struct Case {
        int syntax;
        const QxOptionList* options;
        QxVb vb;
        const char* text;
    } cases[] = {
        {sxBoolean, nullptr, Int(5), "true"},
        {sxBoolean, nullptr, Int(0), "false"},
        {sxInteger, nullptr, Int(-42), "-42"},
        {sxInteger, &OL_2disabled_3enabled, Int(3), "enabled"},
        {sxInteger, &OL_2disabled_3enabled, Int(7), "7"},
        {sxOctetstr, nullptr, Octets(Bytes({0x00, 0x1A, 0xFF})), "001AFF"},
        {sxMacaddress, nullptr, Octets(Bytes({0, 1, 2, 0xAB, 0xCD, 0xEF})), "000102ABCDEF"},
        {sxOctetstr, nullptr, Octets(""), ""},
        {sxNull, nullptr, Int(1), "(NULL)"},
        {sxObjectid, nullptr, oid, "1.3.6.1.6.3.10.1.1.2"},
        {sxObjectid, &OL_tNone_tMD5_tSHA, oid, "MD5"},
        {sxIpaddress, nullptr, Octets(Bytes({192, 168, 0, 1}), QxVb::IpAddress), "192.168.0.1"},
        {sxCounter, nullptr, Unsigned(QxVb::Counter32, 4294967295u), "4294967295"},
        {sxGuage, nullptr, Unsigned(QxVb::Gauge32, 7), "7"},
        {sxTimeticks, nullptr, Unsigned(QxVb::TimeTicks, 8640000), "1 day 0:00:00.00"},
        {sxCounter64, nullptr, c64, "18446744073709551615"},
        {sxDouble, nullptr, Octets(DoubleBytes(2.5)), "2.5"},
        {sxDatetime, nullptr, Octets(Bytes({0x07, 0xD8, 7, 30, 9, 5, 3, 0, '+', 8, 0})),
         "2008-7-30,9:5:3.0,+8:0"},
        {sxBcdatetime, nullptr, Octets(DoubleBytes(39659.5)), "2008/07/30 12:00:00 pm"},
        {sxDisplaystr, nullptr, Octets(std::string("abc\0def", 7)), "abc"},
        // Bindings without a value.
        {sxInteger, nullptr, Typed(QxVb::NoSuchObject), "(NULL)"},
        {sxInteger, &OL_2disabled_3enabled, Typed(QxVb::NoSuchInstance), "(NULL)"},
        {sxDisplaystr, nullptr, Typed(QxVb::NoSuchObject), ""},
        {sxTimeticks, nullptr, Typed(QxVb::Null), "(NULL)"},
        {sxOctetstr, nullptr, Typed(QxVb::EndOfMibView), ""},
        // Short octet strings are zero-filled rather than read past their end.
        {sxDatetime, nullptr, Octets(Bytes({0x07, 0xD8, 7})), "2008-7-0,0:0:0.0"},
        {sxDouble, nullptr, Octets(""), "0"},
        // A binding of another type shows in that type's own form, never a stale text.
        {sxInteger, nullptr, Octets("AB"), "4142"},
        {sxDisplaystr, nullptr, Int(9), "9"},
    };
    for (const Case& c : cases) {
        QxSNMPVarList list = OneEntry(c.syntax, c.options);
        list.Entry(0).value = "stale";
        ValueFromVb(list, 0, c.vb);
        EXPECT_EQ(list.Entry(0).value, c.text) << "syntax " << c.syntax;
    }
}

TEST(ValueTexts, ToBinding) {
    struct Case {
        int syntax;
        const QxOptionList* options;
        const char* text;
        QxVb::Type type;
        long long number;   // integer, unsigned or counter64 value
        std::string octets; // octet values
    } cases[] = {
        {sxBoolean, nullptr, "true", QxVb::Integer, 1, ""},
        {sxBoolean, nullptr, "yes", QxVb::Integer, 0, ""},
        {sxInteger, nullptr, "-17", QxVb::Integer, -17, ""},
        {sxInteger, nullptr, "  12abc", QxVb::Integer, 12, ""},
        {sxInteger, nullptr, "junk", QxVb::Integer, 0, ""},
        {sxInteger, nullptr, "4294967295", QxVb::Integer, -1, ""},
        {sxInteger, nullptr, "99999999999", QxVb::Integer, 2147483647, ""},
        {sxInteger, &OL_2disabled_3enabled, "Enabled", QxVb::Integer, 3, ""},
        {sxInteger, &OL_2disabled_3enabled, "2", QxVb::Integer, 2, ""},
        {sxOctetstr, nullptr, "00 1A FF", QxVb::OctetString, 0, Bytes({0x00, 0x1A, 0xFF})},
        {sxOctetstr, nullptr, "ABC", QxVb::OctetString, 0, Bytes({0x0A, 0xBC})},
        {sxOctetstr, nullptr, "zz", QxVb::OctetString, 0, Bytes({0x00})},
        {sxIpaddress, nullptr, "10.1.2.3", QxVb::IpAddress, 0, Bytes({10, 1, 2, 3})},
        {sxIpaddress, nullptr, "10.1.2", QxVb::IpAddress, 0, Bytes({0, 0, 0, 0})},
        {sxGuage, nullptr, "4294967295", QxVb::Gauge32, 4294967295LL, ""},
        {sxCounter, nullptr, "-1", QxVb::Gauge32, 4294967295LL, ""},
        {sxTimeticks, nullptr, "2 days, 3:04:05.06", QxVb::TimeTicks, 18384506, ""},
        {sxCounter64, nullptr, "18446744073709551615", QxVb::Counter64, -1, ""},
        {sxCounter64, nullptr, "1.5E3", QxVb::Counter64, 1500, ""},
        {sxDouble, nullptr, "2.5", QxVb::OctetString, 0, DoubleBytes(2.5)},
        {sxDatetime, nullptr, "2008-7-30,9:5:3.0,-5:30", QxVb::OctetString, 0,
         Bytes({0x07, 0xD8, 7, 30, 9, 5, 3, 0, '-', 5, 30})},
        {sxBcdatetime, nullptr, "2008/07/30 12:00:00 pm", QxVb::OctetString, 0,
         DoubleBytes(39659.5)},
        {sxDisplaystr, nullptr, "sw 1", QxVb::OctetString, 0, "sw 1"},
        {sxInteger, nullptr, "(NULL)", QxVb::Null, 0, ""},
        {sxDisplaystr, nullptr, "(NULL)", QxVb::Null, 0, ""},
    };
    for (const Case& c : cases) {
        QxSNMPVarList list = OneEntry(c.syntax, c.options);
        list.Entry(0).value = c.text;
        QxVb vb;
        ValueToVb(list, 0, vb);
        EXPECT_EQ(vb.type, c.type) << c.text;
        switch (vb.type) {
        case QxVb::Integer:
            EXPECT_EQ(vb.integer, c.number) << c.text;
            break;
        case QxVb::Gauge32:
        case QxVb::TimeTicks:
            EXPECT_EQ(vb.unsigned32, static_cast<std::uint32_t>(c.number)) << c.text;
            break;
        case QxVb::Counter64:
            EXPECT_EQ(vb.counter64, static_cast<std::uint64_t>(c.number)) << c.text;
            break;
        default:
            EXPECT_EQ(vb.octets, c.octets) << c.text;
        }
    }
    QxSNMPVarList oid = OneEntry(sxObjectid, &OL_tNone_tMD5_tSHA);
    oid.Entry(0).value = "sha";
    QxVb vb;
    ValueToVb(oid, 0, vb);
    EXPECT_EQ(vb.type, QxVb::ObjectId);
    EXPECT_EQ(OidToText(vb.objectId), "1.3.6.1.6.3.10.1.1.3");
}

TEST(ValueTexts, UnknownSyntaxRaisesBadSyntax) {
    for (int syntax : {0, 7, 63, 78, 193, 198}) {
        QxSNMPVarList list = OneEntry(syntax);
        QxVb vb;
        try {
            ValueToVb(list, 0, vb);
            ADD_FAILURE() << syntax;
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), -511);
            EXPECT_EQ(e.Text(), "Bad SNMP syntax!");
        }
        EXPECT_THROW(ValueFromVb(list, 0, Int(1)), QxError) << syntax;
        // An answer without a value (null, or an SNMPv2 exception) does not hide the fault.
        for (QxVb::Type none : {QxVb::Null, QxVb::NoSuchInstance, QxVb::EndOfMibView}) {
            QxVb empty;
            empty.type = none;
            EXPECT_THROW(ValueFromVb(list, 0, empty), QxError) << syntax << " " << int(none);
        }
        EXPECT_THROW(EncodeIndexPart(list, 0), QxError) << syntax;
        EXPECT_THROW(DecodeIndexPart(list, 0, "1.2"), QxError) << syntax;
    }
}

TEST(ValueTexts, IndexPartsEncodeAndDecode) {
    struct Case {
        int syntax;
        std::uint32_t access;
        bool last;
        const char* value;   // the entry's value text
        const char* encoded; // EncodeIndexPart
        const char* suffix;  // decoded from this suffix ...
        const char* decoded; // ... gives this value
        const char* rest;    // ... and leaves this rest
    } cases[] = {
        {sxInteger, acNotaccess, false, "-1", "4294967295", "4294967295.3", "-1", "3"},
        {sxGuage, acNotaccess, true, "4000000000", "4000000000", "4000000000", "4000000000", ""},
        {sxBoolean, acNotaccess, false, "true", "1", "0.9", "false", "9"},
        {sxOctetstr, acNotaccess, false, "0A0B", "2.10.11", "2.10.11.7", "0A0B", "7"},
        {sxOctetstr, acNotaccess | acImplied, true, "0A0B", "10.11", "10.11.7", "0A0B07", ""},
        // Implied only counts on the last index part.
        {sxOctetstr, acNotaccess | acImplied, false, "0A", "1.10", "1.10.7", "0A", "7"},
        {sxDisplaystr, acNotaccess, false, "pub", "3.112.117.98", "3.112.117.98.1", "pub", "1"},
        {sxDisplaystr, acNotaccess | acImplied, true, "pub", "112.117.98", "112.117.98", "pub", ""},
        {sxObjectid, acNotaccess, false, "1.3.6", "3.1.3.6", "3.1.3.6.4", "1.3.6", "4"},
        {sxIpaddress, acNotaccess, false, "10.0.0.254", "10.0.0.254", "10.0.0.254.5", "10.0.0.254",
         "5"},
        {sxMacaddress, acNotaccess, false, "000102030405", "0.1.2.3.4.5", "0.1.2.3.4.5.6",
         "000102030405", "6"},
        {sxMacaddress, acNotaccess, false, "0001", "", "0.1", "0001", ""},
        {sxTimeticks, acNotaccess, false, "0:00:01.00", "100", "100.2", "0:00:01.00", "2"},
        {sxCounter64, acNotaccess, false, "4294967297", "1.1", "1.1.8", "4294967297", "8"},
        {sxDatetime, acNotaccess, false, "2008-7-30,9:5:3.0", "7.216.7.30.9.5.3.0.43.0.0",
         "7.216.7.30.9.5.3.0.43.0.0.1", "2008-7-30,9:5:3.0", "1"},
        {sxIpv6address, acNotaccess, false, "000102030405060708090A0B0C0D0E0F",
         "0.1.2.3.4.5.6.7.8.9.10.11.12.13.14.15", "0.1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.3",
         "000102030405060708090A0B0C0D0E0F", "3"},
        {sxNull, acNotaccess, false, "(NULL)", "", "5", "(NULL)", "5"},
        // A count beyond the suffix takes what is there instead of reading past its end.
        {sxOctetstr, acNotaccess, false, "", "0", "9.1.2", "0102", ""},
        {sxDatetime, acNotaccess, false, "0-0-0,0:0:0.0", "0.0.0.0.0.0.0.0.43.0.0", "7.216",
         "2008-0-0,0:0:0.0", ""},
        {sxInteger, acNotaccess, false, "0", "0", "", "0", ""},
    };
    for (const Case& c : cases) {
        QxSNMPVarList list;
        list.kind = MVT_UMV;
        list.AppendRow("1.3.6.1.4.1.32473.5.1.1", "k", c.syntax, c.access, nullptr);
        list.AppendRow("1.3.6.1.4.1.32473.5.1.2", "k2", sxInteger, acNotaccess, nullptr);
        list.indexCount = c.last ? 1 : 2;
        list.Entry(0).value = c.value;
        EXPECT_EQ(EncodeIndexPart(list, 0), c.encoded) << c.syntax << " " << c.value;
        EXPECT_EQ(DecodeIndexPart(list, 0, c.suffix), c.rest) << c.syntax << " " << c.suffix;
        EXPECT_EQ(list.Entry(0).value, c.decoded) << c.syntax << " " << c.suffix;
    }
}

TEST(ValueTexts, IndexPartsUseOptionLabels) {
    QxSNMPVarList list = OneEntry(sxInteger, &OL_2disabled_3enabled, acNotaccess);
    list.kind = MVT_FMV;
    list.indexCount = 1;
    list.Entry(0).value = "enabled";
    EXPECT_EQ(EncodeIndexPart(list, 0), "3");
    EXPECT_EQ(DecodeIndexPart(list, 0, "2"), "");
    EXPECT_EQ(list.Entry(0).value, "disabled");
}

TEST(ValueForms, TimeTicks) {
    struct {
        std::uint32_t ticks;
        const char* text;
    } printed[] = {
        {0, "0:00:00.00"},
        {100, "0:00:01.00"},
        {8640000, "1 day 0:00:00.00"},
        {17280123, "2 days, 0:00:01.23"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : printed) {
        EXPECT_EQ(TicksToText(c.ticks), c.text);
        EXPECT_EQ(TicksFromText(c.text), c.ticks) << c.text;
    }
    struct {
        const char* text;
        std::uint32_t ticks;
    } read[] = {
        {"2 days, 3:04:05.06", 18384506},
        {"3:04", 1080000},
        {"3:04:05", 1104000},
        {"5.5", 505},
        {"", 0},
        {"days", 0},
        {"1 day", 8640000},
    };
    for (const auto& c : read) {
        EXPECT_EQ(TicksFromText(c.text), c.ticks) << c.text;
    }
}

TEST(ValueForms, HexAndPlainText) {
    EXPECT_EQ(OctetsToHex(Bytes({0x00, 0x1A, 0xFF})), "001AFF");
    EXPECT_EQ(HexToOctets("00 1A FF"), Bytes({0x00, 0x1A, 0xFF}));
    EXPECT_EQ(HexToOctets("ABC"), Bytes({0x0A, 0xBC}));
    EXPECT_EQ(HexToOctets("a"), Bytes({0x0A}));
    EXPECT_EQ(HexToOctets("   "), "");
    EXPECT_EQ(HexToOctets("g1"), Bytes({0x01}));
    EXPECT_EQ(OctetsToPlain(std::string("\0x", 2)), "");
}

TEST(ValueForms, FloatingText) {
    struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {2.5, "2.5"},
        {-0.125, "-0.125"},
        {1e20, "1E20"},
        {1.5e-6, "1.5E-6"},
        {0.00001, "0.00001"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.0 / 3.0, "0.333333333333333"},
        // The notation follows the value after rounding to 15 digits.
        {999999999999999.9, "1E15"},
        {-999999999999999.9, "-1E15"},
        {0.0000099999999999999999, "0.00001"},
        {9.99999999999999999, "10"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToText(c.value), c.text);
    }
    EXPECT_DOUBLE_EQ(FloatFromText("1.5E-6"), 1.5e-6);
    EXPECT_EQ(FloatFromText("x"), 0.0);
}

TEST(ValueForms, DayCountText) {
    struct {
        double days;
        const char* text;
    } cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},      {39659.5, "2008/07/30 12:00:00 pm"},
        {39659.25, "2008/07/30 06:00:00 am"}, {39659.75, "2008/07/30 06:00:00 pm"},
        {2.0, "1900/01/01 12:00:00 am"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayCountToText(c.days), c.text);
        EXPECT_DOUBLE_EQ(DayCountFromText(c.text), c.days) << c.text;
    }
    EXPECT_EQ(DayCountFromText("nonsense"), 0.0);
    EXPECT_EQ(DayCountToText(1e300), "1E300");
}

} // namespace
