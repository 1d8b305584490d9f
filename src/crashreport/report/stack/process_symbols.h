#pragma once

#include <cstdint>
#include <optional>

struct Dwfl;
struct Dwfl_Module;

namespace crashnote::report {

// The modules of this process as elfutils sees them: their ELF symbols,
// DWARF and call-frame information.
class ProcessSymbols {
public:
    ProcessSymbols();
    ~ProcessSymbols();
    ProcessSymbols(const ProcessSymbols &) = delete;
    ProcessSymbols &operator=(const ProcessSymbols &) = delete;

    // Null when no module holds the address.
    Dwfl_Module *moduleAt(std::uint64_t address) const;

    // Start of the ELF symbol (routine) that holds the address.
    std::optional<std::uint64_t> symbolStart(std::uint64_t address) const;

private:
    Dwfl *session_ = nullptr;
};

} // namespace crashnote::report
