#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace crashnote::report {

// How much is known about an address; the report lists entries by kind.
enum class EntryKind : std::uint8_t {
    Hidden = 0,
    ModuleOnly = 1,
    RoutineOnly = 2,   // routine name known but no unit
    UnitNoLine = 3,    // unit known but no line number
    LineKnown = 4,
};

struct StackEntry {
    EntryKind kind = EntryKind::ModuleOnly;
    QString modulePath;
    std::uint64_t moduleBase = 0;
    std::uint64_t threadId = 0;
    bool ownStack = true;       // clear for the calls that created the thread
    bool firstEntry = false;    // the entry made from the exception address
    bool foundByScan = false;   // a value on the stack that only looks like a return address
    std::uint64_t address = 0;  // the call instruction, or the exception address
    QString unit;
    QString className;
    QString routine;
    std::uint32_t line = 0;
    std::uint32_t lineOffset = 0;
};

// What the thread lines of the call-stack table tell about a thread.
struct ThreadSummary {
    std::uint64_t threadId = 0;
    QString className;
    std::optional<int> priority;
    bool isMainThread = false;
};

} // namespace crashnote::report
