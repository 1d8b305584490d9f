#pragma once

#include "program_end.h"

// While it lives, ending the program throws ProgramEnded instead, so that a
// test can see the program stop and go on.
using ProgramEnded = ProgramEnding;

class ProgramEndCatcher {
 public:
  ProgramEndCatcher() : previous_(setProgramEnder([](int code) { throw ProgramEnding{code}; })) {}
  ~ProgramEndCatcher() { setProgramEnder(previous_); }
  ProgramEndCatcher(const ProgramEndCatcher &) = delete;
  ProgramEndCatcher &operator=(const ProgramEndCatcher &) = delete;

 private:
  ProgramEnder previous_;
};
