#pragma once

// Lets the processing worker run steps on the raising thread, which waits
// for the worker and serves its requests.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

namespace crashnote {

class StepChannel {
public:
    // Worker side: runs the step on the raising thread and waits for it;
    // rethrows what the step threw.
    void runOnRaisingThread(const std::function<void()> &step);
    // Worker side: the processing is over.
    void finish();

    // Raising thread side: serves steps until finish(); calls idle about
    // every 10 ms while waiting.
    void serve(const std::function<void()> &idle);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()> *pending_ = nullptr;
    std::exception_ptr error_;
    bool finished_ = false;
};

} // namespace crashnote
