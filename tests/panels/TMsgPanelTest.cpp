#include "UiTestSupport.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"

#include <gtest/gtest.h>

namespace {

using MsgPanel = UiTest;

TEST_F(MsgPanel, MemoFillsAPanelFiftyHigh) {
    TForm form;
    TMsgPanel panel(&form);
    EXPECT_EQ(panel.Parent(), &form);
    EXPECT_EQ(panel.Height(), 50);
    panel.SetAlign(alBottom);
    ASSERT_NE(panel.memo, nullptr);
    EXPECT_EQ(panel.memo->Align(), alClient);
    EXPECT_EQ(panel.memo->Width(), panel.ClientWidth());
    EXPECT_EQ(panel.memo->Height(), panel.ClientHeight());
    EXPECT_EQ(panel.Top(), form.ClientHeight() - 50);
}

} // namespace
