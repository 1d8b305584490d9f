#include "sections/value_formats.h"

#include "layout/hex.h"
#include "layout/line_break.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace crashnote::report {

QString nameWithDescription(const QString &fileName, const QString &description)
{
    if (description.isEmpty())
        return fileName;
    return fileName + QStringLiteral(" - (") + description + QLatin1Char(')');
}

QString quotedParameters(const QStringList &parameters)
{
    QStringList quoted;
    for (const QString &parameter : parameters)
        quoted += QLatin1Char('"') + parameter + QLatin1Char('"');
    return quoted.join(QLatin1Char(' '));
}

QString reportMessage(const ExceptionInput &exception, const QString &exceptionModuleName)
{
    QString message;
    if (exception.accessViolation) {
        const QString access = exception.accessViolation->write ? QStringLiteral("Write")
                                                                 : QStringLiteral("Read");
        const QString accessed = hex64(exception.accessViolation->accessedAddress);
        if (exceptionModuleName.isEmpty())
            message = QStringLiteral("Access violation at address %1. %2 of address %3")
                          .arg(hex64(exception.address), access, accessed);
        else
            message = QStringLiteral("Access violation at address %1 in module '%2'. %3 of address %4")
                          .arg(hex64(exception.address), exceptionModuleName, access, accessed);
    } else if (!exception.message) {
        message = QStringLiteral("Unknown error message.");
    } else {
        message = *exception.message;
    }
    if (!message.isEmpty() && !message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    return message;
}

QString threeDigitAddress(const QString &address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return address;
    QStringList padded;
    for (const QString &part : parts)
        padded += part.rightJustified(3, QLatin1Char('0'));
    return padded.join(QLatin1Char('.'));
}

QString megabytes(std::uint64_t bytes)
{
    return QStringLiteral("%1 Mb").arg(std::llround(double(bytes) / (1024.0 * 1024.0)));
}

QString gigabytes(std::uint64_t bytes)
{
    QString number = QString::number(double(bytes) / (1024.0 * 1024.0 * 1024.0), 'f', 2);
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    // The workstation's own decimal separator, as the program writes numbers.
    number.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return number + QStringLiteral(" Gb");
}

QString privilegeLines(const std::vector<Privilege> &privileges)
{
    QStringList lines;
    for (const Privilege &privilege : privileges)
        lines += privilege.name.leftJustified(31)
            + (privilege.enabled ? QStringLiteral(" - ON") : QStringLiteral(" - OFF"));
    return lines.join(crlf);
}

QString perAdapter(const QStringList &values)
{
    QString text;
    for (const QString &value : values)
        text += value + QStringLiteral(" - ");
    text.chop(3 * !values.isEmpty());
    return text;
}

} // namespace crashnote::report
