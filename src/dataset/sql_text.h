#pragma once

#include <QList>
#include <QString>

// What the datasets read from the SQL text of their commands.
namespace ds::sql_text {

// The table named after the first FROM, as the server stores the name
// (unquoted names in capitals); empty when there is none.
QString tableAfterFrom(const QString &sql);

struct SortColumn {
  QString name;  // as the server stores it
  bool descending = false;
};

// The columns of the ORDER BY clause that are plain column names.
QList<SortColumn> orderBy(const QString &sql);

// A name as the server stores it, written so that any statement can use it.
QString quotedIdentifier(const QString &storedName);

}  // namespace ds::sql_text
