#pragma once

#include "connection.h"
#include "demo_size.h"
#include "transaction.h"

#include <QTemporaryDir>

// A private copy of the shared demo for a whole test suite, read through its own attachments.
class DemoDatabase {
 public:
  explicit DemoDatabase(const demo::DemoSize &size);
  QString folder() const { return dir_.path(); }
  fb::ResultSet central(const QString &sql, const std::vector<fb::Value> &parameters = {});
  fb::ResultSet tutorial(const QString &sql);

 private:
  QTemporaryDir dir_;
  fb::Connection central_;
  fb::Connection tutorial_;
};
