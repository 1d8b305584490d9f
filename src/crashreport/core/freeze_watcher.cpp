#include "freeze_watcher.h"

#include "activation.h"
#include "processing.h"
#include "real_functions.h"
#include "thread_suspender.h"

#include "crashreport/config/message_texts.h"
#include "crashreport/exceptions/exceptions.h"

#include <thread>

namespace crashnote {

namespace {
constexpr auto kStep = std::chrono::milliseconds(50);
}

FreezeWatcher &FreezeWatcher::instance()
{
    static FreezeWatcher watcher;
    return watcher;
}

void FreezeWatcher::setProbe(std::shared_ptr<WindowProbe> probe)
{
    std::lock_guard lock(mutex_);
    probe_ = std::move(probe);
}

std::shared_ptr<WindowProbe> FreezeWatcher::probe()
{
    std::lock_guard lock(mutex_);
    return probe_;
}

void FreezeWatcher::start()
{
    if (running_.exchange(true))
        return;
    stopRequested_ = false;
    if (!startReporterThread(thread_, &FreezeWatcher::threadMain, this))
        running_ = false;
}

void FreezeWatcher::stop()
{
    if (!running_.load() || pthread_equal(thread_, pthread_self()))
        return;
    stopRequested_ = true;
    ::pthread_join(thread_, nullptr);
    running_ = false;
}

void *FreezeWatcher::threadMain(void *self)
{
    static_cast<FreezeWatcher *>(self)->watch();
    return nullptr;
}

bool FreezeWatcher::sleepFor(std::chrono::milliseconds duration)
{
    auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (stopRequested_.load())
            return false;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            kStep, end - std::chrono::steady_clock::now()));
    }
    return !stopRequested_.load();
}

void FreezeWatcher::watch()
{
    std::shared_ptr<WindowProbe> window;
    while (!(window = probe()) || !window->mainWindowFound())
        if (!sleepFor(kStep))
            return;

    std::chrono::milliseconds unresponsive{0};
    bool reported = false;
    while (!stopRequested_.load()) {
        if (window->ping(kStep)) {
            unresponsive = std::chrono::milliseconds(0);
            reported = false;
            if (!sleepFor(5 * kStep))
                return;
            continue;
        }
        if (!window->mainWindowExists())
            continue;
        unresponsive += kStep;
        auto timeout = std::chrono::seconds(Reporter::instance().moduleOptions().values().freezeTimeout);
        // Once per freeze: the count starts again only after the window answers.
        if (unresponsive >= timeout && !reported) {
            reported = true;
            reportFreeze();
        }
    }
}

void FreezeWatcher::reportFreeze()
{
    Reporter &reporter = Reporter::instance();
    const auto &texts = reporter.moduleOptions().values().messageTexts;
    ThreadSuspender suspender;
    auto stopped = suspender.suspend(reporter.mainThreadId());
    CaughtException e = describeMadeException(std::make_shared<EFrozenApplication>(texts[msgFrozen]));
    e.origin = ExceptionOrigin::Frozen;
    e.threadId = reporter.mainThreadId();
    if (stopped) {
        e.context = stopped->registers;
        e.address = stopped->registers.rip;
        e.raiseStack = stopped->stack;
    }
    processException(e);
    suspender.resumeAll();
}

} // namespace crashnote
