#pragma once

// Failures of the reporter's own start-up and shutdown, the only ones it
// lets reach the program.

#include <string>

namespace crashnote {

// Throws ECrashNoteCritical with "Critical error at: ..." naming the section
// ("ECore.Init", "EHook.Init", ... or their ".Done" counterparts).
[[noreturn]] void raiseCriticalError(const std::string &section, const std::string &message);

} // namespace crashnote
