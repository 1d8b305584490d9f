#pragma once

#include "connection.h"

#include <QTemporaryDir>

// A central database with the full schema, made fresh in a temporary folder
// and attached embedded.
class TempCentralDatabase {
 public:
  TempCentralDatabase();
  QString path() const { return dir_.filePath(QStringLiteral("veldorin.bd")); }
  QString folder() const { return dir_.path(); }
  fb::Connection &connection() { return connection_; }

 private:
  QTemporaryDir dir_;
  fb::Connection connection_;
};
