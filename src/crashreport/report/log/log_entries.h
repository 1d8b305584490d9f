#pragma once

#include <QString>
#include <QStringList>

namespace crashnote::report {

// The text of a log file as its entries, oldest first. Each entry keeps its
// trailing line breaks; entries without a table are not reports and dropped.
QStringList splitLogText(const QString &text);

// Entries joined with one line break between them.
QString joinLogEntries(const QStringList &entries);

// A report as the log stores it: the text followed by three line breaks.
QString logEntryFromReport(const QString &reportText);

} // namespace crashnote::report
