#pragma once

#include "demo_size.h"

namespace fb { class Connection; }

namespace demo {

// Fills freshly made central and tutorial databases with the data of a
// believable compounding pharmacy. The same size always gives the same data.
// Throws std::invalid_argument for a size the register cannot hold and
// EDatabaseError when the database refuses a row; nothing is committed then.
void generate(fb::Connection &central, fb::Connection &tutorial, const DemoSize &size = {});

}  // namespace demo
