#include "RoutingSim.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/routing/TRouteRedistributForm.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TLabel.h"
#include "ui/toolkit/TListView.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

constexpr const char* Entry = "1.3.6.1.4.1.32473.11.69.3.3.5.1";

std::string Cell(int column, int source, int destination) {
    return "." + std::string(Entry) + "." + std::to_string(column) + "." + std::to_string(source) +
           "." + std::to_string(destination);
}

// The metric a destination protocol takes, and the refusal of anything else; a text that is
// no number is refused like a number out of range (it would otherwise be written as 0).
TEST(RouteRedistributMetric, BoundsPerDestinationProtocol) {
    const struct {
        const char* destination;
        const char* metric;
        const char* expected;
    } cases[] = {
        {"rip", "0", ""},
        {"rip", "16", ""},
        {"rip", "17", "Metric out of Bound [0..16]"},
        {"rip", "-1", "Metric out of Bound [0..16]"},
        {"rip", "-", "Metric out of Bound [0..16]"},
        {"rip", "(NULL)", "Metric out of Bound [0..16]"},
        {"ospf", "20", ""},
        {"ospf", "16777214", ""},
        {"ospf", "16777215", "Metric out of Bound [0..16777214]"},
        {"ospf", "99999999", "Metric out of Bound [0..16777214]"},
        {"ospf", "-", "Metric out of Bound [0..16777214]"},
        {"ospf", "1 2", "Metric out of Bound [0..16777214]"},
        // No destination chosen: no range applies, but a text that is no number is refused
        // with the range shown.
        {"", "12345", ""},
        {"", "-", "Metric out of Bound [0..16]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TRouteRedistributForm::MetricProblem(c.destination, c.metric, "[0..16]"),
                  c.expected)
            << c.destination << " " << c.metric;
    }
}

class RouteRedistributTest : public RoutingDeviceTest {
protected:
    void Open() {
        form_ = std::make_unique<TRouteRedistributForm>(nullptr);
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
    TListItem* Row(const std::string& source, const std::string& destination) {
        TListView& list = *form_->ListView1;
        for (int i = 0; i < list.ItemCount(); ++i) {
            if (list.Item(i)->Caption() == source && list.Item(i)->SubItem(0) == destination) {
                return list.Item(i);
            }
        }
        return nullptr;
    }
    void Select(const std::string& source, const std::string& destination) {
        TListItem* item = Row(source, destination);
        ASSERT_NE(item, nullptr) << source << " -> " << destination;
        form_->ListView1->SetSelected(item);
    }
    std::set<int> EnabledTypes() {
        std::set<int> types;
        for (int i = 0; i < TRouteRedistributForm::TypeCount; ++i) {
            if (form_->TypeRadio[static_cast<size_t>(i)]->Enabled()) {
                types.insert(i + 1);
            }
        }
        return types;
    }
    int CheckedType() {
        for (int i = 0; i < TRouteRedistributForm::TypeCount; ++i) {
            if (form_->TypeRadio[static_cast<size_t>(i)]->Checked()) {
                return i + 1;
            }
        }
        return 0;
    }

    std::unique_ptr<TRouteRedistributForm> form_;
};

TEST_F(RouteRedistributTest, ReadsTheTableAndShowsTheSelectedRow) {
    Open();
    EXPECT_EQ(form_->Caption(), "Route Redistribution Table: 127.0.0.1");
    EXPECT_EQ(form_->ClientWidth(), 572);
    EXPECT_EQ(form_->ClientHeight(), 380);
    EXPECT_EQ(form_->Label5->Caption(), "[0..16777214]");
    ASSERT_EQ(form_->ListView1->ColumnCount(), 5);
    EXPECT_EQ(form_->ListView1->Column(0)->Caption(), "Source Protocol");
    EXPECT_EQ(form_->ListView1->Column(4)->Caption(), "RowStatus");
    EXPECT_EQ(form_->ListView1->ItemCount(), 3);
    EXPECT_TRUE(form_->Memo1->Line(form_->Memo1->LineCount() - 1).rfind("Get: Ok!", 0) == 0);
    EXPECT_FALSE(form_->DeleteBtn->Enabled());
    EXPECT_FALSE(form_->ComboBox3->Visible());
    EXPECT_FALSE(form_->StComboBox->Visible());

    const struct {
        const char* source;
        const char* destination;
        const char* metric;
        int type; // the radio button checked
        const char* range;
        std::set<int> enabled;
    } rows[] = {
        {"ospf", "rip", "3", 5, "[0..16]", {1, 2, 5, 6, 7, 8, 9, 10}},
        {"static", "ospf", "20", 3, "[0..16777214]", {3, 4}},
        // inter+E1 in the list is the radio button inter-E1.
        {"rip", "ospf", "100", 7, "[0..16777214]", {3, 4}},
    };
    for (const auto& r : rows) {
        Select(r.source, r.destination);
        EXPECT_TRUE(form_->DeleteBtn->Enabled());
        EXPECT_EQ(form_->ComboBox1->Text(), r.source);
        EXPECT_EQ(form_->ComboBox2->Text(), r.destination);
        EXPECT_EQ(form_->Edit1->Text(), r.metric);
        EXPECT_EQ(CheckedType(), r.type) << r.source;
        EXPECT_EQ(form_->Label5->Caption(), r.range) << r.source;
        EXPECT_EQ(EnabledTypes(), r.enabled) << r.source;
    }
    form_->ListView1->ClearSelection();
    EXPECT_FALSE(form_->DeleteBtn->Enabled());
}

TEST_F(RouteRedistributTest, ProtocolChoiceSetsRangeAndRouteTypes) {
    Open();
    const struct {
        const char* source;
        const char* destination;
        const char* range;
        std::set<int> enabled;
    } cases[] = {
        {"ospf", "rip", "[0..16]", {1, 2, 5, 6, 7, 8, 9, 10}},
        {"static", "rip", "[0..16]", {2}},
        {"local", "rip", "[0..16]", {2}},
        {"rip", "ospf", "[0..16777214]", {3, 4}},
        {"local", "ospf", "[0..16777214]", {3, 4}},
        // rip into rip changes nothing: what the case before left stays.
        {"rip", "rip", "[0..16777214]", {3, 4}},
    };
    for (const auto& c : cases) {
        form_->ComboBox1->SetText(c.source);
        form_->ComboBox2->SetText(c.destination);
        form_->ComboBox2->Fire(form_->ComboBox2->OnChange);
        EXPECT_EQ(form_->Label5->Caption(), c.range) << c.source << " -> " << c.destination;
        EXPECT_EQ(EnabledTypes(), c.enabled) << c.source << " -> " << c.destination;
    }
    // The source's change applies the rule as well.
    form_->ComboBox1->SetText("static");
    form_->ComboBox1->Fire(form_->ComboBox1->OnChange);
    EXPECT_EQ(form_->Label5->Caption(), "[0..16]");
    EXPECT_EQ(EnabledTypes(), std::set<int>{2});
}

TEST_F(RouteRedistributTest, RefusedMetricWritesNothing) {
    Open();
    Select("ospf", "rip");
    const auto before = DeviceWalk(Entry);
    const struct {
        const char* metric;
        const char* message;
    } cases[] = {
        {"17", "Metric out of Bound [0..16]"},
        {"-", "Metric out of Bound [0..16]"}, // formerly dropped without a word
    };
    for (const auto& c : cases) {
        MessageScript::Clear();
        form_->Edit1->SetText(c.metric);
        MessageScript::Push(mrOk);
        form_->EditBtn->Click();
        ASSERT_EQ(MessageScript::Log().size(), 1u) << c.metric;
        EXPECT_EQ(MessageScript::Log()[0].text, c.message);
        EXPECT_EQ(MessageScript::Log()[0].buttons, mbOK);
    }
    // An empty metric stops without a message.
    MessageScript::Clear();
    form_->Edit1->SetText("");
    form_->AddBtn->Click();
    EXPECT_TRUE(MessageScript::Log().empty());
    ASSERT_TRUE(Idle());
    EXPECT_EQ(DeviceWalk(Entry), before);
}

// A row needs both protocols (they are its index), and a route type the protocols take: a
// radio button the protocol rule greyed out is never written.
TEST_F(RouteRedistributTest, AddNeedsProtocolsAndATypeTheyTake) {
    Open();
    const auto before = DeviceWalk(Entry);
    form_->ComboBox1->SetText("");
    form_->ComboBox2->SetText("");
    form_->Edit1->SetText("5");
    MessageScript::Clear();
    MessageScript::Push(mrOk);
    form_->AddBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text,
              "Please choose the source and the destination protocol!");

    // "type-1" is greyed out for static routes into RIP.
    form_->ComboBox1->SetText("static");
    form_->ComboBox2->SetText("rip");
    form_->ComboBox2->Fire(form_->ComboBox2->OnChange);
    form_->TypeRadio[2]->SetEnabled(true);
    form_->TypeRadio[2]->Click();
    form_->ComboBox2->Fire(form_->ComboBox2->OnChange);
    ASSERT_FALSE(form_->TypeRadio[2]->Enabled());
    ASSERT_TRUE(form_->TypeRadio[2]->Checked());
    MessageScript::Clear();
    MessageScript::Push(mrOk);
    form_->AddBtn->Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_NE(MessageScript::Log()[0].text.find("type-1 does not apply"), std::string::npos)
        << MessageScript::Log()[0].text;
    ASSERT_TRUE(Idle());
    EXPECT_EQ(DeviceWalk(Entry), before);
}

TEST_F(RouteRedistributTest, SetAddAndDeleteReachTheDevice) {
    Open();
    // Set: the selected row gets the metric and the route type chosen.
    Select("ospf", "rip");
    form_->Edit1->SetText("9");
    form_->TypeRadio[5]->Click(); // external
    form_->EditBtn->Click();
    ASSERT_TRUE(Idle());
    auto device = DeviceWalk(Entry);
    EXPECT_EQ(device[Cell(4, 3, 2)], "9");
    EXPECT_EQ(device[Cell(3, 3, 2)], "6");
    EXPECT_EQ(device[Cell(5, 3, 2)], "1");
    EXPECT_EQ(device[Cell(4, 4, 3)], "20");                      // other rows untouched
    EXPECT_EQ(LastLine(*form_->Memo1).rfind("Get: Ok!", 0), 0u); // read again after the write

    // Add: the row the two protocols name.
    form_->ListView1->ClearSelection();
    form_->ComboBox1->SetText("local");
    form_->ComboBox2->SetText("rip");
    form_->ComboBox2->Fire(form_->ComboBox2->OnChange);
    form_->TypeRadio[1]->Click(); // all
    form_->Edit1->SetText("5");
    form_->AddBtn->Click();
    ASSERT_TRUE(Idle());
    device = DeviceWalk(Entry);
    EXPECT_EQ(device[Cell(5, 5, 2)], "1");
    EXPECT_EQ(device[Cell(3, 5, 2)], "2");
    EXPECT_EQ(device[Cell(4, 5, 2)], "5");
    EXPECT_EQ(form_->ListView1->ItemCount(), 4);

    // Adding it again is refused by the device, and the refusal is shown.
    form_->ComboBox1->SetText("local");
    form_->ComboBox2->SetText("rip");
    form_->Edit1->SetText("5");
    form_->AddBtn->Click();
    ASSERT_TRUE(Idle());
    bool refusal = false;
    for (int i = 0; i < form_->Memo1->LineCount(); ++i) {
        const std::string line = form_->Memo1->Line(i);
        refusal = refusal || (line.rfind("Set: ", 0) == 0 && line.rfind("Set: Ok!", 0) != 0);
    }
    EXPECT_TRUE(refusal) << form_->Memo1->Text();

    // Delete removes the selected row, even when the protocol fields were changed since.
    Select("local", "rip");
    form_->ComboBox1->SetText("ospf");
    form_->DeleteBtn->Click();
    ASSERT_TRUE(Idle());
    device = DeviceWalk(Entry);
    EXPECT_EQ(device.count(Cell(5, 5, 2)), 0u);
    EXPECT_EQ(device[Cell(5, 3, 2)], "1");
    EXPECT_EQ(form_->ListView1->ItemCount(), 3);
    EXPECT_FALSE(form_->DeleteBtn->Enabled());

    // Put the first row back as the data file has it.
    DeviceSet({Cell(3, 3, 2), "i", "5", Cell(4, 3, 2), "i", "3"});
}

// "other" has no entry in the Type list; the write still carries the value 1 it stands for
// (an empty Type choice would be written as 0, which the device refuses).
TEST_F(RouteRedistributTest, OtherRouteTypeIsWrittenAsOne) {
    Open();
    Select("ospf", "rip");
    form_->TypeRadio[0]->Click();
    EXPECT_EQ(form_->ComboBox3->ItemIndex(), -1);
    form_->EditBtn->Click();
    ASSERT_TRUE(Idle());
    EXPECT_EQ(DeviceWalk(Entry)[Cell(3, 3, 2)], "1");
    EXPECT_EQ(LastLine(*form_->Memo1).rfind("Get: Ok!", 0), 0u);
    Select("ospf", "rip");
    EXPECT_EQ(CheckedType(), 1);
    // Every variable is written normally again afterwards.
    for (int i = 0; i < form_->Binding()->request.vars.Count(); ++i) {
        EXPECT_EQ(form_->Binding()->request.vars.Entry(i).access & acInvalid, 0u) << i;
    }
    DeviceSet({Cell(3, 3, 2), "i", "5"});
}

// A request that cannot even be sent is reported in the memo like a refusal of the device.
TEST_F(RouteRedistributTest, UnsendableRequestIsReported) {
    SnmpGlobal().device.address = "300.1.2.3";
    form_ = std::make_unique<TRouteRedistributForm>(nullptr);
    ASSERT_TRUE(Idle());
    ASSERT_GE(form_->Memo1->LineCount(), 1);
    EXPECT_EQ(LastLine(*form_->Memo1).rfind("Get: ", 0), 0u);
    EXPECT_NE(LastLine(*form_->Memo1).rfind("Get: Ok!", 0), 0u) << LastLine(*form_->Memo1);
    form_->ComboBox1->SetText("local");
    form_->ComboBox2->SetText("rip");
    form_->Edit1->SetText("4");
    form_->TypeRadio[1]->Click(); // "all"
    const int lines = form_->Memo1->LineCount();
    form_->AddBtn->Click();
    ASSERT_TRUE(Idle());
    ASSERT_EQ(form_->Memo1->LineCount(), lines + 1);
    EXPECT_EQ(LastLine(*form_->Memo1).rfind("Set: ", 0), 0u);
    EXPECT_NE(LastLine(*form_->Memo1).rfind("Set: Ok!", 0), 0u) << LastLine(*form_->Memo1);
}

TEST_F(RouteRedistributTest, CloseStopsAndReleasesTheBinding) {
    Open();
    form_->RefreshBtn->Click();
    form_->CloseBtn->Click();
    ASSERT_NE(form_->Binding(), nullptr); // it goes with the window
    EXPECT_TRUE(form_->Binding()->Closing());
    EXPECT_FALSE(form_->isVisible());
    // The buttons do nothing once the binding is gone.
    form_->RefreshBtn->Click();
    form_->DeleteBtn->Click();
}

} // namespace
