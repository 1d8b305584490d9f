// Parts of the core that work without a program around them: exception
// classes and their ancestors, debug data look-up, the crash-rate rule, and
// the component of a program without a configuration block (this test
// program carries none).

#include "crashreport/config/debug_data.h"
#include "crashreport/core/caught_exception.h"
#include "crashreport/core/component.h"
#include "crashreport/core/crash_rate.h"
#include "crashreport/core/critical_error.h"
#include "crashreport/exceptions/class_chain.h"
#include "crashreport/exceptions/exceptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace crashnote;

namespace {

class EDatabaseConnectionLost : public EDatabaseError {
public:
    using EDatabaseError::EDatabaseError;
};

TEST(ExceptionClasses, NamesAndAncestorsComeFromTheClass)
{
    EXPECT_EQ(classChain(typeid(EDatabaseConnectionLost)),
              (std::vector<std::string>{"EDatabaseConnectionLost", "EDatabaseError", "Exception", "exception"}));
    EXPECT_EQ(classChain(typeid(EAccessViolation)),
              (std::vector<std::string>{"EAccessViolation", "EExternal", "Exception", "exception"}));
    EXPECT_EQ(classChain(typeid(CrashNoteNotPresent)).at(1), "ECrashNote");
    EXPECT_TRUE(classIsOrDescends(typeid(EMultiFree), "ECrashNote"));
    EXPECT_FALSE(classIsOrDescends(typeid(EAbort), "EDatabaseError"));
}

TEST(ExceptionClasses, DescribesObjectsAndNonObjects)
{
    auto database = describeException(std::make_exception_ptr(EDatabaseConnectionLost("lost")));
    EXPECT_EQ(database.className, "EDatabaseConnectionLost");
    EXPECT_TRUE(database.descendsFrom("EDatabaseError"));
    EXPECT_EQ(database.message, "lost");

    auto plain = describeException(std::make_exception_ptr(std::out_of_range("range")));
    EXPECT_EQ(plain.className, "out_of_range");
    EXPECT_TRUE(plain.descendsFrom("logic_error"));

    auto number = describeException(std::make_exception_ptr(42));
    EXPECT_EQ(number.className, "");
    EXPECT_FALSE(number.message.has_value());
}

TEST(DebugData, FindsRoutineClassUnitLineAndOffset)
{
    DebugData d;
    d.units = {"window.cpp", "helpers.h"};
    d.routines = {{0x100, 0x180, "FormCreate", "TForm1", 0, 40}, {0x200, 0x220, "Helper", "", 1, 7}};
    d.lines = {{0x100, 40, 0}, {0x110, 42, 0}, {0x120, 9, 1}, {0x130, 45, 0}, {0x200, 7, 1}};
    d.finish();

    auto inside = d.find(0x125);
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->unit, "window.cpp");
    EXPECT_EQ(inside->className, "TForm1");
    EXPECT_EQ(inside->routine, "FormCreate");
    EXPECT_EQ(inside->line, 42u) << "inlined lines of another file do not move the line";
    EXPECT_EQ(inside->lineOffset, 2u);
    EXPECT_EQ(d.find(0x135)->line, 45u);
    EXPECT_FALSE(d.find(0x190)) << "between routines";
    EXPECT_FALSE(d.find(0x50));

    auto copy = DebugData::decode(d.encode());
    EXPECT_EQ(copy.routines, d.routines);
    EXPECT_EQ(copy.lines, d.lines);
    auto bytes = d.encode();
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_ANY_THROW(DebugData::decode(std::span(bytes).first(size))) << size;
}

TEST(CrashRate, TenWithinTheWindowTriggerNineDoNot)
{
    using namespace std::chrono;
    const auto start = system_clock::now();
    CrashRate nine, ten, slow;
    for (int i = 0; i < 9; ++i)
        nine.record(start + seconds(i), 10);
    for (int i = 0; i < 10; ++i) {
        ten.record(start + seconds(6 * i), 10);
        slow.record(start + seconds(7 * i), 10);
    }
    EXPECT_FALSE(nine.exceeded(10, 1));
    EXPECT_TRUE(ten.exceeded(10, 1)) << "54 seconds";
    EXPECT_FALSE(slow.exceeded(10, 1)) << "63 seconds";
    slow.record(start + seconds(64), 10);
    EXPECT_TRUE(slow.exceeded(10, 1)) << "the oldest time was dropped";
}

TEST(CriticalError, NamesTheSectionAndTheError)
{
    try {
        raiseCriticalError("EHook.Init", "Cannot hook the procedure \"x\".");
        FAIL();
    } catch (const ECrashNoteCritical &e) {
        EXPECT_STREQ(e.what(), "Critical error at: \"EHook.Init\"\r\nError: \"Cannot hook the procedure \"x\".\".");
    }
    try {
        raiseCriticalError("ECore.Done", "");
        FAIL();
    } catch (const ECrashNoteCritical &e) {
        EXPECT_STREQ(e.what(), "Critical error at: \"ECore.Done\"\r\nError: \"General internal error.\".");
    }
}

TEST(Component, CannotBeCreatedWithoutTheBlock)
{
    try {
        TCrashNote component;
        FAIL() << "created";
    } catch (const CrashNoteNotPresent &e) {
        EXPECT_STREQ(e.what(), "\r\nCannot use a 'TCrashNote' component in module \"crashnote_unit_test\", without "
                               "activate CrashNote.\r\nTo activate CrashNote use the new IDE \"Project/CrashNote "
                               "Options...\" menu.");
    }
    EXPECT_EQ(TCrashNoteList::instance().count(), 0u);
}

} // namespace
