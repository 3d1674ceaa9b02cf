#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

// One ksw-sim for the whole test program, started on first use; the windows reach it through
// the module's connection record, as they reach a device.
inline TestAgent& RoutingSimulator() {
    static std::unique_ptr<TestAgent> agent = std::make_unique<TestAgent>();
    return *agent;
}

// A UI test whose windows talk to the simulator.
class RoutingDeviceTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        QxSNMPGlobal& global = SnmpGlobal();
        global.ResetParameters();
        global.device.address = "127.0.0.1";
        global.device.port = static_cast<std::uint16_t>(RoutingSimulator().Port());
        global.security.version = 1;
        global.security.readCommunity = "public";
        global.security.writeCommunity = "private";
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    // The objects below `oid` as the device has them now, read with net-snmp's own tool.
    static std::map<std::string, std::string> Device(const std::string& oid) {
        const ProgramResult r = SnmpTool(RoutingSimulator(), {"-v2c", "-c", "public"}).Walk(oid);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out);
    }
    static void DeviceSet(const std::vector<std::string>& oidTypeValue) {
        const ProgramResult r =
            SnmpTool(RoutingSimulator(), {"-v2c", "-c", "private"}).Set(oidTypeValue);
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }

    // The memo's last line.
    static std::string LastLine(const TMemo& memo) {
        return memo.LineCount() == 0 ? std::string() : memo.Line(memo.LineCount() - 1);
    }
};

// Runs `inside` once the modal window that `open` shows runs; a window `inside` left open is
// closed, so that no test hangs on it. False when no modal window came.
inline bool WithModal(QObject* context, const std::function<void()>& open,
                      const std::function<void(TForm&)>& inside) {
    const QWidget* before = QApplication::activeModalWidget();
    bool ran = false;
    PostCall(context, [&] {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == before) {
            ADD_FAILURE() << "no modal window";
            return;
        }
        ran = true;
        inside(*dialog);
        if (dialog->isVisible()) {
            dialog->Close();
        }
    });
    open();
    return ran;
}
