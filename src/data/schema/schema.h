#pragma once

#include <QString>

namespace fb { class Connection; }

// Creates the database files with every table the program declares or reads.
namespace schema {

void createCentralDatabase(fb::Connection &connection);   // file named by its parameters
void createTutorialDatabase(fb::Connection &connection);

// The script that createCentralDatabase runs, for tools that cache its result.
QString centralScript();

}  // namespace schema
