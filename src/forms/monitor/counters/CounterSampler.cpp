#include "forms/monitor/counters/CounterSampler.h"

#include "shell/QxError.h"

#include <charconv>

namespace {

// The code of the framework's own "not a valid integer" error.
constexpr int NotAnIntegerCode = -527;

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
    raised_.assign(n, false);
    rates_.assign(n, std::nullopt);
    lastUpTime_ = 0;
    samples_ = 0;
}

CounterSampler::Outcome CounterSampler::Step(const std::vector<std::uint32_t>& values,
                                             std::uint32_t upTime) {
    Outcome outcome = Outcome::Measured;
    if (samples_ == 0) {
        outcome = Outcome::Primed;
    } else if (upTime < lastUpTime_) {
        outcome = Outcome::Restarted;
    }
    const std::uint32_t elapsed = upTime - lastUpTime_;
    for (size_t k = 0; k < states_.size(); ++k) {
        CounterState& s = states_[k];
        s.previous = s.value;
        s.value = k < values.size() ? values[k] : 0;
        raised_[k] = false;
        rates_[k].reset();
        if (outcome != Outcome::Measured) {
            s.delta = 0;
            continue;
        }
        s.delta = s.value - s.previous; // unsigned: modulo 2^32
        // A previous value of 0 is how a counter looks right after a reset or restart; its
        // first delta would be the whole count, so it never sets the peak.
        if (s.delta > s.peak && s.previous != 0) {
            s.peak = s.delta;
            raised_[k] = true;
        }
        if (elapsed > 0) {
            rates_[k] = static_cast<std::uint32_t>(std::uint64_t{s.delta} * 100U / elapsed);
        }
    }
    lastUpTime_ = upTime;
    ++samples_;
    return outcome;
}

std::uint32_t CounterSampler::ParseCounter(const std::string& text) {
    std::uint64_t value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        throw QxError(NotAnIntegerText(text), NotAnIntegerCode);
    }
    return static_cast<std::uint32_t>(value);
}
