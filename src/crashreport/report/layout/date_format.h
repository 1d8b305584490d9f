#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace crashnote::report {

// "Fri, 11 Dec 2026 13:16:16 +0100": English names and the local offset from UTC.
QString formatReportDate(const QDateTime &time);

// "1 day, 2 hours, 5 seconds": days, hours and minutes only when not zero.
QString formatDuration(std::int64_t seconds);

} // namespace crashnote::report
