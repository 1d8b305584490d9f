#include "field_conversion.h"

#include "failures.h"
#include "win1252.h"

#include <cmath>
#include <limits>

namespace ds {
namespace {

using fb::ColumnType;
using fb::Decimal;
using fb::Value;

const QDate kDayZero(1899, 12, 30);  // day 0 of the moments read and written as numbers

[[noreturn]] void refuseAccess(const FieldDef &def, const char *asType) {
  throw EConvertError(QStringLiteral("Cannot access field '%1' as type %2").arg(def.name, QLatin1String(asType)));
}

[[noreturn]] void refuseFloat(const QString &text) {
  throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void refuseInteger(const QString &text) {
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

std::int64_t powerOfTen(int exponent) {
  std::int64_t result = 1;
  while (exponent-- > 0) result *= 10;
  return result;
}

// Optional leading blanks, an optional sign, decimal digits and nothing after them.
std::optional<int> parseInteger(const QString &text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > std::int64_t(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  const std::int64_t number = negative ? -magnitude : magnitude;
  if (number > std::numeric_limits<int>::max()) return std::nullopt;
  return int(number);
}

// Digits with the workstation's separator and an optional exponent, blanks around.
std::optional<double> parseFloat(const QString &text, QChar separator) {
  QString plain = text.trimmed();
  if (separator != u'.') {
    if (plain.contains(u'.')) return std::nullopt;
    plain.replace(separator, u'.');
  }
  bool ok = false;
  const double number = plain.toDouble(&ok);
  if (!ok || !std::isfinite(number)) return std::nullopt;
  return number;
}

int roundedToInteger(double number, const QString &shown) {
  const double rounded = std::nearbyint(number);  // ties to even
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
    refuseInteger(shown);
  return int(rounded);
}

// The smallest number of units a decimal column cannot hold; 0 when unchecked.
std::int64_t unitsLimit(const FieldDef &def) {
  return def.precision > 0 && def.precision < 19 ? powerOfTen(def.precision) : 0;
}

[[noreturn]] void refuseRange(const QString &shown, const FieldDef &def, QChar separator) {
  const std::int64_t limit = unitsLimit(def);
  const QString largest = limit ? Decimal{limit - 1, def.scale}.toString(separator) : QStringLiteral("9223372036854775807");
  throw EConvertError(QStringLiteral("%1 is not a valid value for field '%2'. The allowed range is -%3 to %3")
                          .arg(shown, def.name, largest));
}

// Brings a decimal to the column's scale, ties to even, and checks its precision.
Decimal fitDecimal(const Decimal &value, const FieldDef &def, const QString &shown, QChar separator) {
  Decimal fitted = value;
  bool fits = true;
  if (value.scale <= def.scale) {
    for (int i = value.scale; i < def.scale && fits; ++i) fits = !__builtin_mul_overflow(fitted.units, 10, &fitted.units);
  } else {
    const std::int64_t divisor = powerOfTen(value.scale - def.scale);
    std::int64_t quotient = value.units / divisor;
    const std::int64_t remainder = value.units % divisor;
    const std::int64_t twice = std::abs(remainder) * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += value.units < 0 ? -1 : 1;
    fitted.units = quotient;
  }
  fitted.scale = def.scale;
  const std::int64_t limit = unitsLimit(def);
  if (!fits || (limit && (fitted.units >= limit || fitted.units <= -limit))) refuseRange(shown, def, separator);
  return fitted;
}

double daysOf(const QDateTime &moment) {
  return double(kDayZero.daysTo(moment.date())) + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime momentOf(double days) {
  const double whole = std::floor(days);
  const int msecs = int(std::llround((days - whole) * 86400000.0));
  return QDateTime(kDayZero.addDays(qint64(whole)), QTime(0, 0)).addMSecs(msecs);
}

long double magnitudeOf(const Value::Storage &value) {
  if (auto *d = std::get_if<Decimal>(&value)) return static_cast<long double>(d->units) / powerOfTen(d->scale);
  if (auto *x = std::get_if<double>(&value)) return *x;
  if (auto *n = std::get_if<std::int64_t>(&value)) return static_cast<long double>(*n);
  if (auto *b = std::get_if<bool>(&value)) return *b ? 1 : 0;
  return 0;
}

QByteArray sortBytes(const QString &text) {
  QByteArray bytes = win1252::encode(text);
  while (bytes.endsWith(' ')) bytes.chop(1);  // the server pads texts with blanks when it compares them
  return bytes;
}

}  // namespace

double floatOf(const Value &value, const FieldDef &def, QChar decimalSeparator) {
  switch (def.type) {
    case ColumnType::Text:
    case ColumnType::Blob: {
      const QString text = value.toString();
      if (const auto number = parseFloat(text, decimalSeparator)) return *number;
      refuseFloat(text);
    }
    case ColumnType::Boolean:
      refuseAccess(def, "Float");
    default:
      break;
  }
  if (value.isNull()) return 0;
  if (auto *moment = std::get_if<QDateTime>(&value.storage())) return daysOf(*moment);
  return double(magnitudeOf(value.storage()));
}

int integerOf(const Value &value, const FieldDef &def, QChar decimalSeparator) {
  switch (def.type) {
    case ColumnType::Text:
    case ColumnType::Blob: {
      const QString text = value.toString();
      if (const auto number = parseInteger(text)) return *number;
      refuseInteger(text);
    }
    case ColumnType::Timestamp:
    case ColumnType::Date:
    case ColumnType::Time:
    case ColumnType::Boolean:
      refuseAccess(def, "Integer");
    default:
      break;
  }
  if (value.isNull()) return 0;
  return roundedToInteger(double(magnitudeOf(value.storage())), value.toString(decimalSeparator));
}

Value valueFromText(const QString &text, const FieldDef &def, QChar decimalSeparator) {
  if (text.isEmpty()) return {};
  switch (def.type) {
    case ColumnType::Text:
    case ColumnType::Blob:
      if (!win1252::canEncode(text))
        throw EConvertError(QStringLiteral("'%1' holds characters that cannot be stored").arg(text));
      // Every Windows-1252 character is one UTF-16 unit, so this counts 1252 characters.
      return def.size > 0 && def.type == ColumnType::Text ? text.left(def.size) : text;
    case ColumnType::Decimal: {
      const auto decimal = Decimal::fromString(text.trimmed(), decimalSeparator);
      if (!decimal) refuseFloat(text);
      return fitDecimal(*decimal, def, text, decimalSeparator);
    }
    case ColumnType::Double: {
      const auto number = parseFloat(text, decimalSeparator);
      if (!number) refuseFloat(text);
      return *number;
    }
    case ColumnType::Integer: {
      const auto number = parseInteger(text.trimmed());
      if (!number) refuseInteger(text);
      return *number;
    }
    case ColumnType::Timestamp:
    case ColumnType::Date:
    case ColumnType::Time: {
      for (const char *format : {"dd/MM/yyyy hh:mm:ss", "dd/MM/yyyy"}) {
        const QDateTime moment = QDateTime::fromString(text.trimmed(), QLatin1String(format));
        if (moment.isValid()) return moment;
      }
      throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    }
    case ColumnType::Boolean:
      break;
  }
  refuseAccess(def, "String");
}

Value valueFromFloat(double number, const FieldDef &def, QChar decimalSeparator) {
  const QString shown = Value(number).toString(decimalSeparator);
  if (!std::isfinite(number)) refuseFloat(shown);
  switch (def.type) {
    case ColumnType::Text:
    case ColumnType::Blob:
      return valueFromText(shown, def, decimalSeparator);
    case ColumnType::Decimal: {
      const auto decimal = Decimal::fromDouble(number, def.scale);
      if (!decimal) refuseRange(shown, def, decimalSeparator);
      return fitDecimal(*decimal, def, shown, decimalSeparator);
    }
    case ColumnType::Double:
      return number;
    case ColumnType::Integer:
      return roundedToInteger(number, shown);
    case ColumnType::Timestamp:
    case ColumnType::Date:
    case ColumnType::Time:
      return momentOf(number);
    case ColumnType::Boolean:
      break;
  }
  refuseAccess(def, "Float");
}

Value valueFromInteger(int number, const FieldDef &def, QChar decimalSeparator) {
  switch (def.type) {
    case ColumnType::Text:
    case ColumnType::Blob:
      return valueFromText(QString::number(number), def, decimalSeparator);
    case ColumnType::Decimal:
      return fitDecimal(Decimal{number, 0}, def, QString::number(number), decimalSeparator);
    case ColumnType::Integer:
      return number;
    default:
      return valueFromFloat(number, def, decimalSeparator);
  }
}

int compareValues(const Value &a, const Value &b) {
  if (a.isNull() || b.isNull()) return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
  const auto *textA = std::get_if<QString>(&a.storage());
  const auto *textB = std::get_if<QString>(&b.storage());
  if (textA && textB) {
    const int order = sortBytes(*textA).compare(sortBytes(*textB));
    return (order > 0) - (order < 0);
  }
  const auto *momentA = std::get_if<QDateTime>(&a.storage());
  const auto *momentB = std::get_if<QDateTime>(&b.storage());
  if (momentA && momentB) return (*momentA > *momentB) - (*momentA < *momentB);
  const long double x = magnitudeOf(a.storage()), y = magnitudeOf(b.storage());
  return (x > y) - (x < y);
}

}  // namespace ds
