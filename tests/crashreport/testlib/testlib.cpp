#include "testlib.h"

#include "crashreport/core/crashnote.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<crashnote::TCrashNote> component;

} // namespace

extern "C" {

void testlib_start()
{
    crashnote::startUp();
    component = std::make_unique<crashnote::TCrashNote>();
    component->OnExceptionNotify = [](crashnote::TCrashNoteExceptionRecord &record, bool &) {
        std::fprintf(stderr, "PROCESSED library class=%s\n", record.exception->className.c_str());
        std::fflush(stderr);
    };
}

[[gnu::noinline]] void testlib_raise() { throw std::runtime_error("raised in the library"); }

bool testlib_report_caught()
{
    try {
        testlib_raise();
    } catch (...) {
        std::exception_ptr caught = std::current_exception();
        return ExceptionManager(&caught, nullptr, 0, nullptr);
    }
    return false;
}

} // extern "C"
