#pragma once

// Environment variables in text options and the variables set for each
// report.

#include <string>

namespace crashnote {

// Replaces each %NAME% by the value of the environment variable NAME
// (empty when unset). A lone '%' stays as it is.
std::string expandEnvironment(const std::string &text);

struct ReportEnvironment {
    std::string mainModuleName, mainModuleDesc, mainModuleVer;
    std::string exceptModuleName, exceptModuleDesc, exceptModuleVer;
    std::string exceptMsg;
    std::string bugReport;
};

void setReportEnvironment(const ReportEnvironment &values);

} // namespace crashnote
