#include "layout/text_table.h"

#include "layout/line_break.h"

#include <algorithm>

namespace crashnote::report {

namespace {

constexpr qsizetype minimumFirstColumnWidth = 8;

std::vector<qsizetype> columnWidths(const TextTable &table)
{
    std::vector<qsizetype> widths;
    for (const QString &title : table.titles)
        widths.push_back(title.size());
    for (const TableRow &row : table.rows)
        for (qsizetype i = 0; i < row.cells.size() && i < qsizetype(widths.size()); ++i)
            widths[i] = std::max(widths[i], row.cells.at(i).size());
    if (!widths.empty())
        widths[0] = std::max(widths[0], minimumFirstColumnWidth);
    return widths;
}

QString cellRow(const QStringList &cells, const std::vector<qsizetype> &widths)
{
    QString line = QStringLiteral("|");
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const QString cell = qsizetype(i) < cells.size() ? cells.at(qsizetype(i)) : QString();
        line += cell.leftJustified(widths[i]) + QLatin1Char('|');
    }
    return line;
}

} // namespace

QString formatTable(const TextTable &table)
{
    const std::vector<qsizetype> widths = columnWidths(table);
    qsizetype width = qsizetype(widths.size()) + 1;
    for (qsizetype w : widths)
        width += w;
    const QString rule = QString(width, QLatin1Char('-'));
    const qsizetype inner = width - 2;

    QString text = table.caption + QLatin1Char(':') + crlf + rule + crlf;
    text += cellRow(table.titles, widths) + crlf + rule + crlf;
    for (const TableRow &row : table.rows) {
        if (row.isRule)
            text += QLatin1Char('|') + QString(inner, QLatin1Char('-')) + QLatin1Char('|');
        else if (row.cells.isEmpty())
            text += QLatin1Char('|') + row.wideLine.leftJustified(inner) + QLatin1Char('|');
        else
            text += cellRow(row.cells, widths);
        text += crlf;
    }
    return text + rule + crlf + crlf;
}

QString formatCaptionOnly(const QString &caption)
{
    return caption + QLatin1Char(':') + crlf + QString(caption.size() + 1, QLatin1Char('-')) + crlf
        + crlf;
}

} // namespace crashnote::report
