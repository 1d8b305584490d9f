#include "stack/dwarf_routines.h"

#include <dwarf.h>

// DWARF attribute 0x47: a definition's link to the entry that declares it.
constexpr unsigned int kLinkToDeclaration = 0x47;

namespace crashnote::report {

namespace {

bool hasCode(Dwarf_Die *die)
{
    Dwarf_Addr low = 0;
    return dwarf_lowpc(die, &low) == 0 || dwarf_hasattr(die, DW_AT_ranges);
}

// The declaration a definition or inlined copy refers to.
Dwarf_Die declarationOf(Dwarf_Die die)
{
    for (unsigned int link : {unsigned(DW_AT_abstract_origin), kLinkToDeclaration}) {
        Dwarf_Attribute attribute;
        Dwarf_Die target;
        if (dwarf_attr(&die, link, &attribute) && dwarf_formref_die(&attribute, &target))
            die = target;
    }
    return die;
}

template <typename Visit>
void forEachChild(Dwarf_Die *parent, Visit visit)
{
    Dwarf_Die child;
    if (dwarf_child(parent, &child) != 0)
        return;
    do
        visit(child);
    while (dwarf_siblingof(&child, &child) == 0);
}

// The outermost inlined copy holding the address, inside lexical blocks too.
std::optional<Dwarf_Die> inlinedAt(Dwarf_Die *parent, Dwarf_Addr address)
{
    std::optional<Dwarf_Die> found;
    forEachChild(parent, [&](Dwarf_Die &child) {
        if (found || dwarf_haspc(&child, address) != 1)
            return;
        const int tag = dwarf_tag(&child);
        if (tag == DW_TAG_inlined_subroutine)
            found = child;
        else if (tag == DW_TAG_lexical_block)
            found = inlinedAt(&child, address);
    });
    return found;
}

std::optional<std::pair<QString, std::uint32_t>> callSiteOf(Dwarf_Die *unit, Dwarf_Die &inlined)
{
    Dwarf_Attribute attribute;
    Dwarf_Word line = 0, file = 0;
    Dwarf_Files *files = nullptr;
    std::size_t fileCount = 0;
    if (dwarf_formudata(dwarf_attr(&inlined, DW_AT_call_line, &attribute), &line) != 0
        || dwarf_formudata(dwarf_attr(&inlined, DW_AT_call_file, &attribute), &file) != 0
        || dwarf_getsrcfiles(unit, &files, &fileCount) != 0 || file >= fileCount)
        return std::nullopt;
    return std::make_pair(QString::fromUtf8(dwarf_filesrc(files, file, nullptr, nullptr)), std::uint32_t(line));
}

} // namespace

const DwarfRoutines::Unit &DwarfRoutines::unitFor(Dwarf_Die *unitDie)
{
    const auto [entry, isNew] = units_.try_emplace(unitDie->addr);
    Unit &unit = entry->second;
    if (!isNew)
        return unit;
    const auto walk = [&unit](auto &self, Dwarf_Die *parent, const QString &className) -> void {
        forEachChild(parent, [&](Dwarf_Die &child) {
            switch (dwarf_tag(&child)) {
            case DW_TAG_subprogram:
                if (hasCode(&child))
                    unit.routines.push_back(child);
                if (!className.isEmpty())
                    unit.classes.emplace(dwarf_dieoffset(&child), className);
                break;
            case DW_TAG_namespace:
                self(self, &child, QString());
                break;
            case DW_TAG_class_type:
            case DW_TAG_structure_type:
            case DW_TAG_union_type:
                self(self, &child, QString::fromUtf8(dwarf_diename(&child)));
                break;
            default:
                break;
            }
        });
    };
    walk(walk, unitDie, QString());
    return unit;
}

std::optional<RoutinePlace> DwarfRoutines::find(Dwarf_Die *unitDie, Dwarf_Addr address)
{
    const Unit &unit = unitFor(unitDie);
    for (Dwarf_Die routine : unit.routines) {
        if (dwarf_haspc(&routine, address) != 1)
            continue;
        RoutinePlace place{routine, {}, std::nullopt};
        Dwarf_Die declaration = declarationOf(routine);
        if (const auto found = unit.classes.find(dwarf_dieoffset(&declaration)); found != unit.classes.end())
            place.className = found->second;
        if (std::optional<Dwarf_Die> inlined = inlinedAt(&routine, address))
            place.callSite = callSiteOf(unitDie, *inlined);
        return place;
    }
    return std::nullopt;
}

} // namespace crashnote::report
