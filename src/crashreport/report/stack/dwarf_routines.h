#pragma once

#include <QString>

#include <elfutils/libdw.h>

#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace crashnote::report {

// Where an address lies in a routine of a compilation unit's DWARF.
struct RoutinePlace {
    Dwarf_Die routine;
    QString className;                                          // empty for plain routines
    std::optional<std::pair<QString, std::uint32_t>> callSite;  // line of inlined code's call in the routine
};

// The routines of the compilation units met so far, each unit read once:
// looking routines up by walking a unit for every address would read the
// same thousands of entries again and again.
class DwarfRoutines {
public:
    std::optional<RoutinePlace> find(Dwarf_Die *unit, Dwarf_Addr address);

private:
    struct Unit {
        std::vector<Dwarf_Die> routines;                 // those with code
        std::unordered_map<Dwarf_Off, QString> classes;  // declaration -> class declaring it
    };
    const Unit &unitFor(Dwarf_Die *unit);

    // By where the unit's entry lies in memory: offsets repeat across modules.
    std::map<const void *, Unit> units_;
};

} // namespace crashnote::report
