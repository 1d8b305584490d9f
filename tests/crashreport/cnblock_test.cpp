// The build tool: the block it wrote into the test program carries the
// options file and the program's routines, classes and lines.

#include "support/run_program.h"

#include "crashreport/config/config_block.h"
#include "crashreport/config/debug_data.h"
#include "crashreport/config/elf_section.h"
#include "crashreport/config/program_block.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace crashnote;

namespace {

const std::string kProgram = CRASHNOTE_TESTPROG;
const std::string kProgramWithoutBlock = CRASHNOTE_TESTPROG_NOBLOCK;
const std::string kTool = CNBLOCK_TOOL;
const std::string kFailuresSource = CRASHNOTE_FAILURES_SOURCE;

std::uint32_t lineOf(const std::string &file, const std::string &text)
{
    std::ifstream in(file);
    std::string line;
    for (std::uint32_t number = 1; std::getline(in, line); ++number)
        if (line.find(text) != std::string::npos)
            return number;
    return 0;
}

const DebugRoutine *routineNamed(const DebugData &d, const std::string &name, const std::string &className)
{
    for (const auto &r : d.routines)
        if (r.name == name && r.className == className)
            return &r;
    return nullptr;
}

TEST(BuildTool, WritesOptionsAndDebugDataIntoTheProgram)
{
    auto result = readModuleBlock(kProgram);
    ASSERT_EQ(result.status, BlockStatus::Ok);
    const ConfigBlock &block = *result.block;
    EXPECT_EQ(block.version, 6006);
    EXPECT_FALSE(block.options.saveToLog) << "from testprog.options";
    EXPECT_EQ(block.options.crashRateOperation, 0);
    double nowDays = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() / 86400 + 25569;
    EXPECT_NEAR(block.compilationDate, nowDays, 30.0);

    DebugData debug = DebugData::decode(block.debugData);
    const DebugRoutine *known = routineNamed(debug, "knownRoutine", "");
    ASSERT_NE(known, nullptr);
    EXPECT_EQ(debug.units.at(known->unit), "failures.cpp");
    EXPECT_EQ(known->firstLine, lineOf(kFailuresSource, "void knownRoutine()"));
    auto position = debug.find(known->start + (known->end - known->start) / 2);
    ASSERT_TRUE(position);
    EXPECT_EQ(position->routine, "knownRoutine");
    EXPECT_GE(position->line, known->firstLine);
    EXPECT_EQ(position->lineOffset, position->line - known->firstLine);

    // A method defined outside its class keeps the class name.
    EXPECT_NE(routineNamed(debug, "notify", "TestApplication"), nullptr);
}

TEST(BuildTool, ProgramBuiltWithoutBlockHasNone)
{
    EXPECT_EQ(readModuleBlock(kProgramWithoutBlock).status, BlockStatus::NoBlock);
}

TEST(BuildTool, TrailerFormAndRewritingReplaceTheEarlierBlock)
{
    auto dir = std::filesystem::temp_directory_path() / ("cnblock_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto program = dir / "program";
    std::filesystem::copy_file(kProgramWithoutBlock, program);
    auto options = dir / "options";
    std::ofstream(options) << "DialogKind=1\n";

    for (std::string form : {"trailer", "section"}) {
        for (int round = 0; round < 2; ++round) {
            auto run = test::runProgram({kTool, "--options", options.string(), "--form", form, "--no-debug-data",
                                         program.string()});
            ASSERT_EQ(run.exitCode, 0) << run.err;
        }
        auto result = readModuleBlock(program.string());
        ASSERT_EQ(result.status, BlockStatus::Ok) << form;
        EXPECT_EQ(result.block->options.dialogKind, 1);
    }
    std::filesystem::remove_all(dir);
}

TEST(BuildTool, RefusesABadOptionsFileNamingTheLine)
{
    auto options = std::filesystem::temp_directory_path() / ("cnblock_bad_" + std::to_string(::getpid()));
    std::ofstream(options) << "DialogKind=2\nDialgKind=3\n";
    auto run = test::runProgram({kTool, "--options", options.string(), "/nonexistent"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("line 2: unknown option \"DialgKind\""), std::string::npos) << run.err;
    std::filesystem::remove(options);
}

} // namespace
