#pragma once

#include "value.h"

#include <vector>
#include <QList>

namespace ds {

// One row held by a dataset; the id follows it through its pending changes.
struct Row {
  quint64 id = 0;
  QList<fb::Value> values;
};

enum class ChangeKind { Insert, Update, Delete };

// A pending change of one row: the values as read (updates, deletes) and the
// values to store (inserts, updates).
struct Change {
  ChangeKind kind;
  quint64 rowId;
  QList<fb::Value> original;
  QList<fb::Value> current;
  QString failure = {};  // why the database refused it at the last apply updates
};

// The log of pending changes of a dataset: one entry per row, kept in the
// order in which each row was first changed. Later changes of the same row
// merge into its entry, as the database only needs the net effect.
class ChangeLog {
 public:
  void logInsert(const Row &row);
  void logUpdate(const Row &before, const Row &after);
  void logDelete(const Row &row);

  const std::vector<Change> &changes() const { return changes_; }
  bool isEmpty() const { return changes_.empty(); }
  int size() const { return int(changes_.size()); }
  void clear() { changes_.clear(); }
  // Drops the entries of rows whose changes the database has taken.
  void forget(const QList<quint64> &rowIds);
  void noteFailure(std::size_t index, const QString &failure) { changes_[index].failure = failure; }

 private:
  std::vector<Change>::iterator entryOf(quint64 rowId);

  std::vector<Change> changes_;
};

}  // namespace ds
