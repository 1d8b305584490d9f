#include "log/log_place.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace crashnote::report {

namespace {

const QString logExtension = QStringLiteral(".cnl");

QString withExtension(const QString &fileName, const QString &extension)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    return (suffix.isEmpty() ? fileName : fileName.chopped(suffix.size() + 1)) + extension;
}

QString userProfileFolder()
{
    const QByteArray home = qgetenv("HOME");
    if (!home.isEmpty())
        return QFile::decodeName(home);
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_dir && *entry->pw_dir)
        return QFile::decodeName(entry->pw_dir);
    return QStringLiteral("/");
}

QString safeForFileName(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return text;
}

} // namespace

QString userCrashNoteFolder()
{
    QString profile = userProfileFolder();
    if (!profile.endsWith(QLatin1Char('/')))
        profile += QLatin1Char('/');
    return profile + QStringLiteral("CrashNote");
}

QString preferredLogFileName(const LogNameInput &input)
{
    QString name;
    if (input.logFileOption.endsWith(logExtension, Qt::CaseInsensitive)) {
        name = input.logFileOption;
    } else {
        QString folder = input.logFileOption.isEmpty() ? userCrashNoteFolder() : input.logFileOption;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        name = folder + withExtension(QFileInfo(input.programPath).fileName(), logExtension);
    }
    if (input.perComputer) {
        const QFileInfo info(name);
        const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        name = name.chopped(suffix.size()) + QLatin1Char('_') + safeForFileName(input.computerName) + suffix;
    }
    return name;
}

QString fallbackFileName(const QString &programPath, const QString &fileName)
{
    const QString folder = userCrashNoteFolder() + QLatin1Char('/')
        + QFileInfo(programPath).completeBaseName();
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + fileName;
}

bool canWriteFile(const QString &path)
{
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    file.close();
    if (!existed)
        file.remove();
    return true;
}

QString logFileName(const LogNameInput &input)
{
    const QString preferred = preferredLogFileName(input);
    if (canWriteFile(preferred))
        return preferred;
    return fallbackFileName(input.programPath, QFileInfo(preferred).fileName());
}

} // namespace crashnote::report
