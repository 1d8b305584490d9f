#include "log/report_log.h"

#include "log/log_entries.h"
#include "log/log_items.h"

#include <QFile>
#include <QSaveFile>

namespace crashnote::report {

namespace {

QString readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

ReportLog::ReportLog(QString path)
    : path_(std::move(path))
    , entries_(splitLogText(readWholeFile(path_)))
{
}

void ReportLog::addReport(const QString &reportText, int entriesKept)
{
    if (entriesKept >= 0)
        while (!entries_.isEmpty() && entries_.size() >= qsizetype(std::max(entriesKept, 1)))
            entries_.removeFirst();
    entries_ += logEntryFromReport(reportText);
}

std::optional<qsizetype> ReportLog::findDuplicate(const QString &bugId) const
{
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (readLogItem(entries_.at(i), QStringLiteral("2.7")) == bugId)
            return i;
    return std::nullopt;
}

void ReportLog::countRepeat(qsizetype index, const QString &countLabel)
{
    entries_[index] = crashnote::report::countRepeat(entries_.at(index), countLabel);
}

QString ReportLog::wholeText() const
{
    return joinLogEntries(entries_);
}

bool ReportLog::write() const
{
    // Written aside and renamed over the old file, so that a failure half-way
    // never leaves a log cut in the middle of a report.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(wholeText().toUtf8());
    return file.commit();
}

bool countIfDuplicate(const QString &path, const QString &bugId, const QString &countLabel)
{
    ReportLog log(path);
    const std::optional<qsizetype> index = log.findDuplicate(bugId);
    if (!index)
        return false;
    log.countRepeat(*index, countLabel);
    log.write();
    return true;
}

bool saveReport(const QString &path, const QString &reportText, int entriesKept)
{
    ReportLog log(path);
    log.addReport(reportText, entriesKept);
    return log.write();
}

bool deleteLogOfOtherVersion(const QString &path, const QString &currentVersion)
{
    const ReportLog log(path);
    if (log.entries().isEmpty())
        return false;
    const std::optional<QString> version = readLogItem(log.entries().last(), QStringLiteral("1.3"));
    // A log whose entries do not show the version cannot tell that it changed.
    if (!version || *version == currentVersion)
        return false;
    return QFile::remove(path);
}

} // namespace crashnote::report
