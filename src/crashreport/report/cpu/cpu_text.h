#pragma once

#include "report_input.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace crashnote::report {

constexpr std::size_t dumpLines = 16;
constexpr std::size_t stackDumpBytes = dumpLines * 8;
constexpr std::size_t codeDumpBytes = dumpLines * 16;

// Memory shown under the registers; both parts or none.
struct MemoryDump {
    std::array<std::uint8_t, stackDumpBytes> stack{};  // at the stack pointer
    std::array<std::uint8_t, codeDumpBytes> code{};    // at the exception address
};

// Registers, stack words and code bytes of the failing thread.
QString formatCpuText(const ReportOptions &options, const std::optional<CpuContext> &context,
                      std::uint64_t exceptionAddress, const std::optional<MemoryDump> &dump);

} // namespace crashnote::report
