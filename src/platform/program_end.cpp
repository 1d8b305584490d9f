#include "program_end.h"

#include <cstdlib>

namespace {
void exitProcess(int exitCode) { std::exit(exitCode); }
ProgramEnder currentEnder = &exitProcess;
}  // namespace

void endProgramNow(int exitCode) {
  currentEnder(exitCode);
  std::abort();  // an ender that returns breaks the promise of ending
}

ProgramEnder setProgramEnder(ProgramEnder ender) {
  const ProgramEnder previous = currentEnder;
  currentEnder = ender;
  return previous;
}
