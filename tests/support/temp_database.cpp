#include "temp_database.h"

#include "schema.h"

TempCentralDatabase::TempCentralDatabase() {
  connection_.parameters().database = path();
  schema::createCentralDatabase(connection_);
}
