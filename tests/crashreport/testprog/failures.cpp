#include "failures.h"

#include "crashreport/exceptions/exceptions.h"

#include <csignal>
#include <stdexcept>

namespace testprog {

namespace {

class EDatabaseConnectionLost : public crashnote::EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

// The division by zero must reach the processor, also in sanitized builds.
[[gnu::noinline, gnu::no_sanitize_undefined]] int divide(int a, int b)
{
    volatile int divisor = b;
    return a / divisor;
}

} // namespace

[[gnu::noinline]] void knownRoutine()
{
    throw std::runtime_error("raised by the known routine");
}

bool raiseFailure(const std::string &kind)
{
    if (kind == "runtime")
        throw std::runtime_error("plain runtime failure");
    if (kind == "database")
        throw EDatabaseConnectionLost("connection lost");
    if (kind == "abort")
        throw crashnote::EAbort();
    if (kind == "int")
        throw 42;
    if (kind == "known")
        knownRoutine();
    if (kind == "segv") {
        volatile int *nowhere = reinterpret_cast<int *>(16);
        *nowhere = 1;
    }
    if (kind == "fpe")
        divide(1, 0);
    if (kind == "ill")
        __builtin_trap();
    if (kind == "bus")
        std::raise(SIGBUS);
    return false;
}

} // namespace testprog
