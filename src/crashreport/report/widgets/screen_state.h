#pragma once

// What the report shows about the screen, read from the GUI. Kept apart
// from the report library so that console programs need no widgets.

#include "report_input.h"

#include <optional>

namespace crashnote::report {

// The active window and the focused control; call on the GUI thread.
std::optional<ActiveControls> captureActiveControls();

// Size, colour depth and vertical DPI of the screen of the active window.
std::optional<DisplayInfo> captureDisplay();

} // namespace crashnote::report
