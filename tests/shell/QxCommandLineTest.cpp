#include "shell/QxCommandLine.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPGlobal.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

std::optional<std::string> FakeResolve(const std::string& host) {
    static const std::map<std::string, std::string> known = {
        {"127.0.0.1", "127.0.0.1"}, {"localhost", "127.0.0.1"}, {"switch-1", "10.0.0.7"}};
    auto it = known.find(host);
    return it == known.end() ? std::nullopt : std::optional<std::string>(it->second);
}

struct Parsed {
    QxCommandLine::Result result = QxCommandLine::Result::Ok;
    QxSNMPGlobal g;
};

std::unique_ptr<Parsed> ParseArgs(const std::vector<std::string>& args) {
    auto p = std::make_unique<Parsed>();
    p->result = QxCommandLine::Parse(args, p->g, FakeResolve);
    return p;
}

TEST(QxCommandLine, SwitchesFillTheConnectionRecord) {
    auto p = ParseArgs({"/Iswitch-1", "/v3", "/Rpub", "/Wpriv", "/t1161", "/cctx", "/d8000", "/m3",
                        "/l3", "/nSHA_DES_User", "/Aauthpass", "/Pprivpass", "/a3", "/p2"});
    ASSERT_EQ(p->result, QxCommandLine::Result::Ok);
    EXPECT_EQ(p->g.device.address, "10.0.0.7");
    EXPECT_EQ(p->g.device.port, 1161);
    EXPECT_EQ(p->g.security.version, 3);
    EXPECT_EQ(p->g.security.readCommunity, "pub");
    EXPECT_EQ(p->g.security.writeCommunity, "priv");
    EXPECT_EQ(p->g.scope.contextName, "ctx");
    EXPECT_EQ(p->g.scope.contextEngineId, "8000");
    EXPECT_EQ(p->g.security.securityModel, 3);
    EXPECT_EQ(p->g.security.securityLevel, 3);
    EXPECT_EQ(p->g.security.securityName, "SHA_DES_User");
    EXPECT_EQ(p->g.security.authPassword, "authpass");
    EXPECT_EQ(p->g.security.privPassword, "privpass");
    EXPECT_EQ(p->g.security.authProtocol, 3);
    EXPECT_EQ(p->g.security.privProtocol, 2);
}

TEST(QxCommandLine, MarkerRules) {
    // SNMPv3 switches count only after "/v" 3; markers stand anywhere and are case-sensitive.
    auto early = ParseArgs({"/nfirst", "/v3", "/nsecond"});
    EXPECT_EQ(early->g.security.securityName, "second");
    auto v1 = ParseArgs({"/v1", "/nuser", "/t99"});
    EXPECT_EQ(v1->g.security.securityName, "");
    EXPECT_EQ(v1->g.device.port, 161);
    auto anywhere = ParseArgs({"x/Rcommunity", "ignored", "--help"});
    EXPECT_EQ(anywhere->g.security.readCommunity, "community");
    // "/v" is tried before "/R": the value after "/v" is empty, which is not an integer.
    try {
        ParseArgs({"/Rpub/v"});
        ADD_FAILURE() << "expected an error";
    } catch (const QxError& e) {
        EXPECT_EQ(e.Text(), "'' is not a valid integer value!");
    }
    // "/P" and "/p" are different switches.
    auto pw = ParseArgs({"/v3", "/Psecret", "/p9"});
    EXPECT_EQ(pw->g.security.privPassword, "secret");
    EXPECT_EQ(pw->g.security.privProtocol, 9);
}

// "/b0" keeps walks on get-next; without it (older command lines) GETBULK stays on. Only a
// number after the marker counts, so a path argument is never taken for the switch.
TEST(QxCommandLine, BulkSwitch) {
    struct Case {
        std::vector<std::string> args;
        bool bulk;
    } cases[] = {
        {{"/I127.0.0.1", "/v1"}, true},    {{"/I127.0.0.1", "/v1", "/b0"}, false},
        {{"/b0", "/v3", "/nuser"}, false}, {{"/b0", "/b1"}, true},
        {{"/b0", "/usr/bin/true"}, false}, {{"--data=/build/x"}, true},
    };
    for (const Case& c : cases) {
        auto p = ParseArgs(c.args);
        EXPECT_EQ(p->result, QxCommandLine::Result::Ok);
        EXPECT_EQ(p->g.getBulk, c.bulk) << c.args.back();
    }
}

TEST(QxCommandLine, IntegerValuesAreStrict) {
    for (const char* bad : {"/v", "/vx", "/v1x", "/v 1", "/v99999999999"}) {
        EXPECT_THROW(ParseArgs({bad}), QxError) << bad;
    }
    EXPECT_EQ(ParseArgs({"/v-0"})->g.security.version, 0);
    EXPECT_EQ(ParseArgs({"/v+1"})->g.security.version, 1);
    // Kept in 8 and 16 bits.
    EXPECT_EQ(ParseArgs({"/v259"})->g.security.version, 3);
    EXPECT_EQ(ParseArgs({"/v3", "/t65537"})->g.device.port, 1);
}

TEST(QxCommandLine, UnknownHostStopsParsing) {
    auto p = ParseArgs({"/v1", "/Ino.such.host", "/Rlater"});
    EXPECT_EQ(p->result, QxCommandLine::Result::HostError);
    EXPECT_EQ(p->g.security.version, 1);
    EXPECT_EQ(p->g.security.readCommunity, "readcm");
    // The host that failed is handed back for the message, which names it.
    QxSNMPGlobal g;
    std::string host;
    EXPECT_EQ(QxCommandLine::Parse({"/Iswitch-1", "x/Ibad host"}, g, FakeResolve, &host),
              QxCommandLine::Result::HostError);
    EXPECT_EQ(host, "bad host");
    EXPECT_NE(QxCommandLine::HostErrorText(host).find("\"bad host\""), std::string::npos);
}

TEST(QxCommandLine, InstanceHostIsTheLastLiteralHostText) {
    EXPECT_EQ(QxCommandLine::InstanceHost({"/Ia", "/v1", "/Ilocalhost"}), "localhost");
    EXPECT_EQ(QxCommandLine::InstanceHost({"/I", "x/Ib"}), "");
    EXPECT_EQ(QxCommandLine::InstanceHost({}), "");
}

TEST(QxCommandLine, ResolvesLoopbackNames) {
    EXPECT_EQ(QxCommandLine::ResolveIPv4("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(QxCommandLine::ResolveIPv4("localhost"), "127.0.0.1");
    EXPECT_EQ(QxCommandLine::ResolveIPv4(""), std::nullopt);
    EXPECT_EQ(QxCommandLine::ResolveIPv4("300.1.2.3.invalid"), std::nullopt);
}

} // namespace
