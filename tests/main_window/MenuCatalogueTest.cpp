#include "AgentTarget.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "forms/config/TfrmConfigSNMP.h"
#include "forms/monitor/stp/TIP_Routing.h"
#include "forms/monitor/stp/TSTP_Info.h"
#include "forms/other/TAboutForm.h"
#include "main_window/HandMadeForms.h"
#include "main_window/MainMenuTable.h"
#include "main_window/TFrontPanel.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageOpener.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TEditsPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TSNMPEditorPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TCheckBox.h"
#include "ui/toolkit/TComboBox.h"
#include "ui/toolkit/TEdit.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMenu.h"
#include "ui/toolkit/TPageControl.h"
#include "ui/toolkit/TRadioGroup.h"
#include "ui/toolkit/TStatusBar.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

int Leaves(const TMenuItem& item) {
    if (item.Count() == 0) {
        return 1;
    }
    int n = 0;
    for (int i = 0; i < item.Count(); ++i) {
        n += Leaves(*item.Item(i));
    }
    return n;
}

class MenuCatalogueTest : public UiTest {
protected:
    static void SetUpTestSuite() {
        EnsureTestSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override {
        UiTest::SetUp();
        SnmpGlobal().ResetParameters();
        QxMessages::Reset();
        Application().ResetTerminated();
        main_ = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1"},
                                            dir_.path().toStdString() + "/", nullptr, false);
        V2c();
    }
    void TearDown() override {
        main_.reset();
        Application().ResetTerminated();
        QxMessages::Reset();
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }
    static void V2c(std::uint8_t version = 1) {
        QxSNMPGlobal& g = SnmpGlobal();
        g.device.address = "127.0.0.1";
        g.device.port = static_cast<std::uint16_t>(sim_->Port());
        g.security.version = version;
        g.security.readCommunity = "public";
        g.security.writeCommunity = "private";
    }
    TMenuItem& Item(const std::string& path) {
        const PageDefinition* entry = TMenuCatalogue::Find(path);
        EXPECT_NE(entry, nullptr) << path;
        TMenuItem* item = main_->MenuItem(TMenuCatalogue::ItemName(*entry));
        EXPECT_NE(item, nullptr) << path;
        return *item;
    }
    // Chooses the entry; once its page form runs and has read its shown page, `inside` works
    // it. The form is closed afterwards.
    void WithPage(const std::string& path, const std::function<void(TConfigForm&)>& inside) {
        bool ran = false;
        PostCall(main_.get(), [&] {
            auto* page = dynamic_cast<TConfigForm*>(QApplication::activeModalWidget());
            if (page == nullptr) {
                ADD_FAILURE() << "no page form for " << path;
                return;
            }
            ran = true;
            EXPECT_TRUE(WaitUntil([&] {
                return page->CurrentBinding() != nullptr && !page->CurrentBinding()->busy;
            }, 10000));
            inside(*page);
            if (page->isVisible()) {
                page->Close();
            }
        });
        Item(path).Click();
        EXPECT_TRUE(ran) << path;
    }
    template <typename Panel> static Panel* PanelOf(TConfigForm& form, int page = 0) {
        for (QWidget* w : form.findChildren<QWidget*>()) {
            if (auto* p = dynamic_cast<Panel*>(w); p != nullptr && p->Binding() == form.Binding(page)) {
                return p;
            }
        }
        return nullptr;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> main_;
    static TestAgent* sim_;
};

TestAgent* MenuCatalogueTest::sim_ = nullptr;

TEST_F(MenuCatalogueTest, TheMenuBarHoldsTheWholeTree) {
    TMainMenu& menu = *main_->MainMenu();
    const std::vector<std::string> tops = {
        "Basic Configuration", "Single IP Configuration", "Bridge", "VLAN", "RMON", "SNMP V3",
        "Security ", "Layer2 Management", "Layer 3 Management", "Help"};
    ASSERT_EQ(menu.Count(), static_cast<int>(tops.size()));
    int leaves = 0;
    for (int i = 0; i < menu.Count(); ++i) {
        EXPECT_EQ(menu.Item(i)->Caption(), tops[static_cast<std::size_t>(i)]);
        leaves += Leaves(*menu.Item(i));
    }
    EXPECT_EQ(leaves, 258);
    // The entries other parts of the window address by name are there.
    for (const MainMenuRow* row = MainMenuRows; row->name != nullptr; ++row) {
        EXPECT_NE(main_->MenuItem(row->name), nullptr) << row->name;
    }
    // Leaves are named after their handlers, one name each.
    std::set<std::string> names;
    for (const PageDefinition& entry : Catalogue) {
        EXPECT_TRUE(names.insert(TMenuCatalogue::ItemName(entry)).second)
            << TMenuCatalogue::FullPath(entry);
    }
    EXPECT_NE(main_->MenuItem("FileTable1"), nullptr);
    EXPECT_EQ(main_->MenuItem("FileTable1")->Caption(), "File Table");
    // Every entry with an action has it in this build: only the two without one do nothing.
    // (Whether an entry is enabled also follows the SNMP version and the RMON state.)
    int withoutAction = 0;
    for (const PageDefinition& entry : Catalogue) {
        TMenuItem* item = main_->MenuItem(TMenuCatalogue::ItemName(entry));
        ASSERT_NE(item, nullptr) << TMenuCatalogue::FullPath(entry);
        if (entry.kind == EntryKind::None) {
            ++withoutAction;
            EXPECT_FALSE(static_cast<bool>(item->OnClick)) << TMenuCatalogue::FullPath(entry);
        } else {
            EXPECT_TRUE(TMainForm::HasAction(entry)) << TMenuCatalogue::FullPath(entry);
        }
    }
    EXPECT_EQ(withoutAction, 2);
}

TEST_F(MenuCatalogueTest, PathsAreFoundWithoutTheirSurroundingBlanks) {
    struct Case {
        const char* path;
        const char* handler; // none: not found
    } cases[] = {
        {"Basic Configuration / Basic / File Table", "FileTable1Click"},
        {"Security / SSL / SSL Control", "SSLControl1Click"},
        {" Security  /  SSL / SSL Control ", "SSLControl1Click"},
        {"RMON / Alarm/Event", "AlarmEvent1Click"},
        {"Basic Configuration / Basic", nullptr},
        {"Basic Configuration / File Table", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const PageDefinition* entry = TMenuCatalogue::Find(c.path);
        if (c.handler == nullptr) {
            EXPECT_EQ(entry, nullptr) << c.path;
        } else {
            ASSERT_NE(entry, nullptr) << c.path;
            EXPECT_STREQ(entry->handler, c.handler);
        }
    }
}

TEST_F(MenuCatalogueTest, SystemTimeOpensWithItsCaptionAndValues) {
    WithPage("Basic Configuration / Time Management / System Time", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "System Time: 127.0.0.1");
        EXPECT_EQ(form.PageType(), cftEditor);
        TSNMPEditorPanel* page = PanelOf<TSNMPEditorPanel>(form);
        ASSERT_NE(page, nullptr);
        EXPECT_NE(page->EditsPanel()->Row(0).edit->Text(), "");
        EXPECT_EQ(page->EditsPanel()->Row(3).format, "%i{n-779x839}");
    });
}

TEST_F(MenuCatalogueTest, TrustHostTableAddsAndDeletesButHasNoEdit) {
    WithPage("Basic Configuration / Basic / Trust Host Management / Trust Host Table",
             [&](TConfigForm& form) {
                 EXPECT_EQ(form.Caption(), "Trust Host Table : 127.0.0.1");
                 auto* page = PanelOf<TSNMPListViewPanel>(form);
                 ASSERT_NE(page, nullptr);
                 TCtrlBtnPanel& buttons = *page->ButtonPanel();
                 EXPECT_TRUE(buttons.addButton->Visible());
                 EXPECT_TRUE(buttons.deleteButton->Visible());
                 EXPECT_FALSE(buttons.editButton->Visible());
                 TListView& list = *page->ListViewPanel()->ListView();
                 ASSERT_GE(list.ItemCount(), 1);
                 list.SetSelected(list.Item(0));
                 page->UpdateRowButtons();
                 EXPECT_FALSE(buttons.editButton->Visible());
                 EXPECT_FALSE(static_cast<bool>(list.OnDblClick)); // a double click does nothing
             });
}

// The add dialog of the community table locks the name and security name checked, starts
// empty with "nonVolatile"; afterwards the two boxes can be unchecked again.
TEST_F(MenuCatalogueTest, CommunityAddDialogLocksTheNames) {
    WithPage("SNMP V3 / Community / Community String Table", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "Community Table : 127.0.0.1");
        auto* page = PanelOf<TSNMPListViewPanel>(form);
        ASSERT_NE(page, nullptr);
        TEditsPanel& rows = *page->EditsPanel();
        bool inDialog = false;
        PostCall(page, [&] {
            inDialog = true;
            EXPECT_TRUE(rows.Row(1).checkBox->Checked());
            EXPECT_FALSE(rows.Row(1).checkBox->Enabled());
            EXPECT_TRUE(rows.Row(2).checkBox->Checked());
            EXPECT_FALSE(rows.Row(2).checkBox->Enabled());
            EXPECT_EQ(rows.Row(1).edit->Text(), "");
            EXPECT_EQ(rows.Row(2).edit->Text(), "");
            EXPECT_EQ(rows.Row(6).comboBox->Text(), "nonVolatile");
            if (auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget())) {
                dialog->Close();
            }
        });
        page->ButtonPanel()->addButton->Click();
        EXPECT_TRUE(inDialog);
        EXPECT_TRUE(rows.Row(1).checkBox->Enabled());
        EXPECT_TRUE(rows.Row(2).checkBox->Enabled());
    });
}

// SNMPv3 with authentication and privacy: the spin lock tab is read first, the user table
// when its tab is shown.
TEST_F(MenuCatalogueTest, UsmUserTableOverSnmpV3) {
    QxSNMPSecurity& s = SnmpGlobal().security;
    s.version = 3;
    s.securityModel = 3;
    s.securityLevel = 3;
    s.securityName = "MD5_DES_User";
    s.authProtocol = QxSNMPSecurity::AuthMd5;
    s.authPassword = "md5despass1";
    s.privProtocol = QxSNMPSecurity::PrivDes;
    s.privPassword = "md5despriv1";
    WithPage("SNMP V3 / User-based Security Model / User Table", [&](TConfigForm& form) {
        EXPECT_EQ(form.Caption(), "USM User Table : 127.0.0.1");
        ASSERT_EQ(form.PageType(), cftMultiPage);
        TPageControl& tabs = *form.PageControl();
        ASSERT_EQ(tabs.PageCount(), 2);
        EXPECT_EQ(tabs.Page(0)->Caption(), "User Spin Lock");
        EXPECT_EQ(tabs.Page(1)->Caption(), "USM User Table");
        auto* lock = PanelOf<TSNMPEditorPanel>(form, 0);
        auto* users = PanelOf<TSNMPListViewPanel>(form, 1);
        ASSERT_NE(lock, nullptr);
        ASSERT_NE(users, nullptr);
        // The spin lock is always written back: checked, its box out of sight.
        EXPECT_TRUE(lock->EditsPanel()->Row(0).checkBox->Checked());
        EXPECT_FALSE(lock->EditsPanel()->Row(0).checkBox->Visible());
        EXPECT_NE(lock->EditsPanel()->Row(0).edit->Text(), "");
        EXPECT_EQ(users->ListViewPanel()->ListView()->ItemCount(), 0);

        tabs.SetActivePageIndex(1);
        tabs.OnChange();
        EXPECT_TRUE(WaitUntil([&] { return !form.Binding(1)->busy; }, 10000));
        EXPECT_GE(users->ListViewPanel()->ListView()->ItemCount(), 2);

        // Writing the lock back as read succeeds, and the device moves it on.
        tabs.SetActivePageIndex(0);
        tabs.OnChange();
        EXPECT_TRUE(WaitUntil([&] { return !form.Binding(0)->busy; }, 10000));
        const std::string before = lock->EditsPanel()->Row(0).edit->Text();
        lock->ButtonPanel()->setCheckedButton->Click();
        lock->RefreshAction();
        EXPECT_TRUE(WaitUntil([&] { return !form.Binding(0)->busy; }, 10000));
        EXPECT_EQ(lock->EditsPanel()->Row(0).edit->Text(), std::to_string(std::stoi(before) + 1));
    });
}

TEST_F(MenuCatalogueTest, EthernetTableHasTwoTablesAndItsHeight) {
    WithPage("Basic Configuration / ACL Management / Access Profile / Ethernet Table",
             [&](TConfigForm& form) {
                 EXPECT_EQ(form.Caption(), "Ethernet Table : 127.0.0.1");
                 ASSERT_EQ(form.PageType(), cftMultiPage);
                 EXPECT_EQ(form.Height(), 500);
                 auto* profiles = PanelOf<TSNMPListViewPanel>(form, 0);
                 ASSERT_NE(profiles, nullptr);
                 EXPECT_GE(profiles->ListViewPanel()->ListView()->ItemCount(), 2);
                 EXPECT_FALSE(profiles->ButtonPanel()->editButton->Visible());
                 auto* rules = PanelOf<TSNMPListViewPanel>(form, 1);
                 ASSERT_NE(rules, nullptr);
                 EXPECT_TRUE(rules->EditsPanel()->Row(13).octetItem.has_value());
             });
}

// In SNMPv1 a page with Counter64 counters offers SNMPv2c; OK changes the module's version.
TEST_F(MenuCatalogueTest, Counter64QuestionChangesTheVersion) {
    const char* path = "Security / 802.1X / Authentication Session Statistics";
    struct Case {
        TModalResult answer;
        std::uint8_t after;
    } cases[] = {{mrCancel, 0}, {mrOk, 1}};
    for (const Case& c : cases) {
        V2c(0);
        MessageScript::Clear();
        MessageScript::Push(c.answer);
        WithPage(path, [](TConfigForm&) {});
        ASSERT_EQ(MessageScript::Log().size(), 1u);
        EXPECT_EQ(MessageScript::Log()[0].text,
                  "This table has Counter64 ! \n Do you want to chane to SNMP V2 ?");
        EXPECT_EQ(MessageScript::Log()[0].caption, "Changes SNMP Version");
        EXPECT_EQ(SnmpGlobal().security.version, c.after);
    }
    // In SNMPv2c nothing is asked.
    MessageScript::Clear();
    WithPage(path, [](TConfigForm&) {});
    EXPECT_TRUE(MessageScript::Log().empty());
}

// "IFX Table" asks with SNMPv2c in SNMPv1 without changing the module's version.
TEST_F(MenuCatalogueTest, IfxTableReadsWithV2cAlone) {
    V2c(0);
    WithPage("Basic Configuration / IF-MIB / IFX Table", [](TConfigForm& form) {
        EXPECT_EQ(form.Binding(0)->request.security.version, 1);
    });
    EXPECT_EQ(SnmpGlobal().security.version, 0);
    WithPage("Basic Configuration / Time Management / System Time", [](TConfigForm& form) {
        EXPECT_EQ(form.Binding(0)->request.security.version, 0);
    });
}

} // namespace

namespace {

// Works the modal form that the menu entry opens, then closes it if `inside` left it open.
template <typename Form>
bool WithModal(TMenuItem& item, const std::function<void(Form&)>& inside) {
    bool ran = false;
    PostCall(&item, [&] {
        auto* form = dynamic_cast<Form*>(QApplication::activeModalWidget());
        if (form == nullptr) {
            return;
        }
        ran = true;
        inside(*form);
        if (form->isVisible()) {
            form->Close();
        }
    });
    item.Click();
    return ran;
}

TEST_F(MenuCatalogueTest, AboutOpensFromHelp) {
    EXPECT_TRUE(WithModal<TAboutForm>(Item("Help / About"), [](TAboutForm& about) {
        EXPECT_EQ(about.Caption(), "About KSW-524P Management Module");
    }));
}

// Another version chosen in the settings: the module offers to end, and ending still asks the
// exit question; No there keeps it running.
TEST_F(MenuCatalogueTest, SnmpConfigureAsksAboutTheNewVersion) {
    struct Case {
        TModalResult switchAnswer;
        std::vector<std::string> boxes;
    } cases[] = {
        {mrNo, {"SNMP Version has been modified!\r\nIf you want to run the module in new "
                "version,please rerun it again.\r\n\nSwitch to new version?"}},
        {mrYes, {"SNMP Version has been modified!\r\nIf you want to run the module in new "
                 "version,please rerun it again.\r\n\nSwitch to new version?",
                 "Are you sure to exit?"}},
    };
    for (const Case& c : cases) {
        MessageScript::Clear();
        MessageScript::Push(c.switchAnswer);
        MessageScript::Push(mrNo); // the exit question, when it comes
        EXPECT_TRUE(WithModal<TfrmConfigSNMP>(Item("SNMP V3 / SNMP Configure"),
                                              [](TfrmConfigSNMP& dialog) {
                                                  dialog.rgpSNMPVersion->Click(1);
                                                  dialog.btnOk->Click();
                                              }));
        std::vector<std::string> texts;
        for (const auto& box : MessageScript::Log()) {
            texts.push_back(box.text);
        }
        EXPECT_EQ(texts, c.boxes);
        EXPECT_FALSE(Application().Terminated());
        MessageScript::Clear();
    }
}

TEST_F(MenuCatalogueTest, SaveAnsweredNoSendsNothing) {
    MessageScript::Push(mrNo);
    Item("Basic Configuration / Save Changes").Click();
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "Save Configurations into NV-RAM ?");
    EXPECT_EQ(main_->StatusBar1()->Panel(0)->Text(), "");
}

} // namespace

namespace {

// The RMON State page's close first winds its bindings down, then refreshes the RMON state.
TEST_F(MenuCatalogueTest, RmonStatePageRefreshesTheRmonStateOnClosing) {
    const PageDefinition* entry = TMenuCatalogue::Find("RMON / RMON State");
    ASSERT_NE(entry, nullptr);
    int refreshes = 0;
    int bindingsAtRefresh = -1;
    PageHost host;
    host.addressText = "127.0.0.1";
    std::unique_ptr<TConfigForm> form;
    host.rmonStateClosed = [&] {
        ++refreshes;
        bindingsAtRefresh = form->BindingCount() == 1 && form->Binding(0)->Closing() ? 0 : -1;
    };
    form = BuildPageForm(*entry, host);
    PostCall(form.get(), [&] {
        EXPECT_TRUE(WaitUntil([&] { return !form->Binding(0)->busy; }, 10000));
        form->Close();
    });
    form->ShowModal();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(bindingsAtRefresh, 0);
}

} // namespace

namespace {

// The spanning-tree window opens on the version the device runs, read just before.
TEST_F(MenuCatalogueTest, StpControlReadsTheVersionThenOpens) {
    EXPECT_TRUE(WithModal<TSTP_Info>(Item("Bridge / Spanning Tree / STP Control"),
                                     [&](TSTP_Info&) {
                                         EXPECT_NE(main_->FrontPanel()->StpText(), "");
                                     }));
}

TEST_F(MenuCatalogueTest, IpRoutingOpensFromMibII) {
    EXPECT_TRUE(WithModal<TIP_Routing>(Item("Basic Configuration / MIB II / IP Routing"),
                                       [](TIP_Routing&) {}));
}

} // namespace

namespace {

// Every hand-made window of the menu opens from its entry against the simulator, with the
// entry's caption where the catalogue gives one, and closes again without a message.
TEST_F(MenuCatalogueTest, EveryHandMadeWindowOpensFromItsEntry) {
    int opened = 0;
    for (const PageDefinition& entry : Catalogue) {
        if (entry.kind != EntryKind::HandMade || !HasHandMadeForm(entry.target)) {
            continue;
        }
        const std::string path = TMenuCatalogue::FullPath(entry);
        TMenuItem& item = Item(path);
        EXPECT_TRUE(item.Enabled()) << path;
        const bool shown = WithModal<TForm>(item, [&](TForm& form) {
            if (entry.captionPrefix != nullptr) {
                EXPECT_EQ(form.Caption(), std::string(entry.captionPrefix) + "127.0.0.1") << path;
            }
        });
        EXPECT_TRUE(shown) << path;
        EXPECT_TRUE(MessageScript::Log().empty()) << path << ": " << MessageScript::Log()[0].text;
        MessageScript::Clear();
        ++opened;
    }
    EXPECT_GE(opened, 5);
}

} // namespace
