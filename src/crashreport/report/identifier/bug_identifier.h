#pragma once

#include "stack/stack_entry.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace crashnote::report {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final xor.
std::uint16_t crc16Xmodem(const QByteArray &bytes);

// Four upper-case hexadecimal digits identifying an error by its class and
// the routines and line offsets of the exception thread's resolved calls, so
// that edits elsewhere in a source file keep the identifier.
QString bugIdentifier(const QString &exceptionClass, const std::vector<StackEntry> &entries);

} // namespace crashnote::report
