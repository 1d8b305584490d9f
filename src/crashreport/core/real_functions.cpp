#include "real_functions.h"

#include "caught_exception.h"
#include "thread_registry.h"

#include <dlfcn.h>

extern "C" {
// Present only in builds with a sanitizer, which intercepts these itself.
int __interceptor_pthread_create(pthread_t *, const pthread_attr_t *, void *(*)(void *), void *)
    __attribute__((weak));
void __interceptor___cxa_throw(void *, void *, void (*)(void *)) __attribute__((weak));
}

namespace crashnote {

PthreadCreateFn realPthreadCreate()
{
    static const PthreadCreateFn real = __interceptor_pthread_create
        ? &__interceptor_pthread_create
        : reinterpret_cast<PthreadCreateFn>(::dlsym(RTLD_NEXT, "pthread_create"));
    return real;
}

CxaThrowFn realCxaThrow()
{
    static const CxaThrowFn real = __interceptor___cxa_throw
        ? &__interceptor___cxa_throw
        : reinterpret_cast<CxaThrowFn>(::dlsym(RTLD_NEXT, "__cxa_throw"));
    return real;
}

namespace {

struct HelperStart {
    void *(*routine)(void *);
    void *argument;
};

void *helperTrampoline(void *raw)
{
    HelperStart start = *static_cast<HelperStart *>(raw);
    delete static_cast<HelperStart *>(raw);
    markReporterThread();
    void *result = start.routine(start.argument);
    ThreadRegistry::instance().remove(currentThreadId());
    return result;
}

} // namespace

bool startReporterThread(pthread_t &thread, void *(*routine)(void *), void *argument)
{
    auto *start = new HelperStart{routine, argument};
    if (realPthreadCreate()(&thread, nullptr, &helperTrampoline, start) != 0) {
        delete start;
        return false;
    }
    return true;
}

} // namespace crashnote
