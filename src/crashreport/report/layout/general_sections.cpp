#include "layout/general_sections.h"

#include "layout/line_break.h"

#include <QStringList>

#include <algorithm>

namespace crashnote::report {

namespace {

QStringList valueLines(const QString &value)
{
    QString unified = value;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

// A value of several lines must not look like further items when read back:
// its ": " become ":_" and its empty lines ".".
QString multiLineValue(const QStringList &lines, int valueColumn)
{
    QString text;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        line.replace(QStringLiteral(": "), QStringLiteral(":_"));
        if (line.isEmpty())
            line = QStringLiteral(".");
        if (i > 0)
            text += crlf + QString(valueColumn, QLatin1Char(' '));
        text += line;
    }
    return text;
}

} // namespace

QString generalItemPrefix(int sectionNumber, int itemNumber, const QString &label)
{
    return QStringLiteral("  %1.%2 %3").arg(sectionNumber).arg(itemNumber).arg(label);
}

QString formatGeneralSection(const GeneralSection &section)
{
    qsizetype prefixWidth = 0;
    for (std::size_t i = 0; i < section.items.size(); ++i) {
        const GeneralItem &item = section.items[i];
        if (item.visible)
            prefixWidth = std::max(prefixWidth,
                                   generalItemPrefix(section.number, int(i) + 1, item.label).size());
    }
    if (prefixWidth == 0)
        return {};

    const int valueColumn = int(prefixWidth) + 2;
    QStringList lines;
    for (std::size_t i = 0; i < section.items.size(); ++i) {
        const GeneralItem &item = section.items[i];
        if (!item.visible)
            continue;
        const QStringList parts = valueLines(item.value);
        const QString value = parts.size() > 1 ? multiLineValue(parts, valueColumn) : item.value;
        const QString prefix = generalItemPrefix(section.number, int(i) + 1, item.label);
        lines += prefix.leftJustified(prefixWidth) + QStringLiteral(": ") + value;
    }

    const QString headerLine = section.header + QLatin1Char(':');
    qsizetype ruleLength = headerLine.size();
    for (const QString &line : lines)
        for (const QString &physical : line.split(crlf))
            ruleLength = std::max(ruleLength, physical.size());

    QString text = headerLine + crlf + QString(ruleLength, QLatin1Char('-')) + crlf;
    for (const QString &line : lines)
        text += line + crlf;
    return text;
}

QString formatGeneralSections(const std::vector<GeneralSection> &sections)
{
    QStringList written;
    for (const GeneralSection &section : sections) {
        const QString text = formatGeneralSection(section);
        if (!text.isEmpty())
            written += text;
    }
    return written.join(crlf);
}

} // namespace crashnote::report
