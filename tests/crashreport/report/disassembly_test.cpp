#include "disassembly/disassembler.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace crashnote::report;

namespace {

StackEntry position(const char *unit, const char *cls, const char *routine, std::uint32_t line, std::uint32_t offset)
{
    StackEntry e;
    e.unit = unit;
    e.className = cls;
    e.routine = routine;
    e.line = line;
    e.lineOffset = offset;
    e.kind = EntryKind::LineKnown;
    return e;
}

const DisassemblyLookups lookups{
    [](std::uint64_t address) {
        if (address == 0x402000)
            return position("util.cpp", "", "helper", 20, 3);
        if (address < 0x40100B)
            return position("screen.cpp", "Packaging", "save", 10, 0);
        if (address < 0x401010)
            return position("screen.cpp", "Packaging", "save", 11, 1);
        return position("screen.cpp", "Packaging", "save", 12, 2);
    },
    [](std::uint64_t address) -> std::optional<QByteArray> {
        if (address == 0x401020)
            return QByteArray("Hello, world\0\0\0", 16);
        return std::nullopt;
    },
};

const std::vector<std::uint8_t> code{
    0x55,                                      // push rbp
    0x48, 0x89, 0xE5,                          // mov rbp, rsp
    0x48, 0x8D, 0x3D, 0x15, 0x00, 0x00, 0x00,  // lea rdi, [rip+0x15] -> 0x401020
    0xE8, 0xF0, 0x0F, 0x00, 0x00,              // call 0x402000
    0xC7, 0x00, 0x2A, 0x00, 0x00, 0x00,        // mov dword ptr [rax], 0x2a  (faults)
    0x06,                                      // not an instruction in 64-bit mode
    0xC3,                                      // ret
    0x90, 0x90,                                // after the return: not shown
};

} // namespace

TEST(Disassembly, CommentsGroupsAndAlignment)
{
    const Disassembly result = disassembleBytes(code, 0x401000, 0x401010, 0x401000, lookups);
    const std::string group10 = "screen.cpp.Packaging.save (Line=10 - Offset=0)";
    const std::string group11 = "screen.cpp.Packaging.save (Line=11 - Offset=1)";
    const std::string group12 = "screen.cpp.Packaging.save (Line=12 - Offset=2)";
    const std::string expected =
        "; " + group10 + "\r\n; " + std::string(group10.size(), '-') + "\r\n"
        "0000000000401000  push    rbp\r\n"
        "0000000000401001  mov     rbp, rsp\r\n"
        "0000000000401004  lea     rdi, [rip + $15]      ; 'Hello, world'\r\n"
        ";\r\n; " + group11 + "\r\n; " + std::string(group11.size(), '-') + "\r\n"
        "000000000040100B  call    $402000               ; util.helper (Line=20)\r\n"
        ";\r\n; " + group12 + "\r\n; " + std::string(group12.size(), '-') + "\r\n"
        "0000000000401010  mov     dword ptr [rax], $2A  ; <-- EXCEPTION\r\n"
        "0000000000401016  DB      $06\r\n"
        "0000000000401017  ret\r\n";
    EXPECT_EQ(result.lines.toStdString(), expected);
    EXPECT_EQ(result.width, qsizetype(std::string("000000000040100B  call    $402000               ; util.helper (Line=20)").size()));
}

TEST(Disassembly, TenInstructionsEitherSideAndLongTextCut)
{
    // 30 one-byte "nop"s, then the exception, then 30 more.
    std::vector<std::uint8_t> nops(61, 0x90);
    const DisassemblyLookups plain{[](std::uint64_t) { return StackEntry{}; },
                                   [](std::uint64_t) -> std::optional<QByteArray> { return std::nullopt; }};
    const Disassembly result = disassembleBytes(nops, 0x1000, 0x1000 + 30, std::nullopt, plain);
    const QStringList lines = result.lines.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_TRUE(lines.first().startsWith("0000000000001014  nop"));
    EXPECT_EQ(lines.at(10).toStdString(), "000000000000101E  nop  ; <-- EXCEPTION");
    EXPECT_TRUE(lines.last().startsWith("0000000000001028  nop"));

    // mov rsi, imm32 pointing at text longer than 32 characters without a zero.
    const std::vector<std::uint8_t> load{0x48, 0xC7, 0xC6, 0x00, 0x30, 0x00, 0x00, 0xC3};
    const DisassemblyLookups longText{[](std::uint64_t) { return StackEntry{}; },
                                      [](std::uint64_t address) -> std::optional<QByteArray> {
                                          if (address != 0x3000)
                                              return std::nullopt;
                                          return QByteArray(33, 'x').replace(5, 1, "\t");
                                      }};
    const Disassembly text = disassembleBytes(load, 0x2000, 0x2000, std::nullopt, longText);
    EXPECT_NE(text.lines.indexOf("; 'xxxxx.xxxxxxxxxxxxxxxxxxxxxxxxxx'... <-- EXCEPTION"), -1) << text.lines.toStdString();
}
