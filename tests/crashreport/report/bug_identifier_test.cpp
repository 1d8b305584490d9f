#include "identifier/bug_identifier.h"

#include <gtest/gtest.h>

using namespace crashnote::report;

TEST(Crc16Xmodem, StandardCheckValue)
{
    EXPECT_EQ(crc16Xmodem("123456789"), 0x31C3);
    EXPECT_EQ(crc16Xmodem(""), 0);
}

namespace {

StackEntry resolved(std::uint64_t thread, std::uint32_t line, std::uint32_t offset,
                    EntryKind kind = EntryKind::LineKnown)
{
    StackEntry e;
    e.kind = kind;
    e.threadId = thread;
    e.unit = "screen.cpp";
    e.className = "Packaging";
    e.routine = "save";
    e.line = line;
    e.lineOffset = offset;
    return e;
}

} // namespace

TEST(BugIdentifier, CoversClassRoutinesAndOffsetsOfTheFirstThread)
{
    const std::vector<StackEntry> stack{resolved(1, 120, 4), resolved(1, 300, 9)};
    // The same text as the identifier is defined over.
    EXPECT_EQ(bugIdentifier("EDatabaseError", stack),
              QStringLiteral("%1").arg(crc16Xmodem("EDatabaseErrorscreen.cppPackagingsave4"
                                                   "screen.cppPackagingsave9"), 4, 16, QLatin1Char('0')).toUpper());
}

TEST(BugIdentifier, SurvivesMovedRoutineButNotOtherLines)
{
    const QString base = bugIdentifier("E", {resolved(1, 120, 4), resolved(1, 300, 9)});
    EXPECT_EQ(base.size(), 4);
    // The routine moved 50 lines down its file: same offsets.
    EXPECT_EQ(bugIdentifier("E", {resolved(1, 170, 4), resolved(1, 300, 9)}), base);
    // Another line inside the routine.
    EXPECT_NE(bugIdentifier("E", {resolved(1, 121, 5), resolved(1, 300, 9)}), base);
    // Another class of exception.
    EXPECT_NE(bugIdentifier("F", {resolved(1, 120, 4), resolved(1, 300, 9)}), base);
    // Other threads, the creating thread's calls and entries without a line do not count.
    StackEntry creation = resolved(1, 50, 1);
    creation.ownStack = false;
    EXPECT_EQ(bugIdentifier("E", {resolved(1, 120, 4), resolved(1, 300, 9), resolved(2, 7, 7),
                                  creation, resolved(1, 0, 0, EntryKind::UnitNoLine)}),
              base);
}
