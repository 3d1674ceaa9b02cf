// Table walks with GETBULK against the same walks with get-next: the same rows, values,
// instance OIDs, end and errors for every table the simulator serves, over SNMPv2c and SNMPv3;
// answers cut by a small message size; and the fall-back to get-next.

#include "AsyncWalker.h"
#include "SnmpTestEnvironment.h"
#include "TestAgent.h"
#include "main_window/catalogue/PageDefinition.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// One delivered row: every entry's value and instance OID.
using Row = std::vector<std::string>;

struct Outcome {
    std::vector<Row> rows;
    int code = 0; // 0, or the error that ended the walk
    std::string note;
};

constexpr UISnmpVar IfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.2", "Description", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", sxCounter, acReadonly},
    {"1.3.6.1.2.1.2.2.1.6", "Address", sxMacaddress, acReadonly},
    {},
};
constexpr UISnmpVar SparseColumns[] = {
    {"1.3.6.1.4.1.32473.99.3.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.3.1.2", "Name", sxDisplaystr, acReadonly},
    {},
};
constexpr UISnmpVar LoopingColumn[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Looping", sxInteger, acReadonly},
    {},
};
constexpr UISnmpVar OneColumnBeyondTheView[] = {
    {"1.3.6.1.4.1.32473.99.3.1.1", "Index", sxInteger, acReadonly},
    {"2.1.1", "Nothing", sxInteger, acReadonly},
    {},
};
constexpr UISnmpVar BeyondTheView[] = {
    {"2.1.1", "Nothing", sxInteger, acReadonly},
    {},
};
constexpr UISnmpVar BenchTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Count", sxCounter, acReadonly},
    {},
};

struct Table {
    std::string what;
    const UISnmpVar* vars;
    std::uint8_t kind;
    int indexCount;
};

// Every table page of the catalogue, the MIB-II interface table and the tables that show the
// walk's rules (a sparse column, a get-next that goes back, columns past the view).
std::vector<Table> Tables() {
    std::vector<Table> tables = {
        {"ifTable", IfTable, MVT_FMV, 1},
        {"sparse column", SparseColumns, MVT_FMV, 1},
        {"get-next going back", LoopingColumn, MVT_FMV, 1},
        {"one column beyond the view", OneColumnBeyondTheView, MVT_FMV, 1},
        {"beyond the view", BeyondTheView, MVT_FMV, 0},
        {"generated table", BenchTable, MVT_FMV, 1},
    };
    for (const PageDefinition& entry : Catalogue) {
        for (const PageSpec& page : entry.pages) {
            if (page.table && page.vars != nullptr) {
                tables.push_back({std::string(entry.menuPath != nullptr ? entry.menuPath : "") +
                                      (page.tabTitle != nullptr ? std::string(" / ") + page.tabTitle
                                                                : std::string()),
                                  page.vars, page.listKind, page.indexCount});
            }
        }
    }
    return tables;
}

struct Credentials {
    const char* what;
    int version;
    const char* user; // SNMPv3 only
    int level, auth, priv;
    const char* authPass;
    const char* privPass;
};

constexpr Credentials V2c{"v2c", 1, "", 1, 1, 1, "", ""};
constexpr Credentials V3{"v3 SHA_DES_User", 3, "SHA_DES_User", 3, 3, 2, "shadespass1",
                         "shadespriv1"};

std::unique_ptr<QxSNMPRequest> Request(const TestAgent& agent, const Credentials& c,
                                       const Table& table, bool bulk) {
    auto r = std::make_unique<QxSNMPRequest>();
    r->device.address = "127.0.0.1";
    r->device.port = static_cast<std::uint16_t>(agent.Port());
    r->security.version = static_cast<std::uint8_t>(c.version);
    r->security.readCommunity = "public";
    if (c.version == 3) {
        r->security.securityModel = 3;
        r->security.securityName = c.user;
        r->security.securityLevel = c.level;
        r->security.authProtocol = c.auth;
        r->security.privProtocol = c.priv;
        r->security.authPassword = c.authPass;
        r->security.privPassword = c.privPass;
    }
    r->timeout = 100;
    r->getBulk = bulk;
    QxSNMPVarList list(table.vars, table.kind, table.indexCount);
    r->vars.Assign(list);
    return r;
}

// Counters, gauges and time ticks of a running device move between two walks: their cells are
// compared by instance, and by value only when they hold a placeholder.
bool Moving(int syntax) {
    return syntax == sxCounter || syntax == sxCounter64 || syntax == sxTimeticks ||
           syntax == sxGuage;
}

Row Current(const QxSNMPVarList& vars) {
    Row row;
    for (int i = 0; i < vars.Count(); ++i) {
        const QxSNMPVar& v = vars.Entry(i);
        bool placeholder = v.value == "(NULL)" || v.value == "(NOTDONE)";
        row.push_back(Moving(v.syntax) && !placeholder ? "(moving)" : v.value);
        row.push_back(vars.Entry(i).instanceOid);
    }
    return row;
}

constexpr size_t RowLimit = 20000;

Outcome SyncWalk(QxSNMPRequest& r) {
    Outcome out;
    try {
        for (bool more = r.Fetch(true); more && out.rows.size() < RowLimit; more = r.Fetch(false)) {
            out.rows.push_back(Current(r.vars));
        }
        out.rows.push_back(Current(r.vars)); // what the end leaves in the list
    } catch (const QxError& e) {
        out.code = e.Code();
    }
    out.note = r.TakeWalkNote();
    return out;
}

struct RowCollector {
    QxSNMPRequest* request;
    Outcome out;
    bool ended = false;
    static void Step(void* owner, const QxSNMPError& result, QxSNMPVarList& vars) {
        auto* c = static_cast<RowCollector*>(owner);
        if (result.done) {
            c->out.code = result.code;
            c->out.rows.push_back(Current(vars));
            c->ended = true;
            return;
        }
        c->out.rows.push_back(Current(vars));
        c->request->FetchAsync(&RowCollector::Step, c, false);
    }
};

Outcome AsyncWalk(QxSNMPRequest& r) {
    RowCollector c{&r, {}, false};
    r.FetchAsync(&RowCollector::Step, &c, true);
    EXPECT_TRUE(PumpUntil([&] { return c.ended; }, std::chrono::seconds(60)));
    EXPECT_EQ(r.outstanding, 0);
    c.out.note = r.TakeWalkNote();
    return c.out;
}

class BulkWalkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureSnmpSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator, {"--rows", "300"});
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    static TestAgent* sim_;
};

TestAgent* BulkWalkTest::sim_ = nullptr;

TEST_F(BulkWalkTest, EveryTableWalksTheSameBothWays) {
    const std::vector<Table> tables = Tables();
    ASSERT_GT(tables.size(), 20u);
    size_t rowsSeen = 0;
    for (const Credentials& c : {V2c, V3}) {
        for (const Table& t : tables) {
            SCOPED_TRACE(std::string(c.what) + ": " + t.what);
            Outcome getNext = SyncWalk(*Request(*sim_, c, t, false));
            Outcome bulk = SyncWalk(*Request(*sim_, c, t, true));
            EXPECT_EQ(bulk.code, getNext.code);
            EXPECT_EQ(bulk.rows, getNext.rows);
            EXPECT_EQ(bulk.note, "");
            rowsSeen += getNext.rows.size();
        }
    }
    EXPECT_GT(rowsSeen, 1000u);
    // The simulator never refused GETBULK, so no walk fell back.
    QxSNMPDevice device;
    device.address = "127.0.0.1";
    device.port = static_cast<std::uint16_t>(sim_->Port());
    EXPECT_FALSE(QxSNMPSession::Global()->BulkRefused(device));
}

TEST_F(BulkWalkTest, AsynchronousBulkWalksDeliverTheSameRowsOneByOne) {
    const std::vector<Table> all = Tables();
    const std::vector<Table> tables(all.begin(), all.begin() + 6); // the hand-picked ones
    for (const Credentials& c : {V2c, V3}) {
        for (const Table& t : tables) {
            SCOPED_TRACE(std::string(c.what) + ": " + t.what);
            Outcome getNext = SyncWalk(*Request(*sim_, c, t, false));
            Outcome bulk = AsyncWalk(*Request(*sim_, c, t, true));
            EXPECT_EQ(bulk.code, getNext.code);
            EXPECT_EQ(bulk.rows, getNext.rows);
        }
    }
}

// A device with small buffers cuts bulk answers and refuses a too big get-next answer: the
// walk asks smaller and still brings every row.
TEST(BulkWalkLimits, SmallMessagesStillGiveEveryRow) {
    EnsureSnmpSession();
    TestAgent small(TestAgent::Kind::Simulator, {"--rows", "200", "--max-message", "484"});
    const Table t{"generated table", BenchTable, MVT_FMV, 1};
    Outcome getNext = SyncWalk(*Request(small, V2c, t, false));
    ASSERT_EQ(getNext.code, 0);
    ASSERT_EQ(getNext.rows.size(), 201u);
    EXPECT_EQ(SyncWalk(*Request(small, V2c, t, true)).rows, getNext.rows);
    EXPECT_EQ(AsyncWalk(*Request(small, V2c, t, true)).rows, getNext.rows);
    QxSNMPDevice device{"127.0.0.1", static_cast<std::uint16_t>(small.Port())};
    EXPECT_FALSE(QxSNMPSession::Global()->BulkRefused(device));
}

// An agent that answers GETBULK with an error, or (SNMPv3 answers above its message size)
// not at all, is walked with get-next from there on, said once, for the rest of the session.
TEST(BulkWalkFallback, ErrorOrSilenceFallsBackToGetNextOnce) {
    EnsureSnmpSession();
    const Table t{"generated table", BenchTable, MVT_FMV, 1};
    struct Case {
        const char* what;
        std::vector<std::string> options;
        Credentials credentials;
        bool async;
    } cases[] = {
        {"error, synchronous", {"--rows", "60", "--bulk-error"}, V2c, false},
        {"error, asynchronous", {"--rows", "60", "--bulk-error"}, V2c, true},
        {"silence, synchronous", {"--rows", "60", "--max-message", "484"}, V3, false},
        {"silence, asynchronous", {"--rows", "60", "--max-message", "484"}, V3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestAgent agent(TestAgent::Kind::Simulator, c.options);
        QxSNMPDevice device{"127.0.0.1", static_cast<std::uint16_t>(agent.Port())};
        Outcome expected = SyncWalk(*Request(agent, c.credentials, t, false));
        ASSERT_EQ(expected.code, 0);
        ASSERT_EQ(expected.rows.size(), 61u);
        ASSERT_FALSE(QxSNMPSession::Global()->BulkRefused(device));

        auto r = Request(agent, c.credentials, t, true);
        r->timeout = 30; // silence costs the retries of one exchange
        Outcome first = c.async ? AsyncWalk(*r) : SyncWalk(*r);
        EXPECT_EQ(first.code, 0);
        EXPECT_EQ(first.rows, expected.rows);
        EXPECT_NE(first.note.find("get-next"), std::string::npos) << first.note;
        EXPECT_TRUE(QxSNMPSession::Global()->BulkRefused(device));

        // Said once: the next walk goes straight to get-next without a remark.
        Outcome again = SyncWalk(*Request(agent, c.credentials, t, true));
        EXPECT_EQ(again.rows, expected.rows);
        EXPECT_EQ(again.note, "");
    }
}

} // namespace
