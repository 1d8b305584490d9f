#pragma once

// The crash-rate rule: too many exceptions within a few minutes end or
// restart the program.

#include <chrono>
#include <cstdint>
#include <deque>

namespace crashnote {

class CrashRate {
public:
    using Clock = std::chrono::system_clock;

    // Keeps at most `count` of the most recent exception times.
    void record(Clock::time_point when, std::uint32_t count);
    // True when `count` exceptions fell within `minutes`.
    bool exceeded(std::uint32_t count, std::uint32_t minutes) const;

private:
    std::deque<Clock::time_point> times_;
};

} // namespace crashnote
