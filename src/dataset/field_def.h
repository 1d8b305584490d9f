#pragma once

#include "value.h"

#include <QString>

namespace ds {

// How a dataset declares one of its columns: name, type, width, key and
// required marks. Datasets without declarations take them from the answer.
struct FieldDef {
  QString name;
  fb::ColumnType type = fb::ColumnType::Text;
  int size = 0;       // characters of a text column; 0: unlimited
  int precision = 0;  // significant digits of a decimal column; 0: unchecked
  int scale = 0;      // decimal places of a decimal column
  bool inKey = false;
  bool required = false;

  static FieldDef text(QString name, int size) { return {std::move(name), fb::ColumnType::Text, size}; }
  static FieldDef decimal(QString name, int precision, int scale) {
    return {std::move(name), fb::ColumnType::Decimal, 0, precision, scale};
  }
  static FieldDef floating(QString name) { return {std::move(name), fb::ColumnType::Double}; }
  static FieldDef integer(QString name) { return {std::move(name), fb::ColumnType::Integer}; }
  static FieldDef timestamp(QString name) { return {std::move(name), fb::ColumnType::Timestamp}; }
  static FieldDef blob(QString name) { return {std::move(name), fb::ColumnType::Blob}; }

  FieldDef &asKey() { inKey = true; return *this; }
  FieldDef &asRequired() { required = true; return *this; }
};

}  // namespace ds
