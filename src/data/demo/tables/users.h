#pragma once

namespace fb { class Transaction; }

namespace demo {

// USUARIOS and ESTACOES: the demo users with encoded names and passwords,
// their access strings and their workstations.
void writeUsers(fb::Transaction &transaction);

}  // namespace demo
