#include "log/log_entries.h"

#include "layout/line_break.h"

namespace crashnote::report {

namespace {

const QString entryEnd = crlf + crlf + crlf;
const QString tableStart = QStringLiteral("-\r\n|");

// Line breaks in a row starting at position.
qsizetype lineBreaksAt(const QString &text, qsizetype position)
{
    qsizetype count = 0;
    while (text.mid(position + 2 * count, 2) == crlf)
        ++count;
    return count;
}

} // namespace

QStringList splitLogText(const QString &text)
{
    QString whole = text;
    if (!whole.endsWith(entryEnd))
        whole += entryEnd;

    // A report never holds more than two line breaks in a row, so four or
    // more end an entry; the entry keeps all of them but the separator.
    QStringList entries;
    qsizetype start = 0;
    qsizetype position = 0;
    while (position < whole.size()) {
        const qsizetype run = whole.at(position) == QLatin1Char('\r') ? lineBreaksAt(whole, position) : 0;
        if (run == 0) {
            ++position;
            continue;
        }
        const qsizetype runEnd = position + 2 * run;
        if (run >= 4 || runEnd == whole.size()) {
            const qsizetype kept = runEnd == whole.size() ? run : run - 1;
            entries += whole.mid(start, position + 2 * kept - start);
            start = runEnd;
        }
        position = runEnd;
    }
    QStringList reports;
    for (const QString &entry : entries)
        if (entry.contains(tableStart))
            reports += entry;
    return reports;
}

QString joinLogEntries(const QStringList &entries)
{
    return entries.join(crlf);
}

QString logEntryFromReport(const QString &reportText)
{
    return reportText + entryEnd;
}

} // namespace crashnote::report
