#include "SnmpTestEnvironment.h"

#include "snmp/QxSNMPGlobal.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "snmp_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

void EnsureSnmpSession() {
    static QTemporaryDir bootFolder;
    if (QxSNMPSession::Global() == nullptr) {
        QxSNMPSession::CreateGlobal(bootFolder.path().toStdString());
    }
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    // Wakes the wait below regularly, so the limit holds even when no event comes.
    QTimer wake;
    wake.start(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}
