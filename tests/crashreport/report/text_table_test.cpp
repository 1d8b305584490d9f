#include "layout/text_table.h"
#include "report_input.h"
#include "tables/call_stack_table.h"

#include <gtest/gtest.h>

using namespace crashnote::report;

TEST(TextTable, ColumnsWidenToLongestValueAndFirstIsAtLeastEight)
{
    TextTable table{"Things", {"ID", "Name"}, {}};
    table.rows.push_back(TableRow::fromCells({"1", "a rather long name"}));
    table.rows.push_back(TableRow::fromCells({"22", ""}));
    EXPECT_EQ(formatTable(table).toStdString(),
              "Things:\r\n"
              "-----------------------------\r\n"
              "|ID      |Name              |\r\n"
              "-----------------------------\r\n"
              "|1       |a rather long name|\r\n"
              "|22      |                  |\r\n"
              "-----------------------------\r\n"
              "\r\n");
}

TEST(TextTable, CaptionOnlyHasRuleOneLongerThanCaption)
{
    EXPECT_EQ(formatCaptionOnly("Registers").toStdString(), "Registers:\r\n----------\r\n\r\n");
}

namespace {

StackEntry entry(std::uint64_t thread, bool own, EntryKind kind, std::uint64_t address, std::uint32_t line)
{
    StackEntry e;
    e.kind = kind;
    e.threadId = thread;
    e.ownStack = own;
    e.address = address;
    e.modulePath = "/opt/veldorin/bin/veldorin";
    e.unit = "main.cpp";
    e.routine = "run";
    e.line = line;
    e.lineOffset = line ? 2 : 0;
    return e;
}

} // namespace

TEST(CallStackTable, ThreadGroupsAndListedKinds)
{
    const std::vector<StackEntry> entries{
        entry(7, true, EntryKind::LineKnown, 0x401000, 12),
        entry(7, true, EntryKind::ModuleOnly, 0x401100, 0),   // never listed
        entry(7, true, EntryKind::UnitNoLine, 0x401200, 0),   // listed with stack flag 1
        entry(9, true, EntryKind::RoutineOnly, 0x401300, 0),  // not listed without stack flag 0
        entry(9, true, EntryKind::LineKnown, 0x401400, 30),
        entry(9, false, EntryKind::LineKnown, 0x401500, 40),
    };
    const std::vector<ThreadSummary> threads{{7, "", 0, true}, {9, "TWorker", std::nullopt, false}};
    ReportOptions options;
    options.stackFlags = 0x02;
    const std::string table = formatCallStackTable(options, entries, threads, 7).toStdString();
    const std::string rule(65, '-');
    const std::string ruleRow = "|" + std::string(63, '-') + "|\r\n";
    const auto lineRow = [](std::string line) { return "|" + line.append(63 - line.size(), ' ') + "|\r\n"; };
    EXPECT_EQ(table,
              "Call Stack Information:\r\n" + rule + "\r\n"
              "|Address         |Module  |Unit    |Class|Procedure/Method|Line |\r\n"
              + rule + "\r\n"
              + lineRow("*Exception Thread: ID=7; Priority=0; Class=; [Main]") + ruleRow +
              "|0000000000401000|veldorin|main.cpp|     |run             |12[2]|\r\n"
              "|0000000000401200|veldorin|main.cpp|     |run             |     |\r\n"
              + ruleRow + lineRow("Running Thread: ID=9; Priority=??; Class=TWorker") + ruleRow +
              "|0000000000401400|veldorin|main.cpp|     |run             |30[2]|\r\n"
              + ruleRow + lineRow("Calling Thread: ID=9; Priority=??; Class=TWorker") + ruleRow +
              "|0000000000401500|veldorin|main.cpp|     |run             |40[2]|\r\n"
              + rule + "\r\n\r\n");
}
