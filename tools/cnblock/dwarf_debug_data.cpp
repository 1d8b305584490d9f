#include "dwarf_debug_data.h"

#include <elfutils/libdw.h>
#include <dwarf.h>
#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <stdexcept>
#include <unordered_map>
#include <vector>

// DWARF attribute 0x47: a definition's link to the entry that declares it.
constexpr int kLinkToDeclaration = 0x47;

namespace cnblock {

namespace {

using crashnote::DebugData;
using crashnote::DebugLine;
using crashnote::DebugRoutine;

std::string baseName(const char *path)
{
    std::string p = path ? path : "";
    auto slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

class Collector {
public:
    explicit Collector(DebugData &data) : data_(data) {}

    std::uint32_t unitIndex(const char *path)
    {
        std::string name = baseName(path);
        auto [it, inserted] = unitIndexes_.try_emplace(name, static_cast<std::uint32_t>(data_.units.size()));
        if (inserted)
            data_.units.push_back(name);
        return it->second;
    }

    void readUnit(Dwarf_Die &cuDie)
    {
        classOfDeclaration_.clear();
        pending_.clear();
        walk(cuDie, "");
        for (auto &p : pending_) {
            auto it = classOfDeclaration_.find(p.declaredAt);
            if (it != classOfDeclaration_.end())
                p.routine.className = it->second;
            data_.routines.push_back(std::move(p.routine));
        }
        readLines(cuDie);
    }

private:
    struct Pending {
        DebugRoutine routine;
        Dwarf_Off declaredAt = 0;
    };

    void walk(Dwarf_Die &parent, const std::string &className)
    {
        Dwarf_Die child;
        if (dwarf_child(&parent, &child) != 0)
            return;
        do {
            int tag = dwarf_tag(&child);
            if (tag == DW_TAG_class_type || tag == DW_TAG_structure_type || tag == DW_TAG_union_type) {
                const char *name = dwarf_diename(&child);
                walk(child, name ? name : "");
            } else if (tag == DW_TAG_namespace) {
                walk(child, "");
            } else if (tag == DW_TAG_subprogram) {
                // A declaration inside a class: remember its class for the
                // out-of-line definition that points back at it.
                classOfDeclaration_[dwarf_dieoffset(&child)] = className;
                addRoutine(child, className);
                walk(child, className);
            } else if (tag == DW_TAG_lexical_block || tag == DW_TAG_inlined_subroutine) {
                walk(child, className);
            }
        } while (dwarf_siblingof(&child, &child) == 0);
    }

    void addRoutine(Dwarf_Die &die, const std::string &className)
    {
        Dwarf_Addr base, start, end;
        ptrdiff_t offset = 0;
        std::vector<std::pair<Dwarf_Addr, Dwarf_Addr>> ranges;
        while ((offset = dwarf_ranges(&die, offset, &base, &start, &end)) > 0)
            ranges.emplace_back(start, end);
        if (ranges.empty())
            return;

        Dwarf_Attribute attr;
        const char *name = dwarf_formstring(dwarf_attr_integrate(&die, DW_AT_name, &attr));
        int line = 0;
        dwarf_decl_line(&die, &line);
        Pending p;
        p.routine.name = name ? name : "";
        p.routine.className = className;
        p.routine.unit = unitIndex(dwarf_decl_file(&die));
        p.routine.firstLine = static_cast<std::uint32_t>(line > 0 ? line : 0);
        Dwarf_Die target;
        for (int link : {kLinkToDeclaration, int(DW_AT_abstract_origin)}) {
            Dwarf_Attribute a;
            if (dwarf_attr(&die, link, &a) && dwarf_formref_die(&a, &target)) {
                // An abstract origin may itself point to the class's declaration.
                Dwarf_Attribute linkAttribute;
                Dwarf_Die declaration;
                if (dwarf_attr(&target, kLinkToDeclaration, &linkAttribute) && dwarf_formref_die(&linkAttribute, &declaration))
                    target = declaration;
                p.declaredAt = dwarf_dieoffset(&target);
                break;
            }
        }
        for (auto [from, to] : ranges) {
            p.routine.start = from;
            p.routine.end = to;
            pending_.push_back(p);
        }
    }

    void readLines(Dwarf_Die &cuDie)
    {
        Dwarf_Lines *lines = nullptr;
        size_t count = 0;
        if (dwarf_getsrclines(&cuDie, &lines, &count) != 0)
            return;
        for (size_t i = 0; i < count; ++i) {
            Dwarf_Line *line = dwarf_onesrcline(lines, i);
            Dwarf_Addr address;
            int number;
            bool endSequence = false;
            if (!line || dwarf_lineaddr(line, &address) != 0 || dwarf_lineno(line, &number) != 0 ||
                dwarf_lineendsequence(line, &endSequence) != 0 || endSequence)
                continue;
            DebugLine entry;
            entry.address = address;
            entry.line = static_cast<std::uint32_t>(number);
            entry.unit = unitIndex(dwarf_linesrc(line, nullptr, nullptr));
            data_.lines.push_back(entry);
        }
    }

    DebugData &data_;
    std::unordered_map<std::string, std::uint32_t> unitIndexes_;
    std::unordered_map<Dwarf_Off, std::string> classOfDeclaration_;
    std::vector<Pending> pending_;
};

} // namespace

DebugData extractDebugData(const std::string &programFile)
{
    int fd = ::open(programFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + programFile);
    DebugData data;
    Dwarf *dwarf = dwarf_begin(fd, DWARF_C_READ);
    if (dwarf) {
        Collector collector(data);
        Dwarf_CU *cu = nullptr;
        Dwarf_Die cuDie;
        std::uint8_t unitType;
        while (dwarf_get_units(dwarf, cu, &cu, nullptr, &unitType, &cuDie, nullptr) == 0)
            if (unitType == DW_UT_compile)
                collector.readUnit(cuDie);
        dwarf_end(dwarf);
    }
    ::close(fd);
    data.finish();
    return data;
}

} // namespace cnblock
