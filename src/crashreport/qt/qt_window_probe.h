#pragma once

#include "crashreport/core/freeze_watcher.h"

namespace crashnote::qt {

// Pings the GUI thread through its event queue: a window whose thread does
// not run the posted call in time does not answer.
class QtWindowProbe : public WindowProbe {
public:
    bool mainWindowFound() override;
    bool ping(std::chrono::milliseconds timeout) override;
    bool mainWindowExists() override;

private:
    std::atomic<bool> found_{false};
};

} // namespace crashnote::qt
