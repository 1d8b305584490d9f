#pragma once

#include "client_library.h"
#include "value.h"

#include <memory>
#include <vector>
#include <QList>

namespace fb {

class Connection;
class Statement;

struct ResultSet {
  QList<Column> columns;
  QList<QList<Value>> rows;

  // Index of the column named `name`, regardless of case; -1 when absent.
  int indexOf(QStringView name) const;
};

// A statement prepared once and run many times within its transaction.
class PreparedStatement {
 public:
  explicit PreparedStatement(std::unique_ptr<Statement> statement);
  PreparedStatement(PreparedStatement &&) noexcept;
  ~PreparedStatement();

  ResultSet select(const std::vector<Value> &parameters = {});
  long long execute(const std::vector<Value> &parameters = {});

 private:
  std::unique_ptr<Statement> statement_;
};

// A read-committed transaction that waits on locks. Rolled back when it is
// destroyed without a commit; a commit ends it (no retaining).
class Transaction {
 public:
  explicit Transaction(Connection &connection);
  ~Transaction();
  Transaction(const Transaction &) = delete;
  Transaction &operator=(const Transaction &) = delete;

  // Prepares a statement to run many times; it must not outlive the transaction.
  PreparedStatement prepare(const QString &sql);
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
