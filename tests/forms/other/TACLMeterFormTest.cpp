#include "OtherSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/other/TACLMeterForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using Form = TACLMeterForm;

constexpr const char* Rate12 = "1.3.6.1.4.1.32473.12.9.6.1.1.3.1.2";
constexpr const char* Action12 = "1.3.6.1.4.1.32473.12.9.6.1.1.4.1.2";
constexpr const char* InSetRequests = "1.3.6.1.2.1.11.17.0";

TEST(AclMeterChecks, RateAndActionAreNeeded) {
    const struct {
        const char* rate;
        const char* action;
        bool refused;
    } cases[] = {
        {"64", "drop-packet", false},
        {"0", "other", false},
        {"", "drop-packet", true},
        {"64", "", true},
        {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!Form::WriteProblem(c.rate, c.action).empty(), c.refused)
            << c.rate << "/" << c.action;
    }
    EXPECT_EQ(Form::WriteProblem("", ""), "Some items are empty.");
}

class AclMeter : public OtherDeviceTest {
protected:
    // The row whose IDs are shown as "profile.access" in the first two columns.
    static TListItem* RowOf(const Form& form, const std::string& profile,
                            const std::string& access) {
        for (int i = 0; i < form.ListView1->ItemCount(); ++i) {
            TListItem* item = form.ListView1->Item(i);
            if (item->Caption() == profile && item->SubItem(0) == access) {
                return item;
            }
        }
        return nullptr;
    }
    static long SetRequests() { return std::atol(DeviceValue(InSetRequests).c_str()); }
    static void ExpectNoRow(const Form& form) {
        EXPECT_FALSE(form.SetBtn->Enabled());
        EXPECT_TRUE(form.ProfileIDEdit->Enabled());
        EXPECT_TRUE(form.AccessIDEdit->Enabled());
        for (const TEdit* edit : {form.ProfileIDEdit, form.AccessIDEdit, form.RateEdit}) {
            EXPECT_EQ(edit->Text(), "") << edit->Name();
        }
        EXPECT_EQ(form.CBox_Active->ItemIndex(), -1);
    }
};

TEST_F(AclMeter, ListsTheMetersWithNothingChosen) {
    Form form(nullptr);
    EXPECT_EQ(form.Caption(), "ACL Meter Table: 127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 747);
    EXPECT_EQ(form.ClientHeight(), 388);
    EXPECT_EQ(form.NoteLabel1->Caption(),
              "Note: \"Meter Rate = 0\" means \"to disable ACL Meter\".");
    EXPECT_EQ(form.NoteLabel2->Caption(), " User must set the \" Meter Rate\" and \" Meter Active "
                                          "For Rate Exceed\" to active this entry.");
    EXPECT_EQ(form.ListView1->ItemCount(), 3);
    EXPECT_TRUE(StartsWith(form.StatusBar1->SimpleText(), "Get: Ok!"))
        << form.StatusBar1->SimpleText();
    ExpectNoRow(form);
}

TEST_F(AclMeter, SelectionDecidesWhatCanBeEdited) {
    Form form(nullptr);
    const struct {
        const char* profile;
        const char* access;
        const char* rate;
        const char* action;
    } rows[] = {
        {"1", "1", "64", "drop-packet"},
        {"1", "2", "0", "other"},
        {"2", "5", "1000", "set-drop-precedence"},
    };
    for (const auto& r : rows) {
        TListItem* item = RowOf(form, r.profile, r.access);
        ASSERT_NE(item, nullptr) << r.profile << "." << r.access;
        form.ListView1->SetSelected(item);
        EXPECT_TRUE(form.SetBtn->Enabled());
        EXPECT_FALSE(form.ProfileIDEdit->Enabled());
        EXPECT_FALSE(form.AccessIDEdit->Enabled());
        EXPECT_EQ(form.ProfileIDEdit->Text(), r.profile);
        EXPECT_EQ(form.AccessIDEdit->Text(), r.access);
        EXPECT_EQ(form.RateEdit->Text(), r.rate);
        EXPECT_EQ(form.CBox_Active->Text(), r.action);
    }
    form.ListView1->ClearSelection();
    ExpectNoRow(form);

    form.ListView1->SetSelected(form.ListView1->Item(0));
    form.RefreshBtnClick();
    ExpectNoRow(form);
}

TEST_F(AclMeter, SetWritesTheSelectedRowAndReadsAgain) {
    Form form(nullptr);
    form.ListView1->SetSelected(RowOf(form, "1", "2"));
    form.RateEdit->SetText("500");
    form.CBox_Active->SetText("drop-packet");
    form.SetBtnClick();
    EXPECT_EQ(DeviceValue(Rate12), "500");
    EXPECT_EQ(DeviceValue(Action12), "2");
    ExpectNoRow(form);
    EXPECT_EQ(form.ListView1->ItemCount(), 3);
    EXPECT_EQ(RowOf(form, "1", "2")->SubItem(1), "500");
    EXPECT_TRUE(StartsWith(form.StatusBar1->SimpleText(), "Get: Ok!"))
        << form.StatusBar1->SimpleText();
    DeviceSet({Rate12, "i", "0", Action12, "i", "1"});
}

// An empty rate would go out as 0 and switch the meter off.
TEST_F(AclMeter, EmptyRateIsRefusedBeforeAnyWrite) {
    Form form(nullptr);
    form.ListView1->SetSelected(RowOf(form, "1", "1"));
    form.RateEdit->SetText("");
    const long before = SetRequests();
    MessageScript::Push(mrOk);
    form.SetBtnClick();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Some items are empty.");
    EXPECT_EQ(SetRequests(), before);
    EXPECT_EQ(DeviceValue("1.3.6.1.4.1.32473.12.9.6.1.1.3.1.1"), "64");
}

// A rate that is not a number is refused before anything is sent: the box names the field,
// and the row stays selected with what the user typed (no read replaces it).
TEST_F(AclMeter, InvalidRateIsRefusedAndKeptInItsField) {
    Form form(nullptr);
    form.ListView1->SetSelected(RowOf(form, "1", "2"));
    form.RateEdit->SetText("-");
    form.CBox_Active->SetText("drop-packet");
    const long before = SetRequests();
    MessageScript::Push(mrOk);
    form.SetBtnClick();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text.rfind("\"Meter Rate\": \"-\" is not", 0), 0u)
        << MessageScript::Log()[0].text;
    EXPECT_EQ(SetRequests(), before);
    EXPECT_EQ(DeviceValue(Rate12), "0");
    EXPECT_EQ(DeviceValue(Action12), "1");
    EXPECT_EQ(form.RateEdit->Text(), "-");
    EXPECT_EQ(form.CBox_Active->Text(), "drop-packet");
    EXPECT_TRUE(form.SetBtn->Enabled());
    EXPECT_NE(form.ListView1->Selected(), nullptr);
    const std::string shown = form.StatusBar1->SimpleText();
    EXPECT_TRUE(StartsWith(shown, "Set:")) << shown;
    EXPECT_FALSE(StartsWith(shown, "Set: Ok!")) << shown;
}

TEST_F(AclMeter, RefusedWriteKeepsTheRowAndItsError) {
    Form form(nullptr);
    form.Binding()->request.security.writeCommunity = "public"; // read-only on the device
    form.ListView1->SetSelected(RowOf(form, "1", "2"));
    form.RateEdit->SetText("500");
    form.SetBtnClick();
    const std::string shown = form.StatusBar1->SimpleText();
    EXPECT_TRUE(StartsWith(shown, "Set:")) << shown;
    EXPECT_FALSE(StartsWith(shown, "Set: Ok!")) << shown;
    EXPECT_EQ(form.RateEdit->Text(), "500");
    EXPECT_TRUE(form.SetBtn->Enabled());
    EXPECT_EQ(DeviceValue(Rate12), "0");
}

TEST_F(AclMeter, ReadErrorGoesToTheStatusBar) {
    Form form(nullptr);
    QxSNMPRequest& request = form.Binding()->request;
    request.security.readCommunity = "nobody";
    request.timeout = 20;
    request.retries = 0;
    form.RefreshBtnClick();
    const std::string shown = form.StatusBar1->SimpleText();
    EXPECT_TRUE(StartsWith(shown, "Get:")) << shown;
    EXPECT_FALSE(StartsWith(shown, "Get: Ok!")) << shown;
}

} // namespace
