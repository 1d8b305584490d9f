#pragma once

#include "component_plan.h"

namespace fb { class Transaction; }

namespace demo {

// ESPECIFICACOES and ENSAIOS: the quality-control tests of each packaging
// kind and size, linked to most packaging items.
void writeQualityControl(fb::Transaction &transaction, const std::vector<DemoComponent> &components);

}  // namespace demo
