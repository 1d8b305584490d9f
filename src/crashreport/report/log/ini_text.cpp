#include "log/ini_text.h"

#include "layout/line_break.h"

#include <QStringList>

namespace crashnote::report {

IniSections parseIni(const QString &text)
{
    IniSections sections;
    QString current;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        sections[current][line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return sections;
}

QString writeIni(const IniSections &sections)
{
    QString text;
    for (const auto &[section, keys] : sections) {
        text += QLatin1Char('[') + section + QLatin1Char(']') + crlf;
        for (const auto &[key, value] : keys)
            text += key + QLatin1Char('=') + value + crlf;
        text += crlf;
    }
    return text;
}

} // namespace crashnote::report
