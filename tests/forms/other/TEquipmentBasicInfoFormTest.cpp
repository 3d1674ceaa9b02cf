#include "OtherSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/other/TEquipmentBasicInfoForm.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMemo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class EquipmentInfo : public OtherDeviceTest {
protected:
    static bool Idle(TEquipmentBasicInfoForm& form) {
        return WaitUntil([&] { return !form.Binding()->busy; }, 10000);
    }
};

TEST_F(EquipmentInfo, ShowsTheFiguresOnceRead) {
    TEquipmentBasicInfoForm form(nullptr);
    EXPECT_EQ(form.Caption(), "Equipment Basic Information :127.0.0.1");
    EXPECT_EQ(form.Edit1->Text(), "Redundant Power and Stacking"); // until the answer comes
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(form.Edit1->Text(), "Redundant Power");
    EXPECT_EQ(form.Edit4->Text(), "1");
    EXPECT_EQ(form.Edit2->Text(), "8");
    EXPECT_EQ(form.Edit3->Text(), "1");
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Get: Ok!")) << LastLine(*form.Memo1);
}

TEST_F(EquipmentInfo, ReadErrorGoesToTheMemo) {
    TEquipmentBasicInfoForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    QxSNMPRequest& request = form.Binding()->request;
    request.security.readCommunity = "nobody";
    request.timeout = 20;
    request.retries = 0;
    form.RefreshBtnClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Get:")) << LastLine(*form.Memo1);
    EXPECT_FALSE(StartsWith(LastLine(*form.Memo1), "Get: Ok!")) << LastLine(*form.Memo1);
}

TEST_F(EquipmentInfo, RunsModallyAndRefreshes) {
    TEquipmentBasicInfoForm form(nullptr);
    bool ran = false;
    PostCall(&form, [&] {
        ran = form.Modal();
        EXPECT_TRUE(Idle(form));
        const int lines = form.Memo1->LineCount();
        form.RefreshBtn->Click();
        EXPECT_TRUE(Idle(form));
        EXPECT_EQ(form.Memo1->LineCount(), lines + 1);
        form.Close();
    });
    form.ShowModal();
    EXPECT_TRUE(ran);
    ASSERT_NE(form.Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(form.Binding()->Closing());
}

} // namespace
