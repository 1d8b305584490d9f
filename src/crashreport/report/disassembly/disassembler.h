#pragma once

#include "stack/stack_entry.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace crashnote::report {

struct Disassembly {
    QString lines;          // each line ends with a line break
    qsizetype width = 0;    // longest line
};

// What the disassembly asks about addresses it meets.
struct DisassemblyLookups {
    std::function<StackEntry(std::uint64_t)> resolve;              // source position of code
    std::function<std::optional<QByteArray>(std::uint64_t)> readText; // up to 33 bytes of readable memory
};

// The instructions around the exception address found in these bytes, which
// start at firstAddress: ten before the exception's instruction (counting
// from routineStart when it lies in the bytes) and up to ten after it.
Disassembly disassembleBytes(const std::vector<std::uint8_t> &bytes, std::uint64_t firstAddress,
                             std::uint64_t exceptionAddress, std::optional<std::uint64_t> routineStart,
                             const DisassemblyLookups &lookups);

// The same for this process's memory, 70 bytes either side of the address
// as far as it can be read.
Disassembly disassembleAround(std::uint64_t exceptionAddress, std::optional<std::uint64_t> routineStart,
                              const std::function<StackEntry(std::uint64_t)> &resolve);

} // namespace crashnote::report
