#pragma once

#include <string>
#include <vector>

// The command line of ksw-sim.
struct SimOptions {
    int port = 1161;
    std::string dataPath;  // empty: the default data file
    bool poe = false;      // front panel in PoE display mode
    bool verbose = false;  // log every request on standard error
    int rows = 0;          // rows of the generated benchmark table, 0 for none
    int rebootSeconds = 3; // silence after a Reboot command
    int delayMs = 0;       // every answer held this long
    int jitterMs = 0;      // plus a random 0..jitterMs per answer
    bool help = false;

    // Parses argv (without the program name). Throws std::invalid_argument with a message
    // for an unknown option or a bad value.
    static SimOptions Parse(const std::vector<std::string>& args);
    static std::string Usage();
    // The data file used when --data is not given: ksw524p.snmprec beside the program if it
    // exists there, otherwise the project's sim/data/ksw524p.snmprec.
    static std::string DefaultDataPath(const std::string& programPath);
};
