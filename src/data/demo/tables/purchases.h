#pragma once

#include "component_plan.h"

namespace fb { class Transaction; }

namespace demo {

// FORNECED, NFISCAL and COMPRAS: the suppliers and two years of invoices with
// their purchased items. A purchase names its item by the description in
// capitals and its supplier by trade name, and every purchase has its invoice.
void writePurchases(fb::Transaction &transaction, const std::vector<DemoComponent> &components);

}  // namespace demo
