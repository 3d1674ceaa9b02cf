#include "binding/QxOctetForm.h"

#include "shell/QxError.h"
#include "snmp/UISnmpVar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Octets from two hexadecimal digits per octet; blanks are skipped.
std::string Hex(const std::string& digits) {
    std::string octets;
    int high = -1;
    for (char c : digits) {
        if (c == ' ') {
            continue;
        }
        int v = c <= '9' ? c - '0' : c - 'A' + 10;
        if (high < 0) {
            high = v;
        } else {
            octets.push_back(static_cast<char>(high * 16 + v));
            high = -1;
        }
    }
    return octets;
}

std::string Printable(const std::string& octets) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : octets) {
        if (!text.empty()) {
            text.push_back(' ');
        }
        text.push_back(Digits[c >> 4]);
        text.push_back(Digits[c & 0x0F]);
    }
    return text;
}

// The program code of the error an operation raises, 0 when it raises none.
int ErrorCode(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const QxError& e) {
        return e.Code();
    }
    return 0;
}

constexpr int BadSyntax = -511;
constexpr int BadValue = -518;
constexpr int OutOfRange = -519;

// Every syntax with an octet form and the width of its part; -1 where a part runs to the end.
struct Width {
    int syntax;
    int width;
} const Widths[] = {
    {sxBoolean, 4},    {sxInteger, 4},   {sxBitstr, -1},    {sxOctetstr, -1},   {sxNull, 0},
    {sxObjectid, -1},  {sxIpaddress, 4}, {sxCounter, 4},    {sxGuage, 4},       {sxTimeticks, 4},
    {sxOpaque, -1},    {sxNsapaddr, 4},  {sxCounter64, 8},  {sxUinteger, 4},    {sxDouble, 8},
    {sxMacaddress, 6}, {sxDatetime, 11}, {sxBcdatetime, 8}, {sxDisplaystr, -1}, {sxIpv6address, 16},
    {sxBool8, 1},      {sxInt8, 1},      {sxUint8, 1},      {sxBool16, 2},      {sxInt16, 2},
    {sxUint16, 2},
};

// Canonical texts and their octet forms: each converts to the other.
struct Form {
    int syntax;
    const char* text;
    const char* octets;
} const Forms[] = {
    {sxBoolean, "true", "01 00 00 00"},
    {sxBoolean, "false", "00 00 00 00"},
    {sxInteger, "-2", "FE FF FF FF"},
    {sxInteger, "305419896", "78 56 34 12"},
    {sxBitstr, "C080", "C0 80"},
    {sxOctetstr, "001AFF", "00 1A FF"},
    {sxOpaque, "ABCD", "AB CD"},
    {sxNull, "(NULL)", ""},
    {sxObjectid, "1.3.256.4294967295", "01 00 00 00 03 00 00 00 00 01 00 00 FF FF FF FF"},
    {sxIpaddress, "192.168.0.1", "C0 A8 00 01"},
    {sxNsapaddr, "10.0.0.255", "0A 00 00 FF"},
    {sxCounter, "4294967295", "FF FF FF FF"},
    {sxGuage, "1", "01 00 00 00"},
    {sxUinteger, "16909060", "04 03 02 01"},
    {sxTimeticks, "1 day 0:00:00.00", "00 D6 83 00"},
    {sxTimeticks, "2 days, 0:00:01.23", "7B AC 07 01"},
    {sxCounter64, "18446744073709551615", "FF FF FF FF FF FF FF FF"},
    {sxCounter64, "4294967296", "00 00 00 00 01 00 00 00"},
    {sxDouble, "1.5", "00 00 00 00 00 00 F8 3F"},
    {sxDouble, "1E20", "40 8C B5 78 1D AF 15 44"},
    {sxDouble, "-0.25", "00 00 00 00 00 00 D0 BF"},
    {sxMacaddress, "000102ABCDEF", "00 01 02 AB CD EF"},
    {sxDatetime, "2008-7-30,9:5:3.4,-5:30", "07 D8 07 1E 09 05 03 04 2D 05 1E"},
    {sxBcdatetime, "2008/07/30 09:05:03 pm", "76 98 BA 1C 7C 5D E3 40"},
    {sxDisplaystr, "Port 1", "50 6F 72 74 20 31"},
    {sxDisplaystr, "", ""},
    {sxIpv6address, "FE800000000000000000000000000001",
     "FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01"},
    {sxBool8, "true", "01"},
    {sxBool8, "false", "00"},
    {sxInt8, "-2", "FE"},
    {sxInt8, "127", "7F"},
    {sxUint8, "255", "FF"},
    {sxUint8, "18", "12"},
    {sxBool16, "true", "00 01"},
    {sxBool16, "false", "00 00"},
    {sxInt16, "-2", "FF FE"},
    {sxInt16, "32767", "7F FF"},
    {sxUint16, "65535", "FF FF"},
    {sxUint16, "5", "00 05"},
};

TEST(QxOctetForm, EverySyntaxBothWays) {
    for (const Width& w : Widths) {
        bool covered = false;
        for (const Form& f : Forms) {
            covered = covered || f.syntax == w.syntax;
        }
        EXPECT_TRUE(covered) << "syntax " << w.syntax << " has no row";
    }
    for (const Form& f : Forms) {
        SCOPED_TRACE(testing::Message() << "syntax " << f.syntax << " text " << f.text);
        EXPECT_EQ(Printable(TextToOctets(f.text, f.syntax)), Printable(Hex(f.octets)));
        EXPECT_EQ(OctetsToText(Hex(f.octets), f.syntax), f.text);
    }
}

TEST(QxOctetForm, TextsThatAreNotCanonical) {
    struct Case {
        int syntax;
        const char* text;
        const char* octets;
        const char* textBack;
    } cases[] = {
        // Only "true" is true; any non-zero octet form reads as true.
        {sxBoolean, "1", "00 00 00 00", "false"},
        {sxBool8, "yes", "00", "false"},
        {sxInteger, "abc", "00 00 00 00", "0"},
        // Blanks and an odd digit count in hexadecimal text.
        {sxOctetstr, "00 1A FF", "00 1A FF", "001AFF"},
        {sxOctetstr, "ABC", "0A BC", "0ABC"},
        // Both spellings of a part's bit pattern are taken.
        {sxInt16, "65535", "FF FF", "-1"},
        {sxInt8, "255", "FF", "-1"},
        {sxUint8, "-1", "FF", "255"},
        {sxUint16, "", "00 00", "0"},
        // Absent values have no octets.
        {sxInteger, "(NULL)", "", "(NULL)"},
        {sxIpaddress, "(NULL)", "", "(NULL)"},
        {sxMacaddress, "(NULL)", "", "(NULL)"},
        {sxUint8, "(NULL)", "", "(NULL)"},
        {sxDatetime, "(NULL)", "", "(NULL)"},
        // An empty octet string and an empty display string are values, not absent ones: an
        // empty field must not turn into a null value when it is written back.
        {sxDisplaystr, "(NULL)", "", ""},
        {sxOctetstr, "", "", ""},
        {sxBitstr, "(NULL)", "", ""},
        {sxOpaque, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " text " << c.text);
        std::string octets = TextToOctets(c.text, c.syntax);
        EXPECT_EQ(Printable(octets), Printable(Hex(c.octets)));
        EXPECT_EQ(OctetsToText(octets, c.syntax), c.textBack);
    }
}

TEST(QxOctetForm, OctetFormsThatAreNotCanonical) {
    struct Case {
        int syntax;
        const char* octets;
        const char* text;
    } cases[] = {
        {sxBoolean, "00 00 01 00", "true"},
        {sxBool8, "07", "true"},
        {sxBool16, "01 00", "true"},
        // Fixed-width syntaxes read their leading octets.
        {sxInteger, "2A 00 00 00 FF FF", "42"},
        {sxUint8, "12 1E", "18"},
        {sxIpaddress, "C0 A8 00 01 05", "192.168.0.1"},
        // Hexadecimal syntaxes show every octet they have.
        {sxMacaddress, "00 01 02 03 04 05 06", "00010203040506"},
        // A display string ends at its first NUL octet.
        {sxDisplaystr, "41 42 00 43", "AB"},
        {sxNull, "01 02", "(NULL)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " octets " << c.octets);
        EXPECT_EQ(OctetsToText(Hex(c.octets), c.syntax), c.text);
    }
}

TEST(QxOctetForm, SyntaxWithoutOctetFormRaises511) {
    for (int syntax : {0, 7, 63, 78, 192, 199, -1}) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(ErrorCode([&] { TextToOctets("1", syntax); }), BadSyntax);
        // Found even when the value is absent, so a wrong table cannot hide behind it.
        EXPECT_EQ(ErrorCode([&] { TextToOctets("(NULL)", syntax); }), BadSyntax);
        EXPECT_EQ(ErrorCode([&] { OctetsToText(Hex("01 02 03 04"), syntax); }), BadSyntax);
        EXPECT_EQ(ErrorCode([&] { OctetsToText("", syntax); }), BadSyntax);
        EXPECT_EQ(ErrorCode([&] { ExtractPart(Hex("01 02 03 04"), 0, syntax); }), BadSyntax);
        EXPECT_EQ(ErrorCode([&] { ExtractPart("", 0, syntax); }), BadSyntax);
    }
}

TEST(QxOctetForm, TooFewOctetsRaise518) {
    for (const Width& w : Widths) {
        if (w.width <= 0) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << "syntax " << w.syntax);
        std::string shortValue(static_cast<size_t>(w.width - 1), '\x01');
        std::string fullValue(static_cast<size_t>(w.width), '\x01');
        if (!shortValue.empty()) {
            EXPECT_EQ(ErrorCode([&] { OctetsToText(shortValue, w.syntax); }), BadValue);
        }
        EXPECT_EQ(ErrorCode([&] { OctetsToText(fullValue, w.syntax); }), 0);
    }
    // A sub-identifier takes four octets; a shorter piece at the end is not a number.
    EXPECT_EQ(ErrorCode([] { OctetsToText(Hex("01 00 00 00 03"), sxObjectid); }), BadValue);
}

TEST(QxOctetForm, PartNumbersOutOfRangeRaise518) {
    struct Case {
        int syntax;
        const char* text;
        int code;
    } cases[] = {
        {sxUint8, "256", BadValue},
        {sxUint8, "255", 0},
        {sxUint8, "-128", 0},
        {sxUint8, "-129", BadValue},
        {sxInt8, "-129", BadValue},
        {sxInt8, "300", BadValue},
        {sxUint16, "65536", BadValue},
        {sxUint16, "70000", BadValue},
        {sxInt16, "-32768", 0},
        {sxInt16, "-32769", BadValue},
        {sxUint16, "99999999999999999999", BadValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << " text " << c.text);
        EXPECT_EQ(ErrorCode([&] { TextToOctets(c.text, c.syntax); }), c.code);
    }
}

TEST(QxOctetForm, PartWidthsOfEverySyntax) {
    std::string value;
    for (int k = 0; k < 24; ++k) {
        value.push_back(static_cast<char>(k));
    }
    for (const Width& w : Widths) {
        SCOPED_TRACE(testing::Message() << "syntax " << w.syntax);
        std::string expected = w.width < 0 ? value.substr(3) : value.substr(3, w.width);
        EXPECT_EQ(ExtractPart(value, 3, w.syntax), expected);
        // No octets give no octets, wherever the part would lie.
        EXPECT_EQ(ExtractPart("", 7, w.syntax), "");
        if (w.width > 0) {
            std::string justTooShort = value.substr(0, static_cast<size_t>(3 + w.width - 1));
            EXPECT_EQ(ErrorCode([&] { ExtractPart(justTooShort, 3, w.syntax); }), OutOfRange);
            std::string exact = value.substr(0, static_cast<size_t>(3 + w.width));
            EXPECT_EQ(ExtractPart(exact, 3, w.syntax), expected);
        }
    }
}

TEST(QxOctetForm, PartsOutsideTheValueRaise519) {
    const std::string value = Hex("02 00 05 03 12 1E");
    struct Case {
        int byteOffset;
        int syntax;
    } cases[] = {
        {5, sxUint16},    // one octet short
        {6, sxUint8},     // just past the end
        {7, sxOctetstr},  // a part to the end, starting beyond it
        {-1, sxUint8},    // before the start
        {-1, sxOctetstr}, // before the start, to the end
        {3, sxInteger},   // a four-octet part with three octets left
        {0, sxDatetime},  // the whole value is too short
        {2, sxIpv6address},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.byteOffset << " syntax " << c.syntax);
        EXPECT_EQ(ErrorCode([&] { ExtractPart(value, c.byteOffset, c.syntax); }), OutOfRange);
    }
    // A part to the end that starts at the end is empty.
    EXPECT_EQ(ExtractPart(value, 6, sxOctetstr), "");
}

// A week, weekday, month, hour and minute packed into one six-octet value.
TEST(QxOctetForm, PackedScheduleShowsAndMergesItsParts) {
    const std::string valueText = "02000503121E";
    std::string octets = TextToOctets(valueText, sxOctetstr);
    struct Part {
        int byteOffset;
        int syntax;
        const char* text;
    } parts[] = {
        {0, sxUint8, "2"},  {1, sxUint16, "5"}, {3, sxUint8, "3"},
        {4, sxUint8, "18"}, {5, sxUint8, "30"},
    };
    for (const Part& p : parts) {
        SCOPED_TRACE(p.byteOffset);
        EXPECT_EQ(OctetsToText(ExtractPart(octets, p.byteOffset, p.syntax), p.syntax), p.text);
    }
    // The hour becomes 7; the other parts keep their octets.
    std::string hour = TextToOctets("7", sxUint8);
    octets.replace(4, hour.size(), hour);
    EXPECT_EQ(OctetsToText(octets, sxOctetstr), "02000503071E");
}

TEST(QxOctetForm, BitsInPortListOrder) {
    const std::string value = Hex("C0 80");
    for (int p = 0; p <= 8; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(OctetBit(value, p), p == 0 || p == 1 || p == 8);
    }
    for (int p = 9; p <= 15; ++p) {
        EXPECT_FALSE(OctetBit(value, p)) << p;
    }
    std::string cleared = value;
    SetOctetBit(cleared, 1, false);
    EXPECT_EQ(Printable(cleared), "80 80");
    SetOctetBit(cleared, 15, true);
    EXPECT_EQ(Printable(cleared), "80 81");
}

TEST(QxOctetForm, BitsOutsideTheValue) {
    // A one-octet value has no bit 8.
    EXPECT_EQ(ErrorCode([] { OctetBit(Hex("C0"), 8); }), OutOfRange);
    EXPECT_EQ(ErrorCode([] { OctetBit(Hex("C0"), 7); }), 0);
    EXPECT_EQ(ErrorCode([] { OctetBit("", 0); }), OutOfRange);
    EXPECT_EQ(ErrorCode([] { OctetBit(Hex("FF"), -1); }), OutOfRange);

    // Setting a bit beyond the value appends zero octets first, even to clear it.
    std::string octets;
    SetOctetBit(octets, 9, true);
    EXPECT_EQ(Printable(octets), "00 40");
    std::string cleared = Hex("FF");
    SetOctetBit(cleared, 17, false);
    EXPECT_EQ(Printable(cleared), "FF 00 00");
    std::string untouched = Hex("FF");
    EXPECT_EQ(ErrorCode([&] { SetOctetBit(untouched, -1, true); }), OutOfRange);
    EXPECT_EQ(Printable(untouched), "FF");
}

TEST(QxOctetForm, RoundTripsThroughParts) {
    // Every canonical octet form, placed inside a longer value, comes back as the same text.
    for (const Form& f : Forms) {
        SCOPED_TRACE(testing::Message() << "syntax " << f.syntax << " text " << f.text);
        std::string octets = TextToOctets(f.text, f.syntax);
        std::string value = Hex("AA BB") + octets;
        std::string part = ExtractPart(value, 2, f.syntax);
        EXPECT_EQ(Printable(part), Printable(octets));
        EXPECT_EQ(OctetsToText(part, f.syntax), OctetsToText(octets, f.syntax));
        EXPECT_EQ(TextToOctets(OctetsToText(octets, f.syntax), f.syntax), octets);
    }
}

} // namespace
