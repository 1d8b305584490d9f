// Building a whole report for a fault on a thread 20 calls deep, with three
// more threads stopped, side by side with eu-stack symbolizing the stacks of
// the same process. Prints both times and their ratio.
#include "report_builder.h"
#include "stack/signal_context.h"

#include <QElapsedTimer>
#include <QProcess>

#include <array>
#include <atomic>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace crashnote::report;

namespace {

constexpr int faultDepth = 20;
constexpr int otherThreads = 3;

struct Stopped {
    std::atomic<bool> ready{false};
    CpuContext context;
    std::uint64_t threadId = 0;
};

std::array<Stopped, otherThreads + 1> stopped;
std::atomic<bool> finished{false};
thread_local int slot = -1;
sigjmp_buf leaveFault;
int *volatile nowhere = nullptr;

void waitInHandler(int signal, siginfo_t *, void *ucontext)
{
    stopped[slot].context = cpuContextFromSignal(ucontext);
    stopped[slot].ready = true;
    const timespec pause{0, 1000000};
    while (!finished)
        nanosleep(&pause, nullptr);
    if (signal == SIGSEGV)
        siglongjmp(leaveFault, 1);   // the faulting instruction cannot be run again
}

int descend(int depth, bool fault);
// Called through a pointer so that the compiler cannot fold the recursion into a loop.
int (*volatile callDeeper)(int, bool) = descend;

__attribute__((noinline)) int descend(int depth, bool fault)
{
    if (depth == 0) {
        if (fault)
            *nowhere = 1;
        while (!finished)
            asm volatile("pause");
        return 0;
    }
    const int below = callDeeper(depth - 1, fault);
    asm volatile("");
    return below + 1;
}

void runThread(int index, bool fault)
{
    slot = index;
    stopped[index].threadId = std::uint64_t(syscall(SYS_gettid));
    if (fault && sigsetjmp(leaveFault, 1) != 0)
        return;
    descend(faultDepth, fault);
}

double cpuMilliseconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main()
{
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY);
    struct sigaction action {};
    action.sa_sigaction = waitInHandler;
    action.sa_flags = SA_SIGINFO;
    sigaction(SIGSEGV, &action, nullptr);
    sigaction(SIGUSR2, &action, nullptr);

    std::vector<std::thread> threads;
    for (int i = 1; i <= otherThreads; ++i)
        threads.emplace_back(runThread, i, false);
    threads.emplace_back(runThread, 0, true);
    for (int i = 1; i <= otherThreads; ++i) {
        while (stopped[i].threadId == 0)
            std::this_thread::yield();
        timespec settle{0, 10000000};
        nanosleep(&settle, nullptr);
        syscall(SYS_tgkill, getpid(), pid_t(stopped[i].threadId), SIGUSR2);
    }
    for (const Stopped &s : stopped)
        while (!s.ready)
            std::this_thread::yield();

    ReportInput input;
    input.application.startTime = QDateTime::currentDateTime();
    input.application.version = "1.0.0";
    input.exception.className = "EAccessViolation";
    input.exception.address = stopped[0].context.rip;
    input.exception.accessViolation = AccessViolation{0, true};
    input.exception.threadId = stopped[0].threadId;
    input.exception.time = QDateTime::currentDateTime();
    input.exceptionContext = stopped[0].context;
    for (const Stopped &s : stopped) {
        ThreadInput thread;
        thread.threadId = s.threadId;
        thread.context = s.context;
        input.threads.push_back(thread);
    }

    // Wall time, and processor time, which a busy machine disturbs less.
    QElapsedTimer timer;
    timer.start();
    const double reportCpuBefore = cpuMilliseconds(RUSAGE_SELF);
    const BuiltReport report = buildReport(input);
    const double reportCpu = cpuMilliseconds(RUSAGE_SELF) - reportCpuBefore;
    const double reportMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    QProcess euStack;
    euStack.start("eu-stack", {"-s", "-p", QString::number(getpid())});
    euStack.waitForFinished(60000);
    const double euStackMs = double(timer.nsecsElapsed()) / 1e6;
    const double euStackCpu = cpuMilliseconds(RUSAGE_CHILDREN);
    const QByteArray euOutput = euStack.readAllStandardOutput();

    std::printf("report:      %7.1f ms wall, %7.1f ms processor (%lld characters, %lld call-stack lines)\n",
                reportMs, reportCpu, qint64(report.text.size()),
                qint64(report.callStackTable.count(QLatin1Char('\n'))));
    std::printf("eu-stack -s: %7.1f ms wall, %7.1f ms processor (exit %d, %lld lines)\n", euStackMs, euStackCpu,
                euStack.exitCode(), qint64(euOutput.count('\n')));
    std::printf("ratio report / eu-stack: %.2f wall, %.2f processor\n", reportMs / euStackMs, reportCpu / euStackCpu);
    std::fflush(stdout);
    finished = true;
    for (std::thread &thread : threads)
        thread.join();
    return 0;
}
