#pragma once

#include "field_def.h"

namespace ds {

class ClientDataSet;

// A typed column of a dataset, read and written on the dataset's current
// row: the row being inserted or changed, or else the row under the cursor.
// With no current row every field reads as empty. Writes need the dataset in
// insert or edit state; conversion failures throw EConvertError.
class Field {
 public:
  Field(const Field &) = delete;
  Field &operator=(const Field &) = delete;

  const FieldDef &def() const { return def_; }
  const QString &fieldName() const { return def_.name; }
  fb::ColumnType dataType() const { return def_.type; }
  int size() const { return def_.size; }
  bool isKey() const { return def_.inKey; }
  bool isRequired() const { return def_.required; }
  int index() const { return index_; }

  // The exact stored value (decimals as fb::Decimal).
  fb::Value value() const;
  bool isNull() const { return value().isNull(); }

  QString asString() const;
  double asFloat() const;
  int asInteger() const;

  void setAsString(const QString &text);
  void setAsFloat(double number);
  void setAsInteger(int number);
  void clear();

 private:
  friend class ClientDataSet;
  Field(ClientDataSet &owner, int index, FieldDef def);

  ClientDataSet &owner_;
  int index_;
  FieldDef def_;
};

}  // namespace ds
