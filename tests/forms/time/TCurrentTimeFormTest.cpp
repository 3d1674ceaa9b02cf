#include "TimeSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/time/TCurrentTimeForm.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TMessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* Clock = "1.3.6.1.4.1.32473.12.10.2.0";

TEST(TimeCapacity, NamesTheSourcesOfItsBits) {
    const struct {
        const char* value;
        const char* shown;
    } cases[] = {
        {"F0", " systemTime,SNTP,SummerTime,realTimeClock"},
        {"f0", " systemTime,SNTP,SummerTime,realTimeClock"},
        {"40", " ,SNTP"},
        {"80", " systemTime"},
        {"30", " ,SummerTime,realTimeClock"},
        {"0F", " "},
        {"C0 00", " systemTime,SNTP"}, // read up to the first character that is no hex digit
        {"zz", " "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TCurrentTimeForm::CapacityText(c.value), c.shown) << c.value;
    }
}

class CurrentTime : public TimeDeviceTest {
protected:
    static bool Idle(TCurrentTimeForm& form) {
        return WaitUntil([&] { return !form.Binding()->busy; }, 10000);
    }
};

TEST_F(CurrentTime, ShowsTheClockAndItsSources) {
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(form.Caption(), "Current Time: 127.0.0.1");
    // The designed width at least; wider where the captions and the sources need it.
    EXPECT_GE(form.ClientWidth(), 592);
    EXPECT_EQ(form.ClientHeight(), 264);
    EXPECT_EQ(form.timecapacityEdit->Text(), " systemTime,SNTP,SummerTime,realTimeClock");
    EXPECT_EQ(form.currentclockEdit->Text(), "2026-12-10,8:30:0.0,+1:0");
    EXPECT_EQ(form.cbxReset->Text(), "false");
    EXPECT_FALSE(form.timecapacityEdit->Enabled());
    EXPECT_FALSE(form.cbxReset->Enabled());
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Get: Ok!")) << LastLine(*form.Memo1);
}

TEST_F(CurrentTime, SetWritesTheClockOnly) {
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    form.currentclockEdit->SetText("2027-1-2,3:4:5.6");
    form.SetButtonClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Set: Ok!")) << LastLine(*form.Memo1);
    EXPECT_EQ(DeviceValue(Clock), "07 EB 01 02 03 04 05 06 2B 00 00");
    DeviceSet({Clock, "x", "07EA0C0A081E00002B0100"});
}

// On a slow device the window's first read is still on its way when the user sets: the typed
// clock is written, not the one that read brings back.
TEST_F(CurrentTime, SetDuringTheFirstReadOfASlowDeviceWritesTheTypedClock) {
    TestAgent slow(TestAgent::Kind::Simulator, {"--delay-ms", "300"});
    PointModuleAt(slow);
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(form.Binding()->busy);
    form.currentclockEdit->SetText("2027-1-2,3:4:5.6");
    form.SetButtonClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Set: Ok!")) << LastLine(*form.Memo1);
    EXPECT_EQ(form.currentclockEdit->Text(), "2027-1-2,3:4:5.6");
    const ProgramResult r = SnmpTool(slow, {"-v2c", "-c", "public", "-t", "5"}).Get({Clock});
    EXPECT_EQ(SnmpTool::Values(r.out)["." + std::string(Clock)], "07 EB 01 02 03 04 05 06 2B 00 00")
        << r.out;
}

TEST_F(CurrentTime, EmptyClockIsRefusedBeforeAnyWrite) {
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    ASSERT_TRUE(ShowActive(&form));
    form.currentclockEdit->SetText("");
    const int lines = form.Memo1->LineCount();
    MessageScript::Push(mrOk);
    form.SetButtonClick();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "The Current Edit should not be empty!");
    EXPECT_TRUE(WaitUntil([&] { return form.currentclockEdit->Focused(); }, 2000));
    EXPECT_FALSE(form.Binding()->busy);
    EXPECT_EQ(form.Memo1->LineCount(), lines);
    form.hide();
}

// A clock text that is no date and time is refused with a box naming the field, and the switch
// keeps its clock; the device's own text with its offset from UTC is written exactly.
TEST_F(CurrentTime, ClockTextsAreWrittenExactlyOrRefused) {
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    const std::string before = DeviceValue(Clock);
    for (const char* bad :
         {"hello", "2026-13-1,0:0:0.0", "2026-2-30,0:0:0.0", "(NULL)", "2026-1-1,25:0:0.0,+8:0"}) {
        MessageScript::Clear();
        form.currentclockEdit->SetText(bad);
        MessageScript::Push(mrOk);
        form.SetButtonClick();
        ASSERT_TRUE(Idle(form));
        ASSERT_EQ(MessageScript::Log().size(), 1u) << bad;
        EXPECT_NE(MessageScript::Log()[0].text.find("Current Clock"), std::string::npos);
        EXPECT_EQ(form.currentclockEdit->Text(), bad); // kept for correcting
        EXPECT_EQ(DeviceValue(Clock), before) << bad;
        EXPECT_FALSE(StartsWith(LastLine(*form.Memo1), "Set: Ok!")) << bad;
    }
    MessageScript::Clear();
    form.currentclockEdit->SetText("2027-11-22,13:44:55.6,-10:30");
    form.SetButtonClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(MessageScript::Log().empty());
    EXPECT_EQ(DeviceValue(Clock), "07 EB 0B 16 0D 2C 37 06 2D 0A 1E");
    DeviceSet({Clock, "x", "07EA0C0A081E00002B0100"});
}

TEST_F(CurrentTime, ReadErrorGoesToTheMemo) {
    TCurrentTimeForm form(nullptr);
    ASSERT_TRUE(Idle(form));
    QxSNMPRequest& request = form.Binding()->request;
    request.security.readCommunity = "nobody";
    request.timeout = 20;
    request.retries = 0;
    form.GetButtonClick();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(StartsWith(LastLine(*form.Memo1), "Get:")) << LastLine(*form.Memo1);
    EXPECT_FALSE(StartsWith(LastLine(*form.Memo1), "Get: Ok!")) << LastLine(*form.Memo1);
    EXPECT_FALSE(form.timecapacityEdit->Enabled());
    EXPECT_FALSE(form.cbxReset->Enabled());
}

TEST_F(CurrentTime, RunsModallyAndCloses) {
    TCurrentTimeForm form(nullptr);
    bool ran = false;
    PostCall(&form, [&] {
        ran = form.Modal();
        EXPECT_TRUE(Idle(form));
        form.GetButton->Click();
        EXPECT_TRUE(Idle(form));
        form.CloseButton->Click();
    });
    form.ShowModal();
    EXPECT_TRUE(ran);
    ASSERT_NE(form.Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(form.Binding()->Closing());
}

} // namespace
