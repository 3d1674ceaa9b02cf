#pragma once

#include <chrono>
#include <string>
#include <vector>

// What a program run by RunProgram produced.
struct ProgramResult {
    int exitCode = -1;     // exit status, or 128 + signal number when it was killed
    bool timedOut = false; // killed because it ran past the limit
    std::string out;       // standard output
    std::string err;       // standard error
};

// Runs argv[0] (searched in PATH) with the arguments, standard input from /dev/null, and
// collects its output. A program still running after `limit` is killed. net-snmp's tools see
// configuration and persistent folders of their own (SNMPCONFPATH, SNMP_PERSISTENT_DIR in a
// private temporary folder), so a test never reads or writes the user's or the system's.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         std::chrono::milliseconds limit = std::chrono::seconds(20));
