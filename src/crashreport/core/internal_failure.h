#pragma once

// The reporter's own failures never reach the program: a failing step
// becomes a warning line on standard error (the debugger output), and a
// failure of the processing itself is swallowed, leaving a crash note when a
// debugger is attached.

#include "events.h"

#include <exception>
#include <string>

namespace crashnote {

// "[WARNING] - Code: <code> - Address: <address> - Message: "<[step] message>""
void reportWarning(TCrashNoteErrorCode code, const std::string &stepName, std::exception_ptr error);
// The same with a message of the reporter's own.
void reportWarningText(TCrashNoteErrorCode code, const std::string &message);

struct LastWarning {
    TCrashNoteErrorCode code = eeNone;
    std::string message;
};
LastWarning lastWarning();
void clearLastWarning();

// A failure while processing; step is the number of the processing step.
void reportInternalFailure(int step, const std::string &lastExceptionClass, std::exception_ptr error);

bool debuggerAttached();

} // namespace crashnote
