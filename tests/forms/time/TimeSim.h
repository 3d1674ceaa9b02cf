#pragma once

#include "AgentTarget.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TMemo.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// One ksw-sim for the whole test program, started on first use; the windows reach it through
// the module's connection record, as they reach a device.
inline TestAgent& TimeSimulator() {
    static std::unique_ptr<TestAgent> agent = std::make_unique<TestAgent>();
    return *agent;
}

// A UI test whose windows talk to the simulator.
class TimeDeviceTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        QxSNMPGlobal& global = SnmpGlobal();
        global.ResetParameters();
        global.device.address = "127.0.0.1";
        global.device.port = static_cast<std::uint16_t>(TimeSimulator().Port());
        global.security.version = 1;
        global.security.readCommunity = "public";
        global.security.writeCommunity = "private";
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    // One object as the device has it now, read with net-snmp's own tool.
    static std::string Device(const std::string& oid) {
        const ProgramResult r = SnmpTool(TimeSimulator(), {"-v2c", "-c", "public"}).Get({oid});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out)["." + oid];
    }
    static void DeviceSet(const std::vector<std::string>& oidTypeValue) {
        const ProgramResult r =
            SnmpTool(TimeSimulator(), {"-v2c", "-c", "private"}).Set(oidTypeValue);
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }

    static std::string LastLine(const TMemo& memo) {
        return memo.LineCount() == 0 ? std::string() : memo.Line(memo.LineCount() - 1);
    }
    static bool StartsWith(const std::string& text, const std::string& start) {
        return text.rfind(start, 0) == 0;
    }
};
