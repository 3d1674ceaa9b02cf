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

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <set>
#include <string>

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

} // namespace
