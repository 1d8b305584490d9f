#include "system/read_text_file.h"
#include "system/system_sources.h"

#include <QLocale>
#include <QStringList>

#include <langinfo.h>
#include <sys/utsname.h>

namespace crashnote::report {

namespace {

QString osReleaseField(const QString &text, const QString &key)
{
    for (const QString &line : text.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char('='))) {
            QString value = line.mid(key.size() + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    return {};
}

// The IANA number of the locale's character set, the closest thing Linux has
// to a code-page character-set number.
QString charsetNumber()
{
    const QString codeset = QString::fromLatin1(nl_langinfo(CODESET)).toUpper();
    if (codeset == QStringLiteral("UTF-8"))
        return QStringLiteral("106");
    if (codeset == QStringLiteral("ISO-8859-1"))
        return QStringLiteral("4");
    if (codeset == QStringLiteral("ISO-8859-15"))
        return QStringLiteral("111");
    if (codeset == QStringLiteral("ANSI_X3.4-1968"))
        return QStringLiteral("3");
    return {};
}

} // namespace

void readOperatingSystemValues(SystemValues &values)
{
    QString release = readTextFile(QStringLiteral("/etc/os-release"));
    if (release.isEmpty())
        release = readTextFile(QStringLiteral("/usr/lib/os-release"));
    values.osType = osReleaseField(release, QStringLiteral("PRETTY_NAME"));
    utsname system {};
    if (uname(&system) == 0) {
        values.osBuild = QString::fromUtf8(system.release);
        values.osUpdate = QString::fromUtf8(system.version).trimmed();
    }
    values.language = QLocale::languageToString(QLocale::system().language());
    values.charset = charsetNumber();
}

} // namespace crashnote::report
