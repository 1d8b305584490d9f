#pragma once

#include <cstdint>
#include <string>

namespace crashnote {

// One rule of the filter list: which exceptions it takes and what it does
// with them.
struct TCrashNoteExceptionFilter {
    enum Kind : std::uint8_t { AnyKind = 0, HandledOnly = 1, UnhandledOnly = 2 };
    enum Dialog : std::uint8_t { NoDialog = 0, OptionsDialog = 1, MessageBoxDialog = 2, ClassicDialog = 3, DetailedDialog = 4 };
    enum Handler : std::uint8_t { NoHandler = 0, StandardHandler = 1, ReporterHandler = 2 };
    enum Action : std::uint8_t { NoAction = 0, TerminateAction = 1, RestartAction = 2 };

    bool active = true;
    std::string exceptionClass;
    std::string message;
    std::uint8_t kind = AnyKind;
    std::uint8_t dialog = OptionsDialog;
    std::uint8_t handler = ReporterHandler;
    std::uint8_t action = NoAction;

    bool operator==(const TCrashNoteExceptionFilter &) const = default;
};

} // namespace crashnote
