#pragma once

#include <QString>
#include <QStringList>

namespace crashnote::report {

// The log entries as an XML document: one "Log" element per report with its
// general sections, call stack, modules, processes, disassembly and CPU.
QString logToXml(const QStringList &entries);

// The export's file name: the log file's name with ".xml", in the given folder.
QString xmlExportFileName(const QString &logFilePath, const QString &folder);

// Writes the export of these entries; false when the file cannot be written.
bool writeXmlExport(const QStringList &entries, const QString &path);

} // namespace crashnote::report
