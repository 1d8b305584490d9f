#include "schema.h"

#include "connection.h"
#include "database_error.h"

#include <QFile>
#include <QRegularExpression>

// Resources of a static library must be registered by hand, from outside any namespace.
static void registerSchemaScripts() { Q_INIT_RESOURCE(schema); }

namespace schema {
namespace {

const QString kCentral = QStringLiteral(":/schema/central.sql");
const QString kTutorial = QStringLiteral(":/schema/tutorial.sql");

QString scriptText(const QString &resource) {
  registerSchemaScripts();
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) throw EDatabaseError(QStringLiteral("Missing schema script %1").arg(resource));
  return QString::fromUtf8(file.readAll());
}

void runScript(fb::Connection &connection, const QString &resource) {
  QString script = scriptText(resource);
  script.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
  // Statements end with a semicolon at the end of a line; none holds one inside.
  for (const QString &statement : script.split(QRegularExpression(QStringLiteral(";\\s*\n")), Qt::SkipEmptyParts)) {
    if (!statement.trimmed().isEmpty()) connection.executeDirect(statement.trimmed());
  }
}

void create(fb::Connection &connection, const QString &resource) {
  connection.create();
  runScript(connection, resource);
}

}  // namespace

void createCentralDatabase(fb::Connection &connection) { create(connection, kCentral); }

void createTutorialDatabase(fb::Connection &connection) { create(connection, kTutorial); }

QString centralScript() { return scriptText(kCentral); }

}  // namespace schema
