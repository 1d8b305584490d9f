#pragma once

// What a program calls to use the crash reporter.
//
//   int main(int argc, char **argv) {
//       crashnote::startUp();          // first thing: finds the block, intercepts
//       ...
//   }
//
// A window creates a TCrashNote component (which fails when the program
// carries no configuration block), and the program's general failure
// handler hands every exception it catches to handleException.

#include "activation.h"
#include "component.h"
#include "events.h"

#include <exception>

namespace crashnote {

enum class HandlerKind : std::uint8_t { General = 0, Framework = 1, WebRequest = 2 };

// Processes an exception the program caught. Returns true when the caller
// shall still run its own standard handling (the reporter is inactive, the
// exception is an EAbort, or the options or a filter say so).
bool handleException(std::exception_ptr exception, HandlerKind kind = HandlerKind::General);

} // namespace crashnote

// Entry points exported by the program file (see exports.cpp).
extern "C" bool ExceptionManager(const void *exceptionObject, void *exceptionAddress, std::uint8_t kind,
                                 void *callingModule);
