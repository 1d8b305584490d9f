#pragma once

// SIGSEGV, SIGBUS, SIGFPE and SIGILL: the processor's exceptions. Each is
// turned into an exception object carrying the failing thread's registers
// and processed on the spot; the failing thread cannot go on afterwards, so
// the program then ends with exit code 1.

#include "caught_exception.h"

#include <csignal>
#include <memory>

namespace crashnote {

void installFatalSignalHandlers();
void removeFatalSignalHandlers();

// Gives the calling thread an alternate signal stack, so that a stack
// overflow can still be reported.
void prepareThreadForSignals();
void releaseThreadSignalStack();

// The exception object a fatal signal stands for, worded like the run-time
// library words it.
std::shared_ptr<const std::exception> exceptionForSignal(const siginfo_t &info, const ucontext_t &context);

} // namespace crashnote
