// The keyboard: Escape closes pages and dialogs as Close or Cancel does, Return presses the
// default button, F1 opens the guide at the window's topic, and the menus of the bar have Alt
// letters of their own.
#include "UiTestSupport.h"
#include "forms/config/TfrmConfigSNMP.h"
#include "main_window/THelpForm.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TMnemonics.h"
#include "main_window/HandMadeForms.h"
#include "main_window/catalogue/PageDefinition.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Keyboard = UiTest;

TEST_F(Keyboard, EscapeClosesPagesAndDialogsAsCloseOrCancelDoes) {
    for (const char* path : {"Basic Configuration / Time Management / System Time",
                             "Basic Configuration / Basic / Trust Host Management / Trust Host "
                             "Table"}) {
        SCOPED_TRACE(path);
        const PageDefinition* entry = TMenuCatalogue::Find(path);
        ASSERT_NE(entry, nullptr);
        std::unique_ptr<TConfigForm> form = BuildPageForm(*entry, PageHost{});
        form->show();
        ASSERT_TRUE(form->isVisible());
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
    }

    QTemporaryDir dir;
    TfrmConfigSNMP dialog(nullptr,
                          TfrmConfigSNMP::Running{dir.path().toStdString() + "/", "10.0.0.9", "1",
                                                  "", "readcm", "writecm"});
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.ModalResult(), mrCancel);
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/10.0.0.9.cfg")));
}

TEST_F(Keyboard, ReturnPressesTheDefaultButton) {
    QTemporaryDir dir;
    TfrmConfigSNMP dialog(nullptr,
                          TfrmConfigSNMP::Running{dir.path().toStdString() + "/", "10.0.0.9", "1",
                                                  "", "readcm", "writecm"});
    dialog.show();
    dialog.edtPort->setFocus();
    QTest::keyClick(dialog.edtPort, Qt::Key_Return);
    EXPECT_EQ(dialog.ModalResult(), mrOk);
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/10.0.0.9.cfg")));
}

TEST_F(Keyboard, F1OpensTheGuideAtTheWindowsTopic) {
    QTemporaryDir dir;
    TMainForm main({"/I127.0.0.1"}, dir.path().toStdString() + "/", nullptr, false);
    const PageDefinition* generated =
        TMenuCatalogue::Find("Basic Configuration / Time Management / System Time");
    ASSERT_NE(generated, nullptr);
    std::unique_ptr<TConfigForm> page = BuildPageForm(*generated, PageHost{&main, "10.0.0.9", {}});
    page->show();
    QTest::keyClick(page.get(), Qt::Key_F1);
    ASSERT_NE(THelpForm::Current(), nullptr);
    EXPECT_EQ(THelpForm::Current()->CurrentUrl(),
              THelpForm::TopicUrl("Basic Configuration / Time Management / System Time"));
    page->hide();
    main.show();
    QTest::keyClick(&main, Qt::Key_F1);
    EXPECT_EQ(THelpForm::Current()->CurrentUrl(), THelpForm::TopicUrl(""));
    THelpForm::Current()->close();
    main.hide();
}

TEST_F(Keyboard, EveryMenuOfTheBarHasAnAltLetterOfItsOwn) {
    QTemporaryDir dir;
    TMainForm main({"/I127.0.0.1"}, dir.path().toStdString() + "/", nullptr, false);
    std::set<char> letters;
    for (int i = 0; i < main.MainMenu()->Count(); ++i) {
        TMenuItem* bar = main.MainMenu()->Item(i);
        const QString text = QString::fromStdString(bar->ShownText());
        SCOPED_TRACE(bar->Caption());
        EXPECT_EQ(QString(text).remove(u'&').toStdString(), bar->Caption());
        const int amp = static_cast<int>(text.indexOf(u'&'));
        ASSERT_GE(amp, 0) << text.toStdString();
        const char letter = static_cast<char>(std::tolower(text.at(amp + 1).toLatin1()));
        EXPECT_TRUE(letters.insert(letter).second) << letter;
    }
    EXPECT_GE(letters.size(), 9u);
}

// The push buttons, check boxes and radio buttons of a window that a user can press with Alt:
// the letter of each, and the tab pages it lies on.
struct Pressable {
    std::string text;
    QChar letter;
    std::vector<std::pair<const QWidget*, const QWidget*>> pages;
};

std::vector<Pressable> PressablesOf(QWidget* window) {
    std::vector<Pressable> found;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->window() != window ||
            (qobject_cast<QPushButton*>(b) == nullptr && qobject_cast<QCheckBox*>(b) == nullptr &&
             qobject_cast<QRadioButton*>(b) == nullptr)) {
            continue;
        }
        Pressable p{b->text().toStdString(), TMnemonics::MnemonicOf(b->text()), {}};
        for (const QWidget* w = b; w != nullptr && w != window; w = w->parentWidget()) {
            if (qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr) {
                p.pages.emplace_back(w->parentWidget(), w);
            }
        }
        found.push_back(std::move(p));
    }
    return found;
}

bool OnOtherPages(const Pressable& a, const Pressable& b) {
    for (const auto& [stackA, pageA] : a.pages) {
        for (const auto& [stackB, pageB] : b.pages) {
            if (stackA == stackB && pageA != pageB) {
                return true;
            }
        }
    }
    return false;
}

// Every button, check box and radio button with a text of letters has an Alt letter, and no two
// that can be seen at the same time share one: every generated page, every hand-made window,
// the settings dialog and the entry search.
TEST_F(Keyboard, EveryWindowsButtonsHaveAltLettersOfTheirOwn) {
    QTemporaryDir dir;
    std::vector<std::pair<std::string, std::unique_ptr<TForm>>> windows;
    for (const PageDefinition& entry : Catalogue) {
        const std::string path = TMenuCatalogue::FullPath(entry);
        if (IsGeneratedPage(entry)) {
            windows.emplace_back(path, BuildPageForm(entry, PageHost{}));
        } else if (entry.kind == EntryKind::HandMade && entry.target != nullptr) {
            if (std::unique_ptr<TForm> form = CreateHandMadeForm(entry.target, nullptr)) {
                windows.emplace_back(path, std::move(form));
            }
        }
    }
    windows.emplace_back(
        "settings dialog",
        std::make_unique<TfrmConfigSNMP>(
            nullptr, TfrmConfigSNMP::Running{dir.path().toStdString() + "/", "10.0.0.9", "1", "",
                                             "readcm", "writecm"}));
    ASSERT_GT(windows.size(), 200u);
    int buttons = 0;
    for (auto& [name, window] : windows) {
        SCOPED_TRACE(name);
        // What showing the window does first, without the reads a shown page starts.
        TMnemonics::Assign(window.get());
        const std::vector<Pressable> pressables = PressablesOf(window.get());
        for (std::size_t i = 0; i < pressables.size(); ++i) {
            const Pressable& a = pressables[i];
            const bool hasLetters = std::any_of(a.text.begin(), a.text.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) != 0;
            });
            if (!hasLetters) {
                continue;
            }
            ++buttons;
            EXPECT_FALSE(a.letter.isNull()) << a.text;
            for (std::size_t j = 0; j < i; ++j) {
                const Pressable& b = pressables[j];
                if (!a.letter.isNull() && a.letter == b.letter) {
                    EXPECT_TRUE(OnOtherPages(a, b)) << a.text << " and " << b.text;
                }
            }
        }
    }
    EXPECT_GT(buttons, 1000);
    for (const MessageScript::Entry& box : MessageScript::Log()) {
        ADD_FAILURE() << "box: " << box.text;
    }
}

// The common buttons have the same letter in every window.
TEST_F(Keyboard, CommonButtonsHaveTheSameLetterEverywhere) {
    const std::pair<const char*, const char*> pages[] = {
        {"Basic Configuration / Time Management / System Time", "&Close"},
        {"Basic Configuration / Basic / Trust Host Management / Trust Host Table", "&Close"},
    };
    for (const auto& [path, close] : pages) {
        SCOPED_TRACE(path);
        const PageDefinition* entry = TMenuCatalogue::Find(path);
        ASSERT_NE(entry, nullptr);
        std::unique_ptr<TConfigForm> form = BuildPageForm(*entry, PageHost{});
        form->show();
        std::set<std::string> texts;
        for (QPushButton* b : form->findChildren<QPushButton*>()) {
            texts.insert(b->text().toStdString());
        }
        EXPECT_EQ(texts.count(close), 1u);
        EXPECT_EQ(texts.count("&Refresh"), 1u);
        form->hide();
    }
}

} // namespace
