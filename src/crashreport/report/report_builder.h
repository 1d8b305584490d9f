#pragma once

// Builds the bug report text of one exception.

#include "cpu/cpu_text.h"
#include "report_input.h"
#include "stack/stack_entry.h"
#include "system/system_values.h"
#include "tables/module_info.h"

#include <QString>

#include <optional>
#include <vector>

namespace crashnote::report {

// Everything gathered from the process and the system for one report.
struct ReportFacts {
    SystemValues system;
    std::vector<StackEntry> stack;          // innermost call first, thread after thread
    std::vector<ThreadSummary> threads;
    std::vector<ModuleInfo> modules;        // in load-address order
    std::vector<ProcessInfo> processes;
    QString disassemblyLines;               // one line per instruction or comment, each ending in a line break
    qsizetype disassemblyWidth = 0;         // longest disassembly line
    std::optional<MemoryDump> memoryDump;
};

// The report text and its parts, which the dialog pages show separately.
struct BuiltReport {
    QString text;
    QString bugId;
    QString generalText;         // header line and general sections
    QString extraSectionsText;   // custom and request sections
    QString callStackTable;
    QString modulesTable;
    QString processesTable;
    QString disassemblyText;     // header and lines
    QString cpuText;
    QString exceptionMessage;    // item 2.6 as written
    QString exceptionModulePath;
};

// Lays out a report from gathered facts; no system access. The program path
// of the input must be set.
BuiltReport formatReport(const ReportInput &input, const ReportFacts &facts);

// Gathers the facts from this process and the system, then lays them out.
// An empty program path means this process's program file.
BuiltReport buildReport(const ReportInput &input);

// The first line of every report.
inline const QString reportHeaderLine = QStringLiteral("CrashNote 6.0.6");

} // namespace crashnote::report
