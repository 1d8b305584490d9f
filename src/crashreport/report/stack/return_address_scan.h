#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace crashnote::report {

// The address of the call instruction that a return address comes back to:
// a direct call, or an indirect call through a register or memory operand.
std::optional<std::uint64_t> callInstructionBefore(std::uint64_t returnAddress);

// Values on the stack, from the stack pointer upwards, that point just behind
// a call instruction inside code; at most scanBytes are looked at.
std::vector<std::uint64_t> scanReturnAddresses(std::uint64_t stackPointer, std::size_t scanBytes,
                                               const std::function<bool(std::uint64_t)> &isCode);

// Bytes of the stack scan.
constexpr std::size_t stackScanBytes = 102400;

} // namespace crashnote::report
