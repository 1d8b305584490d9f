#include "field.h"

#include "client_dataset.h"
#include "field_conversion.h"

namespace ds {

Field::Field(ClientDataSet &owner, int index, FieldDef def) : owner_(owner), index_(index), def_(std::move(def)) {}

fb::Value Field::value() const { return owner_.currentValue(index_); }

QString Field::asString() const { return value().toString(owner_.decimalSeparator()); }

double Field::asFloat() const { return floatOf(value(), def_, owner_.decimalSeparator()); }

int Field::asInteger() const { return integerOf(value(), def_, owner_.decimalSeparator()); }

void Field::setAsString(const QString &text) {
  owner_.setCurrentValue(index_, valueFromText(text, def_, owner_.decimalSeparator()));
}

void Field::setAsFloat(double number) {
  owner_.setCurrentValue(index_, valueFromFloat(number, def_, owner_.decimalSeparator()));
}

void Field::setAsInteger(int number) {
  owner_.setCurrentValue(index_, valueFromInteger(number, def_, owner_.decimalSeparator()));
}

void Field::clear() { owner_.setCurrentValue(index_, {}); }

}  // namespace ds
