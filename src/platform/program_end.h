#pragma once

// Ends the program at once, as the start-up stops do (no configuration file,
// no database). Tests replace the ending so that they can watch it happen.
[[noreturn]] void endProgramNow(int exitCode);

// What a replaced ending throws. Ending the program is never a failure, so
// the failure handling lets it pass.
struct ProgramEnding {
  int exitCode;
};

using ProgramEnder = void (*)(int exitCode);
// Installs another way of ending; it must not return (tests throw ProgramEnding). Returns the old one.
ProgramEnder setProgramEnder(ProgramEnder ender);
