#include "folders.h"

#include <QFileInfo>
#include <QtGlobal>

namespace {
QString withFinalSlash(QString folder) {
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder;
}
}  // namespace

QString veldorinFolder() {
  const QString configured = qEnvironmentVariable("VELDORIN_DIR");
  return withFinalSlash(configured.isEmpty() ? QStringLiteral("/opt/veldorin") : configured);
}

QString programFolder() {
  return withFinalSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2));
}
