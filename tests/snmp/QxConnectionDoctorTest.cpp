// The connection doctor against both agents: one verdict per wrong setting, in plain words.
#include "shell/QxMessages.h"
#include "snmp/QxConnectionDoctor.h"

#include "SnmpTestEnvironment.h"
#include "TestAgent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using Verdict = QxConnectionDoctor::Verdict;
using Settings = QxConnectionDoctor::Settings;

Settings V3(const char* user, std::int32_t level, std::int32_t auth, const char* authPass,
            std::int32_t priv, const char* privPass) {
    Settings s;
    s.security.version = 3;
    s.security.securityModel = 3;
    s.security.securityName = user;
    s.security.securityLevel = level;
    s.security.authProtocol = auth;
    s.security.authPassword = authPass;
    s.security.privProtocol = priv;
    s.security.privPassword = privPass;
    return s;
}

constexpr std::int32_t Md5 = QxSNMPSecurity::AuthMd5;
constexpr std::int32_t Sha = QxSNMPSecurity::AuthSha;
constexpr std::int32_t NoAuth = QxSNMPSecurity::AuthNone;
constexpr std::int32_t Des = QxSNMPSecurity::PrivDes;
constexpr std::int32_t NoPriv = QxSNMPSecurity::PrivNone;

class ConnectionDoctor : public ::testing::TestWithParam<TestAgent::Kind> {
protected:
    static void SetUpTestSuite() { EnsureSnmpSession(); }
    void SetUp() override { agent_ = std::make_unique<TestAgent>(GetParam()); }
    std::unique_ptr<TestAgent> agent_;
};

TEST_P(ConnectionDoctor, NamesWhatIsWrongWithEachSetting) {
    const int silentPort = FreeUdpPort();
    struct Row {
        const char* name;
        Settings settings;
        std::function<void(Settings&)> change;
        Verdict verdict;
        bool answersV2c;
        const char* says; // a part of the verdict's text
    };
    const Settings v2c = [] {
        Settings s;
        s.security.version = 1;
        s.security.readCommunity = "public";
        return s;
    }();
    const Settings md5Des = V3("MD5_DES_User", 3, Md5, "md5despass1", Des, "md5despriv1");
    const Row rows[] = {
        {"SNMPv2c", v2c, nullptr, Verdict::Answers, true, "answers SNMPv2c"},
        {"SNMPv1", v2c, [](Settings& s) { s.security.version = 0; }, Verdict::Answers, true,
         "answers SNMPv1"},
        {"SNMPv3 authPriv", md5Des, nullptr, Verdict::Answers, true, "answers SNMPv3"},
        {"wrong read community", v2c, [](Settings& s) { s.security.readCommunity = "nope"; },
         Verdict::NoAnswer, false, "a wrong read community (\"nope\")"},
        {"wrong port", v2c, [&](Settings& s) { s.device.port = silentPort; }, Verdict::NoAnswer,
         false, "a wrong address or port"},
        {"SNMPv3, wrong port", md5Des, [&](Settings& s) { s.device.port = silentPort; },
         Verdict::NoAnswer, false, "a wrong privacy pass phrase"},
        {"unknown user", V3("nobody_here", 1, NoAuth, "", NoPriv, ""), nullptr,
         Verdict::UnknownUser, true, "does not know the user name \"nobody_here\""},
        {"wrong auth pass phrase", V3("MD5_User", 2, Md5, "not-the-pass", NoPriv, ""), nullptr,
         Verdict::WrongAuthentication, true, "authentication pass phrase"},
        {"wrong auth protocol", V3("MD5_User", 2, Sha, "md5userpass", NoPriv, ""), nullptr,
         Verdict::WrongAuthentication, true, "authentication protocol"},
        {"wrong privacy pass phrase", md5Des,
         [](Settings& s) { s.security.privPassword = "not-the-priv"; }, Verdict::NoAnswer, true,
         "answers SNMPv2c, but no answer came over SNMPv3"},
        {"level above the user's", V3("noAuthUser", 2, Md5, "md5userpass", NoPriv, ""), nullptr,
         Verdict::Unsupported, true, "not set up on the device for this security level"},
        {"SNMPv3 without the USM model", md5Des, [](Settings& s) { s.security.securityModel = 1; },
         Verdict::Unsupported, true, "/m3"},
        {"CBC-IDEA privacy", md5Des,
         [](Settings& s) { s.security.privProtocol = QxSNMPSecurity::PrivIdea; },
         Verdict::Unsupported, true, "Unsupported PrivProtocol!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Settings s = row.settings;
        s.device.address = "127.0.0.1";
        if (s.device.port == 161) {
            s.device.port = static_cast<std::uint16_t>(agent_->Port());
        }
        s.security.readCommunity = row.settings.security.version == 3
                                       ? std::string("public")
                                       : row.settings.security.readCommunity;
        if (row.change) {
            row.change(s);
        }
        const QxConnectionDoctor::Result r = QxConnectionDoctor::Check(s, 50);
        EXPECT_EQ(r.verdict, row.verdict) << r.text;
        EXPECT_EQ(r.answersV2c, row.answersV2c) << r.text;
        EXPECT_NE(r.text.find(row.says), std::string::npos) << r.text;
        if (row.verdict == Verdict::Answers) {
            EXPECT_FALSE(r.description.empty());
            EXPECT_FALSE(r.upTime.empty());
            EXPECT_NE(r.text.find(r.description), std::string::npos) << r.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Agents, ConnectionDoctor,
                         ::testing::Values(TestAgent::Kind::Snmpd, TestAgent::Kind::Simulator),
                         [](const auto& info) {
                             return info.param == TestAgent::Kind::Snmpd ? "Snmpd" : "Simulator";
                         });

// A device whose engine restarted rejects the first request outside its time window; the
// engine's reports and the USM status both read as that verdict.
TEST(ConnectionDoctorVerdicts, TimeWindowAndOtherStatuses) {
    Settings s = V3("MD5_User", 2, Md5, "md5userpass", NoPriv, "");
    struct {
        int status;
        Verdict verdict;
    } rows[] = {
        {-1403, Verdict::NotInTimeWindow}, {1411, Verdict::NotInTimeWindow},
        {-1412, Verdict::UnknownUser},     {2, Verdict::Refused},
        {-1402, Verdict::Unsupported},
    };
    for (const auto& row : rows) {
        const QxMessages::Mapped m = QxMessages::MapStatus(row.status);
        EXPECT_EQ(QxConnectionDoctor::Diagnose(s, m.code, m.text, true).verdict, row.verdict)
            << row.status;
    }
}

} // namespace
