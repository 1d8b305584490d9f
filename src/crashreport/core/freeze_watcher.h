#pragma once

// Watches the program's main window and reports it once per freeze when it
// stops answering for the freeze timeout.

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <pthread.h>

namespace crashnote {

// How the watcher reaches the main window; the GUI layer provides it.
class WindowProbe {
public:
    virtual ~WindowProbe() = default;
    virtual bool mainWindowFound() = 0;
    // Whether the window's thread answered within the timeout.
    virtual bool ping(std::chrono::milliseconds timeout) = 0;
    virtual bool mainWindowExists() = 0;
};

class FreezeWatcher {
public:
    static FreezeWatcher &instance();
    void setProbe(std::shared_ptr<WindowProbe> probe);
    void start();
    void stop();

private:
    static void *threadMain(void *self);
    void watch();
    void reportFreeze();
    bool sleepFor(std::chrono::milliseconds duration);   // false when stopped meanwhile
    std::shared_ptr<WindowProbe> probe();

    std::mutex mutex_;
    std::shared_ptr<WindowProbe> probe_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    pthread_t thread_{};
};

} // namespace crashnote
