#pragma once

// One exception as the reporter sees it, whatever its origin: a C++
// exception, a fatal signal turned into an exception object, or an object
// the reporter made itself (a frozen window).

#include "cpu_context.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace crashnote {

enum class ExceptionOrigin : std::uint8_t {
    General = 0,           // raised and caught by no one, or handed over by the program
    FrameworkHandler = 1,  // escaped an event handler of the GUI framework
    WebHandler = 2,
    FatalSignal = 3,
    LastChance = 4,
    Frozen = 5,
    Leak = 6,
};

struct CaughtException {
    std::exception_ptr object;                 // the C++ exception, when there is one
    std::shared_ptr<const std::exception> made; // an object the reporter made (signal, freeze)
    std::string className;                     // empty: not an object
    std::vector<std::string> classChain;       // class and ancestors
    std::optional<std::string> message;        // nullopt: no message of its own
    std::uint64_t address = 0;
    std::uint64_t threadId = 0;
    bool handled = false;
    ExceptionOrigin origin = ExceptionOrigin::General;
    std::optional<CpuRegisters> context;
    std::vector<std::uint64_t> raiseStack;     // return addresses recorded when raised
    std::optional<std::uint64_t> accessedAddress; // access violations
    bool writeAccess = false;

    bool descendsFrom(const std::string &className) const;
    const void *identity() const;              // the object, to recognise it again
};

// Describes the exception held by ptr (class, ancestors, message).
CaughtException describeException(std::exception_ptr ptr);
// Describes an object the reporter made and did not throw.
CaughtException describeMadeException(std::shared_ptr<const std::exception> object);

std::uint64_t currentThreadId();

} // namespace crashnote
