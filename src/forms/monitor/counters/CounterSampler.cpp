#include "forms/monitor/counters/CounterSampler.h"

#include "shell/QxError.h"

#include <charconv>
#include <cstdio>

namespace {

// The code of the framework's own "not a valid integer" error.
constexpr int NotAnIntegerCode = -527;
constexpr double TwoTo32 = 4294967296.0;

} // namespace

std::string NotAnIntegerText(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

CounterSampler::CounterSampler(int counters) {
    Reset(counters);
}

void CounterSampler::Reset() {
    Reset(Count());
}

void CounterSampler::Reset(int counters) {
    const auto n = static_cast<size_t>(counters < 0 ? 0 : counters);
    states_.assign(n, CounterState{});
    counters_.assign(n, Counter{});
    lastUpTime_ = 0;
    elapsed_ = 0;
    samples_ = 0;
    reprime_ = false;
}

CounterSampler::Outcome CounterSampler::Step(const std::vector<std::uint32_t>& values,
                                             std::uint32_t upTime, std::uint32_t longestElapsed) {
    std::vector<CounterSample> samples;
    samples.reserve(values.size());
    for (std::uint32_t v : values) {
        samples.push_back({true, v, false, 0});
    }
    return Step(samples, upTime, longestElapsed);
}

CounterSampler::Outcome CounterSampler::Step(const std::vector<CounterSample>& samples,
                                             std::uint32_t upTime, std::uint32_t longestElapsed) {
    Outcome outcome = Outcome::Measured;
    std::uint64_t elapsed = 0;
    if (samples_ == 0 || reprime_) {
        outcome = Outcome::Primed;
    } else if (upTime >= lastUpTime_) {
        elapsed = upTime - lastUpTime_;
    } else {
        const std::uint64_t wrapped =
            std::uint64_t{upTime} + (std::uint64_t{1} << 32) - lastUpTime_;
        if (longestElapsed > 0 && wrapped <= longestElapsed) {
            elapsed = wrapped;
        } else {
            outcome = Outcome::Restarted;
        }
    }
    const double seconds = static_cast<double>(elapsed) / 100.0;
    for (size_t k = 0; k < states_.size(); ++k) {
        CounterState& s = states_[k];
        Counter& c = counters_[k];
        c.raised = false;
        c.uncertain = false;
        c.rate.reset();
        const CounterSample sample = k < samples.size() ? samples[k] : CounterSample{};
        if (!sample.present) {
            c.figure = Figure::Missing;
            c.primed = false;
            s.delta = 0;
            continue;
        }
        s.previous = s.value;
        s.value = sample.wide ? sample.value : (sample.value & 0xFFFFFFFFU);
        // A counter read at another width, or not answered last time, starts again here.
        if (outcome != Outcome::Measured || !c.primed || c.wide != sample.wide) {
            c.figure = Figure::Primed;
            c.primed = true;
            c.wide = sample.wide;
            s.delta = 0;
            continue;
        }
        c.figure = Figure::Measured;
        s.delta = sample.wide ? s.value - s.previous : ((s.value - s.previous) & 0xFFFFFFFFU);
        c.uncertain =
            !sample.wide && sample.maxPerSecond > 0 && seconds * sample.maxPerSecond >= TwoTo32;
        // A previous value of 0 is how a counter looks right after a reset or restart; its
        // first delta would be the whole count, so it never sets the peak, and neither does a
        // delta that may have lost whole wraps.
        if (!c.uncertain && s.delta > s.peak && s.previous != 0) {
            s.peak = s.delta;
            c.raised = true;
        }
        if (elapsed > 0) {
            c.rate = static_cast<double>(s.delta) * 100.0 / static_cast<double>(elapsed);
        }
    }
    lastUpTime_ = upTime;
    elapsed_ = elapsed;
    reprime_ = false;
    ++samples_;
    return outcome;
}

std::uint32_t CounterSampler::ParseCounter(const std::string& text) {
    const std::optional<std::uint64_t> value = ReadCounter(text);
    if (!value) {
        throw QxError(NotAnIntegerText(text), NotAnIntegerCode);
    }
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint64_t> CounterSampler::ReadCounter(const std::string& text) {
    std::uint64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string CounterSampler::RateText(double rate) {
    char text[48];
    std::snprintf(text, sizeof text, "%.1f", rate);
    return text;
}
