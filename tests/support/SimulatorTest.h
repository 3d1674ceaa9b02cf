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

// One ksw-sim for the whole test program, started on first use.
inline TestAgent& SharedSimulator() {
    static std::unique_ptr<TestAgent> agent = std::make_unique<TestAgent>();
    return *agent;
}

// A UI test whose windows talk to the program's simulator through the module's connection
// record, as they talk to a device.
class SimulatorTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        EnsureTestSession();
        PointModuleAt(SharedSimulator());
    }
    void TearDown() override {
        SnmpGlobal().ResetParameters();
        UiTest::TearDown();
    }

    // One object as the device has it now, read with net-snmp's own tool.
    static std::string DeviceValue(const std::string& oid) {
        const ProgramResult r = SnmpTool(SharedSimulator(), {"-v2c", "-c", "public"}).Get({oid});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out)["." + oid];
    }
    // The objects below `oid` as the device has them now, keyed as net-snmp prints them.
    static std::map<std::string, std::string> DeviceWalk(const std::string& oid) {
        const ProgramResult r = SnmpTool(SharedSimulator(), {"-v2c", "-c", "public"}).Walk(oid);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return SnmpTool::Values(r.out);
    }
    static void DeviceSet(const std::vector<std::string>& oidTypeValue) {
        const ProgramResult r =
            SnmpTool(SharedSimulator(), {"-v2c", "-c", "private"}).Set(oidTypeValue);
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }

    static bool StartsWith(const std::string& text, const std::string& start) {
        return text.rfind(start, 0) == 0;
    }
    // The memo's last line.
    static std::string LastLine(const TMemo& memo) {
        return memo.LineCount() == 0 ? std::string() : memo.Line(memo.LineCount() - 1);
    }
};
