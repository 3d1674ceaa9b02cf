#include "shell/QxError.h"
#include "snmp/NetSnmpChannel.h"
#include "snmp/QxSNMPSession.h"

#include "SnmpTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// A binding that names an instance and carries no value.
QxVb Vb(QxOid oid) {
    QxVb vb;
    vb.oid = std::move(oid);
    return vb;
}

QxSNMPTarget V3(std::int32_t level, std::int32_t auth, std::int32_t priv) {
    QxSNMPTarget t;
    t.security.version = 3;
    t.security.securityModel = 3;
    t.security.securityLevel = level;
    t.security.securityName = "SHA_DES_User";
    t.security.authProtocol = auth;
    t.security.authPassword = "shadespass1";
    t.security.privProtocol = priv;
    t.security.privPassword = "shadespriv1";
    return t;
}

// Requests that cannot be sent fail when they are sent, before anything reaches the network,
// synchronously and asynchronously alike.
TEST(QxSNMPSessionTarget, RefusesWhatCannotBeSent) {
    EnsureSnmpSession();
    QxSNMPSession& session = *QxSNMPSession::Global();
    using S = QxSNMPSecurity;
    struct Row {
        const char* name;
        QxSNMPTarget target;
        int code;
        const char* text;
    };
    auto withAddress = [](const char* address) {
        QxSNMPTarget t;
        t.device.address = address;
        return t;
    };
    auto change = [](QxSNMPTarget t, auto f) {
        f(t);
        return t;
    };
    Row rows[] = {
        {"octet beyond 255", withAddress("300.1.2.3"), -509, "Invalid IP Address or DNS name!"},
        {"three octets", withAddress("1.2.3"), -509, "Invalid IP Address or DNS name!"},
        {"empty address", withAddress(""), -509, "Invalid IP Address or DNS name!"},
        {"name that does not resolve", withAddress("no.such.host.invalid"), -509,
         "Invalid IP Address or DNS name!"},
        {"unknown version", change(QxSNMPTarget{}, [](QxSNMPTarget& t) { t.security.version = 2; }),
         -412, "Invalid Target!"},
        {"CBC-IDEA privacy", V3(3, S::AuthSha, S::PrivIdea), -313, "Unsupported PrivProtocol!"},
        {"CBC-IDEA even without privacy", V3(2, S::AuthSha, S::PrivIdea), -313,
         "Unsupported PrivProtocol!"},
        {"unknown privacy protocol", V3(3, S::AuthSha, 3), -313, "Unsupported PrivProtocol!"},
        {"privacy code between AES-128 and CBC-IDEA", V3(3, S::AuthSha, 5), -313,
         "Unsupported PrivProtocol!"},
        {"privacy code beyond AES-256", V3(3, S::AuthSha256, 22), -313,
         "Unsupported PrivProtocol!"},
        {"unknown auth protocol", V3(2, 8, S::PrivNone), -312, "Unsupported AuthProtocol!"},
        {"auth code 0", V3(2, 0, S::PrivNone), -312, "Unsupported AuthProtocol!"},
        {"authNoPriv without auth protocol", V3(2, S::AuthNone, S::PrivNone), -303,
         "Unsupported SecurityLevel!"},
        {"authPriv without privacy protocol", V3(3, S::AuthSha, S::PrivNone), -303,
         "Unsupported SecurityLevel!"},
        {"level beyond authPriv", V3(4, S::AuthSha, S::PrivDes), -303,
         "Unsupported SecurityLevel!"},
        {"security model other than USM",
         change(V3(1, S::AuthNone, S::PrivNone),
                [](QxSNMPTarget& t) { t.security.securityModel = 1; }),
         -201, "Unsupported Security Model!"},
        {"auth pass phrase below eight characters",
         change(V3(2, S::AuthMd5, S::PrivNone),
                [](QxSNMPTarget& t) { t.security.authPassword = "short"; }),
         -307, "Authentication error!"},
        {"privacy pass phrase below eight characters",
         change(V3(3, S::AuthMd5, S::PrivDes),
                [](QxSNMPTarget& t) { t.security.privPassword = "short"; }),
         -305, "Encryption error!"},
    };
    const std::vector<QxVb> vbs = {Vb(OidFromText("1.3.6.1.2.1.1.1.0"))};
    std::size_t channels = session.ChannelCount();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            session.Send(QxPduType::Get, row.target, vbs);
            ADD_FAILURE() << "Send raised nothing";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), row.code);
            EXPECT_EQ(e.Text(), row.text);
        }
        bool called = false;
        try {
            session.SendAsync(QxPduType::Get, row.target, vbs,
                              [&called](const QxSNMPAnswer&) { called = true; });
            ADD_FAILURE() << "SendAsync raised nothing";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), row.code);
        }
        session.ProcessPendingEvents();
        EXPECT_FALSE(called);
    }
    EXPECT_EQ(session.ChannelCount(), channels) << "a refused request opened a channel";
}

// Values that have no encoding are refused when the PDU is built.
TEST(QxSNMPSessionTarget, RefusesBindingsThatCannotBeEncoded) {
    EnsureSnmpSession();
    QxSNMPSession& session = *QxSNMPSession::Global();
    QxSNMPTarget target;
    target.device.port = 9; // nothing is sent
    auto vb = [](auto set) {
        QxVb v = Vb(OidFromText("1.3.6.1.2.1.1.5.0"));
        set(v);
        return v;
    };
    struct Row {
        const char* name;
        QxPduType type;
        QxVb vb;
        int code;
    } rows[] = {
        {"empty name", QxPduType::Get, QxVb(), -417},
        {"name beyond 128 sub-identifiers", QxPduType::GetNext, Vb(QxOid(129, 1)), -417},
        {"IpAddress of three octets", QxPduType::Set,
         vb([](QxVb& v) { v.SetOctets(QxVb::IpAddress, "\x7f\x00\x01"); }), -411},
        {"exception as a value", QxPduType::Set, vb([](QxVb& v) { v.type = QxVb::NoSuchInstance; }),
         -411},
    };
    for (const Row& row : rows) {
        try {
            session.Send(row.type, target, {row.vb});
            ADD_FAILURE() << row.name << ": nothing raised";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Code(), row.code) << row.name;
        }
    }
    EXPECT_EQ(session.PendingCount(), 0u);
}

TEST(QxSNMPSessionTarget, ContextEngineIdTextGivesOctets) {
    struct Row {
        const char* text;
        std::string octets;
    } rows[] = {
        {"", ""},
        {"8000", std::string("\x80\x00", 2)},
        {"0x80001f8804", std::string("\x80\x00\x1f\x88\x04", 5)},
        {"0XaBcD", "\xab\xcd"},
        {"800", "800"},       // odd length: characters
        {"engine", "engine"}, // not hex: characters
        {"80 00", "80 00"},
        {"0x", "0x"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NetSnmpChannel::ContextEngineIdOctets(row.text), row.octets) << row.text;
    }
}

} // namespace
