#include "FakeTextField.h"
#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "vocab/QxEditConstraint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double DblMin = std::numeric_limits<double>::min();
constexpr double DblMax = std::numeric_limits<double>::max();

const std::string BadFormatText = "Bad format specifier of edit's constraint!";

std::string Between(const std::string& min, const std::string& max) {
    return "Please enter a number between " + min + " and " + max + "!";
}
std::string ListMessage(char delimiter, const std::string& rest) {
    return std::string("Please enter a delimited number string with delimiter '") + delimiter +
           "'.\nHere," + rest;
}
std::string EachNumber(char delimiter, const std::string& min, const std::string& max) {
    return ListMessage(delimiter, "each number is between " + min + " and " + max + "!");
}

// A constraint object with a recording owner and one field.
class EditConstraintTest : public testing::Test {
protected:
    void SetUp() override { QxMessages::Reset(); }
    void TearDown() override { QxMessages::Reset(); }

    void Make(bool commitOnExit = true) {
        auto owner = std::make_unique<FakeConstraintOwner>();
        form = owner.get();
        constraints = std::make_unique<QxEditConstraint>(std::move(owner), commitOnExit);
    }

    std::unique_ptr<QxEditConstraint> constraints;
    FakeConstraintOwner* form = nullptr;
};

TEST_F(EditConstraintTest, ValidSpecifiersGiveTheirRecords) {
    const struct {
        const char* format;
        char type;
        char delimiter;
        double minimum;
        double maximum;
        int maxLength;
        int flags;
        char advanceChar;
        int width;
    } cases[] = {
        // Defaults of every type.
        {"%i", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%u", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
        {"%f", 'f', 0, DblMin, DblMax, 0, 0, 0, 0},
        {"%h", 'h', 0, DblMin, DblMax, 0, 0, 0, 0},
        {"%s", 's', 0, DblMin, DblMax, 0, 0, 0, 0},
        {"%n.", 'n', '.', 0, 4294967295.0, 0, 0, 0, 0},
        {"%i{}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        // Formats the pages use.
        {"%i{n1x4094}", 'i', 0, 1, 4094, 0, 0, 0, 0},
        {"%i{n-779x839}", 'i', 0, -779, 839, 0, 0, 0, 0},
        {"%i{n0x2147483647l10}", 'i', 0, 0, 2147483647.0, 10, 0, 0, 0},
        {"%u{n0x65535l5}", 'u', 0, 0, 65535, 5, 0, 0, 0},
        {"%i{n1x255l3a}", 'i', 0, 1, 255, 3, 1, 0, 0},
        {"%i{w30n0x255l3}", 'i', 0, 0, 255, 3, 0, 0, 30},
        {"%s{l32}", 's', 0, DblMin, DblMax, 32, 0, 0, 0},
        {"%s{l16fn}", 's', 0, DblMin, DblMax, 16, 6, 0, 0},
        {"%n,{l5f}", 'n', ',', 0, 4294967295.0, 5, 2, 0, 0},
        {"%n.{x255}", 'n', '.', 0, 255, 0, 0, 0, 0},
        {"%f{n-1.5x2.25}", 'f', 0, -1.5, 2.25, 0, 0, 0, 0},
        // Options in any order; flags in any order; a later option overrides an earlier one.
        {"%i{x5n1}", 'i', 0, 1, 5, 0, 0, 0, 0},
        {"%i{n1n2}", 'i', 0, 2, 2147483647.0, 0, 0, 0, 0},
        {"%h{l8nfa}", 'h', 0, DblMin, DblMax, 8, 7, 0, 0},
        {"%i{l3al5}", 'i', 0, -2147483648.0, 2147483647.0, 5, 0, 0, 0},
        {"%i{w30w0}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%i{l3nx9}", 'i', 0, -2147483648.0, 9, 3, 4, 0, 0},
        {"%i{e.l3}", 'i', 0, -2147483648.0, 2147483647.0, 3, 0, '.', 0},
        // A repeated flag letter is the same flag, not a different one.
        {"%i{l3aa}", 'i', 0, -2147483648.0, 2147483647.0, 3, 1, 0, 0},
        // Integer bounds are held within what the type can store.
        {"%i{n-99999999999x99999999999}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%u{n-5x5000000000}", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const EditConstraint_s r = QxEditConstraint::ParseSpecifier(c.format);
        EXPECT_EQ(r.type, c.type);
        EXPECT_EQ(r.delimiter, c.delimiter);
        EXPECT_EQ(r.minimum, c.minimum);
        EXPECT_EQ(r.maximum, c.maximum);
        EXPECT_EQ(r.maxLength, c.maxLength);
        EXPECT_EQ(r.flags, c.flags);
        EXPECT_EQ(r.advanceChar, c.advanceChar);
        EXPECT_EQ(r.width, c.width);
        EXPECT_EQ(r.goodText, "");
    }
}

TEST_F(EditConstraintTest, InvalidSpecifierRaisesMessageTwoAndLeavesTheFieldAlone) {
    const char* const cases[] = {
        "",
        "%",
        "i{n1x2}",          // no leading %
        "%n",               // no delimiter
        "%k",               // unknown type
        "%I",               // type letters are lower case
        "%i{n1x2",          // no closing brace
        "%i}",              // no opening brace
        "%i{n1x2}x",        // the block must end the string
        "%i{n1x2}}",        // a brace inside the block
        "%n.{",             //
        "%i{q1}",           // unknown option
        "%i{N1}",           // option letters are lower case
        "%i{n}",            // options without their argument
        "%i{x}",            //
        "%i{l}",            //
        "%i{w}",            //
        "%i{e}",            //
        "%i{la}",           //
        "%i{n1-2}",         // a malformed number
        "%i{n-}",           //
        "%i{x.}",           //
        "%i{n1.2.3}",       //
        "%i{l3n5}",         // "n" right after the digits of "l" is the required flag
        "%i{l99999999999}", // beyond the integer range
        "%i{w99999999999}", //
        "%i{n1 x2}",        //
    };
    for (const char* format : cases) {
        SCOPED_TRACE(format);
        try {
            QxEditConstraint::ParseSpecifier(format);
            ADD_FAILURE() << "accepted";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Text(), BadFormatText);
            EXPECT_EQ(e.Code(), QxEditConstraint::BadFormatCode);
        }

        Make();
        FakeTextField field;
        field.maxLength = 7;
        field.width = 50;
        bool ownChange = false;
        field.onChange = [&] { ownChange = true; };
        EXPECT_THROW(constraints->AddConstraint(format, field), QxError);
        EXPECT_EQ(constraints->Count(), 0);
        EXPECT_EQ(field.maxLength, 7);
        EXPECT_EQ(field.width, 50);
        field.SetText("x");
        EXPECT_TRUE(ownChange);
        EXPECT_EQ(field.text, "x");
    }
}

TEST_F(EditConstraintTest, AttachingSetsLengthAndWidthAndKeepsTheOwnHandlers) {
    const struct {
        const char* format;
        int maxLength;
        int width;
    } cases[] = {
        {"%i{w30n0x255l3}", 3, 30},
        {"%s", 0, 121}, // no "l": no limit; no "w": width unchanged
        {"%s{w0l16}", 16, 121},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Make();
        FakeTextField field;
        field.maxLength = 99;
        std::vector<std::string> seen;
        int exits = 0;
        field.onChange = [&] { seen.push_back(field.text); };
        field.onExit = [&] { ++exits; };
        constraints->AddConstraint(c.format, field);
        EXPECT_EQ(field.maxLength, c.maxLength);
        EXPECT_EQ(field.width, c.width);
        ASSERT_NE(constraints->Find(field), nullptr);
        EXPECT_EQ(constraints->Find(field)->control, &field);
        field.SetText("12");
        field.Leave();
        EXPECT_EQ(seen, std::vector<std::string>{"12"});
        EXPECT_EQ(exits, 1);
    }
}

TEST_F(EditConstraintTest, TypingKeepsOnlyTheCharactersOfTheType) {
    const struct {
        const char* format;
        const char* typed;
        const char* text;
        int beeps;
    } cases[] = {
        {"%i{n1x4094}", "4a", "4", 1},
        {"%i{n1x4094}", "-5", "-5", 0}, // refused only on leaving
        {"%i", "5-", "5", 1},
        {"%i", "--5", "-5", 1},
        {"%i", "1.5", "15", 1},
        {"%u", "-5", "5", 1},
        {"%f", "1.2.3", "1.23", 1},
        {"%f", "-1.5", "-1.5", 0},
        {"%f", ".5-", ".5", 1},
        {"%h", "0aFgx9", "0aF9", 2},
        {"%s", "any text-1.5!", "any text-1.5!", 0},
        {"%n.{x255}", "192.168..1", "192.168.1", 1},
        {"%n.{x255}", ".1", "1", 1},
        {"%n.{x255}", "10.0.0.1", "10.0.0.1", 0},
        {"%n,", "1,2,,3", "1,2,3", 1},
        {"%n,", "1.2", "12", 1}, // "." is not the delimiter here
        {"%n-", "-1-2", "1-2", 1},
        {"%i{n1x255l3}", "1234", "123", 0}, // the field stops typing at the length
        {"%n,{l5f}", "1,2,3,4", "1,2,3", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.typed);
        Make();
        FakeTextField field;
        constraints->AddConstraint(c.format, field);
        field.Type(c.typed);
        EXPECT_EQ(field.text, c.text);
        EXPECT_EQ(form->beeps, c.beeps);
        EXPECT_TRUE(form->messages.empty());
    }
}

TEST_F(EditConstraintTest, ProgramTextsAreFilteredInOneStep) {
    const struct {
        const char* format;
        std::string set;
        const char* text;
        int beeps;
        int ownChanges; // runs of the field's own change handler
    } cases[] = {
        {"%i", "4a2b", "42", 1, 1},
        {"%u", "12\xC3\xA4", "12", 1, 1}, // a multi-byte character goes whole
        // A long pasted text with many refused characters: one step and one beep, not one
        // nested change per character.
        {"%i", std::string(100000, 'x') + "7", "7", 1, 1},
        // Texts of the request engine, and the empty text, pass without any check.
        {"%i", "(NULL)", "(NULL)", 0, 0},
        {"%i", "(NOTDONE)", "(NOTDONE)", 0, 0},
        {"%n.{x255}", "(NULL)", "(NULL)", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Make();
        FakeTextField field;
        int ownChanges = 0;
        field.onChange = [&] { ++ownChanges; };
        constraints->AddConstraint(c.format, field);
        field.SetText(c.set);
        EXPECT_EQ(field.text, c.text);
        EXPECT_EQ(form->beeps, c.beeps);
        EXPECT_LE(field.changes, 2);
        EXPECT_EQ(ownChanges, c.ownChanges);
    }
}

TEST_F(EditConstraintTest, FocusMovesOnAtFullLengthOrTheAdvanceCharacter) {
    const struct {
        const char* format;
        const char* typed;
        const char* text;
        int advances;
    } cases[] = {
        {"%i{n1x255l3a}", "12", "12", 0},    {"%i{n1x255l3a}", "123", "123", 1},
        {"%i{n1x255l3}", "123", "123", 0},   // no auto-advance flag
        {"%i{n1x255l3a}", "1a23", "123", 1}, // a refused character does not count
        {"%i{e.}", "12.", "12", 1},          {"%i{e.l3a}", "1.", "1", 1},
        {"%f{e.}", "1.5", "15", 1}, // the advance character wins over the type's "."
        {"%s{e;}", "a;b", "ab", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.typed);
        Make();
        FakeTextField field;
        constraints->AddConstraint(c.format, field);
        field.Type(c.typed);
        EXPECT_EQ(field.text, c.text);
        EXPECT_EQ(form->advances, c.advances);
    }
}

TEST_F(EditConstraintTest, ProgramTextInAFieldWithoutFocusDoesNotMoveTheFocus) {
    // A page that fills a full value into an auto-advancing field, or one with the advance
    // character in it, must not pull the focus away from wherever the user is.
    Make();
    FakeTextField address;
    FakeTextField dotted;
    constraints->AddConstraint("%i{n0x255l3a}", address);
    constraints->AddConstraint("%i{e.}", dotted);
    address.SetText("192");
    dotted.SetText("1.2");
    EXPECT_EQ(address.text, "192");
    EXPECT_EQ(dotted.text, "12");
    EXPECT_EQ(form->advances, 0);
}

TEST_F(EditConstraintTest, OwnChangeHandlerSeesOnlyCleanTextAndMayVetoTheAdvance) {
    Make();
    FakeTextField field;
    std::vector<std::string> seen;
    field.onChange = [&] {
        seen.push_back(field.text);
        if (field.text == "999") {
            field.tag = -1;
        }
    };
    constraints->AddConstraint("%i{n1x999l3a}", field);
    field.Type("9x9");
    EXPECT_EQ(seen, (std::vector<std::string>{"9", "9", "99"}));
    field.Type("9");
    EXPECT_EQ(field.text, "999");
    EXPECT_EQ(form->advances, 0); // vetoed
    EXPECT_EQ(field.tag, 0);      // the veto lasted for that event only
    field.SetText("");
    field.Type("123");
    EXPECT_EQ(form->advances, 1);
}

TEST_F(EditConstraintTest, LeavingChecksTheWholeValue) {
    const std::string uMax = "4294967295";
    const struct {
        const char* format;
        const char* good; // committed before; "" for none
        std::string text;
        std::string message; // "" when the value passes
    } cases[] = {
        {"%i{n1x4094}", "7", "-5", Between("1", "4094")},
        {"%i{n1x4094}", "7", "4095", Between("1", "4094")},
        {"%i{n1x4094}", "7", "4094", ""},
        {"%i{n1x4094}", "7", "1", ""},
        {"%i{n-779x839}", "0", "-780", Between("-779", "839")},
        {"%i", "0", "2147483648", Between("-2147483648", "2147483647")},
        {"%i", "0", "-2147483648", ""},
        {"%i", "0", "-", Between("-2147483648", "2147483647")}, // no number in it
        {"%u{n0x65535l5}", "0", "65536", Between("0", "65535")},
        {"%u", "0", "4294967296", Between("0", uMax)},
        {"%u", "0", "99999999999999999999999999", Between("0", uMax)},
        {"%i{x99999999999}", "0", "3000000000", Between("-2147483648", "2147483647")},
        // The default minimum of a real number is the smallest positive double.
        {"%f", "1", "-1.5", Between("2.2250738585072e-308", "1.79769313486232e+308")},
        {"%f", "1", "0.5", ""},
        {"%f{n-1.5x2.25}", "0", "2.5", Between("-1.5", "2.25")},
        {"%f{n-1.5x2.25}", "0", "-1.5", ""},
        {"%f{n-1.5x2.25}", "0", ".", Between("-1.5", "2.25")},
        {"%f{n-1.5x2.25}", "0", "-.5", ""},
        {"%s{l16fn}", "0123456789abcdef", "0123456789abcde",
         "Please enter a string whose length is 16!"},
        {"%s{l16fn}", "0123456789abcdef", "", QxMessages::Entry(QxMessages::Common, 3)},
        {"%s{l4}", "ab", "abcde", "Please enter a string whose length is less than 4!"},
        {"%s{l4}", "ab", "abcd", ""},
        {"%s{l4}", "ab", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", ""}, // four characters
        {"%s", "ab", std::string(5000, 'z'), ""},
        {"%h{l4}", "ab", "abcde", "Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "abcd", "abc", "Please enter a hex string whose length is 4!"},
        {"%n.{x255}", "1.1.1.1", "300.1.1.1", EachNumber('.', "0", "255")},
        {"%n.{x255}", "1.1.1.1", "10.0.0.1", ""},
        {"%n.{n10x20}", "10", "10.20.9", EachNumber('.', "10", "20")},
        {"%n,{l5f}", "1,2,3,4,5", "1,2",
         ListMessage(',', "the count of the number is equal to 5!")},
        {"%n,{l5f}", "1,2,3,4,5", "5,4,3,2,1", ""},
        {"%n,{l2}", "1", "1,2,3", ListMessage(',', "the count of the number is less than 2!")},
        {"%n,{l2}", "1", "1,2", ""},
        // The numbers are checked also when the count is limited.
        {"%n.{l4fx255}", "1.1.1.1", "300.1.1.1", EachNumber('.', "0", "255")},
        // A number beyond 32 bits does not wrap into range, and an empty last number is no
        // number.
        {"%n.{x255}", "1.1.1.1", "4294967296.1.1.1", EachNumber('.', "0", "255")},
        {"%n.", "1", "4294967296.1", EachNumber('.', "0", uMax)},
        {"%n.", "1", "4294967295.1", ""},
        {"%n.{l4fx255}", "1.1.1.1", "192.168.0.", EachNumber('.', "0", "255")},
        // List bounds are held within the unsigned range and truncated.
        {"%n.{n-5x300.9}", "1", "301", EachNumber('.', "0", "300")},
        // Texts of the request engine pass unchecked.
        {"%i{n1x4094}", "7", "(NULL)", ""},
        {"%n.{x255}", "1", "(NOTDONE)", ""},
        // A value refused before anything was accepted leaves an empty field.
        {"%i{n1x4094}", "", "5000", Between("1", "4094")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " leaving " + c.text.substr(0, 40));
        Make();
        FakeTextField field;
        int ownExits = 0;
        field.onExit = [&] { ++ownExits; };
        constraints->AddConstraint(c.format, field);
        field.SetText(c.good);
        constraints->Commit(field);
        field.SetText(c.text);
        ASSERT_EQ(field.text, c.text) << "the filter changed the case's text";
        field.Type("");
        field.Leave();
        if (c.message.empty()) {
            EXPECT_TRUE(form->messages.empty()) << form->messages.front();
            EXPECT_EQ(field.text, c.text);
            EXPECT_EQ(field.focusRequests, 0);
        } else {
            EXPECT_EQ(form->messages, std::vector<std::string>{c.message});
            EXPECT_EQ(field.text, c.good);
            EXPECT_EQ(field.focusRequests, 1);
            EXPECT_TRUE(field.focused);
            EXPECT_EQ(ownExits, 0);
        }
    }
}

TEST_F(EditConstraintTest, AcceptedValuesBecomeTheGoodTextOnlyWithCommitOnExit) {
    for (const bool commitOnExit : {true, false}) {
        SCOPED_TRACE(commitOnExit);
        Make(commitOnExit);
        FakeTextField field;
        constraints->AddConstraint("%i{n1x4094}", field);
        field.SetText("42");
        field.Leave();
        EXPECT_EQ(constraints->Find(field)->goodText, commitOnExit ? "42" : "");
        constraints->Commit(field);
        EXPECT_EQ(constraints->Find(field)->goodText, "42");
        field.SetText("5000");
        field.Leave();
        EXPECT_EQ(field.text, "42");
        // An empty field that is not required is left as it is, and nothing is committed.
        field.SetText("");
        field.Leave();
        EXPECT_EQ(field.text, "");
        EXPECT_EQ(constraints->Find(field)->goodText, "42");
        EXPECT_EQ(form->messages.size(), 1u);
    }
}

TEST_F(EditConstraintTest, OwnExitHandlerMayVetoAnAcceptedValue) {
    Make();
    FakeTextField field;
    std::vector<std::string> seen;
    field.onExit = [&] {
        seen.push_back(field.text);
        if (field.text == "13") {
            field.tag = -1;
        }
    };
    constraints->AddConstraint("%i{n1x4094}", field);
    field.SetText("12");
    field.Leave();
    field.SetText("13");
    field.Leave();
    EXPECT_EQ(field.text, "12"); // back to the good text, without a message
    EXPECT_TRUE(form->messages.empty());
    EXPECT_EQ(constraints->Find(field)->goodText, "12");
    EXPECT_EQ(field.tag, 0);
    field.SetText("5000"); // refused: the own handler does not run
    field.Leave();
    EXPECT_EQ(seen, (std::vector<std::string>{"12", "13"}));
}

TEST_F(EditConstraintTest, RefusedValueKeepsTheUserInTheFieldWithoutAnAdvance) {
    // Restoring a full good text into an auto-advancing field must not move the focus on
    // again after the user was put back into it.
    Make();
    FakeTextField field;
    constraints->AddConstraint("%i{n1x255l3a}", field);
    field.Type("100");
    field.Leave();
    EXPECT_EQ(form->advances, 1);
    field.SetText("");
    field.Type("999");
    EXPECT_EQ(form->advances, 2);
    field.Leave();
    EXPECT_EQ(form->messages, std::vector<std::string>{Between("1", "255")});
    EXPECT_EQ(field.text, "100");
    EXPECT_TRUE(field.focused);
    EXPECT_EQ(form->advances, 2);
}

TEST_F(EditConstraintTest, MessagesComeFromTheTableWithEveryPlaceholderReplaced) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "ksw_edit_constraint_common.err";
    {
        std::ofstream out(file);
        out << "Ok!\nBad logic operand!\nFormat?\nRequired!\n"
               "[MAXLEN]/[MAXLEN] long\n[LEN]=[LEN]\nhex [MAXLEN]\nhex [LEN]\n"
               "[MIN] <= value <= [MAX] ([MIN]..[MAX])\n";
    }
    ASSERT_TRUE(QxMessages::Load(QxMessages::Common, file.string()));
    std::filesystem::remove(file);

    const struct {
        const char* format;
        const char* text;
        const char* message;
    } cases[] = {
        {"%i{n1x4094}", "0", "1 <= value <= 4094 (1..4094)"},
        {"%s{l2}", "abc", "2/2 long"},
        {"%s{l16fn}", "", "Required!"},
        // Entries a shorter file lacks keep their built-in texts.
        {"%n,{l2}", "1,2,3",
         "Please enter a delimited number string with delimiter ','.\n"
         "Here,the count of the number is less than 2!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Make();
        FakeTextField field;
        constraints->AddConstraint(c.format, field);
        field.SetText(c.text);
        field.Leave();
        EXPECT_EQ(form->messages, std::vector<std::string>{c.message});
    }
    try {
        QxEditConstraint::ParseSpecifier("%k");
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Text(), "Format?");
    }
}

TEST_F(EditConstraintTest, AddConstraintsGivesPieceKToFieldK) {
    Make();
    FakeTextField a, b, c;
    constraints->AddConstraints("%i{n0x255l3}%h{l4}%s{l2}", {&a, &b, &c});
    EXPECT_EQ(constraints->Count(), 3);
    EXPECT_EQ(constraints->Find(a)->type, 'i');
    EXPECT_EQ(constraints->Find(b)->type, 'h');
    EXPECT_EQ(constraints->Find(c)->type, 's');
    EXPECT_EQ(a.maxLength, 3);
    EXPECT_EQ(b.maxLength, 4);
    EXPECT_EQ(c.maxLength, 2);
    b.Type("fg");
    EXPECT_EQ(b.text, "f");

    // More pieces than fields: refused before anything is attached.
    Make();
    FakeTextField d;
    EXPECT_THROW(constraints->AddConstraints("%i%i", {&d}), QxError);
    EXPECT_EQ(constraints->Count(), 0);
    EXPECT_THROW(constraints->AddConstraints("%i", {nullptr}), std::invalid_argument);
    EXPECT_EQ(constraints->Count(), 0);

    // A bad piece ends the operation; the pieces before it stay attached.
    Make();
    FakeTextField e, f, g;
    EXPECT_THROW(constraints->AddConstraints("%i%k%s", {&e, &f, &g}), QxError);
    EXPECT_EQ(constraints->Count(), 1);
    EXPECT_NE(constraints->Find(e), nullptr);
    EXPECT_EQ(constraints->Find(f), nullptr);
}

TEST_F(EditConstraintTest, CompositeLaysFieldsAndLabelsOutLeftToRight) {
    using Item = FakeCompositePanel::Item;
    const struct {
        const char* templateText;
        std::vector<Item> items;
        std::vector<char> types; // of the created fields
    } cases[] = {
        {"%i{w30n0x255l3}.%i{w30n0x255l3}",
         {{true, "", 0}, {false, ".", 31}, {true, "", 38}},
         {'i', 'i'}},
        {"%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}",
         {{true, "", 0}, {true, "", 31}, {true, "", 62}, {true, "", 93}},
         {'i', 'i', 'i', 'i'}},
        {"100%%", {{false, "100%", 0}}, {}},
        // Defaults widths (121); "%%" between fields; an "n" takes its delimiter along.
        {"%i%%%n.-%s{w10}end",
         {{true, "", 0},
          {false, "%", 122},
          {true, "", 129},
          {false, "-", 251},
          {true, "", 258},
          {false, "end", 269}},
         {'i', 'n', 's'}},
        {"", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templateText);
        Make();
        FakeCompositePanel panel;
        std::vector<QxTextField*> fields;
        constraints->BuildComposite(panel, c.templateText, &fields);
        EXPECT_TRUE(panel.frameCleared);
        ASSERT_EQ(panel.items.size(), c.items.size());
        for (size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(panel.items[i].isField, c.items[i].isField) << i;
            EXPECT_EQ(panel.items[i].text, c.items[i].text) << i;
            EXPECT_EQ(panel.items[i].left, c.items[i].left) << i;
        }
        ASSERT_EQ(fields.size(), c.types.size());
        for (size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i], &panel.fields[i]);
            EXPECT_EQ(constraints->Find(*fields[i])->type, c.types[i]);
        }
        EXPECT_EQ(constraints->Count(), static_cast<int>(c.types.size()));
    }

    // The created fields are constrained like any other.
    Make();
    FakeCompositePanel panel;
    constraints->BuildComposite(panel, "%i{w30n0x255l3a}.%i{w30n0x255l3a}");
    panel.fields[0].Type("1x92");
    EXPECT_EQ(panel.fields[0].text, "192");
    EXPECT_EQ(panel.fields[0].width, 30);
    EXPECT_EQ(form->advances, 1);
    EXPECT_EQ(form->beeps, 1);
}

TEST_F(EditConstraintTest, BadSpecifierInATemplateKeepsWhatCameBefore) {
    const struct {
        const char* templateText;
        int labels;
        int fields;
    } cases[] = {
        {"%i{w30}.%k", 1, 1},
        {"abc%", 1, 0},
        {"%i:%n", 1, 1},
        {"%i{n1x5", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.templateText);
        Make();
        FakeCompositePanel panel;
        std::vector<QxTextField*> fields;
        EXPECT_THROW(constraints->BuildComposite(panel, c.templateText, &fields), QxError);
        int labels = 0;
        for (const auto& item : panel.items) {
            labels += item.isField ? 0 : 1;
        }
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(static_cast<int>(panel.fields.size()), c.fields);
        EXPECT_EQ(static_cast<int>(fields.size()), c.fields);
        EXPECT_EQ(constraints->Count(), c.fields);
    }
}

TEST_F(EditConstraintTest, RemovingPutsTheOwnHandlersBack) {
    Make();
    FakeTextField field;
    int ownChanges = 0;
    int ownExits = 0;
    field.onChange = [&] { ++ownChanges; };
    field.onExit = [&] { ++ownExits; };
    constraints->AddConstraint("%i{n1x9}", field);
    constraints->AddConstraint("%s{l2}", field); // a second one on top
    field.SetText("4a");
    EXPECT_EQ(field.text, "4"); // both filters ran
    constraints->RemoveConstraint(field);
    EXPECT_EQ(constraints->Count(), 1);
    EXPECT_EQ(constraints->Find(field)->type, 'i');
    constraints->RemoveConstraint(field);
    EXPECT_EQ(constraints->Count(), 0);
    constraints->RemoveConstraint(field); // unconstrained: nothing happens
    ownChanges = 0;
    field.SetText("77a");
    field.Leave();
    EXPECT_EQ(field.text, "77a");
    EXPECT_EQ(ownChanges, 1);
    EXPECT_EQ(ownExits, 1);
    EXPECT_EQ(form->beeps, 1);
    EXPECT_TRUE(form->messages.empty());
}

TEST_F(EditConstraintTest, FieldOutlivingItsConstraintsGoesOnWithItsOwnHandlers) {
    // Destroying the constraints does not touch the fields; the handlers left on a field that
    // is still in use pass its events on instead of reaching released records.
    FakeTextField field;
    int ownChanges = 0;
    int ownExits = 0;
    field.onChange = [&] { ++ownChanges; };
    field.onExit = [&] { ++ownExits; };
    Make();
    constraints->AddConstraint("%i{n1x9}", field);
    constraints.reset();
    field.Type("4a");
    field.Leave();
    EXPECT_EQ(field.text, "4a");
    EXPECT_EQ(ownChanges, 2);
    EXPECT_EQ(ownExits, 1);
}

TEST_F(EditConstraintTest, OwnerCanChange) {
    Make();
    FakeTextField field;
    constraints->AddConstraint("%i{n1x9}", field);
    auto dialog = std::make_unique<FakeConstraintOwner>();
    FakeConstraintOwner* dialogOwner = dialog.get();
    constraints->SetOwner(std::move(dialog));
    field.SetText("12");
    field.Leave();
    EXPECT_EQ(dialogOwner->messages, std::vector<std::string>{Between("1", "9")});
}

} // namespace
