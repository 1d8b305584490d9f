#include "last_chance.h"

#include "caught_exception.h"
#include "interception_state.h"
#include "processing.h"
#include "raise_recorder.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

namespace crashnote {

namespace {

std::terminate_handler previousHandler = nullptr;
thread_local bool tlsTerminating = false;

[[noreturn]] void onTerminate()
{
    std::exception_ptr current = std::current_exception();
    if (!current || tlsTerminating || InsideReporter::active()) {
        std::fflush(nullptr);
        if (previousHandler)
            previousHandler();
        std::abort();
    }
    tlsTerminating = true;
    processUncaught(current);
    // Threads the reporter started catch their uncaught exceptions at their
    // start routine and end alone; reaching here means the main thread or a
    // thread started before the reporter, and a thread cannot be ended
    // from inside std::terminate: the program ends.
    std::fflush(nullptr);
    ::_exit(1);
}

} // namespace

void processUncaught(std::exception_ptr current)
{
    CaughtException exception = describeException(current);
    exception.origin = ExceptionOrigin::LastChance;
    if (auto raise = findRaise(exception.identity())) {
        exception.address = raise->address;
        exception.raiseStack = raise->stack;
    }
    if (!wasJustProcessed(exception))
        processException(exception);
}

void installLastChanceHandler() { previousHandler = std::set_terminate(&onTerminate); }

void removeLastChanceHandler()
{
    if (std::get_terminate() == &onTerminate)
        std::set_terminate(previousHandler);
}

} // namespace crashnote
