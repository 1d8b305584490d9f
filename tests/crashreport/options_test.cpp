// The reporter options: defaults, operations, their encodings and the
// shared area.

#include "crashreport/config/module_options.h"
#include "crashreport/config/options_codec.h"
#include "crashreport/config/options_text.h"
#include "crashreport/core/environment.h"
#include "crashreport/core/module_options_ex.h"
#include "crashreport/exceptions/exceptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace crashnote;

namespace {

TEST(Options, DefaultsAreThoseOfTheOptionTable)
{
    OptionValues v;
    EXPECT_TRUE(v.active);
    EXPECT_FALSE(v.freezeDetection);
    EXPECT_EQ(v.freezeTimeout, 60u);
    EXPECT_EQ(v.dialogKind, 2);
    EXPECT_EQ(v.firstDialogPage, 0);
    EXPECT_TRUE(v.filtersOn);
    EXPECT_TRUE(v.filters.empty());
    EXPECT_TRUE(v.saveToLog);
    EXPECT_EQ(v.logEntriesKept, 32);
    EXPECT_EQ(v.reportFlags, 0x30);
    EXPECT_EQ(v.generalSectionMask, 0xFFFFFFFFFFFFull);
    EXPECT_EQ(v.stackFlags, 0x0F);
    EXPECT_EQ(v.threadFlags, 0x58);
    EXPECT_EQ(v.terminateChoice, 2);
    EXPECT_EQ(v.terminateThreshold, 3u);
    EXPECT_EQ(v.crashRateOperation, 2);
    EXPECT_EQ(v.crashRateCount, 10u);
    EXPECT_EQ(v.crashRateMinutes, 1u);
    EXPECT_EQ(v.dialogFlags, 399);
    EXPECT_EQ(v.dialogAutoClose, 0u);
    EXPECT_EQ(v.emailMode, 0);
    EXPECT_EQ(v.webMode, 0);
    EXPECT_EQ(v.sendFlags, 0x51);
    EXPECT_EQ(v.smtpPort, 25);
    EXPECT_EQ(v.proxyPort, 8080);
    EXPECT_EQ(v.webPort, 0u);
    EXPECT_NE(v.webPageTemplate.find("<%HTML_TAG%>"), std::string::npos);
    EXPECT_EQ(v.language, "English");
}

TEST(Options, MessageTextsBySlot)
{
    const auto &t = defaultMessageTexts();
    EXPECT_EQ(t[0], "Information.");
    EXPECT_EQ(t[4], "An error has occurred during program execution.\r\nPlease read the following information for further details.");
    EXPECT_EQ(t[26], "The application has encountered a problem. We are sorry for the inconvenience.");
    EXPECT_EQ(t[37], "Application");
    EXPECT_EQ(t[80], "Build #");
    EXPECT_EQ(t[91], "Custom Information");
    EXPECT_EQ(t[101], "Calling Thread");
    EXPECT_EQ(t[131], "Modified");
    EXPECT_EQ(t[143], "Memory Dump");
    EXPECT_EQ(t[152], "Invalid modify request.");
    EXPECT_EQ(t[156], "The application seems to be frozen.");
    EXPECT_EQ(t[157], "Invalid email.");
}

TEST(Options, CopyingNothingIsRefused)
{
    TCrashNoteModuleOptions options;
    try {
        options.assign(nullptr);
        FAIL() << "no exception";
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "Impossible to assign nil as TCrashNoteModuleOptions.");
    }
}

TEST(Options, GroupedChangesAreAnnouncedOnceWhenTheOutermostGroupEnds)
{
    TCrashNoteModuleOptions options;
    int announced = 0;
    options.setOnChange([&] { ++announced; });
    options.beginUpdate();
    options.setActive(false);
    options.beginUpdate();
    options.setFreezeDetection(true);
    options.endUpdate();
    EXPECT_EQ(announced, 0);
    options.endUpdate();
    EXPECT_EQ(announced, 1);
    EXPECT_FALSE(options.values().active);
    EXPECT_TRUE(options.values().freezeDetection);

    options.reset();
    EXPECT_EQ(announced, 2);
    EXPECT_EQ(options.values(), OptionValues{});
}

TEST(Options, StreamAndFileKeepEveryOption)
{
    TCrashNoteModuleOptions original;
    original.update([](OptionValues &v) {
        v.dialogKind = 3;
        v.smtpHost = "127.0.0.1";
        v.logEntriesKept = -1;
        v.filters.push_back({true, "EAbort", "x", 1, 2, 1, 2});
        v.messageTexts[4] = "Changed text";
    });
    std::stringstream stream;
    original.saveToStream(stream);
    TCrashNoteModuleOptions copy;
    copy.loadFromStream(stream);
    EXPECT_EQ(copy.values(), original.values());

    auto path = std::filesystem::temp_directory_path() / ("crashnote_options_" + std::to_string(::getpid()));
    original.saveToFile(path.string());
    TCrashNoteModuleOptions fromFile;
    fromFile.loadFromFile(path.string());
    EXPECT_EQ(fromFile.values(), original.values());
    std::filesystem::remove(path);
    EXPECT_THROW(fromFile.loadFromFile(path.string()), EFOpenError);

    std::stringstream damaged("\x05\x00\x00\x00xx");
    EXPECT_THROW(copy.loadFromStream(damaged), EReadError);
    EXPECT_EQ(copy.values(), original.values()) << "a failed read changes nothing";
}

TEST(Options, TextOptionsAreNotStoredInClear)
{
    OptionValues v;
    v.smtpPassword = "VerySecretPassword";
    auto bytes = encodeOptions(v);
    std::string raw(bytes.begin(), bytes.end());
    EXPECT_EQ(raw.find("VerySecretPassword"), std::string::npos);
    EXPECT_EQ(decodeOptions(bytes).smtpPassword, "VerySecretPassword");
}

TEST(OptionsText, ReadsValuesFiltersAndTexts)
{
    auto v = parseOptionsText("# comment\n"
                              "DialogKind=3\r\n"
                              "ThreadFlags=0x59\n"
                              "  FreezeDetection = 1\n"
                              "EmailSubject=Crash in %_MainModuleName%\n"
                              "Filter=1;EDatabaseError;Line\\r\\nbreak;2;4;2;1\n"
                              "MessageText.4=First\\r\\nSecond\n");
    EXPECT_EQ(v.dialogKind, 3);
    EXPECT_EQ(v.threadFlags, 0x59);
    EXPECT_TRUE(v.freezeDetection);
    EXPECT_EQ(v.emailSubject, "Crash in %_MainModuleName%");
    ASSERT_EQ(v.filters.size(), 1u);
    EXPECT_EQ(v.filters[0], (TCrashNoteExceptionFilter{true, "EDatabaseError", "Line\r\nbreak", 2, 4, 2, 1}));
    EXPECT_EQ(v.messageTexts[4], "First\r\nSecond");
}

TEST(OptionsText, NamesTheLineOfABadEntry)
{
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"DialogKind=2\nNoSuchOption=1\n", "line 2: unknown option \"NoSuchOption\""},
        {"DialogKind=many\n", "line 1: bad value for \"DialogKind\""},
        {"Active=maybe\n", "line 1: bad value for \"Active\""},
        {"Filter=1;EAbort\n", "line 1: bad value for \"Filter\""},
        {"MessageText.158=x\n", "line 1: bad value for \"MessageText.158\""},
        {"\n\nDialogKind\n", "line 3: missing '='"},
    };
    for (const auto &c : cases) {
        try {
            parseOptionsText(c.text);
            ADD_FAILURE() << c.text;
        } catch (const OptionsTextError &e) {
            EXPECT_EQ(e.what(), c.error);
        }
    }
}

TEST(Environment, ExpandsVariablesBetweenPercentSigns)
{
    ::setenv("CN_TEST_VALUE", "abc", 1);
    ::unsetenv("CN_TEST_UNSET");
    EXPECT_EQ(expandEnvironment("x%CN_TEST_VALUE%y"), "xabcy");
    EXPECT_EQ(expandEnvironment("%CN_TEST_UNSET%z"), "z");
    EXPECT_EQ(expandEnvironment("100%"), "100%");
    EXPECT_EQ(expandEnvironment("%%"), "%");
}

TEST(Environment, SetsTheReportVariables)
{
    ReportEnvironment env;
    env.mainModuleName = "Program";
    env.exceptMsg = "Boom.";
    env.bugReport = "text";
    setReportEnvironment(env);
    EXPECT_STREQ(std::getenv("_MainModuleName"), "Program");
    EXPECT_STREQ(std::getenv("_ExceptMsg"), "Boom.");
    EXPECT_STREQ(std::getenv("_BugReport"), "text");
    EXPECT_STREQ(std::getenv("_LineBreak"), "\r\n");
    EXPECT_STREQ(std::getenv("_ExceptModuleVer"), "");
}

TEST(SharedOptions, ChangesArePublishedForModulesLoadedLater)
{
    const std::uint64_t loadAddress = 0x7f0012340000 + static_cast<std::uint64_t>(::getpid());
    EXPECT_EQ(TCrashNoteModuleOptionsEx::areaName(0x1234, 0xABCDEF),
              "00001234" "0000000000ABCDEF" "MODULE");
    {
        TCrashNoteModuleOptionsEx options(loadAddress);
        EXPECT_FALSE(TCrashNoteModuleOptionsEx::readPublished(loadAddress)) << "nothing before the first change";
        options.update([](OptionValues &v) { v.dialogKind = 0; });
        auto published = TCrashNoteModuleOptionsEx::readPublished(loadAddress);
        ASSERT_TRUE(published);
        EXPECT_EQ(published->dialogKind, 0);
    }
    EXPECT_FALSE(TCrashNoteModuleOptionsEx::readPublished(loadAddress)) << "released with the options";
}

} // namespace
