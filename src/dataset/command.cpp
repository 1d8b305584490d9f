#include "command.h"

#include "connection.h"
#include "database_error.h"

namespace ds {

Command::Command(QString name, fb::Connection &connection, QString text)
    : name_(std::move(name)), connection_(connection), text_(std::move(text)) {}

void Command::setText(const QString &sql) {
  if (inUse_) throw EDatabaseError(QStringLiteral("%1: Cannot change the SQL text while the dataset is open").arg(name_));
  text_ = sql;
}

fb::ResultSet Command::run() const {
  if (!connection_.isOpen()) connection_.open();
  fb::Transaction transaction(connection_);
  fb::ResultSet answer = transaction.select(text_);
  transaction.commit();
  return answer;
}

}  // namespace ds
