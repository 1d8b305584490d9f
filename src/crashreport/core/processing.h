#pragma once

// Processing of one exception: the entry on the raising thread and the
// worker that runs the fixed sequence of steps.

#include "caught_exception.h"

#include <cstdint>

namespace crashnote {

enum class ProcessResult { RunStandardHandling, Handled };

ProcessResult processException(CaughtException &exception);

// Whether this exception object was the last one processed (an exception
// that reached the framework's handler and is raised on to the end).
bool wasJustProcessed(const CaughtException &exception);

// Exceptions processed since the program started.
std::uint32_t processedExceptionCount();

} // namespace crashnote
