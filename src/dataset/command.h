#pragma once

#include "transaction.h"

#include <QString>

namespace fb { class Connection; }

namespace ds {

// The first link of a dataset chain: an SQL text and the connection it runs on.
class Command {
 public:
  Command(QString name, fb::Connection &connection, QString text = {});
  Command(const Command &) = delete;
  Command &operator=(const Command &) = delete;

  const QString &name() const { return name_; }
  fb::Connection &connection() const { return connection_; }
  const QString &text() const { return text_; }
  // Refused while a dataset holds the answer of the current text.
  void setText(const QString &sql);

  // Runs the text in a transaction of its own and takes every row of the
  // answer. Opens the connection first when it is closed.
  fb::ResultSet run() const;

 private:
  friend class ClientDataSet;  // marks the text as in use while it is open

  QString name_;
  fb::Connection &connection_;
  QString text_;
  bool inUse_ = false;
};

}  // namespace ds
