#pragma once

#include <QString>

// Copies a central database with the full schema to `path`. The schema is
// built once per test process; each test gets its own copy of the file.
void copyFreshCentralDatabase(const QString &path);
