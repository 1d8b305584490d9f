#include "thread_suspender.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <execinfo.h>
#include <semaphore.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace crashnote {

namespace {

constexpr int kSlots = 128;
constexpr int kMaxFrames = 64;

struct Slot {
    std::atomic<long> threadId{0};   // 0: free
    std::atomic<bool> inHandler{false};
    CpuRegisters registers;
    int frames = 0;
    void *stack[kMaxFrames];
    sem_t stopped;
    sem_t resume;
};

Slot slots[kSlots];

int suspendSignal() { return SIGRTMIN + 3; }

void onSuspendSignal(int, siginfo_t *, void *rawContext)
{
    int savedErrno = errno;
    long self = ::syscall(SYS_gettid);
    for (Slot &slot : slots) {
        if (slot.threadId.load(std::memory_order_acquire) != self)
            continue;
        slot.inHandler.store(true, std::memory_order_release);
        slot.registers = registersFrom(*static_cast<ucontext_t *>(rawContext));
        slot.frames = ::backtrace(slot.stack, kMaxFrames);
        ::sem_post(&slot.stopped);
        while (::sem_wait(&slot.resume) != 0 && errno == EINTR) {
        }
        slot.inHandler.store(false, std::memory_order_release);
        break;
    }
    errno = savedErrno;
}

int claimSlot(long threadId)
{
    for (int i = 0; i < kSlots; ++i) {
        long expected = 0;
        if (slots[i].threadId.compare_exchange_strong(expected, -1)) {
            ::sem_init(&slots[i].stopped, 0, 0);
            ::sem_init(&slots[i].resume, 0, 0);
            slots[i].threadId.store(threadId, std::memory_order_release);
            return i;
        }
    }
    return -1;
}

void releaseSlot(int index)
{
    Slot &slot = slots[index];
    // The handler may still be between its wake-up and its return.
    while (slot.inHandler.load(std::memory_order_acquire))
        ::sched_yield();
    ::sem_destroy(&slot.stopped);
    ::sem_destroy(&slot.resume);
    slot.threadId.store(0, std::memory_order_release);
}

} // namespace

void installSuspendHandler()
{
    struct sigaction action{};
    action.sa_sigaction = &onSuspendSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigfillset(&action.sa_mask);
    ::sigaction(suspendSignal(), &action, nullptr);
}

ThreadSuspender::~ThreadSuspender() { resumeAll(); }

std::optional<StoppedThread> ThreadSuspender::suspend(std::uint64_t threadId)
{
    int index = claimSlot(static_cast<long>(threadId));
    if (index < 0)
        return std::nullopt;
    Slot &slot = slots[index];
    if (::syscall(SYS_tgkill, ::getpid(), static_cast<long>(threadId), suspendSignal()) != 0) {
        releaseSlot(index);
        return std::nullopt;
    }
    timespec deadline{};
    ::clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_nsec += 500'000'000;
    if (deadline.tv_nsec >= 1'000'000'000) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1'000'000'000;
    }
    int rc;
    while ((rc = ::sem_timedwait(&slot.stopped, &deadline)) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
        // The signal may still arrive later: keep the slot answering it at once.
        ::sem_post(&slot.resume);
        slots_.push_back(index);
        return std::nullopt;
    }
    slots_.push_back(index);
    StoppedThread stopped;
    stopped.threadId = threadId;
    stopped.registers = slot.registers;
    // Frames 0 and 1 are the handler and the signal trampoline.
    for (int f = 2; f < slot.frames; ++f)
        stopped.stack.push_back(reinterpret_cast<std::uint64_t>(slot.stack[f]));
    return stopped;
}

void ThreadSuspender::resume(std::uint64_t threadId)
{
    for (auto it = slots_.begin(); it != slots_.end(); ++it) {
        if (slots[*it].threadId.load() == static_cast<long>(threadId)) {
            ::sem_post(&slots[*it].resume);
            releaseSlot(*it);
            slots_.erase(it);
            return;
        }
    }
}

void ThreadSuspender::resumeAll()
{
    for (int index : slots_) {
        ::sem_post(&slots[index].resume);
        releaseSlot(index);
    }
    slots_.clear();
}

std::vector<std::uint64_t> processThreadIds()
{
    std::vector<std::uint64_t> ids;
    if (DIR *dir = ::opendir("/proc/self/task")) {
        while (dirent *entry = ::readdir(dir))
            if (entry->d_name[0] != '.')
                ids.push_back(std::strtoull(entry->d_name, nullptr, 10));
        ::closedir(dir);
    }
    return ids;
}

} // namespace crashnote
