#pragma once

#include "forms/monitor/counters/CounterState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One counter's reading in one answer.
struct CounterSample {
    bool present = false;    // the agent answered a number for it
    std::uint64_t value = 0; // the low 32 bits for a Counter32
    bool wide = false;       // a Counter64
    double maxPerSecond = 0; // the most it can count per second; 0 when unknown
};

// The sampling engine of the counter monitors: one CounterState per counter, fed with the
// counters and the agent's sysUpTime read in the same request.
//
// The first sample after a reset (or after the device stopped answering) only primes the
// values. Every later sample gives each counter its delta (modulo its width, so a wrapped
// counter still counts forward), raises the peak when the delta is larger, and the rate: the
// delta per second of agent time between the two answers, so that a late answer, a pause or a
// changed poll interval do not distort it.
//
// sysUpTime is a 32-bit count of hundredths and wraps after 497 days. When it went backwards,
// the step is a wrap when the time it would then have counted fits in the longest time that
// can have passed between the two answers; otherwise the device has restarted and its
// counters with it: that sample gives no delta, rate or peak, only the new values.
//
// A counter the agent did not answer is missing in that sample only; its next answer primes
// it again. A 32-bit delta that may hide more than one wrap (the counter can count 2^32 or
// more within the elapsed time) is uncertain: shown, but never taken as a peak.
class CounterSampler {
public:
    enum class Outcome { Primed, Measured, Restarted };
    // What one counter got from the latest sample.
    enum class Figure { Missing, Primed, Measured };

    explicit CounterSampler(int counters = 0);

    // All figures to zero, not primed; with a count, that many counters.
    void Reset();
    void Reset(int counters);
    // The figures stay; the next sample only primes (after the device did not answer).
    void Reprime() { reprime_ = true; }

    // One sample: one entry per counter, `upTime` the agent's sysUpTime in hundredths.
    // `longestElapsed` bounds, in hundredths, the agent time that can have passed since the
    // previous answer; 0 takes every backward step of sysUpTime as a restart.
    Outcome Step(const std::vector<CounterSample>& samples, std::uint32_t upTime,
                 std::uint32_t longestElapsed = 0);
    // Counter32 values that were all answered.
    Outcome Step(const std::vector<std::uint32_t>& values, std::uint32_t upTime,
                 std::uint32_t longestElapsed = 0);

    int Count() const { return static_cast<int>(states_.size()); }
    const CounterState& State(int k) const { return states_[static_cast<size_t>(k)]; }
    Figure FigureOf(int k) const { return counters_[static_cast<size_t>(k)].figure; }
    // Whether the latest sample raised counter k's peak.
    bool PeakRaised(int k) const { return counters_[static_cast<size_t>(k)].raised; }
    // Whether counter k's latest delta may hide further wraps.
    bool Uncertain(int k) const { return counters_[static_cast<size_t>(k)].uncertain; }
    // Whether counter k is read as a Counter64.
    bool Wide(int k) const { return counters_[static_cast<size_t>(k)].wide; }
    // Counter k's change per second of agent time at the latest sample; none when it gave no
    // delta or no agent time passed between the two answers.
    std::optional<double> Rate(int k) const { return counters_[static_cast<size_t>(k)].rate; }
    // Samples taken since the last reset.
    int SampleCount() const { return samples_; }
    // The agent time of the latest sample and the agent time it measured over (hundredths).
    std::uint32_t UpTime() const { return lastUpTime_; }
    std::uint64_t Elapsed() const { return elapsed_; }

    // A counter's value text (decimal, up to 64 bits) reduced to its low 32 bits; raises
    // "'text' is not a valid integer value" for anything else.
    static std::uint32_t ParseCounter(const std::string& text);
    // A counter's value text as a number of up to 64 bits; none for anything else ("(NULL)",
    // "(NOTDONE)", an empty text).
    static std::optional<std::uint64_t> ReadCounter(const std::string& text);
    // A rate with one decimal.
    static std::string RateText(double rate);

private:
    struct Counter {
        bool primed = false;
        bool wide = false;
        Figure figure = Figure::Missing;
        bool raised = false;
        bool uncertain = false;
        std::optional<double> rate;
    };

    std::vector<CounterState> states_;
    std::vector<Counter> counters_;
    std::uint32_t lastUpTime_ = 0;
    std::uint64_t elapsed_ = 0;
    int samples_ = 0;
    bool reprime_ = false;
};

// The conversion error of a text that is not a whole number.
std::string NotAnIntegerText(const std::string& text);
