// Fuzz target: any bytes as a log file.
#include "log/log_entries.h"
#include "log/log_items.h"
#include "log/xml_export.h"

#include <cstdint>
#include <cstdlib>

using namespace crashnote::report;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = splitLogText(text);
    // Writing the entries back and reading them again changes nothing.
    if (splitLogText(joinLogEntries(entries)) != entries)
        std::abort();
    for (const QString &entry : entries) {
        if (!entry.contains(QStringLiteral("-\r\n|")))
            std::abort();
        readLogItem(entry, QStringLiteral("2.7"));
        readLogItem(entry, QStringLiteral("1.3"));
        countRepeat(entry, QStringLiteral("Count"));
    }
    logToXml(entries);
    return 0;
}
