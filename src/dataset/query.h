#pragma once

#include "client_dataset.h"

namespace ds {

// A plain query: runs one statement and exposes the fields of its rows for
// reading, front to back. With no row every field reads as empty.
class Query {
 public:
  Query(QString name, fb::Connection &connection);

  void close() { rows_.close(); }
  // Closes the query and replaces its text.
  void setSql(const QString &sql);
  const QString &sql() const { return command_.text(); }
  void open() { rows_.open(); }
  bool isOpen() const { return rows_.isOpen(); }

  Field &fieldByName(QStringView fieldName) const { return rows_.fieldByName(fieldName); }
  void next() { rows_.next(); }
  bool atEnd() const { return rows_.atEnd(); }

 private:
  Command command_;
  Provider provider_;
  ClientDataSet rows_;
};

}  // namespace ds
