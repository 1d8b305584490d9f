#pragma once

#include "report_input.h"
#include "stack/address_resolver.h"
#include "stack/stack_entry.h"

#include <vector>

namespace crashnote::report {

struct WalkedStack {
    std::vector<std::uint64_t> returnAddresses; // innermost first
    std::size_t firstScanned = 0;               // index of the first one found by the scan
};

// The return addresses of a stopped thread's calls: its call-frame
// information as far as it reaches, then a scan of the rest of the stack for
// values that point behind call instructions.
WalkedStack walkStack(const ProcessSymbols &symbols, const CpuContext &context,
                      const std::vector<ModuleInfo> &modules);

// Entries of the exception thread first, then the other threads that the
// stack flags ask for; each thread's own calls, then those that created it.
std::vector<StackEntry> buildCallStack(const ReportInput &input, const AddressResolver &resolver,
                                       const ProcessSymbols &symbols, const std::vector<ModuleInfo> &modules);

// Hides an entry found by the scan that one of the next two resolved entries
// of its module repeats, as a scan finds the same call more than once. The
// frames of the call-frame walk are exact, so recursion there stays visible.
void hideRepeatedEntries(std::vector<StackEntry> &entries);

} // namespace crashnote::report
