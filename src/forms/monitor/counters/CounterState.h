#pragma once

#include <cstdint>

// The figures kept for one monitored Counter32 object.
struct CounterState {
    std::uint32_t value = 0;    // read at the latest poll
    std::uint32_t previous = 0; // read at the poll before
    std::uint32_t peak = 0;     // largest delta since opening or the last reset
    std::uint32_t delta = 0;    // value - previous, modulo 2^32
};
