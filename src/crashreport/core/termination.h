#pragma once

// Ending or restarting the program at the end of processing.

#include <cstdint>
#include <string>
#include <vector>

namespace crashnote {

enum class TerminationKind : std::uint8_t { None = 0, Terminate = 1, Restart = 2 };

// Starts the program file again with these arguments (argv[0] included) in
// the folder, as a new process group. Returns whether it started.
bool startNewInstance(const std::vector<std::string> &arguments, const std::string &folder);

// Restarts when asked, then ends the process with exit code 1.
[[noreturn]] void carryOutTermination(TerminationKind kind);

} // namespace crashnote
