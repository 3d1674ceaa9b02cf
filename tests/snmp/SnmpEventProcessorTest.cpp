#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/SnmpEventProcessor.h"

#include "SnmpTestEnvironment.h"
#include "TestAgent.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

// A binding that names an instance and carries no value.
QxVb Vb(QxOid oid) {
    QxVb vb;
    vb.oid = std::move(oid);
    return vb;
}

const QxOid SysUpTime = OidFromText("1.3.6.1.2.1.1.3.0");

// Processes window events for a while, as a modal box would.
void RunNestedLoop(std::chrono::milliseconds length) {
    QEventLoop loop;
    QTimer::singleShot(length, &loop, &QEventLoop::quit);
    loop.exec();
}

class SnmpEventProcessorAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        EnsureSnmpSession();
        agent_ = new TestAgent(TestAgent::Kind::Snmpd);
    }
    static void TearDownTestSuite() {
        delete agent_;
        agent_ = nullptr;
    }
    void TearDown() override {
        SnmpGlobal().eventProcessor.Start();
        PumpUntil([] { return QxSNMPSession::Global()->PendingCount() == 0; });
    }

    static QxSNMPTarget Target() {
        QxSNMPTarget t;
        t.device.port = static_cast<std::uint16_t>(agent_->Port());
        t.security.version = 1;
        return t;
    }
    static long Get(QxSNMPSession::Completion done) {
        return QxSNMPSession::Global()->SendAsync(QxPduType::Get, Target(), {Vb(SysUpTime)},
                                                  std::move(done));
    }

    static TestAgent* agent_;
};

TestAgent* SnmpEventProcessorAgent::agent_ = nullptr;

TEST(SnmpEventProcessor, IsCreatedStoppedAndStartsAndStops) {
    SnmpEventProcessor pump;
    EXPECT_FALSE(pump.IsRunning());
    pump.Start();
    EXPECT_TRUE(pump.IsRunning());
    pump.Stop();
    EXPECT_FALSE(pump.IsRunning());
    EXPECT_FALSE(pump.IsProcessing());
}

// Asynchronous exchanges complete only while the window thread processes events.
TEST_F(SnmpEventProcessorAgent, CompletesOnlyWhileEventsAreProcessed) {
    bool done = false;
    Get([&](const QxSNMPAnswer& a) {
        EXPECT_EQ(a.status, 0);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the answer is there by now
    EXPECT_FALSE(done);
    EXPECT_TRUE(PumpUntil([&] { return done; }));
}

// A completion that runs an event loop of its own (a modal box) does not get a second
// processing nested in it: the other answers wait until it has returned.
TEST_F(SnmpEventProcessorAgent, CompletionWithModalLoopIsNotReentered) {
    bool inFirst = false;
    int finished = 0;
    bool nested = false;
    Get([&](const QxSNMPAnswer&) {
        inFirst = true;
        RunNestedLoop(std::chrono::milliseconds(300));
        inFirst = false;
        ++finished;
    });
    for (int i = 0; i < 3; ++i) {
        Get([&](const QxSNMPAnswer& a) {
            nested = nested || inFirst;
            EXPECT_EQ(a.status, 0);
            ++finished;
        });
    }
    EXPECT_TRUE(PumpUntil([&] { return finished == 4; }));
    EXPECT_FALSE(nested);
    EXPECT_TRUE(SnmpGlobal().eventProcessor.IsRunning());
    // The pump goes on afterwards.
    bool later = false;
    Get([&](const QxSNMPAnswer&) { later = true; });
    EXPECT_TRUE(PumpUntil([&] { return later; }));
}

// Processing asked for from inside a completion does nothing.
TEST_F(SnmpEventProcessorAgent, ProcessingInsideACompletionDoesNothing) {
    int finished = 0;
    bool nested = false;
    bool inFirst = false;
    Get([&](const QxSNMPAnswer&) {
        inFirst = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the second answer arrives
        EXPECT_TRUE(QxSNMPSession::Global()->IsProcessing());
        QxSNMPSession::Global()->ProcessPendingEvents();
        inFirst = false;
        ++finished;
    });
    Get([&](const QxSNMPAnswer&) {
        nested = inFirst;
        ++finished;
    });
    EXPECT_TRUE(PumpUntil([&] { return finished == 2; }));
    EXPECT_FALSE(nested);
}

TEST_F(SnmpEventProcessorAgent, StoppedPumpProcessesNothing) {
    SnmpGlobal().eventProcessor.Stop();
    bool done = false;
    Get([&](const QxSNMPAnswer&) { done = true; });
    EXPECT_FALSE(PumpUntil([&] { return done; }, std::chrono::milliseconds(300)));
    SnmpGlobal().eventProcessor.Start();
    EXPECT_TRUE(PumpUntil([&] { return done; }));
}

// Time-outs of asynchronous exchanges come from the pump's timer: nothing arrives on any
// socket to wake it.
TEST_F(SnmpEventProcessorAgent, TimerEndsExchangesThatGetNoAnswer) {
    QxSNMPTarget target = Target();
    target.security.readCommunity = "nobody-answers-this";
    target.timeout = 10;
    target.retries = 2;
    int status = 0;
    QxSNMPSession::Global()->SendAsync(QxPduType::Get, target, {Vb(SysUpTime)},
                                       [&](const QxSNMPAnswer& a) { status = a.status; });
    EXPECT_TRUE(PumpUntil([&] { return status != 0; }));
    EXPECT_EQ(status, -5);
}

} // namespace
