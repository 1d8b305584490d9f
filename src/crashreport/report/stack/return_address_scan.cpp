#include "stack/return_address_scan.h"

#include "stack/memory_reader.h"

#include <algorithm>
#include <array>

namespace crashnote::report {

namespace {

// ModR/M byte of "call r/m": reg field 2.
bool isCallModRm(std::uint8_t modrm)
{
    return (modrm & 0x38) == 0x10;
}

// Length of the "FF /2" call that ends at the end of these bytes, 0 if none.
std::size_t indirectCallLength(const std::array<std::uint8_t, 8> &b)
{
    // b[7] is the byte just before the return address.
    const auto at = [&](std::size_t back) { return b[8 - back]; };
    // call reg (FF D0..D7), optionally with a REX prefix.
    if (at(2) == 0xFF && (at(1) & 0xF8) == 0xD0)
        return (at(3) & 0xF0) == 0x40 ? 3 : 2;
    // call [reg]: mod 00, no SIB and no displacement.
    if (at(2) == 0xFF && isCallModRm(at(1)) && (at(1) & 0xC0) == 0x00 && (at(1) & 7) != 4 && (at(1) & 7) != 5)
        return (at(3) & 0xF0) == 0x40 ? 3 : 2;
    // call [reg+disp8], or with SIB and no displacement.
    if (at(3) == 0xFF && isCallModRm(at(2))
        && (((at(2) & 0xC0) == 0x40 && (at(2) & 7) != 4) || ((at(2) & 0xC0) == 0x00 && (at(2) & 7) == 4)))
        return (at(4) & 0xF0) == 0x40 ? 4 : 3;
    // call [reg+index+disp8]
    if (at(4) == 0xFF && isCallModRm(at(3)) && (at(3) & 0xC0) == 0x40 && (at(3) & 7) == 4)
        return (at(5) & 0xF0) == 0x40 ? 5 : 4;
    // call [rip+disp32] or [reg+disp32]
    if (at(6) == 0xFF && isCallModRm(at(5))
        && (((at(5) & 0xC0) == 0x00 && (at(5) & 7) == 5) || ((at(5) & 0xC0) == 0x80 && (at(5) & 7) != 4)))
        return (at(7) & 0xF0) == 0x40 ? 7 : 6;
    // call [reg+index+disp32]
    if (at(7) == 0xFF && isCallModRm(at(6)) && (at(6) & 0xC0) == 0x80 && (at(6) & 7) == 4)
        return (at(8) & 0xF0) == 0x40 ? 8 : 7;
    return 0;
}

} // namespace

std::optional<std::uint64_t> callInstructionBefore(std::uint64_t returnAddress)
{
    std::array<std::uint8_t, 8> before{};
    if (returnAddress < before.size() || !readMemory(returnAddress - before.size(), before.data(), before.size()))
        return std::nullopt;
    if (before[3] == 0xE8)   // call rel32
        return returnAddress - 5;
    if (const std::size_t length = indirectCallLength(before))
        return returnAddress - length;
    return std::nullopt;
}

std::vector<std::uint64_t> scanReturnAddresses(std::uint64_t stackPointer, std::size_t scanBytes,
                                               const std::function<bool(std::uint64_t)> &isCode)
{
    std::vector<std::uint64_t> found;
    constexpr std::size_t chunkBytes = 4096;
    std::array<std::uint64_t, chunkBytes / 8> chunk{};
    for (std::size_t offset = 0; offset < scanBytes; offset += chunkBytes) {
        // The stack ends at a page boundary; read the rest word by word there.
        const std::size_t bytes = std::min(chunkBytes, scanBytes - offset) / 8 * 8;
        std::size_t words = bytes / 8;
        if (!readMemory(stackPointer + offset, chunk.data(), bytes)) {
            words = 0;
            while (words < bytes / 8 && readValue(stackPointer + offset + 8 * words, chunk[words]))
                ++words;
        }
        for (std::size_t i = 0; i < words; ++i)
            if (isCode(chunk[i]) && callInstructionBefore(chunk[i]))
                found.push_back(chunk[i]);
        if (words < bytes / 8)
            break;
    }
    return found;
}

} // namespace crashnote::report
