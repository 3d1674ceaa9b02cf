#include "RoutingSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/TOSPFDefaultInfoOriginateForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TMessageBox.h"
#include "ui/toolkit/TStatusBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr const char* Group = "1.3.6.1.4.1.32473.11.69.3.3.12";

std::string Scalar(int n) {
    return "." + std::string(Group) + "." + std::to_string(n) + ".0";
}

class OSPFDefaultInfoTest : public RoutingDeviceTest {
protected:
    void Open() {
        form_ = std::make_unique<TOSPFDefaultInfoOriginateForm>(nullptr);
        form_->Show();
        ASSERT_TRUE(Idle());
    }
    void TearDown() override {
        form_.reset();
        RoutingDeviceTest::TearDown();
    }
    bool Idle() {
        return WaitUntil([&] { return form_->Binding() != nullptr && !form_->Binding()->busy; },
                         10000);
    }
    std::string Status() const { return form_->StatusBar1->SimpleText(); }
    void ExpectAccessAsBound() {
        for (int i = 0; i < TOSPFDefaultInfoOriginateForm::VarCount; ++i) {
            EXPECT_EQ(form_->Binding()->request.vars.Entry(i).access, acReadwrite) << i;
        }
    }
    void ExpectFieldsEnabled() {
        for (TControl* c : std::initializer_list<TControl*>{
                 form_->CheckBox2, form_->CheckBox3, form_->CheckBox4, form_->CBoxAlways,
                 form_->CBoxMettype, form_->MetricEdit, form_->SetBtn}) {
            EXPECT_TRUE(c->Enabled()) << c->Name();
        }
    }

    std::unique_ptr<TOSPFDefaultInfoOriginateForm> form_;
};

TEST_F(OSPFDefaultInfoTest, ReadsTheFourValues) {
    Open();
    EXPECT_EQ(form_->Caption(), "OSPF Default Information Originate: 127.0.0.1");
    EXPECT_EQ(form_->ClientWidth(), 401);
    EXPECT_EQ(form_->ClientHeight(), 218);
    EXPECT_EQ(form_->CBoxState->Text(), "enabled");
    EXPECT_EQ(form_->CBoxAlways->Text(), "disabled");
    EXPECT_EQ(form_->CBoxMettype->Text(), "type2");
    EXPECT_EQ(form_->MetricEdit->Text(), "10");
    EXPECT_EQ(Status().rfind("Get: Ok!", 0), 0u) << Status();

    // Choosing "disabled" greys the fields that only matter while origination is on.
    form_->CBoxState->SetText("disabled");
    form_->CBoxState->Fire(form_->CBoxState->OnChange);
    for (TControl* c : std::initializer_list<TControl*>{form_->CheckBox2, form_->CheckBox3,
                                                        form_->CheckBox4, form_->CBoxAlways,
                                                        form_->CBoxMettype, form_->MetricEdit}) {
        EXPECT_FALSE(c->Enabled()) << c->Name();
    }
    EXPECT_TRUE(form_->CheckBox1->Enabled());
    form_->CBoxState->SetText("enabled");
    form_->CBoxState->Fire(form_->CBoxState->OnChange);
    ExpectFieldsEnabled();
}

// Only the ticked fields are written; the access codes are as bound afterwards and a
// refresh clears the ticks. A field changed without its tick stops the write with a message
// that names it.
TEST_F(OSPFDefaultInfoTest, WritesOnlyTheTickedFields) {
    Open();
    form_->CheckBox1->SetChecked(true);
    form_->CBoxState->SetText("disabled");
    form_->MetricEdit->SetText("99"); // changed, but not ticked
    form_->CBoxMettype->SetText("type1");
    MessageScript::Push(mrOk);
    form_->SetBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_NE(MessageScript::Log()[0].text.find("Mettype, Metric"), std::string::npos)
        << MessageScript::Log()[0].text;
    ExpectAccessAsBound();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(DeviceWalk(Group)[Scalar(1)], "1"); // nothing was written
    EXPECT_EQ(form_->MetricEdit->Text(), "99");   // what was typed stays

    form_->MetricEdit->SetText("10");
    form_->CBoxMettype->SetText("type2");
    form_->SetBtn->Click();
    ExpectAccessAsBound();
    ASSERT_TRUE(WaitUntil([&] { return Status().rfind("Get: Ok!", 0) == 0; }, 10000)) << Status();
    ASSERT_TRUE(Idle());
    auto device = DeviceWalk(Group);
    EXPECT_EQ(device[Scalar(1)], "2");
    EXPECT_EQ(device[Scalar(3)], "2");
    EXPECT_EQ(device[Scalar(4)], "10");
    EXPECT_EQ(form_->MetricEdit->Text(), "10"); // read again
    EXPECT_FALSE(form_->CheckBox1->Checked());
    // The fields follow the state written: greyed while origination is disabled.
    EXPECT_FALSE(form_->MetricEdit->Enabled());
    EXPECT_TRUE(form_->SetBtn->Enabled());
    DeviceSet({Scalar(1), "i", "1"});
}

// Ticked fields that origination "disabled" greys out are not written, and a write with
// nothing ticked sends nothing and says so instead of "Ok!".
TEST_F(OSPFDefaultInfoTest, GreyedOrUntickedFieldsAreNotWritten) {
    Open();
    const auto before = DeviceWalk(Group);
    MessageScript::Clear();
    MessageScript::Push(mrOk);
    form_->SetBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_NE(MessageScript::Log()[0].text.find("Nothing was written"), std::string::npos);
    EXPECT_EQ(Status().rfind("Set: Ok!", 0), std::string::npos) << Status();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(DeviceWalk(Group), before);

    MessageScript::Clear();
    for (TCheckBox* box : {form_->CheckBox1, form_->CheckBox2, form_->CheckBox4}) {
        box->SetChecked(true);
    }
    form_->CBoxState->SetText("disabled");
    form_->CBoxState->Fire(form_->CBoxState->OnChange); // greys Always and Metric
    ASSERT_FALSE(form_->MetricEdit->Enabled());
    form_->SetBtn->Click();
    EXPECT_TRUE(MessageScript::Log().empty());
    ASSERT_TRUE(WaitUntil([&] { return Status().rfind("Get: Ok!", 0) == 0; }, 10000)) << Status();
    ASSERT_TRUE(Idle());
    auto device = DeviceWalk(Group);
    EXPECT_EQ(device[Scalar(1)], "2");
    EXPECT_EQ(device[Scalar(2)], before.at(Scalar(2)));
    EXPECT_EQ(device[Scalar(4)], before.at(Scalar(4)));
    // The fields stay greyed while origination is disabled.
    EXPECT_FALSE(form_->MetricEdit->Enabled());
    DeviceSet({Scalar(1), "i", "1"});
}

TEST_F(OSPFDefaultInfoTest, ChecksBeforeWriting) {
    Open();
    const auto before = DeviceWalk(Group);

    // A ticked metric must be given.
    form_->CheckBox1->SetChecked(true);
    form_->CBoxState->SetText("disabled");
    form_->CheckBox4->SetChecked(true);
    form_->MetricEdit->SetText("");
    MessageScript::Push(mrOk);
    form_->SetBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "you have choosed the Metric,it can't be empty");

    // A read still running.
    MessageScript::Clear();
    form_->MetricEdit->SetText("12");
    form_->Binding()->Get();
    ASSERT_TRUE(form_->Binding()->busy);
    MessageScript::Push(mrOk);
    form_->SetBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Get data not completed, please wait");
    ASSERT_TRUE(Idle());

    ExpectAccessAsBound();
    EXPECT_EQ(DeviceWalk(Group), before);
}

// A refused write is reported in the status bar and leaves the window ready for the next one.
TEST_F(OSPFDefaultInfoTest, RefusedWriteIsReportedAndUndone) {
    Open();
    form_->Binding()->request.security.writeCommunity = "public"; // read-only at the device
    form_->Binding()->request.timeout = 50;
    form_->CheckBox4->SetChecked(true);
    form_->MetricEdit->SetText("77");
    form_->SetBtn->Click();
    ExpectAccessAsBound();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(Status().rfind("Set: ", 0), 0u) << Status();
    EXPECT_NE(Status().rfind("Set: Ok!", 0), 0u) << Status();
    ExpectFieldsEnabled();
    EXPECT_TRUE(form_->CheckBox4->Checked()); // not refreshed: the choice stays for a retry
    EXPECT_EQ(DeviceWalk(Group)[Scalar(4)], "10");
}

} // namespace
