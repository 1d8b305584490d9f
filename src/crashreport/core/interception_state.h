#pragma once

// Whether this module's reporter intercepts, and the per-thread flags the
// interception points consult.

namespace crashnote {

void setIntercepting(bool on);
bool isIntercepting();

// Set while the calling thread runs reporter code: the interception points
// then leave it alone.
class InsideReporter {
public:
    InsideReporter();
    ~InsideReporter();
    InsideReporter(const InsideReporter &) = delete;
    InsideReporter &operator=(const InsideReporter &) = delete;
    static bool active();

private:
    bool previous_;
};

} // namespace crashnote
