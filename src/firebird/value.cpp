#include "value.h"

#include <cmath>

namespace fb {
namespace {

std::int64_t powerOfTen(int exponent) {
  std::int64_t result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

// Same value at a common scale, for comparisons.
std::optional<std::int64_t> rescaled(const Decimal &d, int scale) {
  std::int64_t out = d.units;
  for (int i = d.scale; i < scale; ++i) {
    if (__builtin_mul_overflow(out, 10, &out)) return std::nullopt;
  }
  return out;
}

}  // namespace

QString Decimal::toString(QChar decimalSeparator) const {
  const bool negative = units < 0;
  // Work on the magnitude as unsigned so that INT64_MIN prints correctly.
  const std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(units) : std::uint64_t(units);
  QString digits = QString::number(magnitude);
  if (scale > 0) {
    if (digits.size() <= scale) digits.prepend(QString(scale - digits.size() + 1, u'0'));
    QString whole = digits.left(digits.size() - scale);
    QString fraction = digits.right(scale);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    digits = fraction.isEmpty() ? whole : whole + decimalSeparator + fraction;
  }
  return negative ? u'-' + digits : digits;
}

double Decimal::toDouble() const {
  // Divide rather than multiply by a fractional power so that 1.5 reads back as 1.5 exactly.
  return scale <= 0 ? double(units) * double(powerOfTen(-scale)) : double(units) / double(powerOfTen(scale));
}

std::optional<Decimal> Decimal::fromDouble(double value, int scale) {
  if (!std::isfinite(value) || scale < 0 || scale > 18) return std::nullopt;
  const long double scaled = static_cast<long double>(value) * static_cast<long double>(powerOfTen(scale));
  const long double rounded = std::nearbyint(scaled);  // the default rounding mode: ties to even
  if (rounded >= 9.2233720368547758e18L || rounded < -9.2233720368547758e18L) return std::nullopt;
  return Decimal{static_cast<std::int64_t>(rounded), scale};
}

std::optional<Decimal> Decimal::fromString(QStringView text, QChar decimalSeparator) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::int64_t units = 0;
  int scale = 0;
  bool digitSeen = false, separatorSeen = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == decimalSeparator && !separatorSeen) {
      separatorSeen = true;
    } else if (c.isDigit() && c.unicode() < 128) {
      digitSeen = true;
      if (__builtin_mul_overflow(units, 10, &units) || __builtin_add_overflow(units, c.unicode() - '0', &units))
        return std::nullopt;
      if (separatorSeen) ++scale;
    } else {
      return std::nullopt;
    }
  }
  if (!digitSeen) return std::nullopt;
  return Decimal{negative ? -units : units, scale};
}

bool operator==(const Decimal &a, const Decimal &b) {
  const int scale = std::max(a.scale, b.scale);
  const auto left = rescaled(a, scale), right = rescaled(b, scale);
  return left && right && *left == *right;
}

QString Value::toString(QChar decimalSeparator) const {
  struct Printer {
    QChar separator;
    QString operator()(std::monostate) const { return {}; }
    QString operator()(const QString &text) const { return text; }
    QString operator()(const Decimal &d) const { return d.toString(separator); }
    QString operator()(double d) const {
      QString text = QString::number(d, 'g', 15);
      return separator == u'.' ? text : text.replace(u'.', separator);
    }
    QString operator()(std::int64_t n) const { return QString::number(n); }
    QString operator()(const QDateTime &t) const {
      return t.toString(t.time().msecsSinceStartOfDay() ? QStringLiteral("dd/MM/yyyy hh:mm:ss") : QStringLiteral("dd/MM/yyyy"));
    }
    QString operator()(bool b) const { return b ? QStringLiteral("True") : QStringLiteral("False"); }
  };
  return std::visit(Printer{decimalSeparator}, storage_);
}

}  // namespace fb
