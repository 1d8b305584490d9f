#include "identifier/bug_identifier.h"

namespace crashnote::report {

std::uint16_t crc16Xmodem(const QByteArray &bytes)
{
    std::uint16_t crc = 0;
    for (char byte : bytes) {
        crc ^= std::uint16_t(std::uint8_t(byte)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? std::uint16_t((crc << 1) ^ 0x1021) : std::uint16_t(crc << 1);
    }
    return crc;
}

QString bugIdentifier(const QString &exceptionClass, const std::vector<StackEntry> &entries)
{
    QString text = exceptionClass;
    if (!entries.empty()) {
        const std::uint64_t thread = entries.front().threadId;
        for (const StackEntry &entry : entries) {
            // The creating thread's calls say where the thread came from, not where it failed.
            if (entry.kind != EntryKind::LineKnown || entry.threadId != thread || !entry.ownStack)
                continue;
            text += entry.unit + entry.className + entry.routine + QString::number(entry.lineOffset);
        }
    }
    return QStringLiteral("%1").arg(crc16Xmodem(text.toUtf8()), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace crashnote::report
