#pragma once

#include "report_input.h"
#include "stack/stack_entry.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace crashnote::report {

// The call-stack table: listed entries grouped by thread, each group opened
// by its thread line.
QString formatCallStackTable(const ReportOptions &options, const std::vector<StackEntry> &entries,
                             const std::vector<ThreadSummary> &threads,
                             std::uint64_t exceptionThreadId);

} // namespace crashnote::report
