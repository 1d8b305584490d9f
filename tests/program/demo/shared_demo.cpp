#include "shared_demo.h"

#include "demo_folder.h"

#include <cstdio>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <unistd.h>

namespace {

// The generator, the schema and the database layer are all linked into this
// executable, so a new build of any of them gives a new fingerprint.
QString fingerprint(const demo::DemoSize &size) {
  QFile self(QStringLiteral("/proc/self/exe"));
  if (!self.open(QIODevice::ReadOnly)) qFatal("cannot read the test executable");
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(&self);
  hash.addData(QByteArray::number(size.components) + '/' + QByteArray::number(size.packaging));
  return QString::fromLatin1(hash.result().toHex().left(12));
}

QString sharedDemoFolder(const demo::DemoSize &size) {
  const QString templates = QStringLiteral(VELDORIN_DEMO_TEMPLATE_DIR);
  const QString folder = templates + QStringLiteral("/demo-") + fingerprint(size);
  if (QFileInfo::exists(folder)) return folder;
  QDir().mkpath(templates);

  // Test processes started side by side wait for the first instead of each making the demo.
  QLockFile lock(folder + QStringLiteral(".lock"));
  lock.setStaleLockTime(0);  // making the demo takes a while; only a dead holder frees the lock
  if (!lock.lock()) qFatal("cannot lock %s", qPrintable(lock.fileName()));
  if (QFileInfo::exists(folder)) return folder;

  // Made under a name of its own, then renamed, so that no process ever sees a half-made demo.
  const QString building = folder + QStringLiteral(".%1").arg(getpid());
  QDir(building).removeRecursively();
  demo::createDemoFolder(building, size);
  if (std::rename(QFile::encodeName(building).constData(), QFile::encodeName(folder).constData()) != 0)
    qFatal("cannot place the shared demo at %s", qPrintable(folder));
  return folder;
}

void copyDatabase(const QString &from, const QString &to) {
  QDir().mkpath(QFileInfo(to).path());
  if (!QFile::copy(from, to)) qFatal("cannot copy %s to %s", qPrintable(from), qPrintable(to));
  QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

void copySharedDemo(const demo::DemoSize &size, const QString &folder) {
  const QString shared = sharedDemoFolder(size);
  copyDatabase(demo::centralDatabasePath(shared), demo::centralDatabasePath(folder));
  copyDatabase(demo::tutorialDatabasePath(shared), demo::tutorialDatabasePath(folder));
}
