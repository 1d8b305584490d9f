// Thread creation and end, seen by standing in front of pthread_create: every
// thread started while the reporter intercepts enters the thread list with
// the calls of the thread that created it.

#include "caught_exception.h"
#include "fatal_signals.h"
#include "interception_state.h"
#include "last_chance.h"
#include "raise_recorder.h"
#include "real_functions.h"
#include "thread_registry.h"

#include <cstdint>
#include <cxxabi.h>
#include <dlfcn.h>

namespace crashnote {

namespace {

struct ThreadStart {
    void *(*routine)(void *);
    void *argument;
    std::vector<std::uint64_t> creationStack;
};

void leaveThreadList(void *)
{
    ThreadRegistry::instance().remove(currentThreadId());
    releaseThreadSignalStack();
}

void *threadTrampoline(void *raw)
{
    ThreadStart *start = static_cast<ThreadStart *>(raw);
    int stackTop = 0;
    ThreadRecord record;
    record.threadId = currentThreadId();
    record.handle = pthread_self();
    record.routine = reinterpret_cast<std::uint64_t>(start->routine);
    record.parameter = reinterpret_cast<std::uint64_t>(start->argument);
    record.stackTop = reinterpret_cast<std::uint64_t>(&stackTop);
    record.resumed = true;
    record.creationStack = std::move(start->creationStack);
    ThreadRegistry::instance().add(std::move(record));
    prepareThreadForSignals();

    auto routine = start->routine;
    auto argument = start->argument;
    delete start;
    void *result = nullptr;
    // Also runs when the thread ends through pthread_exit.
    pthread_cleanup_push(leaveThreadList, nullptr);
    try {
        result = routine(argument);
    } catch (abi::__forced_unwind &) {
        throw; // pthread_exit and cancellation must go on
    } catch (...) {
        // Nothing in the thread caught it: report it, and only this thread
        // ends, with exit code 1.
        processUncaught(std::current_exception());
        result = reinterpret_cast<void *>(1);
    }
    pthread_cleanup_pop(1);
    return result;
}

// The program file's stand-in when it is not ours (we are a library).
PthreadCreateFn programPthreadCreate()
{
    void *program = ::dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
    if (!program)
        return nullptr;
    auto entry = reinterpret_cast<PthreadCreateFn>(::dlsym(program, "pthread_create"));
    ::dlclose(program);
    return entry == &::pthread_create || entry == realPthreadCreate() ? nullptr : entry;
}

} // namespace

} // namespace crashnote

// Referenced by the link options so that this file is linked in even when
// another library (a sanitizer) already offers pthread_create.
extern "C" const int crashnote_thread_interposer = 1;

extern "C" int pthread_create(pthread_t *thread, const pthread_attr_t *attributes, void *(*routine)(void *),
                              void *argument)
{
    using namespace crashnote;
    if (!isIntercepting() || InsideReporter::active()) {
        // A library's reporter lets the program's reporter see its threads.
        static const PthreadCreateFn program = programPthreadCreate();
        return (program ? program : realPthreadCreate())(thread, attributes, routine, argument);
    }
    auto *start = new ThreadStart{routine, argument, captureStack(0)};
    int rc = realPthreadCreate()(thread, attributes, &threadTrampoline, start);
    if (rc != 0)
        delete start;
    return rc;
}
