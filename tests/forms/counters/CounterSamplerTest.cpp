#include "forms/monitor/counters/CounterSampler.h"
#include "shell/QxError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using Outcome = CounterSampler::Outcome;
using Figure = CounterSampler::Figure;
constexpr double NoRate = -1;                        // in the tables: the step gives no rate
constexpr std::uint64_t Missing = ~std::uint64_t{0}; // in the tables: not answered
constexpr std::uint32_t Day497 = 4294967295U;        // sysUpTime just before its wrap

struct Sample {
    std::uint64_t value;  // Missing: the agent gave no number
    std::uint32_t upTime; // hundredths of a second
    Outcome outcome;
    std::uint64_t delta;
    std::uint64_t peak;
    bool raised;
    double rate;
    // Optional: the longest agent time that can have passed (0: every step back restarts),
    // a 64-bit counter, the counter's top speed per second, the expected figure and mark.
    std::uint32_t longest = 0;
    bool wide = false;
    double maxPerSecond = 0;
    Figure figure = Figure::Measured;
    bool uncertain = false;
};

struct Case {
    const char* name;
    std::vector<Sample> samples;
};

constexpr Figure P = Figure::Primed, M = Figure::Measured, N = Figure::Missing;

// One counter fed sample by sample; every step checked against its row.
const Case Cases[] = {
    {"the first sample only primes, the second measures",
     {{1000, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {1100, 200, Outcome::Measured, 100, 100, true, 100}}},
    {"a Counter32 wraps modulo 2^32",
     {{4294967290U, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {5, 200, Outcome::Measured, 11, 11, true, 11}}},
    {"values above 2^31 count as unsigned",
     {{3000000000U, 0, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {3000000500U, 500, Outcome::Measured, 500, 500, true, 100}}},
    {"a delta equal to the peak does not raise it, a smaller one neither",
     {{10, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {30, 200, Outcome::Measured, 20, 20, true, 20},
      {50, 300, Outcome::Measured, 20, 20, false, 20},
      {55, 400, Outcome::Measured, 5, 20, false, 5},
      {95, 500, Outcome::Measured, 40, 40, true, 40}}},
    {"a counter that was 0 does not raise the peak on that step",
     {{0, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {7, 200, Outcome::Measured, 7, 0, false, 7},
      {10, 300, Outcome::Measured, 3, 3, true, 3}}},
    {"the rate follows the agent's clock, not the poll interval",
     {{1000, 1000, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {1300, 1150, Outcome::Measured, 300, 300, true, 200},     // 1.5 s
      {1400, 1175, Outcome::Measured, 100, 300, false, 400},    // 0.25 s
      {3400, 2175, Outcome::Measured, 2000, 2000, true, 200}}}, // 10 s
    {"rates keep their fraction: small deltas over a little more than a second",
     {{500, 1000, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {502, 1101, Outcome::Measured, 2, 2, true, 200.0 / 101},
      {503, 1208, Outcome::Measured, 1, 2, false, 100.0 / 107}}},
    {"a late answer right after another: a small delta over a short agent time",
     {{46300, 1000, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {50930, 1100, Outcome::Measured, 4630, 4630, true, 4630},
      {51254, 1107, Outcome::Measured, 324, 4630, false, 4628.571428571428}}},
    {"no agent time between two answers: a delta but no rate",
     {{10, 500, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {15, 500, Outcome::Measured, 5, 5, true, NoRate}}},
    {"sysUpTime going back is a restart: no delta, rate or peak, counting starts again",
     {{5000, 90000, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {5200, 90100, Outcome::Measured, 200, 200, true, 200},
      {100, 300, Outcome::Restarted, 0, 200, false, NoRate, 200, false, 0, P},
      {150, 400, Outcome::Measured, 50, 200, false, 50},
      {450, 500, Outcome::Measured, 300, 300, true, 300}}},
    {"sysUpTime wrapping after 497 days within the interval is no restart",
     {{1000, Day497 - 49, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {1100, 50, Outcome::Measured, 100, 100, true, 100, 200}}},
    {"sysUpTime back by more than the time that can have passed is a restart",
     {{1000, Day497 - 49, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {1100, 500, Outcome::Restarted, 0, 0, false, NoRate, 200, false, 0, P}}},
    {"a counter going back while sysUpTime goes on has wrapped",
     {{5000, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {100, 200, Outcome::Measured, 4294962396U, 4294962396U, true, 4294962396.0}}},
    {"a Counter64 wraps modulo 2^64 and keeps its full width",
     {{18446744073709551610ULL, 100, Outcome::Primed, 0, 0, false, NoRate, 0, true, 0, P},
      {20, 200, Outcome::Measured, 26, 26, true, 26, 0, true},
      {30000000020ULL, 300, Outcome::Measured, 30000000000ULL, 30000000000ULL, true, 30000000000.0,
       0, true}}},
    {"a 32-bit delta that may have wrapped more than once is uncertain and no peak",
     // 1 Gbit/s gives 125,000,000 octets per second: 2^32 in 34.4 s.
     {{1000, 0, Outcome::Primed, 0, 0, false, NoRate, 0, false, 125e6, P},
      {2000, 3000, Outcome::Measured, 1000, 1000, true, 1000.0 / 30, 0, false, 125e6},
      {1650374, 18000, Outcome::Measured, 1648374, 1000, false, 1648374.0 / 150, 0, false, 125e6, M,
       true}}},
    {"a counter the agent does not answer misses that step only and primes again",
     {{10, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {20, 200, Outcome::Measured, 10, 10, true, 10},
      {Missing, 300, Outcome::Measured, 0, 10, false, NoRate, 0, false, 0, N},
      {90, 400, Outcome::Measured, 0, 10, false, NoRate, 0, false, 0, P},
      {95, 500, Outcome::Measured, 5, 10, false, 5}}},
    {"a counter whose width changes starts again",
     {{10, 100, Outcome::Primed, 0, 0, false, NoRate, 0, false, 0, P},
      {5000000000ULL, 200, Outcome::Measured, 0, 0, false, NoRate, 0, true, 0, P},
      {5000000100ULL, 300, Outcome::Measured, 100, 100, true, 100, 0, true}}},
};

TEST(CounterSampler, StepsFollowTheSamplingRules) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        CounterSampler sampler(1);
        int step = 0;
        for (const Sample& s : c.samples) {
            SCOPED_TRACE("step " + std::to_string(++step));
            const CounterSample in{s.value != Missing, s.value == Missing ? 0 : s.value, s.wide,
                                   s.maxPerSecond};
            EXPECT_EQ(sampler.Step({in}, s.upTime, s.longest), s.outcome);
            const CounterState& state = sampler.State(0);
            if (s.value != Missing) {
                EXPECT_EQ(state.value, s.value);
            }
            EXPECT_EQ(state.delta, s.delta);
            EXPECT_EQ(state.peak, s.peak);
            EXPECT_EQ(sampler.FigureOf(0), s.figure);
            EXPECT_EQ(sampler.PeakRaised(0), s.raised);
            EXPECT_EQ(sampler.Uncertain(0), s.uncertain);
            if (s.rate == NoRate) {
                EXPECT_FALSE(sampler.Rate(0).has_value());
            } else {
                ASSERT_TRUE(sampler.Rate(0).has_value());
                EXPECT_NEAR(*sampler.Rate(0), s.rate, 1e-6 * std::max(1.0, s.rate));
            }
            EXPECT_EQ(sampler.SampleCount(), step);
        }
    }
}

// After the device did not answer, the figures stay and the next answer only primes: the
// time without answers gives no delta.
TEST(CounterSampler, AnOutagePrimesAgainAndKeepsTheFigures) {
    CounterSampler sampler(1);
    sampler.Step(std::vector<std::uint32_t>{100}, 100);
    sampler.Step(std::vector<std::uint32_t>{300}, 200);
    sampler.Reprime();
    EXPECT_EQ(sampler.Step(std::vector<std::uint32_t>{9000}, 2200), Outcome::Primed);
    EXPECT_EQ(sampler.State(0).peak, 200u);
    EXPECT_EQ(sampler.State(0).delta, 0u);
    EXPECT_FALSE(sampler.Rate(0).has_value());
    EXPECT_EQ(sampler.Step(std::vector<std::uint32_t>{9050}, 2300), Outcome::Measured);
    EXPECT_EQ(sampler.State(0).delta, 50u);
}

TEST(CounterSampler, RatesHaveOneDecimal) {
    const struct {
        double rate;
        const char* text;
    } rows[] = {{0, "0.0"},
                {1.98, "2.0"},
                {0.934, "0.9"},
                {4628.57, "4628.6"},
                {30000000000.0, "30000000000.0"}};
    for (const auto& r : rows) {
        EXPECT_EQ(CounterSampler::RateText(r.rate), r.text);
    }
}

TEST(CounterSampler, ResetStartsAgainFromZeroAndPrimes) {
    CounterSampler sampler(2);
    sampler.Step(std::vector<std::uint32_t>{10, 20}, 100);
    sampler.Step(std::vector<std::uint32_t>{50, 90}, 200);
    ASSERT_EQ(sampler.State(1).peak, 70u);

    sampler.Reset();
    EXPECT_EQ(sampler.Count(), 2);
    EXPECT_EQ(sampler.SampleCount(), 0);
    for (int k = 0; k < 2; ++k) {
        const CounterState& s = sampler.State(k);
        EXPECT_EQ(s.value + s.previous + s.peak + s.delta, 0u);
    }
    // An earlier sysUpTime after a reset is no restart: the first sample only primes.
    EXPECT_EQ(sampler.Step(std::vector<std::uint32_t>{60, 100}, 150), Outcome::Primed);
    EXPECT_EQ(sampler.State(1).peak, 0u);
    EXPECT_EQ(sampler.Step(std::vector<std::uint32_t>{61, 105}, 250), Outcome::Measured);
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
