#pragma once

#include "client_library.h"
#include "value.h"

#include <vector>
#include <QList>

namespace fb {

class Connection;

struct ResultSet {
  QList<Column> columns;
  QList<QList<Value>> rows;

  // Index of the column named `name`, regardless of case; -1 when absent.
  int indexOf(QStringView name) const;
};

// A read-committed transaction that waits on locks. Rolled back when it is
// destroyed without a commit; a commit ends it (no retaining).
class Transaction {
 public:
  explicit Transaction(Connection &connection);
  ~Transaction();
  Transaction(const Transaction &) = delete;
  Transaction &operator=(const Transaction &) = delete;

  // Runs a statement and takes every row it answers. Blobs are read whole.
  ResultSet select(const QString &sql, const std::vector<Value> &parameters = {});
  // Runs a statement and returns the rows it inserted, changed or removed.
  long long execute(const QString &sql, const std::vector<Value> &parameters = {});

  void commit();
  void rollback();
  bool isActive() const { return handle_ != 0; }

 private:
  Connection &connection_;
  isc_tr_handle handle_ = 0;
};

}  // namespace fb
