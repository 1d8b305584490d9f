#include "stack/call_stack_builder.h"

#include "stack/cfi_unwinder.h"
#include "stack/return_address_scan.h"

#include <algorithm>
#include <limits>

namespace crashnote::report {

namespace {

constexpr std::size_t maximumFrames = 256;
constexpr std::uint8_t programThreadsFlag = 0x04;
constexpr std::uint8_t systemThreadsFlag = 0x08;

bool isResolved(EntryKind kind)
{
    return kind == EntryKind::RoutineOnly || kind == EntryKind::UnitNoLine || kind == EntryKind::LineKnown;
}

void appendCalls(std::vector<StackEntry> &entries, const AddressResolver &resolver,
                 const std::vector<std::uint64_t> &returnAddresses, std::uint64_t threadId, bool ownStack,
                 std::size_t firstScanned)
{
    for (std::size_t i = 0; i < returnAddresses.size(); ++i) {
        // The call instruction itself, so that the line is the calling one.
        const std::uint64_t returnAddress = returnAddresses[i];
        StackEntry entry = resolver.resolve(callInstructionBefore(returnAddress).value_or(returnAddress - 1));
        entry.threadId = threadId;
        entry.ownStack = ownStack;
        entry.foundByScan = i >= firstScanned;
        entries.push_back(entry);
    }
}

// A stack recorded inside a signal handler holds the handler's own calls and
// then the interrupted instruction itself; one recorded when an exception was
// thrown starts with the return from the throwing call. Either way the
// callers start after the entry that is the exception address.
std::vector<std::uint64_t> callersOfException(const std::vector<std::uint64_t> &recorded,
                                              std::uint64_t exceptionAddress)
{
    const auto exception = std::find_if(recorded.begin(), recorded.end(), [&](std::uint64_t address) {
        return address == exceptionAddress || callInstructionBefore(address) == exceptionAddress;
    });
    if (exception == recorded.end())
        return recorded;
    return {exception + 1, recorded.end()};
}

void appendThread(std::vector<StackEntry> &entries, const ReportInput &input, const ThreadInput &thread,
                  const AddressResolver &resolver, const ProcessSymbols &symbols,
                  const std::vector<ModuleInfo> &modules)
{
    const bool isExceptionThread = thread.threadId == input.exception.threadId;
    std::optional<CpuContext> context = thread.context;
    if (isExceptionThread && input.exceptionContext)
        context = input.exceptionContext;

    const std::uint64_t firstAddress = isExceptionThread ? input.exception.address : context ? context->rip : 0;
    if (firstAddress) {
        StackEntry first = resolver.resolve(firstAddress);
        first.threadId = thread.threadId;
        first.firstEntry = isExceptionThread;
        entries.push_back(first);
    }
    // Stacks recorded elsewhere come from an exact walk.
    constexpr std::size_t noneScanned = std::numeric_limits<std::size_t>::max();
    if (!thread.returnAddresses.empty()) {
        appendCalls(entries, resolver, callersOfException(thread.returnAddresses, firstAddress), thread.threadId,
                    true, noneScanned);
    } else if (context) {
        const WalkedStack walked = walkStack(symbols, *context, modules);
        appendCalls(entries, resolver, walked.returnAddresses, thread.threadId, true, walked.firstScanned);
    }
    appendCalls(entries, resolver, thread.creationStack, thread.threadId, false, noneScanned);
}

} // namespace

WalkedStack walkStack(const ProcessSymbols &symbols, const CpuContext &context,
                      const std::vector<ModuleInfo> &modules)
{
    UnwindResult unwound = unwindWithCallFrameInfo(symbols, context, maximumFrames);
    WalkedStack walked{unwound.returnAddresses, unwound.returnAddresses.size()};
    if (unwound.complete)
        return walked;
    // Code without call-frame information (generated code, a damaged frame):
    // what remains of the stack is scanned for return addresses.
    const auto isCode = [&](std::uint64_t value) {
        for (const ModuleInfo &module : modules)
            if (value >= module.base && value < module.end)
                return true;
        return false;
    };
    const std::uint64_t from = unwound.returnAddresses.empty() ? context.rsp : unwound.stackPointer;
    for (std::uint64_t address : scanReturnAddresses(from, stackScanBytes, isCode)) {
        if (walked.returnAddresses.size() >= maximumFrames)
            break;
        walked.returnAddresses.push_back(address);
    }
    return walked;
}

std::vector<StackEntry> buildCallStack(const ReportInput &input, const AddressResolver &resolver,
                                       const ProcessSymbols &symbols, const std::vector<ModuleInfo> &modules)
{
    std::vector<StackEntry> entries;
    for (const ThreadInput &thread : input.threads)
        if (thread.threadId == input.exception.threadId)
            appendThread(entries, input, thread, resolver, symbols, modules);
    if (entries.empty() && input.exception.address) {
        // The core did not describe the raising thread: its exception address still counts.
        ThreadInput raising;
        raising.threadId = input.exception.threadId;
        appendThread(entries, input, raising, resolver, symbols, modules);
    }
    for (const ThreadInput &thread : input.threads) {
        if (thread.threadId == input.exception.threadId)
            continue;
        const std::uint8_t wanted = thread.createdByProgram ? programThreadsFlag : systemThreadsFlag;
        if (input.options.stackFlags & wanted)
            appendThread(entries, input, thread, resolver, symbols, modules);
    }
    hideRepeatedEntries(entries);
    return entries;
}

void hideRepeatedEntries(std::vector<StackEntry> &entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].foundByScan)
            continue;
        int compared = 0;
        for (std::size_t j = i + 1; j < entries.size() && compared < 2; ++j) {
            const StackEntry &later = entries[j];
            if (later.threadId != entries[i].threadId || later.ownStack != entries[i].ownStack)
                break;
            if (!isResolved(later.kind) || later.modulePath != entries[i].modulePath)
                continue;
            ++compared;
            if (later.address == entries[i].address)
                entries[i].kind = EntryKind::Hidden;
        }
    }
}

} // namespace crashnote::report
