#include "UiTestSupport.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"

#include <QPoint>

#include <gtest/gtest.h>

#include <string>

namespace {

using MsgPanel = UiTest;

// Lines of the memo on the screen: the first and the last shown.
std::pair<int, int> ShownLines(TMemo& memo) {
    const int first = memo.cursorForPosition(QPoint(2, 2)).blockNumber();
    const int last = memo.cursorForPosition(QPoint(2, memo.viewport()->height() - 2)).blockNumber();
    return {first, last};
}

TEST_F(MsgPanel, ReadOnlyMemoFillsAPanelTallEnoughForFourLines) {
    TForm form;
    TMsgPanel panel(&form);
    EXPECT_EQ(panel.Parent(), &form);
    EXPECT_GE(panel.Height(), 50);
    panel.SetAlign(alBottom);
    ASSERT_NE(panel.memo, nullptr);
    EXPECT_EQ(panel.memo->Align(), alClient);
    EXPECT_EQ(panel.memo->Width(), panel.ClientWidth());
    EXPECT_EQ(panel.memo->Height(), panel.ClientHeight());
    EXPECT_EQ(panel.Top(), form.ClientHeight() - panel.Height());
    EXPECT_TRUE(panel.memo->ReadOnly());
    form.show();
    for (int i = 0; i < 6; ++i) {
        panel.memo->AddLine("Get: Ok!. Receive at 09:00:0" + std::to_string(i) + " AM.");
    }
    const auto [first, last] = ShownLines(*panel.memo);
    EXPECT_GE(last - first + 1, TMsgPanel::VisibleLines);
    EXPECT_EQ(last, 5);
}

// An error stands out and stays in view however many re-reads report after it; a new error or
// the outcome of a write moves the view on.
TEST_F(MsgPanel, TheLastErrorStaysInViewWhileReReadsFollowIt) {
    TForm form;
    TMsgPanel panel(&form);
    panel.SetAlign(alBottom);
    form.show();
    TMemo& memo = *panel.memo;
    memo.AddLine("Get: Ok!. Receive at 09:00:00 AM.");
    memo.AddLine("Set: Cannot create/set variable, Wrong Value!. Receive at 09:00:01 AM.",
                 TMemo::LineKind::Error);
    for (int i = 0; i < 12; ++i) {
        memo.AddLine("Get: Ok!. Receive at 09:00:02 AM.");
    }
    EXPECT_TRUE(memo.IsErrorLine(1));
    EXPECT_FALSE(memo.IsErrorLine(0));
    EXPECT_FALSE(memo.IsErrorLine(2));
    EXPECT_EQ(memo.PinnedLine(), 1);
    auto [first, last] = ShownLines(memo);
    EXPECT_LE(first, 1);
    EXPECT_GE(last, 1);

    memo.AddLine("Set: Ok!. Receive at 09:00:03 AM.", TMemo::LineKind::Outcome);
    EXPECT_EQ(memo.PinnedLine(), -1);
    std::tie(first, last) = ShownLines(memo);
    EXPECT_EQ(last, memo.LineCount() - 1);

    memo.AddLine("Get: SNMP request timed out!. Receive at 09:00:04 AM.", TMemo::LineKind::Error);
    memo.AddLine("Get: Ok!. Receive at 09:00:05 AM.");
    EXPECT_EQ(memo.PinnedLine(), memo.LineCount() - 2);
    std::tie(first, last) = ShownLines(memo);
    EXPECT_EQ(last, memo.LineCount() - 1); // both fit
}

} // namespace
