#pragma once

#include "demo_size.h"

#include <stdexcept>
#include <QString>

namespace demo {

// A demo folder cannot be made where a database already is.
class DemoFolderExists : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

QString centralDatabasePath(const QString &folder);   // <folder>/dados/veldorin.bd
QString tutorialDatabasePath(const QString &folder);  // <folder>/TUTORIAL.BD

// Creates the central and tutorial databases of a demo installation in
// `folder` and fills them. Never overwrites: throws DemoFolderExists when
// either file exists. When the generation fails, the files it made are
// removed again, so that a later run can start afresh. The finished databases
// have forced writes on again, so that they survive a system crash.
void createDemoFolder(const QString &folder, const DemoSize &size = {});

}  // namespace demo
