#pragma once

#include "TestAgent.h"
#include "TestProgram.h"
#include "snmp/UISnmpVar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// The generated table of the simulator's --rows option: one column, and three columns.
inline constexpr UISnmpVar OneColumn[] = {
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplaystr, acReadwrite},
    {},
};
inline constexpr UISnmpVar ThreeColumns[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", sxInteger, acReadonly},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", sxDisplaystr, acReadwrite},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Count", sxCounter, acReadonly},
    {},
};

// Seconds for one walk of `oid` by net-snmp's snmpwalk, or a negative number when it failed.
inline double ToolWalk(const TestAgent& agent, const char* version, const char* oid) {
    auto start = std::chrono::steady_clock::now();
    ProgramResult out = RunProgram({"snmpwalk", version, "-c", "public", "-On", "-Oq", "-t", "2",
                                    "-r", "1", agent.Address(), oid},
                                   std::chrono::minutes(2));
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (out.exitCode != 0) {
        std::fprintf(stderr, "snmpwalk failed: %s\n", out.err.c_str());
        return -1;
    }
    return seconds;
}

// Seconds for one walk of `oid` by net-snmp's snmpbulkwalk over SNMPv2c with 25 repetitions
// per GETBULK, or a negative number when it failed.
inline double ToolBulkWalk(const TestAgent& agent, const char* oid) {
    auto start = std::chrono::steady_clock::now();
    ProgramResult out = RunProgram({"snmpbulkwalk", "-v2c", "-Cr25", "-c", "public", "-On", "-Oq",
                                    "-t", "2", "-r", "1", agent.Address(), oid},
                                   std::chrono::minutes(2));
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (out.exitCode != 0) {
        std::fprintf(stderr, "snmpbulkwalk failed: %s\n", out.err.c_str());
        return -1;
    }
    return seconds;
}

// The goal every walk ratio is held against, and the mark printed after a figure.
inline constexpr double WalkGoalRatio = 1.1;
inline const char* GoalMark(double ratio, double goal = WalkGoalRatio) {
    return ratio <= goal ? "" : "  ** above the goal **";
}

// The best of several runs; negative when any of them failed.
inline double Best(const std::vector<double>& runs) {
    if (std::any_of(runs.begin(), runs.end(), [](double s) { return s < 0; })) {
        return -1;
    }
    return *std::min_element(runs.begin(), runs.end());
}
