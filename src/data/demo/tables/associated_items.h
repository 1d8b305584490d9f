#pragma once

#include "component_plan.h"

namespace fb { class Transaction; }

namespace demo {

// ITENSASS: caps, stoppers, measuring cups and the like sold with a packaging item.
void writeAssociatedItems(fb::Transaction &transaction, const std::vector<DemoComponent> &components);

}  // namespace demo
