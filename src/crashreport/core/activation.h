#pragma once

// Start-up and state of this module's reporter.

#include "module_options_ex.h"
#include "module_record.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace crashnote {

class Reporter {
public:
    static Reporter &instance();

    // Runs once, first thing in main(), on the main thread. Finds the
    // configuration block; without one the reporter stays inactive and
    // installs nothing. Throws ECrashNoteCritical when its own set-up fails.
    void startUp();
    // Undoes the interception and stops the reporter's threads.
    void shutDown();

    bool isActive() const { return active_; }
    bool isIntercepting() const { return intercepting_; }
    std::chrono::system_clock::time_point startTime() const { return startTime_; }
    const std::string &startDirectory() const { return startDirectory_; }
    const std::vector<std::string> &arguments() const { return arguments_; }
    std::uint64_t mainThreadId() const { return mainThreadId_; }
    std::shared_ptr<const ModuleRecord> programRecord() const { return programRecord_; }
    // This module's options: start as the block's, may be changed by the
    // program at any time, and are republished for other modules.
    TCrashNoteModuleOptionsEx &moduleOptions() { return *moduleOptions_; }

    // Whether this module is the program file (not a library carrying its
    // own reporter).
    static bool isProgramModule();

private:
    void runSection(const char *section, void (Reporter::*step)());
    void createLists();
    void installInterception();

    bool started_ = false;
    bool active_ = false;
    bool intercepting_ = false;
    std::chrono::system_clock::time_point startTime_;
    std::string startDirectory_;
    std::vector<std::string> arguments_;
    std::uint64_t mainThreadId_ = 0;
    std::vector<char> workBuffer_;
    std::shared_ptr<const ModuleRecord> programRecord_;
    std::unique_ptr<TCrashNoteModuleOptionsEx> moduleOptions_;
};

// The start-up call of the program: Reporter::instance().startUp().
void startUp();

} // namespace crashnote
