#pragma once

#include "component_plan.h"

namespace fb { class Transaction; }

namespace demo {

// SINONIMO: other names by which the staff ask for components, in the stored
// normal form, each pointing at a component's code.
void writeSynonyms(fb::Transaction &transaction, const std::vector<DemoComponent> &components);

}  // namespace demo
