#include "system/read_text_file.h"
#include "tables/proc_sources.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <map>

namespace crashnote::report {

QString versionFromFileName(const QString &fileName)
{
    static const QRegularExpression version(QStringLiteral("\\.so\\.(\\d+(?:\\.\\d+)*)$"));
    return version.match(fileName).captured(1);
}

std::vector<ModuleInfo> modulesFromMaps(const QString &mapsText, const QString &programPath,
                                        const QString &programVersion)
{
    std::map<QString, ModuleInfo> byPath;
    std::map<QString, bool> hasCode;
    for (const QString &line : mapsText.split(QLatin1Char('\n'))) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() < 6 || !fields.at(5).startsWith(QLatin1Char('/')))
            continue;
        const QString path = fields.mid(5).join(QLatin1Char(' '));
        const QStringList range = fields.at(0).split(QLatin1Char('-'));
        const std::uint64_t start = range.value(0).toULongLong(nullptr, 16);
        const std::uint64_t end = range.value(1).toULongLong(nullptr, 16);
        auto [entry, isNew] = byPath.try_emplace(path);
        ModuleInfo &module = entry->second;
        if (isNew) {
            module.path = path;
            module.base = start;
        }
        module.base = std::min(module.base, start);
        module.end = std::max(module.end, end);
        hasCode[path] = hasCode[path] || fields.at(1).contains(QLatin1Char('x'));
    }

    std::vector<ModuleInfo> modules;
    for (auto &[path, module] : byPath) {
        if (!hasCode[path])
            continue;
        const QFileInfo file(path);
        module.size = std::uint64_t(file.size());
        module.modified = file.lastModified();
        module.version = path == programPath ? programVersion : versionFromFileName(file.fileName());
        modules.push_back(module);
    }
    std::sort(modules.begin(), modules.end(),
              [](const ModuleInfo &a, const ModuleInfo &b) { return a.base < b.base; });
    return modules;
}

std::vector<ModuleInfo> loadedModules(const QString &programPath, const QString &programVersion)
{
    return modulesFromMaps(readTextFile(QStringLiteral("/proc/self/maps")), programPath, programVersion);
}

} // namespace crashnote::report
