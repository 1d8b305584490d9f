#pragma once

#include "report_input.h"

namespace crashnote::report {

// The registers a signal handler received (its third argument, a ucontext_t).
CpuContext cpuContextFromSignal(const void *ucontext);

} // namespace crashnote::report
