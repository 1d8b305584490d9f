#include "report_builder.h"
#include "sample_report.h"

#include <QTimeZone>

#include <gtest/gtest.h>

using namespace crashnote::report;

namespace {

struct WholeReport : ::testing::Test {
    ReportInput input = sampleInput();
    ReportFacts facts = sampleFacts();
};

const char *const generalPart =
    "CrashNote 6.0.6\r\n"
    "\r\n"
    "Application:\r\n"
    "-----------------------------------------------------------\r\n"
    "  1.1 Start Date      : Sun, 1 Mar 2026 09:00:00 -0300\r\n"
    "  1.2 Name/Description: veldorin - (Cadastro de Embalagens)\r\n"
    "  1.3 Version Number  : 1.0.0\r\n"
    "  1.4 Parameters      : \"-x\"\r\n"
    "  1.6 Up Time         : 1 minute, 5 seconds\r\n"
    "\r\n"
    "Exception:\r\n"
    "---------------------------------------------------------\r\n"
    "  2.1 Date          : Sun, 1 Mar 2026 09:01:05 -0300\r\n"
    "  2.2 Address       : 0000000000401A2B\r\n"
    "  2.3 Module Name   : veldorin - (Cadastro de Embalagens)\r\n"
    "  2.4 Module Version: 1.0.0\r\n"
    "  2.5 Type          : EDatabaseError\r\n"
    "  2.6 Message       : Table not found.\r\n"
    "  2.7 ID            : C810\r\n"
    "  2.8 Count         : 1\r\n"
    "  2.9 Status        : New\r\n"
    "  2.10 Note         : \r\n"
    "\r\n"
    "User:\r\n"
    "-------------------------------------------------------\r\n"
    "  3.1 ID        : ana\r\n"
    "  3.2 Name      : Ana Silva\r\n"
    "  3.3 Email     : ana@loja.com.br\r\n"
    "  3.4 Company   : \r\n"
    "  3.5 Privileges: CAP_CHOWN                       - OFF\r\n"
    "                  CAP_KILL                        - ON\r\n"
    "\r\n"
    "Computer:\r\n"
    "------------------------------------------\r\n"
    "  5.1 Name          : balcao\r\n"
    "  5.2 Total Memory  : 2048 Mb\r\n"
    "  5.3 Free Memory   : 512 Mb\r\n"
    "  5.4 Total Disk    : 100 Gb\r\n"
    "  5.5 Free Disk     : 50 Gb\r\n"
    "  5.6 System Up Time: 1 hour, 0 second\r\n"
    "  5.7 Processor     : Intel(R) Xeon(R) CPU\r\n"
    "  5.8 Display Mode  : \r\n"
    "  5.9 Display DPI   : \r\n"
    "  5.10 Video Card   : \r\n"
    "  5.11 Printer      : \r\n"
    "\r\n"
    "Network:\r\n"
    "---------------------------------------------------\r\n"
    "  7.1 IP Address: 192.168.001.010 - 010.000.000.005\r\n"
    "  7.2 Submask   : 255.255.255.000 - 255.000.000.000\r\n"
    "  7.3 Gateway   : 192.168.001.001 - 000.000.000.000\r\n"
    "  7.4 DNS 1     : 192.168.001.001\r\n"
    "  7.5 DNS 2     : 000.000.000.000\r\n"
    "  7.6 DHCP      : ON              - OFF            \r\n";

const char *const extraPart =
    "\r\n"
    "Custom Information:\r\n"
    "-------------------\r\n"
    "  8.1 Loja: 3\r\n"
    "\r\n"
    "Request:\r\n"
    "-------------------------\r\n"
    "  8.1 : Opened the screen\r\n"
    "\r\n";

const char *const callStackPart =
    "Call Stack Information:\r\n"
    "------------------------------------------------------------------------\r\n"
    "|Address         |Module  |Unit      |Class    |Procedure/Method|Line  |\r\n"
    "------------------------------------------------------------------------\r\n"
    "|*Exception Thread: ID=100; Priority=0; Class=; [Main]                 |\r\n"
    "|----------------------------------------------------------------------|\r\n"
    "|0000000000401A2B|veldorin|screen.cpp|Packaging|save            |120[4]|\r\n"
    "|0000000000401B00|veldorin|main.cpp  |         |main            |30[2] |\r\n"
    "|----------------------------------------------------------------------|\r\n"
    "|Running Thread: ID=101; Priority=??; Class=Worker                     |\r\n"
    "|----------------------------------------------------------------------|\r\n"
    "|0000000000402000|veldorin|worker.cpp|Worker   |run             |10[1] |\r\n"
    "------------------------------------------------------------------------\r\n"
    "\r\n";

const char *const tablesPart =
    "Modules Information:\r\n"
    "------------------------------------------------------------------------------------------------------\r\n"
    "|Handle          |Name     |Description|Version|Size   |Modified           |Path                     |\r\n"
    "------------------------------------------------------------------------------------------------------\r\n"
    "|0000000000400000|veldorin |           |1.0.0  |123456 |2026-02-01 10:00:00|/opt/veldorin            |\r\n"
    "|00007F0000000000|libc.so.6|           |2.36   |1922136|2026-01-15 08:30:00|/usr/lib/x86_64-linux-gnu|\r\n"
    "------------------------------------------------------------------------------------------------------\r\n"
    "\r\n"
    "Processes Information:\r\n"
    "-----------------------------------------------------------------\r\n"
    "|ID      |Name|Description|Version|Memory|Priority|Threads|Path |\r\n"
    "-----------------------------------------------------------------\r\n"
    "|1       |init|           |       |4096  |Normal  |1      |/sbin|\r\n"
    "-----------------------------------------------------------------\r\n"
    "\r\n";

const char *const assemblerPart =
    "Assembler Information:\r\n"
    "-----------------------------------------------------------\r\n"
    "0000000000401A2B  mov eax, dword ptr [rbx]  ; <-- EXCEPTION\r\n"
    "\r\n";

} // namespace

TEST_F(WholeReport, AllPartsInOrder)
{
    const BuiltReport report = formatReport(input, facts);
    const std::string cpu = formatCpuText(input.options, std::nullopt, 0x401A2B, std::nullopt).toStdString();
    EXPECT_EQ(report.text.toStdString(),
              std::string(generalPart) + extraPart + callStackPart + tablesPart + assemblerPart + cpu);
    EXPECT_EQ(report.bugId.toStdString(), "C810");
    EXPECT_EQ(report.exceptionModulePath.toStdString(), "/opt/veldorin/veldorin");
}

TEST_F(WholeReport, CaptionsOnlyWithoutTablesAndCpu)
{
    input.options.reportFlags = 0;
    input.customData.clear();
    input.stepsToReproduce.clear();
    EXPECT_EQ(formatReport(input, facts).text.toStdString(),
              std::string(generalPart) + "\r\n" + callStackPart
              + "Modules Information:\r\n--------------------\r\n\r\n"
                "Processes Information:\r\n----------------------\r\n\r\n"
                "Assembler Information:\r\n----------------------\r\n\r\n"
                "Registers:\r\n----------\r\n\r\n");
}

TEST_F(WholeReport, WindowedProgramShowsActiveControlsAndDisplay)
{
    input.activeControls = ActiveControls{"FormCadCaps", "Cadastro", "QLineEdit", "******"};
    input.display = DisplayInfo{1920, 1080, 24, 96};
    const std::string text = formatReport(input, facts).text.toStdString();
    EXPECT_NE(text.find("Active Controls:\r\n"
                        "--------------------------------\r\n"
                        "  4.1 Form Class   : FormCadCaps\r\n"
                        "  4.2 Form Text    : Cadastro\r\n"
                        "  4.3 Control Class: QLineEdit\r\n"
                        "  4.4 Control Text : ******\r\n"
                        "\r\n"
                        "Computer:\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("  5.8 Display Mode  : 1920 x 1080, 24 bit\r\n"
                        "  5.9 Display DPI   : 96\r\n"),
              std::string::npos);
}
