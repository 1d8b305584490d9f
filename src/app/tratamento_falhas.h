#pragma once

#include <exception>
#include <functional>

// The program's general failure handling: every failure that escapes an event
// handler or a creation step ends here. The crash reporter takes it over;
// until then the failure's message is shown and the program goes on.
using TratadorFalhas = std::function<void(std::exception_ptr)>;

void trataFalha(std::exception_ptr failure);
void defineTratadorFalhas(TratadorFalhas handler);

// Runs one step; a failure in it goes to the general handling instead of
// stopping the caller.
template <typename Step>
void executaProtegido(Step &&step) {
  try {
    step();
  } catch (...) {
    trataFalha(std::current_exception());
  }
}
