#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>

namespace {

using MessageBoxTest = UiTest;

TEST_F(MessageBoxTest, QueuedAnswersAreTakenInOrderAndLogged) {
    MessageScript::Push(mrYes);
    MessageScript::Push(mrNo);
    MessageScript::Push(mrOk);
    EXPECT_EQ(MessageScript::Pending(), 3);
    EXPECT_EQ(MessageBox("Are you sure to exit?", "Exit", mbYesNo, miQuestion), mrYes);
    EXPECT_EQ(MessageBox("Are you sure to delete ?", "Delete", mbYesNo), mrNo);
    ShowMessage("Some items are empty!");
    EXPECT_EQ(MessageScript::Pending(), 0);

    const auto& log = MessageScript::Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].caption, "Exit");
    EXPECT_EQ(log[0].text, "Are you sure to exit?");
    EXPECT_EQ(log[0].buttons, mbYesNo);
    EXPECT_EQ(log[0].icon, miQuestion);
    EXPECT_EQ(log[1].answer, mrNo);
    EXPECT_EQ(log[2].caption, Application().Title());
    EXPECT_EQ(log[2].buttons, mbOK);
    for (const auto& entry : log) {
        EXPECT_TRUE(entry.scripted);
    }
}

TEST_F(MessageBoxTest, UnansweredBoxGetsTheDismissAnswerAndIsCounted) {
    const struct {
        TMsgButtons buttons;
        TModalResult answer;
    } cases[] = {
        {mbOK, mrOk},
        {mbYesNo, mrNo},
        {mbOKCancel, mrCancel},
        {mbYesNoCancel, mrCancel},
        {mbRetryCancel, mrCancel},
        {mbAbortRetryIgnore, mrAbort},
    };
    int count = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(MessageBox("text", "caption", c.buttons), c.answer) << c.buttons;
        EXPECT_EQ(MessageScript::Unanswered(), ++count);
        EXPECT_FALSE(MessageScript::Log().back().scripted);
    }
    MessageScript::Clear();
    EXPECT_EQ(MessageScript::Unanswered(), 0);
    EXPECT_TRUE(MessageScript::Log().empty());
}

TEST_F(MessageBoxTest, QueuedAnswerIsUsedOutsideScriptMode) {
    MessageScript::SetScriptMode(false);
    MessageScript::Push(mrRetry);
    const TModalResult answer = MessageBox("Create file error!", "ksw", mbRetryCancel);
    MessageScript::SetScriptMode(true);
    EXPECT_EQ(answer, mrRetry);
    EXPECT_EQ(MessageScript::Log().size(), 1u);
}

TEST_F(MessageBoxTest, RealBoxReturnsTheButtonTheUserPressed) {
    const struct {
        TMsgButtons buttons;
        QMessageBox::StandardButton pressed;
        TModalResult answer;
    } cases[] = {
        {mbYesNo, QMessageBox::No, mrNo},
        {mbYesNo, QMessageBox::Yes, mrYes},
        {mbOKCancel, QMessageBox::Cancel, mrCancel},
        {mbAbortRetryIgnore, QMessageBox::Ignore, mrIgnore},
    };
    MessageScript::SetScriptMode(false);
    for (const auto& c : cases) {
        QObject context;
        QString shownText;
        PostCall(&context, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shownText = box->text();
            box->button(c.pressed)->click();
        });
        EXPECT_EQ(MessageBox("Switch to new version?", "ksw", c.buttons, miQuestion), c.answer);
        EXPECT_EQ(shownText, QStringLiteral("Switch to new version?"));
    }
    MessageScript::SetScriptMode(true);
    EXPECT_TRUE(MessageScript::Log().empty());
}

TEST_F(MessageBoxTest, TextsAreShownAsPlainText) {
    // Texts come from message files, device values and exceptions; markup in them is text.
    const std::string text = "<b>Port 1</b> down: <i>check & retry</i>";
    ASSERT_TRUE(Qt::mightBeRichText(QString::fromStdString(text)));
    MessageScript::SetScriptMode(false);
    QObject context;
    Qt::TextFormat format = Qt::RichText;
    Qt::TextFormat labelFormat = Qt::RichText;
    QString shownText;
    PostCall(&context, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shownText = box->text();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() == box->text()) {
                labelFormat = label->textFormat();
            }
        }
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MessageBox(text, "ksw", mbOK, miWarning), mrOk);
    MessageScript::SetScriptMode(true);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(labelFormat, Qt::PlainText);
    EXPECT_EQ(shownText, QString::fromStdString(text));
}

} // namespace
