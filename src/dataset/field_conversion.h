#pragma once

#include "field_def.h"

// The conversions of a field value to and from the forms the program reads
// and writes: text (numbers with the workstation's decimal separator, as
// fb::Value::toString writes them), floating point and integer. Failures
// throw EConvertError.
namespace ds {

double floatOf(const fb::Value &value, const FieldDef &def, QChar decimalSeparator);
int integerOf(const fb::Value &value, const FieldDef &def, QChar decimalSeparator);

// An empty text clears the field. Text wider than the column keeps its first
// characters; text that Windows-1252 cannot hold is refused.
fb::Value valueFromText(const QString &text, const FieldDef &def, QChar decimalSeparator);
fb::Value valueFromFloat(double number, const FieldDef &def, QChar decimalSeparator);
fb::Value valueFromInteger(int number, const FieldDef &def, QChar decimalSeparator);

// Orders two values of one column as the server sorts them: nulls first,
// texts by their Windows-1252 bytes, numbers and moments by magnitude.
int compareValues(const fb::Value &a, const fb::Value &b);

}  // namespace ds
