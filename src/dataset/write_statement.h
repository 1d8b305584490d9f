#pragma once

#include "change_log.h"

#include <vector>

namespace ds {

// How updates and deletes find their row: by the old values of the key
// columns, or of every column.
enum class UpdateMode { ByKey, ByAllColumns };

// A dataset column as the write-back sees it, in the dataset's column order.
struct WriteColumn {
  QString name;          // the table's column; empty when it is not one (an expression)
  bool inKey = false;
  bool comparable = true;  // blobs cannot find a row
};

struct WriteStatement {
  QString sql;  // empty when the change leaves the table as it is
  std::vector<fb::Value> parameters;
};

// The statement that brings one pending change to `table`. Values travel as
// parameters, so no value can change the statement. Throws EDatabaseError
// when an update or delete by key has no key column.
WriteStatement writeStatementFor(const Change &change, const QString &table, const QList<WriteColumn> &columns,
                                 UpdateMode mode);

}  // namespace ds
