#include "write_statement.h"

#include "database_error.h"
#include "sql_text.h"

#include <QStringList>

namespace ds {
namespace {

using sql_text::quotedIdentifier;

WriteStatement insertOf(const Change &change, const QString &table, const QList<WriteColumn> &columns) {
  WriteStatement statement;
  QStringList names;
  for (int i = 0; i < columns.size(); ++i) {
    if (columns[i].name.isEmpty() || change.current[i].isNull()) continue;
    names << quotedIdentifier(columns[i].name);
    statement.parameters.push_back(change.current[i]);
  }
  statement.sql = names.isEmpty()
                      ? QStringLiteral("insert into %1 default values").arg(quotedIdentifier(table))
                      : QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(quotedIdentifier(table), names.join(QStringLiteral(", ")),
                                 QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
  return statement;
}

// The condition that finds the row as it was read; adds its parameters.
QString whereOf(const Change &change, const QList<WriteColumn> &columns, UpdateMode mode,
                std::vector<fb::Value> &parameters) {
  QStringList conditions;
  for (int i = 0; i < columns.size(); ++i) {
    const WriteColumn &column = columns[i];
    const bool used = mode == UpdateMode::ByKey ? column.inKey : column.comparable;
    if (column.name.isEmpty() || !used) continue;
    if (change.original[i].isNull()) {
      conditions << quotedIdentifier(column.name) + QStringLiteral(" is null");
    } else {
      conditions << quotedIdentifier(column.name) + QStringLiteral(" = ?");
      parameters.push_back(change.original[i]);
    }
  }
  if (conditions.isEmpty()) throw EDatabaseError(QStringLiteral("Unable to find record. No key specified"));
  return conditions.join(QStringLiteral(" and "));
}

WriteStatement updateOf(const Change &change, const QString &table, const QList<WriteColumn> &columns,
                        UpdateMode mode) {
  WriteStatement statement;
  QStringList assignments;
  for (int i = 0; i < columns.size(); ++i) {
    if (columns[i].name.isEmpty() || change.current[i] == change.original[i]) continue;
    assignments << quotedIdentifier(columns[i].name) + QStringLiteral(" = ?");
    statement.parameters.push_back(change.current[i]);
  }
  if (assignments.isEmpty()) return {};
  const QString where = whereOf(change, columns, mode, statement.parameters);
  statement.sql = QStringLiteral("update %1 set %2 where %3")
                      .arg(quotedIdentifier(table), assignments.join(QStringLiteral(", ")), where);
  return statement;
}

WriteStatement deleteOf(const Change &change, const QString &table, const QList<WriteColumn> &columns,
                        UpdateMode mode) {
  WriteStatement statement;
  const QString where = whereOf(change, columns, mode, statement.parameters);
  statement.sql = QStringLiteral("delete from %1 where %2").arg(quotedIdentifier(table), where);
  return statement;
}

}  // namespace

WriteStatement writeStatementFor(const Change &change, const QString &table, const QList<WriteColumn> &columns,
                                 UpdateMode mode) {
  switch (change.kind) {
    case ChangeKind::Insert: return insertOf(change, table, columns);
    case ChangeKind::Update: return updateOf(change, table, columns, mode);
    case ChangeKind::Delete: return deleteOf(change, table, columns, mode);
  }
  return {};
}

}  // namespace ds
