// Entry points exported by the program file, through which modules that each
// carry a reporter cooperate in one process. `exceptionObject` is always a
// pointer to a std::exception_ptr.

#include "crashnote.h"

#include "activation.h"
#include "caught_exception.h"
#include "event_dispatch.h"
#include "fatal_signals.h"
#include "processing.h"
#include "raise_recorder.h"
#include "thread_registry.h"

#include <cstring>
#include <dlfcn.h>

namespace crashnote {

namespace {

using ExceptionManagerFn = bool (*)(const void *, void *, std::uint8_t, void *);

// The program file's ExceptionManager when it is not this module's own.
ExceptionManagerFn programExceptionManager()
{
    if (Reporter::isProgramModule())
        return nullptr;
    void *program = ::dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
    if (!program)
        return nullptr;
    auto entry = reinterpret_cast<ExceptionManagerFn>(::dlsym(program, "ExceptionManager"));
    ::dlclose(program);
    return entry == &ExceptionManager ? nullptr : entry;
}

ExceptionOrigin originOf(std::uint8_t kind)
{
    switch (kind) {
    case 1:
        return ExceptionOrigin::FrameworkHandler;
    case 2:
        return ExceptionOrigin::WebHandler;
    default:
        return ExceptionOrigin::General;
    }
}

struct CrashNoteThreadDescription {
    std::uint64_t threadId;
    pthread_t handle;
    void *routine;
    void *parameter;
    std::uint64_t stackTop;
};

thread_local std::shared_ptr<const std::exception> lastSignalObject;

} // namespace

bool handleException(std::exception_ptr exception, HandlerKind kind)
{
    return ExceptionManager(&exception, nullptr, static_cast<std::uint8_t>(kind), nullptr);
}

} // namespace crashnote

using namespace crashnote;

extern "C" {

bool ExceptionManager(const void *exceptionObject, void *exceptionAddress, std::uint8_t kind, void *callingModule)
{
    if (auto forward = programExceptionManager())
        return forward(exceptionObject, exceptionAddress, kind, callingModule);
    if (!exceptionObject)
        return true;
    CaughtException e = describeException(*static_cast<const std::exception_ptr *>(exceptionObject));
    e.origin = originOf(kind);
    if (auto raise = findRaise(e.identity())) {
        e.address = raise->address;
        e.raiseStack = raise->stack;
    }
    if (exceptionAddress)
        e.address = reinterpret_cast<std::uint64_t>(exceptionAddress);
    return processException(e) == ProcessResult::RunStandardHandling;
}

void CrashNote_CallCreateThread(const CrashNoteThreadDescription *description)
{
    if (!description)
        return;
    ThreadRecord record;
    record.threadId = description->threadId;
    record.handle = description->handle;
    record.routine = reinterpret_cast<std::uint64_t>(description->routine);
    record.parameter = reinterpret_cast<std::uint64_t>(description->parameter);
    record.stackTop = description->stackTop;
    record.creationStack = captureStack(1);
    ThreadRegistry::instance().add(std::move(record));
}

void CrashNote_CallResumeThread(std::uint64_t threadId, const CrashNoteThreadDescription *description)
{
    if (description && !ThreadRegistry::instance().find(threadId))
        CrashNote_CallCreateThread(description);
    ThreadRegistry::instance().markResumed(threadId);
}

void CrashNote_CallExitThread() { ThreadRegistry::instance().remove(currentThreadId()); }

// Returns the exception object of the fatal signal; it stays valid until
// the next call on the same thread.
const std::exception *CrashNote_CallExceptObject(const siginfo_t *info, const ucontext_t *context, bool)
{
    if (!info || !context)
        return nullptr;
    lastSignalObject = exceptionForSignal(*info, *context);
    return lastSignalObject.get();
}

void CrashNote_CallGeneralRaise(std::uint32_t, std::uint32_t, std::uint32_t argumentCount, void *,
                                const std::uintptr_t *arguments)
{
    // Arguments: the raised object, then the raise address.
    if (arguments && argumentCount >= 2)
        recordRaise(reinterpret_cast<const void *>(arguments[0]), arguments[1]);
}

void CrashNote_ExceptionNotifyEvent(TCrashNoteExceptionRecord *record, bool *handled)
{
    if (record && handled)
        runOwnExceptionNotify(*record, false, *handled);
}

void CrashNote_HandledExceptionNotifyEvent(TCrashNoteExceptionRecord *record, bool *handled)
{
    if (record && handled)
        runOwnExceptionNotify(*record, true, *handled);
}

void CrashNote_ExceptionActionNotifyEvent(TCrashNoteExceptionRecord *record, int action, bool *execute)
{
    if (record && execute)
        runOwnAction(*record, static_cast<TCrashNoteActionType>(action), *execute);
}

void CrashNote_ExceptionErrorNotifyEvent(TCrashNoteExceptionRecord *record, int action, bool *retry)
{
    if (record && retry)
        runOwnError(*record, static_cast<TCrashNoteActionType>(action), *retry);
}

static void copyPassword(const std::string &password, char *out, int maxLength)
{
    if (!out || maxLength <= 0)
        return;
    std::size_t n = std::min<std::size_t>(password.size(), static_cast<std::size_t>(maxLength));
    std::memcpy(out, password.data(), n);
    out[n] = '\0';
}

void CrashNote_PasswordRequestEvent(char *password, int maxLength)
{
    std::string value = password ? password : "";
    runOwnPasswordRequest(nullptr, value);
    copyPassword(value, password, maxLength);
}

void CrashNote_PasswordRequestEventEx(TCrashNoteExceptionRecord *record, char *password, int maxLength)
{
    std::string value = password ? password : "";
    runOwnPasswordRequest(record, value);
    copyPassword(value, password, maxLength);
}

void CrashNote_CustomDataRequestEventEx(TCrashNoteExceptionRecord *record, StringList *fields)
{
    if (record && fields)
        runOwnList(*record, *fields, &TCrashNoteEvents::OnCustomDataRequest);
}

void CrashNote_AttachedFilesRequestEvent(TCrashNoteExceptionRecord *record, StringList *files)
{
    if (record && files)
        runOwnList(*record, *files, &TCrashNoteEvents::OnAttachedFilesRequest);
}

void CrashNote_CustomWebFieldsRequestEvent(TCrashNoteExceptionRecord *record, StringList *fields)
{
    if (record && fields)
        runOwnList(*record, *fields, &TCrashNoteEvents::OnCustomWebFieldsRequest);
}

void CrashNote_CustomButtonClickEvent(TCrashNoteExceptionRecord *record, bool *closeDialog)
{
    if (record && closeDialog)
        runOwnCustomButton(*record, *closeDialog);
}

} // extern "C"
