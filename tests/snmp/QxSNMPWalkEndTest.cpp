#include "SnmpTestEnvironment.h"
#include "TestAgent.h"
#include "shell/QxError.h"
#include "snmp/QxSNMPRequest.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace {

// The pieces of BER an SNMPv1 message needs: definite lengths, short or long form.
std::string Length(size_t n) {
    if (n < 128) {
        return std::string(1, static_cast<char>(n));
    }
    std::string bytes;
    while (n > 0) {
        bytes.insert(bytes.begin(), static_cast<char>(n & 0xFF));
        n >>= 8;
    }
    return std::string(1, static_cast<char>(0x80 | bytes.size())) + bytes;
}

std::string Tlv(unsigned char tag, const std::string& value) {
    return std::string(1, static_cast<char>(tag)) + Length(value.size()) + value;
}

// Reads one TLV at `pos`; returns its value and moves `pos` past it.
bool ReadTlv(const std::string& in, size_t& pos, unsigned char& tag, std::string& value) {
    if (pos + 2 > in.size()) {
        return false;
    }
    tag = static_cast<unsigned char>(in[pos++]);
    size_t n = static_cast<unsigned char>(in[pos++]);
    if (n & 0x80) {
        const size_t count = n & 0x7F;
        n = 0;
        for (size_t k = 0; k < count && pos < in.size(); ++k) {
            n = (n << 8) | static_cast<unsigned char>(in[pos++]);
        }
    }
    if (pos + n > in.size()) {
        return false;
    }
    value = in.substr(pos, n);
    pos += n;
    return true;
}

std::string EncodeOid(const std::vector<std::uint32_t>& ids) {
    std::string out(1, static_cast<char>(ids[0] * 40 + ids[1]));
    for (size_t k = 2; k < ids.size(); ++k) {
        std::string part;
        std::uint32_t v = ids[k];
        part.insert(part.begin(), static_cast<char>(v & 0x7F));
        while ((v >>= 7) != 0) {
            part.insert(part.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        }
        out += part;
    }
    return out;
}

// An SNMPv1 agent that answers every request with noSuchName for its first binding; the
// binding in the answer names `named` when given, else the OID that was asked.
class NoSuchNameAgent {
public:
    explicit NoSuchNameAgent(std::vector<std::uint32_t> named) : named_(std::move(named)) {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        timeval tick{0, 100000};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tick, sizeof tick);
        thread_ = std::thread([this] { Serve(); });
    }
    ~NoSuchNameAgent() {
        stop_ = true;
        thread_.join();
        close(fd_);
    }
    NoSuchNameAgent(const NoSuchNameAgent&) = delete;
    NoSuchNameAgent& operator=(const NoSuchNameAgent&) = delete;
    int Port() const { return port_; }

private:
    void Serve() {
        while (!stop_) {
            char buffer[2048];
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = recvfrom(fd_, buffer, sizeof buffer, 0,
                                       reinterpret_cast<sockaddr*>(&from), &length);
            if (n <= 0) {
                continue;
            }
            const std::string answer = Answer(std::string(buffer, static_cast<size_t>(n)));
            if (!answer.empty()) {
                sendto(fd_, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&from),
                       length);
            }
        }
    }

    std::string Answer(const std::string& request) const {
        unsigned char tag = 0;
        std::string message, version, community, pdu, requestId, skip, bindings, binding, oid;
        size_t pos = 0;
        if (!ReadTlv(request, pos, tag, message)) {
            return {};
        }
        pos = 0;
        if (!ReadTlv(message, pos, tag, version) || !ReadTlv(message, pos, tag, community) ||
            !ReadTlv(message, pos, tag, pdu)) {
            return {};
        }
        size_t p = 0;
        if (!ReadTlv(pdu, p, tag, requestId) || !ReadTlv(pdu, p, tag, skip) ||
            !ReadTlv(pdu, p, tag, skip) || !ReadTlv(pdu, p, tag, bindings)) {
            return {};
        }
        size_t b = 0;
        if (!ReadTlv(bindings, b, tag, binding)) {
            return {};
        }
        size_t o = 0;
        if (!ReadTlv(binding, o, tag, oid)) {
            return {};
        }
        const std::string named = named_.empty() ? oid : EncodeOid(named_);
        const std::string vb = Tlv(0x30, Tlv(0x06, named) + Tlv(0x05, ""));
        const std::string answerPdu = Tlv(0x02, requestId) + Tlv(0x02, std::string(1, '\x02')) +
                                      Tlv(0x02, std::string(1, '\x01')) + Tlv(0x30, vb);
        return Tlv(0x30, Tlv(0x02, version) + Tlv(0x04, community) + Tlv(0xA2, answerPdu));
    }

    std::vector<std::uint32_t> named_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

constexpr UISnmpVar OneColumn[] = {
    {"1.3.6.1.4.1.32473.9.1.1", "Name", sxDisplaystr, acReadonly},
    {},
};

std::unique_ptr<QxSNMPRequest> V1Walk(int port) {
    auto r = std::make_unique<QxSNMPRequest>();
    r->device.address = "127.0.0.1";
    r->device.port = static_cast<std::uint16_t>(port);
    r->security.version = 0;
    r->security.readCommunity = "public";
    r->timeout = 100;
    QxSNMPVarList list(OneColumn, MVT_FMV, 0);
    r->vars.Assign(list);
    return r;
}

// An SNMPv1 agent ends a walk with noSuchName for the OID that was asked; noSuchName for
// another OID is an error, in both the synchronous and the asynchronous walk.
TEST(WalkEnd, NoSuchNameForAnotherOidIsAnError) {
    EnsureSnmpSession();
    struct Case {
        const char* name;
        std::vector<std::uint32_t> named;
        bool error;
    } cases[] = {
        {"the OID asked", {}, false},
        {"another OID", {1, 3, 6, 1, 2, 1, 1, 5, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NoSuchNameAgent agent(c.named);
        auto r = V1Walk(agent.Port());
        if (c.error) {
            try {
                r->Fetch(true);
                ADD_FAILURE() << "the walk ended as a success";
            } catch (const QxError& e) {
                EXPECT_EQ(e.Code(), -102);
            }
        } else {
            EXPECT_FALSE(r->Fetch(true));
        }

        struct Outcome {
            bool done = false;
            QxSNMPError result;
        } outcome;
        auto async = V1Walk(agent.Port());
        async->FetchAsync(
            [](void* owner, const QxSNMPError& result, QxSNMPVarList&) {
                auto* o = static_cast<Outcome*>(owner);
                o->result = result;
                o->done = true;
            },
            &outcome, true);
        ASSERT_TRUE(PumpUntil([&] { return outcome.done; }));
        EXPECT_TRUE(outcome.result.done);
        EXPECT_EQ(outcome.result.code, c.error ? -102 : 0) << outcome.result.text;
        EXPECT_FALSE(outcome.result.text.empty());
    }
}

} // namespace
