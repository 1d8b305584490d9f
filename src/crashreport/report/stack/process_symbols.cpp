#include "stack/process_symbols.h"

#include <elfutils/libdwfl.h>

#include <unistd.h>

namespace crashnote::report {

namespace {

char *debugInfoPath = nullptr;

const Dwfl_Callbacks processCallbacks = {
    dwfl_linux_proc_find_elf,
    dwfl_standard_find_debuginfo,
    nullptr,
    &debugInfoPath,
};

} // namespace

ProcessSymbols::ProcessSymbols()
    : session_(dwfl_begin(&processCallbacks))
{
    if (!session_)
        return;
    dwfl_report_begin(session_);
    dwfl_linux_proc_report(session_, getpid());
    dwfl_report_end(session_, nullptr, nullptr);
}

ProcessSymbols::~ProcessSymbols()
{
    if (session_)
        dwfl_end(session_);
}

Dwfl_Module *ProcessSymbols::moduleAt(std::uint64_t address) const
{
    return session_ ? dwfl_addrmodule(session_, address) : nullptr;
}

std::optional<std::uint64_t> ProcessSymbols::symbolStart(std::uint64_t address) const
{
    Dwfl_Module *module = moduleAt(address);
    GElf_Off offset = 0;
    GElf_Sym symbol;
    if (!module || !dwfl_module_addrinfo(module, address, &offset, &symbol, nullptr, nullptr, nullptr))
        return std::nullopt;
    return address - offset;
}

} // namespace crashnote::report
