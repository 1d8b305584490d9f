#include "event_dispatch.h"

#include "component.h"

#include <cstring>
#include <dlfcn.h>

namespace crashnote {

namespace {

// Every event set of this module in dispatch order.
std::vector<TCrashNoteEvents> ownHandlers()
{
    auto handlers = TCrashNoteList::instance().newestFirst();
    handlers.push_back(globalHandlers());
    return handlers;
}

// The named entry point of the module holding the exception address, when
// that module is not this one and exports it.
void *foreignEntryPoint(const TCrashNoteExceptionRecord &record, const char *name)
{
    Dl_info where{}, self{};
    if (!record.exceptionAddress || !::dladdr(reinterpret_cast<void *>(record.exceptionAddress), &where) ||
        !::dladdr(reinterpret_cast<void *>(&foreignEntryPoint), &self) || where.dli_fbase == self.dli_fbase)
        return nullptr;
    void *module = ::dlopen(where.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (!module)
        return nullptr;
    void *entry = ::dlsym(module, name);
    ::dlclose(module);
    Dl_info owner{};
    // Only an entry point the module defines itself counts.
    if (!entry || !::dladdr(entry, &owner) || owner.dli_fbase != where.dli_fbase)
        return nullptr;
    return entry;
}

using NotifyEntry = void (*)(TCrashNoteExceptionRecord *, bool *);
using ActionEntry = void (*)(TCrashNoteExceptionRecord *, int, bool *);
using ListEntry = void (*)(TCrashNoteExceptionRecord *, StringList *);

} // namespace

void runOwnExceptionNotify(TCrashNoteExceptionRecord &record, bool handledException, bool &handled)
{
    for (auto &h : ownHandlers()) {
        auto &event = handledException ? h.OnHandledExceptionNotify : h.OnExceptionNotify;
        if (event)
            event(record, handled);
    }
}

void runOwnAction(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &execute)
{
    for (auto &h : ownHandlers())
        if (h.OnExceptionActionNotify)
            h.OnExceptionActionNotify(record, action, execute);
}

void runOwnError(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &retry)
{
    for (auto &h : ownHandlers())
        if (h.OnExceptionErrorNotify)
            h.OnExceptionErrorNotify(record, action, retry);
}

void runOwnList(TCrashNoteExceptionRecord &record, StringList &list,
                TCustomDataRequestNotify TCrashNoteEvents::*event)
{
    for (auto &h : ownHandlers())
        if (h.*event)
            (h.*event)(record, list);
}

void runOwnCustomButton(TCrashNoteExceptionRecord &record, bool &closeDialog)
{
    for (auto &h : ownHandlers())
        if (h.OnCustomButtonClickNotify)
            h.OnCustomButtonClickNotify(record, closeDialog);
}

void runOwnPasswordRequest(TCrashNoteExceptionRecord *record, std::string &password)
{
    for (auto &h : ownHandlers())
        if (h.OnPasswordRequest)
            h.OnPasswordRequest(record, password);
}

void dispatchExceptionNotify(TCrashNoteExceptionRecord &record, bool handledException, bool &handled)
{
    handled = true;
    const char *name = handledException ? "CrashNote_HandledExceptionNotifyEvent" : "CrashNote_ExceptionNotifyEvent";
    if (auto entry = reinterpret_cast<NotifyEntry>(foreignEntryPoint(record, name)))
        entry(&record, &handled);
    runOwnExceptionNotify(record, handledException, handled);
}

void dispatchAction(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &execute)
{
    execute = true;
    if (auto entry = reinterpret_cast<ActionEntry>(foreignEntryPoint(record, "CrashNote_ExceptionActionNotifyEvent")))
        entry(&record, action, &execute);
    runOwnAction(record, action, execute);
}

void dispatchError(TCrashNoteExceptionRecord &record, TCrashNoteActionType action, bool &retry)
{
    retry = false;
    if (auto entry = reinterpret_cast<ActionEntry>(foreignEntryPoint(record, "CrashNote_ExceptionErrorNotifyEvent")))
        entry(&record, action, &retry);
    runOwnError(record, action, retry);
}

void dispatchCustomData(TCrashNoteExceptionRecord &record, StringList &fields)
{
    fields.clear();
    if (auto entry = reinterpret_cast<ListEntry>(foreignEntryPoint(record, "CrashNote_CustomDataRequestEventEx")))
        entry(&record, &fields);
    runOwnList(record, fields, &TCrashNoteEvents::OnCustomDataRequest);
}

void dispatchAttachedFiles(TCrashNoteExceptionRecord &record, StringList &files)
{
    // The list arrives filled with the attachments; handlers change it.
    if (auto entry = reinterpret_cast<ListEntry>(foreignEntryPoint(record, "CrashNote_AttachedFilesRequestEvent")))
        entry(&record, &files);
    runOwnList(record, files, &TCrashNoteEvents::OnAttachedFilesRequest);
}

void dispatchCustomWebFields(TCrashNoteExceptionRecord &record, StringList &fields)
{
    fields.clear();
    if (auto entry = reinterpret_cast<ListEntry>(foreignEntryPoint(record, "CrashNote_CustomWebFieldsRequestEvent")))
        entry(&record, &fields);
    runOwnList(record, fields, &TCrashNoteEvents::OnCustomWebFieldsRequest);
}

void dispatchCustomButton(TCrashNoteExceptionRecord &record, bool &closeDialog)
{
    closeDialog = false;
    if (auto entry = reinterpret_cast<NotifyEntry>(foreignEntryPoint(record, "CrashNote_CustomButtonClickEvent")))
        entry(&record, &closeDialog);
    runOwnCustomButton(record, closeDialog);
}

void dispatchPasswordRequest(TCrashNoteExceptionRecord *record, std::string &password)
{
    using PasswordEntry = void (*)(TCrashNoteExceptionRecord *, char *, int);
    if (record) {
        if (auto entry = reinterpret_cast<PasswordEntry>(foreignEntryPoint(*record, "CrashNote_PasswordRequestEventEx"))) {
            char buffer[256] = {};
            entry(record, buffer, sizeof buffer - 1);
            password = buffer;
        }
    }
    runOwnPasswordRequest(record, password);
}

TCrashNoteEvents &globalHandlers()
{
    static TCrashNoteEvents handlers;
    return handlers;
}

const char *errorCodeName(TCrashNoteErrorCode code)
{
    static const char *const names[] = {"eeNone",           "eeShowError",      "eeLogError",
                                        "eeEmailMAPIError", "eeEmailShellError", "eeEmailSMTPError",
                                        "eeWebHTTPError",   "eeWebHTTPSError",  "eeWebFTPError",
                                        "eeWebTrakerError"};
    return code < std::size(names) ? names[code] : "eeNone";
}

} // namespace crashnote
