#pragma once

// The reporter's events, the record every event receives, and the handler
// types a component or the program sets.

#include "caught_exception.h"
#include "crashreport/config/option_values.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace crashnote {

enum TCrashNoteActionType : std::uint8_t {
    atShowingExceptionInfo,
    atShowedExceptionInfo,
    atSavingLogFile,
    atSavedLogFile,
    atSendingEmail,
    atSentEmail,
    atSendingWebMessage,
    atSentWebMessage,
    atTerminating,
};

enum TCrashNoteErrorCode : std::uint8_t {
    eeNone,
    eeShowError,
    eeLogError,
    eeEmailMAPIError,
    eeEmailShellError,
    eeEmailSMTPError,
    eeWebHTTPError,
    eeWebHTTPSError,
    eeWebFTPError,
    eeWebTrakerError,
};

const char *errorCodeName(TCrashNoteErrorCode code);

// What every event receives while one exception is processed.
struct TCrashNoteExceptionRecord {
    const CaughtException *exception = nullptr;
    std::uint64_t exceptionAddress = 0;
    std::uint64_t threadId = 0;
    std::string reportText;
    std::string bugId;
    const OptionValues *options = nullptr;   // the active options
};

using StringList = std::vector<std::string>;

using TExceptionNotify = std::function<void(TCrashNoteExceptionRecord &, bool &handled)>;
using TExceptionActionNotify = std::function<void(TCrashNoteExceptionRecord &, TCrashNoteActionType, bool &execute)>;
using TExceptionErrorNotify = std::function<void(TCrashNoteExceptionRecord &, TCrashNoteActionType, bool &retry)>;
using TPasswordRequestNotify = std::function<void(TCrashNoteExceptionRecord *, std::string &password)>;
using TCustomDataRequestNotify = std::function<void(TCrashNoteExceptionRecord &, StringList &dataFields)>;
using TAttachedFilesRequestNotify = std::function<void(TCrashNoteExceptionRecord &, StringList &attachedFiles)>;
using TCustomWebFieldsRequestNotify = std::function<void(TCrashNoteExceptionRecord &, StringList &webFields)>;
using TCustomButtonClickNotify = std::function<void(TCrashNoteExceptionRecord &, bool &closeDialog)>;

// The nine events; a TCrashNote component and the global handlers both
// carry one set.
struct TCrashNoteEvents {
    TExceptionNotify OnExceptionNotify;
    TExceptionNotify OnHandledExceptionNotify;
    TExceptionActionNotify OnExceptionActionNotify;
    TExceptionErrorNotify OnExceptionErrorNotify;
    TPasswordRequestNotify OnPasswordRequest;
    TCustomDataRequestNotify OnCustomDataRequest;
    TAttachedFilesRequestNotify OnAttachedFilesRequest;
    TCustomWebFieldsRequestNotify OnCustomWebFieldsRequest;
    TCustomButtonClickNotify OnCustomButtonClickNotify;
};

// The program's global handlers, called after every component.
TCrashNoteEvents &globalHandlers();

} // namespace crashnote
