#pragma once

#include "transaction.h"

#include <memory>

namespace fb {

// A prepared statement within a transaction: binds parameters, runs, and
// turns the answer into typed values. It can run many times.
class Statement {
 public:
  Statement(Connection &connection, isc_tr_handle *transaction, const QString &sql);
  ~Statement();
  Statement(const Statement &) = delete;
  Statement &operator=(const Statement &) = delete;

  bool returnsRows();
  void execute(const std::vector<Value> &parameters);
  ResultSet fetchAll();
  long long rowsAffected();

 private:
  struct Buffers;

  void describeParameters();
  void bindParameters(const std::vector<Value> &parameters);
  Value readCell(int index);
  QString readBlob(ISC_QUAD id);
  ISC_QUAD writeBlob(const QByteArray &bytes);
  int statementType();

  Connection &connection_;
  const ClientLibrary &library_;
  isc_tr_handle *transaction_;
  isc_stmt_handle handle_ = 0;
  std::unique_ptr<Buffers> buffers_;
  bool parametersDescribed_ = false;
  int type_ = -1;
};

}  // namespace fb
