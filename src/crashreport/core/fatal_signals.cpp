#include "fatal_signals.h"

#include "crashreport/exceptions/exceptions.h"
#include "interception_state.h"
#include "processing.h"
#include "program_file.h"
#include "raise_recorder.h"

#include <cstdio>
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

namespace crashnote {

namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
// Large enough for the processing that runs on it, reserved but not touched.
constexpr std::size_t kAltStackSize = 1024 * 1024;
thread_local bool tlsInFatalSignal = false;
thread_local void *tlsAltStack = nullptr;

std::string hexAddress(std::uint64_t address)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(address));
    return text;
}

std::string accessViolationMessage(std::uint64_t address, std::uint64_t accessed, bool write)
{
    Dl_info info{};
    std::string kind = write ? "Write" : "Read";
    if (::dladdr(reinterpret_cast<void *>(address), &info) && info.dli_fname && *info.dli_fname)
        return "Access violation at address " + hexAddress(address) + " in module '" +
               fileNameOf(info.dli_fname) + "'. " + kind + " of address " + hexAddress(accessed);
    return "Access violation at address " + hexAddress(address) + ". " + kind + " of address " +
           hexAddress(accessed);
}

void onFatalSignal(int signal, siginfo_t *info, void *rawContext)
{
    auto *context = static_cast<ucontext_t *>(rawContext);
    if (!isIntercepting() || InsideReporter::active() || tlsInFatalSignal) {
        // A failure inside the reporter, or a second one: let the system end the program.
        std::signal(signal, SIG_DFL);
        return;
    }
    tlsInFatalSignal = true;
    CaughtException exception = describeMadeException(exceptionForSignal(*info, *context));
    exception.context = registersFrom(*context);
    exception.origin = ExceptionOrigin::FatalSignal;
    exception.raiseStack = captureStack(1);
    processException(exception);
    // The failing instruction cannot be resumed.
    std::fflush(nullptr);
    ::_exit(1);
}

} // namespace

std::shared_ptr<const std::exception> exceptionForSignal(const siginfo_t &info, const ucontext_t &context)
{
    auto address = static_cast<std::uint64_t>(context.uc_mcontext.gregs[REG_RIP]);
    switch (info.si_signo) {
    case SIGSEGV:
    case SIGBUS: {
        auto accessed = reinterpret_cast<std::uint64_t>(info.si_addr);
        // Bit 1 of the page-fault error code marks a write.
        bool write = (context.uc_mcontext.gregs[REG_ERR] & 2) != 0;
        return std::make_shared<EAccessViolation>(accessViolationMessage(address, accessed, write), address,
                                                  accessed, write);
    }
    case SIGFPE:
        switch (info.si_code) {
        case FPE_INTDIV:
            return std::make_shared<EDivByZero>("Division by zero", address);
        case FPE_INTOVF:
            return std::make_shared<EIntOverflow>("Integer overflow", address);
        case FPE_FLTDIV:
            return std::make_shared<EZeroDivide>("Floating point division by zero", address);
        case FPE_FLTOVF:
            return std::make_shared<EOverflow>("Floating point overflow", address);
        case FPE_FLTUND:
            return std::make_shared<EUnderflow>("Floating point underflow", address);
        default:
            return std::make_shared<EInvalidOp>("Invalid floating point operation", address);
        }
    default:
        return std::make_shared<EPrivilege>("Privileged instruction", address);
    }
}

void installFatalSignalHandlers()
{
    prepareThreadForSignals();
    struct sigaction action{};
    action.sa_sigaction = &onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int s : kFatalSignals)
        ::sigaction(s, &action, nullptr);
}

void removeFatalSignalHandlers()
{
    for (int s : kFatalSignals)
        std::signal(s, SIG_DFL);
}

void prepareThreadForSignals()
{
    stack_t current{};
    if (::sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
        return;
    void *memory = ::mmap(nullptr, kAltStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = kAltStackSize;
    if (::sigaltstack(&stack, nullptr) != 0)
        ::munmap(memory, kAltStackSize);
    else
        tlsAltStack = memory;
}

void releaseThreadSignalStack()
{
    if (!tlsAltStack)
        return;
    stack_t disable{};
    disable.ss_flags = SS_DISABLE;
    ::sigaltstack(&disable, nullptr);
    ::munmap(tlsAltStack, kAltStackSize);
    tlsAltStack = nullptr;
}

} // namespace crashnote
