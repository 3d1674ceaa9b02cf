#include "TimeSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/time/TSummerTimeForm.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMemo.h"
#include "ui/panels/TMsgPanel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Form = TSummerTimeForm;
using Entry = TSummerTimeForm::TimeEntry;

constexpr const char* Status = "1.3.6.1.4.1.32473.12.10.12.1.0";
constexpr const char* Offset = "1.3.6.1.4.1.32473.12.10.12.2.0";
constexpr const char* RepeatStart = "1.3.6.1.4.1.32473.12.10.12.3.0";
constexpr const char* AnnualStart = "1.3.6.1.4.1.32473.12.10.12.5.0";
constexpr const char* InSetRequests = "1.3.6.1.2.1.11.17.0";

Entry Rule(const char* month, const char* week, const char* weekday, const char* hour,
           const char* minute) {
    return {true, month, week, weekday, "", hour, minute};
}
Entry Date(const char* day, const char* month, const char* hour, const char* minute) {
    return {true, month, "", "", day, hour, minute};
}

Form::Schedule Repeating(Entry start, Entry end = {}) {
    Form::Schedule s;
    s.status = "repeating";
    s.repeating = {start, end};
    return s;
}
Form::Schedule Annual(Entry start, Entry end = {}) {
    Form::Schedule s;
    s.status = "annual";
    s.annual = {start, end};
    return s;
}
Form::Schedule WithOffset(Form::Schedule s, const char* offset, bool checked = true) {
    s.offsetChecked = checked;
    s.offset = offset;
    return s;
}

struct CheckCase {
    const char* what;
    Form::Schedule schedule;
    std::string expected;
};

TEST(SummerTimeChecks, RefuseWhatTheDeviceCannotTake) {
    Form::Schedule noStatus;
    noStatus.statusChecked = true;
    Form::Schedule disabled = WithOffset({}, "90");
    disabled.status = "disable";
    Form::Schedule uncheckedBadRows = Annual(Date("31", "Apr", "2", "0"));
    uncheckedBadRows.annual[0].checked = false;

    const Entry march = Rule("Mar", "last", "Sun", "2", "0");
    const Entry october = Rule("Oct", "last", "Sun", "3", "0");
    const CheckCase cases[] = {
        {"status checked, none chosen", noStatus, Form::StatusMessage},
        {"no status comes before a bad offset", WithOffset(noStatus, "45"), Form::StatusMessage},
        {"offset 45", WithOffset(Repeating(march), "45"), Form::OffsetMessage},
        {"offset 150", WithOffset(Repeating(march), "150"), Form::OffsetMessage},
        {"offset 0", WithOffset(Repeating(march), "0"), Form::OffsetMessage},
        {"offset -30", WithOffset(Repeating(march), "-30"), Form::OffsetMessage},
        {"offset 30", WithOffset(Repeating(march), "30"), ""},
        {"offset 120", WithOffset(Repeating(march), "120"), ""},
        {"empty offset is no offset", WithOffset(Repeating(march), ""), ""},
        {"unchecked offset is not checked", WithOffset(Repeating(march), "45", false), ""},
        {"disable with an offset", disabled, ""},

        {"rule from March to October", Repeating(march, october), ""},
        {"rule hour 24", Repeating(Rule("Mar", "1st", "Sun", "24", "0")), Form::TimeMessage},
        {"rule hour 23 minute 59", Repeating(Rule("Mar", "1st", "Sun", "23", "59")), ""},
        {"rule minute 60", Repeating(Rule("Mar", "1st", "Sun", "2", "60")), Form::TimeMessage},
        {"rule without week", Repeating(Rule("Mar", "", "Sun", "2", "0")), Form::TimeMessage},
        {"rule without weekday", Repeating(Rule("Mar", "1st", "", "2", "0")), Form::TimeMessage},
        {"rule without month", Repeating(Rule("", "1st", "Sun", "2", "0")), Form::TimeMessage},
        {"rule without hour", Repeating(Rule("Mar", "1st", "Sun", "", "0")), Form::TimeMessage},
        {"rule negative minute", Repeating(Rule("Mar", "1st", "Sun", "2", "-1")),
         Form::TimeMessage},
        {"rule end checked alone", Repeating({}, october), ""},
        {"rule start and end in March", Repeating(march, Rule("Mar", "1st", "Mon", "3", "0")),
         Form::SameMonthMessage},
        {"bad time comes before same month",
         Repeating(march, Rule("Mar", "1st", "Mon", "25", "0")), Form::TimeMessage},

        {"date 29 Feb", Annual(Date("29", "Feb", "2", "0")), Form::TimeMessage},
        {"date 28 Feb", Annual(Date("28", "Feb", "2", "0")), ""},
        {"date 31 Apr", Annual(Date("31", "Apr", "2", "0")), Form::TimeMessage},
        {"date 30 Apr", Annual(Date("30", "Apr", "2", "0")), ""},
        {"date 31 Nov", Annual(Date("31", "Nov", "2", "0")), Form::TimeMessage},
        {"date 31 Dec", Annual(Date("31", "Dec", "2", "0")), ""},
        {"date 0 Jan", Annual(Date("0", "Jan", "2", "0")), ""},
        {"date without month", Annual(Date("1", "", "2", "0")), Form::TimeMessage},
        {"date without day", Annual(Date("", "Jan", "2", "0")), Form::TimeMessage},
        {"date hour 24", Annual(Date("1", "Jan", "24", "0")), Form::TimeMessage},
        {"date minute 60", Annual(Date("1", "Jan", "2", "60")), Form::TimeMessage},
        {"dates in one month",
         Annual(Date("1", "Mar", "2", "0"), Date("20", "Mar", "3", "0")), Form::SameMonthMessage},
        {"dates from March to October",
         Annual(Date("25", "Mar", "2", "0"), Date("28", "Oct", "3", "0")), ""},
        {"unchecked dates are not checked", uncheckedBadRows, ""},
        {"rule rows do not count for annual",
         [] {
             Form::Schedule s = Annual(Date("25", "Mar", "2", "0"));
             s.repeating = {Rule("Mar", "", "", "99", ""), Rule("Mar", "", "", "", "")};
             return s;
         }(),
         ""},
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(Form::CheckSchedule(c.schedule), c.expected) << c.what;
    }
}

class SummerTime : public TimeDeviceTest {
protected:
    static long SetRequests() { return std::atol(DeviceValue(InSetRequests).c_str()); }
    static TMemo& Memo(Form& form) { return *form.Panel()->MsgPanel()->memo; }
    static TEditsPanel& Rows(Form& form) { return *form.Panel()->EditsPanel(); }
    static void Choose(Form& form, const char* status) {
        form.StatusCombo()->SetText(status);
        form.StatusCombo()->OnChange();
    }
};

TEST_F(SummerTime, OpensWithTheStatusAndTheRowsItSelects) {
    Form form(nullptr);
    EXPECT_EQ(form.Caption(), "Summer Time : 127.0.0.1");
    EXPECT_EQ(form.StatusCombo()->Text(), "repeating");
    EXPECT_EQ(Rows(form).Row(Form::RowOffset).edit->Text(), "60");

    // Last Sunday of March 02:00 to last Sunday of October 03:00.
    const Form::TimeFields& start = form.Fields(Form::RowRepeatStart);
    EXPECT_EQ(start.month->Text(), "Mar");
    EXPECT_EQ(start.week->Text(), "last");
    EXPECT_EQ(start.weekday->Text(), "Sun");
    EXPECT_EQ(start.hour->Text(), "2");
    EXPECT_EQ(start.minute->Text(), "0");
    const Form::TimeFields& end = form.Fields(Form::RowRepeatEnd);
    EXPECT_EQ(end.month->Text(), "Oct");
    EXPECT_EQ(end.hour->Text(), "3");

    // The annual dates are neither shown nor read while the rule is in force.
    for (int row : {Form::RowAnnualStart, Form::RowAnnualEnd}) {
        EXPECT_TRUE(Rows(form).Row(row).edit->isHidden()) << row;
        EXPECT_EQ(form.Fields(row).day->Text(), "") << row;
    }
    for (int row : {Form::RowRepeatStart, Form::RowRepeatEnd}) {
        EXPECT_FALSE(Rows(form).Row(row).edit->isHidden()) << row;
    }
    EXPECT_TRUE(StartsWith(LastLine(Memo(form)), "Get: Ok!")) << LastLine(Memo(form));
}

TEST_F(SummerTime, StatusChoiceShowsItsRowsAndUnchecksTheOthers) {
    Form form(nullptr);
    Rows(form).CheckRow(Form::RowRepeatStart);
    Choose(form, "annual");
    EXPECT_FALSE(Rows(form).Row(Form::RowRepeatStart).checkBox->Checked());
    struct {
        const char* status;
        bool repeating;
        bool annual;
    } const cases[] = {
        {"annual", false, true}, {"repeating", true, false}, {"disable", false, false}};
    for (const auto& c : cases) {
        Choose(form, c.status);
        for (int row = Form::RowRepeatStart; row <= Form::RowAnnualEnd; ++row) {
            const bool shown = row <= Form::RowRepeatEnd ? c.repeating : c.annual;
            EXPECT_EQ(!Rows(form).Row(row).edit->isHidden(), shown) << c.status << " " << row;
        }
    }
}

TEST_F(SummerTime, WritesTheCheckedRuleRowIntoItsOctets) {
    Form form(nullptr);
    const Form::TimeFields& start = form.Fields(Form::RowRepeatStart);
    start.week->SetText("2nd");
    start.weekday->SetText("Mon");
    start.month->SetText("Apr");
    start.hour->SetText("1");
    start.minute->SetText("30");
    Rows(form).CheckRow(Form::RowRepeatStart);
    form.SetCheckedClick();
    EXPECT_EQ(DeviceValue(RepeatStart), "02 00 02 04 01 1E");
    EXPECT_TRUE(StartsWith(LastLine(Memo(form)), "Set: Ok!")) << LastLine(Memo(form));
    DeviceSet({RepeatStart, "x", "000001030200"});
}

TEST_F(SummerTime, DisableWritesTheStatusThenTheOffsetAlone) {
    Form form(nullptr);
    Choose(form, "disable");
    Rows(form).CheckRow(Form::RowStatus);
    Rows(form).CheckRow(Form::RowOffset);
    Rows(form).SetRowText(Form::RowOffset, "90");
    const long before = SetRequests();
    form.SetCheckedClick();
    EXPECT_EQ(SetRequests() - before, 2);
    EXPECT_EQ(DeviceValue(Status), "0");
    EXPECT_EQ(DeviceValue(Offset), "90");
    DeviceSet({Status, "i", "1", Offset, "i", "60"});
}

// An empty offset is no offset: the checked time row still goes out, the offset does not.
TEST_F(SummerTime, EmptyOffsetIsLeftOutOfTheWrite) {
    Form form(nullptr);
    Rows(form).CheckRow(Form::RowOffset);
    Rows(form).SetRowText(Form::RowOffset, "");
    form.Fields(Form::RowRepeatStart).hour->SetText("4");
    Rows(form).CheckRow(Form::RowRepeatStart);
    form.SetCheckedClick();
    EXPECT_EQ(DeviceValue(RepeatStart), "00 00 01 03 04 00");
    EXPECT_EQ(DeviceValue(Offset), "60");
    EXPECT_TRUE(StartsWith(LastLine(Memo(form)), "Set: Ok!")) << LastLine(Memo(form));
    DeviceSet({RepeatStart, "x", "000001030200"});
}

TEST_F(SummerTime, RefusedScheduleWritesNothing) {
    Form form(nullptr);
    Choose(form, "annual");
    const Form::TimeFields& start = form.Fields(Form::RowAnnualStart);
    start.day->SetText("29");
    start.month->SetText("Feb");
    start.hour->SetText("2");
    start.minute->SetText("0");
    Rows(form).CheckRow(Form::RowStatus);
    Rows(form).CheckRow(Form::RowAnnualStart);
    const long before = SetRequests();
    MessageScript::Push(mrOk);
    form.SetCheckedClick();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, Form::TimeMessage);
    EXPECT_EQ(SetRequests(), before);
    EXPECT_EQ(DeviceValue(Status), "1");
    EXPECT_EQ(DeviceValue(AnnualStart), "19 03 02 00");
}

// A status the device refuses ends the write: the offset and the time rows, which belong to
// the status that did not go through, are not sent; the access codes are as before.
TEST_F(SummerTime, RefusedStatusStopsTheWriteAndRestoresTheRows) {
    Form form(nullptr);
    QxSNMPRequest& request = form.Binding()->request;
    request.security.writeCommunity = "public"; // read-only on the device
    Choose(form, "annual");
    std::vector<std::uint32_t> before;
    for (int i = 0; i < Form::RowCount; ++i) {
        before.push_back(request.vars.Entry(i).access);
    }
    Rows(form).CheckRow(Form::RowStatus);
    Rows(form).CheckRow(Form::RowOffset);
    Rows(form).SetRowText(Form::RowOffset, "90");
    form.SetCheckedClick();

    EXPECT_EQ(DeviceValue(Status), "1");
    EXPECT_EQ(DeviceValue(Offset), "60");
    int setLines = 0;
    for (int i = 0; i < Memo(form).LineCount(); ++i) {
        setLines += StartsWith(Memo(form).Line(i), "Set:") ? 1 : 0;
    }
    EXPECT_EQ(setLines, 1);
    EXPECT_FALSE(StartsWith(LastLine(Memo(form)), "Set: Ok!")) << LastLine(Memo(form));
    for (int i = 0; i < Form::RowCount; ++i) {
        EXPECT_EQ(request.vars.Entry(i).access, before[static_cast<size_t>(i)]) << i;
    }
}

// The status goes through and the device refuses the offset: the result area ends with what
// the device holds now, and the device has the new status with its old offset.
TEST_F(SummerTime, HalfDoneWriteSaysWhatStuck) {
    Form form(nullptr);
    // An offset the device does not have: the second set of the write is refused.
    form.Binding()->request.vars.Entry(Form::RowOffset).oid = "1.3.6.1.4.1.32473.12.10.12.99";
    Choose(form, "disable");
    Rows(form).CheckRow(Form::RowStatus);
    Rows(form).CheckRow(Form::RowOffset);
    Rows(form).SetRowText(Form::RowOffset, "90");
    form.SetCheckedClick();
    EXPECT_EQ(DeviceValue(Status), "0");
    EXPECT_EQ(DeviceValue(Offset), "60");
    const std::string last = LastLine(Memo(form));
    EXPECT_NE(last.find("Only the status was written (now \"disable\")"), std::string::npos)
        << last;
    DeviceSet({Status, "i", "1"});
}

TEST_F(SummerTime, ReadErrorsReachTheResultArea) {
    Form form(nullptr);
    QxSNMPRequest& request = form.Binding()->request;
    request.security.readCommunity = "nobody";
    request.timeout = 20;
    request.retries = 0;
    const int lines = Memo(form).LineCount();
    form.RefreshClick();
    ASSERT_EQ(Memo(form).LineCount(), lines + 2);
    for (int i = lines; i < lines + 2; ++i) {
        EXPECT_TRUE(StartsWith(Memo(form).Line(i), "Get:")) << Memo(form).Line(i);
        EXPECT_FALSE(StartsWith(Memo(form).Line(i), "Get: Ok!")) << Memo(form).Line(i);
    }
}

} // namespace
