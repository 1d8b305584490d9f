#include "temp_database.h"

#include "database_template.h"

TempCentralDatabase::TempCentralDatabase() {
  copyFreshCentralDatabase(path());
  connection_.parameters().database = path();
  connection_.open();
}
