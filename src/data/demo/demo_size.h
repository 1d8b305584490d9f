#pragma once

namespace demo {

// How much the demo holds. The packaging items are part of the components.
struct DemoSize {
  int components = 220;
  int packaging = 150;
};

}  // namespace demo
