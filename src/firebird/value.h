#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include <QDateTime>
#include <QString>

namespace fb {

// An exact decimal as the server keeps NUMERIC and DECIMAL columns:
// `units` × 10^-scale.
struct Decimal {
  std::int64_t units = 0;
  int scale = 0;

  // The shortest text that gives back the value, with the given separator
  // ("1,5" for 1.50000000 with ',').
  QString toString(QChar decimalSeparator = u'.') const;
  double toDouble() const;
  // Rounds to `scale` places, ties to even; nullopt when it does not fit 64 bits.
  static std::optional<Decimal> fromDouble(double value, int scale);
  // Reads "-12,345" or "7.5"; nullopt for anything else.
  static std::optional<Decimal> fromString(QStringView text, QChar decimalSeparator = u'.');

  friend bool operator==(const Decimal &a, const Decimal &b);
};

enum class ColumnType { Text, Decimal, Double, Integer, Timestamp, Date, Time, Blob, Boolean };

struct Column {
  QString name;      // as the select list names it (alias or field)
  QString field;     // the underlying field, empty for expressions
  QString relation;  // the underlying table, empty for expressions
  ColumnType type = ColumnType::Text;
  int length = 0;    // characters for text columns
  int scale = 0;     // decimal places for decimal columns
  bool nullable = true;
};

// One cell of a row or one statement parameter. Blob text travels as Text.
class Value {
 public:
  using Storage = std::variant<std::monostate, QString, Decimal, double, std::int64_t, QDateTime, bool>;

  Value() = default;
  Value(QString text) : storage_(std::move(text)) {}
  Value(const char *text) : storage_(QString::fromUtf8(text)) {}
  Value(Decimal decimal) : storage_(decimal) {}
  Value(double number) : storage_(number) {}
  Value(std::int64_t number) : storage_(number) {}
  Value(int number) : storage_(std::int64_t(number)) {}
  Value(QDateTime moment) : storage_(std::move(moment)) {}
  Value(bool flag) : storage_(flag) {}

  bool isNull() const { return std::holds_alternative<std::monostate>(storage_); }
  const Storage &storage() const { return storage_; }

  // The value as text; decimals and doubles with the given separator, null as "".
  QString toString(QChar decimalSeparator = u'.') const;

  friend bool operator==(const Value &a, const Value &b) { return a.storage_ == b.storage_; }

 private:
  Storage storage_;
};

}  // namespace fb
