// Who the simulator answers, what a walk of the standard groups shows, and how it ends.

#include "SnmpTool.h"
#include "TestAgent.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string SysName = ".1.3.6.1.2.1.1.5.0";

struct Credentials {
    const char* what;
    std::vector<std::string> args;
    const char* failure; // nullptr: answered; else what the tool reports
};

const Credentials CredentialCases[] = {
    {"v1 read community", {"-v1", "-c", "readcm"}, nullptr},
    {"v1 write community", {"-v1", "-c", "writecm"}, nullptr},
    {"v2c public", {"-v2c", "-c", "public"}, nullptr},
    {"v2c private", {"-v2c", "-c", "private"}, nullptr},
    {"v2c unknown community", {"-v2c", "-c", "nobody"}, "Timeout"},
    {"v1 unknown community", {"-v1", "-c", "Public"}, "Timeout"},
    {"v3 noAuthUser", {"-v3", "-u", "noAuthUser", "-l", "noAuthNoPriv"}, nullptr},
    {"v3 MD5_User",
     {"-v3", "-u", "MD5_User", "-l", "authNoPriv", "-a", "MD5", "-A", "md5userpass"},
     nullptr},
    {"v3 SHA_User",
     {"-v3", "-u", "SHA_User", "-l", "authNoPriv", "-a", "SHA", "-A", "shauserpass"},
     nullptr},
    {"v3 MD5_DES_User",
     {"-v3", "-u", "MD5_DES_User", "-l", "authPriv", "-a", "MD5", "-A", "md5despass1", "-x", "DES",
      "-X", "md5despriv1"},
     nullptr},
    {"v3 SHA_DES_User",
     {"-v3", "-u", "SHA_DES_User", "-l", "authPriv", "-a", "SHA", "-A", "shadespass1", "-x", "DES",
      "-X", "shadespriv1"},
     nullptr},
    {"v3 SHA224_User",
     {"-v3", "-u", "SHA224_User", "-l", "authNoPriv", "-a", "SHA-224", "-A", "sha224userpass"},
     nullptr},
    {"v3 SHA256_AES_User",
     {"-v3", "-u", "SHA256_AES_User", "-l", "authPriv", "-a", "SHA-256", "-A", "sha256aespass",
      "-x", "AES", "-X", "sha256aespriv"},
     nullptr},
    {"v3 SHA384_AES192_User",
     {"-v3", "-u", "SHA384_AES192_User", "-l", "authPriv", "-a", "SHA-384", "-A",
      "sha384aes192pass", "-x", "AES-192", "-X", "sha384aes192priv"},
     nullptr},
    {"v3 SHA512_AES256_User",
     {"-v3", "-u", "SHA512_AES256_User", "-l", "authPriv", "-a", "SHA-512", "-A",
      "sha512aes256pass", "-x", "AES-256", "-X", "sha512aes256priv"},
     nullptr},
    {"v3 SHA-2 user with SHA-1",
     {"-v3", "-u", "SHA224_User", "-l", "authNoPriv", "-a", "SHA", "-A", "sha224userpass"},
     "Authentication failure"},
    {"v3 AES-256 user with AES-128",
     {"-v3", "-u", "SHA512_AES256_User", "-l", "authPriv", "-a", "SHA-512", "-A",
      "sha512aes256pass", "-x", "AES", "-X", "sha512aes256priv"},
     "Timeout"},
    {"v3 wrong auth pass phrase",
     {"-v3", "-u", "SHA_User", "-l", "authNoPriv", "-a", "SHA", "-A", "shauserpasX"},
     "Authentication failure"},
    {"v3 wrong auth protocol",
     {"-v3", "-u", "MD5_User", "-l", "authNoPriv", "-a", "SHA", "-A", "md5userpass"},
     "Authentication failure"},
    {"v3 wrong priv pass phrase",
     {"-v3", "-u", "SHA_DES_User", "-l", "authPriv", "-a", "SHA", "-A", "shadespass1", "-x", "DES",
      "-X", "shadespriX1"},
     "Timeout"},
    {"v3 unknown user", {"-v3", "-u", "nobody", "-l", "noAuthNoPriv"}, "Unknown user name"},
    {"v3 privacy user below its level",
     {"-v3", "-u", "MD5_DES_User", "-l", "authNoPriv", "-a", "MD5", "-A", "md5despass1"},
     "authorizationError"},
};

// Debian's snmpd with the test configuration must accept exactly the same credentials, so
// that tests can run one table against both agents.
TEST(SimAccess, AnswersItsCommunitiesAndUsersOnly) {
    for (const TestAgent::Kind kind : {TestAgent::Kind::Simulator, TestAgent::Kind::Snmpd}) {
        SCOPED_TRACE(kind == TestAgent::Kind::Simulator ? "ksw-sim" : "snmpd");
        TestAgent agent(kind);
        for (const Credentials& c : CredentialCases) {
            SCOPED_TRACE(c.what);
            const ProgramResult r = SnmpTool(agent, c.args).Get({SysName});
            const auto values = SnmpTool::Values(r.out);
            if (c.failure == nullptr) {
                EXPECT_EQ(r.exitCode, 0) << r.err;
                EXPECT_EQ(values.count(SysName), 1u) << r.out;
            } else {
                EXPECT_NE(r.exitCode, 0) << r.out;
                EXPECT_EQ(values.count(SysName), 0u) << r.out;
                EXPECT_NE(r.err.find(c.failure), std::string::npos) << r.err;
            }
        }
    }
}

TEST(SimAccess, WalksSystemAndInterfacesInEveryVersion) {
    TestAgent agent;
    const std::vector<std::vector<std::string>> versions = {
        {"-v1", "-c", "public"},
        {"-v2c", "-c", "readcm"},
        {"-v3", "-u", "SHA_User", "-l", "authNoPriv", "-a", "SHA", "-A", "shauserpass"},
    };
    for (const auto& credentials : versions) {
        SCOPED_TRACE(credentials[0]);
        const SnmpTool tool(agent, credentials);

        const auto system = SnmpTool::Values(tool.Walk(".1.3.6.1.2.1.1").out);
        for (const char* name : {".1.3.6.1.2.1.1.1.0", ".1.3.6.1.2.1.1.2.0", ".1.3.6.1.2.1.1.3.0",
                                 ".1.3.6.1.2.1.1.4.0", ".1.3.6.1.2.1.1.5.0", ".1.3.6.1.2.1.1.6.0",
                                 ".1.3.6.1.2.1.1.7.0"})
            EXPECT_EQ(system.count(name), 1u) << name;
        EXPECT_EQ(system.at(SysName), "\"KSW-524P\"");

        const auto ifIndex = SnmpTool::Values(tool.Walk(".1.3.6.1.2.1.2.2.1.1").out);
        ASSERT_EQ(ifIndex.size(), 28u);
        for (int port = 1; port <= 28; ++port)
            EXPECT_EQ(ifIndex.at(".1.3.6.1.2.1.2.2.1.1." + std::to_string(port)),
                      std::to_string(port));
        const auto ifNumber = SnmpTool::Values(tool.Get({".1.3.6.1.2.1.2.1.0"}).out);
        EXPECT_EQ(ifNumber.at(".1.3.6.1.2.1.2.1.0"), "28");
    }
}

TEST(SimAccess, ServesTheSnmpV3Tables) {
    TestAgent agent;
    const SnmpTool tool(agent, {"-v2c", "-c", "public"});
    // usmUserSecurityName: the data file's rows, whatever users the agent authenticates.
    const auto users = SnmpTool::Values(tool.Walk(".1.3.6.1.6.3.15.1.2.2.1.3").out);
    std::vector<std::string> names;
    for (const auto& [name, value] : users)
        names.push_back(value);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"\"MD5_User\"", "\"SHA_DES_User\"", "\"noAuthUser\""}));
    // The library keeps the USM statistics.
    EXPECT_EQ(SnmpTool::Values(tool.Walk(".1.3.6.1.6.3.15.1.1").out).size(), 6u);
    // snmpCommunityName: the four communities.
    EXPECT_EQ(SnmpTool::Values(tool.Walk(".1.3.6.1.6.3.18.1.1.1.2").out).size(), 4u);
    // vacmSecurityToGroupTable and snmpEngineID answer too.
    EXPECT_FALSE(SnmpTool::Values(tool.Walk(".1.3.6.1.6.3.16.1.2.1.3").out).empty());
    EXPECT_EQ(SnmpTool::Values(tool.Get({".1.3.6.1.6.3.10.2.1.1.0"}).out).size(), 1u);
}

TEST(SimAccess, EndsCleanlyOnSigintAndSigterm) {
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        TestAgent agent;
        ASSERT_EQ(kill(agent.Pid(), signal), 0);
        // The signal alone ends it; Stop() then only collects the exit status.
        for (int i = 0; i < 300 && agent.Running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(agent.Running());
        EXPECT_EQ(agent.Stop(), 0) << agent.LogText();
    }
}

// A slow device: every answer leaves no earlier than the delay, in every version; an SNMPv3
// request (engine discovery first) still gets through, and jittered answers still make a
// complete walk.
TEST(SimAccess, DelaysEveryAnswer) {
    using Clock = std::chrono::steady_clock;
    constexpr auto Delay = std::chrono::milliseconds(250);
    TestAgent agent(TestAgent::Kind::Simulator, {"--delay-ms", "250"});
    const std::vector<std::vector<std::string>> versions = {
        {"-v1", "-c", "public"},
        {"-v2c", "-c", "readcm"},
        {"-v3", "-u", "SHA_DES_User", "-l", "authPriv", "-a", "SHA", "-A", "shadespass1", "-x",
         "DES", "-X", "shadespriv1"},
    };
    for (const auto& credentials : versions) {
        SCOPED_TRACE(credentials[0]);
        const auto start = Clock::now();
        const ProgramResult r = SnmpTool(agent, credentials, {"-t", "2", "-r", "0"}).Get({SysName});
        const auto elapsed = Clock::now() - start;
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(SnmpTool::Values(r.out)[SysName], "\"KSW-524P\"") << r.out << r.err;
        // SNMPv3 asks the engine first: two exchanges, each delayed.
        EXPECT_GE(elapsed, credentials[0] == "-v3" ? 2 * Delay : Delay);
    }
    // The agent ends cleanly with answers still held.
    SnmpTool(agent, {"-v2c", "-c", "public"}, {"-t", "0.05", "-r", "0"}).Get({SysName});
    EXPECT_EQ(agent.Stop(), 0) << agent.LogText();

    TestAgent jittery(TestAgent::Kind::Simulator, {"--delay-ms", "5", "--jitter-ms", "20"});
    for (const char* version : {"-v2c", "-v1"}) {
        SCOPED_TRACE(version);
        const auto ifIndex = SnmpTool::Values(
            SnmpTool(jittery, {version, "-c", "public"}).Walk(".1.3.6.1.2.1.2.2.1.1").out);
        EXPECT_EQ(ifIndex.size(), 28u);
    }
}

TEST(SimAccess, RefusesBadDelayOptions) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{"--delay-ms"},
                                                    {"--delay-ms", "-1"},
                                                    {"--jitter-ms", "x"},
                                                    {"--delay-ms", "2.5"}}) {
        SCOPED_TRACE(options[0]);
        std::vector<std::string> argv = {TestAgent::SimulatorPath()};
        argv.insert(argv.end(), options.begin(), options.end());
        const ProgramResult r = RunProgram(argv, std::chrono::seconds(10));
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("--delay-ms N [--jitter-ms M]"), std::string::npos) << r.err;
    }
}

} // namespace
