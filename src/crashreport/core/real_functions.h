#pragma once

// The library functions the reporter stands in front of: the sanitizer's
// interceptor when one is linked in, else the next definition after ours.

#include <pthread.h>
#include <typeinfo>

namespace crashnote {

using PthreadCreateFn = int (*)(pthread_t *, const pthread_attr_t *, void *(*)(void *), void *);
using CxaThrowFn = void (*)(void *, void *, void (*)(void *));

PthreadCreateFn realPthreadCreate();
CxaThrowFn realCxaThrow();

// Starts a helper thread of the reporter: not entered into the program's
// thread list as a program thread, never suspended.
bool startReporterThread(pthread_t &thread, void *(*routine)(void *), void *argument);

} // namespace crashnote
