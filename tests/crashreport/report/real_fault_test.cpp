#include "report_builder.h"
#include "stack/signal_context.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <atomic>
#include <csetjmp>
#include <ctime>
#include <thread>
#include <csignal>

#include <sys/syscall.h>
#include <unistd.h>

using namespace crashnote::report;

namespace {

sigjmp_buf afterFault;
CpuContext faultContext;
std::uint64_t faultAddress = 0;
std::atomic<bool> faulted{false};
std::atomic<bool> reported{false};

// Like the reporter core, the failing thread waits in its handler while the
// report is built, so that its stack is still there to be walked.
void recordFault(int, siginfo_t *info, void *ucontext)
{
    faultContext = cpuContextFromSignal(ucontext);
    faultAddress = std::uint64_t(reinterpret_cast<std::uintptr_t>(info->si_addr));
    faulted = true;
    const timespec pause{0, 1000000};
    while (!reported)
        nanosleep(&pause, nullptr);
    siglongjmp(afterFault, 1);
}

// Read through volatile so that the compiler cannot see the null pointer.
int *volatile failingTarget = nullptr;

// The sanitizer would stop the store itself; the test needs the real fault.
__attribute__((noinline, no_sanitize("undefined"))) void writeThroughNull(int *target)
{
    *target = 42;
}

__attribute__((noinline)) void saveRecord()
{
    writeThroughNull(failingTarget);
    asm volatile("");
}

class FaultingThread {
public:
    FaultingThread()
    {
        struct sigaction action {};
        action.sa_sigaction = recordFault;
        action.sa_flags = SA_SIGINFO;
        sigaction(SIGSEGV, &action, &previous_);
        thread_ = std::thread([this] {
            threadId_ = std::uint64_t(syscall(SYS_gettid));
            if (sigsetjmp(afterFault, 1) == 0)
                saveRecord();
        });
        while (!faulted)
            std::this_thread::yield();
    }
    ~FaultingThread()
    {
        reported = true;
        thread_.join();
        sigaction(SIGSEGV, &previous_, nullptr);
    }
    std::uint64_t threadId() const { return threadId_; }

private:
    struct sigaction previous_ {};
    std::thread thread_;
    std::atomic<std::uint64_t> threadId_{0};
};

} // namespace

TEST(RealFault, ReportNamesTheFaultingLineAndShowsItsCode)
{
    const FaultingThread failing;
    ReportInput input;
    input.application.startTime = QDateTime::currentDateTime().addSecs(-5);
    input.application.version = "1.0.0";
    input.exception.className = "EAccessViolation";
    input.exception.address = faultContext.rip;
    input.exception.accessViolation = AccessViolation{faultAddress, true};
    input.exception.threadId = failing.threadId();
    input.exception.time = QDateTime::currentDateTime();
    input.exceptionContext = faultContext;
    ThreadInput thread;
    thread.threadId = input.exception.threadId;
    input.threads = {thread};

    const BuiltReport report = buildReport(input);
    const std::string text = report.text.toStdString();

    const QString rip = QStringLiteral("%1").arg(faultContext.rip, 16, 16, QLatin1Char('0')).toUpper();
    EXPECT_NE(text.find("Access violation at address " + rip.toStdString() + " in module 'crashnote_report_stack_tests'. "
                        "Write of address 0000000000000000."),
              std::string::npos);
    // The call stack names both routines of this file with their lines.
    const QRegularExpression firstRow("\\|" + rip + "\\|crashnote_report_stack_tests *\\|real_fault_test.cpp *\\| *\\|"
                                      "writeThroughNull *\\|\\d+\\[\\d+\\] *\\|");
    EXPECT_TRUE(firstRow.match(report.callStackTable).hasMatch()) << report.callStackTable.toStdString();
    EXPECT_NE(text.find("|saveRecord"), std::string::npos) << report.callStackTable.toStdString();
    // The faulting instruction stores to memory, and is marked.
    const QRegularExpression faultLine("\\n" + rip + "  mov +dword ptr \\[r[a-z0-9]+\\], \\$2A +; <-- EXCEPTION\\r");
    EXPECT_TRUE(faultLine.match(report.disassemblyText).hasMatch()) << report.disassemblyText.toStdString();
    EXPECT_NE(report.disassemblyText.indexOf("; real_fault_test.cpp.writeThroughNull") , -1);
    // Registers and the 16 dump lines.
    EXPECT_NE(text.find("RIP: " + rip.toStdString()), std::string::npos);
    const QRegularExpression dumpLine("\\n[0-9A-F]{16}: [0-9A-F]{16}   [0-9A-F]{16}: (?:[0-9A-F]{2} ){16} .{16}\\r");
    int dumpLines = 0;
    for (auto it = dumpLine.globalMatch(report.cpuText); it.hasNext(); it.next())
        ++dumpLines;
    EXPECT_EQ(dumpLines, 16);
    // The modules table lists this program.
    EXPECT_NE(report.modulesTable.indexOf("|crashnote_report_stack_tests"), -1);
    EXPECT_FALSE(report.processesTable.isEmpty());
}
