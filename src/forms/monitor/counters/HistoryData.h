#pragma once

#include <cstdint>
#include <string>

// One point of a counter's history: the delta of one poll, the time of day it was taken and
// the agent's sysUpTime in its answer (the filler points of a fresh history have neither).
struct HistoryData {
    std::uint64_t value = 0;
    std::string time;
    std::string agentTime;
};
