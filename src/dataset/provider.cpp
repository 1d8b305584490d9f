#include "provider.h"

#include "database_error.h"
#include "sql_text.h"

namespace ds {

Provider::Provider(QString name, Command &command, UpdateMode mode)
    : name_(std::move(name)), command_(command), mode_(mode) {}

int Provider::applyUpdates(ChangeLog &log, const QList<WriteColumn> &columns, int maxErrors) const {
  if (log.isEmpty()) return 0;
  const QString table = sql_text::tableAfterFrom(command_.text());
  fb::Transaction transaction(command_.connection());
  int errors = 0;
  QList<quint64> applied;
  for (std::size_t index = 0; index < log.changes().size(); ++index) {
    const Change &change = log.changes()[index];
    try {
      const WriteStatement statement = writeStatementFor(change, table, columns, mode_);
      if (!statement.sql.isEmpty() && transaction.execute(statement.sql, statement.parameters) == 0)
        throw EDatabaseError(QStringLiteral("Record not found or changed by another user"));
      applied << change.rowId;
    } catch (const EDatabaseError &failure) {
      log.noteFailure(index, failure.message());
      if (++errors > maxErrors && maxErrors != -1) {
        transaction.rollback();
        return errors;
      }
    }
  }
  transaction.commit();
  log.forget(applied);
  return errors;
}

}  // namespace ds
