#include "step_channel.h"

#include <chrono>
#include <utility>

namespace crashnote {

void StepChannel::runOnRaisingThread(const std::function<void()> &step)
{
    std::unique_lock lock(mutex_);
    pending_ = &step;
    changed_.notify_all();
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    if (auto error = std::exchange(error_, nullptr))
        std::rethrow_exception(error);
}

void StepChannel::finish()
{
    std::lock_guard lock(mutex_);
    finished_ = true;
    changed_.notify_all();
}

void StepChannel::serve(const std::function<void()> &idle)
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait_for(lock, std::chrono::milliseconds(10), [this] { return pending_ || finished_; });
        if (pending_) {
            const std::function<void()> *step = pending_;
            lock.unlock();
            std::exception_ptr error;
            try {
                (*step)();
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            error_ = error;
            pending_ = nullptr;
            changed_.notify_all();
            continue;
        }
        if (finished_)
            return;
        lock.unlock();
        idle();
        lock.lock();
    }
}

} // namespace crashnote
