#include "temp_veldorin_folder.h"

#include "database_template.h"

#include <QDir>
#include <QFile>

TempVeldorinFolder::TempVeldorinFolder() : previous_(qgetenv("VELDORIN_DIR")) {
  qputenv("VELDORIN_DIR", dir_.path().toLocal8Bit());
}

TempVeldorinFolder::~TempVeldorinFolder() { qputenv("VELDORIN_DIR", previous_); }

void TempVeldorinFolder::createCentralDatabase() {
  QDir(dir_.path()).mkpath(QStringLiteral("dados"));
  copyFreshCentralDatabase(centralDatabase());
}

void TempVeldorinFolder::writeFile(const QString &name, const QByteArray &content) {
  QFile file(path() + name);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(file.fileName()));
  file.write(content);
}
