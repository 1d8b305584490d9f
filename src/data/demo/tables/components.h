#pragma once

#include "component_plan.h"

namespace fb { class Transaction; }

namespace demo {

// COMPONEN: every planned component with its prices, stock limits, volume,
// forms and technical sheet.
void writeComponents(fb::Transaction &transaction, const std::vector<DemoComponent> &components);

}  // namespace demo
