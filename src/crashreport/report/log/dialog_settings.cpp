#include "log/dialog_settings.h"

#include "log/ini_text.h"
#include "log/log_place.h"

#include <QFile>
#include <QSaveFile>

namespace crashnote::report {

namespace {

const QString coordinates = QStringLiteral("Coordinates");
const QString user = QStringLiteral("User");
const QString settingsFile = QStringLiteral("CrashNote.ini");

void readNumber(const std::map<QString, QString> &keys, const QString &key, int &target)
{
    const auto found = keys.find(key);
    if (found == keys.end())
        return;
    bool ok = false;
    const int value = found->second.toInt(&ok);
    if (ok)
        target = value;
}

template <std::size_t N>
void readColumns(const std::map<QString, QString> &keys, const QString &prefix, std::array<int, N> &columns)
{
    for (std::size_t i = 0; i < N; ++i)
        readNumber(keys, prefix + QString::number(i), columns[i]);
}

template <std::size_t N>
void writeColumns(std::map<QString, QString> &keys, const QString &prefix, const std::array<int, N> &columns)
{
    for (std::size_t i = 0; i < N; ++i)
        keys[prefix + QString::number(i)] = QString::number(columns[i]);
}

} // namespace

QString dialogSettingsFileName(const QString &programPath)
{
    const QString preferred = userCrashNoteFolder() + QLatin1Char('/') + settingsFile;
    return canWriteFile(preferred) ? preferred : fallbackFileName(programPath, settingsFile);
}

DialogSettings readDialogSettings(const QString &path)
{
    DialogSettings settings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    const IniSections sections = parseIni(QString::fromUtf8(file.readAll()));
    if (const auto found = sections.find(coordinates); found != sections.end()) {
        const auto &keys = found->second;
        readNumber(keys, QStringLiteral("Width"), settings.width);
        readNumber(keys, QStringLiteral("Height"), settings.height);
        int left = 0, top = 0;
        bool hasLeft = keys.count(QStringLiteral("Left")), hasTop = keys.count(QStringLiteral("Top"));
        readNumber(keys, QStringLiteral("Left"), left);
        readNumber(keys, QStringLiteral("Top"), top);
        if (hasLeft && hasTop) {
            settings.left = left;
            settings.top = top;
        }
        readNumber(keys, QStringLiteral("WindowsState"), settings.windowState);
        readColumns(keys, QStringLiteral("ColMod"), settings.moduleColumns);
        readColumns(keys, QStringLiteral("ColPro"), settings.processColumns);
        readColumns(keys, QStringLiteral("Col"), settings.callStackColumns);
    }
    // A size the window cannot have is a damaged value.
    if (settings.width <= 0 || settings.height <= 0) {
        settings.width = DialogSettings().width;
        settings.height = DialogSettings().height;
    }
    if (const auto found = sections.find(user); found != sections.end())
        if (const auto email = found->second.find(QStringLiteral("Email")); email != found->second.end())
            settings.email = email->second;
    return settings;
}

bool writeDialogSettings(const QString &path, const DialogSettings &settings)
{
    // Keep what the file holds that this version does not know.
    IniSections sections;
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        sections = parseIni(QString::fromUtf8(file.readAll()));
    auto &keys = sections[coordinates];
    if (settings.windowState == 1) {
        keys[QStringLiteral("Width")] = QString::number(settings.width);
        keys[QStringLiteral("Height")] = QString::number(settings.height);
        if (settings.left && settings.top) {
            keys[QStringLiteral("Left")] = QString::number(*settings.left);
            keys[QStringLiteral("Top")] = QString::number(*settings.top);
        }
    }
    keys[QStringLiteral("WindowsState")] = QString::number(settings.windowState);
    writeColumns(keys, QStringLiteral("ColMod"), settings.moduleColumns);
    writeColumns(keys, QStringLiteral("ColPro"), settings.processColumns);
    writeColumns(keys, QStringLiteral("Col"), settings.callStackColumns);
    sections[user][QStringLiteral("Email")] = settings.email;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(writeIni(sections).toUtf8());
    return file.commit();
}

QRect dialogRectangle(const DialogSettings &settings, const QRect &workArea)
{
    // Wide arithmetic: a damaged file may hold any position.
    const auto place = [](std::optional<int> stored, qint64 size, qint64 first, qint64 length) {
        qint64 start = stored ? qint64(*stored) : first + (length - size) / 2;
        if (start + size > first + length)
            start = first + length - size;
        if (start < first)
            start = first;
        return int(start);
    };
    const bool stored = settings.left && settings.top;
    return QRect(place(stored ? settings.left : std::nullopt, settings.width, workArea.left(), workArea.width()),
                 place(stored ? settings.top : std::nullopt, settings.height, workArea.top(), workArea.height()),
                 settings.width, settings.height);
}

} // namespace crashnote::report
