#include "cpu/cpu_text.h"

#include "layout/hex.h"
#include "layout/line_break.h"
#include "texts/report_texts.h"

#include <cstring>

namespace crashnote::report {

namespace {

constexpr int registerDigits = 16;
// "RSP+8i: value   " and "address: 16 bytes, a blank, 16 characters".
constexpr int stackColumnWidth = registerDigits + 2 + registerDigits;
constexpr int dumpColumnWidth = registerDigits + 2 + 16 * 3 + 1 + 16;

QString registerText(const std::optional<CpuContext> &context, std::uint64_t CpuContext::*field)
{
    if (!context)
        return QStringLiteral("????").leftJustified(registerDigits);
    return hex64((*context).*field);
}

QString dumpLine(const MemoryDump &dump, std::size_t line, std::uint64_t stackPointer,
                 std::uint64_t exceptionAddress)
{
    std::uint64_t word = 0;
    std::memcpy(&word, dump.stack.data() + line * 8, sizeof word);
    QString text = QStringLiteral("%1: %2   %3: ")
                       .arg(hex64(stackPointer + line * 8), hex64(word),
                            hex64(exceptionAddress + line * 16));
    QString characters;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint8_t byte = dump.code[line * 16 + i];
        text += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        characters += (byte < 32 || byte > 126) ? QLatin1Char('.') : QLatin1Char(char(byte));
    }
    return text + QLatin1Char(' ') + characters + crlf;
}

} // namespace

QString formatCpuText(const ReportOptions &options, const std::optional<CpuContext> &context,
                      std::uint64_t exceptionAddress, const std::optional<MemoryDump> &dump)
{
    const auto reg = [&](std::uint64_t CpuContext::*field) { return registerText(context, field); };
    const QString registerRule(5 + registerDigits + 3 + 5 + registerDigits, QLatin1Char('-'));

    QString text = reportText(options, slot::registers) + QLatin1Char(':') + crlf + registerRule + crlf;
    text += QStringLiteral("RAX: %1   RDI: %2").arg(reg(&CpuContext::rax), reg(&CpuContext::rdi)) + crlf;
    text += QStringLiteral("RBX: %1   RSI: %2").arg(reg(&CpuContext::rbx), reg(&CpuContext::rsi)) + crlf;
    text += QStringLiteral("RCX: %1   RSP: %2").arg(reg(&CpuContext::rcx), reg(&CpuContext::rsp)) + crlf;
    text += QStringLiteral("RDX: %1   RIP: %2").arg(reg(&CpuContext::rdx), reg(&CpuContext::rip)) + crlf;
    text += crlf;
    text += (reportText(options, slot::stack) + QLatin1Char(':')).leftJustified(stackColumnWidth + 3);
    text += reportText(options, slot::memoryDump) + QLatin1Char(':') + crlf;
    text += QString(stackColumnWidth, QLatin1Char('-')) + QStringLiteral("   ")
        + QString(dumpColumnWidth, QLatin1Char('-')) + crlf;
    if (context && dump)
        for (std::size_t line = 0; line < dumpLines; ++line)
            text += dumpLine(*dump, line, context->rsp, exceptionAddress);
    return text;
}

} // namespace crashnote::report
