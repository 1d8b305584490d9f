#pragma once

// The threads the reporter knows: the main thread, every thread created
// while it is active, and its own helper threads (which it never suspends).

#include <cstdint>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <string>
#include <vector>

namespace crashnote {

struct ThreadRecord {
    std::uint64_t threadId = 0;
    pthread_t handle{};
    std::uint64_t routine = 0;
    std::uint64_t parameter = 0;
    std::uint64_t stackTop = 0;
    bool resumed = false;
    bool isMain = false;
    bool reporterOwn = false;
    std::string className;                     // class of the framework's thread object, if any
    std::vector<std::uint64_t> creationStack;  // calls of the creating thread
};

class ThreadRegistry {
public:
    static ThreadRegistry &instance();
    void add(ThreadRecord record);
    void markResumed(std::uint64_t threadId);
    void remove(std::uint64_t threadId);
    std::vector<ThreadRecord> snapshot() const;
    std::optional<ThreadRecord> find(std::uint64_t threadId) const;
    std::uint64_t mainThreadId() const;

private:
    mutable std::mutex mutex_;
    std::vector<ThreadRecord> threads_;
};

// Marks the calling thread as one of the reporter's helpers for its lifetime.
void markReporterThread();
bool isReporterThread();

} // namespace crashnote
