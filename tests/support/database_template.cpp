#include "database_template.h"

#include "connection.h"
#include "schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

// Building the schema takes a while; every test process shares one copy per
// version of the script, kept in the build tree.
QString templatePath() {
  static const QString path = [] {
    const QByteArray fingerprint =
        QCryptographicHash::hash(schema::centralScript().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString folder = QStringLiteral(VELDORIN_TEST_TEMPLATE_DIR);
    const QString file = folder + QStringLiteral("/central-") + QString::fromLatin1(fingerprint) + QStringLiteral(".bd");
    if (QFileInfo::exists(file)) return file;
    QDir().mkpath(folder);
    // Built under a name of its own, then renamed, so that test processes
    // running side by side never see a half-made file.
    const QString building = file + QStringLiteral(".%1").arg(getpid());
    QFile::remove(building);
    {
      // Test databases are thrown away: no need to wait for the disk on every commit.
      fb::Connection connection;
      connection.parameters().database = building;
      connection.parameters().forcedWrites = false;
      schema::createCentralDatabase(connection);
    }
    if (::rename(QFile::encodeName(building).constData(), QFile::encodeName(file).constData()) != 0)
      qFatal("cannot place the template database at %s", qPrintable(file));
    return file;
  }();
  return path;
}

}  // namespace

void copyFreshCentralDatabase(const QString &path) {
  if (!QFile::copy(templatePath(), path)) qFatal("cannot copy the template database to %s", qPrintable(path));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}
