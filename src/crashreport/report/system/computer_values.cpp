#include "system/read_text_file.h"
#include "system/system_sources.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <sys/statvfs.h>
#include <unistd.h>

namespace crashnote::report {

namespace {

QString cpuInfoField(const QString &cpuInfoText, const QString &field)
{
    for (const QString &line : cpuInfoText.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0 && line.left(colon).trimmed() == field)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

std::optional<std::uint64_t> memInfoBytes(const QString &memInfoText, const QString &key)
{
    static const QRegularExpression number(QStringLiteral("(\\d+)"));
    for (const QString &line : memInfoText.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed().section(QLatin1Char(' '), 0, 0).toULongLong() * 1024;
    return std::nullopt;
}

QString hostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return QString::fromUtf8(name);
}

// First graphics device that the kernel's DRM knows: its PCI ids, driver and video memory.
QString videoCard()
{
    const QDir drm(QStringLiteral("/sys/class/drm"));
    for (const QString &card : drm.entryList({QStringLiteral("card?")}, QDir::Dirs | QDir::System)) {
        const QString device = drm.filePath(card + QStringLiteral("/device"));
        const QString vendor = readTextFile(device + QStringLiteral("/vendor")).trimmed();
        const QString model = readTextFile(device + QStringLiteral("/device")).trimmed();
        if (vendor.isEmpty())
            continue;
        const QString driver = QFileInfo(QFileInfo(device + QStringLiteral("/driver")).symLinkTarget()).fileName();
        const QString version = readTextFile(QStringLiteral("/sys/module/") + driver + QStringLiteral("/version")).trimmed();
        const std::uint64_t vram = readTextFile(device + QStringLiteral("/mem_info_vram_total")).trimmed().toULongLong();
        return QStringLiteral("%1:%2 %3 (driver %4 - RAM %5 MB)")
            .arg(vendor, model, driver, version)
            .arg(vram / (1024 * 1024));
    }
    return {};
}

// The default printer the CUPS client would use.
QString defaultPrinter()
{
    QString name = qEnvironmentVariable("PRINTER");
    const QStringList places = {QDir::homePath() + QStringLiteral("/.cups/lpoptions"),
                                QStringLiteral("/etc/cups/lpoptions")};
    for (const QString &place : places) {
        if (!name.isEmpty())
            break;
        for (const QString &line : readTextFile(place).split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("Default ")))
                name = line.section(QLatin1Char(' '), 1, 1).section(QLatin1Char('/'), 0, 0);
    }
    return name.isEmpty() ? QString() : name + QStringLiteral(" (driver )");
}

} // namespace

QString processorFromCpuInfo(const QString &cpuInfoText)
{
    const QString model = cpuInfoField(cpuInfoText, QStringLiteral("model name"));
    if (!model.isEmpty())
        return model;
    const QString vendor = cpuInfoField(cpuInfoText, QStringLiteral("vendor_id"));
    if (!vendor.isEmpty())
        return vendor + QStringLiteral(" - ") + QStringLiteral("Family %1 Model %2 Stepping %3")
            .arg(cpuInfoField(cpuInfoText, QStringLiteral("cpu family")),
                 cpuInfoField(cpuInfoText, QStringLiteral("model")),
                 cpuInfoField(cpuInfoText, QStringLiteral("stepping")));
    return QStringLiteral("Unknown processor");
}

void readComputerValues(SystemValues &values, const QString &programPath)
{
    values.computerName = hostName();
    const QString memInfo = readTextFile(QStringLiteral("/proc/meminfo"));
    values.totalMemory = memInfoBytes(memInfo, QStringLiteral("MemTotal"));
    values.freeMemory = memInfoBytes(memInfo, QStringLiteral("MemAvailable"));

    struct statvfs disk {};
    if (statvfs(QFile::encodeName(QFileInfo(programPath).absolutePath()).constData(), &disk) == 0) {
        values.totalDisk = std::uint64_t(disk.f_blocks) * disk.f_frsize;
        values.freeDisk = std::uint64_t(disk.f_bavail) * disk.f_frsize;
    }
    bool ok = false;
    const double upSeconds = readTextFile(QStringLiteral("/proc/uptime")).section(QLatin1Char(' '), 0, 0).toDouble(&ok);
    if (ok)
        values.systemUpSeconds = std::int64_t(upSeconds);
    values.processor = processorFromCpuInfo(readTextFile(QStringLiteral("/proc/cpuinfo")));
    values.videoCard = videoCard();
    values.printer = defaultPrinter();
}

} // namespace crashnote::report
