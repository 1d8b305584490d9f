#include "log/log_items.h"

#include "layout/general_sections.h"
#include "layout/line_break.h"

#include <QStringList>

namespace crashnote::report {

namespace {

const QString separator = QStringLiteral(": ");
const QString countNumber = QStringLiteral("2.8");

// Lines that continue a value are indented past the item numbers.
bool isContinuation(const QString &line)
{
    return line.startsWith(QStringLiteral("   "));
}

qsizetype itemLineIndex(const QStringList &lines, const QString &number)
{
    const QString start = QStringLiteral("  ") + number + QLatin1Char(' ');
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (lines.at(i).startsWith(start) && lines.at(i).contains(separator))
            return i;
    return -1;
}

QString readBack(const QString &line)
{
    QString value = line.trimmed();
    value.replace(QStringLiteral(":_"), separator);
    return value == QStringLiteral(".") ? QString() : value;
}

} // namespace

std::optional<QString> readLogItem(const QString &entry, const QString &number)
{
    const QStringList lines = entry.split(crlf);
    const qsizetype index = itemLineIndex(lines, number);
    if (index < 0)
        return std::nullopt;
    const QString &first = lines.at(index);
    QStringList parts{readBack(first.mid(first.indexOf(separator) + separator.size()))};
    for (qsizetype i = index + 1; i < lines.size() && isContinuation(lines.at(i)); ++i)
        parts += readBack(lines.at(i));
    return parts.join(crlf).trimmed();
}

QString countRepeat(const QString &entry, const QString &countLabel)
{
    QStringList lines = entry.split(crlf);
    const qsizetype index = itemLineIndex(lines, countNumber);
    if (index >= 0) {
        bool isNumber = false;
        const int stored = readLogItem(entry, countNumber).value_or(QString()).toInt(&isNumber);
        const int count = (isNumber ? stored : 1) + 1;
        QString &line = lines[index];
        line = line.left(line.indexOf(separator) + separator.size()) + QString::number(count);
        return lines.join(crlf);
    }

    // The count was hidden: add it after the last line of section 2, its
    // ": " in the column of the section's other items.
    qsizetype last = -1;
    qsizetype column = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QStringLiteral("  2."))) {
            last = i;
            column = lines.at(i).indexOf(separator);
        } else if (last == i - 1 && isContinuation(lines.at(i))) {
            last = i;
        }
    }
    if (last < 0)
        return entry;
    const QString prefix = generalItemPrefix(2, 8, countLabel);
    lines.insert(last + 1, prefix.leftJustified(column) + separator + QStringLiteral("2"));
    return lines.join(crlf);
}

} // namespace crashnote::report
