#include "AgentTarget.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "snmp/QxSNMPSession.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TScrollBox.h"
#include "ui/toolkit/TSplitter.h"
#include "vocab/QxOptionTables.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A form with an editor page over a descriptor table, fitted as the page form fits it.
class EditorPanelTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
    }
    void TearDown() override {
        // The page's controls go with the form before the binding they refer to.
        form_.reset();
        binding_.reset();
        UiTest::TearDown();
    }
    virtual void Connect(QxSNMPRequest&) {}
    TSNMPEditorPanel& Build(const UISnmpVar* table) {
        binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
        binding_->request.vars.Assign(QxSNMPVarList(table, SVT_SV, 0));
        binding_->request.vars.name = "Page";
        Connect(binding_->request);
        panel_ = new TSNMPEditorPanel(form_.get(), binding_.get());
        panel_->FitForm(form_.get());
        return *panel_;
    }
    TCtrlBtnPanel& Buttons() { return *panel_->ButtonPanel(); }
    TEditsPanel& Rows() { return *panel_->EditsPanel(); }
    TEdit& Edit(int i) { return *Rows().Row(i).edit; }
    TMemo& Memo() { return *panel_->MsgPanel()->memo; }
    std::string LastLine() {
        return Memo().LineCount() == 0 ? std::string() : Memo().Line(Memo().LineCount() - 1);
    }
    bool Idle() {
        return WaitUntil([&] { return !binding_->busy; }, 10000);
    }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
    TSNMPEditorPanel* panel_ = nullptr;
};

// ---- without a device -----------------------------------------------------------------------

constexpr UISnmpVar MixedPage[] = {
    {"1.3.6.1.4.1.32473.20.1", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.20.2", "Mode", sxInteger, acReadwrite, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.20.3", "Uptime", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.20.4", "State", sxInteger, acReadonly, &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.20.5", "Contact", sxDisplaystr, acReadwrite},
    {},
};

TEST_F(EditorPanelTest, FrameAroundTheRows) {
    TSNMPEditorPanel& p = Build(MixedPage);
    EXPECT_EQ(p.Splitter()->Align(), alRight);
    EXPECT_EQ(p.Splitter()->Width(), 3);
    EXPECT_EQ(Buttons().Align(), alRight);
    EXPECT_EQ(p.ClientPanel()->Align(), alClient);
    EXPECT_EQ(p.MsgPanel()->Align(), alBottom);
    EXPECT_EQ(p.Content(), &Rows());
    EXPECT_EQ(Rows().Parent(), p.ClientPanel());
    EXPECT_EQ(Rows().Align(), alClient);
    EXPECT_EQ(p.Form(), form_.get());
    EXPECT_EQ(form_->Position(), poMainFormCenter);
    EXPECT_EQ(p.Align(), alClient);
    // Several writable rows: Set Checked waits for a checked row.
    EXPECT_EQ(Buttons().setCheckedButton->Caption(), "Set Checked");
    EXPECT_FALSE(Buttons().setCheckedButton->Enabled());
    EXPECT_TRUE(Buttons().checkAllButton->Visible());
    // The page reports into its own result area.
    binding_->Report("Ok!");
    EXPECT_EQ(LastLine().rfind("Get: Ok! Request:Page.", 0), 0u) << LastLine();
}

TEST_F(EditorPanelTest, SizeFollowsTheRowsUpToTheCap) {
    // Many wide rows: the rows need about 900 x 700.
    std::vector<std::string> oids;
    std::vector<std::string> labels;
    for (int i = 0; i < 30; ++i) {
        oids.push_back("1.3.6.1.4.1.32473.21." + std::to_string(i + 1));
        labels.push_back("Row " + std::to_string(i + 1));
    }
    std::vector<UISnmpVar> table;
    for (int i = 0; i < 30; ++i) {
        table.push_back({oids[static_cast<size_t>(i)].c_str(),
                         labels[static_cast<size_t>(i)].c_str(), sxDisplaystr, acReadwrite});
    }
    table.push_back({});
    TSNMPEditorPanel& p = Build(table.data());
    p.SetEditorWidth(700);
    EXPECT_EQ(form_->ClientWidth(), 800);
    EXPECT_EQ(form_->ClientHeight(), 550);
    EXPECT_EQ(p.Width(), 800);
    // The rows scroll inside the capped form.
    form_->Show();
    TScrollBox& box = *Rows().ScrollBox();
    ASSERT_TRUE(WaitUntil([&] { return box.ClientHeight() < 550; }));
    EXPECT_GT(box.RangeHeight(), 700);
    EXPECT_GT(box.RangeWidth(), 700);
    EXPECT_GT(box.RangeHeight(), box.ClientHeight());
    EXPECT_GT(box.RangeWidth(), box.ClientWidth());
    EXPECT_EQ(Edit(0).Width(), 700);
}

TEST_F(EditorPanelTest, SmallPageFitsItsForm) {
    form_->SetClientWidth(100);
    form_->SetClientHeight(50);
    TSNMPEditorPanel& p = Build(MixedPage);
    EXPECT_EQ(form_->ClientWidth(), p.Width());
    EXPECT_GE(p.Width(), Rows().Width() + Buttons().Width() + 3);
    EXPECT_GE(form_->ClientHeight(), Buttons().Height());
    EXPECT_GE(form_->ClientHeight(), p.MsgPanel()->Height() + Rows().Height());
    EXPECT_LE(form_->ClientWidth(), 800);
    EXPECT_LE(form_->ClientHeight(), 550);
    // A wider editor grows panel and form by the same amount.
    const int before = form_->ClientWidth();
    const int widthBefore = Edit(0).Width();
    p.SetEditorWidth(widthBefore + 100);
    EXPECT_EQ(Edit(0).Width(), widthBefore + 100);
    EXPECT_EQ(form_->ClientWidth(), before + 100);
    EXPECT_EQ(p.Width(), before + 100);
}

TEST_F(EditorPanelTest, CloseNeedsAFittedForm) {
    binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
    binding_->request.vars.Assign(QxSNMPVarList(MixedPage, SVT_SV, 0));
    panel_ = new TSNMPEditorPanel(form_.get(), binding_.get());
    MessageScript::Push(mrOk);
    Buttons().closeButton->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Please initial close form");

    panel_->FitForm(form_.get());
    form_->Show();
    ASSERT_TRUE(form_->Visible());
    Buttons().closeButton->Click();
    EXPECT_TRUE(WaitUntil([&] { return !form_->Visible(); }));
}

TEST_F(EditorPanelTest, VarFormatByRowKind) {
    TSNMPEditorPanel& p = Build(MixedPage);
    auto boundTo = [&](int varIndex) {
        int n = 0;
        for (const auto& b : binding_->Bindings()) {
            n += b->varIndex == varIndex ? 1 : 0;
        }
        return n;
    };
    const struct {
        int row;
        const char* error; // none: accepted
    } cases[] = {
        {0, nullptr},
        {2, nullptr},
        {1, "Can not set Var format to a ComboBox!"},
        {3, "Unknow UI Control type!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        if (c.error == nullptr) {
            p.SetVarFormat(c.row, "%s{l8}");
            EXPECT_EQ(Rows().Row(c.row).format, "%s{l8}");
        } else {
            try {
                p.SetVarFormat(c.row, "%s{l8}");
                ADD_FAILURE() << "no error";
            } catch (const std::logic_error& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        }
        // A refused change leaves the row bound as before.
        EXPECT_EQ(boundTo(c.row), 1);
    }
    // The new format guards what is typed into the row.
    binding_->request.vars.Entry(0).value = "abc";
    binding_->ShowValues(0);
    EXPECT_EQ(Edit(0).Text(), "abc");
}

TEST_F(EditorPanelTest, CheckAllAndClearChecksIncludeHiddenRows) {
    TSNMPEditorPanel& p = Build(MixedPage);
    Rows().HideRow(4);
    p.CheckAllAction();
    EXPECT_TRUE(Rows().Row(4).checkBox->Checked());
    EXPECT_TRUE(Rows().Row(0).checkBox->Checked());
    EXPECT_FALSE(Rows().Row(2).checkBox->Checked()); // read-only: no check box
    EXPECT_TRUE(Buttons().setCheckedButton->Enabled());
    Buttons().clearChecksButton->Click();
    for (int i = 0; i < Rows().RowCount(); ++i) {
        EXPECT_FALSE(Rows().Row(i).checkBox->Checked()) << i;
    }
    EXPECT_FALSE(Buttons().setCheckedButton->Enabled());
    Buttons().checkAllButton->Click();
    EXPECT_TRUE(Buttons().setCheckedButton->Enabled());
}

// ---- against the simulator ------------------------------------------------------------------

class DeviceEditorTest : public EditorPanelTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void Connect(QxSNMPRequest& r) override { ConnectToAgent(r, *sim_); }
    void Refresh() {
        Buttons().refreshButton->Click();
        ASSERT_TRUE(Idle());
    }

    static TestAgent* sim_;
};

TestAgent* DeviceEditorTest::sim_ = nullptr;

constexpr UISnmpVar SystemPage[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {},
};

TEST_F(DeviceEditorTest, ReadWriteCheckedAndReadAgain) {
    Build(SystemPage);
    Refresh();
    EXPECT_FALSE(Edit(0).Text().empty());
    const std::string zone = Edit(2).Text();
    EXPECT_FALSE(zone.empty());
    EXPECT_EQ(LastLine().rfind("Get: Ok! Request:Page.", 0), 0u) << LastLine();

    // Nothing checked: nothing is written (an empty selection would write every variable).
    const int lines = Memo().LineCount();
    Edit(1).SetText("unchecked");
    panel_->SetCheckedAction(Buttons().setCheckedButton);
    EXPECT_EQ(Memo().LineCount(), lines);

    // Only the checked row is written; the other one is typed into but left out.
    Rows().Row(1).checkBox->Click();
    ASSERT_TRUE(Buttons().setCheckedButton->Enabled());
    Edit(1).SetText("panel-switch");
    Edit(2).SetText(zone == "120" ? "180" : "120");
    Buttons().setCheckedButton->Click();
    EXPECT_EQ(LastLine().rfind("Set: Ok! Request:Page.", 0), 0u) << LastLine();
    EXPECT_EQ(binding_->mode, QxSNMPRequest2Controls::Asynchronous);
    for (int i = 0; i < binding_->request.vars.Count(); ++i) {
        EXPECT_EQ(binding_->request.vars.Entry(i).access & acInvalid, 0u) << i;
    }

    Edit(1).SetText("");
    Edit(2).SetText("");
    Refresh();
    EXPECT_EQ(Edit(1).Text(), "panel-switch");
    EXPECT_EQ(Edit(2).Text(), zone);
}

constexpr UISnmpVar TimeZonePage[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {},
};

TEST_F(DeviceEditorTest, SingleWritableVariableAndEmptyItem) {
    Build(TimeZonePage);
    EXPECT_EQ(Buttons().setCheckedButton->Caption(), "Set");
    EXPECT_TRUE(Buttons().setCheckedButton->Enabled());
    EXPECT_FALSE(Buttons().checkAllButton->Visible());
    Refresh();

    Edit(1).SetText("-300");
    Buttons().setCheckedButton->Click();
    EXPECT_EQ(LastLine().rfind("Set: Ok! Request:Page.", 0), 0u) << LastLine();

    // An empty value: a warning, nothing sent, the row left as the user left it; a dialog
    // (Tag 1) stays open.
    const int lines = Memo().LineCount();
    form_->Show();
    Buttons().setCheckedButton->SetTag(1);
    Edit(1).SetText("");
    MessageScript::Push(mrOk);
    Buttons().setCheckedButton->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Some items are empty!");
    EXPECT_EQ(MessageScript::Log()[0].caption, "Warning");
    EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK);
    EXPECT_EQ(Memo().LineCount(), lines);
    EXPECT_EQ(Edit(1).Text(), "");
    EXPECT_TRUE(form_->Visible());

    Refresh();
    EXPECT_EQ(Edit(1).Text(), "-300");
}

// A row the device refuses, written by every mode the page may read in and from a dialog's
// button (Tag 1, which closes the dialog): the device's error is the last line of the result
// area, never "Ok!" and never nothing.
constexpr UISnmpVar RefusedPage[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplaystr, acReadwrite}, // read-only on the device
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {},
};

TEST_F(DeviceEditorTest, RefusedWriteShowsTheDeviceError) {
    const struct {
        int row;
        const char* text;
        std::uint8_t mode;
        int tag;
    } cases[] = {
        {1, "900", QxSNMPRequest2Controls::Asynchronous, 0}, // outside the device's range
        {1, "900", QxSNMPRequest2Controls::Synchronous, 0},
        {0, "renamed", QxSNMPRequest2Controls::Asynchronous, 0}, // not writable
        {1, "900", QxSNMPRequest2Controls::Asynchronous, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + c.text + " mode " + std::to_string(c.mode) +
                     " tag " + std::to_string(c.tag));
        form_ = std::make_unique<TForm>(nullptr);
        binding_.reset();
        Build(RefusedPage);
        binding_->mode = c.mode;
        Refresh();
        const std::string before = Edit(1).Text();
        form_->Show();
        Buttons().setCheckedButton->SetTag(c.tag);
        Rows().Row(c.row).checkBox->Click();
        Edit(c.row).SetText(c.text);
        const int lines = Memo().LineCount();
        Buttons().setCheckedButton->Click();
        EXPECT_EQ(Memo().LineCount(), lines + 1);
        const std::string line = LastLine();
        EXPECT_EQ(line.rfind("Set: ", 0), 0u) << line;
        EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;
        EXPECT_NE(line.find("Request:Page."), std::string::npos) << line;
        EXPECT_EQ(binding_->mode, c.mode);
        EXPECT_FALSE(binding_->busy);
        EXPECT_EQ(form_->Visible(), c.tag != 1);
        // Nothing was changed on the device.
        Edit(1).SetText("");
        Refresh();
        EXPECT_EQ(Edit(1).Text(), before);
    }
}

} // namespace
