#pragma once

#include "program_end.h"

#include <exception>
#include <functional>

// The program's general failure handling: every failure that escapes an event
// handler or a creation step ends here. The crash reporter takes it over;
// until then the failure's message is shown and the program goes on.
using TratadorFalhas = std::function<void(std::exception_ptr)>;

void trataFalha(std::exception_ptr failure);
// Installs a handler and returns the one it replaces.
TratadorFalhas defineTratadorFalhas(TratadorFalhas handler);

// Runs one step; a failure in it goes to the general handling instead of
// stopping the caller.
template <typename Step>
void executaProtegido(Step &&step) {
  try {
    step();
  } catch (const ProgramEnding &) {
    throw;
  } catch (...) {
    trataFalha(std::current_exception());
  }
}
