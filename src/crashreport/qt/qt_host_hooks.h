#pragma once

#include "crashreport/core/processing_steps.h"

namespace crashnote::qt {

// The processing's view of the program's GUI.
class QtHostHooks : public HostHooks {
public:
    bool hasGui() const override;
    bool isGuiThread() const override;
    void dispatchPendingEvents() override;
    bool dialogOpen() const override;
    void bringMainWindowToFront() override;
};

} // namespace crashnote::qt
