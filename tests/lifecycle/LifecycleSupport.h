#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageDefinition.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/page_form/TConfigForm.h"
#include "ui/panels/TCtrlBtnPanel.h"
#include "ui/panels/TListViewPanel.h"
#include "ui/panels/TSNMPListViewPanel.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TButton.h"
#include "ui/toolkit/TListView.h"
#include "ui/toolkit/TMenu.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The trust host table: index, address, row status, mask.
constexpr const char* TrustHostEntry = "1.3.6.1.4.1.32473.12.1.2.13.1.1";
constexpr const char* TrustHostPath = "Basic Configuration / Basic / Trust Host Management / "
                                      "Trust Host Table";

// A copy of the simulator's own data with `rows` more trust hosts (indexes 1001 upwards), so
// that a walk of that table lasts long enough against a slow device to be interrupted.
inline std::string DataWithTrustHosts(const QTemporaryDir& dir, int rows) {
    std::ifstream in(KSW_SIM_DATA);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (int i = 0; i < rows; ++i) {
        const int index = 1001 + i;
        const std::string cell = std::string(TrustHostEntry) + ".";
        data += cell + "2." + std::to_string(index) + "|64|10." + std::to_string(index / 256) +
                "." + std::to_string(index % 256) + ".1\n";
        data += cell + "3." + std::to_string(index) + "|2|1\n";
        data += cell + "4." + std::to_string(index) + "|64|255.255.255.255\n";
    }
    const std::string path = dir.path().toStdString() + "/ksw524p.snmprec";
    std::ofstream(path) << data;
    return path;
}

// A page, a panel or a button found in the window that is modal now.
template <typename T> T* FindIn(QWidget* window) {
    if (window == nullptr) {
        return nullptr;
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* found = dynamic_cast<T*>(w)) {
            return found;
        }
    }
    return nullptr;
}

inline TSNMPListViewPanel* ListPanelOf(TConfigForm& form) {
    return FindIn<TSNMPListViewPanel>(&form);
}

inline TListView* ListOf(TConfigForm& form) {
    TSNMPListViewPanel* panel = ListPanelOf(form);
    return panel != nullptr ? panel->ListViewPanel()->ListView() : nullptr;
}

// The main window without its front panel, pointed at a test agent, and the pages its menu
// opens. Every page is opened through its menu entry, as a user opens it.
class MainWindowFixture {
public:
    MainWindowFixture(const TestAgent& agent, const QTemporaryDir& dir) {
        SnmpGlobal().ResetParameters();
        QxMessages::Reset();
        Application().ResetTerminated();
        main_ = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1"},
                                            dir.path().toStdString() + "/", nullptr, false);
        QxSNMPGlobal& g = SnmpGlobal();
        g.device.address = "127.0.0.1";
        g.device.port = static_cast<std::uint16_t>(agent.Port());
        g.security.version = 1;
        g.security.readCommunity = "public";
        g.security.writeCommunity = "private";
    }
    ~MainWindowFixture() {
        main_.reset();
        Application().ResetTerminated();
        QxMessages::Reset();
        SnmpGlobal().ResetParameters();
    }

    TMainForm& Main() { return *main_; }

    TMenuItem& Item(const std::string& path) {
        const PageDefinition* entry = TMenuCatalogue::Find(path);
        EXPECT_NE(entry, nullptr) << path;
        TMenuItem* item = main_->MenuItem(TMenuCatalogue::ItemName(*entry));
        EXPECT_NE(item, nullptr) << path;
        return *item;
    }

    // Chooses the entry; once its page form runs, `inside` works it (the first read may still
    // be running). The form is closed afterwards if `inside` left it open. True when the form
    // was freed once its entry's action returned.
    bool WithPage(const std::string& path, const std::function<void(TConfigForm&)>& inside) {
        QPointer<TConfigForm> page;
        PostCall(main_.get(), [&] {
            page = dynamic_cast<TConfigForm*>(QApplication::activeModalWidget());
            if (page == nullptr) {
                ADD_FAILURE() << "no page form for " << path;
                return;
            }
            inside(*page);
            if (page != nullptr && page->isVisible()) {
                page->Close();
            }
        });
        Item(path).Click();
        return page == nullptr;
    }

private:
    std::unique_ptr<TMainForm> main_;
};
