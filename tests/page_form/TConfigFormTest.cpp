#include "AgentTarget.h"
#include "PanelDialog.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TMsgPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMemo.h"
#include "ui/toolkit/TPageControl.h"
#include "vocab/QxOptionTables.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

// The descriptor tables of the menu catalogue's pages.
extern const UISnmpVar DT_CommunityTableClick_0[];
extern const UISnmpVar DT_TrustHostTable1Click_0[];
extern const UISnmpVar DT_SystemTime1Click_0[];

namespace {

// ---- the pages ------------------------------------------------------------------------------

const UISnmpVar* const CommunityTable = DT_CommunityTableClick_0;
const UISnmpVar* const TrustHostTable = DT_TrustHostTable1Click_0;
const UISnmpVar* const SystemTime = DT_SystemTime1Click_0;

// The generated table of the simulator's --rows option.
constexpr UISnmpVar BenchTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Count", sxCounter, acReadonly},
    {},
};

// Forty scalars: more rows than fit in 550 pixels.
UISnmpVar ManyRows[41];
const UISnmpVar* ManyScalars() {
    static std::string labels[40];
    for (int i = 0; i < 40; ++i) {
        labels[i] = "Variable " + std::to_string(i);
        ManyRows[i] = {"1.3.6.1.4.1.32473.12.10.10.4", labels[i].c_str(), sxInteger, acReadwrite};
    }
    return ManyRows;
}

constexpr const char* TrustHostEntry = "1.3.6.1.4.1.32473.12.1.2.13.1.1";

// ---- fixtures -------------------------------------------------------------------------------

class ConfigFormTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        form_ = std::make_unique<TConfigForm>(nullptr);
    }
    void TearDown() override {
        form_.reset();
        UiTest::TearDown();
    }
    virtual void Connect(QxSNMPRequest&) {}

public:
    std::unique_ptr<QxSNMPRequest2Edits> Page(const UISnmpVar* table, std::uint8_t kind,
                                              int indexCount, const char* name) {
        auto binding = std::make_unique<QxSNMPRequest2Edits>(form_.get());
        binding->request.vars.Assign(QxSNMPVarList(table, kind, indexCount));
        binding->request.vars.name = name;
        Connect(binding->request);
        return binding;
    }

protected:
    // Shows the form modally; once it runs and its first read has ended, `inside` works it as
    // a user would. The form is closed afterwards if `inside` left it open.
    void Run(const std::function<void()>& inside) {
        bool ran = false;
        PostCall(form_.get(), [&] {
            ran = true;
            EXPECT_TRUE(Idle());
            inside();
            if (form_->isVisible()) {
                form_->Close();
            }
        });
        form_->ShowModal();
        EXPECT_TRUE(ran);
    }
    bool Idle() {
        return WaitUntil(
            [&] {
                for (int i = 0; i < form_->BindingCount(); ++i) {
                    if (form_->Binding(i)->busy) {
                        return false;
                    }
                }
                return true;
            },
            10000);
    }

    std::unique_ptr<TConfigForm> form_;
};

class DeviceFormTest : public ConfigFormTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator, {"--rows", "40"});
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void Connect(QxSNMPRequest& r) override { ConnectToAgent(r, *sim_); }

    static std::map<std::string, std::string> DeviceValues(const std::string& oid) {
        const ProgramResult r = SnmpTool(*sim_, {"-v2c", "-c", "public"}).Walk(oid);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        // Keyed by the OID without net-snmp's leading dot.
        std::map<std::string, std::string> values;
        for (auto& [name, value] : SnmpTool::Values(r.out)) {
            values[name.substr(1)] = value;
        }
        return values;
    }
    static bool MemoHas(TSNMPPanel& panel, const std::string& start) {
        TMemo& memo = *panel.MsgPanel()->memo;
        for (int i = 0; i < memo.LineCount(); ++i) {
            if (memo.Line(i).rfind(start, 0) == 0) {
                return true;
            }
        }
        return false;
    }
    void WithDialog(TSNMPPanel& page, TButton& button,
                    const std::function<void(TForm&, TCtrlBtnPanel&)>& inside) {
        EXPECT_TRUE(WithPanelDialog(&page, button, inside));
        EXPECT_TRUE(Idle());
    }
    static TListItem* ItemWithCaption(TListView& list, const std::string& caption) {
        for (int i = 0; i < list.ItemCount(); ++i) {
            if (list.Item(i)->Caption() == caption) {
                return list.Item(i);
            }
        }
        return nullptr;
    }

    static TestAgent* sim_;
};

TestAgent* DeviceFormTest::sim_ = nullptr;

// ---- shape ----------------------------------------------------------------------------------

TEST_F(ConfigFormTest, TheFirstPageCallFixesTheShape) {
    struct Case {
        const char* name;
        std::function<void(ConfigFormTest&, TConfigForm&)> build;
        std::function<void(ConfigFormTest&, TConfigForm&)> refused;
        const char* error;
        ConfigFormType kept;
    };
    auto scalar = [](ConfigFormTest& t, TConfigForm& f) {
        f.SetEditorPage(t.Page(SystemTime, SVT_SV, 0, "System Time"));
    };
    auto table = [](ConfigFormTest& t, TConfigForm& f) {
        f.SetListViewPage(t.Page(TrustHostTable, MVT_UMV, 1, "Trust Host Table"), -1, {}, -1, {});
    };
    auto tabs = [](ConfigFormTest&, TConfigForm& f) { f.SetMultiPage(); };
    auto none = [](ConfigFormTest&, TConfigForm&) {};
    auto addEditor = [](ConfigFormTest& t, TConfigForm& f) {
        f.AddEditorPage("Time", t.Page(SystemTime, SVT_SV, 0, "System Time"));
    };
    auto addList = [](ConfigFormTest& t, TConfigForm& f) {
        f.AddListViewPage("Hosts", t.Page(TrustHostTable, MVT_UMV, 1, "Hosts"), 2, "createAndGo",
                          2, "destroy");
    };
    const char* change = "Can not change Type of a Config Form!";
    const Case cases[] = {
        {"scalar after table", table, scalar, change, cftListView},
        {"table after scalar", scalar, table, change, cftEditor},
        {"tabs after scalar", scalar, tabs, change, cftEditor},
        {"scalar after tabs", tabs, scalar, change, cftMultiPage},
        {"editor tab on a new form", none, addEditor,
         "Can not add editor page to a none-page pannel!", cftNone},
        {"editor tab on a table page", table, addEditor,
         "Can not add editor page to a none-page pannel!", cftListView},
        {"table tab on a scalar page", scalar, addList,
         "Can not add listview page to a none-page pannel!", cftEditor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form_ = std::make_unique<TConfigForm>(nullptr);
        c.build(*this, *form_);
        const int bindings = form_->BindingCount();
        try {
            c.refused(*this, *form_);
            ADD_FAILURE() << "no error";
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(form_->PageType(), c.kept);
        EXPECT_EQ(form_->BindingCount(), bindings);
    }
}

TEST_F(ConfigFormTest, SmallScalarPageFitsItsFormAndLargeOnesAreCapped) {
    form_->SetCaption("System Time: 127.0.0.1");
    TSNMPEditorPanel* small = form_->SetEditorPage(Page(SystemTime, SVT_SV, 0, "System Time"));
    EXPECT_EQ(form_->Caption(), "System Time: 127.0.0.1");
    EXPECT_EQ(form_->Position(), poMainFormCenter);
    EXPECT_GE(form_->ClientWidth(), small->Width());
    EXPECT_GE(form_->ClientHeight(), small->Height());
    EXPECT_LE(form_->ClientWidth(), TSNMPPanel::MaxClientWidth);
    EXPECT_LE(form_->ClientHeight(), TSNMPPanel::MaxClientHeight);
    EXPECT_GT(form_->ClientWidth(), 159); // grown from the designed size

    form_ = std::make_unique<TConfigForm>(nullptr);
    form_->SetEditorPage(Page(ManyScalars(), SVT_SV, 0, "Many"));
    EXPECT_EQ(form_->ClientHeight(), TSNMPPanel::MaxClientHeight);
    EXPECT_LE(form_->ClientWidth(), TSNMPPanel::MaxClientWidth);
}

TEST_F(ConfigFormTest, TabbedFormIsAsLargeAsItsLargestPage) {
    form_->SetMultiPage();
    TSNMPEditorPanel* scalar = form_->AddEditorPage("Time", Page(SystemTime, SVT_SV, 0, "Time"));
    TSNMPListViewPanel* table = form_->AddListViewPage(
        "Hosts", Page(TrustHostTable, MVT_UMV, 1, "Hosts"), 2, "createAndGo", 2, "destroy");
    TPageControl* tabs = form_->PageControl();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->PageCount(), 2);
    EXPECT_EQ(tabs->Page(0)->Caption(), "Time");
    EXPECT_EQ(tabs->Page(1)->Caption(), "Hosts");
    EXPECT_EQ(tabs->Page(0)->Tag(), 0);
    EXPECT_EQ(tabs->Page(1)->Tag(), 1);
    EXPECT_TRUE(tabs->MultiLine());
    EXPECT_EQ(tabs->Align(), alClient);
    // The table's list is 350 high and its button column taller still: the form holds it
    // below the tabs, whichever page is shown.
    EXPECT_GE(form_->ClientHeight(), TListViewPanel::ListHeight + tabs->TabBarHeight());
    EXPECT_GE(form_->ClientWidth(), scalar->Width());
    EXPECT_EQ(table->ListViewPanel()->DeleteStatusColumn(), 2);
    EXPECT_TRUE(table->ButtonPanel()->addButton->Visible());
    EXPECT_TRUE(table->ButtonPanel()->deleteButton->Visible());
}

// A status text that is not among the row's options ends the page building with the panel's
// error; the form keeps the binding it was given, to free it when it closes.
TEST_F(ConfigFormTest, WrongStatusTextEndsThePageBuilding) {
    try {
        form_->SetListViewPage(Page(TrustHostTable, MVT_UMV, 1, "Hosts"), 2, "createAndWait", 2,
                               "destroy");
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
    }
    EXPECT_EQ(form_->BindingCount(), 1);
}

// ---- against the device ---------------------------------------------------------------------

TEST_F(DeviceFormTest, ScalarPageIsReadOnceShownAndWritesTheCheckedRow) {
    TSNMPEditorPanel* page = form_->SetEditorPage(Page(SystemTime, SVT_SV, 0, "System Time"));
    page->SetVarFormat(3, "%i{n-779x839}");
    // Nothing is read before the form runs.
    EXPECT_EQ(page->EditsPanel()->Row(0).edit->Text(), "");
    Run([&] {
        TEditsPanel& rows = *page->EditsPanel();
        EXPECT_EQ(form_->CurrentBinding(), form_->Binding(0));
        EXPECT_NE(rows.Row(0).edit->Text(), "");
        EXPECT_NE(rows.Row(3).edit->Text(), "");
        EXPECT_TRUE(MemoHas(*page, "Get: Ok!"));

        rows.Row(3).edit->SetText("-300"); // typing checks the row
        EXPECT_TRUE(rows.Row(3).checkBox->Checked());
        ASSERT_TRUE(page->ButtonPanel()->setCheckedButton->Enabled());
        page->ButtonPanel()->setCheckedButton->Click();
        EXPECT_TRUE(Idle());
        EXPECT_TRUE(MemoHas(*page, "Set: Ok!"));
    });
    EXPECT_EQ(DeviceValues("1.3.6.1.4.1.32473.12.10.10.4")["1.3.6.1.4.1.32473.12.10.10.4.0"],
              "-300");
    // Closing stopped the bindings; they go with the form.
    ASSERT_EQ(form_->BindingCount(), 1);
    EXPECT_TRUE(form_->Binding(0)->Closing());
}

// The device refuses a value the page lets through: its error is in the result area, not "Ok!".
TEST_F(DeviceFormTest, RefusedWriteShowsTheDevicesError) {
    constexpr UISnmpVar Unchecked[] = {
        {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
        {},
    };
    TSNMPEditorPanel* page = form_->SetEditorPage(Page(Unchecked, SVT_SV, 0, "Zone"));
    Run([&] {
        TEditsPanel& rows = *page->EditsPanel();
        rows.Row(0).edit->SetText("5000");
        page->ButtonPanel()->setCheckedButton->Click();
        EXPECT_TRUE(Idle());
        EXPECT_FALSE(MemoHas(*page, "Set: Ok!"));
        EXPECT_TRUE(MemoHas(*page, "Set: "));
    });
}

TEST_F(DeviceFormTest, TrustHostPageAddsAndDeletesThroughTheForm) {
    form_->SetCaption("Trust Host Table : 127.0.0.1");
    TSNMPListViewPanel* page = form_->SetListViewPage(
        Page(TrustHostTable, MVT_UMV, 1, "Trust Host Table"), 2, "createAndGo", 2, "destroy");
    TListView& list = *page->ListViewPanel()->ListView();
    Run([&] {
        ASSERT_GE(list.ItemCount(), 2);
        TEditsPanel& rows = *page->EditsPanel();
        WithDialog(*page, *page->ButtonPanel()->addButton, [&](TForm&, TCtrlBtnPanel& column) {
            rows.Row(0).edit->SetText("9");
            rows.Row(1).edit->SetText("10.9.9.9");
            rows.Row(3).edit->SetText("255.255.0.0");
            rows.CheckRow(1);
            rows.CheckRow(3);
            column.setCheckedButton->Click();
        });
        EXPECT_EQ(DeviceValues(TrustHostEntry)[std::string(TrustHostEntry) + ".2.9"], "10.9.9.9");
        TListItem* added = ItemWithCaption(list, "9");
        ASSERT_NE(added, nullptr);
        list.SetSelected(added);
        page->UpdateRowButtons();
        MessageScript::Push(mrYes);
        page->ButtonPanel()->deleteButton->Click();
        EXPECT_TRUE(Idle());
        EXPECT_EQ(DeviceValues(TrustHostEntry).count(std::string(TrustHostEntry) + ".3.9"), 0u);
        EXPECT_EQ(ItemWithCaption(list, "9"), nullptr);
    });
}

// The community index is a text index written without a length prefix.
TEST_F(DeviceFormTest, CommunityPageCreatesEditsAndDestroysARow) {
    TSNMPListViewPanel* page = form_->SetListViewPage(
        Page(CommunityTable, MVT_UMV, 1, "Community Table"), 7, "createAndGo", 7, "destroy");
    TListView& list = *page->ListViewPanel()->ListView();
    const std::string entry = "1.3.6.1.6.3.18.1.1.1";
    Run([&] {
        ASSERT_GE(list.ItemCount(), 1);
        TEditsPanel& rows = *page->EditsPanel();
        WithDialog(*page, *page->ButtonPanel()->addButton, [&](TForm&, TCtrlBtnPanel& column) {
            rows.Row(0).edit->SetText("ops");
            rows.Row(1).edit->SetText("opsread");
            rows.Row(2).edit->SetText("opsuser");
            rows.Row(6).comboBox->SetText("nonVolatile");
            rows.CheckRow(1);
            rows.CheckRow(2);
            rows.CheckRow(6);
            column.setCheckedButton->Click();
        });
        ASSERT_NE(ItemWithCaption(list, "ops"), nullptr);
        // "ops" is 111.112.115 without a length in front.
        EXPECT_EQ(DeviceValues(entry)[entry + ".2.111.112.115"], "\"opsread\"");

        list.SetSelected(ItemWithCaption(list, "ops"));
        page->UpdateRowButtons();
        WithDialog(*page, *page->ButtonPanel()->editButton, [&](TForm&, TCtrlBtnPanel& column) {
            EXPECT_EQ(rows.Row(2).edit->Text(), "opsuser");
            rows.Row(2).edit->SetText("opsadmin");
            if (!rows.Row(2).checkBox->Checked()) {
                rows.Row(2).checkBox->Click();
            }
            column.setCheckedButton->Click();
        });
        EXPECT_EQ(DeviceValues(entry)[entry + ".3.111.112.115"], "\"opsadmin\"");

        list.SetSelected(ItemWithCaption(list, "ops"));
        page->UpdateRowButtons();
        MessageScript::Push(mrYes);
        page->ButtonPanel()->deleteButton->Click();
        EXPECT_TRUE(Idle());
        EXPECT_EQ(ItemWithCaption(list, "ops"), nullptr);
    });
    EXPECT_EQ(DeviceValues(entry).count(entry + ".8.111.112.115"), 0u);
}

// Tabs are read when they are shown, and only then.
TEST_F(DeviceFormTest, TabsAreReadWhenShown) {
    std::map<int, int> reads;
    form_->SetMultiPage();
    auto scalar = Page(SystemTime, SVT_SV, 0, "System Time");
    auto table = Page(BenchTable, MVT_FMV, 1, "Rows");
    scalar->onGetComplete = [&](QxSNMPRequest2Controls&, const QxSNMPError&) { ++reads[0]; };
    table->onGetComplete = [&](QxSNMPRequest2Controls&, const QxSNMPError&) { ++reads[1]; };
    form_->AddEditorPage("System Time", std::move(scalar));
    TSNMPListViewPanel* rows = form_->AddListViewPage("Rows", std::move(table), -1, {}, -1, {});
    TPageControl& tabs = *form_->PageControl();
    Run([&] {
        EXPECT_EQ(reads[0], 1);
        EXPECT_EQ(reads[1], 0);
        EXPECT_EQ(rows->ListViewPanel()->ListView()->ItemCount(), 0);

        tabs.SetActivePageIndex(1);
        tabs.OnChange();
        EXPECT_TRUE(Idle());
        EXPECT_EQ(reads[1], 1);
        EXPECT_EQ(form_->CurrentBinding(), form_->Binding(1));
        EXPECT_TRUE(form_->Binding(1)->request.active);
        EXPECT_FALSE(form_->Binding(0)->request.active);
        EXPECT_EQ(rows->ListViewPanel()->ListView()->ItemCount(), 40);

        tabs.SetActivePageIndex(0);
        tabs.OnChange();
        EXPECT_TRUE(Idle());
        EXPECT_EQ(reads[0], 2);
        EXPECT_EQ(reads[1], 1);
    });
}

// Leaving a tab while its walk runs and coming back before the walk's answer arrives lets
// the walk go on: the table is shown once, complete.
TEST_F(DeviceFormTest, ComingBackToATabDuringItsWalkKeepsOneWalk) {
    form_->SetMultiPage();
    form_->AddEditorPage("System Time", Page(SystemTime, SVT_SV, 0, "System Time"));
    TSNMPListViewPanel* rows =
        form_->AddListViewPage("Rows", Page(BenchTable, MVT_FMV, 1, "Rows"), -1, {}, -1, {});
    TPageControl& tabs = *form_->PageControl();
    Run([&] {
        tabs.SetActivePageIndex(1);
        tabs.OnChange();
        ASSERT_TRUE(form_->Binding(1)->busy);
        tabs.SetActivePageIndex(0);
        tabs.OnChange();
        tabs.SetActivePageIndex(1);
        tabs.OnChange();
        EXPECT_TRUE(Idle());
        EXPECT_EQ(rows->ListViewPanel()->ListView()->ItemCount(), 40);
    });
}

// Closing while a walk runs ends the form at once: the walk stops after the answer in hand,
// no row is added any more, and the bindings go with the form, within the exchange's bound.
TEST_F(DeviceFormTest, ClosingDuringAWalkStopsItAndTheBindingsGoWithTheForm) {
    form_->SetListViewPage(Page(BenchTable, MVT_FMV, 1, "Rows"), -1, {}, -1, {});
    QxSNMPRequest2Edits* binding = form_->Binding(0);
    TListView* list = binding->ListView();
    bool busyAtClose = false;
    PostCall(form_.get(), [&] {
        busyAtClose = binding->busy;
        form_->Close();
    });
    form_->ShowModal();
    EXPECT_TRUE(busyAtClose);
    ASSERT_EQ(form_->BindingCount(), 1);
    EXPECT_TRUE(binding->Closing());
    const int rows = list->ItemCount();
    WaitUntil([] { return false; }, 200);
    EXPECT_EQ(list->ItemCount(), rows) << "no row is added after the close";
    const auto start = std::chrono::steady_clock::now();
    form_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

// A device that does not answer: closing ends within the request's retries and time-outs.
TEST_F(ConfigFormTest, ClosingWhileTheDeviceIsSilentEndsWithinTheTimeOuts) {
    auto binding = Page(BenchTable, MVT_FMV, 1, "Rows");
    binding->request.device.address = "127.0.0.1";
    binding->request.device.port = static_cast<std::uint16_t>(FreeUdpPort());
    binding->request.security.version = 1;
    binding->request.timeout = 30; // 0.3 s
    binding->request.retries = 1;
    form_->SetListViewPage(std::move(binding), -1, {}, -1, {});
    QxSNMPRequest2Edits* page = form_->Binding(0);
    bool busyAtClose = false;
    std::chrono::steady_clock::duration closing{};
    PostCall(form_.get(), [&] {
        busyAtClose = page->busy;
        const auto start = std::chrono::steady_clock::now();
        form_->Close();
        closing = std::chrono::steady_clock::now() - start;
    });
    form_->ShowModal();
    EXPECT_TRUE(busyAtClose);
    // The close itself waits for nothing; freeing the form waits for the exchange in flight.
    EXPECT_LT(closing, std::chrono::milliseconds(100));
    const auto start = std::chrono::steady_clock::now();
    form_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600 + 2000));
}

} // namespace
