#include "cpu/cpu_text.h"

#include <gtest/gtest.h>

using namespace crashnote::report;

namespace {

const std::string registerRule(45, '-');
const std::string dumpRule = std::string(34, '-') + "   " + std::string(83, '-');

} // namespace

TEST(CpuText, WithoutContextRegistersAreUnknownAndDumpEmpty)
{
    const std::string unknown = "????            ";
    EXPECT_EQ(formatCpuText({}, std::nullopt, 0x401000, std::nullopt).toStdString(),
              "Registers:\r\n" + registerRule + "\r\n"
              "RAX: " + unknown + "   RDI: " + unknown + "\r\n"
              "RBX: " + unknown + "   RSI: " + unknown + "\r\n"
              "RCX: " + unknown + "   RSP: " + unknown + "\r\n"
              "RDX: " + unknown + "   RIP: " + unknown + "\r\n"
              "\r\n"
              "Stack:                               Memory Dump:\r\n" + dumpRule + "\r\n");
}

TEST(CpuText, RegistersStackWordsAndCodeBytes)
{
    CpuContext context;
    context.rax = 1;
    context.rdi = 0xABCDEF;
    context.rsp = 0x7FFC0000;
    context.rip = 0x401000;
    MemoryDump dump;
    for (std::size_t i = 0; i < dump.stack.size(); ++i)
        dump.stack[i] = std::uint8_t(i);
    for (std::size_t i = 0; i < dump.code.size(); ++i)
        dump.code[i] = std::uint8_t(i);
    const std::string text = formatCpuText({}, context, 0x401000, dump).toStdString();

    EXPECT_NE(text.find("RAX: 0000000000000001   RDI: 0000000000ABCDEF\r\n"), std::string::npos);
    EXPECT_NE(text.find("RCX: 0000000000000000   RSP: 000000007FFC0000\r\n"), std::string::npos);
    EXPECT_NE(text.find("RDX: 0000000000000000   RIP: 0000000000401000\r\n"), std::string::npos);
    const std::size_t dumpStart = text.find(dumpRule + "\r\n") + dumpRule.size() + 2;
    const std::string lines = text.substr(dumpStart);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 16);
    EXPECT_EQ(lines.substr(0, lines.find("\r\n")),
              "000000007FFC0000: 0706050403020100   0000000000401000: "
              "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F  ................");
    // Line 7 holds code bytes 0x70 .. 0x7F: 0x7F is not printable.
    const std::string seventh = lines.substr(7 * (lines.find("\r\n") + 2));
    EXPECT_EQ(seventh.substr(0, seventh.find("\r\n")),
              "000000007FFC0038: 3F3E3D3C3B3A3938   0000000000401070: "
              "70 71 72 73 74 75 76 77 78 79 7A 7B 7C 7D 7E 7F  pqrstuvwxyz{|}~.");
}
