#pragma once

// Registers of a stopped thread, read from its signal context.

#include <cstdint>
#include <optional>
#include <ucontext.h>

namespace crashnote {

struct CpuRegisters {
    std::uint64_t rax = 0, rbx = 0, rcx = 0, rdx = 0;
    std::uint64_t rsi = 0, rdi = 0, rbp = 0, rsp = 0;
    std::uint64_t r8 = 0, r9 = 0, r10 = 0, r11 = 0;
    std::uint64_t r12 = 0, r13 = 0, r14 = 0, r15 = 0;
    std::uint64_t rip = 0;
};

CpuRegisters registersFrom(const ucontext_t &context);

} // namespace crashnote
