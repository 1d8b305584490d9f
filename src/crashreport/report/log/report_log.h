#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace crashnote::report {

// The log file of one program, read from disk when opened.
class ReportLog {
public:
    // Reads the file; a missing or empty file holds no entries.
    explicit ReportLog(QString path);

    const QString &path() const { return path_; }
    const QStringList &entries() const { return entries_; }

    // Drops the oldest entries so that, with the new one, at most
    // entriesKept remain (a negative limit keeps everything), then adds it.
    void addReport(const QString &reportText, int entriesKept);

    // Index of the entry whose bug identifier (item 2.7) is this one.
    std::optional<qsizetype> findDuplicate(const QString &bugId) const;

    // Raises the repeat count of an entry.
    void countRepeat(qsizetype index, const QString &countLabel);

    // The whole log as one text, the way it is sent.
    QString wholeText() const;

    // Replaces the file with the current entries; false when that failed.
    bool write() const;

private:
    QString path_;
    QStringList entries_;
};

// Right after a report is built: when the log already holds this error, its
// count is raised in the file and the result is true (the report is then
// neither saved nor sent).
bool countIfDuplicate(const QString &path, const QString &bugId, const QString &countLabel);

// Appends a report to the log file, keeping at most entriesKept reports.
bool saveReport(const QString &path, const QString &reportText, int entriesKept);

// Deletes the log file when its last entry was written by another program
// version (item 1.3); true when it was deleted.
bool deleteLogOfOtherVersion(const QString &path, const QString &currentVersion);

} // namespace crashnote::report
