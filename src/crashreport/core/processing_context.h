#pragma once

// The state of one exception while it is processed, shared by the steps.

#include "caught_exception.h"
#include "events.h"
#include "thread_suspender.h"

#include "crashreport/config/option_values.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace crashnote {

struct ModuleRecord;

// What the user decided in the dialogs.
struct DialogDecisions {
    bool send = false;
    bool screenshot = false;
    bool copyToClipboard = false;
    bool terminate = false;
    std::string userEmail;
    std::string stepsToReproduce;
};

struct ProcessingContext {
    CaughtException &exception;
    TCrashNoteExceptionRecord record;
    OptionValues options;                       // the active options for this exception
    std::shared_ptr<const ModuleRecord> module; // whose options and debug data apply
    std::vector<StoppedThread> otherThreads;    // registers and calls of the other threads
    std::string customMessage;                  // a filter's message for the dialogs
    std::uint8_t dialogKind = 0;                // 0 none, 1 message box, 2 classic, 3 detailed
    bool duplicate = false;
    DialogDecisions decisions;
    StringList customData;
    bool guiThreadBlocked = false;              // a fatal signal stopped the GUI thread
    // Runs a step on the raising thread (the GUI thread when it raised) and
    // waits for it; rethrows what the step threw.
    std::function<void(const std::function<void()> &)> runOnRaisingThread;

    explicit ProcessingContext(CaughtException &e) : exception(e) {}
    std::string dialogMessage() const;
};

} // namespace crashnote
