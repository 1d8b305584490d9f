#pragma once

// Runs an event in the fixed order: the entry point exported by the module
// where the exception happened (when it is another module), then every
// component from the last created to the first, then the global handler.

#include "events.h"

namespace crashnote {

void dispatchExceptionNotify(TCrashNoteExceptionRecord &record, bool handledException, bool &handled);
void dispatchAction(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &execute);
void dispatchError(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &retry);
void dispatchCustomData(TCrashNoteExceptionRecord &record, StringList &fields);
void dispatchAttachedFiles(TCrashNoteExceptionRecord &record, StringList &files);
void dispatchCustomWebFields(TCrashNoteExceptionRecord &record, StringList &fields);
void dispatchCustomButton(TCrashNoteExceptionRecord &record, bool &closeDialog);
void dispatchPasswordRequest(TCrashNoteExceptionRecord *record, std::string &password);

// This module's own handlers only (components, then global): what the
// exported entry points run when another module's reporter calls them.
void runOwnExceptionNotify(TCrashNoteExceptionRecord &record, bool handledException, bool &handled);
void runOwnAction(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &execute);
void runOwnError(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &retry);
void runOwnList(TCrashNoteExceptionRecord &record, StringList &list,
                TCustomDataRequestNotify TCrashNoteEvents::*event);
void runOwnCustomButton(TCrashNoteExceptionRecord &record, bool &closeDialog);
void runOwnPasswordRequest(TCrashNoteExceptionRecord *record, std::string &password);

} // namespace crashnote
