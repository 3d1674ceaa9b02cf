#pragma once

#include <cstdint>

// The figures kept for one monitored counter. A Counter32 uses the low 32 bits and counts
// modulo 2^32; a Counter64 (the interfaces' high-capacity counters) the full width.
struct CounterState {
    std::uint64_t value = 0;    // read at the latest poll
    std::uint64_t previous = 0; // read at the poll before
    std::uint64_t peak = 0;     // largest delta since opening or the last reset
    std::uint64_t delta = 0;    // value - previous, modulo the counter's width
};
