#include "change_log.h"

#include <algorithm>

namespace ds {

std::vector<Change>::iterator ChangeLog::entryOf(quint64 rowId) {
  return std::find_if(changes_.begin(), changes_.end(), [rowId](const Change &c) { return c.rowId == rowId; });
}

void ChangeLog::logInsert(const Row &row) {
  changes_.push_back({ChangeKind::Insert, row.id, {}, row.values});
}

void ChangeLog::logUpdate(const Row &before, const Row &after) {
  const auto entry = entryOf(after.id);
  if (entry == changes_.end()) {
    if (before.values != after.values) changes_.push_back({ChangeKind::Update, after.id, before.values, after.values});
    return;
  }
  entry->current = after.values;
  // A row changed back to what was read has nothing left to send.
  if (entry->kind == ChangeKind::Update && entry->current == entry->original) changes_.erase(entry);
}

void ChangeLog::logDelete(const Row &row) {
  const auto entry = entryOf(row.id);
  if (entry == changes_.end()) {
    changes_.push_back({ChangeKind::Delete, row.id, row.values, {}});
  } else if (entry->kind == ChangeKind::Insert) {
    changes_.erase(entry);  // never stored: nothing to remove
  } else {
    entry->kind = ChangeKind::Delete;
    entry->current.clear();
  }
}

void ChangeLog::forget(const QList<quint64> &rowIds) {
  std::erase_if(changes_, [&](const Change &c) { return rowIds.contains(c.rowId); });
}

}  // namespace ds
