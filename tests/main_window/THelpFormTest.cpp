// The help window: the guide's contents, a topic for every menu and menu entry, links, search.
#include "UiTestSupport.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/THelpForm.h"
#include "main_window/catalogue/PageDefinition.h"

#include "ui/toolkit/TForm.h"

#include <QFile>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string PageSource(const std::string& page) {
    QFile file(QStringLiteral(":/help/") + QString::fromStdString(page));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(HelpTopics, EveryMenuAndEveryEntryOpensItsOwnPartOfTheGuide) {
    std::set<std::string> menus;
    for (const PageDefinition& entry : Catalogue) {
        menus.insert(entry.topMenu);
        const std::string path = TMenuCatalogue::FullPath(entry);
        const std::string topic = THelpForm::MenuTopic(path);
        const std::size_t hash = topic.find('#');
        ASSERT_NE(hash, std::string::npos) << path;
        const std::string source = PageSource(topic.substr(0, hash));
        ASSERT_FALSE(source.empty()) << path << ": no page " << topic;
        EXPECT_NE(source.find("<a name=\"" + topic.substr(hash + 1) + "\">"), std::string::npos)
            << path << ": no place " << topic;
        EXPECT_NE(source.find(entry.menuPath), std::string::npos) << path;
    }
    EXPECT_EQ(menus.size(), 10u);
    for (const std::string& menu : menus) {
        const std::string topic = THelpForm::MenuTopic(menu);
        EXPECT_EQ(topic.find('#'), std::string::npos) << menu;
        EXPECT_FALSE(PageSource(topic).empty()) << menu << ": no page " << topic;
        EXPECT_EQ(THelpForm::TopicUrl(menu), "qrc:/help/" + topic);
    }
    const std::pair<const char*, const char*> cases[] = {
        {"", "qrc:/help/index.html"},
        {"RMON / Statistics", "qrc:/help/menu-rmon.html#Statistics1"},
        {" Security ", "qrc:/help/menu-security.html"},
        {"snmpv3.html#dialog", "qrc:/help/snmpv3.html#dialog"},
        {"No Such Menu / Entry", "qrc:/help/index.html"},
    };
    for (const auto& [topic, url] : cases) {
        EXPECT_EQ(THelpForm::TopicUrl(topic), url) << topic;
    }
}

TEST(HelpTopics, ContentsAndLinksLeadToPagesThatExist) {
    std::set<std::string> pages;
    for (const THelpForm::ContentsLine& line : THelpForm::Contents()) {
        pages.insert(line.topic.substr(0, line.topic.find('#')));
    }
    for (const char* page : {"startup.html", "device-file.html", "main-window.html", "pages.html",
                             "monitors.html", "windows.html", "viewers.html", "snmpv3.html",
                             "messages.html", "troubleshooting.html", "menus.html"}) {
        EXPECT_EQ(pages.count(page), 1u) << page;
    }
    // Every link of every page names a page of the guide.
    for (const std::string& page : pages) {
        const std::string source = PageSource(page);
        ASSERT_FALSE(source.empty()) << page;
        for (std::size_t at = source.find("href=\""); at != std::string::npos;
             at = source.find("href=\"", at + 1)) {
            const std::size_t end = source.find('"', at + 6);
            const std::string target = source.substr(at + 6, end - at - 6);
            const std::string file = target.substr(0, target.find('#'));
            if (!file.empty()) {
                EXPECT_FALSE(PageSource(file).empty()) << page << " links to " << target;
            }
        }
    }
}

TEST(HelpTopics, SearchFindsThePagesThatHoldTheText) {
    auto found = [](const std::string& text) {
        std::set<std::string> pages;
        for (const THelpForm::ContentsLine& line : THelpForm::Search(text)) {
            pages.insert(line.topic);
        }
        return pages;
    };
    EXPECT_EQ(found("snmp request timed out!").count("troubleshooting.html"), 1u);
    EXPECT_EQ(found("dot1qStaticUnicastTable").count("viewers.html"), 1u);
    EXPECT_EQ(found("Trust Host Table").count("menu-basic-configuration.html"), 1u);
    EXPECT_TRUE(found("no page holds this xyzzy text").empty());
    EXPECT_TRUE(found("   ").empty());
}

class HelpWindow : public UiTest {
protected:
    void TearDown() override {
        if (THelpForm* help = THelpForm::Current()) {
            help->close();
        }
        UiTest::TearDown();
    }
};

TEST_F(HelpWindow, OpensAtATopicListsItsContentsAndSearches) {
    THelpForm& help = THelpForm::Open("Layer 3 Management / OSPF / Area Info", "");
    EXPECT_EQ(help.CurrentUrl(), "qrc:/help/menu-layer-3-management.html#AreaInfo1");
    EXPECT_NE(help.PageText().find("ospfAreaTable"), std::string::npos);
    EXPECT_EQ(help.ContentsCount(), static_cast<int>(THelpForm::Contents().size()));
    EXPECT_EQ(help.ResultCount(), 0);

    help.RunSearch("Authentication failure!");
    EXPECT_GE(help.ResultCount(), 1);
    help.ShowTopic("snmpv3.html");
    EXPECT_NE(help.PageText().find("Setting up SNMPv3"), std::string::npos);
    // Another topic reuses the same window.
    EXPECT_EQ(&THelpForm::Open("Help / Help", ""), &help);
    EXPECT_EQ(help.CurrentUrl(), "qrc:/help/menu-help.html#H1");
}

TEST_F(HelpWindow, OverAModalPageItTakesInputTooAndAClosedOneIsNotReused) {
    TForm page(nullptr);
    Qt::WindowModality seen = Qt::NonModal;
    THelpForm* first = nullptr;
    QTimer::singleShot(0, &page, [&] {
        first = &THelpForm::Open("RMON / History", "");
        seen = first->windowModality();
        first->close();
        page.Close();
    });
    page.ShowModal();
    EXPECT_EQ(seen, Qt::ApplicationModal);
    // The closed window goes once events run; opening again meanwhile gets a window of its own.
    QPointer<THelpForm> closed(first);
    THelpForm& again = THelpForm::Open("", "");
    EXPECT_NE(&again, closed.data());
    EXPECT_EQ(again.windowModality(), Qt::NonModal);
    EXPECT_TRUE(WaitUntil([&] { return closed.isNull(); }, 2000));
    EXPECT_EQ(THelpForm::Current(), &again);
    EXPECT_TRUE(again.isVisible());
}

} // namespace
