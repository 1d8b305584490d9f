#pragma once

#include "change_log.h"
#include "command.h"
#include "write_statement.h"

namespace ds {

// The link between a command and a client dataset: hands over the rows of the
// command's answer and writes the dataset's pending changes to the table
// named after FROM in the command.
class Provider {
 public:
  Provider(QString name, Command &command, UpdateMode mode = UpdateMode::ByKey);
  Provider(const Provider &) = delete;
  Provider &operator=(const Provider &) = delete;

  const QString &name() const { return name_; }
  Command &command() const { return command_; }
  UpdateMode updateMode() const { return mode_; }

  fb::ResultSet fetch() const { return command_.run(); }

  // Sends every logged change, in log order, in one transaction. A change
  // that fails, or an update or delete that finds no row, is an error and
  // stays in the log; the others leave it. With `maxErrors` −1 the
  // transaction is always committed; otherwise more than `maxErrors` errors
  // roll the whole batch back and every change stays. Returns the errors.
  // Failures of the transaction itself (a lost connection) are thrown.
  int applyUpdates(ChangeLog &log, const QList<WriteColumn> &columns, int maxErrors) const;

 private:
  QString name_;
  Command &command_;
  UpdateMode mode_;
};

}  // namespace ds
