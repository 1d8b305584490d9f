#include "prepared_insert.h"

namespace demo {
namespace {

QString insertStatement(const QString &table, const QStringList &columns) {
  const QStringList markers(columns.size(), QStringLiteral("?"));
  return QStringLiteral("insert into %1 (%2) values (%3)")
      .arg(table, columns.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")));
}

}  // namespace

PreparedInsert::PreparedInsert(fb::Transaction &transaction, const QString &table, const QStringList &columns)
    : statement_(transaction.prepare(insertStatement(table, columns))) {}

void PreparedInsert::add(const std::vector<fb::Value> &row) { statement_.execute(row); }

}  // namespace demo
