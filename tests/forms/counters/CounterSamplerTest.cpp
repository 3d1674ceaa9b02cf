#include "forms/monitor/counters/CounterSampler.h"
#include "shell/QxError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using Outcome = CounterSampler::Outcome;
constexpr std::uint32_t NoRate = 0xFFFFFFFF; // in the tables: the step gives no rate

struct Sample {
    std::uint32_t value;
    std::uint32_t upTime; // hundredths of a second
    Outcome outcome;
    std::uint32_t delta;
    std::uint32_t peak;
    bool raised;
    std::uint32_t rate;
};

struct Case {
    const char* name;
    std::vector<Sample> samples;
};

// One counter fed sample by sample; every step checked against its row.
const Case Cases[] = {
    {"the first sample only primes, the second measures",
     {{1000, 100, Outcome::Primed, 0, 0, false, NoRate},
      {1100, 200, Outcome::Measured, 100, 100, true, 100}}},
    {"a Counter32 wraps modulo 2^32",
     {{4294967290U, 100, Outcome::Primed, 0, 0, false, NoRate},
      {5, 200, Outcome::Measured, 11, 11, true, 11}}},
    {"values above 2^31 count as unsigned",
     {{3000000000U, 0, Outcome::Primed, 0, 0, false, NoRate},
      {3000000500U, 500, Outcome::Measured, 500, 500, true, 100}}},
    {"a delta equal to the peak does not raise it, a smaller one neither",
     {{10, 100, Outcome::Primed, 0, 0, false, NoRate},
      {30, 200, Outcome::Measured, 20, 20, true, 20},
      {50, 300, Outcome::Measured, 20, 20, false, 20},
      {55, 400, Outcome::Measured, 5, 20, false, 5},
      {95, 500, Outcome::Measured, 40, 40, true, 40}}},
    {"a counter that was 0 does not raise the peak on that step",
     {{0, 100, Outcome::Primed, 0, 0, false, NoRate},
      {7, 200, Outcome::Measured, 7, 0, false, 7},
      {10, 300, Outcome::Measured, 3, 3, true, 3}}},
    {"the rate follows the agent's clock, not the poll interval",
     {{1000, 1000, Outcome::Primed, 0, 0, false, NoRate},
      {1300, 1150, Outcome::Measured, 300, 300, true, 200},   // 1.5 s
      {1400, 1175, Outcome::Measured, 100, 300, false, 400},  // 0.25 s
      {3400, 2175, Outcome::Measured, 2000, 2000, true, 200}, // 10 s
      {3401, 2175, Outcome::Measured, 1, 2000, false, NoRate}}},
    {"sysUpTime going back is a restart: no delta, rate or peak, counting starts again",
     {{5000, 90000, Outcome::Primed, 0, 0, false, NoRate},
      {5200, 90100, Outcome::Measured, 200, 200, true, 200},
      {100, 300, Outcome::Restarted, 0, 200, false, NoRate},
      {150, 400, Outcome::Measured, 50, 200, false, 50},
      {450, 500, Outcome::Measured, 300, 300, true, 300}}},
    {"a counter going back while sysUpTime goes on has wrapped",
     {{5000, 100, Outcome::Primed, 0, 0, false, NoRate},
      {100, 200, Outcome::Measured, 4294962396U, 4294962396U, true, 4294962396U}}},
};

TEST(CounterSampler, StepsFollowTheSamplingRules) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        CounterSampler sampler(1);
        int step = 0;
        for (const Sample& s : c.samples) {
            SCOPED_TRACE("step " + std::to_string(++step));
            EXPECT_EQ(sampler.Step({s.value}, s.upTime), s.outcome);
            const CounterState& state = sampler.State(0);
            EXPECT_EQ(state.value, s.value);
            EXPECT_EQ(state.delta, s.delta);
            EXPECT_EQ(state.peak, s.peak);
            EXPECT_EQ(sampler.PeakRaised(0), s.raised);
            EXPECT_EQ(sampler.Rate(0),
                      s.rate == NoRate ? std::nullopt : std::optional<std::uint32_t>(s.rate));
            EXPECT_EQ(sampler.SampleCount(), step);
        }
    }
}

TEST(CounterSampler, ResetStartsAgainFromZeroAndPrimes) {
    CounterSampler sampler(2);
    sampler.Step({10, 20}, 100);
    sampler.Step({50, 90}, 200);
    ASSERT_EQ(sampler.State(1).peak, 70u);

    sampler.Reset();
    EXPECT_EQ(sampler.Count(), 2);
    EXPECT_EQ(sampler.SampleCount(), 0);
    for (int k = 0; k < 2; ++k) {
        const CounterState& s = sampler.State(k);
        EXPECT_EQ(s.value + s.previous + s.peak + s.delta, 0u);
    }
    // An earlier sysUpTime after a reset is no restart: the first sample only primes.
    EXPECT_EQ(sampler.Step({60, 100}, 150), Outcome::Primed);
    EXPECT_EQ(sampler.State(1).peak, 0u);
    EXPECT_EQ(sampler.Step({61, 105}, 250), Outcome::Measured);
    EXPECT_EQ(sampler.State(0).delta, 1u);
    EXPECT_EQ(sampler.State(1).delta, 5u);
}

TEST(CounterSampler, ParsesCounterTexts) {
    const struct {
        const char* text;
        std::uint32_t value;
    } good[] = {{"0", 0},
                {"3000000000", 3000000000U},
                {"4294967295", 4294967295U},
                {"4294967301", 5}, // a 64-bit text keeps its low 32 bits
                {"18446744073709551615", 4294967295U}};
    for (const auto& g : good) {
        EXPECT_EQ(CounterSampler::ParseCounter(g.text), g.value) << g.text;
    }
    for (const char* bad : {"", "abc", "-1", "12 ", "(NULL)", "18446744073709551616"}) {
        try {
            CounterSampler::ParseCounter(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const QxError& e) {
            EXPECT_EQ(e.Text(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

} // namespace
