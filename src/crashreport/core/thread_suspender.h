#pragma once

// Stops other threads of the process and reads their registers: the thread
// is sent a signal whose handler records its context and calls, then waits
// until it is resumed.

#include "cpu_context.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace crashnote {

struct StoppedThread {
    std::uint64_t threadId = 0;
    CpuRegisters registers;
    std::vector<std::uint64_t> stack;   // return addresses, innermost first
    bool programThread = true;          // false: a thread of a library or the system
};

void installSuspendHandler();

class ThreadSuspender {
public:
    ThreadSuspender() = default;
    ~ThreadSuspender();               // resumes whatever is still stopped
    ThreadSuspender(const ThreadSuspender &) = delete;
    ThreadSuspender &operator=(const ThreadSuspender &) = delete;

    // nullopt when the thread did not stop in time (gone, or signals blocked).
    std::optional<StoppedThread> suspend(std::uint64_t threadId);
    void resume(std::uint64_t threadId);
    void resumeAll();

private:
    std::vector<int> slots_;          // slots of the threads this object stopped
};

// Kernel thread ids of every thread of the process.
std::vector<std::uint64_t> processThreadIds();

} // namespace crashnote
