#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPanel.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

class FormTest : public UiTest {
protected:
    void TearDown() override {
        Application().ResetTerminated();
        UiTest::TearDown();
    }
};

TEST_F(FormTest, QueuedCallEndsTheModalLoopWithItsResult) {
    TForm form;
    form.SetCaption("ConfigForm");
    bool ranInsideLoop = false;
    // Posted before the loop runs, as a form posts its first read at creation.
    PostCall(&form, [&] {
        ranInsideLoop = form.Modal() && form.isVisible();
        form.SetModalResult(mrOk);
    });
    EXPECT_FALSE(ranInsideLoop);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(ranInsideLoop);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Modal());
    // The form is still there to be read and shown again.
    EXPECT_EQ(form.Caption(), "ConfigForm");
    PostCall(&form, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(FormTest, ButtonResultClosesTheFormAfterItsHandler) {
    const struct {
        TModalResult buttonResult;
        TModalResult setByHandler; // mrNone: the handler leaves the result alone
        bool handlerKeepsOpen;
        TModalResult shown;
    } cases[] = {
        {mrOk, mrNone, false, mrOk},
        {mrCancel, mrNone, false, mrCancel},
        {mrOk, mrNo, false, mrNo},
        {mrOk, mrNone, true, mrCancel}, // kept open, closed later by Close
        {mrNone, mrNone, false, mrCancel},
    };
    for (const auto& c : cases) {
        TForm form;
        TButton button(&form);
        button.SetModalResult(c.buttonResult);
        bool visibleInHandler = false;
        button.OnClick = [&] {
            visibleInHandler = form.isVisible();
            if (c.handlerKeepsOpen) {
                form.SetModalResult(mrNone);
            } else if (c.setByHandler != mrNone) {
                form.SetModalResult(c.setByHandler);
            }
        };
        PostCall(&form, [&] {
            button.Click();
            if (form.isVisible()) {
                form.Close();
            }
        });
        EXPECT_EQ(form.ShowModal(), c.shown) << c.buttonResult << "/" << c.setByHandler;
        EXPECT_TRUE(visibleInHandler);
    }
}

TEST_F(FormTest, CloseQueryMayKeepTheFormOpen) {
    TForm form;
    int queries = 0;
    int closes = 0;
    form.OnCloseQuery = [&] { return ++queries > 1; };
    form.OnClose = [&] { ++closes; };
    bool openAfterRefusal = false;
    PostCall(&form, [&] {
        form.Close();
        openAfterRefusal = form.isVisible() && form.Modal();
        form.SetModalResult(mrYes);
    });
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(closes, 1);
}

TEST_F(FormTest, EscapeAndEnterPressOnlyTheCancelAndDefaultButtons) {
    TForm form;
    TEdit edit(&form);
    TButton plain(&form);
    TButton ok(&form);
    TButton cancel(&form);
    plain.SetTop(30);
    ok.SetTop(60);
    cancel.SetTop(90);
    ok.SetDefault(true);
    ok.SetModalResult(mrOk);
    cancel.SetCancel(true);
    cancel.SetModalResult(mrCancel);
    std::vector<std::string> clicks;
    plain.OnClick = [&] { clicks.push_back("plain"); };
    ok.OnClick = [&] { clicks.push_back("ok"); };
    cancel.OnClick = [&] { clicks.push_back("cancel"); };
    for (const auto& [key, result] :
         {std::pair{Qt::Key_Return, mrOk}, {Qt::Key_Escape, mrCancel}}) {
        PostCall(&form, [&, key = key] {
            edit.SetFocus();
            QTest::keyClick(&edit, key);
        });
        EXPECT_EQ(form.ShowModal(), result);
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));

    // Without a cancel button Escape closes the form as its close box does.
    cancel.SetCancel(false);
    bool stillOpen = true;
    PostCall(&form, [&] {
        QTest::keyClick(&edit, Qt::Key_Escape);
        stillOpen = form.isVisible();
        form.Close();
    });
    form.ShowModal();
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
}

TEST_F(FormTest, TerminateEndsModalLoopsAndLaterOnesAtOnce) {
    TForm outer;
    TForm inner(&outer);
    PostCall(&outer, [&] {
        PostCall(&inner, [&] { Application().Terminate(); });
        EXPECT_EQ(inner.ShowModal(), mrCancel);
    });
    EXPECT_EQ(outer.ShowModal(), mrCancel);
    EXPECT_TRUE(Application().Terminated());
    EXPECT_FALSE(outer.isVisible());
    EXPECT_FALSE(inner.isVisible());
    // A form shown after the end was asked for does not run.
    TForm late;
    EXPECT_EQ(late.ShowModal(), mrCancel);
    EXPECT_FALSE(late.isVisible());
    EXPECT_EQ(Application().Run(), 0);
    // Waits during shutdown still process events.
    bool processed = false;
    PostCall(&late, [&] { processed = true; });
    TApplication::ProcessMessages();
    EXPECT_TRUE(processed);

    Application().ResetTerminated();
    PostCall(&late, [&] { late.SetModalResult(mrOk); });
    EXPECT_EQ(late.ShowModal(), mrOk);
}

TEST_F(FormTest, MainEventLoopEndsAfterTheHandlerThatTerminates) {
    bool handlerFinished = false;
    QObject context;
    PostCall(&context, [&] {
        Application().Terminate();
        handlerFinished = true;
    });
    EXPECT_EQ(Application().Run(), 0);
    EXPECT_TRUE(handlerFinished);
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(FormTest, ClosingTheMainFormTerminates) {
    TForm main;
    Application().SetMainForm(&main);
    PostCall(&main, [&] { main.Close(); });
    main.Show();
    EXPECT_EQ(Application().Run(), 0);
    EXPECT_TRUE(Application().Terminated());
    Application().SetMainForm(nullptr);
}

TEST_F(FormTest, ClientAreaLiesBelowTheMenuBar) {
    TForm form;
    TMainMenu menu(&form);
    menu.Add("File1", "&File")->Add("Exit1", "E&xit");
    form.SetClientWidth(922);
    form.SetClientHeight(117);
    TPanel panel(&form);
    panel.SetAlign(alClient);
    EXPECT_EQ(form.ClientWidth(), 922);
    EXPECT_EQ(form.ClientHeight(), 117);
    EXPECT_GT(form.Height(), 117);
    EXPECT_EQ(panel.Top(), 0);
    EXPECT_EQ(panel.Width(), 922);
    EXPECT_EQ(panel.Height(), 117);
    EXPECT_EQ(panel.mapTo(&form, QPoint(0, 0)).y(), form.Height() - 117);
}

TEST_F(FormTest, OwnerCentredFormOpensOverItsOwner) {
    TForm owner;
    owner.SetBounds(40, 60, 500, 400);
    ASSERT_TRUE(ShowActive(&owner));
    TForm dialog(&owner);
    dialog.SetPosition(poOwnerFormCenter);
    dialog.SetClientWidth(200);
    dialog.SetClientHeight(100);
    QPoint dialogCentre;
    PostCall(&dialog, [&] {
        dialogCentre = dialog.frameGeometry().center();
        dialog.Close();
    });
    dialog.ShowModal();
    const QPoint ownerCentre = owner.frameGeometry().center();
    EXPECT_LE((dialogCentre - ownerCentre).manhattanLength(), 2);
}

} // namespace
