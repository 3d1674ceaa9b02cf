#pragma once

#include "forms/monitor/counters/CounterState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The sampling engine of the counter monitors: one CounterState per counter, fed with the
// counters and the agent's sysUpTime read in the same request.
//
// The first sample after a reset only primes the values. Every later sample gives each
// counter its delta (modulo 2^32, so a wrapped Counter32 still counts forward), raises the
// peak when the delta is larger, and the rate: the delta per second of agent time between the
// two answers, so that a slow answer, a pause or a changed poll interval do not distort it.
// When sysUpTime went backwards the device has restarted and its counters with it: that
// sample gives no delta, rate or peak, only the new values, from which counting starts again.
class CounterSampler {
public:
    enum class Outcome { Primed, Measured, Restarted };

    explicit CounterSampler(int counters = 0);

    // All figures to zero, not primed; with a count, that many counters.
    void Reset();
    void Reset(int counters);

    // One sample: `values` holds one value per counter, `upTime` the agent's sysUpTime in
    // hundredths of a second. The caller passes exactly Count() values.
    Outcome Step(const std::vector<std::uint32_t>& values, std::uint32_t upTime);

    int Count() const { return static_cast<int>(states_.size()); }
    const CounterState& State(int k) const { return states_[static_cast<size_t>(k)]; }
    // Whether the latest sample raised counter k's peak.
    bool PeakRaised(int k) const { return raised_[static_cast<size_t>(k)]; }
    // Counter k's change per second at the latest sample; none when it gave no delta or no
    // agent time passed between the two answers.
    std::optional<std::uint32_t> Rate(int k) const { return rates_[static_cast<size_t>(k)]; }
    // Samples taken since the last reset.
    int SampleCount() const { return samples_; }

    // A counter's value text (decimal, up to 64 bits) reduced to its low 32 bits; raises
    // "'text' is not a valid integer value" for anything else.
    static std::uint32_t ParseCounter(const std::string& text);

private:
    std::vector<CounterState> states_;
    std::vector<bool> raised_;
    std::vector<std::optional<std::uint32_t>> rates_;
    std::uint32_t lastUpTime_ = 0;
    int samples_ = 0;
};

// The conversion error of a text that is not a whole number.
std::string NotAnIntegerText(const std::string& text);
