// Keyboard access every window gets from the toolkit when it is first shown: Alt letters on its
// buttons, check boxes and radio buttons, and Tab in reading order.
#include "UiTestSupport.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TMnemonics.h"
#include "ui/toolkit/TPageControl.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TRadioGroup.h"
#include "ui/toolkit/TTabOrder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using KeyboardOrder = UiTest;

QString Shown(const QAbstractButton* button) {
    return button->text();
}

// The push buttons, check boxes and radio buttons below `root`.
std::vector<QAbstractButton*> ButtonsOf(QWidget* root) {
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(b) || qobject_cast<QCheckBox*>(b) ||
            qobject_cast<QRadioButton*>(b)) {
            buttons.push_back(b);
        }
    }
    return buttons;
}

TEST_F(KeyboardOrder, ButtonsGetUniqueLettersAndKeepTheirCaptions) {
    TForm form;
    form.SetBounds(0, 0, 500, 500);
    TMainMenu menu(&form);
    menu.Add("File1", "File")->SetMnemonic('F');
    const struct {
        const char* caption;
        const char* shown; // the text with its Alt letter
    } cases[] = {
        {"Refresh", "&Refresh"},
        {"Set", "&Set"},
        {"Close", "&Close"},
        {"Check All", "Check &All"}, // C is Close's: the next word start
        {"Clear Checks", "C&lear Checks"},
        {"Fast Poll", "Fast &Poll"}, // F is the menu's
        {"&Test", "&Test"},          // an "&" of its own stays
        {"Stop", "St&op"},           // S is Set's, T is Test's: a letter inside a word
        {"", ""},                    // a picture button has no text to mark
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"}, // no ASCII letter left: none
    };
    std::vector<TButton*> buttons;
    int top = 10;
    for (const auto& c : cases) {
        auto* b = new TButton(&form);
        b->SetCaption(c.caption);
        b->SetBounds(10, top, 90, 25);
        top += 28;
        buttons.push_back(b);
    }
    // Below the buttons: they choose after them.
    auto* box = new TCheckBox(&form);
    box->SetCaption("Show pass phrases");
    box->SetBounds(10, top, 150, 20);
    auto* group = new TRadioGroup(&form);
    group->SetBounds(10, top + 30, 150, 80);
    group->SetItems({"SNMPv1", "SNMPv2c", "SNMPv3"});
    form.show();

    std::set<QChar> letters;
    for (QAbstractButton* b : ButtonsOf(&form)) {
        const QChar letter = TMnemonics::MnemonicOf(b->text());
        if (letter.isNull()) {
            continue;
        }
        EXPECT_NE(letter, QLatin1Char('f')) << "the menu's letter";
        EXPECT_TRUE(letters.insert(letter).second) << b->text().toStdString();
    }
    EXPECT_GE(letters.size(), 12u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].caption);
        EXPECT_EQ(buttons[i]->Caption(), cases[i].caption);
        EXPECT_EQ(Shown(buttons[i]).toStdString(), cases[i].shown);
    }
    EXPECT_EQ(box->Caption(), "Show pass phrases");
    EXPECT_EQ(Shown(box).toStdString(), "S&how pass phrases");
    EXPECT_EQ(group->Item(1), "SNMPv2c");
    // A caption changed later takes a free letter again.
    buttons[2]->SetCaption("Quit");
    EXPECT_EQ(buttons[2]->Caption(), "Quit");
    const QChar stop = TMnemonics::MnemonicOf(Shown(buttons[2]));
    ASSERT_FALSE(stop.isNull());
    letters.erase(QLatin1Char('c'));
    EXPECT_EQ(letters.count(stop), 0u) << Shown(buttons[2]).toStdString();
}

// The same captions on different tabs of one window are never seen together: they share their
// letter, so that a page reads the same on every tab.
TEST_F(KeyboardOrder, TabsOfOneWindowShareLetters) {
    TForm form;
    form.SetBounds(0, 0, 400, 300);
    auto* pages = new TPageControl(&form);
    pages->SetAlign(alClient);
    std::vector<TButton*> refresh;
    for (const char* title : {"First", "Second"}) {
        auto* sheet = new TTabSheet(pages);
        sheet->SetCaption(title);
        auto* b = new TButton(sheet);
        b->SetCaption("Refresh");
        b->SetBounds(10, 10, 80, 25);
        refresh.push_back(b);
    }
    auto* close = new TButton(&form);
    close->SetCaption("Close");
    form.show();
    EXPECT_EQ(Shown(refresh[0]), QStringLiteral("&Refresh"));
    EXPECT_EQ(Shown(refresh[1]), QStringLiteral("&Refresh"));
    EXPECT_EQ(Shown(close), QStringLiteral("&Close"));
}

TEST_F(KeyboardOrder, AltAndTheLetterPressesTheButton) {
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetBounds(10, 10, 100, 21);
    auto* set = new TButton(&form);
    set->SetCaption("Set");
    set->SetBounds(10, 50, 75, 25);
    int clicks = 0;
    set->OnClick = [&] { ++clicks; };
    auto* box = new TCheckBox(&form);
    box->SetCaption("Monitor");
    box->SetBounds(10, 90, 100, 20);
    int toggles = 0;
    box->OnClick = [&] { ++toggles; };
    ASSERT_TRUE(ShowActive(&form));
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return clicks == 1; }, 2000));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return toggles == 1; }, 2000));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
}

// Tab follows the picture, not the order the controls were made in: lines top to bottom, left
// to right on a line (a label and its field a few pixels apart are one line), the inside of a
// panel where the panel stands.
TEST_F(KeyboardOrder, TabFollowsReadingOrder) {
    TForm form;
    form.SetBounds(0, 0, 500, 300);
    struct Place {
        const char* name;
        int left, top, width, height;
    };
    // Made bottom-up and right to left on purpose.
    const Place edits[] = {
        {"bottomRight", 260, 200, 100, 21}, {"bottomLeft", 100, 203, 100, 21},
        {"middle", 100, 120, 100, 21},      {"topRight", 260, 12, 100, 21},
        {"topLeft", 100, 10, 100, 21},
    };
    std::map<QWidget*, std::string> names;
    for (const Place& p : edits) {
        auto* e = new TEdit(&form);
        e->SetBounds(p.left, p.top, p.width, p.height);
        names[e] = p.name;
    }
    // A panel between the first and the middle line, with two fields of its own.
    auto* panel = new TPanel(&form);
    panel->SetBounds(10, 50, 400, 60);
    for (const Place& p :
         {Place{"panelRight", 200, 5, 80, 21}, Place{"panelLeft", 10, 8, 80, 21}}) {
        auto* e = new TEdit(panel);
        e->SetBounds(p.left, p.top, p.width, p.height);
        names[e] = p.name;
    }
    auto* ok = new TButton(&form);
    ok->SetCaption("OK");
    ok->SetBounds(10, 250, 75, 25);
    names[ok] = "ok";
    ASSERT_TRUE(ShowActive(&form));

    const std::vector<std::string> expected = {"topLeft", "topRight",   "panelLeft",   "panelRight",
                                               "middle",  "bottomLeft", "bottomRight", "ok"};
    std::vector<std::string> order;
    for (QWidget* w : TTabOrder::ReadingOrder(&form)) {
        if (names.count(w) != 0) {
            order.push_back(names[w]);
        }
    }
    EXPECT_EQ(order, expected);

    // Tab itself walks that way, and round to the start.
    QWidget* first = nullptr;
    for (auto& [w, name] : names) {
        if (name == "topLeft") {
            first = w;
        }
    }
    ASSERT_NE(first, nullptr);
    first->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == first; }, 2000));
    std::vector<std::string> walked = {names[first]};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(names.count(QApplication::focusWidget()) != 0
                             ? names[QApplication::focusWidget()]
                             : "?");
    }
    std::vector<std::string> round = expected;
    round.push_back("topLeft");
    EXPECT_EQ(walked, round);
}

} // namespace
