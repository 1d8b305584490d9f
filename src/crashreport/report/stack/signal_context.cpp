#include "stack/signal_context.h"

#include <ucontext.h>

namespace crashnote::report {

CpuContext cpuContextFromSignal(const void *ucontext)
{
    const auto &registers = static_cast<const ucontext_t *>(ucontext)->uc_mcontext.gregs;
    CpuContext context;
    context.rax = std::uint64_t(registers[REG_RAX]);
    context.rbx = std::uint64_t(registers[REG_RBX]);
    context.rcx = std::uint64_t(registers[REG_RCX]);
    context.rdx = std::uint64_t(registers[REG_RDX]);
    context.rsi = std::uint64_t(registers[REG_RSI]);
    context.rdi = std::uint64_t(registers[REG_RDI]);
    context.rbp = std::uint64_t(registers[REG_RBP]);
    context.rsp = std::uint64_t(registers[REG_RSP]);
    context.r8 = std::uint64_t(registers[REG_R8]);
    context.r9 = std::uint64_t(registers[REG_R9]);
    context.r10 = std::uint64_t(registers[REG_R10]);
    context.r11 = std::uint64_t(registers[REG_R11]);
    context.r12 = std::uint64_t(registers[REG_R12]);
    context.r13 = std::uint64_t(registers[REG_R13]);
    context.r14 = std::uint64_t(registers[REG_R14]);
    context.r15 = std::uint64_t(registers[REG_R15]);
    context.rip = std::uint64_t(registers[REG_RIP]);
    return context;
}

} // namespace crashnote::report
