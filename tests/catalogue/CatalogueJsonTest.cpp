// The catalogue's JSON form: it parses, mirrors the data entry by entry and row by row, and
// writes the shapes, form sizes, row status and adjustments of chosen entries as expected.

#include "main_window/catalogue/CatalogueJson.h"
#include "main_window/catalogue/PageDefinition.h"
#include "vocab/QxOptionList.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

std::string S(const QJsonValue& value) {
    return value.toString().toStdString();
}

class CatalogueJsonTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string text = CatalogueJson();
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError)
            << error.errorString().toStdString() << " at " << error.offset;
        ASSERT_TRUE(document.isArray());
        entries_ = new QJsonArray(document.array());
    }
    static void TearDownTestSuite() {
        delete entries_;
        entries_ = nullptr;
    }

    // The entry with this top menu and path; fails the test when there is none.
    static QJsonObject Entry(const char* menu, const char* path) {
        for (const QJsonValue& value : *entries_) {
            const QJsonObject entry = value.toObject();
            if (entry[u"menu"].toString() == Q(menu) && entry[u"path"].toString() == Q(path)) {
                return entry;
            }
        }
        ADD_FAILURE() << "no entry " << menu << " / " << path;
        return {};
    }

    static QStringList Strings(const QJsonValue& value) {
        QStringList list;
        for (const QJsonValue& item : value.toArray()) {
            list.append(item.toString());
        }
        return list;
    }

    static inline QJsonArray* entries_ = nullptr;
};

// Every entry and every descriptor row round-trips: text byte for byte, numbers and options
// as stored, pages only where the entry opens a generated page.
TEST_F(CatalogueJsonTest, MirrorsTheCatalogueEntryByEntry) {
    ASSERT_NE(entries_, nullptr);
    ASSERT_EQ(entries_->size(), 258);
    ASSERT_EQ(static_cast<size_t>(entries_->size()), Catalogue.size());
    for (size_t e = 0; e < Catalogue.size(); ++e) {
        const PageDefinition& def = Catalogue[e];
        const QJsonObject entry = entries_->at(static_cast<qsizetype>(e)).toObject();
        SCOPED_TRACE(std::string(def.topMenu) + " / " + def.menuPath);
        EXPECT_EQ(S(entry[u"menu"]), def.topMenu);
        EXPECT_EQ(S(entry[u"path"]), def.menuPath);
        if (def.handler == nullptr) {
            EXPECT_TRUE(entry[u"handler"].isNull());
        } else {
            EXPECT_EQ(S(entry[u"handler"]), def.handler);
        }
        if (def.captionPrefix == nullptr) {
            EXPECT_TRUE(entry[u"caption"].isNull());
        } else {
            EXPECT_EQ(S(entry[u"caption"]), def.captionPrefix);
        }
        const bool generated = def.kind == EntryKind::Scalar || def.kind == EntryKind::Table ||
                               def.kind == EntryKind::Tabbed;
        const QJsonArray pages = entry[u"pages"].toArray();
        ASSERT_TRUE(entry[u"pages"].isArray());
        ASSERT_EQ(static_cast<size_t>(pages.size()), generated ? def.pages.size() : 0u);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const PageSpec& spec = def.pages[static_cast<size_t>(p)];
            const QJsonObject page = pages[p].toObject();
            EXPECT_EQ(S(page[u"kind"]), spec.table ? "table" : "scalar");
            EXPECT_EQ(page[u"indexCount"].toInt(-1), spec.indexCount);
            EXPECT_EQ(page[u"status"].isNull(), spec.statusColumn < 0);
            const QJsonArray rows = page[u"rows"].toArray();
            qsizetype r = 0;
            for (const UISnmpVar* var = spec.vars; var->oid != nullptr; ++var, ++r) {
                ASSERT_LT(r, rows.size()) << "page " << p;
                const QJsonObject row = rows[r].toObject();
                EXPECT_EQ(S(row[u"oid"]), var->oid);
                EXPECT_EQ(S(row[u"label"]), var->label);
                EXPECT_EQ(row[u"syntax"].toInt(-1), var->syntax);
                EXPECT_EQ(row[u"access"].toInt(-1), static_cast<int>(var->access));
                if (var->options == nullptr) {
                    EXPECT_TRUE(row[u"options"].isNull());
                    continue;
                }
                const QJsonArray options = row[u"options"].toArray();
                ASSERT_EQ(options.size(), var->options->Count()) << var->label;
                const bool integer = var->options->GetKind() == QxOptionList::olInteger;
                for (int k = 0; k < var->options->Count(); ++k) {
                    const QxOptionList::OptionEntry& option = var->options->Entry(k);
                    const QJsonArray pair = options[k].toArray();
                    ASSERT_EQ(pair.size(), 2);
                    if (integer) {
                        EXPECT_TRUE(pair[0].isDouble());
                        EXPECT_EQ(pair[0].toInt(), option.value);
                    } else {
                        EXPECT_EQ(S(pair[0]), option.text);
                    }
                    EXPECT_EQ(S(pair[1]), option.label);
                }
            }
            EXPECT_EQ(r, rows.size()) << "page " << p;
        }
    }
}

TEST_F(CatalogueJsonTest, ShapesOfTheSpecialEntries) {
    struct Case {
        const char* menu;
        const char* path;
        const char* shape;
        const char* form; // null: JSON null
    };
    const Case cases[] = {
        {"Basic Configuration", "Time Management / System Time", "scalar", nullptr},
        {"SNMP V3", "Community / Community String Table", "table", nullptr},
        {"Basic Configuration", "ACL Management / Access Profile / Ethernet Table", "tabbed",
         nullptr},
        {"Bridge", "Spanning Tree / STP Control", "form", "TSTP_Info"},
        {"Help", "About", "form", "TAboutForm"},
        {"RMON", "Statistics", "viewer", nullptr},
        {"Help", "Help", "command", nullptr},
        {"Security ", "802.1X / RADIUS Server / RADIUS Authentication Server Table", "none",
         nullptr},
        {"Layer2 Management", "Port Management / Port Security Trap Log State", "none", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " / " + c.path);
        const QJsonObject entry = Entry(c.menu, c.path);
        EXPECT_EQ(S(entry[u"shape"]), c.shape);
        if (c.form == nullptr) {
            EXPECT_TRUE(entry[u"form"].isNull());
        } else {
            EXPECT_EQ(S(entry[u"form"]), c.form);
        }
        const bool generated = std::string(c.shape) == "scalar" ||
                               std::string(c.shape) == "table" || std::string(c.shape) == "tabbed";
        EXPECT_EQ(entry[u"pages"].toArray().isEmpty(), !generated);
    }

    // The two entries without an action carry no handler and no caption.
    int none = 0;
    for (const QJsonValue& value : *entries_) {
        const QJsonObject entry = value.toObject();
        if (entry[u"shape"].toString() == u"none") {
            ++none;
            EXPECT_TRUE(entry[u"handler"].isNull()) << S(entry[u"path"]);
            EXPECT_TRUE(entry[u"caption"].isNull()) << S(entry[u"path"]);
        }
    }
    EXPECT_EQ(none, 2);
}

TEST_F(CatalogueJsonTest, SystemTimeKeepsItsRowFormat) {
    const QJsonObject entry = Entry("Basic Configuration", "Time Management / System Time");
    EXPECT_EQ(S(entry[u"handler"]), "SystemTime1Click");
    EXPECT_EQ(S(entry[u"caption"]), "System Time: ");
    EXPECT_TRUE(entry[u"formHeight"].isNull());
    EXPECT_TRUE(entry[u"formWidthPlus"].isNull());
    const QJsonArray pages = entry[u"pages"].toArray();
    ASSERT_EQ(pages.size(), 1);
    const QJsonObject page = pages[0].toObject();
    EXPECT_TRUE(page[u"title"].isNull());
    EXPECT_EQ(S(page[u"kind"]), "scalar");
    EXPECT_EQ(page[u"indexCount"].toInt(-1), 0);
    EXPECT_TRUE(page[u"status"].isNull());
    EXPECT_EQ(Strings(page[u"adjustments"]), QStringList{Q("row 3 format \"%i{n-779x839}\"")});
    const QJsonArray rows = page[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 4);
    const QJsonObject zone = rows[3].toObject();
    EXPECT_EQ(S(zone[u"oid"]), "1.3.6.1.4.1.32473.12.10.10.4");
    EXPECT_EQ(S(zone[u"label"]), "Time Zone [ -779..839]");
    EXPECT_EQ(zone[u"syntax"].toInt(), 2);
    EXPECT_EQ(zone[u"access"].toInt(), 6);
    EXPECT_TRUE(zone[u"options"].isNull());
}

TEST_F(CatalogueJsonTest, CommunityTableHasStatusHooksAndOptions) {
    const QJsonObject entry = Entry("SNMP V3", "Community / Community String Table");
    const QJsonArray pages = entry[u"pages"].toArray();
    ASSERT_EQ(pages.size(), 1);
    const QJsonObject page = pages[0].toObject();
    EXPECT_EQ(S(page[u"kind"]), "table");
    EXPECT_EQ(page[u"indexCount"].toInt(-1), 1);
    const QJsonObject status = page[u"status"].toObject();
    EXPECT_EQ(status[u"column"].toInt(-1), 7);
    EXPECT_EQ(S(status[u"create"]), "createAndGo");
    EXPECT_EQ(S(status[u"destroy"]), "destroy");
    EXPECT_EQ(Strings(page[u"adjustments"]),
              (QStringList{Q("edit width 150"), Q("before-add hook CommunityBeforeAdd"),
                           Q("after-add hook CommunityAfterAdd")}));
    const QJsonArray rows = page[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[0].toObject()[u"access"].toInt(), 65);
    const QJsonArray options = rows[7].toObject()[u"options"].toArray();
    const QJsonArray expected = {QJsonArray{1, Q("active")}, QJsonArray{4, Q("createAndGo")},
                                 QJsonArray{6, Q("destroy")}};
    EXPECT_EQ(options, expected);
}

TEST_F(CatalogueJsonTest, EthernetTableHasTwoTabsAndAFormHeight) {
    const QJsonObject entry =
        Entry("Basic Configuration", "ACL Management / Access Profile / Ethernet Table");
    EXPECT_EQ(entry[u"formHeight"].toInt(-1), 500);
    EXPECT_TRUE(entry[u"formWidthPlus"].isNull());
    const QJsonArray pages = entry[u"pages"].toArray();
    ASSERT_EQ(pages.size(), 2);
    const QJsonObject first = pages[0].toObject();
    const QJsonObject second = pages[1].toObject();
    EXPECT_EQ(S(first[u"title"]), "ACL Ethernet Table");
    EXPECT_EQ(first[u"status"].toObject()[u"column"].toInt(-1), 7);
    EXPECT_EQ(Strings(first[u"adjustments"]), QStringList{Q("no Edit button")});
    EXPECT_EQ(first[u"rows"].toArray().size(), 9);
    EXPECT_EQ(S(second[u"title"]), "ACL Ethernet Rule Table");
    EXPECT_EQ(second[u"indexCount"].toInt(-1), 2);
    EXPECT_EQ(second[u"status"].toObject()[u"column"].toInt(-1), 14);
    const QStringList adjustments = Strings(second[u"adjustments"]);
    EXPECT_TRUE(adjustments.contains(Q("row 13 bit list")))
        << adjustments.join(u", ").toStdString();
    EXPECT_TRUE(adjustments.contains(Q("no Edit button"))) << adjustments.join(u", ").toStdString();
    EXPECT_EQ(second[u"rows"].toArray().size(), 16);
}

// Form-level adjustments the catalogue writes in the page's brackets, text-valued options.
TEST_F(CatalogueJsonTest, PromptSpinLockAndTextOptions) {
    const QJsonObject session = Entry("Security ", "802.1X / Authentication Session Statistics");
    const QJsonArray sessionPages = session[u"pages"].toArray();
    ASSERT_EQ(sessionPages.size(), 1);
    EXPECT_EQ(Strings(sessionPages[0].toObject()[u"adjustments"]),
              QStringList{Q("Counter64 prompt")});

    const QJsonObject users = Entry("SNMP V3", "User-based Security Model / User Table");
    const QJsonArray userPages = users[u"pages"].toArray();
    ASSERT_EQ(userPages.size(), 2);
    EXPECT_EQ(Strings(userPages[0].toObject()[u"adjustments"]), QStringList{Q("spin lock")});
    const QJsonArray auth =
        userPages[1].toObject()[u"rows"].toArray()[4].toObject()[u"options"].toArray();
    const QJsonArray expected = {QJsonArray{Q("1.3.6.1.6.3.10.1.1.1"), Q("None")},
                                 QJsonArray{Q("1.3.6.1.6.3.10.1.1.2"), Q("MD5")},
                                 QJsonArray{Q("1.3.6.1.6.3.10.1.1.3"), Q("SHA")}};
    EXPECT_EQ(auth, expected);

    const QJsonObject rmon = Entry("RMON", "RMON State");
    EXPECT_EQ(Strings(rmon[u"pages"].toArray()[0].toObject()[u"adjustments"]),
              QStringList{Q("close hook RmonStateClosed")});
}

} // namespace
