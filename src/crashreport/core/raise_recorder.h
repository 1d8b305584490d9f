#pragma once

// Remembers, per thread, where the last C++ exceptions were raised and the
// calls that led there, so that an exception caught far from its raise is
// still reported with the stack it had when raised.

#include <cstdint>
#include <optional>
#include <vector>

namespace crashnote {

struct RaiseRecord {
    const void *object = nullptr;
    std::uint64_t address = 0;                 // the raising call instruction
    std::vector<std::uint64_t> stack;          // return addresses, innermost first
};

// Looks up the raise of this object on the calling thread.
std::optional<RaiseRecord> findRaise(const void *object);

// Records a raise reported by another module's reporter.
void recordRaise(const void *object, std::uint64_t address);

// The program's recorder when this module is a library whose reporter
// does not intercept; null otherwise.
using GeneralRaiseRecorder = void (*)(const void *object, std::uint64_t address);
GeneralRaiseRecorder programGeneralRaise();

// Return addresses of the calling thread, innermost first, skipping the
// given number of the innermost frames.
std::vector<std::uint64_t> captureStack(int skip);

// Loads the unwinder once, so that the first raise does not pay for it.
void prepareStackCapture();

} // namespace crashnote
