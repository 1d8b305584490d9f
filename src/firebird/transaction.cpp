#include "transaction.h"

#include "connection.h"
#include "database_error.h"
#include "statement.h"

namespace fb {
namespace {
// The client library's transaction existence block: one per attachment.
struct TransactionBlock {
  isc_db_handle *database;
  int parameterLength;
  const char *parameters;
};
}  // namespace

int ResultSet::indexOf(QStringView name) const {
  for (int i = 0; i < columns.size(); ++i)
    if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

Transaction::Transaction(Connection &connection) : connection_(connection) {
  if (!connection_.isOpen()) throw EDatabaseError(QStringLiteral("Database not connected"));
  // Read committed, seeing the latest committed version, waiting on locks.
  static const char kParameters[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                     isc_tpb_rec_version, isc_tpb_wait};
  TransactionBlock block{connection_.handle(), sizeof kParameters, kParameters};
  ISC_STATUS_ARRAY status{};
  connection_.library().startMultiple(status, &handle_, 1, &block);
  connection_.library().check(status);
}

Transaction::~Transaction() {
  try {
    rollback();
  } catch (const EDatabaseError &) {
    // The link is gone; the server rolls the transaction back itself.
  }
}

PreparedStatement::PreparedStatement(std::unique_ptr<Statement> statement) : statement_(std::move(statement)) {}
PreparedStatement::PreparedStatement(PreparedStatement &&) noexcept = default;
PreparedStatement::~PreparedStatement() = default;

ResultSet PreparedStatement::select(const std::vector<Value> &parameters) {
  statement_->execute(parameters);
  if (!statement_->returnsRows()) return {};
  return statement_->fetchAll();
}

long long PreparedStatement::execute(const std::vector<Value> &parameters) {
  statement_->execute(parameters);
  if (statement_->returnsRows()) statement_->fetchAll();
  return statement_->rowsAffected();
}

PreparedStatement Transaction::prepare(const QString &sql) {
  return PreparedStatement(std::make_unique<Statement>(connection_, &handle_, sql));
}

ResultSet Transaction::select(const QString &sql, const std::vector<Value> &parameters) {
  return prepare(sql).select(parameters);
}

long long Transaction::execute(const QString &sql, const std::vector<Value> &parameters) {
  return prepare(sql).execute(parameters);
}

void Transaction::commit() {
  if (!handle_) return;
  ISC_STATUS_ARRAY status{};
  connection_.library().commitTransaction(status, &handle_);
  connection_.library().check(status);
  handle_ = 0;
}

void Transaction::rollback() {
  if (!handle_) return;
  ISC_STATUS_ARRAY status{};
  connection_.library().rollbackTransaction(status, &handle_);
  handle_ = 0;
  connection_.library().check(status);
}

}  // namespace fb
