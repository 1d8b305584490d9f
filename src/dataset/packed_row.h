#pragma once

#include "value.h"

#include <QByteArray>
#include <QList>

namespace ds {

// The cells of one held row packed into one block: texts as their
// Windows-1252 bytes, numbers and moments in 8 bytes, a null in one, so a
// row costs little more than its data. Texts must be Windows-1252 texts, as
// every text read from the database or accepted by a field is.
class PackedRow {
 public:
  PackedRow() = default;
  explicit PackedRow(const QList<fb::Value> &values);

  fb::Value value(int index) const;
  QList<fb::Value> values() const;

 private:
  qsizetype offsetOf(int index) const;
  qsizetype cellEnd(qsizetype offset) const;
  fb::Value cellAt(qsizetype offset) const;

  QByteArray bytes_;
};

}  // namespace ds
