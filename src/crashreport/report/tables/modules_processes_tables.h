#pragma once

#include "report_input.h"
#include "tables/module_info.h"

#include <QString>

#include <vector>

namespace crashnote::report {

QString formatModulesTable(const ReportOptions &options, const std::vector<ModuleInfo> &modules);
QString formatProcessesTable(const ReportOptions &options, const std::vector<ProcessInfo> &processes);

} // namespace crashnote::report
