#include "debug_data.h"

#include "byte_stream.h"

#include <algorithm>
#include <stdexcept>

namespace crashnote {

namespace {
constexpr std::uint32_t kDebugMagic = 0x44444E43; // "CNDD"
}

void DebugData::finish()
{
    std::sort(routines.begin(), routines.end(), [](auto &a, auto &b) { return a.start < b.start; });
    std::stable_sort(lines.begin(), lines.end(), [](auto &a, auto &b) { return a.address < b.address; });
}

std::optional<DebugPosition> DebugData::find(std::uint64_t offset) const
{
    auto it = std::upper_bound(routines.begin(), routines.end(), offset,
                               [](std::uint64_t a, const DebugRoutine &r) { return a < r.start; });
    if (it == routines.begin())
        return std::nullopt;
    const DebugRoutine &routine = *--it;
    if (offset >= routine.end)
        return std::nullopt;
    DebugPosition pos;
    pos.unit = routine.unit < units.size() ? units[routine.unit] : std::string();
    pos.className = routine.className;
    pos.routine = routine.name;
    // Last line of the routine's own unit at or before the address; inlined
    // code from other files does not move the line.
    auto line = std::upper_bound(lines.begin(), lines.end(), offset,
                                 [](std::uint64_t a, const DebugLine &l) { return a < l.address; });
    while (line != lines.begin()) {
        --line;
        if (line->address < routine.start)
            break;
        if (line->unit == routine.unit && line->line != 0) {
            pos.line = line->line;
            break;
        }
    }
    if (pos.line == 0)
        pos.line = routine.firstLine;
    pos.lineOffset = pos.line > routine.firstLine ? pos.line - routine.firstLine : 0;
    return pos;
}

std::vector<std::uint8_t> DebugData::encode() const
{
    ByteWriter w;
    w.u32(kDebugMagic);
    w.u32(static_cast<std::uint32_t>(units.size()));
    for (const auto &u : units)
        w.str(u);
    w.u32(static_cast<std::uint32_t>(routines.size()));
    for (const auto &r : routines) {
        w.u64(r.start);
        w.u64(r.end);
        w.str(r.name);
        w.str(r.className);
        w.u32(r.unit);
        w.u32(r.firstLine);
    }
    w.u32(static_cast<std::uint32_t>(lines.size()));
    for (const auto &l : lines) {
        w.u64(l.address);
        w.u32(l.line);
        w.u32(l.unit);
    }
    return std::move(w.bytes());
}

DebugData DebugData::decode(std::span<const std::uint8_t> bytes)
{
    ByteReader r(bytes);
    if (r.u32() != kDebugMagic)
        throw std::runtime_error("not debug data");
    DebugData d;
    // Every count is checked against the smallest size of its entries so a
    // forged count cannot make us reserve memory the data does not hold.
    auto count = [&r](std::size_t minEntry) {
        std::uint32_t n = r.u32();
        if (n > r.remaining() / minEntry)
            throw TruncatedData();
        return n;
    };
    for (std::uint32_t n = count(4); n > 0; --n)
        d.units.push_back(r.str());
    for (std::uint32_t n = count(32); n > 0; --n) {
        DebugRoutine routine;
        routine.start = r.u64();
        routine.end = r.u64();
        routine.name = r.str();
        routine.className = r.str();
        routine.unit = r.u32();
        routine.firstLine = r.u32();
        d.routines.push_back(std::move(routine));
    }
    for (std::uint32_t n = count(16); n > 0; --n) {
        DebugLine line;
        line.address = r.u64();
        line.line = r.u32();
        line.unit = r.u32();
        d.lines.push_back(line);
    }
    d.finish();
    return d;
}

} // namespace crashnote
