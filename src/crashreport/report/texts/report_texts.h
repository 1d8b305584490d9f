#pragma once

#include "report_input.h"

#include <QString>

namespace crashnote::report {

// Message-text slots the report writes. The numbers are the slots of the
// options' 158 texts, so that translated texts land in the right place.
namespace slot {
constexpr int callStackHeader = 8;
constexpr int modulesHeader = 10;
constexpr int processesHeader = 12;
constexpr int assemblerHeader = 14;
constexpr int firstGeneralHeader = 37;     // "Application"; items and headers follow up to 90
constexpr int customHeader = 91;
constexpr int firstCallStackColumn = 92;   // "Address" .. "Line"
constexpr int mainThread = 98;
constexpr int exceptionThread = 99;
constexpr int runningThread = 100;
constexpr int callingThread = 101;
constexpr int threadId = 102;
constexpr int threadPriority = 103;
constexpr int threadClass = 104;
constexpr int requestHeader = 123;
constexpr int firstModulesColumn = 126;    // "Handle" .. "Path"
constexpr int firstProcessesColumn = 133;  // "ID" .. "Path"
constexpr int registers = 141;
constexpr int stack = 142;
constexpr int memoryDump = 143;
} // namespace slot

// The text of a slot: the options' own when they carry it, else the default.
QString reportText(const ReportOptions &options, int slotNumber);

} // namespace crashnote::report
