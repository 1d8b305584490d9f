#include "interception_state.h"

#include <atomic>

namespace crashnote {

namespace {
std::atomic<bool> intercepting{false};
thread_local bool insideReporter = false;
} // namespace

void setIntercepting(bool on) { intercepting.store(on, std::memory_order_release); }
bool isIntercepting() { return intercepting.load(std::memory_order_acquire); }

InsideReporter::InsideReporter() : previous_(insideReporter) { insideReporter = true; }
InsideReporter::~InsideReporter() { insideReporter = previous_; }
bool InsideReporter::active() { return insideReporter; }

} // namespace crashnote
