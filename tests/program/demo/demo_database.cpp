#include "demo_database.h"

#include "demo_folder.h"
#include "shared_demo.h"

DemoDatabase::DemoDatabase(const demo::DemoSize &size) {
  copySharedDemo(size, dir_.path());
  central_.parameters().database = demo::centralDatabasePath(dir_.path());
  central_.open();
  tutorial_.parameters().database = demo::tutorialDatabasePath(dir_.path());
  tutorial_.open();
}

fb::ResultSet DemoDatabase::central(const QString &sql, const std::vector<fb::Value> &parameters) {
  fb::Transaction read(central_);
  return read.select(sql, parameters);
}

fb::ResultSet DemoDatabase::tutorial(const QString &sql) {
  fb::Transaction read(tutorial_);
  return read.select(sql);
}
