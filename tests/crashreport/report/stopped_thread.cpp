#include "stopped_thread.h"

#include "stack/signal_context.h"

#include <csignal>
#include <ctime>

#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<bool> inChain{false};
std::atomic<bool> stopChain{false};
std::atomic<bool> captured{false};
std::atomic<bool> released{false};
std::atomic<long> chainThreadId{0};
crashnote::report::CpuContext capturedContext;

void captureRegisters(int, siginfo_t *, void *ucontext)
{
    capturedContext = crashnote::report::cpuContextFromSignal(ucontext);
    captured = true;
    const timespec pause{0, 1000000};
    while (!released)
        nanosleep(&pause, nullptr);
}

__attribute__((noinline)) void innermostWait()
{
    inChain = true;
    while (!stopChain)
        asm volatile("pause");
}

__attribute__((noinline)) void middleCall()
{
    innermostWait();
    asm volatile("");
}

__attribute__((noinline)) void outerCall()
{
    chainThreadId = syscall(SYS_gettid);
    middleCall();
    asm volatile("");
}

} // namespace

StoppedThread::StoppedThread()
{
    inChain = stopChain = captured = released = false;
    struct sigaction action {};
    action.sa_sigaction = captureRegisters;
    action.sa_flags = SA_SIGINFO;
    sigaction(SIGUSR2, &action, nullptr);

    thread_ = std::thread(outerCall);
    while (!inChain)
        std::this_thread::yield();
    pthread_kill(thread_.native_handle(), SIGUSR2);
    while (!captured)
        std::this_thread::yield();
    context_ = capturedContext;
    threadId_ = std::uint64_t(chainThreadId.load());
}

StoppedThread::~StoppedThread()
{
    released = true;
    stopChain = true;
    thread_.join();
    signal(SIGUSR2, SIG_DFL);
}
