#include "cpu_context.h"

namespace crashnote {

CpuRegisters registersFrom(const ucontext_t &context)
{
    const auto &g = context.uc_mcontext.gregs;
    auto r = [&g](int index) { return static_cast<std::uint64_t>(g[index]); };
    CpuRegisters regs;
    regs.rax = r(REG_RAX);
    regs.rbx = r(REG_RBX);
    regs.rcx = r(REG_RCX);
    regs.rdx = r(REG_RDX);
    regs.rsi = r(REG_RSI);
    regs.rdi = r(REG_RDI);
    regs.rbp = r(REG_RBP);
    regs.rsp = r(REG_RSP);
    regs.r8 = r(REG_R8);
    regs.r9 = r(REG_R9);
    regs.r10 = r(REG_R10);
    regs.r11 = r(REG_R11);
    regs.r12 = r(REG_R12);
    regs.r13 = r(REG_R13);
    regs.r14 = r(REG_R14);
    regs.r15 = r(REG_R15);
    regs.rip = r(REG_RIP);
    return regs;
}

} // namespace crashnote
