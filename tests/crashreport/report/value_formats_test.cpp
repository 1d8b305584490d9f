#include "layout/date_format.h"
#include "sections/value_formats.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace crashnote::report;

TEST(ReportDate, EnglishNamesAndLocalOffset)
{
    const QDateTime utc(QDate(2026, 3, 1), QTime(2, 4, 5), QTimeZone::utc());
    EXPECT_EQ(formatReportDate(utc).toStdString(), "Sat, 28 Feb 2026 23:04:05 -0300");
}

TEST(Duration, OnlyNonZeroUnitsWithPlurals)
{
    const std::pair<std::int64_t, const char *> cases[] = {
        {0, "0 second"},
        {1, "1 second"},
        {59, "59 seconds"},
        {60, "1 minute, 0 second"},
        {86400 + 2 * 3600 + 5, "1 day, 2 hours, 5 seconds"},
        {2 * 86400 + 3 * 60 + 1, "2 days, 3 minutes, 1 second"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(formatDuration(seconds).toStdString(), text) << seconds;
}

TEST(ReportMessage, FullStopUnknownAndAccessViolation)
{
    ExceptionInput exception;
    exception.message = QStringLiteral("Table not found");
    EXPECT_EQ(reportMessage(exception, {}).toStdString(), "Table not found.");
    exception.message = QStringLiteral("Done.");
    EXPECT_EQ(reportMessage(exception, {}).toStdString(), "Done.");
    exception.message = QString();
    EXPECT_EQ(reportMessage(exception, {}).toStdString(), "");
    exception.message.reset();
    EXPECT_EQ(reportMessage(exception, {}).toStdString(), "Unknown error message.");

    exception.address = 0x401a2b;
    exception.accessViolation = AccessViolation{0x10, true};
    EXPECT_EQ(reportMessage(exception, "veldorin").toStdString(),
              "Access violation at address 0000000000401A2B in module 'veldorin'. "
              "Write of address 0000000000000010.");
    exception.accessViolation->write = false;
    EXPECT_EQ(reportMessage(exception, {}).toStdString(),
              "Access violation at address 0000000000401A2B. Read of address 0000000000000010.");
}

TEST(ValueFormats, AddressesSizesAndAdapters)
{
    EXPECT_EQ(threeDigitAddress("192.168.1.10").toStdString(), "192.168.001.010");
    EXPECT_EQ(threeDigitAddress("fe80::1").toStdString(), "fe80::1");
    EXPECT_EQ(megabytes(1536ull * 1024 * 1024 + 600 * 1024).toStdString(), "1537 Mb");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(gigabytes(1024ull * 1024 * 1024 * 3 / 2).toStdString(), "1.5 Gb");
    EXPECT_EQ(gigabytes(1024ull * 1024 * 1024 * 20).toStdString(), "20 Gb");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(gigabytes(1024ull * 1024 * 1024 * 5 / 4).toStdString(), "1,25 Gb");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(perAdapter({"a", "b"}).toStdString(), "a - b");
    EXPECT_EQ(perAdapter({}).toStdString(), "");
    EXPECT_EQ(quotedParameters({"-x", "a b"}).toStdString(), "\"-x\" \"a b\"");
    EXPECT_EQ(nameWithDescription("veldorin", "Register").toStdString(), "veldorin - (Register)");
}
