#include "crash_rate.h"

namespace crashnote {

void CrashRate::record(Clock::time_point when, std::uint32_t count)
{
    times_.push_back(when);
    while (times_.size() > count)
        times_.pop_front();
}

bool CrashRate::exceeded(std::uint32_t count, std::uint32_t minutes) const
{
    return count > 0 && times_.size() == count && times_.back() - times_.front() <= std::chrono::minutes(minutes);
}

} // namespace crashnote
