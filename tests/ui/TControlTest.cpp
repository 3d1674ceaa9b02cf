#include "UiTestSupport.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TPanel.h"

#include <QTest>

#include <functional>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ControlTest = UiTest;

// Handler chains on a real edit, fired by a real text change.
TEST_F(ControlTest, ChainedHandlerRunsAfterPreviousUnlessVetoed) {
    struct Case {
        bool previousVetoes;
        bool ownRuns;
    };
    for (const Case c : {Case{false, true}, Case{true, false}}) {
        TEdit edit(nullptr);
        edit.SetTag(7);
        std::vector<std::string> calls;
        edit.OnChange = [&] {
            calls.push_back("previous");
            if (c.previousVetoes) {
                edit.SetTag(-1);
            }
        };
        const TNotifyEvent saved =
            edit.ChainHandler(edit.OnChange, TNotifyEvent([&] { calls.push_back("own"); }));
        edit.SetText("x");
        const std::vector<std::string> expected = c.ownRuns
                                                      ? std::vector<std::string>{"previous", "own"}
                                                      : std::vector<std::string>{"previous"};
        EXPECT_EQ(calls, expected) << "veto " << c.previousVetoes;
        // The veto lasted for that one change only.
        EXPECT_EQ(edit.Tag(), 7);

        // Putting the saved handler back removes the chained one.
        edit.OnChange = saved;
        calls.clear();
        edit.SetText("y");
        EXPECT_EQ(calls, std::vector<std::string>{"previous"});
    }
}

TEST_F(ControlTest, VetoStopsEveryLaterLinkOfTheChain) {
    TEdit edit(nullptr);
    edit.SetTag(3);
    bool veto = true;
    std::vector<std::string> calls;
    edit.OnChange = [&] {
        calls.push_back("first");
        if (veto) {
            edit.SetTag(-1);
        }
    };
    edit.ChainHandler(edit.OnChange, TNotifyEvent([&] { calls.push_back("second"); }));
    edit.ChainHandler(edit.OnChange, TNotifyEvent([&] { calls.push_back("third"); }));
    edit.SetText("a");
    EXPECT_EQ(calls, std::vector<std::string>{"first"});
    EXPECT_EQ(edit.Tag(), 3);

    veto = false;
    calls.clear();
    edit.SetText("b");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "third"}));
}

TEST_F(ControlTest, CallVetoableReportsTheVetoForOwnOrdering) {
    TEdit edit(nullptr);
    const TNotifyEvent vetoing = [&] { edit.SetTag(-1); };
    const TNotifyEvent passing = [] {};
    EXPECT_TRUE(edit.CallVetoable(passing));
    EXPECT_TRUE(edit.CallVetoable(TNotifyEvent()));
    EXPECT_FALSE(edit.CallVetoable(vetoing));
    // Outside an event a Tag of -1 stays.
    EXPECT_EQ(edit.Tag(), -1);
}

TEST_F(ControlTest, HandlerMayReplaceItselfWhileRunning) {
    TEdit edit(nullptr);
    int runs = 0;
    edit.OnChange = [&] {
        ++runs;
        edit.OnChange = nullptr;
    };
    edit.SetText("a");
    edit.SetText("b");
    EXPECT_EQ(runs, 1);
}

TEST_F(ControlTest, ExceptionInHandlerIsShownAndTheProgramGoesOn) {
    TEdit edit(nullptr);
    int runs = 0;
    edit.OnChange = [&] {
        ++runs;
        throw std::runtime_error("'x' is not a valid integer value");
    };
    MessageScript::Push(mrOk);
    MessageScript::Push(mrOk);
    edit.SetText("x");
    edit.SetText("y");
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(MessageScript::Log().size(), 2u);
    EXPECT_EQ(MessageScript::Log()[0].text, "'x' is not a valid integer value");
    EXPECT_EQ(MessageScript::Log()[0].icon, miError);
    EXPECT_EQ(MessageScript::Log()[0].caption, Application().Title());
}

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
};

Rect BoundsOf(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << " " << r.width << "x" << r.height << ")";
}

TEST_F(ControlTest, DockedControlsShareTheParentInFixedSideOrder) {
    TPanel host(nullptr);
    host.SetBevelOuter(bvNone);
    host.SetBounds(0, 0, 300, 200);
    // Created in an order different from the docking order of the sides.
    TPanel client(&host);
    TPanel right(&host);
    TPanel left(&host);
    TPanel bottom(&host);
    TPanel top(&host);
    TPanel innerRight(&host);
    right.SetWidth(50);
    left.SetWidth(40);
    bottom.SetHeight(30);
    top.SetHeight(20);
    innerRight.SetWidth(3);
    client.SetAlign(alClient);
    right.SetAlign(alRight);
    left.SetAlign(alLeft);
    bottom.SetAlign(alBottom);
    top.SetAlign(alTop);
    innerRight.SetAlign(alRight); // docked after `right`: lies inside it

    const struct {
        const TPanel* panel;
        Rect expected;
    } cases[] = {
        {&top, {0, 0, 300, 20}},          {&bottom, {0, 170, 300, 30}},
        {&left, {0, 20, 40, 150}},        {&right, {250, 20, 50, 150}},
        {&innerRight, {247, 20, 3, 150}}, {&client, {40, 20, 207, 150}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BoundsOf(*c.panel), c.expected);
    }

    // A hidden control takes no room; resizing the parent places everything again.
    top.Hide();
    host.SetBounds(0, 0, 400, 300);
    EXPECT_EQ(BoundsOf(bottom), (Rect{0, 270, 400, 30}));
    EXPECT_EQ(BoundsOf(client), (Rect{40, 0, 307, 270}));
    // Bevels and the border width shrink the area docked controls share.
    host.SetBevelOuter(bvRaised);
    host.SetBorderWidth(2);
    EXPECT_EQ(BoundsOf(bottom), (Rect{3, 267, 394, 30}));
}

TEST_F(ControlTest, ControlsOnAFormHaveTheFormAsParentAndStayVisibleWhenMoved) {
    TForm form;
    TPanel first(&form);
    TPanel second(&form);
    TEdit edit(&first);
    TEdit hidden(&first);
    hidden.Hide();
    EXPECT_EQ(first.Parent(), &form);
    EXPECT_EQ(edit.Parent(), &first);
    EXPECT_TRUE(edit.Visible());
    EXPECT_EQ(ParentForm(&edit), &form);

    edit.SetParent(&second);
    hidden.SetParent(&second);
    EXPECT_EQ(edit.Parent(), &second);
    EXPECT_TRUE(edit.Visible());
    EXPECT_FALSE(hidden.Visible());

    // Without a parent a control shows nowhere, and keeps its wish for when it gets one.
    edit.SetParent(nullptr);
    EXPECT_TRUE(edit.Visible());
    EXPECT_FALSE(edit.isVisible());
    edit.SetParent(&first);
    ASSERT_TRUE(ShowActive(&form));
    EXPECT_TRUE(edit.isVisible());
    EXPECT_FALSE(hidden.isVisible());
}

TEST_F(ControlTest, ControlsAreFoundByName) {
    TForm form;
    TPanel panel(&form);
    TCheckBox box(&panel);
    box.SetName("LinkShape_Port3");
    EXPECT_EQ(FindControl<TCheckBox>(&form, "LinkShape_Port3"), &box);
    EXPECT_EQ(FindControl<TEdit>(&form, "LinkShape_Port3"), nullptr);
    EXPECT_EQ(FindControl<TCheckBox>(&form, "LinkShape_Port4"), nullptr);
}

// Focus rules with a real window: an exit is a move of the focus within the window.
class FocusTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        first.SetBounds(10, 10, 100, 24);
        second.SetBounds(10, 40, 100, 24);
        third.SetBounds(10, 70, 100, 24);
        first.OnExit = [this] { exits.push_back("first"); };
        second.OnExit = [this] { exits.push_back("second"); };
        third.OnExit = [this] { exits.push_back("third"); };
        ASSERT_TRUE(ShowActive(&form));
        first.SetFocus();
        ASSERT_TRUE(first.Focused());
    }

    TForm form;
    TEdit first{&form};
    TEdit second{&form};
    TEdit third{&form};
    std::vector<std::string> exits;
};

TEST_F(FocusTest, TabAndClickLeaveTheFieldOnce) {
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_TRUE(second.Focused());
    QTest::mouseClick(&third, Qt::LeftButton);
    EXPECT_TRUE(third.Focused());
    EXPECT_EQ(exits, (std::vector<std::string>{"first", "second"}));
}

TEST_F(FocusTest, AnotherWindowTakingTheFocusIsNoExit) {
    TForm other(&form);
    ASSERT_TRUE(ShowActive(&other));
    other.hide();
    ASSERT_TRUE(ShowActive(&form));
    EXPECT_TRUE(exits.empty());
}

TEST_F(FocusTest, RefocusingFromAnExitHandlerCostsTheNewFieldNoExit) {
    // A refused value keeps the user in the field: its exit handler takes the focus back.
    first.OnExit = [this] {
        exits.push_back("first");
        first.SetFocus();
    };
    QTest::mouseClick(&third, Qt::LeftButton);
    EXPECT_TRUE(first.Focused());
    EXPECT_EQ(exits, std::vector<std::string>{"first"});
    // Later moves are exits as usual.
    first.OnExit = [this] { exits.push_back("first"); };
    QTest::mouseClick(&third, Qt::LeftButton);
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_EQ(exits, (std::vector<std::string>{"first", "first", "third"}));
}

TEST_F(FocusTest, PostedFocusAdvanceSkipsWhatTakesNoTabFocus) {
    const struct {
        const char* what;
        std::function<void(TEdit&)> spoil;
    } cases[] = {
        {"disabled", [](TEdit& e) { e.SetEnabled(false); }},
        {"no tab stop", [](TEdit& e) { e.SetTabStop(false); }},
        {"hidden", [](TEdit& e) { e.Hide(); }},
    };
    for (const auto& c : cases) {
        second.SetEnabled(true);
        second.SetTabStop(true);
        second.Show();
        c.spoil(second);
        first.SetFocus();
        exits.clear();
        PostFocusNext(&first);
        EXPECT_TRUE(first.Focused()) << c.what; // posted, not done inside the caller
        EXPECT_TRUE(WaitUntil([&] { return third.Focused(); })) << c.what;
        EXPECT_EQ(exits, std::vector<std::string>{"first"}) << c.what;
    }
}

} // namespace
