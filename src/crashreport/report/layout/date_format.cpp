#include "layout/date_format.h"

#include <cstdlib>

namespace crashnote::report {

namespace {

const char *const dayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString durationPart(std::int64_t count, const char *unit)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(unit)).arg(count > 1 ? "s" : "");
}

} // namespace

QString formatReportDate(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    const QDate date = local.date();
    const QTime clock = local.time();
    const int offsetMinutes = local.offsetFromUtc() / 60;
    const int absolute = std::abs(offsetMinutes);
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(dayNames[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QLatin1String(monthNames[date.month() - 1]))
        .arg(date.year())
        .arg(clock.hour(), 2, 10, QLatin1Char('0'))
        .arg(clock.minute(), 2, 10, QLatin1Char('0'))
        .arg(clock.second(), 2, 10, QLatin1Char('0'))
        .arg(offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(absolute / 60, 2, 10, QLatin1Char('0'))
        .arg(absolute % 60, 2, 10, QLatin1Char('0'));
}

QString formatDuration(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    const std::int64_t days = seconds / 86400;
    const std::int64_t hours = seconds / 3600 % 24;
    const std::int64_t minutes = seconds / 60 % 60;
    QString text;
    if (days)
        text += durationPart(days, "day") + QStringLiteral(", ");
    if (hours)
        text += durationPart(hours, "hour") + QStringLiteral(", ");
    if (minutes)
        text += durationPart(minutes, "minute") + QStringLiteral(", ");
    return text + durationPart(seconds % 60, "second");
}

} // namespace crashnote::report
