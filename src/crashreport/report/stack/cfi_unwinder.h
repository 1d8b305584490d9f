#pragma once

#include "report_input.h"
#include "stack/process_symbols.h"

#include <cstdint>
#include <vector>

namespace crashnote::report {

struct UnwindResult {
    std::vector<std::uint64_t> returnAddresses; // callers, innermost first
    std::uint64_t stackPointer = 0;             // where the unwinding stopped
    bool complete = false;                      // reached the outermost frame
};

// Follows the call-frame information (.eh_frame, present in every x86-64
// module even without frame pointers) from the registers of a stopped thread.
UnwindResult unwindWithCallFrameInfo(const ProcessSymbols &symbols, const CpuContext &context,
                                     std::size_t maximumFrames);

} // namespace crashnote::report
