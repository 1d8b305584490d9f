#pragma once

#include "report_input.h"

#include <atomic>
#include <thread>

// A real thread stopped by a real signal inside a known chain of calls
// (outerCall -> middleCall -> innermostWait), its registers captured by the
// signal handler, as the reporter core stops the threads it reports.
class StoppedThread {
public:
    StoppedThread();
    ~StoppedThread();

    const crashnote::report::CpuContext &context() const { return context_; }
    std::uint64_t threadId() const { return threadId_; }

private:
    std::thread thread_;
    crashnote::report::CpuContext context_;
    std::uint64_t threadId_ = 0;
};

// The routine names of the chain, innermost first.
inline const char *const stoppedThreadChain[] = {"innermostWait", "middleCall", "outerCall"};
