#pragma once

// The debug data carried by the configuration block: routines with their
// class, source unit and first line, and the line table, all by address
// relative to the module's load address.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace crashnote {

struct DebugRoutine {
    std::uint64_t start = 0;
    std::uint64_t end = 0;            // one past the last byte
    std::string name;
    std::string className;
    std::uint32_t unit = 0;           // index into DebugData::units
    std::uint32_t firstLine = 0;
    bool operator==(const DebugRoutine &) const = default;
};

struct DebugLine {
    std::uint64_t address = 0;
    std::uint32_t line = 0;
    std::uint32_t unit = 0;
    bool operator==(const DebugLine &) const = default;
};

struct DebugPosition {
    std::string unit;
    std::string className;
    std::string routine;
    std::uint32_t line = 0;           // 0: unknown
    std::uint32_t lineOffset = 0;     // lines after the routine's first line
};

class DebugData {
public:
    std::vector<std::string> units;   // source file names without folder
    std::vector<DebugRoutine> routines;
    std::vector<DebugLine> lines;

    // Sorts routines and lines by address; call after filling.
    void finish();
    std::optional<DebugPosition> find(std::uint64_t moduleOffset) const;

    std::vector<std::uint8_t> encode() const;
    // Throws TruncatedData or std::runtime_error on damaged data.
    static DebugData decode(std::span<const std::uint8_t> bytes);
};

} // namespace crashnote
