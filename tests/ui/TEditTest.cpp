#include "UiTestSupport.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"

#include <QTest>

#include <string>

namespace {

using EditTest = UiTest;

TEST_F(EditTest, ChangeHandlerSeesProgramAndUserChanges) {
    TForm form;
    TEdit edit(&form);
    ASSERT_TRUE(ShowActive(&form));
    edit.SetFocus();
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.SetText("12");
    EXPECT_EQ(changes, 1);
    edit.SetText("12"); // no change, no event
    EXPECT_EQ(changes, 1);
    QTest::keyClicks(&edit, QStringLiteral("34"));
    EXPECT_EQ(edit.Text(), "1234");
    EXPECT_EQ(changes, 3);
}

TEST_F(EditTest, ChangeHandlerMaySetTheTextAgain) {
    // A filter that drops the first character that is not a digit; setting the text runs the
    // filter once more on the shorter text.
    TEdit edit(nullptr);
    int runs = 0;
    edit.OnChange = [&] {
        ++runs;
        const std::string text = edit.Text();
        const size_t bad = text.find_first_not_of("0123456789");
        if (bad != std::string::npos) {
            edit.SetText(text.substr(0, bad) + text.substr(bad + 1));
        }
    };
    edit.SetText("4a2b");
    EXPECT_EQ(edit.Text(), "42");
    EXPECT_EQ(runs, 3);
}

TEST_F(EditTest, MaxLengthLimitsTypingButNotTheProgram) {
    const struct {
        const char* programText;
        int maxLength;
        const char* typed; // typed at the end; '<' is a backspace
        const char* expected;
    } cases[] = {
        {"", 3, "abcd", "abc"},       {"", 0, "abcdefgh", "abcdefgh"},
        {"abcdef", 3, "x", "abcdef"}, // a longer value from the program stays whole
        {"abcdef", 3, "<", "abcde"},  // and the user can still shorten it
        {"ab", 3, "<xyz", "axy"},
    };
    TForm form;
    TEdit edit(&form);
    ASSERT_TRUE(ShowActive(&form));
    edit.SetFocus();
    for (const auto& c : cases) {
        edit.SetMaxLength(c.maxLength);
        edit.SetText(c.programText);
        EXPECT_EQ(edit.Text(), c.programText);
        edit.SetSelStart(static_cast<int>(std::string(c.programText).size()));
        for (const char* k = c.typed; *k != '\0'; ++k) {
            if (*k == '<') {
                QTest::keyClick(&edit, Qt::Key_Backspace);
            } else {
                QTest::keyClick(&edit, *k);
            }
        }
        EXPECT_EQ(edit.Text(), c.expected) << c.programText << " + " << c.typed;
    }
}

TEST_F(EditTest, KeyPressSeesKeysOfReadOnlyFieldsAndMaySwallowThem) {
    TForm form;
    TEdit edit(&form);
    ASSERT_TRUE(ShowActive(&form));
    edit.SetFocus();
    std::u32string seen;
    edit.OnKeyPress = [&](char32_t& key) {
        seen += key;
        if (key == U'x') {
            key = 0; // swallowed
        } else if (key == U'a') {
            key = U'A';
        }
    };
    QTest::keyClicks(&edit, QStringLiteral("xab"));
    EXPECT_EQ(edit.Text(), "Ab");
    edit.SetReadOnly(true);
    QTest::keyClicks(&edit, QStringLiteral("q"));
    EXPECT_EQ(edit.Text(), "Ab");
    EXPECT_EQ(seen, U"xabq");
}

TEST_F(EditTest, ClickRunsOnClickAlsoWhenReadOnly) {
    TForm form;
    TEdit edit(&form);
    edit.SetReadOnly(true);
    ASSERT_TRUE(ShowActive(&form));
    int clicks = 0;
    edit.OnClick = [&] { ++clicks; };
    QTest::mouseClick(&edit, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(EditTest, GreyedAndEditableFieldColoursReachThePalette) {
    TEdit edit(nullptr);
    for (const bool editable : {false, true}) {
        edit.SetColor(FieldColor(editable));
        edit.SetFontColor(clBlack);
        EXPECT_EQ(edit.Color(), editable ? clWindow : clMenu);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
            EXPECT_EQ(edit.palette().color(group, QPalette::Base),
                      ColorToQColor(editable ? clWindow : clMenu));
            EXPECT_EQ(edit.palette().color(group, QPalette::Text), QColor(Qt::black));
        }
    }
}

TEST_F(EditTest, MemoCountsAndAppendsLines) {
    TMemo memo(nullptr);
    EXPECT_EQ(memo.LineCount(), 0);
    memo.AddLine("Get: Ok!. Receive at 09:00:00 AM.");
    memo.AddLine("Set: Ok!");
    EXPECT_EQ(memo.LineCount(), 2);
    EXPECT_EQ(memo.Line(1), "Set: Ok!");
    EXPECT_EQ(memo.Line(2), "");
    EXPECT_EQ(memo.Text(), "Get: Ok!. Receive at 09:00:00 AM.\nSet: Ok!");
    memo.Clear();
    EXPECT_EQ(memo.LineCount(), 0);
}

} // namespace
