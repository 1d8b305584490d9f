#pragma once

namespace fb { class Transaction; }

namespace demo {

// FORMAFAR, FABRIC and COTDOLAR: the small tables the register reads as they are.
void writeReferenceTables(fb::Transaction &transaction);

}  // namespace demo
