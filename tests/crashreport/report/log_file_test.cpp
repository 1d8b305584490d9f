#include "log/log_entries.h"
#include "log/log_items.h"
#include "log/report_log.h"
#include "sample_report.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace crashnote::report;

namespace {

// A minimal report: one table and nothing else, tagged to tell entries apart.
QString tinyReport(int tag)
{
    return QStringLiteral("CrashNote 6.0.6\r\n\r\nException:\r\n------\r\n  2.7 ID: %1\r\n\r\n"
                          "T:\r\n---\r\n|x|\r\n---\r\n\r\n").arg(tag);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

struct LogFile : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath("veldorin.cnl");
    QString sample = formatReport(sampleInput(), sampleFacts()).text;
};

} // namespace

TEST(LogEntries, SplitKeepsEachEntryAndDropsPiecesWithoutTable)
{
    const QString first = logEntryFromReport(tinyReport(1));
    const QString second = logEntryFromReport(tinyReport(2));
    const QString notAReport = QStringLiteral("garbage\r\n\r\n\r\n");
    EXPECT_EQ(splitLogText(joinLogEntries({first, notAReport, second})), QStringList({first, second}));
    EXPECT_TRUE(splitLogText({}).isEmpty());
}

TEST(LogEntries, FileWithoutFinalLineBreaksStillYieldsItsLastEntry)
{
    const QString first = logEntryFromReport(tinyReport(1));
    const QString cut = joinLogEntries({first, logEntryFromReport(tinyReport(2))}).chopped(6);
    const QStringList entries = splitLogText(cut);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], first);
    EXPECT_EQ(readLogItem(entries[1], "2.7"), QStringLiteral("2"));
}

TEST_F(LogFile, FullLogDropsOldestEntry)
{
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(saveReport(path, tinyReport(i), 32));
    ASSERT_EQ(ReportLog(path).entries().size(), 32);
    ASSERT_TRUE(saveReport(path, tinyReport(32), 32));
    const QStringList entries = ReportLog(path).entries();
    ASSERT_EQ(entries.size(), 32);
    EXPECT_EQ(readLogItem(entries.first(), "2.7"), QStringLiteral("1"));
    EXPECT_EQ(readLogItem(entries.last(), "2.7"), QStringLiteral("32"));
    // Stored format: each report, three line breaks, one more between entries.
    EXPECT_TRUE(readFile(path).endsWith(tinyReport(32) + "\r\n\r\n\r\n"));
    EXPECT_TRUE(readFile(path).contains(tinyReport(30) + "\r\n\r\n\r\n\r\n" + tinyReport(31)));
}

TEST_F(LogFile, NegativeLimitKeepsEverything)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(saveReport(path, tinyReport(i), -1));
    EXPECT_EQ(ReportLog(path).entries().size(), 5);
}

TEST_F(LogFile, SameErrorThreeTimesLeavesOneEntryCountingThree)
{
    const QString bugId = formatReport(sampleInput(), sampleFacts()).bugId;
    for (int i = 0; i < 3; ++i) {
        if (!countIfDuplicate(path, bugId, "Count")) {
            ASSERT_TRUE(saveReport(path, sample, 32));
        }
    }
    const QStringList entries = ReportLog(path).entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(readLogItem(entries[0], "2.8"), QStringLiteral("3"));
    EXPECT_TRUE(entries[0].contains("  2.8 Count         : 3\r\n  2.9 Status"));
}

TEST_F(LogFile, HiddenCountIsInsertedAlignedAtEndOfSection)
{
    ReportInput input = sampleInput();
    input.options.generalSectionMask &= ~(std::uint64_t(1) << 13);   // 2.8
    ASSERT_TRUE(saveReport(path, formatReport(input, sampleFacts()).text, 32));
    const QString bugId = formatReport(input, sampleFacts()).bugId;
    ASSERT_TRUE(countIfDuplicate(path, bugId, "Count"));
    ASSERT_TRUE(countIfDuplicate(path, bugId, "Count"));
    const QString entry = ReportLog(path).entries().value(0);
    EXPECT_TRUE(entry.contains("  2.10 Note         : \r\n  2.8 Count         : 3\r\n\r\nUser:")) << entry.toStdString();
}

TEST(LogItems, MultiLineValueIsReadBack)
{
    const QString entry = QStringLiteral("CrashNote 6.0.6\r\n\r\nUser:\r\n---\r\n"
                                         "  3.5 Privileges: a:_b\r\n"
                                         "                  .\r\n"
                                         "                  c\r\n"
                                         "  3.6 Next      : x\r\n");
    EXPECT_EQ(readLogItem(entry, "3.5"), QStringLiteral("a: b\r\n\r\nc"));
    EXPECT_EQ(readLogItem(entry, "3.6"), QStringLiteral("x"));
    EXPECT_EQ(readLogItem(entry, "3.7"), std::nullopt);
}

TEST_F(LogFile, VersionChangeDeletesLog)
{
    ASSERT_TRUE(saveReport(path, sample, 32));
    EXPECT_FALSE(deleteLogOfOtherVersion(path, "1.0.0"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(deleteLogOfOtherVersion(path, "1.1.0"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(LogFile, MissingOrEmptyFileHasNoEntries)
{
    EXPECT_TRUE(ReportLog(path).entries().isEmpty());
    writeFile(path, {});
    EXPECT_TRUE(ReportLog(path).entries().isEmpty());
    EXPECT_FALSE(deleteLogOfOtherVersion(path, "2.0"));
}
