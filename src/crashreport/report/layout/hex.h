#pragma once

#include <QString>

#include <cstdint>

namespace crashnote::report {

// Addresses and machine words: 16 upper-case hexadecimal digits.
inline QString hex64(std::uint64_t value)
{
    return QStringLiteral("%1").arg(value, 16, 16, QLatin1Char('0')).toUpper();
}

} // namespace crashnote::report
