#include "TestAgent.h"
#include "TestProgram.h"
#include "main_window/ScriptSwitches.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(ScriptSwitchesTest, SwitchesLeaveTheModulesCommandLine) {
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> kept;
        bool catalogue;
        const char* print;
        const char* open;
        const char* error;
    } cases[] = {
        {{"/I10.0.0.1", "--catalogue"}, {"/I10.0.0.1"}, true, nullptr, nullptr, ""},
        // A path holding a marker ("/v") stays the switch's value.
        {{"/I10.0.0.1", "--print", "RMON / Alarm/Event", "/v1"},
         {"/I10.0.0.1", "/v1"}, false, "RMON / Alarm/Event", nullptr, ""},
        {{"--open", "Help / About", "/I10.0.0.1"}, {"/I10.0.0.1"}, false, nullptr, "Help / About", ""},
        {{"/I10.0.0.1", "--print"}, {"/I10.0.0.1"}, false, nullptr, nullptr,
         "--print needs a menu path"},
        {{"--format", "xml", "/I10.0.0.1"}, {"/I10.0.0.1"}, false, nullptr, nullptr,
         "--format needs csv or tabs"},
        {{"/I10.0.0.1", "--find"}, {"/I10.0.0.1"}, false, nullptr, nullptr,
         "--find needs the words to look for"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.given;
        ScriptSwitches s = ScriptSwitches::Take(args);
        EXPECT_EQ(args, c.kept);
        EXPECT_EQ(s.catalogue, c.catalogue);
        EXPECT_EQ(s.print.value_or("-"), c.print != nullptr ? c.print : "-");
        EXPECT_EQ(s.open.value_or("-"), c.open != nullptr ? c.open : "-");
        EXPECT_EQ(s.error, c.error);
    }
}

TEST(ScriptSwitchesTest, FormatAndFindTakeTheirValues) {
    std::vector<std::string> args = {"--format", "csv", "/I10.0.0.1", "--find", "trust table"};
    ScriptSwitches s = ScriptSwitches::Take(args);
    EXPECT_EQ(args, (std::vector<std::string>{"/I10.0.0.1"}));
    EXPECT_EQ(s.format, PrintFormat::Csv);
    EXPECT_EQ(s.find.value_or("-"), "trust table");
    args = {"--format", "tabs"};
    EXPECT_EQ(ScriptSwitches::Take(args).format, PrintFormat::Tabs);
}

TEST(ScriptSwitchesTest, FindPrintsTheMatchingMenuPaths) {
    ProgramResult found = RunProgram({KSW524P_PATH, "--find", "TABLE trust"});
    ASSERT_EQ(found.exitCode, 0) << found.err;
    EXPECT_EQ(found.out, "Basic Configuration / Basic / Trust Host Management / Trust Host Table\n");
    ProgramResult none = RunProgram({KSW524P_PATH, "--find", "no such entry"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "");
}

TEST(ScriptSwitchesTest, CatalogueIsJsonOfEveryEntry) {
    ProgramResult r = RunProgram({KSW524P_PATH, "--catalogue"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QJsonParseError error{};
    QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(doc.isArray());
    EXPECT_EQ(doc.array().size(), 258);
    EXPECT_EQ(doc.array().at(0).toObject().value(QStringLiteral("menu")).toString(),
              QStringLiteral("Basic Configuration"));
}

class PrintTest : public testing::Test {
protected:
    static void SetUpTestSuite() { sim_ = new TestAgent(TestAgent::Kind::Simulator); }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    // SNMPv3 lets the command line name the port.
    static ProgramResult Print(const std::string& path, int port = 0,
                               const std::vector<std::string>& more = {}) {
        std::vector<std::string> args = {
            KSW524P_PATH, "/I127.0.0.1", "/v3",
            "/t" + std::to_string(port != 0 ? port : sim_->Port()), "/m3", "/l3",
            "/nMD5_DES_User", "/a2", "/Amd5despass1", "/p2", "/Pmd5despriv1", "--print", path};
        args.insert(args.end(), more.begin(), more.end());
        return RunProgram(args);
    }
    static TestAgent* sim_;
};

TestAgent* PrintTest::sim_ = nullptr;

TEST_F(PrintTest, ScalarTableAndTabbedPages) {
    ProgramResult scalar = Print("Basic Configuration / Time Management / System Time");
    ASSERT_EQ(scalar.exitCode, 0) << scalar.err;
    EXPECT_NE(scalar.out.find("Time Zone [ -779..839]\t"), std::string::npos) << scalar.out;
    EXPECT_EQ(scalar.out.rfind("Current Time\t", 0), 0u) << scalar.out;

    ProgramResult table =
        Print(" Basic Configuration / Basic / Trust Host Management / Trust Host Table ");
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_EQ(table.out.rfind("Trust Host Index\tTrust Host IP Address\tTrust Host Row Status\t"
                              "Trust Host IP Subnet Mask\n",
                              0),
              0u)
        << table.out;
    EXPECT_NE(table.out.find("1\t192.0.2.50\tactive\t255.255.255.255\n"), std::string::npos)
        << table.out;

    ProgramResult tabs = Print("SNMP V3 / User-based Security Model / User Table");
    ASSERT_EQ(tabs.exitCode, 0) << tabs.err;
    EXPECT_EQ(tabs.out.rfind("[User Spin Lock]\nUser Spin Lock\t", 0), 0u) << tabs.out;
    EXPECT_NE(tabs.out.find("\n[USM User Table]\nUser EngineID\t"), std::string::npos);
}

// The same lines as CSV records: one field per tab-separated field.
TEST_F(PrintTest, CsvHasTheSameRowsAndColumns) {
    for (const char* path : {"Basic Configuration / Basic / Trust Host Management / Trust Host Table",
                             "Basic Configuration / Time Management / System Time",
                             "SNMP V3 / User-based Security Model / User Table"}) {
        ProgramResult tabs = Print(path);
        ProgramResult csv = Print(path, 0, {"--format", "csv"});
        ASSERT_EQ(tabs.exitCode, 0) << tabs.err;
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        std::string expected;
        size_t from = 0;
        while (from < tabs.out.size()) {
            const size_t end = tabs.out.find('\n', from);
            std::string line = tabs.out.substr(from, end - from);
            from = end + 1;
            std::string record;
            size_t field = 0;
            while (true) {
                const size_t tab = line.find('\t', field);
                std::string text = line.substr(field, tab - field);
                const bool quote = text.find_first_of(",\"") != std::string::npos ||
                                   (!text.empty() && (text.front() == ' ' || text.back() == ' '));
                if (quote) {
                    std::string quoted = "\"";
                    for (char c : text) {
                        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                    }
                    text = quoted + "\"";
                }
                record += (field > 0 ? "," : "") + text;
                if (tab == std::string::npos) {
                    break;
                }
                field = tab + 1;
            }
            expected += record + "\n";
        }
        // Counters and times move between the two reads (the clock's seconds among them):
        // compare the Trust Host table whole, the others line by line by their first field.
        if (std::string(path).find("Trust Host") != std::string::npos) {
            EXPECT_EQ(csv.out, expected);
        } else {
            const auto firstFields = [](const std::string& text) {
                std::vector<std::string> fields;
                size_t from = 0;
                while (from < text.size()) {
                    const size_t end = text.find('\n', from);
                    const std::string line = text.substr(from, end - from);
                    fields.push_back(line.substr(0, line.find(',')));
                    from = end == std::string::npos ? text.size() : end + 1;
                }
                return fields;
            };
            EXPECT_EQ(firstFields(csv.out), firstFields(expected)) << csv.out;
        }
    }
}

TEST_F(PrintTest, FailuresAndUnknownPaths) {
    ProgramResult unknown = Print("Basic Configuration / Nothing here");
    EXPECT_EQ(unknown.exitCode, 2);
    ProgramResult notAPage = Print("Help / About");
    EXPECT_EQ(notAPage.exitCode, 2);
    ProgramResult silent =
        Print("Basic Configuration / Time Management / System Time", FreeUdpPort());
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_NE(silent.err.find("Get: "), std::string::npos) << silent.err;
}

// --check tries the connection the device switches describe: exit 0 and the device's
// description when it answers, else what is wrong.
TEST_F(PrintTest, CheckTestsTheConnection) {
    const std::string port = "/t" + std::to_string(sim_->Port());
    const struct {
        std::vector<std::string> switches;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"/I127.0.0.1", "/v3", port, "/m3", "/l3", "/nMD5_DES_User", "/a2", "/Amd5despass1", "/p2",
          "/Pmd5despriv1"},
         0,
         "answers SNMPv3.\nDescription: "},
        {{"/I127.0.0.1", "/Rpublic", "/v3", port, "/m3", "/l2", "/nMD5_User", "/a2",
          "/Awrong-pass"},
         1,
         "authentication pass phrase"},
        {{"/I127.0.0.1", "/v3", port, "/l1", "/nnoAuthUser"}, 1, "/m3"},
        {{"/Ino-such-host.invalid", "/v1"}, 2, "\"no-such-host.invalid\""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> argv{KSW524P_PATH, "--check"};
        argv.insert(argv.end(), c.switches.begin(), c.switches.end());
        const ProgramResult r = RunProgram(argv);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
    }
}

// A walk longer than any single exchange's bound is printed whole: the wait is bounded per
// exchange, not per walk. A device that stops answering in the middle fails the print.
TEST(SlowPrintTest, AWalkOfASlowDeviceIsPrintedWhole) {
    TestAgent slow(TestAgent::Kind::Simulator, {"--delay-ms", "250"});
    ProgramResult table =
        RunProgram({KSW524P_PATH, "/I127.0.0.1", "/v3", "/t" + std::to_string(slow.Port()), "/m3",
                    "/l1", "/nnoAuthUser", "--print", "Basic Configuration / MIB II / IF Table"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    int lines = 0;
    for (char c : table.out) {
        lines += c == '\n' ? 1 : 0;
    }
    EXPECT_EQ(lines, 1 + 28) << table.out; // the captions and every port
}

} // namespace
