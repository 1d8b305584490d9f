#include "thread_registry.h"

#include "caught_exception.h"

#include <algorithm>

namespace crashnote {

namespace {
thread_local bool tlsReporterThread = false;
}

ThreadRegistry &ThreadRegistry::instance()
{
    static ThreadRegistry registry;
    return registry;
}

void ThreadRegistry::add(ThreadRecord record)
{
    std::lock_guard lock(mutex_);
    std::erase_if(threads_, [&](const ThreadRecord &t) { return t.threadId == record.threadId; });
    threads_.push_back(std::move(record));
}

void ThreadRegistry::markResumed(std::uint64_t threadId)
{
    std::lock_guard lock(mutex_);
    for (auto &t : threads_)
        if (t.threadId == threadId)
            t.resumed = true;
}

void ThreadRegistry::remove(std::uint64_t threadId)
{
    std::lock_guard lock(mutex_);
    std::erase_if(threads_, [&](const ThreadRecord &t) { return t.threadId == threadId; });
}

std::vector<ThreadRecord> ThreadRegistry::snapshot() const
{
    std::lock_guard lock(mutex_);
    return threads_;
}

std::optional<ThreadRecord> ThreadRegistry::find(std::uint64_t threadId) const
{
    std::lock_guard lock(mutex_);
    for (const auto &t : threads_)
        if (t.threadId == threadId)
            return t;
    return std::nullopt;
}

std::uint64_t ThreadRegistry::mainThreadId() const
{
    std::lock_guard lock(mutex_);
    for (const auto &t : threads_)
        if (t.isMain)
            return t.threadId;
    return 0;
}

void markReporterThread()
{
    tlsReporterThread = true;
    ThreadRecord self;
    self.threadId = currentThreadId();
    self.handle = pthread_self();
    self.reporterOwn = true;
    ThreadRegistry::instance().add(self);
}

bool isReporterThread() { return tlsReporterThread; }

} // namespace crashnote
