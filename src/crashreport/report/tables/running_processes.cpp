#include "system/read_text_file.h"
#include "tables/proc_sources.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace crashnote::report {

namespace {

QString statusField(const QString &status, const QString &key)
{
    for (const QString &line : status.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// Fields of /proc/<pid>/stat after the command name, which may hold blanks.
QStringList statFields(const QString &stat)
{
    return stat.mid(stat.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
}

} // namespace

QString priorityClass(int policy, int nice)
{
    constexpr int fifo = 1, roundRobin = 2;
    if (policy == fifo || policy == roundRobin)
        return QStringLiteral("Real-Time");
    if (nice >= 10)
        return QStringLiteral("Low");
    if (nice > 0)
        return QStringLiteral("Below-Normal");
    if (nice == 0)
        return QStringLiteral("Normal");
    if (nice >= -10)
        return QStringLiteral("Above-Normal");
    return QStringLiteral("High");
}

std::optional<int> threadNice(std::uint64_t threadId)
{
    const QStringList fields = statFields(readTextFile(QStringLiteral("/proc/self/task/%1/stat").arg(threadId)));
    // "nice" is field 19 of stat, the 17th after the command name.
    bool ok = false;
    const int nice = fields.value(16).toInt(&ok);
    return ok ? std::optional<int>(nice) : std::nullopt;
}

std::vector<ProcessInfo> runningProcesses()
{
    std::vector<ProcessInfo> processes;
    const QDir proc(QStringLiteral("/proc"));
    QStringList ids = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(ids.begin(), ids.end(), [](const QString &a, const QString &b) { return a.toLongLong() < b.toLongLong(); });
    for (const QString &id : ids) {
        bool isNumber = false;
        const std::int64_t pid = id.toLongLong(&isNumber);
        if (!isNumber)
            continue;
        const QString status = readTextFile(proc.filePath(id + QStringLiteral("/status")));
        if (status.isEmpty())
            continue;   // ended meanwhile
        ProcessInfo process;
        process.id = pid;
        const QString executable = QFileInfo(proc.filePath(id + QStringLiteral("/exe"))).symLinkTarget();
        process.name = executable.isEmpty() ? statusField(status, QStringLiteral("Name"))
                                            : QFileInfo(executable).fileName();
        process.folder = executable.isEmpty() ? QString() : QFileInfo(executable).path();
        process.memory = statusField(status, QStringLiteral("VmRSS")).section(QLatin1Char(' '), 0, 0).toULongLong() * 1024;
        process.threads = statusField(status, QStringLiteral("Threads")).toInt();
        const QStringList fields = statFields(readTextFile(proc.filePath(id + QStringLiteral("/stat"))));
        process.priority = priorityClass(fields.value(38).toInt(), fields.value(16).toInt());
        processes.push_back(process);
    }
    return processes;
}

} // namespace crashnote::report
