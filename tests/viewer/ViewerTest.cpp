// The table viewers: which tables each switch shows, how the module's command lines reach the
// connection, and the viewer program reading ksw-sim (rows and captions), as the module
// starts it.
#include "SnmpTool.h"
#include "TestAgent.h"
#include "TestProgram.h"
#include "main_window/DeviceCommands.h"
#include "main_window/catalogue/PageDefinition.h"
#include "shell/QxCommandLine.h"
#include "shell/QxSettingsTexts.h"
#include "snmp/QxSNMPGlobal.h"
#include "viewer/ViewerCatalogue.h"
#include "viewer/ViewerRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::optional<std::string> Loopback(const std::string& host) {
    return host;
}

TEST(ViewerCatalogue, EveryViewerEntryOfTheMenuHasItsTablesUnderItsProgramName) {
    std::set<std::string> switches;
    for (const PageDefinition& entry : Catalogue) {
        if (entry.kind != EntryKind::Viewer) {
            continue;
        }
        const std::string tableSwitch = entry.target;
        switches.insert(tableSwitch);
        const PageDefinition* viewer = FindViewerEntry(tableSwitch);
        ASSERT_NE(viewer, nullptr) << tableSwitch;
        EXPECT_EQ(ViewerProgram(tableSwitch), viewer->topMenu) << tableSwitch;
        ASSERT_FALSE(viewer->pages.empty()) << tableSwitch;
        // Several tables are tabs of one window; each page ends its descriptor table.
        EXPECT_EQ(viewer->kind == EntryKind::Tabbed, viewer->pages.size() > 1) << tableSwitch;
        for (const PageSpec& page : viewer->pages) {
            ASSERT_NE(page.vars, nullptr);
            int rows = 0;
            for (const UISnmpVar* v = page.vars; v->oid != nullptr; ++v) {
                ++rows;
                // A viewer never writes.
                EXPECT_EQ(v->access & acWriteonly, 0u) << tableSwitch << " " << v->label;
            }
            EXPECT_GT(rows, page.indexCount) << tableSwitch;
        }
    }
    EXPECT_EQ(switches.size(), 15u);
    EXPECT_EQ(ViewerCatalogue.size(), 15u);
    EXPECT_EQ(FindViewerEntry("/TRmon_Nothing"), nullptr);
    EXPECT_EQ(FindViewerEntry(""), nullptr);
}

TEST(ViewerCommandLine, TheTableSwitchIsTheLastTArgument) {
    EXPECT_EQ(TableSwitchOf({"/I1.2.3.4", "/TRmon_History", ""}), "/TRmon_History");
    EXPECT_EQ(TableSwitchOf({"/TBridge_Forwarding", "/TLayer3_PIM"}), "/TLayer3_PIM");
    EXPECT_EQ(TableSwitchOf({"/I1.2.3.4", "/T", "--print"}), "");
}

QxSettingsTexts V3Texts(int port) {
    QxSettingsTexts t;
    t.address = "127.0.0.1";
    t.version = "3";
    t.port = std::to_string(port);
    t.securityModel = "3";
    t.securityName = "MD5_DES_User";
    t.securityLevel = "3";
    t.authProtocol = "2";
    t.privProtocol = "2";
    t.authPassword = "md5despass1";
    t.privPassword = "md5despriv1";
    return t;
}

QxSettingsTexts V2Texts() {
    QxSettingsTexts t;
    t.address = "127.0.0.1";
    t.version = "1";
    t.readCommunity = "readcm";
    t.writeCommunity = "writecm";
    return t;
}

TEST(ViewerCommandLine, TheModulesSnmpV3LineSetsEverySettingIncludingThePortBeforeV3) {
    QxSNMPGlobal global;
    const std::vector<std::string> line = ViewerArguments("/TLayer3_PIM", V3Texts(2161));
    ASSERT_EQ(line.front().rfind("/I", 0), 0u);
    ASSERT_EQ(line[1], "/t2161"); // the module passes the port before "/v3"
    ASSERT_EQ(QxCommandLine::Parse(ConnectionArguments(line), global, Loopback),
              QxCommandLine::Result::Ok);
    EXPECT_EQ(global.device.address, "127.0.0.1");
    EXPECT_EQ(global.device.port, 2161);
    EXPECT_EQ(global.security.version, 3);
    EXPECT_EQ(global.security.securityName, "MD5_DES_User");
    EXPECT_EQ(global.security.securityLevel, 3);
    EXPECT_EQ(global.security.authProtocol, 2);
    EXPECT_EQ(global.security.privProtocol, 2);
    EXPECT_EQ(global.security.authPassword, "md5despass1");
    EXPECT_EQ(global.security.privPassword, "md5despriv1");

    QxSNMPGlobal v2;
    ASSERT_EQ(QxCommandLine::Parse(
                  ConnectionArguments(ViewerArguments("/TRmon_History", V2Texts())), v2, Loopback),
              QxCommandLine::Result::Ok);
    EXPECT_EQ(v2.security.readCommunity, "readcm");
    EXPECT_EQ(v2.security.writeCommunity, "writecm");
}

// The viewer program installed as the module installs it: in a suite folder (".../velsyn_ems/
// bin/") under one of its program names, beside the device's configuration file, which gives
// SNMPv1 and SNMPv2c viewers the agent port and version.
class ViewerProgramTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        sim_ = new TestAgent(TestAgent::Kind::Simulator);
        root_ = fs::temp_directory_path() / ("ksw-viewer-test-" + std::to_string(getpid()));
        folder_ = root_ / "velsyn_ems" / "bin";
        fs::create_directories(folder_);
        fs::copy_file(KSW_VIEWER_PATH, folder_ / "Layer3", fs::copy_options::overwrite_existing);
        std::ofstream(folder_ / "127.0.0.1.cfg")
            << "[Program Information]\r\nAgentPort=" << sim_->Port() << "\r\nVersion=1\r\n";
        // Outside a suite folder no configuration file applies: only the command line counts.
        fs::create_directories(root_ / "alone");
        fs::copy_file(KSW_VIEWER_PATH, Alone(), fs::copy_options::overwrite_existing);
    }
    static fs::path Alone() { return root_ / "alone" / "Rmon"; }
    // The viewer outside the suite folder, with the module's SNMPv3 command line.
    static ProgramResult RunV3(const std::string& tableSwitch, const QxSettingsTexts& texts) {
        std::vector<std::string> line = ViewerArguments(tableSwitch, texts);
        line.insert(line.begin(), Alone().string());
        line.emplace_back("--print");
        return RunProgram(line);
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    static ProgramResult Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), (folder_ / "Layer3").string());
        return RunProgram(arguments);
    }
    static ProgramResult Print(const std::string& tableSwitch) {
        std::vector<std::string> line = ViewerArguments(tableSwitch, V2Texts());
        line.emplace_back("--print");
        return Run(line);
    }

    static TestAgent* sim_;
    static fs::path root_;
    static fs::path folder_;
};

TestAgent* ViewerProgramTest::sim_ = nullptr;
fs::path ViewerProgramTest::root_;
fs::path ViewerProgramTest::folder_;

// What each switch prints from the simulator: its first lines (tab titles and column captions)
// and a row of each table.
struct PrintCase {
    const char* tableSwitch;
    std::vector<std::string> expected;
};

const PrintCase PrintCases[] = {
    {"/TEthernetLike_dot3StatsTable",
     {"dot3StatsIndex\tdot3StatsAlignmentErrors\tdot3StatsFCSErrors\t", "\n7\t", "\thalfDuplex\t"}},
    {"/TBridge_Forwarding",
     {"dot1dTpFdbAddress\tdot1dTpFdbPort\tdot1dTpFdbStatus\n", "001B21102033\t3\tlearned\n"}},
    {"/TVLan_Tp8021QStatic",
     {"[Static Unicast Table]\ndot1qFdbId\tdot1qStaticUnicastAddress\t",
      "1\t001B21102040\t0\t80000000\tpermanent\n", "[Static Multicast Table]\ndot1qVlanIndex\t",
      "2\t01005E7F0001\t0\t00F00000\t00000000\tpermanent\n"}},
    {"/TRmon_Statistics",
     {"etherStatsIndex\tetherStatsDataSource\t", "\n3\t1.3.6.1.2.1.2.2.1.1.3\t",
      "\tmonitor\tvalid\n"}},
    {"/TRmon_History",
     {"[History Control Table]\nhistoryControlIndex\t", "2\t1.3.6.1.2.1.2.2.1.1.2\t50\t50\t1800\t",
      "[Ethernet History Table]\netherHistoryIndex\tetherHistorySampleIndex\t", "\n1\t3\t"}},
    {"/TRmon_AlarmEvent",
     {"[Alarm Table]\nalarmIndex\t", "\t1.3.6.1.2.1.16.1.1.1.8.1\tdeltaValue\t",
      "[Event Table]\neventIndex\teventDescription\t",
      "1\tInput errors rising\tlogandtrap\tpublic\t"}},
    {"/TLayer3_RIP",
     {"ipCidrRouteDest\tipCidrRouteMask\tipCidrRouteTos\tipCidrRouteNextHop\t",
      "198.51.100.0\t255.255.255.0\t0\t192.0.2.2\t25\tremote\trip\t"}},
    {"/TLayer3_RIP2",
     {"[Interface Statistics]\nrip2IfStatAddress\t", "198.51.100.10\t2\t0\t398\tactive\n",
      "[Interface Configuration]\nrip2IfConfAddress\t", "192.0.2.10\t0000\tnoAuthentication\t"}},
    {"/TLayer3_OSPF", {"ospfRouterId\t192.0.2.10\n", "ospfAdminStat\tenabled\n"}},
    {"/TLayer3_Area", {"ospfAreaId\tospfAuthType\t", "0.0.0.1\tmd5\timportNoExternal\t"}},
    {"/TLayer3_Lsdb",
     {"ospfLsdbAreaId\tospfLsdbType\tospfLsdbLsid\tospfLsdbRouterId\t",
      "0.0.0.0\tnetworkLink\t192.0.2.20\t192.0.2.20\t"}},
    {"/TLayer3_Neighbor",
     {"ospfNbrIpAddr\tospfNbrAddressLessIndex\t", "192.0.2.30\t0\t192.0.2.30\t2\t0\ttwoWay\t"}},
    {"/TLayer3_IPM",
     {"ipMRouteGroup\tipMRouteSource\tipMRouteSourceMask\t",
      "239.1.2.1\t198.51.100.7\t255.255.255.255\t192.0.2.30\t26\t"}},
    {"/TLayer3_DVMRP",
     {"[DVMRP Interface Table]\ndvmrpInterfaceIfIndex\t", "26\t198.51.100.10\t3\tactive\t",
      "[DVMRP Neighbor Table]\ndvmrpNeighborIfIndex\tdvmrpNeighborAddress\t",
      "25\t192.0.2.20\t2:24:10.00\t"}},
    {"/TLayer3_PIM",
     {"[PIM Interface Table]\npimInterfaceIfIndex\t", "25\t192.0.2.10\t255.255.255.0\tsparse\t",
      "[PIM Neighbor Table]\npimNeighborAddress\t", "192.0.2.20\t25\t"}},
};

TEST_F(ViewerProgramTest, EachSwitchPrintsItsTablesWithCaptionsAndRows) {
    for (const PrintCase& c : PrintCases) {
        const ProgramResult r = Print(c.tableSwitch);
        EXPECT_EQ(r.exitCode, 0) << c.tableSwitch << "\n" << r.err;
        for (const std::string& part : c.expected) {
            EXPECT_NE(r.out.find(part), std::string::npos)
                << c.tableSwitch << ": no \"" << part << "\" in\n"
                << r.out;
        }
    }
}

TEST_F(ViewerProgramTest, AnIndependentAgentsRoutesAreTheRowsOfTheCidrViewer) {
    // Debian's snmpd serves the host's own routes; the viewer shows one row per route that
    // net-snmp's walk of the destination column finds.
    TestAgent snmpd(TestAgent::Kind::Snmpd);
    const fs::path folder = root_ / "snmpd" / "velsyn_ems" / "bin";
    fs::create_directories(folder);
    fs::copy_file(KSW_VIEWER_PATH, folder / "Layer3", fs::copy_options::overwrite_existing);
    std::ofstream(folder / "127.0.0.1.cfg")
        << "[Program Information]\r\nAgentPort=" << snmpd.Port() << "\r\nVersion=1\r\n";
    std::vector<std::string> line = ViewerArguments("/TLayer3_RIP", V2Texts());
    line.insert(line.begin(), (folder / "Layer3").string());
    line.emplace_back("--print");
    const ProgramResult r = RunProgram(line);
    ASSERT_EQ(r.exitCode, 0) << r.err;

    const ProgramResult walk =
        SnmpTool(snmpd, {"-v2c", "-c", "readcm"}).Walk("1.3.6.1.2.1.4.24.4.1.1");
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    std::vector<std::string> destinations;
    for (const auto& [oid, value] : SnmpTool::Values(walk.out)) {
        destinations.push_back(value);
    }
    std::vector<std::string> rows;
    std::size_t at = r.out.find('\n');
    ASSERT_NE(at, std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(0, at).rfind("ipCidrRouteDest\tipCidrRouteMask\t", 0), 0u);
    for (std::size_t next = r.out.find('\n', at + 1); next != std::string::npos;
         at = next, next = r.out.find('\n', at + 1)) {
        const std::string row = r.out.substr(at + 1, next - at - 1);
        rows.push_back(row.substr(0, row.find('\t')));
    }
    std::sort(rows.begin(), rows.end());
    std::sort(destinations.begin(), destinations.end());
    EXPECT_EQ(rows, destinations) << r.out << "\n" << walk.out;
}

TEST_F(ViewerProgramTest, TheModulesSnmpV3LineReadsWithThoseCredentials) {
    const ProgramResult good = RunV3("/TRmon_Statistics", V3Texts(sim_->Port()));
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_NE(good.out.find("\n2\t1.3.6.1.2.1.2.2.1.1.2\t"), std::string::npos) << good.out;

    // A wrong pass phrase is the device's refusal, reported as a module page reports it.
    QxSettingsTexts wrong = V3Texts(sim_->Port());
    wrong.authPassword = "not-the-pass-phrase";
    const ProgramResult refused = RunV3("/TRmon_Statistics", wrong);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Get: Authentication failure!"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out.rfind("etherStatsIndex\t", 0), 0u) << refused.out;
}

TEST_F(ViewerProgramTest, ADeviceThatDoesNotAnswerIsReportedAsAPageReportsIt) {
    const ProgramResult r = RunV3("/TBridge_Forwarding", V3Texts(FreeUdpPort()));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Get: SNMP request timed out!"), std::string::npos) << r.err;
    // The columns are there, no row.
    EXPECT_EQ(r.out, "dot1dTpFdbAddress\tdot1dTpFdbPort\tdot1dTpFdbStatus\n");
}

TEST_F(ViewerProgramTest, UnknownTablesAndHostsEndTheViewer) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* error;
    } cases[] = {
        {{"/I127.0.0.1", "/TLayer3_Nothing", "", "--print"}, 2, "Unknown table: /TLayer3_Nothing"},
        {{"/I127.0.0.1", "--print"}, 2, "No table switch (/T<table>) given"},
        {{"/Ino-such-host.invalid", "/TLayer3_PIM", "--print"},
         1,
         "Error Host Name! \"no-such-host.invalid\" is not a known host name"},
    };
    for (const auto& c : cases) {
        const ProgramResult r = Run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.error;
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    }
}

} // namespace
