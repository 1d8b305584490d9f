#include "demo_folder.h"

#include "connection.h"
#include "demo_generator.h"
#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace demo {
namespace {

void refuseExisting(const QStringList &paths) {
  for (const QString &path : paths)
    if (QFile::exists(path))
      throw DemoFolderExists(QStringLiteral("%1 already exists; a demo is never made over existing files")
                                 .arg(path)
                                 .toStdString());
}

// Attaches again so that the database takes this forced-writes mode for good.
void reattach(fb::Connection &connection, bool forcedWrites) {
  connection.close();
  connection.parameters().forcedWrites = forcedWrites;
  connection.open();
}

}  // namespace

QString centralDatabasePath(const QString &folder) { return QDir(folder).filePath(QStringLiteral("dados/veldorin.bd")); }

QString tutorialDatabasePath(const QString &folder) { return QDir(folder).filePath(QStringLiteral("TUTORIAL.BD")); }

void createDemoFolder(const QString &folder, const DemoSize &size) {
  const QString centralPath = centralDatabasePath(folder);
  const QString tutorialPath = tutorialDatabasePath(folder);
  refuseExisting({centralPath, tutorialPath});
  const QString dataFolder = QFileInfo(centralPath).path();
  const bool dataFolderExisted = QFileInfo::exists(dataFolder);
  if (!QDir().mkpath(dataFolder))
    throw std::runtime_error(QStringLiteral("cannot create the folder %1").arg(dataFolder).toStdString());

  QStringList made;
  try {
    // Neither file existed a moment ago: whatever lies there now, this run made.
    // Half-made files are thrown away anyway: building them need not wait for the disk.
    fb::Connection central;
    central.parameters().database = centralPath;
    central.parameters().forcedWrites = false;
    made << centralPath;
    schema::createCentralDatabase(central);

    fb::Connection tutorial;
    tutorial.parameters().database = tutorialPath;
    tutorial.parameters().forcedWrites = false;
    made << tutorialPath;
    schema::createTutorialDatabase(tutorial);

    generate(central, tutorial, size);
    // The finished demo is kept, so from now on every write reaches the disk.
    reattach(central, true);
    reattach(tutorial, true);
  } catch (...) {
    // The connections are closed by now; only what this run made is removed.
    for (const QString &path : made) QFile::remove(path);
    if (!dataFolderExisted) QDir().rmdir(dataFolder);
    throw;
  }
}

}  // namespace demo
