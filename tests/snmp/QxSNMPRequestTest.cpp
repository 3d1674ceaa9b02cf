#include "AsyncWalker.h"
#include "SnmpTestEnvironment.h"
#include "TestAgent.h"
#include "TestProgram.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "vocab/QxOptionTables.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

namespace {

constexpr UISnmpVar SystemGroup[] = {
    {"1.3.6.1.2.1.1.1", "Description", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.1.2", "Object ID", sxObjectid, acReadonly},
    {"1.3.6.1.2.1.1.3", "Up Time", sxTimeticks, acReadonly},
    {"1.3.6.1.2.1.1.5", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.2.1.1.7", "Services", sxInteger, acReadonly},
    {},
};

constexpr UISnmpVar IfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.2.1.2.2.1.2", "Description", sxDisplaystr, acReadonly},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", sxInteger, acReadonly, &OL_1up_2down_3testing},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", sxCounter, acReadonly},
    {},
};

constexpr UISnmpVar TrustHosts[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.1", "Trust Host Index", sxInteger, acNotaccess},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.2", "Trust Host IP Address", sxIpaddress, acReadwrite},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.3", "Trust Host Row Status", sxInteger, acReadwrite,
     &OL_1active_4createAndGo_6destroy},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1.4", "Trust Host IP Subnet Mask", sxIpaddress, acReadwrite},
    {},
};

constexpr UISnmpVar TwoSettings[] = {
    {"1.3.6.1.4.1.32473.11.69.3.2.1.2.3", "RMON State", sxInteger, acReadwrite,
     &OL_2disabled_3enabled},
    {"1.3.6.1.4.1.32473.12.10.10.4", "Time Zone", sxInteger, acReadwrite},
    {},
};

struct Agent {
    TestAgent::Kind kind;
    const char* name;
};

class RequestTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureSnmpSession();
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }

    // A request to the simulator with the given version and list.
    std::unique_ptr<QxSNMPRequest> Request(int version, const UISnmpVar* table, int kind,
                                           int indexCount, const TestAgent& agent = *sim_) {
        auto r = std::make_unique<QxSNMPRequest>();
        r->device.address = "127.0.0.1";
        r->device.port = static_cast<std::uint16_t>(agent.Port());
        r->security.version = static_cast<std::uint8_t>(version);
        r->security.readCommunity = "public";
        r->security.writeCommunity = "private";
        r->timeout = 100;
        QxSNMPVarList list(table, static_cast<std::uint8_t>(kind), indexCount);
        r->vars.Assign(list);
        return r;
    }

    static std::vector<std::vector<std::string>> Walk(QxSNMPRequest& r) {
        std::vector<std::vector<std::string>> rows;
        bool more = r.Fetch(true);
        while (more && rows.size() < 10000) {
            std::vector<std::string> row;
            for (int i = 0; i < r.vars.Count(); ++i) {
                row.push_back(r.vars.Entry(i).value);
            }
            rows.push_back(row);
            more = r.Fetch(false);
        }
        return rows;
    }

    static TestAgent* sim_;
};

TestAgent* RequestTest::sim_ = nullptr;

// What net-snmp's own walk finds in a column: one "suffix value" pair per line.
std::vector<std::string> ToolWalk(const TestAgent& agent, const char* version, const char* oid) {
    ProgramResult out = RunProgram({"snmpwalk", version, "-c", "public", "-On", "-Oq", "-t", "1",
                                    "-r", "1", agent.Address(), oid});
    EXPECT_EQ(out.exitCode, 0) << out.err;
    std::vector<std::string> instances;
    std::istringstream lines(out.out);
    std::string line;
    std::string prefix = std::string(".") + oid + ".";
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) == 0) {
            instances.push_back(line.substr(prefix.size(), line.find(' ') - prefix.size()));
        }
    }
    return instances;
}

TEST_F(RequestTest, ScalarFetchAsksEachOidWithZero) {
    for (int version : {0, 1}) {
        auto r = Request(version, SystemGroup, SVT_SV, 0);
        EXPECT_FALSE(r->Fetch(true));
        EXPECT_FALSE(r->vars.Entry(0).value.empty());
        EXPECT_EQ(r->vars.Entry(0).instanceOid, "1.3.6.1.2.1.1.1.0");
        EXPECT_NE(r->vars.Entry(2).value.find(':'), std::string::npos) << r->vars.Entry(2).value;
        EXPECT_EQ(r->vars.Entry(1).value.rfind("1.3.6.1.4.1.32473", 0), 0u);
        // A scalar list cannot be continued with get-next.
        try {
            r->Fetch(false);
            ADD_FAILURE();
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), -510);
        }
    }
}

TEST_F(RequestTest, WalksMatchTheCommandLineTool) {
    TestAgent snmpd(TestAgent::Kind::Snmpd);
    struct {
        const TestAgent* agent;
        int version;
        const char* toolVersion;
    } cases[] = {{sim_, 0, "-v1"}, {sim_, 1, "-v2c"}, {&snmpd, 0, "-v1"}, {&snmpd, 1, "-v2c"}};
    for (const auto& c : cases) {
        auto r = Request(c.version, IfTable, MVT_FMV, 1, *c.agent);
        std::vector<std::string> suffixes;
        bool more = r->Fetch(true);
        while (more && suffixes.size() < 1000) {
            std::string oid = r->vars.Entry(1).instanceOid;
            suffixes.push_back(oid.substr(std::string("1.3.6.1.2.1.2.2.1.2.").size()));
            EXPECT_EQ(r->vars.Entry(0).value, suffixes.back());
            more = r->Fetch(false);
        }
        EXPECT_EQ(suffixes, ToolWalk(*c.agent, c.toolVersion, "1.3.6.1.2.1.2.2.1.2"))
            << c.toolVersion << " port " << c.agent->Port();
        if (c.agent == sim_) {
            EXPECT_EQ(suffixes.size(), 28u);
        }
    }
}

constexpr UISnmpVar UnequalColumns[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", sxDisplaystr, acReadonly},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Short", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Last", sxInteger, acReadonly},
    {},
};

TEST_F(RequestTest, AColumnThatEndsEarlyShowsNotDone) {
    for (int version : {0, 1}) {
        auto r = Request(version, UnequalColumns, MVT_FMV, 1);
        auto rows = Walk(*r);
        ASSERT_EQ(rows.size(), 3u) << version;
        EXPECT_EQ(rows[1][2], "20");
        EXPECT_EQ(rows[2], (std::vector<std::string>{"3", "third", "(NOTDONE)", rows[2][3]}));
        EXPECT_NE(rows[2][3], "(NOTDONE)");
    }
}

constexpr UISnmpVar BeyondTheView[] = {
    {"2.1.1", "Nothing", sxInteger, acReadonly},
    {},
};

TEST_F(RequestTest, WalkOfAColumnBeyondTheViewEndsWithoutRows) {
    for (int version : {0, 1}) {
        auto r = Request(version, BeyondTheView, MVT_FMV, 0);
        EXPECT_TRUE(Walk(*r).empty()) << version;
    }
}

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

// Walks that must keep every cell on its own row and end, synchronously and asynchronously,
// over SNMPv1 and SNMPv2c: a column lacking a row, an agent whose get-next goes back, and a
// column that reaches the end of the agent's view while another goes on.
TEST_F(RequestTest, WalksKeepCellsOnTheirRowsAndEnd) {
    using Rows = std::vector<std::vector<std::string>>;
    struct {
        const char* what;
        const UISnmpVar* table;
        Rows rows;
    } cases[] = {
        {"sparse column", SparseColumns, {{"1", "one"}, {"2", "(NULL)"}, {"3", "three"}}},
        {"get-next going back", LoopingColumn, {{"1"}, {"2"}}},
        {"one column beyond the view",
         OneColumnBeyondTheView,
         {{"1", "(NOTDONE)"}, {"2", "(NOTDONE)"}, {"3", "(NOTDONE)"}}},
    };
    for (const auto& c : cases) {
        for (int version : {0, 1}) {
            SCOPED_TRACE(std::string(c.what) + " v" + std::to_string(version));
            auto r = Request(version, c.table, MVT_FMV, 1);
            EXPECT_EQ(Walk(*r), c.rows);

            auto a = Request(version, c.table, MVT_FMV, 1);
            AsyncWalker w(*a);
            w.keepValues = true;
            w.Start();
            ASSERT_TRUE(PumpUntil([&] { return w.ended; }));
            EXPECT_EQ(w.code, 0);
            EXPECT_EQ(w.values, c.rows);
            EXPECT_EQ(a->outstanding, 0);
        }
    }
}

// A cell the row lacks points at that row, so that writing it back goes to the right row.
TEST_F(RequestTest, AMissingCellNamesItsOwnRow) {
    auto r = Request(1, SparseColumns, MVT_FMV, 1);
    ASSERT_TRUE(r->Fetch(true));
    ASSERT_TRUE(r->Fetch(false));
    EXPECT_EQ(r->vars.Entry(0).value, "2");
    EXPECT_EQ(r->vars.Entry(1).value, "(NULL)");
    EXPECT_EQ(r->vars.Entry(1).instanceOid, "1.3.6.1.4.1.32473.99.3.1.2.2");
    ASSERT_TRUE(r->Fetch(false));
    EXPECT_EQ(r->vars.Entry(1).value, "three");
    EXPECT_EQ(r->vars.Entry(1).instanceOid, "1.3.6.1.4.1.32473.99.3.1.2.3");
    EXPECT_FALSE(r->Fetch(false));
}

constexpr UISnmpVar HighCapacity[] = {
    {"1.3.6.1.2.1.31.1.1.1.6.1", "HC In Octets", sxCounter64, acReadonly},
    {},
};

TEST_F(RequestTest, ErrorsOfTheAgentAreReportedNotAdapted) {
    TestAgent snmpd(TestAgent::Kind::Snmpd);
    // SNMPv1 cannot carry a Counter64: the agent says noSuchName, which is reported as is.
    auto v1 = Request(0, HighCapacity, MVT_SV, 0, snmpd);
    try {
        v1->Fetch(true);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -102);
        EXPECT_EQ(e.Text(), "Variable does not exist!");
    }
    auto v2 = Request(1, HighCapacity, MVT_SV, 0, snmpd);
    EXPECT_FALSE(v2->Fetch(true));
    EXPECT_NE(v2->vars.Entry(0).value, "(NULL)");
}

TEST_F(RequestTest, RowSuffixShorterThanTheIndexFails) {
    auto r = Request(1, IfTable, MVT_FMV, 2);
    try {
        r->Fetch(true);
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_EQ(e.Code(), -514);
    }
}

TEST_F(RequestTest, OptionLabelsAndIndexDecoding) {
    auto r = Request(1, IfTable, MVT_FMV, 1);
    ASSERT_TRUE(r->Fetch(true));
    const std::string& status = r->vars.Entry(2).value;
    EXPECT_TRUE(status == "up" || status == "down" || status == "testing") << status;
    EXPECT_EQ(r->vars.Entry(0).value, "1");
}

TEST_F(RequestTest, TimeOutsEndInTheirMappedText) {
    struct {
        const char* what;
        int port;
        const char* community;
    } cases[] = {
        {"wrong community", sim_->Port(), "nobody"},
        {"absent agent", 9, "public"},
    };
    for (const auto& c : cases) {
        auto r = Request(1, SystemGroup, SVT_SV, 0);
        r->device.port = static_cast<std::uint16_t>(c.port);
        r->security.readCommunity = c.community;
        r->timeout = 30;
        try {
            r->Fetch(true);
            ADD_FAILURE() << c.what;
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), -405) << c.what;
            EXPECT_EQ(e.Text(), "SNMP request timed out!") << c.what;
        }
    }
}

TEST_F(RequestTest, SnmpV3Users) {
    struct {
        const char* user;
        int level, auth, priv;
        const char* authPass;
        const char* privPass;
        int code;
    } cases[] = {
        {"noAuthUser", 1, 1, 1, "", "", 0},
        {"MD5_User", 2, 2, 1, "md5userpass", "", 0},
        {"SHA_DES_User", 3, 3, 2, "shadespass1", "shadespriv1", 0},
        {"MD5_DES_User", 3, 2, 2, "md5despass1", "md5despriv1", 0},
        {"SHA224_User", 2, 4, 1, "sha224userpass", "", 0},
        {"SHA256_AES_User", 3, 5, 4, "sha256aespass", "sha256aespriv", 0},
        {"SHA384_AES192_User", 3, 6, 20, "sha384aes192pass", "sha384aes192priv", 0},
        {"SHA512_AES256_User", 3, 7, 21, "sha512aes256pass", "sha512aes256priv", 0},
        {"SHA512_AES256_User", 3, 7, 9, "sha512aes256pass", "sha512aes256priv", -313},
        {"SHA_User", 2, 3, 1, "wrongpass99", "", -308},
        {"NoSuchUser", 1, 1, 1, "", "", -304},
    };
    for (const auto& c : cases) {
        auto r = Request(3, SystemGroup, SVT_SV, 0);
        r->security.securityModel = 3;
        r->security.securityName = c.user;
        r->security.securityLevel = c.level;
        r->security.authProtocol = c.auth;
        r->security.privProtocol = c.priv;
        r->security.authPassword = c.authPass;
        r->security.privPassword = c.privPass;
        int code = 0;
        try {
            r->Fetch(true);
        } catch (const QxError& e) {
            code = e.Code();
        }
        EXPECT_EQ(code, c.code) << c.user;
        if (c.code == 0) {
            EXPECT_FALSE(r->vars.Entry(0).value.empty()) << c.user;
        }
    }
}

constexpr UISnmpVar RebootCommand[] = {
    {"1.3.6.1.4.1.32473.12.1.2.19", "Reboot", sxInteger, acReadwrite},
    {},
};

constexpr UISnmpVar EngineBoots[] = {
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boots", sxInteger, acReadonly},
    {},
};

// After the device reboots (its engine boots once more and its engine time starts again), the
// first SNMPv3 request already succeeds: the time window is synchronised again at once.
TEST_F(RequestTest, SnmpV3AfterTheDeviceRebooted) {
    TestAgent device(TestAgent::Kind::Simulator, {"--reboot-seconds", "1"});
    auto v3 = [&](const UISnmpVar* table) {
        auto r = Request(3, table, SVT_SV, 0, device);
        r->security.securityModel = 3;
        r->security.securityLevel = 3;
        r->security.securityName = "SHA_DES_User";
        r->security.authProtocol = QxSNMPSecurity::AuthSha;
        r->security.authPassword = "shadespass1";
        r->security.privProtocol = QxSNMPSecurity::PrivDes;
        r->security.privPassword = "shadespriv1";
        return r;
    };
    auto boots = v3(EngineBoots);
    boots->Fetch(true);
    int before = std::stoi(boots->vars.Entry(0).value);

    auto reboot = Request(1, RebootCommand, SVT_SV, 0, device);
    reboot->vars.Entry(0).value = "1";
    reboot->Store();
    // Back when SNMPv2c answers again.
    auto probe = Request(1, SystemGroup, SVT_SV, 0, device);
    probe->timeout = 20;
    bool back = false;
    for (int attempt = 0; attempt < 20 && !back; ++attempt) {
        try {
            probe->Fetch(true);
            back = true;
        } catch (const QxError&) {
        }
    }
    ASSERT_TRUE(back);
    EXPECT_NO_THROW(boots->Fetch(true));
    EXPECT_EQ(std::stoi(boots->vars.Entry(0).value), before + 1);
}

TEST_F(RequestTest, StoreWritesOnlyTheSelectionAndRestoresTheList) {
    auto r = Request(1, TwoSettings, SVT_SV, 0);
    r->Fetch(true);
    std::string zoneBefore = r->vars.Entry(1).value;
    std::string newZone = zoneBefore == "480" ? "-300" : "480";
    r->vars.Entry(0).value = r->vars.Entry(0).value == "enabled" ? "disabled" : "enabled";
    std::string rmonWanted = r->vars.Entry(0).value;
    r->vars.Entry(1).value = newZone;
    // Only entry 0 goes out; entry 1's new text stays in the list but is not written.
    r->Store("0");
    EXPECT_EQ(r->vars.Entry(1).value, newZone);
    EXPECT_EQ(r->vars.Entry(1).access, static_cast<std::uint32_t>(acReadwrite));
    r->Fetch(true);
    EXPECT_EQ(r->vars.Entry(0).value, rmonWanted);
    EXPECT_EQ(r->vars.Entry(1).value, zoneBefore);
    // A value source supplies the text for a position within the selection.
    r->Store("1", [&](int position) { return position == 0 ? newZone : "x"; });
    EXPECT_EQ(r->vars.Entry(1).value, zoneBefore);
    r->Fetch(true);
    EXPECT_EQ(r->vars.Entry(1).value, newZone);
}

// "(NOTDONE)" and "(NULL)" stand for values the device did not give; a store leaves them out
// instead of writing 0 or a null over the device's setting.
// The placeholders of an absent value and of an ended column are no data: a store that would
// write one is refused as a whole, and the device keeps every value.
TEST_F(RequestTest, StoreRefusesPlaceholders) {
    auto r = Request(1, TwoSettings, SVT_SV, 0);
    r->vars.Entry(1).value = "480";
    r->Store("1");
    for (const char* placeholder : {"(NOTDONE)", "(NULL)"}) {
        SCOPED_TRACE(placeholder);
        r->Fetch(true);
        const std::string before = r->vars.Entry(0).value;
        r->vars.Entry(0).value = before == "enabled" ? "disabled" : "enabled";
        r->vars.Entry(1).value = placeholder;
        try {
            r->Store();
            ADD_FAILURE() << "a placeholder was stored";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), QxSNMPRequest::RefusedValueCode);
        }
        EXPECT_EQ(r->vars.Entry(1).value, placeholder);
        r->Fetch(true);
        EXPECT_EQ(r->vars.Entry(0).value, before);
        EXPECT_EQ(r->vars.Entry(1).value, "480");
    }
}

TEST_F(RequestTest, StoreErrorsRaiseAfterRestoring) {
    auto r = Request(1, SystemGroup, SVT_SV, 0);
    r->vars.Entry(4).access = acReadwrite; // sysServices is read-only on the device
    r->vars.Entry(4).value = "72";
    try {
        r->Store("4");
        ADD_FAILURE();
    } catch (const QxError& e) {
        EXPECT_TRUE(e.Code() == -117 || e.Code() == -106 || e.Code() == -104) << e.Code();
    }
    EXPECT_EQ(r->vars.Entry(0).access, static_cast<std::uint32_t>(acReadonly));
}

TEST_F(RequestTest, RowsAreCreatedAndDestroyedThroughTheStatusColumn) {
    auto r = Request(1, TrustHosts, MVT_UMV, 1);
    auto rowsWithIndex = [&](const std::string& index) {
        int found = 0;
        for (const auto& row : Walk(*r)) {
            found += row[0] == index ? 1 : 0;
        }
        return found;
    };
    ASSERT_EQ(rowsWithIndex("77"), 0);
    r->vars.Entry(0).value = "77";
    r->vars.Entry(1).value = "10.7.7.7";
    r->vars.Entry(2).value = "createAndGo";
    r->vars.Entry(3).value = "255.255.255.0";
    r->Store();
    EXPECT_EQ(rowsWithIndex("77"), 1);
    for (const auto& row : Walk(*r)) {
        if (row[0] == "77") {
            EXPECT_EQ(row[1], "10.7.7.7");
            EXPECT_EQ(row[2], "active");
        }
    }
    r->vars.Entry(0).value = "77";
    r->Store("2", [](int) { return std::string("destroy"); });
    EXPECT_EQ(rowsWithIndex("77"), 0);
}

struct Completions {
    std::vector<std::string> order;
    std::vector<QxSNMPError> results;
    static void Record(void* owner, const QxSNMPError& result, QxSNMPVarList& vars) {
        auto* self = static_cast<Completions*>(owner);
        self->order.push_back(vars.name);
        self->results.push_back(result);
    }
};

TEST_F(RequestTest, AsynchronousFetchesCompleteInOrderThroughThePump) {
    Completions seen;
    std::vector<std::unique_ptr<QxSNMPRequest>> requests;
    for (const char* name : {"a", "b", "c"}) {
        requests.push_back(Request(1, SystemGroup, SVT_SV, 0));
        requests.back()->vars.name = name;
        requests.back()->FetchAsync(&Completions::Record, &seen, true);
        EXPECT_EQ(requests.back()->outstanding, 1);
    }
    // Nothing completes before the window thread processes events.
    EXPECT_TRUE(seen.order.empty());
    ASSERT_TRUE(PumpUntil([&] { return seen.order.size() == 3; }));
    EXPECT_EQ(seen.order, (std::vector<std::string>{"a", "b", "c"}));
    for (const auto& result : seen.results) {
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(result.text, "Ok!");
        EXPECT_TRUE(result.done);
        EXPECT_EQ(result.agentAddress, "127.0.0.1");
        EXPECT_EQ(result.agentPort, sim_->Port());
    }
    for (const auto& r : requests) {
        EXPECT_EQ(r->outstanding, 0);
        EXPECT_FALSE(r->vars.Entry(0).value.empty());
    }
}

TEST_F(RequestTest, AsynchronousWalkDeliversOneRowPerExchange) {
    for (int version : {0, 1}) {
        auto r = Request(version, IfTable, MVT_FMV, 1);
        AsyncWalker w(*r);
        w.Start();
        ASSERT_TRUE(PumpUntil([&] { return w.ended; })) << version;
        EXPECT_EQ(w.code, 0) << version;
        EXPECT_EQ(w.rows, 28) << version;
    }
}

TEST_F(RequestTest, DestructionWaitsForTheExchangeInFlight) {
    Completions seen;
    {
        auto r = Request(1, SystemGroup, SVT_SV, 0);
        r->device.port = 9; // nobody answers: the completion is the time-out
        r->timeout = 20;
        r->FetchAsync(&Completions::Record, &seen, true);
    }
    ASSERT_EQ(seen.results.size(), 1u);
    EXPECT_EQ(seen.results[0].code, -405);
}

TEST_F(RequestTest, LateCompletionNeverReachesADestroyedRequest) {
    Completions seen;
    {
        auto r = Request(1, SystemGroup, SVT_SV, 0);
        r->device.port = 9;
        r->timeout = 500; // two tries of 5 s outlast the 6 s wait of the destructor
        r->FetchAsync(&Completions::Record, &seen, true);
    }
    EXPECT_TRUE(seen.results.empty());
    // The time-out comes after the destruction; it must not touch the request or its owner.
    PumpUntil([] { return false; }, std::chrono::milliseconds(4500));
    EXPECT_TRUE(seen.results.empty());
}

TEST_F(RequestTest, AnOwnerMayDestroyTheRequestInItsCallback) {
    struct Owner {
        std::unique_ptr<QxSNMPRequest> request;
        int calls = 0;
        static void Done(void* self, const QxSNMPError&, QxSNMPVarList&) {
            auto* o = static_cast<Owner*>(self);
            ++o->calls;
            o->request.reset(); // the page closes while its answer is being handled
        }
    };
    Owner owner;
    owner.request = Request(1, SystemGroup, SVT_SV, 0);
    owner.request->FetchAsync(&Owner::Done, &owner, true);
    ASSERT_TRUE(PumpUntil([&] { return owner.calls > 0; }));
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(owner.request, nullptr);
}

// A callback that raises (the bindings raise their errors from completions) still counts its
// exchange out, so that nobody waits for it for ever.
TEST_F(RequestTest, ACallbackThatRaisesStillCountsOut) {
    auto r = Request(1, SystemGroup, SVT_SV, 0);
    auto raise = [](void*, const QxSNMPError&, QxSNMPVarList&) {
        throw QxError("Binding failed", -517);
    };
    r->FetchAsync(raise, nullptr, true);
    // The session is served directly: an exception must not cross the window event loop.
    bool raised = false;
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!raised && std::chrono::steady_clock::now() < limit) {
        try {
            QxSNMPSession::Global()->ProcessPendingEvents();
        } catch (const QxError& e) {
            raised = e.Code() == -517;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(r->outstanding, 0);
}

// A request destroyed from inside another request's completion still hears its own answer,
// although the event pump does not run nested, and the destruction takes no longer than the
// exchange can last.
TEST_F(RequestTest, ARequestDestroyedInsideAnotherCompletionGetsItsAnswer) {
    struct Owner {
        std::unique_ptr<QxSNMPRequest> other;
        Completions seen;
        int calls = 0;
        std::chrono::steady_clock::duration destruction{};
        static void Done(void* self, const QxSNMPError&, QxSNMPVarList&) {
            auto* o = static_cast<Owner*>(self);
            ++o->calls;
            auto start = std::chrono::steady_clock::now();
            o->other.reset();
            o->destruction = std::chrono::steady_clock::now() - start;
        }
    };
    for (int port : {sim_->Port(), FreeUdpPort()}) {
        SCOPED_TRACE(port);
        Owner owner;
        auto first = Request(1, SystemGroup, SVT_SV, 0);
        owner.other = Request(1, SystemGroup, SVT_SV, 0);
        owner.other->device.port = static_cast<std::uint16_t>(port);
        owner.other->timeout = 30;
        owner.other->vars.name = "other";
        first->FetchAsync(&Owner::Done, &owner, true);
        owner.other->FetchAsync(&Completions::Record, &owner.seen, true);
        ASSERT_TRUE(PumpUntil([&] { return owner.calls > 0; }));
        ASSERT_EQ(owner.seen.results.size(), 1u);
        EXPECT_EQ(owner.seen.results[0].code, port == sim_->Port() ? 0 : -405);
        EXPECT_TRUE(owner.seen.results[0].done);
        // Two tries of 0.3 s at most, against the 6 s of an unserved wait.
        EXPECT_LT(owner.destruction, std::chrono::seconds(2));
    }
}

// When a user's credentials change, the exchanges still on the channel of the old ones end;
// their owners are told, with an error, instead of waiting for ever.
TEST_F(RequestTest, ExchangesOfAReplacedChannelEndWithAnError) {
    int port = FreeUdpPort(); // nobody answers: the old channel is still discovering
    auto v3 = [&](const char* authPassword) {
        auto r = Request(3, SystemGroup, SVT_SV, 0);
        r->device.port = static_cast<std::uint16_t>(port);
        r->timeout = 30;
        r->security.securityModel = 3;
        r->security.securityLevel = 2;
        r->security.securityName = "MD5_User";
        r->security.authProtocol = QxSNMPSecurity::AuthMd5;
        r->security.authPassword = authPassword;
        return r;
    };
    Completions seen;
    auto old = v3("wrongpass1");
    old->FetchAsync(&Completions::Record, &seen, true);
    auto corrected = v3("md5userpass");
    corrected->FetchAsync(&Completions::Record, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return !seen.results.empty(); }, std::chrono::milliseconds(1500)));
    EXPECT_EQ(seen.results[0].code, -408);
    EXPECT_TRUE(seen.results[0].done);
    EXPECT_EQ(old->outstanding, 0);
}

TEST_F(RequestTest, InactiveRequestsSendNothing) {
    Completions seen;
    auto r = Request(1, SystemGroup, SVT_SV, 0);
    r->active = false;
    EXPECT_FALSE(r->Fetch(true));
    r->FetchAsync(&Completions::Record, &seen, true);
    r->StoreAsync(&Completions::Record, &seen);
    EXPECT_EQ(r->outstanding, 0);
    EXPECT_TRUE(r->vars.Entry(0).value.empty());
}

TEST_F(RequestTest, FrameworkErrorsOfTheRequest) {
    auto bad = Request(1, SystemGroup, 7, 0);
    struct {
        const char* what;
        std::function<void()> call;
        int code;
    } cases[] = {
        {"unknown kind fetch", [&] { bad->Fetch(true); }, -515},
        {"unknown kind store", [&] { bad->Store(); }, -515},
        {"invalid address",
         [&] {
             auto r = Request(1, SystemGroup, SVT_SV, 0);
             r->device.address = "300.1.2.3";
             r->Fetch(true);
         },
         -509},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.what;
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), c.code) << c.what;
        }
    }
}

} // namespace
