#include "UiTestSupport.h"
#include "main_window/TEntrySearch.h"
#include "main_window/TMainForm.h"
#include "main_window/TMenuCatalogue.h"
#include "main_window/catalogue/PageDefinition.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Paths(const std::vector<const PageDefinition*>& entries) {
    std::vector<std::string> paths;
    for (const PageDefinition* entry : entries) {
        paths.push_back(TMenuCatalogue::FullPath(*entry));
    }
    return paths;
}

const std::string TrustHostTable =
    "Basic Configuration / Basic / Trust Host Management / Trust Host Table";

TEST(EntrySearchTest, WordsInAnyOrderAndAnyCaseFindTheirEntries) {
    EXPECT_EQ(Paths(FindEntries("trust table")), std::vector<std::string>{TrustHostTable});
    EXPECT_EQ(Paths(FindEntries("  TABLE   Trust ")), std::vector<std::string>{TrustHostTable});
    EXPECT_EQ(Paths(FindEntries("host trust management table basic")),
              std::vector<std::string>{TrustHostTable});
    EXPECT_TRUE(FindEntries("trust tables").empty());
    EXPECT_EQ(FindEntries("").size(), Catalogue.size());
    // Every entry found holds the word; in menu order.
    const std::vector<std::string> tables = Paths(FindEntries("TABLE"));
    ASSERT_GT(tables.size(), 3u);
    for (const std::string& path : tables) {
        EXPECT_NE(QString::fromStdString(path).indexOf(QStringLiteral("table"), 0,
                                                       Qt::CaseInsensitive),
                  -1)
            << path;
    }
    EXPECT_EQ(Paths(FindEntries("SNMP V3 / Community / Community String Table")).size(), 1u);
}

class EntrySearchFormTest : public UiTest {};

TEST_F(EntrySearchFormTest, ReturnChoosesTheSelectedEntry) {
    TEntrySearch search(nullptr);
    search.show();
    EXPECT_EQ(search.EntryList()->count(), static_cast<int>(Catalogue.size()));
    QTest::keyClicks(search.WordsEdit(), QStringLiteral("table trust"));
    ASSERT_EQ(search.EntryList()->count(), 1);
    EXPECT_EQ(search.EntryList()->item(0)->text().toStdString(), TrustHostTable);

    search.SetWords("community");
    ASSERT_GE(search.EntryList()->count(), 2);
    EXPECT_EQ(search.EntryList()->currentRow(), 0);
    QTest::keyClick(search.WordsEdit(), Qt::Key_Down); // the field keeps the focus
    EXPECT_EQ(search.EntryList()->currentRow(), 1);
    QTest::keyClick(search.WordsEdit(), Qt::Key_Return);
    ASSERT_NE(search.Chosen(), nullptr);
    EXPECT_EQ(search.Chosen(), search.Found()[1]);
    EXPECT_EQ(search.ModalResult(), mrOk);

    TEntrySearch none(nullptr);
    none.SetWords("nothing like this");
    none.Choose();
    EXPECT_EQ(none.Chosen(), nullptr);
}

// Runs `work` with the search window once it is the active modal window (bounded retries).
void WhenSearchShows(QObject* context, std::function<void(TEntrySearch&)> work, int tries = 200) {
    PostCall(context, [context, work, tries] {
        auto* search = dynamic_cast<TEntrySearch*>(QApplication::activeModalWidget());
        if (search == nullptr || !search->isVisible()) {
            if (tries > 0) {
                WhenSearchShows(context, work, tries - 1);
            } else {
                ADD_FAILURE() << "no search window";
            }
            return;
        }
        work(*search);
    });
}

// Ctrl+F in the main window; an entry whose menu item is disabled (SNMPv3 entries of an SNMPv1
// device) runs not, and says so.
TEST_F(EntrySearchFormTest, MainWindowFindsAndRunsEntries) {
    QTemporaryDir dir;
    SnmpGlobal().ResetParameters();
    TMainForm main({"/I127.0.0.1", "/v1"}, dir.path().toStdString() + "/", nullptr, false);
    ASSERT_TRUE(ShowActive(&main));
    bool searched = false;
    WhenSearchShows(&main, [&](TEntrySearch& search) {
        searched = true;
        QTest::keyClicks(search.WordsEdit(), QStringLiteral("model user TABLE security"));
        QTest::keyClick(search.WordsEdit(), Qt::Key_Return);
        if (search.isVisible()) {
            search.close();
        }
    });
    MessageScript::Push(mrOk);
    QTest::keyClick(&main, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(searched);
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text,
              "\"SNMP V3 / User-based Security Model / User Table\" is not available here.");

    MessageScript::Push(mrYes);
    main.close();
}

} // namespace
