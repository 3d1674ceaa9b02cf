#include "shell/QxError.h"
#include "shell/QxMessages.h"
#include "snmp/QxSNMPSession.h"

#include "SnmpTestEnvironment.h"
#include "TestAgent.h"
#include "TestProgram.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <utility>

namespace {

// A binding that names an instance and carries no value.
QxVb Vb(QxOid oid) {
    QxVb vb;
    vb.oid = std::move(oid);
    return vb;
}

using Clock = std::chrono::steady_clock;

const QxOid SysDescr = OidFromText("1.3.6.1.2.1.1.1.0");
const QxOid SysObjectId = OidFromText("1.3.6.1.2.1.1.2.0");
const QxOid SysUpTime = OidFromText("1.3.6.1.2.1.1.3.0");
const QxOid SysName = OidFromText("1.3.6.1.2.1.1.5.0");

std::vector<QxVb> Names(std::initializer_list<QxOid> oids) {
    std::vector<QxVb> vbs;
    for (const QxOid& oid : oids) {
        vbs.push_back(Vb(oid));
    }
    return vbs;
}

struct Credentials {
    const char* name;
    std::uint8_t version;
    const char* user; // v3
    std::int32_t level;
    std::int32_t auth;
    const char* authPass;
    std::int32_t priv;
    const char* privPass;
};

// The target of 127.0.0.1:port with a set of credentials.
QxSNMPTarget TargetFor(const Credentials& c, std::uint16_t port, std::int32_t timeout) {
    QxSNMPTarget t;
    t.device.address = "127.0.0.1";
    t.device.port = port;
    t.security.version = c.version;
    t.security.securityModel = c.version == 3 ? 3 : 1;
    t.security.securityLevel = c.level;
    t.security.securityName = c.user;
    t.security.authProtocol = c.auth;
    t.security.authPassword = c.authPass;
    t.security.privProtocol = c.priv;
    t.security.privPassword = c.privPass;
    t.timeout = timeout;
    t.retries = 1;
    return t;
}

constexpr std::int32_t None = QxSNMPSecurity::AuthNone;
constexpr std::int32_t Md5 = QxSNMPSecurity::AuthMd5;
constexpr std::int32_t Sha = QxSNMPSecurity::AuthSha;
constexpr std::int32_t NoPriv = QxSNMPSecurity::PrivNone;
constexpr std::int32_t Des = QxSNMPSecurity::PrivDes;

const Credentials V1 = {"v1", 0, "", 1, None, "", NoPriv, ""};
const Credentials V2c = {"v2c", 1, "", 1, None, "", NoPriv, ""};
const Credentials NoAuth = {"noAuthUser", 3, "noAuthUser", 1, None, "", NoPriv, ""};
const Credentials Md5Auth = {"MD5_User", 3, "MD5_User", 2, Md5, "md5userpass", NoPriv, ""};
const Credentials ShaAuth = {"SHA_User", 3, "SHA_User", 2, Sha, "shauserpass", NoPriv, ""};
const Credentials Md5Des = {"MD5_DES_User", 3,   "MD5_DES_User", 3, Md5,
                            "md5despass1",  Des, "md5despriv1"};
const Credentials ShaDes = {"SHA_DES_User", 3,   "SHA_DES_User", 3, Sha,
                            "shadespass1",  Des, "shadespriv1"};

// One user for each SHA-2 authentication and AES privacy protocol (both agents know them).
const Credentials ShaTwoAes[] = {
    {"SHA224_User", 3, "SHA224_User", 2, QxSNMPSecurity::AuthSha224, "sha224userpass", NoPriv, ""},
    {"SHA256_AES_User", 3, "SHA256_AES_User", 3, QxSNMPSecurity::AuthSha256, "sha256aespass",
     QxSNMPSecurity::PrivAes128, "sha256aespriv"},
    {"SHA384_AES192_User", 3, "SHA384_AES192_User", 3, QxSNMPSecurity::AuthSha384,
     "sha384aes192pass", QxSNMPSecurity::PrivAes192, "sha384aes192priv"},
    {"SHA512_AES256_User", 3, "SHA512_AES256_User", 3, QxSNMPSecurity::AuthSha512,
     "sha512aes256pass", QxSNMPSecurity::PrivAes256, "sha512aes256priv"},
};

class QxSNMPSessionAgent : public ::testing::TestWithParam<TestAgent::Kind> {
protected:
    static void SetUpTestSuite() { EnsureSnmpSession(); }

    void SetUp() override {
        agent_ = std::make_unique<TestAgent>(GetParam());
        session_ = QxSNMPSession::Global();
    }
    void TearDown() override {
        // Nothing of this test may run later in another one.
        PumpUntil([this] { return session_->PendingCount() == 0; });
        agent_.reset();
    }

    QxSNMPTarget Target(const Credentials& c) const {
        return TargetFor(c, static_cast<std::uint16_t>(agent_->Port()), 100);
    }

    // One asynchronous exchange through the pump.
    QxSNMPAnswer SendThroughPump(QxPduType type, const QxSNMPTarget& target,
                                 const std::vector<QxVb>& vbs) {
        int calls = 0;
        QxSNMPAnswer answer;
        long handle = session_->SendAsync(type, target, vbs, [&](const QxSNMPAnswer& a) {
            ++calls;
            answer = a;
        });
        EXPECT_GT(handle, 0);
        EXPECT_EQ(calls, 0) << "completed inside SendAsync";
        EXPECT_TRUE(PumpUntil([&] { return calls > 0; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, 1);
        return answer;
    }

    std::unique_ptr<TestAgent> agent_;
    QxSNMPSession* session_ = nullptr;
};

// Every version and security level answers a get of sysDescr and sysUpTime, synchronously
// and through the pump.
TEST_P(QxSNMPSessionAgent, GetsSystemGroupWithEveryVersionAndLevel) {
    for (const Credentials& c : {V1, V2c, NoAuth, Md5Auth, ShaAuth, Md5Des, ShaDes}) {
        SCOPED_TRACE(c.name);
        QxSNMPTarget target = Target(c);
        for (bool async : {false, true}) {
            QxSNMPAnswer a =
                async ? SendThroughPump(QxPduType::Get, target, Names({SysDescr, SysUpTime}))
                      : session_->Send(QxPduType::Get, target, Names({SysDescr, SysUpTime}));
            ASSERT_EQ(a.status, 0)
                << (async ? "async: " : "sync: ") << QxMessages::MapStatus(a.status).text;
            ASSERT_EQ(a.vbs.size(), 2u);
            EXPECT_EQ(a.vbs[0].oid, SysDescr);
            EXPECT_EQ(a.vbs[0].type, QxVb::OctetString);
            EXPECT_FALSE(a.vbs[0].octets.empty());
            EXPECT_EQ(a.vbs[1].oid, SysUpTime);
            EXPECT_EQ(a.vbs[1].type, QxVb::TimeTicks);
            EXPECT_EQ(a.agentAddress, "127.0.0.1");
            EXPECT_EQ(a.agentPort, agent_->Port());
        }
    }
}

// Each SHA-2 and AES protocol gets and walks a table: the same rows as over SNMPv2c, and a
// wrong pass phrase of the same protocol is refused (so the keys really are those of the
// protocol, not a fallback to an older one).
TEST_P(QxSNMPSessionAgent, GetsAndWalksOverEveryShaTwoAndAesProtocol) {
    const QxOid IfIndex = OidFromText("1.3.6.1.2.1.2.2.1.1");
    auto walk = [&](const QxSNMPTarget& target) {
        std::vector<std::pair<QxOid, long>> rows;
        QxOid at = IfIndex;
        for (int i = 0; i < 100; ++i) {
            QxSNMPAnswer a = i % 2 == 0 ? session_->Send(QxPduType::GetNext, target, Names({at}))
                                        : SendThroughPump(QxPduType::GetNext, target, Names({at}));
            EXPECT_EQ(a.status, 0) << QxMessages::MapStatus(a.status).text;
            if (a.status != 0 || a.vbs.size() != 1 || a.vbs[0].oid.size() <= IfIndex.size() ||
                !std::equal(IfIndex.begin(), IfIndex.end(), a.vbs[0].oid.begin())) {
                break;
            }
            at = a.vbs[0].oid;
            rows.emplace_back(at, a.vbs[0].integer);
        }
        return rows;
    };
    const auto expected = walk(Target(V2c));
    ASSERT_FALSE(expected.empty());
    for (const Credentials& c : ShaTwoAes) {
        SCOPED_TRACE(c.name);
        QxSNMPAnswer a = session_->Send(QxPduType::Get, Target(c), Names({SysDescr, SysUpTime}));
        ASSERT_EQ(a.status, 0) << QxMessages::MapStatus(a.status).text;
        ASSERT_EQ(a.vbs.size(), 2u);
        EXPECT_EQ(a.vbs[0].type, QxVb::OctetString);
        EXPECT_FALSE(a.vbs[0].octets.empty());
        EXPECT_EQ(a.vbs[1].type, QxVb::TimeTicks);
        EXPECT_EQ(walk(Target(c)), expected);

        Credentials wrong = c;
        wrong.authPass = "not-the-pass-phrase";
        QxSNMPTarget refused = Target(wrong);
        refused.timeout = 50;
        EXPECT_EQ(session_->Send(QxPduType::Get, refused, Names({SysUpTime})).status, 1408);
        if (c.priv != NoPriv) {
            // An agent that cannot decrypt a request does not answer it.
            wrong = c;
            wrong.privPass = "not-the-priv-phrase";
            refused = Target(wrong);
            refused.timeout = 50;
            EXPECT_EQ(session_->Send(QxPduType::Get, refused, Names({SysUpTime})).status, -5);
        }
    }
}

// The target's credentials are the key of the engine sessions: the same target reuses its
// session, so SNMPv3 discovery runs once.
TEST_P(QxSNMPSessionAgent, ReusesOneEngineSessionPerTarget) {
    std::size_t before = session_->ChannelCount();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(session_->Send(QxPduType::Get, Target(ShaDes), Names({SysUpTime})).status, 0);
        EXPECT_EQ(session_->Send(QxPduType::Get, Target(V2c), Names({SysUpTime})).status, 0);
    }
    EXPECT_EQ(session_->ChannelCount(), before + 2);
}

TEST_P(QxSNMPSessionAgent, GetNextAnswersTheFollowingInstance) {
    for (const Credentials& c : {V1, V2c, Md5Auth}) {
        QxSNMPAnswer a =
            session_->Send(QxPduType::GetNext, Target(c), Names({OidFromText("1.3.6.1.2.1.1.1")}));
        ASSERT_EQ(a.status, 0) << c.name;
        ASSERT_EQ(a.vbs.size(), 1u);
        EXPECT_EQ(a.vbs[0].oid, SysDescr) << c.name;
        a = SendThroughPump(QxPduType::GetNext, Target(c), Names({SysDescr}));
        ASSERT_EQ(a.status, 0) << c.name;
        ASSERT_EQ(a.vbs.size(), 1u);
        EXPECT_EQ(a.vbs[0].oid, SysObjectId) << c.name;
        EXPECT_EQ(a.vbs[0].type, QxVb::ObjectId) << c.name;
    }
}

// The end of a walk and absent objects, as each version reports them.
TEST_P(QxSNMPSessionAgent, ReportsAbsentObjectsAsTheVersionDoes) {
    struct Row {
        const char* name;
        const Credentials& c;
        QxPduType type;
        QxOid oid;
        int status;
        QxVb::Type type0;
    } rows[] = {
        {"v1 get of an absent object", V1, QxPduType::Get, OidFromText("1.3.6.1.2.1.1.99.0"), 2,
         QxVb::Null},
        {"v1 get-next past the end", V1, QxPduType::GetNext, OidFromText("1.3.6.1.6.3.99"), 2,
         QxVb::Null},
        {"v2c absent object", V2c, QxPduType::Get, OidFromText("1.3.6.1.2.1.1.99.0"), 0,
         QxVb::NoSuchObject},
        {"v2c absent instance", V2c, QxPduType::Get, OidFromText("1.3.6.1.2.1.1.1.1"), 0,
         QxVb::NoSuchInstance},
        {"v2c get-next past the end", V2c, QxPduType::GetNext, OidFromText("1.3.6.1.6.3.99"), 0,
         QxVb::EndOfMibView},
    };
    for (const Row& row : rows) {
        QxSNMPAnswer a = session_->Send(row.type, Target(row.c), Names({row.oid}));
        EXPECT_EQ(a.status, row.status) << row.name;
        EXPECT_EQ(a.errorIndex, row.status == 0 ? 0 : 1) << row.name;
        ASSERT_EQ(a.vbs.size(), 1u) << row.name;
        EXPECT_EQ(a.vbs[0].type, row.type0) << row.name;
    }
}

// Sets go out with the write community; what the read community may not write is refused.
TEST_P(QxSNMPSessionAgent, SetsWithTheWriteCommunity) {
    for (const Credentials& c : {V1, V2c, ShaDes}) {
        SCOPED_TRACE(c.name);
        QxVb name = Vb(SysName);
        name.SetOctets(QxVb::OctetString, std::string("ksw-") + c.name);
        QxSNMPAnswer set = session_->Send(QxPduType::Set, Target(c), {name});
        ASSERT_EQ(set.status, 0) << QxMessages::MapStatus(set.status).text;
        QxSNMPAnswer get = SendThroughPump(QxPduType::Get, Target(c), Names({SysName}));
        ASSERT_EQ(get.status, 0);
        ASSERT_EQ(get.vbs.size(), 1u);
        EXPECT_EQ(get.vbs[0].octets, name.octets);

        QxVb wrong = Vb(SysName);
        wrong.SetInteger(5);
        EXPECT_EQ(session_->Send(QxPduType::Set, Target(c), {wrong}).status,
                  c.version == 0 ? 3 /* badValue */ : 7 /* wrongType */);
    }
    QxSNMPTarget readOnly = Target(V2c);
    readOnly.security.writeCommunity = readOnly.security.readCommunity;
    QxVb name = Vb(SysName);
    name.SetOctets(QxVb::OctetString, "refused");
    QxSNMPAnswer refused = session_->Send(QxPduType::Set, readOnly, {name});
    EXPECT_TRUE(refused.status == 6 || refused.status == 16 || refused.status == 17)
        << refused.status;
}

// Every value type goes out as it was given and comes back the same: an agent answers a set it
// refuses with the bindings of the request.
TEST_P(QxSNMPSessionAgent, EncodesEveryValueType) {
    auto value = [](std::uint32_t n, auto set) {
        QxVb vb = Vb(OidFromText("1.3.6.1.4.1.99999.7." + std::to_string(n) + ".0"));
        set(vb);
        return vb;
    };
    std::vector<QxVb> values = {
        value(1, [](QxVb& v) { v.SetInteger(-2147483647 - 1); }),
        value(2, [](QxVb& v) { v.SetOctets(QxVb::OctetString, std::string("a\0b\xff", 4)); }),
        value(3, [](QxVb& v) { v.SetObjectId(OidFromText("1.3.6.1.4.1.32473.4294967295")); }),
        value(4, [](QxVb& v) { v.SetOctets(QxVb::IpAddress, std::string("\xc0\xa8\x00\x01", 4)); }),
        value(5, [](QxVb& v) { v.SetUnsigned(QxVb::Counter32, 4294967295u); }),
        value(6, [](QxVb& v) { v.SetUnsigned(QxVb::Gauge32, 7u); }),
        value(7, [](QxVb& v) { v.SetUnsigned(QxVb::TimeTicks, 123456u); }),
        value(8, [](QxVb& v) { v.SetCounter64(0x123456789abcdef0ull); }),
        value(9, [](QxVb& v) { v.SetOctets(QxVb::Opaque, std::string("\x01\x00\x02", 3)); }),
        value(10, [](QxVb& v) { v.SetObjectId({}); }),
        value(11, [](QxVb& v) { v.SetNull(); }),
    };
    QxSNMPAnswer a = session_->Send(QxPduType::Set, Target(V2c), values);
    ASSERT_NE(a.status, 0);
    ASSERT_GE(a.status, 1);
    ASSERT_LE(a.status, 18);
    ASSERT_EQ(a.vbs.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        QxVb expected = values[i];
        if (i == 9) {
            expected.SetObjectId({0, 0}); // an empty identifier goes out as 0.0
        }
        EXPECT_EQ(a.vbs[i].oid, expected.oid);
        EXPECT_EQ(a.vbs[i].type, expected.type);
        EXPECT_EQ(a.vbs[i].integer, expected.integer);
        EXPECT_EQ(a.vbs[i].unsigned32, expected.unsigned32);
        EXPECT_EQ(a.vbs[i].counter64, expected.counter64);
        EXPECT_EQ(a.vbs[i].octets, expected.octets);
        EXPECT_EQ(a.vbs[i].objectId, expected.objectId);
    }
}

TEST_P(QxSNMPSessionAgent, WrongCommunityTimesOutWithinTheBound) {
    QxSNMPTarget target = Target(V2c);
    // The engine session is opened by an exchange with a longer time-out; each request still
    // gets its own.
    target.timeout = 300;
    ASSERT_EQ(session_->Send(QxPduType::Get, target, Names({SysUpTime})).status, 0);
    target.security.readCommunity = "no-such-community";
    target.timeout = 50;
    Clock::time_point start = Clock::now();
    QxSNMPAnswer a = session_->Send(QxPduType::Get, target, Names({SysUpTime}));
    // Generous: the bound is one second; this only catches a wait that ignores it.
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(a.status, -5);
    EXPECT_TRUE(a.vbs.empty());
    EXPECT_EQ(QxMessages::MapStatus(a.status).code, -405);

    EXPECT_EQ(SendThroughPump(QxPduType::Get, target, Names({SysUpTime})).status, -5);
}

// SNMPv3 failures come back as the agent reports them.
TEST_P(QxSNMPSessionAgent, ReportsSnmpV3Failures) {
    struct Row {
        const char* name;
        Credentials c;
        int status;
        int code;
    } rows[] = {
        {"wrong auth pass phrase",
         {"", 3, "MD5_User", 2, Md5, "not-the-pass", NoPriv, ""},
         1408,
         -308},
        {"wrong auth pass phrase, authPriv",
         {"", 3, "SHA_DES_User", 3, Sha, "not-the-pass", Des, "shadespriv1"},
         1408,
         -308},
        {"wrong auth protocol", {"", 3, "MD5_User", 2, Sha, "md5userpass", NoPriv, ""}, 1408, -308},
        // net-snmp agents count what they cannot decrypt and do not answer.
        {"wrong privacy pass phrase",
         {"", 3, "SHA_DES_User", 3, Sha, "shadespass1", Des, "not-the-priv"},
         -5,
         -405},
        {"unknown user", {"", 3, "nobody_here", 1, None, "", NoPriv, ""}, 1404, -304},
        {"unknown user with auth",
         {"", 3, "nobody_auth", 2, Sha, "whatever123", NoPriv, ""},
         1404,
         -304},
        {"level above the user's",
         {"", 3, "noAuthUser", 2, Md5, "md5userpass", NoPriv, ""},
         1403,
         -303},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QxSNMPTarget target = Target(row.c);
        target.timeout = 50;
        QxSNMPAnswer a = session_->Send(QxPduType::Get, target, Names({SysUpTime}));
        EXPECT_EQ(a.status, row.status) << QxMessages::MapStatus(a.status).text;
        EXPECT_EQ(QxMessages::MapStatus(a.status).code, row.code);
        EXPECT_TRUE(a.vbs.empty());
        EXPECT_EQ(SendThroughPump(QxPduType::Get, target, Names({SysUpTime})).status, row.status);
    }
}

// The engine keeps the keys of a user per agent engine: correcting a wrong pass phrase must
// not go on with the wrong keys.
TEST_P(QxSNMPSessionAgent, ChangedPassPhraseTakesEffect) {
    QxSNMPTarget target = Target(Md5Auth);
    target.security.authPassword = "not-the-pass";
    EXPECT_EQ(session_->Send(QxPduType::Get, target, Names({SysUpTime})).status, 1408);
    target.security.authPassword = "md5userpass";
    EXPECT_EQ(session_->Send(QxPduType::Get, target, Names({SysUpTime})).status, 0);
    target.security.authPassword = "not-the-pass";
    EXPECT_EQ(session_->Send(QxPduType::Get, target, Names({SysUpTime})).status, 1408);
}

// A synchronous exchange does not run the completions of asynchronous ones whose answers
// arrive while it waits; they run at the next processing.
TEST_P(QxSNMPSessionAgent, SyncSendLeavesAsyncCompletionsForThePump) {
    for (const Credentials& c : {V2c, ShaDes}) {
        SCOPED_TRACE(c.name);
        QxSNMPTarget target = Target(c);
        // Discovery done beforehand, so both go out at once on the same socket.
        ASSERT_EQ(session_->Send(QxPduType::Get, target, Names({SysUpTime})).status, 0);
        int calls = 0;
        int status = -1;
        session_->SendAsync(QxPduType::Get, target, Names({SysDescr}), [&](const QxSNMPAnswer& a) {
            ++calls;
            status = a.status;
        });
        // The agent answers in order: the asynchronous answer is read before this one's.
        QxSNMPAnswer a = session_->Send(QxPduType::Get, target, Names({SysUpTime}));
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(session_->PendingCount(), 1u);
        session_->ProcessPendingEvents();
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(status, 0);
    }
}

TEST_P(QxSNMPSessionAgent, CancelledCompletionNeverRuns) {
    QxSNMPTarget target = Target(V2c);
    bool cancelledRan = false;
    long handle = session_->SendAsync(QxPduType::Get, target, Names({SysDescr}),
                                      [&](const QxSNMPAnswer&) { cancelledRan = true; });
    session_->Cancel(handle);
    EXPECT_EQ(session_->PendingCount(), 0u);
    // The next exchange on the same socket completes after the cancelled one's answer.
    bool laterRan = false;
    session_->SendAsync(QxPduType::Get, target, Names({SysDescr}),
                        [&](const QxSNMPAnswer&) { laterRan = true; });
    EXPECT_TRUE(PumpUntil([&] { return laterRan; }));
    EXPECT_FALSE(cancelledRan);
    session_->Cancel(handle); // finished handles are harmless
    session_->Cancel(987654321);
}

// Many exchanges in flight: each completion runs once, in the order the answers came.
TEST_P(QxSNMPSessionAgent, EveryCompletionRunsExactlyOnce) {
    constexpr int Count = 50;
    std::vector<int> calls(Count, 0);
    std::vector<long> handles;
    for (int i = 0; i < Count; ++i) {
        QxSNMPTarget target = Target(i % 2 == 0 ? V2c : Md5Des);
        handles.push_back(session_->SendAsync(QxPduType::Get, target, Names({SysUpTime}),
                                              [&calls, i](const QxSNMPAnswer& a) {
                                                  EXPECT_EQ(a.status, 0);
                                                  ++calls[i];
                                              }));
    }
    EXPECT_EQ(std::set<long>(handles.begin(), handles.end()).size(), handles.size());
    EXPECT_TRUE(PumpUntil([&] { return session_->PendingCount() == 0; }));
    for (int i = 0; i < Count; ++i) {
        EXPECT_EQ(calls[i], 1) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Agents, QxSNMPSessionAgent,
                         ::testing::Values(TestAgent::Kind::Snmpd, TestAgent::Kind::Simulator),
                         [](const auto& info) {
                             return info.param == TestAgent::Kind::Snmpd ? "Snmpd" : "Simulator";
                         });

// An agent replaced on the same port by one with another engine ID (a restart without its
// persistent state) is discovered again instead of failing for ever.
TEST(QxSNMPSessionReplacedAgent, RediscoversANewEngine) {
    EnsureSnmpSession();
    QxSNMPSession& session = *QxSNMPSession::Global();
    std::uint16_t port = static_cast<std::uint16_t>(FreeUdpPort());
    const std::vector<std::string> listen = {"udp:127.0.0.1:" + std::to_string(port)};
    QxSNMPTarget target;
    target.device.port = port;
    target.security.version = 3;
    target.security.securityModel = 3;
    target.security.securityLevel = 3;
    target.security.securityName = "SHA_DES_User";
    target.security.authProtocol = QxSNMPSecurity::AuthSha;
    target.security.authPassword = "shadespass1";
    target.security.privProtocol = QxSNMPSecurity::PrivDes;
    target.security.privPassword = "shadespriv1";
    {
        TestAgent first(TestAgent::Kind::Snmpd, listen);
        ASSERT_EQ(session.Send(QxPduType::Get, target, Names({SysUpTime})).status, 0);
    }
    // The first request after each replacement still carries the old engine's ID; the new
    // agent's report about it cannot be taken with the old keys, so the engine is discovered
    // again and the request sent once more, well within its own time-out: synchronously, then
    // asynchronously.
    target.timeout = 100;
    auto replacement = std::make_unique<TestAgent>(TestAgent::Kind::Snmpd, listen);
    Clock::time_point start = Clock::now();
    QxSNMPAnswer a = session.Send(QxPduType::Get, target, Names({SysUpTime}));
    EXPECT_EQ(a.status, 0) << QxMessages::MapStatus(a.status).text;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(900));

    replacement.reset();
    replacement = std::make_unique<TestAgent>(TestAgent::Kind::Snmpd, listen);
    int status = 1;
    start = Clock::now();
    session.SendAsync(QxPduType::Get, target, Names({SysUpTime}),
                      [&](const QxSNMPAnswer& answer) { status = answer.status; });
    EXPECT_TRUE(PumpUntil([&] { return status != 1; }));
    EXPECT_EQ(status, 0) << QxMessages::MapStatus(status).text;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(900));
}

// Without an agent every exchange ends in a time-out within its bound, SNMPv3 discovery
// included, and a failed discovery is not kept.
TEST(QxSNMPSessionNoAgent, TimesOutWithinTheBound) {
    EnsureSnmpSession();
    QxSNMPSession& session = *QxSNMPSession::Global();
    std::uint16_t port = static_cast<std::uint16_t>(FreeUdpPort());
    for (const Credentials& c : {V1, V2c, Md5Auth}) {
        SCOPED_TRACE(c.name);
        QxSNMPTarget target = TargetFor(c, port, 20);
        std::size_t channels = session.ChannelCount();
        Clock::time_point start = Clock::now();
        QxSNMPAnswer a = session.Send(QxPduType::Get, target, Names({SysUpTime}));
        // Bound 0.4 s (0.8 s with discovery); generous, against an unbounded wait only.
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
        EXPECT_EQ(a.status, -5);
        EXPECT_EQ(a.agentAddress, "127.0.0.1");
        EXPECT_EQ(a.agentPort, port);

        int calls = 0;
        int status = 0;
        start = Clock::now();
        session.SendAsync(QxPduType::Get, target, Names({SysUpTime}), [&](const QxSNMPAnswer& r) {
            ++calls;
            status = r.status;
        });
        // Discovery does not block the asynchronous send.
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(150));
        EXPECT_TRUE(PumpUntil([&] { return calls > 0; }));
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(status, -5);
        session.ProcessPendingEvents();
        if (c.version == 3) {
            EXPECT_EQ(session.ChannelCount(), channels) << "failed discovery kept";
        }
    }
}

// Requests of a credential set that is replaced (same user, other pass phrase) end with -8.
TEST(QxSNMPSessionNoAgent, ReplacedCredentialsCloseTheirRequests) {
    EnsureSnmpSession();
    QxSNMPSession& session = *QxSNMPSession::Global();
    QxSNMPTarget first;
    first.device.port = static_cast<std::uint16_t>(FreeUdpPort());
    first.security.version = 3;
    first.security.securityModel = 3;
    first.security.securityLevel = 2;
    first.security.securityName = "replaced_user";
    first.security.authProtocol = QxSNMPSecurity::AuthSha;
    first.security.authPassword = "first-pass-phrase";
    first.timeout = 20;
    first.retries = 0;
    int status = 0;
    session.SendAsync(QxPduType::Get, first, Names({SysUpTime}),
                      [&](const QxSNMPAnswer& a) { status = a.status; });
    QxSNMPTarget second = first;
    second.security.authPassword = "second-pass-phrase";
    EXPECT_EQ(session.Send(QxPduType::Get, second, Names({SysUpTime})).status, -5);
    EXPECT_TRUE(PumpUntil([&] { return status != 0; }));
    EXPECT_EQ(status, -8);
    EXPECT_EQ(QxMessages::MapStatus(status).code, -408);
}

// Ending the process with exchanges in flight drops them quietly, whether main returns or
// the program exits with the application object still there.
TEST(QxSNMPSessionExit, EndsWithRequestsInFlight) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* how : {"return", "exit"}) {
        ProgramResult run = RunProgram({KSW_SNMP_EXIT_HELPER, folder.path().toStdString(), how},
                                       std::chrono::seconds(20));
        EXPECT_FALSE(run.timedOut) << how;
        EXPECT_EQ(run.exitCode, 0) << how << ": " << run.err;
        EXPECT_EQ(run.err, "") << how;
    }
}

} // namespace
