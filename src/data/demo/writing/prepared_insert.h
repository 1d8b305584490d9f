#pragma once

#include "transaction.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace demo {

// Inserts rows into one table through a statement prepared once for them all.
class PreparedInsert {
 public:
  PreparedInsert(fb::Transaction &transaction, const QString &table, const QStringList &columns);

  // One value per column, in the order of the columns.
  void add(const std::vector<fb::Value> &row);

 private:
  fb::PreparedStatement statement_;
};

}  // namespace demo
