#include "log/log_entries.h"
#include "log/xml_export.h"
#include "log/xml_writer.h"
#include "sample_report.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace crashnote::report;

TEST(XmlWriter, LayoutAndAttributeReferences)
{
    XmlElement root{"Doc", {}, {}, {}};
    XmlElement &log = root.add({"Log", {{"Version", "6.0.6"}}, {}, {}});
    log.add({"Line", {{"Value", QStringLiteral("a\"b&c'<d>\x01\r\n") + QChar(0xE9)}}, {}, {}});
    EXPECT_EQ(writeXml(root).toStdString(),
              "<Doc>\r\n"
              "  <Log Version=\"6.0.6\">\r\n"
              "    <Line Value=\"a&#034;b&#038;c&#039;&#060;d&#062; &#013;&#010;&#233;\"/>\r\n"
              "  </Log>\r\n"
              "</Doc>\r\n");
}

TEST(XmlExport, TwoEntriesAreWellFormedAndCarryTheirParts)
{
    ReportInput input = sampleInput();
    input.exceptionContext = CpuContext{};
    ReportFacts facts = sampleFacts();
    facts.memoryDump = MemoryDump{};
    const QString first = formatReport(input, facts).text;
    input.options.reportFlags = 0;
    const QString second = formatReport(input, facts).text;
    const QStringList entries = splitLogText(joinLogEntries({logEntryFromReport(first), logEntryFromReport(second)}));
    ASSERT_EQ(entries.size(), 2);

    QTemporaryDir folder;
    const QString path = xmlExportFileName("/home/ana/CrashNote/veldorin.cnl", folder.path());
    EXPECT_EQ(path, folder.filePath("veldorin.xml"));
    ASSERT_TRUE(writeXmlExport(entries, path));

    QProcess xmllint;
    xmllint.start("xmllint", {"--noout", path});
    ASSERT_TRUE(xmllint.waitForFinished());
    EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string xml = file.readAll().toStdString();
    const auto count = [&](const std::string &needle) {
        std::size_t n = 0;
        for (std::size_t at = xml.find(needle); at != std::string::npos; at = xml.find(needle, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<Log Version=\"6.0.6\">"), 2u);
    EXPECT_NE(xml.find("      <Group ID=\"2\" Label=\"Exception\">\r\n"
                       "        <Line ID=\"2.1\" Label=\"Date\" Value=\"Sun, 1 Mar 2026 09:01:05 -0300\"/>\r\n"),
              std::string::npos);
    EXPECT_NE(xml.find("<Line ID=\"3.5\" Label=\"Privileges\" Value=\"CAP_CHOWN                       - OFF"
                       "&#013;&#010;CAP_KILL                        - ON\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<Line ID=\"8.1\" Label=\"\" Value=\"Opened the screen\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<ExceptionThread ID=\"100\" Priority=\"0\" Class=\"\" MainThread=\"True\">\r\n"
                       "        <Line Address=\"0000000000401A2B\" Module=\"veldorin\" Unit=\"screen.cpp\" "
                       "Class=\"Packaging\" Procedure=\"save\" Number=\"120\" Offset=\"4\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<RunningThread ID=\"101\" Priority=\"??\" Class=\"Worker\" MainThread=\"False\">"),
              std::string::npos);
    EXPECT_NE(xml.find("<Module Handle=\"00007F0000000000\" Name=\"libc.so.6\" Description=\"\" Version=\"2.36\" "
                       "Size=\"1922136\" Modified=\"2026-01-15 08:30:00\" Path=\"/usr/lib/x86_64-linux-gnu\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<Process ID=\"1\" Name=\"init\""), std::string::npos);
    EXPECT_NE(xml.find("<Line Address=\"0000000000401A2B\" Command=\"mov eax, dword ptr [rbx]\" "
                       "Comment=\"&#060;-- EXCEPTION\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<Registers RAX=\"0000000000000000\" RDI=\"0000000000000000\""), std::string::npos);
    EXPECT_EQ(count("<Line Address=\"0000000000000"), 16u);   // stack words of the first entry
    EXPECT_NE(xml.find("Bytes=\"00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\" Chars=\"................\""),
              std::string::npos);
    // The second entry has no tables beyond the call stack.
    EXPECT_NE(xml.find("    <Modules/>\r\n    <Processes/>\r\n    <Assembler/>\r\n"), std::string::npos);
}
