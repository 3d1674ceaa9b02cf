#include "AgentTarget.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxValueForms.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TPanel.h"
#include "ui/toolkit/TRadioGroup.h"
#include "ui/toolkit/TStatusBar.h"
#include "vocab/QxOptionTables.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

// ---- the result line ----------------------------------------------------------------------

TEST(ReportLine, TemplatesNamesAndTime) {
    struct {
        int operation;
        const char* name;
        const char* error;
        int hour, minute, second;
        const char* line;
    } cases[] = {
        {0, " Led Status", "Ok!", 15, 7, 9,
         "Get: Ok! Request: Led Status. Receive at 03:07:09 PM."},
        {1, "", "Ok!", 9, 0, 0, "Set: Ok!. Receive at 09:00:00 AM."},
        {0, "", "SNMP request timed out!", 0, 5, 1,
         "Get: SNMP request timed out!. Receive at 12:05:01 AM."},
        {1, "Ports", "Ok!", 12, 30, 59, "Set: Ok! Request:Ports. Receive at 12:30:59 PM."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QxSNMPRequest2Controls::ReportLine(c.operation, c.name, c.error, c.hour, c.minute,
                                                     c.second),
                  c.line);
    }
}

// ---- controls without a device --------------------------------------------------------------

// A form with a binding over a list of one row per case; the values are set by hand.
class BindingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        form_ = std::make_unique<TForm>(nullptr);
    }
    void TearDown() override {
        binding_.reset();
        form_.reset();
        UiTest::TearDown();
    }
    QxSNMPRequest2Edits& Bind(const UISnmpVar* table, int kind = SVT_SV, int indexCount = 0) {
        binding_ = std::make_unique<QxSNMPRequest2Edits>(form_.get());
        binding_->request.vars.Assign(
            QxSNMPVarList(table, static_cast<std::uint8_t>(kind), indexCount));
        return *binding_;
    }
    std::vector<TEdit*> Edits(int count) {
        std::vector<TEdit*> edits;
        for (int i = 0; i < count; ++i) {
            edits.push_back(new TEdit(form_.get()));
        }
        return edits;
    }
    std::vector<std::string> Texts(const std::vector<TEdit*>& edits) {
        std::vector<std::string> texts;
        for (TEdit* e : edits) {
            texts.push_back(e->Text());
        }
        return texts;
    }
    std::string& Value(int i) { return binding_->request.vars.Entry(i).value; }

    std::unique_ptr<TForm> form_;
    std::unique_ptr<QxSNMPRequest2Edits> binding_;
};

constexpr UISnmpVar OctetValue[] = {
    {"1.3.6.1.4.1.32473.12.10.10.7", "Summer Time", sxOctetstr, acReadwrite},
    {},
};

constexpr UISnmpVar NamedText[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", sxDisplaystr, acReadwrite},
    {},
};

// A field with a length limit takes typing up to it and refuses a longer paste whole, with a
// box naming the field and its limit; a text without a limit takes the whole paste, and a
// longer value from the device is shown whole.
TEST_F(BindingTest, LongerPasteIsRefusedWithTheFieldAndItsLimit) {
    const struct {
        const char* format;
        const char* before;
        std::string pasted;
        std::string expected;
        const char* box; // null: no box
    } cases[] = {
        {"%s{l16}", "ab", std::string(20, 'x'), "ab",
         "\"Group Name\": a text of 22 characters does not fit.\nThis field takes at most 16 "
         "characters; nothing was cut or changed."},
        {"%s{l16}", "", std::string(16, 'y'), std::string(16, 'y'), nullptr},
        {"%h{l4}", "0", "ABCD", "0",
         "\"Group Name\": a text of 5 characters does not fit.\nThis "
         "field takes at most 4 characters; nothing was cut or changed."},
        {"%s", "", std::string(40000, 'z'), std::string(40000, 'z'), nullptr},
    };
    ASSERT_TRUE(ShowActive(form_.get()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        QxSNMPRequest2Edits& b = Bind(NamedText);
        TEdit* edit = Edits(1)[0];
        edit->show();
        b.BindEdit(0, c.format, {edit});
        edit->SetText(c.before);
        edit->SetFocus();
        edit->SetSelStart(static_cast<int>(std::string(c.before).size()));
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.pasted));
        QTest::keySequence(edit, QKeySequence::Paste);
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->Text(), c.expected);
        if (c.box == nullptr) {
            EXPECT_TRUE(MessageScript::Log().empty());
        } else {
            ASSERT_EQ(MessageScript::Log().size(), 1u);
            EXPECT_EQ(MessageScript::Log()[0].text, c.box);
            EXPECT_EQ(MessageScript::Log()[0].icon, miWarning);
        }
        // Typing at the limit is still just not taken, without a box.
        if (c.box != nullptr) {
            MessageScript::Clear();
            edit->SetText(std::string(static_cast<size_t>(edit->MaxLength()), 'a'));
            edit->SetSelStart(edit->MaxLength());
            QTest::keyClick(edit, 'b');
            QCoreApplication::processEvents();
            EXPECT_EQ(edit->Text(), std::string(static_cast<size_t>(edit->MaxLength()), 'a'));
            EXPECT_TRUE(MessageScript::Log().empty());
        }
        // The device's longer value is shown whole.
        edit->SetText(std::string(50, 'd'));
        EXPECT_EQ(edit->Text(), std::string(50, 'd'));
        b.UnbindControls(0);
        EXPECT_FALSE(edit->OnTooLong);
    }
}

constexpr UISnmpVar MeterRow[] = {
    {"1.3.6.1.4.1.32473.12.9.6.1.1.3", "Meter Rate", sxInteger, acReadwrite},
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", sxDisplaystr, acReadwrite},
    {},
};

// A write can start without the field being left (Return presses the default button), so the
// check on leaving never ran: what it refuses is refused by the write too, and nothing is sent.
TEST_F(BindingTest, WriteRefusesWhatTheFieldCheckRefuses) {
    const struct {
        int var;
        const char* format;
        std::string text;
        const char* message; // null: accepted
    } cases[] = {
        {0, "%i{n1x32l2a}", "40", "Please enter a number between 1 and 32!"},
        {0, "%i{n1x32l2a}", "32", nullptr},
        {0, "%i{n0x999936l6a}", "-5", "Please enter a number between 0 and 999936!"},
        {1, "%s{l4}", "abcdef", "Please enter a string whose length is less than 4!"},
        {1, "%s{l4}", "abcd", nullptr},
        {1, "%s", std::string(40000, 'x'), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.text.substr(0, 10));
        QxSNMPRequest2Edits& b = Bind(MeterRow);
        b.mode = QxSNMPRequest2Controls::Synchronous;
        // Nothing may be sent in this test: a write that passes every check stops here.
        b.request.active = false;
        TEdit* edit = Edits(1)[0];
        b.BindEdit(c.var, c.format, {edit});
        edit->SetText(c.text);
        MessageScript::Clear();
        MessageScript::Push(mrOk);
        EXPECT_FALSE(b.Set(false, true, std::to_string(c.var)));
        if (c.message == nullptr) {
            EXPECT_TRUE(MessageScript::Log().empty());
            continue;
        }
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        const std::string& box = MessageScript::Log()[0].text;
        EXPECT_EQ(box.rfind("\"" + std::string(MeterRow[c.var].label) + "\": \"", 0), 0u) << box;
        EXPECT_NE(box.find(c.message), std::string::npos) << box;
        EXPECT_EQ(edit->Text(), c.text);
    }
}

// A six-octet value packs a week, a weekday, a month, an hour and a minute.
TEST_F(BindingTest, PartsOfAnOctetString) {
    QxSNMPRequest2Edits& b = Bind(OctetValue);
    auto edits = Edits(5);
    struct {
        int offset, syntax;
    } parts[] = {{0, sxUint8}, {1, sxUint16}, {3, sxUint8}, {4, sxUint8}, {5, sxUint8}};
    for (int i = 0; i < 5; ++i) {
        b.BindEditPart(0, parts[i].offset, parts[i].syntax, nullptr, "%u", {edits[i]});
    }
    Value(0) = "02 00 05 03 12 1E";
    b.ShowValues();
    EXPECT_EQ(Texts(edits), (std::vector<std::string>{"2", "5", "3", "18", "30"}));
    edits[3]->SetText("7");
    b.ReadControls();
    EXPECT_EQ(Value(0), "02000503071E");
}

TEST_F(BindingTest, CheckBoxGroupOverBits) {
    QxSNMPRequest2Edits& b = Bind(OctetValue);
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < 9; ++i) {
        boxes.push_back(new TCheckBox(form_.get()));
    }
    b.BindCheckBoxes(0, "0,1,2,3,4,5,6,7,8", boxes);
    Value(0) = "C0 80";
    b.ShowValues();
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(boxes[i]->Checked(), i == 0 || i == 1 || i == 8) << i;
    }
    boxes[1]->SetChecked(false);
    b.ReadControls();
    EXPECT_EQ(Value(0), "8080");
    // Bits without a box keep what the device reported.
    Value(0) = "C0FF";
    b.ShowValues();
    b.ReadControls();
    EXPECT_EQ(Value(0), "C0FF");
    // A value too short for the boxes.
    Value(0) = "C0";
    try {
        b.ShowValues();
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -519);
        EXPECT_EQ(e.Text(), "Out of range for the bit(byte) index of the associated SNMP "
                            "variable's (partial) data!");
    }
}

constexpr UISnmpVar Switches[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.2.1.1.3", "Up Time", sxTimeticks, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.10.1", "Date", sxDatetime, acReadwrite},
    {"1.3.6.1.4.1.32473.12.10.10.2", "Mac", sxMacaddress, acReadwrite},
    {},
};

TEST_F(BindingTest, SingleCheckBoxesWithAndWithoutList) {
    QxSNMPRequest2Edits& b = Bind(Switches);
    auto* listed = new TCheckBox(form_.get());
    auto* plain = new TCheckBox(form_.get());
    b.BindControl(0, listed);
    Value(0) = "enabled";
    b.ShowValues();
    EXPECT_TRUE(listed->Checked());
    Value(0) = "disabled";
    b.ShowValues();
    EXPECT_FALSE(listed->Checked());
    listed->SetChecked(true);
    b.ReadControls();
    EXPECT_EQ(Value(0), "enabled");
    // An integer without a list cannot be a check box.
    b.BindControl(1, plain);
    Value(1) = "1";
    try {
        b.ShowValues(1);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -517);
        EXPECT_EQ(e.Text(), "Bad syntax of the associated SNMP variable's (partial) data!");
    }
}

TEST_F(BindingTest, OptionControlsNeedAList) {
    QxSNMPRequest2Edits& b = Bind(Switches);
    auto* combo = new TComboBox(form_.get());
    try {
        b.BindComboBox(1, combo);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -520);
        EXPECT_EQ(e.Text(), "No reference option list for a SNMP variable's (partial) data "
                            "associating with a optional visual control!");
    }
    auto* radio = new TRadioGroup(form_.get());
    b.BindControl(0, radio);
    EXPECT_EQ(radio->ItemCount(), 2);
    Value(0) = "enabled";
    b.ShowValues();
    EXPECT_EQ(radio->Item(radio->ItemIndex()), "enabled");
    // A chained click handler still runs, through the binding.
    int clicks = 0;
    auto* other = new TComboBox(form_.get());
    other->OnChange = [&] { ++clicks; };
    b.BindComboBox(0, other);
    other->Fire(other->OnChange);
    EXPECT_EQ(clicks, 1);
    b.UnbindControls(0);
    other->Fire(other->OnChange);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(b.Bindings().empty());
}

TEST_F(BindingTest, EditGroupsBySyntax) {
    QxSNMPRequest2Edits& b = Bind(Switches);
    auto name = Edits(1);
    auto address = Edits(4);
    auto ticks = Edits(5);
    auto date = Edits(10);
    auto mac = Edits(6);
    b.BindEdit(2, "%s", name);
    b.BindEdit(3, "%u%u%u%u", address);
    b.BindEdit(4, "%u%u%u%u%u", ticks);
    b.BindEdit(5, "%u%u%u%u%u%u%u%s%u%u", date);
    b.BindEdit(6, "%h%h%h%h%h%h", mac);
    Value(2) = "a long old name";
    Value(3) = "192.168.0.1";
    Value(4) = "1 day 2:03:04.05";
    Value(5) = "2008-7-30,9:5:3.0,+8:0";
    Value(6) = "00 11 22 AA BB CC";
    b.ShowValues();
    EXPECT_EQ(Texts(address), (std::vector<std::string>{"192", "168", "0", "1"}));
    EXPECT_EQ(Texts(ticks), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Texts(date),
              (std::vector<std::string>{"2008", "7", "30", "9", "5", "3", "0", "+", "8", "0"}));
    EXPECT_EQ(Texts(mac), (std::vector<std::string>{"00", "11", "22", "AA", "BB", "CC"}));

    name[0]->SetText("x");
    address[0]->SetText("10");
    address[1]->SetText("");
    ticks[0]->SetText("0");
    mac[5]->SetText("d");
    b.ReadControls();
    EXPECT_EQ(Value(2), "x"); // a display string takes exactly the edit's text
    EXPECT_EQ(Value(3), "10.0.0.1");
    EXPECT_EQ(Value(4), TicksToText(2 * 360000 + 3 * 6000 + 4 * 100 + 5));
    EXPECT_EQ(Value(5), "2008-7-30,9:5:3.0,+8:0");
    EXPECT_EQ(Value(6), "001122AABB0D");
}

// A field that does not fit in its octet is refused; it never wraps into another address.
TEST_F(BindingTest, AddressFieldsOutOfRangeAreRefused) {
    QxSNMPRequest2Edits& b = Bind(Switches);
    auto address = Edits(4);
    auto mac = Edits(6);
    b.BindEdit(3, "%s%s%s%s", address);
    b.BindEdit(6, "%s%s%s%s%s%s", mac);
    Value(3) = "192.168.0.1";
    Value(6) = "00 11 22 AA BB CC";
    b.ShowValues();
    struct {
        TEdit* edit;
        const char* text;
        const char* message;
    } cases[] = {
        {address[2], "300", "Please enter a number between 0 and 255!"},
        {address[2], "-1", "Please enter a number between 0 and 255!"},
        {mac[1], "1FF", "Please enter a hex string whose length is 2!"},
        {mac[1], "zz", "Please enter a hex string whose length is 2!"},
    };
    for (const auto& c : cases) {
        std::string before = c.edit->Text();
        c.edit->SetText(c.text);
        try {
            b.ReadControls();
            ADD_FAILURE() << c.text;
        } catch (const QxError& e) {
            EXPECT_EQ(e.Text(), c.message);
        }
        c.edit->SetText(before);
    }
    EXPECT_EQ(Value(3), "192.168.0.1");
}

TEST_F(BindingTest, OtherControlsAndTooFewEdits) {
    QxSNMPRequest2Edits& b = Bind(Switches);
    auto* label = new TLabel(form_.get());
    b.BindControl(2, label);
    Value(2) = "switch";
    b.ShowValues();
    EXPECT_EQ(label->Caption(), "switch");
    auto* panel = new TPanel(form_.get());
    b.BindControl(1, panel);
    try {
        b.ShowValues(1);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -521);
        EXPECT_EQ(e.Text(), "Bad type of the associated visual control!");
    }
    b.UnbindControls(1);
    auto three = Edits(3);
    b.BindEdit(3, "%u%u%u", three);
    Value(3) = "1.2.3.4";
    try {
        b.ShowValues(3);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -522);
        EXPECT_EQ(e.Text(), "Count of the associated visual controls is not enough!");
    }
}

constexpr UISnmpVar HostRows[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Mask", sxIpaddress, acReadwrite},
    {},
};

// Selecting a row puts each cell back into the variable it came from, also when a hidden
// variable's column stands first; deselecting changes nothing.
TEST_F(BindingTest, SelectedRowsReachTheirVariablesAndControls) {
    QxSNMPRequest2Edits& b = Bind(HostRows, MVT_UMV, 1);
    auto* list = new TListView(form_.get());
    auto address = Edits(4);
    b.BindEdit(1, "%u%u%u%u", address);
    b.request.vars.Entry(2).access |= acHidden;
    b.AttachListView(list, true);
    ASSERT_EQ(list->ColumnCount(), 3);
    EXPECT_EQ(list->Column(0)->Caption(), "Mask");
    EXPECT_EQ(list->Column(0)->Width(), 0);
    const char* rows[][3] = {{"5", "192.168.1.2", "255.255.255.0"}, {"6", "10.0.0.1", "255.0.0.0"}};
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i) {
            Value(i) = row[i];
        }
        b.AddRow();
    }
    ASSERT_EQ(list->ItemCount(), 2);
    list->SetSelected(list->Item(0));
    EXPECT_EQ(Value(0), "5");
    EXPECT_EQ(Value(1), "192.168.1.2");
    EXPECT_EQ(Value(2), "255.255.255.0");
    EXPECT_EQ(Texts(address), (std::vector<std::string>{"192", "168", "1", "2"}));
    list->ClearSelection();
    EXPECT_EQ(Value(1), "192.168.1.2");
    list->SetSelected(list->Item(1));
    EXPECT_EQ(Value(2), "255.0.0.0");
    EXPECT_EQ(Texts(address), (std::vector<std::string>{"10", "0", "0", "1"}));
    // Marks that change after the columns exist do not move the cells onto other variables.
    b.request.vars.Entry(2).access &= ~static_cast<std::uint32_t>(acHidden);
    b.request.vars.Entry(0).access |= acHidden;
    list->ClearSelection();
    list->SetSelected(list->Item(0));
    EXPECT_EQ(Value(0), "5");
    EXPECT_EQ(Value(1), "192.168.1.2");
    EXPECT_EQ(Value(2), "255.255.255.0");
}

// ---- against the simulator ------------------------------------------------------------------

class DeviceTest : public BindingTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator, {"--rows", std::to_string(GeneratedRows)});
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    QxSNMPRequest2Edits& Device(const UISnmpVar* table, int kind = SVT_SV, int indexCount = 0) {
        QxSNMPRequest2Edits& b = Bind(table, kind, indexCount);
        ConnectToAgent(b.request, *sim_);
        return b;
    }
    static bool Idle(const QxSNMPRequest2Edits& b) {
        return WaitUntil([&] { return !b.busy; }, 10000);
    }

    // The simulator's generated table: long enough that a walk of it spans many rounds of the
    // event loop, however quickly the agent answers.
    static constexpr int GeneratedRows = 500;
    static TestAgent* sim_;
};

TestAgent* DeviceTest::sim_ = nullptr;

constexpr UISnmpVar SystemPage[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {},
};

TEST_F(DeviceTest, ScalarPageReadsWritesAndReports) {
    for (std::uint8_t mode :
         {QxSNMPRequest2Controls::Synchronous, QxSNMPRequest2Controls::Asynchronous}) {
        SCOPED_TRACE(int(mode));
        QxSNMPRequest2Edits& b = Device(SystemPage);
        b.mode = mode;
        b.request.vars.name = "System";
        auto* memo = new TMemo(form_.get());
        b.SetReportTarget(memo);
        auto* description = new TLabel(form_.get());
        auto name = Edits(1);
        auto* rmon = new TComboBox(form_.get());
        b.BindControl(0, description);
        b.BindEdit(1, "%s{l32}", name);
        b.BindComboBox(2, rmon);
        int hooks = 0;
        b.onGetComplete = [&](QxSNMPRequest2Controls&, const QxSNMPError& r) {
            EXPECT_EQ(r.code, 0);
            ++hooks;
        };
        b.Get();
        ASSERT_TRUE(Idle(b));
        EXPECT_FALSE(description->Caption().empty());
        EXPECT_EQ(b.answerCount, 1);
        EXPECT_EQ(hooks, mode == QxSNMPRequest2Controls::Asynchronous ? 1 : 0);
        ASSERT_EQ(memo->LineCount() > 0, true);
        EXPECT_TRUE(std::regex_match(memo->Line(memo->LineCount() - 1),
                                     std::regex(R"(Get: Ok! Request:System\. Receive at )"
                                                R"(\d\d:\d\d:\d\d (AM|PM)\.)")))
            << memo->Line(memo->LineCount() - 1);

        std::string wanted = mode == QxSNMPRequest2Controls::Synchronous ? "sync" : "async";
        name[0]->SetText(wanted);
        rmon->SetItemIndex(rmon->IndexOfItem("disabled"));
        b.Set(true, true, "1,2");
        ASSERT_TRUE(Idle(b));
        EXPECT_EQ(memo->Line(memo->LineCount() - 1).rfind("Set: Ok! Request:System.", 0), 0u);
        name[0]->SetText("");
        b.Get();
        ASSERT_TRUE(Idle(b));
        EXPECT_EQ(name[0]->Text(), wanted);
        EXPECT_EQ(rmon->Item(rmon->ItemIndex()), "disabled");
        rmon->SetItemIndex(rmon->IndexOfItem("enabled"));
        b.Set(true, true, "2");
        ASSERT_TRUE(Idle(b));
    }
}

constexpr UISnmpVar TimeZone[] = {
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {},
};

TEST_F(DeviceTest, FailuresGoToTheTargetOrToABox) {
    QxSNMPRequest2Edits& b = Device(SystemPage);
    b.request.device.port = static_cast<std::uint16_t>(FreeUdpPort());
    b.request.timeout = 10;
    // No target: a box with the program's name as caption.
    MessageScript::Push(mrOk);
    b.Get();
    ASSERT_TRUE(Idle(b));
    // The box opens once the completion has returned.
    EXPECT_TRUE(WaitUntil([] { return !MessageScript::Log().empty(); }));
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "SNMP request timed out!");
    EXPECT_EQ(MessageScript::Log()[0].caption,
              dynamic_cast<TApplication*>(QCoreApplication::instance())->ExeFileName());
    // A status bar: the line, and no box.
    auto* bar = new TStatusBar(form_.get());
    b.SetReportTarget(bar);
    b.Get();
    ASSERT_TRUE(Idle(b));
    EXPECT_EQ(bar->SimpleText().rfind("Get: SNMP request timed out!. Receive at ", 0), 0u)
        << bar->SimpleText();
    EXPECT_EQ(MessageScript::Log().size(), 1u);
    // A refused write says so.
    QxSNMPRequest2Edits& w = Device(TimeZone);
    auto* panelBar = new TStatusBar(form_.get());
    TStatusPanel* panel = panelBar->AddPanel(300);
    w.SetReportTarget(panel);
    w.request.vars.Entry(0).value = "5000";
    w.Set(false, false);
    ASSERT_TRUE(Idle(w));
    EXPECT_NE(panel->Text().find("Set: "), std::string::npos);
    EXPECT_EQ(panel->Text().find("Ok!"), std::string::npos) << panel->Text();
}

// An answer the controls cannot show ends the read as a failure: reported, and not busy.
TEST_F(DeviceTest, AnAnswerTheControlsCannotShowEndsTheRead) {
    QxSNMPRequest2Edits& b = Device(SystemPage);
    auto* memo = new TMemo(form_.get());
    b.SetReportTarget(memo);
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < 2; ++i) {
        boxes.push_back(new TCheckBox(form_.get()));
    }
    b.BindCheckBoxes(0, "0,4000", boxes); // no description is 500 characters long
    b.Get();
    ASSERT_TRUE(Idle(b));
    ASSERT_GT(memo->LineCount(), 0);
    EXPECT_NE(memo->Line(memo->LineCount() - 1).find("Out of range for the bit(byte) index"),
              std::string::npos)
        << memo->Line(memo->LineCount() - 1);
}

// A stopped request neither reads nor writes, and nothing is reported as done.
TEST_F(DeviceTest, AStoppedRequestReportsNothing) {
    for (std::uint8_t mode :
         {QxSNMPRequest2Controls::Synchronous, QxSNMPRequest2Controls::Asynchronous}) {
        QxSNMPRequest2Edits& b = Device(SystemPage);
        b.mode = mode;
        auto* memo = new TMemo(form_.get());
        b.SetReportTarget(memo);
        b.request.active = false;
        b.Get();
        b.Set(false, false, "1");
        EXPECT_FALSE(b.busy);
        EXPECT_EQ(memo->LineCount() > 0 ? memo->Line(memo->LineCount() - 1) : std::string(), "")
            << int(mode);
    }
}

constexpr UISnmpVar TrustHosts[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

// A table walked into a real list view; a selected row reaches the controls and is written
// back to the device's own row.
TEST_F(DeviceTest, TablePageWalksSelectsAndWritesTheRow) {
    QxSNMPRequest2Edits& b = Device(TrustHosts, MVT_UMV, 1);
    auto* list = new TListView(form_.get());
    auto address = Edits(4);
    b.BindEdit(1, "%u%u%u%u", address);
    b.AttachListView(list, true);
    ASSERT_EQ(list->ColumnCount(), 4);
    EXPECT_EQ(list->Column(1)->Caption(), "Trust Host IP Address");
    b.AttachListView(list, true); // the columns are not built again
    EXPECT_EQ(list->ColumnCount(), 4);

    b.Get();
    ASSERT_TRUE(Idle(b));
    ASSERT_GE(list->ItemCount(), 2);
    EXPECT_EQ(b.answerCount, list->ItemCount());
    EXPECT_EQ(list->Item(1)->Caption(), "2");
    EXPECT_EQ(list->Item(1)->SubItem(0), "198.51.100.0");

    list->SetSelected(list->Item(1));
    EXPECT_EQ(Texts(address), (std::vector<std::string>{"198", "51", "100", "0"}));
    address[3]->SetText("7");
    b.Set(true, true, "1");
    ASSERT_TRUE(Idle(b));
    // Read again after the write: row 2 changed, row 1 did not.
    ASSERT_GE(list->ItemCount(), 2);
    EXPECT_EQ(list->Item(1)->SubItem(0), "198.51.100.7");
    EXPECT_EQ(list->Item(0)->SubItem(0), "192.0.2.50");
    address[3]->SetText("0");
    list->SetSelected(list->Item(1));
    address[3]->SetText("0");
    b.Set(false, true, "1");
    ASSERT_TRUE(Idle(b));
}

// A walk stopped by clearing `active` ends with the rows in hand and reports "Ok!".
TEST_F(DeviceTest, WalkCancelledByClearingActive) {
    constexpr UISnmpVar Generated[] = {
        {"1.3.6.1.4.1.32473.99.1.1.1", "Index", sxInteger, acReadonly},
        {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplaystr, acReadonly},
        {},
    };
    QxSNMPRequest2Edits& b = Device(Generated, MVT_FMV, 1);
    auto* list = new TListView(form_.get());
    auto* bar = new TStatusBar(form_.get());
    b.SetReportTarget(bar);
    b.AttachListView(list, true);
    int rows = 0;
    b.onGetComplete = [&](QxSNMPRequest2Controls&, const QxSNMPError&) {
        rows = list->ItemCount();
    };
    // One row per exchange, so that the walk is still running after its third row.
    b.request.getBulk = false;
    b.Get();
    ASSERT_TRUE(WaitUntil([&] { return b.answerCount >= 3 || !b.busy; }, 5000));
    b.request.active = false;
    ASSERT_TRUE(Idle(b));
    EXPECT_LT(rows, GeneratedRows);
    EXPECT_GE(rows, 3);
    EXPECT_EQ(bar->SimpleText().rfind("Get: Ok!", 0), 0u);
    // After a full walk the controls of a fixed table stay disabled until a row is selected.
    auto description = Edits(1);
    b.BindEdit(1, "%s", description);
    b.request.active = true;
    b.Get();
    ASSERT_TRUE(Idle(b));
    EXPECT_EQ(list->ItemCount(), GeneratedRows);
    EXPECT_FALSE(description[0]->isEnabled());
    list->SetSelected(list->Item(2));
    EXPECT_TRUE(description[0]->isEnabled());
    EXPECT_EQ(description[0]->Text(), list->Item(2)->SubItem(0));
}

} // namespace
