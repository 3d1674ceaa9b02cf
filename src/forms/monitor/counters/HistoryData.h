#pragma once

#include <cstdint>
#include <string>

// One point of a counter's history: the delta of one poll and the time of day it was taken.
struct HistoryData {
    std::uint32_t value = 0;
    std::string time;
};
