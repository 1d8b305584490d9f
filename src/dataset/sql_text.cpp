#include "sql_text.h"

#include <QRegularExpression>

namespace ds::sql_text {
namespace {

const QString kIdentifier = QStringLiteral(R"(("(?:[^"]|"")+"|[A-Za-z][A-Za-z0-9_$]*))");

QString storedName(const QString &written) {
  if (written.startsWith(u'"')) return written.mid(1, written.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
  return written.toUpper();
}

}  // namespace

QString tableAfterFrom(const QString &sql) {
  static const QRegularExpression from(QStringLiteral(R"(\bfrom\s+)") + kIdentifier,
                                       QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = from.match(sql);
  return match.hasMatch() ? storedName(match.captured(1)) : QString();
}

QList<SortColumn> orderBy(const QString &sql) {
  static const QRegularExpression clause(QStringLiteral(R"(\border\s+by\s+(.*)$)"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression column(QStringLiteral(R"(^\s*(?:[A-Za-z][A-Za-z0-9_$]*\.)?)") + kIdentifier +
                                             QStringLiteral(R"((?:\s+(asc|ascending|desc|descending))?\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption);
  QList<SortColumn> columns;
  const QRegularExpressionMatch match = clause.match(sql);
  if (!match.hasMatch()) return columns;
  for (const QString &item : match.captured(1).split(u',')) {
    const QRegularExpressionMatch part = column.match(item);
    if (!part.hasMatch()) break;  // an expression: the order beyond it is not one of columns
    columns << SortColumn{storedName(part.captured(1)), part.captured(2).startsWith(u'd', Qt::CaseInsensitive)};
  }
  return columns;
}

QString quotedIdentifier(const QString &storedName) {
  static const QRegularExpression plain(QStringLiteral("^[A-Z][A-Z0-9_$]*$"));
  if (plain.match(storedName).hasMatch()) return storedName;
  return u'"' + QString(storedName).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace ds::sql_text
