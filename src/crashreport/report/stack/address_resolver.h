#pragma once

#include "report_input.h"
#include "stack/dwarf_routines.h"
#include "stack/process_symbols.h"
#include "stack/stack_entry.h"
#include "tables/module_info.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace crashnote::report {

// Names an address: module, unit, class, routine, line and line offset, from
// the configuration block's debug data, else the module's DWARF, else its
// ELF symbols (the symbol table, or the exported symbols of a stripped file).
class AddressResolver {
public:
    AddressResolver(const ProcessSymbols &symbols, const std::vector<ModuleInfo> &modules,
                    std::shared_ptr<const BlockDebugData> blockDebugData);

    // An entry with everything but the thread fields filled in. Not for
    // use by several threads at once: it keeps what it has read.
    StackEntry resolve(std::uint64_t address) const;

private:
    const ModuleInfo *moduleHolding(std::uint64_t address) const;

    const ProcessSymbols &symbols_;
    const std::vector<ModuleInfo> &modules_;
    std::shared_ptr<const BlockDebugData> blockDebugData_;
    mutable DwarfRoutines routines_;
    mutable std::unordered_map<std::uint64_t, StackEntry> resolved_;
};

// "ns::Klass::method(int) const" as its class part and routine name.
void splitQualifiedName(const QString &demangled, QString &className, QString &routine);

} // namespace crashnote::report
