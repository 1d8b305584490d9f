#include "stack/address_resolver.h"

#include <QFileInfo>

#include <cxxabi.h>
#include <dwarf.h>
#include <elfutils/libdw.h>
#include <elfutils/libdwfl.h>

#include <algorithm>
#include <cstdlib>

namespace crashnote::report {

namespace {

constexpr qsizetype nameLimit = 64;

QString attributeText(Dwarf_Die *die, unsigned int name)
{
    Dwarf_Attribute attribute;
    if (!dwarf_attr_integrate(die, name, &attribute))
        return {};
    const char *text = dwarf_formstring(&attribute);
    return text ? QString::fromUtf8(text) : QString();
}

QString demangle(const char *symbol)
{
    int status = 0;
    char *readable = abi::__cxa_demangle(symbol, nullptr, nullptr, &status);
    const QString name = QString::fromUtf8(status == 0 && readable ? readable : symbol);
    std::free(readable);
    return name;
}

void fromDwarf(Dwfl_Module *module, std::uint64_t address, DwarfRoutines &routines, StackEntry &entry)
{
    Dwarf_Addr bias = 0;
    Dwarf_Die *unit = dwfl_module_addrdie(module, address, &bias);
    // Start-up code without DWARF of its own may be answered with a neighbouring unit.
    if (!unit || dwarf_haspc(unit, address - bias) != 1)
        return;
    entry.unit = QFileInfo(QString::fromUtf8(dwarf_diename(unit))).fileName();
    if (Dwfl_Line *line = dwfl_module_getsrc(module, address)) {
        int number = 0;
        if (const char *file = dwfl_lineinfo(line, nullptr, &number, nullptr, nullptr, nullptr)) {
            entry.unit = QFileInfo(QString::fromUtf8(file)).fileName();
            entry.line = std::uint32_t(std::max(number, 0));
        }
    }
    std::optional<RoutinePlace> place = routines.find(unit, address - bias);
    if (!place)
        return;
    Dwarf_Die &routine = place->routine;
    if (place->callSite) {
        entry.unit = QFileInfo(place->callSite->first).fileName();
        entry.line = place->callSite->second;
    }
    entry.routine = attributeText(&routine, DW_AT_name);
    entry.className = place->className;
    int firstLine = 0;
    if (entry.line && dwarf_decl_line(&routine, &firstLine) == 0 && std::uint32_t(firstLine) <= entry.line)
        entry.lineOffset = entry.line - std::uint32_t(firstLine);
}

void fromSymbols(Dwfl_Module *module, std::uint64_t address, StackEntry &entry)
{
    GElf_Off offset = 0;
    GElf_Sym symbol;
    const char *name = dwfl_module_addrinfo(module, address, &offset, &symbol, nullptr, nullptr, nullptr);
    if (!name)
        return;
    splitQualifiedName(demangle(name), entry.className, entry.routine);
}

EntryKind kindOf(const StackEntry &entry)
{
    if (!entry.unit.isEmpty() && entry.line)
        return EntryKind::LineKnown;
    if (!entry.unit.isEmpty())
        return EntryKind::UnitNoLine;
    if (!entry.routine.isEmpty())
        return EntryKind::RoutineOnly;
    return EntryKind::ModuleOnly;
}

} // namespace

void splitQualifiedName(const QString &demangled, QString &className, QString &routine)
{
    // Drop the parameter list and qualifiers after it, minding nested parentheses.
    QString name = demangled;
    if (name.endsWith(QLatin1Char(')')) || name.endsWith(QStringLiteral(" const"))) {
        int depth = 0;
        for (qsizetype i = name.size() - 1; i >= 0; --i) {
            if (name.at(i) == QLatin1Char(')'))
                ++depth;
            else if (name.at(i) == QLatin1Char('(') && --depth == 0) {
                name.truncate(i);
                break;
            }
        }
    }
    // The last "::" outside template arguments separates class and routine.
    int angle = 0;
    for (qsizetype i = name.size() - 1; i > 0; --i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('>'))
            ++angle;
        else if (c == QLatin1Char('<'))
            --angle;
        else if (angle == 0 && c == QLatin1Char(':') && name.at(i - 1) == QLatin1Char(':')) {
            className = name.left(i - 1);
            routine = name.mid(i + 1);
            return;
        }
    }
    className.clear();
    routine = name;
}

AddressResolver::AddressResolver(const ProcessSymbols &symbols, const std::vector<ModuleInfo> &modules,
                                 std::shared_ptr<const BlockDebugData> blockDebugData)
    : symbols_(symbols)
    , modules_(modules)
    , blockDebugData_(std::move(blockDebugData))
{
}

const ModuleInfo *AddressResolver::moduleHolding(std::uint64_t address) const
{
    for (const ModuleInfo &module : modules_)
        if (address >= module.base && address < module.end)
            return &module;
    return nullptr;
}

StackEntry AddressResolver::resolve(std::uint64_t address) const
{
    // Stacks repeat addresses (recursion, threads running the same code).
    if (const auto known = resolved_.find(address); known != resolved_.end())
        return known->second;
    StackEntry entry;
    entry.address = address;
    if (const ModuleInfo *module = moduleHolding(address)) {
        entry.modulePath = module->path;
        entry.moduleBase = module->base;
    }

    std::optional<SourcePosition> block;
    if (blockDebugData_ && !entry.modulePath.isEmpty())
        block = blockDebugData_->find(entry.modulePath, address - entry.moduleBase);
    if (block) {
        entry.unit = block->unit;
        entry.className = block->className;
        entry.routine = block->routine;
        entry.line = block->line;
        entry.lineOffset = block->lineOffset;
    } else if (Dwfl_Module *module = symbols_.moduleAt(address)) {
        fromDwarf(module, address, routines_, entry);
        if (entry.routine.isEmpty())
            fromSymbols(module, address, entry);
    }
    entry.unit.truncate(nameLimit);
    entry.className.truncate(nameLimit);
    entry.routine.truncate(nameLimit);
    entry.kind = kindOf(entry);
    resolved_.emplace(address, entry);
    return entry;
}

} // namespace crashnote::report
