#include "stack/cfi_unwinder.h"

#include "stack/memory_reader.h"

#include <dwarf.h>
#include <elfutils/libdwfl.h>

#include <array>
#include <cstdlib>
#include <optional>

namespace crashnote::report {

namespace {

// DWARF numbers of the x86-64 registers: rax rdx rcx rbx rsi rdi rbp rsp r8..r15, return address.
constexpr int registerCount = 17;
constexpr int stackPointerRegister = 7;
constexpr int returnAddressRegister = 16;

struct Registers {
    std::array<std::uint64_t, registerCount> value{};
    std::array<bool, registerCount> known{};

    void set(int number, std::uint64_t v)
    {
        value[number] = v;
        known[number] = true;
    }
};

Registers fromContext(const CpuContext &c)
{
    Registers r;
    const std::uint64_t values[registerCount] = {c.rax, c.rdx, c.rcx, c.rbx, c.rsi, c.rdi, c.rbp, c.rsp,
                                                 c.r8,  c.r9,  c.r10, c.r11, c.r12, c.r13, c.r14, c.r15, c.rip};
    for (int i = 0; i < registerCount; ++i)
        r.set(i, values[i]);
    return r;
}

// Evaluates the small DWARF expressions call-frame information uses.
std::optional<std::uint64_t> evaluate(const Dwarf_Op *ops, std::size_t count, const Registers &regs,
                                      std::optional<std::uint64_t> cfa)
{
    std::vector<std::uint64_t> stack;
    if (cfa)
        stack.push_back(*cfa);
    for (std::size_t i = 0; i < count; ++i) {
        const Dwarf_Op &op = ops[i];
        const auto pop = [&]() -> std::optional<std::uint64_t> {
            if (stack.empty())
                return std::nullopt;
            const std::uint64_t top = stack.back();
            stack.pop_back();
            return top;
        };
        if (op.atom >= DW_OP_lit0 && op.atom <= DW_OP_lit31) {
            stack.push_back(op.atom - DW_OP_lit0);
        } else if (op.atom >= DW_OP_breg0 && op.atom <= DW_OP_breg16) {
            const int reg = op.atom - DW_OP_breg0;
            if (!regs.known[reg])
                return std::nullopt;
            stack.push_back(regs.value[reg] + std::int64_t(op.number));
        } else {
            switch (op.atom) {
            case DW_OP_bregx:
                if (op.number >= registerCount || !regs.known[op.number])
                    return std::nullopt;
                stack.push_back(regs.value[op.number] + std::int64_t(op.number2));
                break;
            case DW_OP_call_frame_cfa:
                if (!cfa)
                    return std::nullopt;
                stack.push_back(*cfa);
                break;
            case DW_OP_const1u: case DW_OP_const2u: case DW_OP_const4u: case DW_OP_const8u:
            case DW_OP_const1s: case DW_OP_const2s: case DW_OP_const4s: case DW_OP_const8s:
            case DW_OP_constu: case DW_OP_consts:
                stack.push_back(op.number);
                break;
            case DW_OP_plus_uconst: {
                const auto top = pop();
                if (!top)
                    return std::nullopt;
                stack.push_back(*top + op.number);
                break;
            }
            case DW_OP_plus: case DW_OP_minus: case DW_OP_and: case DW_OP_shl: {
                const auto b = pop(), a = pop();
                if (!a || !b)
                    return std::nullopt;
                stack.push_back(op.atom == DW_OP_plus ? *a + *b : op.atom == DW_OP_minus ? *a - *b
                                : op.atom == DW_OP_and ? *a & *b : *a << *b);
                break;
            }
            case DW_OP_deref: {
                const auto address = pop();
                std::uint64_t value = 0;
                if (!address || !readValue(*address, value))
                    return std::nullopt;
                stack.push_back(value);
                break;
            }
            case DW_OP_stack_value:
                break;
            default:
                return std::nullopt;
            }
        }
    }
    return stack.empty() ? std::nullopt : std::optional<std::uint64_t>(stack.back());
}

Dwarf_Frame *frameAt(const ProcessSymbols &symbols, std::uint64_t pc)
{
    Dwfl_Module *module = symbols.moduleAt(pc);
    if (!module)
        return nullptr;
    for (Dwarf_CFI *(*find)(Dwfl_Module *, Dwarf_Addr *) : {dwfl_module_eh_cfi, dwfl_module_dwarf_cfi}) {
        Dwarf_Addr bias = 0;
        Dwarf_CFI *cfi = find(module, &bias);
        Dwarf_Frame *frame = nullptr;
        if (cfi && dwarf_cfi_addrframe(cfi, pc - bias, &frame) == 0)
            return frame;
    }
    return nullptr;
}

// The caller's registers, or nullopt when the frame cannot be unwound.
std::optional<Registers> callerRegisters(Dwarf_Frame *frame, const Registers &regs)
{
    Dwarf_Op *cfaOps = nullptr;
    std::size_t cfaCount = 0;
    if (dwarf_frame_cfa(frame, &cfaOps, &cfaCount) != 0 || cfaCount == 0)
        return std::nullopt;
    const std::optional<std::uint64_t> cfa = evaluate(cfaOps, cfaCount, regs, std::nullopt);
    if (!cfa)
        return std::nullopt;

    Registers caller;
    caller.set(stackPointerRegister, *cfa);
    for (int reg = 0; reg < registerCount; ++reg) {
        if (reg == stackPointerRegister)
            continue;
        Dwarf_Op memory[3];
        Dwarf_Op *ops = nullptr;
        std::size_t count = 0;
        if (dwarf_frame_register(frame, reg, memory, &ops, &count) != 0)
            continue;
        if (count == 0) {
            if (ops == nullptr && regs.known[reg])   // same value
                caller.set(reg, regs.value[reg]);
            continue;                                 // undefined
        }
        const bool isValue = ops[count - 1].atom == DW_OP_stack_value;
        const std::optional<std::uint64_t> where = evaluate(ops, count, regs, cfa);
        if (!where)
            continue;
        std::uint64_t value = *where;
        if (!isValue && !readValue(*where, value))
            continue;
        caller.set(reg, value);
    }
    if (!caller.known[returnAddressRegister])
        return std::nullopt;
    return caller;
}

// The outermost frame of a thread says that it has no caller.
bool returnAddressUndefined(Dwarf_Frame *frame)
{
    Dwarf_Op memory[3];
    Dwarf_Op *ops = nullptr;
    std::size_t count = 0;
    return dwarf_frame_register(frame, returnAddressRegister, memory, &ops, &count) == 0 && count == 0
        && ops == memory;
}

} // namespace

UnwindResult unwindWithCallFrameInfo(const ProcessSymbols &symbols, const CpuContext &context,
                                     std::size_t maximumFrames)
{
    UnwindResult result;
    Registers regs = fromContext(context);
    bool innermost = true;
    while (result.returnAddresses.size() < maximumFrames) {
        result.stackPointer = regs.value[stackPointerRegister];
        const std::uint64_t pc = regs.value[returnAddressRegister];
        // A return address points behind the call; look up the call itself.
        Dwarf_Frame *frame = frameAt(symbols, innermost ? pc : pc - 1);
        if (!frame)
            return result;
        const std::optional<Registers> caller = callerRegisters(frame, regs);
        result.complete = returnAddressUndefined(frame);
        std::free(frame);
        if (!caller)
            return result;
        const std::uint64_t returnAddress = caller->value[returnAddressRegister];
        if (returnAddress == 0) {
            result.complete = true;
            return result;
        }
        // The stack only grows towards lower addresses; anything else is a broken chain.
        if (caller->value[stackPointerRegister] <= regs.value[stackPointerRegister] && !innermost)
            return result;
        result.returnAddresses.push_back(returnAddress);
        regs = *caller;
        innermost = false;
    }
    return result;
}

} // namespace crashnote::report
