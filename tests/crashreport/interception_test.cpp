// Drives the test program through every interception point and checks that
// each failure is processed exactly once, with the right class, message and
// thread, and that the program goes on or ends as it should.

#include "support/run_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

using crashnote::test::countOf;
using crashnote::test::linesStartingWith;
using crashnote::test::runProgram;

namespace {

const std::string kProgram = CRASHNOTE_TESTPROG;
const std::string kProgramWithoutBlock = CRASHNOTE_TESTPROG_NOBLOCK;
const std::string kIntro = "An error has occurred during program execution.";

std::map<std::string, std::string> guiEnvironment(std::map<std::string, std::string> extra = {})
{
    extra["QT_QPA_PLATFORM"] = "offscreen";
    return extra;
}

// Writes an options file for one test and returns its path.
std::string optionsFile(const std::string &name, const std::string &text)
{
    auto path = std::filesystem::temp_directory_path() / ("crashnote_" + name + "_" + std::to_string(::getpid()) + ".options");
    std::ofstream(path) << "SaveToLog=0\nCrashRateOperation=0\n" << text;
    return path.string();
}

struct InterceptionCase {
    std::string where;
    std::string failure;
    int exitCode;
    std::string className;
    std::string message;
    std::string thread;
};

void PrintTo(const InterceptionCase &c, std::ostream *out) { *out << c.where << ' ' << c.failure; }

class Interception : public testing::TestWithParam<InterceptionCase> {};

TEST_P(Interception, ProcessesOnceWithClassMessageAndThread)
{
    const auto &c = GetParam();
    auto run = runProgram({kProgram, c.where, c.failure}, guiEnvironment());
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    auto lines = linesStartingWith(run.err, "PROCESSED global ");
    ASSERT_EQ(lines.size(), 1u) << run.err;
    EXPECT_NE(lines[0].find("class=" + c.className + " "), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("message=" + c.message), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("thread=" + c.thread), std::string::npos) << lines[0];
    EXPECT_EQ(linesStartingWith(run.err, "PROCESSED component1 ").size(), 1u);
    // The console stands in for the dialog: the introduction, then the report.
    EXPECT_EQ(countOf(run.out, kIntro), 1) << run.out;
    EXPECT_NE(run.out.find("CrashNote 6.0.6"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPoint, Interception,
    testing::Values(
        // Escaped an event handler: the program goes on.
        InterceptionCase{"notify", "runtime", 0, "runtime_error", "plain runtime failure", "main"},
        InterceptionCase{"notify", "database", 0, "EDatabaseConnectionLost", "connection lost", "main"},
        InterceptionCase{"notify", "int", 0, "", "", "main"},
        // Caught by nothing: the main thread ends the program, a worker only itself.
        InterceptionCase{"main", "runtime", 1, "runtime_error", "plain runtime failure", "main"},
        InterceptionCase{"thread", "database", 0, "EDatabaseConnectionLost", "connection lost", "worker"},
        // Fatal signals.
        InterceptionCase{"notify", "segv", 1, "EAccessViolation",
                         "Access violation at address", "main"},
        InterceptionCase{"thread", "segv", 1, "EAccessViolation", "Access violation at address", "worker"},
        InterceptionCase{"notify", "fpe", 1, "EDivByZero", "Division by zero", "main"},
        InterceptionCase{"thread", "ill", 1, "EPrivilege", "Privileged instruction", "worker"},
        InterceptionCase{"notify", "bus", 1, "EAccessViolation", "Access violation at address", "main"}),
    [](const auto &info) { return info.param.where + "_" + info.param.failure; });

TEST(InterceptionWording, AccessViolationNamesModuleKindAndAddress)
{
    auto run = runProgram({kProgram, "notify", "segv"}, guiEnvironment());
    auto lines = linesStartingWith(run.err, "PROCESSED global ");
    ASSERT_EQ(lines.size(), 1u) << run.err;
    EXPECT_NE(lines[0].find(" in module 'crashnote_testprog'. Write of address 0000000000000010"), std::string::npos)
        << lines[0];
}

TEST(InterceptionAbort, EAbortIsNeverProcessed)
{
    for (std::string where : {"notify", "thread"}) {
        auto run = runProgram({kProgram, where, "abort"}, guiEnvironment());
        EXPECT_EQ(linesStartingWith(run.err, "PROCESSED").size(), 0u) << where << run.err;
        EXPECT_EQ(countOf(run.out, kIntro), 0) << where;
    }
}

TEST(InterceptionReentry, ExceptionInsideProcessingIsSwallowed)
{
    auto run = runProgram({kProgram, "notify", "runtime"}, guiEnvironment({{"CN_TEST_NESTED", "1"}}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(linesStartingWith(run.err, "PROCESSED component1 ").size(), 1u) << run.err;
    EXPECT_NE(run.err.find("EXIT normally"), std::string::npos);
}

TEST(InterceptionThreads, EightThreadsRaisingAtOnceAreProcessedOnceEachInTurn)
{
    auto run = runProgram({kProgram, "threads8", "runtime"}, guiEnvironment(), 60);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto lines = linesStartingWith(run.err, "PROCESSED ");
    ASSERT_EQ(lines.size(), 16u) << run.err;
    // Serial: each processing runs both of its handlers before the next starts.
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(i % 2 == 0 ? "PROCESSED component1 " : "PROCESSED global ", 0), 0u) << run.err;
}

class OtherThreads : public testing::TestWithParam<std::string> {};

// Whether other threads stay stopped for the processing or are only read,
// their calls are in the report and they run on afterwards.
TEST_P(OtherThreads, AreReadForTheReportAndResumed)
{
    auto options = optionsFile("threads" + GetParam(), "ThreadFlags=" + GetParam() + "\n");
    auto run = runProgram({kProgram, "thread", "runtime"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("EXIT normally"), std::string::npos) << run.err;
    EXPECT_EQ(linesStartingWith(run.err, "PROCESSED global ").size(), 1u);
    EXPECT_EQ(countOf(run.out, "|*Exception Thread: ID="), 1) << run.out;
    EXPECT_EQ(countOf(run.out, "|Calling Thread: ID="), 1) << run.out;
    // The main thread waits for the worker meanwhile.
    EXPECT_NE(run.out.find("|Running Thread: ID="), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("; [Main]"), std::string::npos) << run.out;
}

// 0x58: read only; 0x59: also keep them stopped; 0x5B: but never the main
// thread; 0x5D: system threads too.
INSTANTIATE_TEST_SUITE_P(ThreadFlags, OtherThreads, testing::Values("0x58", "0x59", "0x5B", "0x5D"));

TEST(InterceptionEvents, DispatchRunsNewestComponentFirstThenGlobal)
{
    auto run = runProgram({kProgram, "notify", "runtime"}, guiEnvironment({{"CN_TEST_COMPONENTS", "2"}}));
    auto lines = linesStartingWith(run.err, "PROCESSED ");
    ASSERT_EQ(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0].rfind("PROCESSED component2 ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("PROCESSED component1 ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("PROCESSED global ", 0), 0u);
}

TEST(InterceptionEvents, LibraryWithItsOwnReporterIsAskedFirst)
{
    auto run = runProgram({kProgram, "library", "notify"}, guiEnvironment());
    auto lines = linesStartingWith(run.err, "PROCESSED ");
    ASSERT_EQ(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0], "PROCESSED library class=runtime_error");
    EXPECT_EQ(lines[1].rfind("PROCESSED component1 ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("PROCESSED global ", 0), 0u);
    // The library's own debug data names the raising line.
    EXPECT_NE(run.out.find("|libcrashnote_testlib.so|testlib.cpp"), std::string::npos) << run.out;
}

TEST(InterceptionEvents, LibraryReporterForwardsToTheProgramsReporter)
{
    auto run = runProgram({kProgram, "library", "caught"}, guiEnvironment());
    EXPECT_EQ(linesStartingWith(run.err, "PROCESSED global ").size(), 1u) << run.err;
    EXPECT_EQ(countOf(run.out, kIntro), 1) << "processed once, by the program";
    EXPECT_NE(run.err.find("LIBRARY standard=0"), std::string::npos) << run.err;
}

TEST(InterceptionEvents, HandlerLeavingTheExceptionGetsTheStandardHandling)
{
    auto run = runProgram({kProgram, "notify", "runtime"}, guiEnvironment({{"CN_TEST_UNHANDLED", "1"}}));
    EXPECT_EQ(linesStartingWith(run.err, "STANDARD plain runtime failure").size(), 1u) << run.err;
    EXPECT_EQ(countOf(run.out, kIntro), 0) << "no dialog after the handler declined";
}

TEST(InterceptionLog, ReportsAreSavedAndRepeatsCounted)
{
    auto dir = std::filesystem::temp_directory_path() / ("crashnote_log_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto log = dir / "test.cnl";
    auto options = optionsFile("log", "SaveToLog=1\nReportFlags=0x31\nLogFileName=" + log.string() + "\n");
    auto run = runProgram({kProgram, "notify", "known", "2"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(log, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(countOf(text, "CrashNote 6.0.6"), 1) << text;
    EXPECT_NE(text.find("  2.8 Count         : 2\r\n"), std::string::npos) << text;
    std::filesystem::remove_all(dir);
}

TEST(InterceptionLog, UnwritableLogGivesAWarningAndProcessingGoesOn)
{
    auto options = optionsFile("badlog", "SaveToLog=1\nLogFileName=/proc/crashnote/test.cnl\n");
    auto run = runProgram({kProgram, "notify", "runtime"},
                          guiEnvironment({{"CN_TEST_OPTIONS", options}, {"HOME", "/proc/crashnote"}}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("[WARNING] - Code: eeLogError - Address: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" - Message: \"[Log] Cannot write the log file.\""), std::string::npos) << run.err;
    EXPECT_EQ(countOf(run.out, kIntro), 1);
}

struct FilterCase {
    std::string name;
    std::string filter;
    std::string failure;
    int processed;
    bool standardBox;
    int exitCode;
};

void PrintTo(const FilterCase &c, std::ostream *out) { *out << c.name; }

class Filters : public testing::TestWithParam<FilterCase> {};

TEST_P(Filters, DecideHandlerAndAction)
{
    const auto &c = GetParam();
    auto run = runProgram({kProgram, "notify", c.failure},
                          guiEnvironment({{"CN_TEST_OPTIONS", optionsFile(c.name, "Filter=" + c.filter + "\n")}}));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(static_cast<int>(linesStartingWith(run.err, "PROCESSED global ").size()), c.processed) << run.err;
    EXPECT_EQ(!linesStartingWith(run.err, "STANDARD ").empty(), c.standardBox) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    ByClassAndAncestor, Filters,
    testing::Values(
        // The filter names an ancestor of the raised class.
        FilterCase{"ancestor_none", "1;EDatabaseError;;0;1;0;0", "database", 0, false, 0},
        FilterCase{"other_class", "1;EDatabaseError;;0;1;0;0", "runtime", 1, false, 0},
        FilterCase{"standard", "1;EDatabaseError;;0;1;1;0", "database", 0, true, 0},
        FilterCase{"reporter_terminate", "1;runtime_error;;0;1;2;1", "runtime", 1, false, 1},
        FilterCase{"std_ancestor", "1;exception;;0;0;0;0", "runtime", 0, false, 0},
        FilterCase{"inactive", "0;EDatabaseError;;0;1;0;0", "database", 1, false, 0},
        // Handled-only filters do not take unhandled exceptions.
        FilterCase{"handled_only", "1;EDatabaseError;;1;1;0;0", "database", 1, false, 0}),
    [](const auto &info) { return info.param.name; });

TEST(InterceptionCrashRate, TenInAMinuteTerminatesNineDoNot)
{
    auto options = optionsFile("rate", "CrashRateOperation=1\nCrashRateCount=10\nCrashRateMinutes=1\n");
    auto ten = runProgram({kProgram, "notify", "runtime", "10"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    EXPECT_EQ(ten.exitCode, 1) << ten.err;
    EXPECT_EQ(linesStartingWith(ten.err, "PROCESSED global ").size(), 10u);
    EXPECT_EQ(ten.err.find("EXIT normally"), std::string::npos);

    auto nine = runProgram({kProgram, "notify", "runtime", "9"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    EXPECT_EQ(nine.exitCode, 0) << nine.err;
    EXPECT_EQ(linesStartingWith(nine.err, "PROCESSED global ").size(), 9u);
    EXPECT_NE(nine.err.find("EXIT normally"), std::string::npos);
}

TEST(InterceptionRestart, StartsTheProgramAgainWithItsArgumentsInItsFolder)
{
    auto log = std::filesystem::temp_directory_path() / ("crashnote_restart_" + std::to_string(::getpid()) + ".log");
    std::filesystem::remove(log);
    auto options = optionsFile("restart", "CrashRateOperation=2\nCrashRateCount=1\nCrashRateMinutes=1\n");
    auto run = runProgram({kProgram, "notify", "runtime"},
                          guiEnvironment({{"CN_TEST_OPTIONS", options}, {"CN_TEST_RESTART_LOG", log.string()}}));
    EXPECT_EQ(run.exitCode, 1) << run.err;

    std::vector<std::string> starts;
    for (int i = 0; i < 100 && starts.size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        starts.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);)
            starts.push_back(line);
    }
    ASSERT_EQ(starts.size(), 2u);
    std::istringstream first(starts[0]), second(starts[1]);
    long pid1, group1, pid2, group2;
    std::string rest1, rest2;
    first >> pid1 >> group1;
    second >> pid2 >> group2;
    std::getline(first, rest1);
    std::getline(second, rest2);
    EXPECT_NE(pid1, pid2);
    EXPECT_EQ(group2, pid2) << "the new instance leads its own process group";
    EXPECT_EQ(rest1, rest2) << "same folder and arguments";
    std::filesystem::remove(log);
}

TEST(InterceptionFreeze, AStoppedWindowIsReportedOnceAndAnAnsweringOneNever)
{
    auto options = optionsFile("freeze", "FreezeDetection=1\nFreezeTimeout=2\n");
    auto frozen = runProgram({kProgram, "freeze", "none", "4"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    auto lines = linesStartingWith(frozen.err, "PROCESSED global ");
    ASSERT_EQ(lines.size(), 1u) << frozen.err;
    EXPECT_NE(lines[0].find("class=EFrozenApplication message=The application seems to be frozen. thread=main"),
              std::string::npos)
        << lines[0];

    auto answering = runProgram({kProgram, "freeze", "none", "1"}, guiEnvironment({{"CN_TEST_OPTIONS", options}}));
    EXPECT_EQ(linesStartingWith(answering.err, "PROCESSED").size(), 0u) << answering.err;
}

TEST(Activation, ProgramWithoutBlockStopsNamingItsFile)
{
    auto run = runProgram({kProgramWithoutBlock, "notify", "runtime"}, guiEnvironment());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Cannot use a 'TCrashNote' component in module \"crashnote_testprog_noblock\", without "
                           "activate CrashNote.\r\nTo activate CrashNote use the new IDE \"Project/CrashNote "
                           "Options...\" menu."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(linesStartingWith(run.err, "PROCESSED").size(), 0u);
}

} // namespace
