#include "disassembly/disassembler.h"

#include "layout/hex.h"
#include "layout/line_break.h"
#include "stack/memory_reader.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <capstone/capstone.h>

#include <algorithm>

namespace crashnote::report {

namespace {

constexpr std::size_t instructionsAround = 10;
constexpr std::uint64_t windowBytes = 70;
constexpr int textCharacters = 32;

struct Instruction {
    std::uint64_t address = 0;
    std::size_t size = 1;
    std::uint8_t firstByte = 0;
    QString text;
    std::optional<std::uint64_t> branchTarget;   // call or jump to a fixed address
    std::vector<std::uint64_t> pointedAddresses; // immediates and rip-relative operands
};

class Decoder {
public:
    Decoder()
    {
        if (cs_open(CS_ARCH_X86, CS_MODE_64, &handle_) == CS_ERR_OK)
            cs_option(handle_, CS_OPT_DETAIL, CS_OPT_ON);
    }
    ~Decoder()
    {
        if (handle_)
            cs_close(&handle_);
    }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    // One instruction at offset; bytes that do not decode give a one-byte "DB".
    Instruction decode(const std::vector<std::uint8_t> &bytes, std::size_t offset, std::uint64_t address) const
    {
        Instruction result;
        result.address = address;
        result.firstByte = bytes[offset];
        cs_insn *insn = handle_ ? cs_malloc(handle_) : nullptr;
        const std::uint8_t *code = bytes.data() + offset;
        std::size_t left = bytes.size() - offset;
        std::uint64_t at = address;
        if (insn && cs_disasm_iter(handle_, &code, &left, &at, insn)) {
            result.size = insn->size;
            result.text = instructionText(insn->mnemonic, insn->op_str);
            describeOperands(insn, result);
        } else {
            result.text = QStringLiteral("DB      $%1").arg(bytes[offset], 2, 16, QLatin1Char('0')).toUpper();
        }
        if (insn)
            cs_free(insn, 1);
        return result;
    }

private:
    static QString instructionText(const char *mnemonic, const char *operands)
    {
        QString text = QString::fromLatin1(mnemonic);
        if (*operands) {
            static const QRegularExpression hexNumber(QStringLiteral("0x([0-9a-f]+)"));
            QString converted = QString::fromLatin1(operands);
            QRegularExpressionMatchIterator it = hexNumber.globalMatch(converted);
            QString out;
            qsizetype last = 0;
            while (it.hasNext()) {
                const QRegularExpressionMatch match = it.next();
                out += converted.mid(last, match.capturedStart() - last) + QLatin1Char('$')
                    + match.captured(1).toUpper();
                last = match.capturedEnd();
            }
            text = text.leftJustified(7) + QLatin1Char(' ') + out + converted.mid(last);
        }
        return text;
    }

    static void describeOperands(const cs_insn *insn, Instruction &result)
    {
        const cs_x86 &x86 = insn->detail->x86;
        const cs_detail &detail = *insn->detail;
        const bool branches = std::any_of(detail.groups, detail.groups + detail.groups_count, [](std::uint8_t group) {
            return group == CS_GRP_CALL || group == CS_GRP_JUMP;
        });
        for (int i = 0; i < x86.op_count; ++i) {
            const cs_x86_op &op = x86.operands[i];
            if (op.type == X86_OP_IMM) {
                if (branches)
                    result.branchTarget = std::uint64_t(op.imm);
                else
                    result.pointedAddresses.push_back(std::uint64_t(op.imm));
            } else if (op.type == X86_OP_MEM && op.mem.base == X86_REG_RIP && op.mem.index == X86_REG_INVALID) {
                result.pointedAddresses.push_back(insn->address + insn->size + std::uint64_t(op.mem.disp));
            }
        }
    }

    csh handle_ = 0;
};

std::vector<Instruction> decodeRange(const Decoder &decoder, const std::vector<std::uint8_t> &bytes,
                                     std::uint64_t firstAddress, std::size_t from, std::size_t to)
{
    std::vector<Instruction> instructions;
    for (std::size_t offset = from; offset < to;) {
        instructions.push_back(decoder.decode(bytes, offset, firstAddress + offset));
        offset += instructions.back().size;
    }
    return instructions;
}

// Instructions before the exception's, decoded from a start that falls
// exactly on it: the routine's start, else the earliest start free of undecodable bytes.
std::vector<Instruction> instructionsBefore(const Decoder &decoder, const std::vector<std::uint8_t> &bytes,
                                            std::uint64_t firstAddress, std::size_t exceptionOffset,
                                            std::optional<std::uint64_t> routineStart)
{
    const auto landsOnException = [&](const std::vector<Instruction> &decoded) {
        return decoded.empty() || decoded.back().address + decoded.back().size == firstAddress + exceptionOffset;
    };
    const auto hasUndecodable = [](const std::vector<Instruction> &decoded) {
        return std::any_of(decoded.begin(), decoded.end(),
                           [](const Instruction &i) { return i.text.startsWith(QStringLiteral("DB ")); });
    };
    if (routineStart && *routineStart >= firstAddress && *routineStart <= firstAddress + exceptionOffset) {
        auto decoded = decodeRange(decoder, bytes, firstAddress, *routineStart - firstAddress, exceptionOffset);
        if (landsOnException(decoded))
            return decoded;
    }
    std::vector<Instruction> fallback;
    for (std::size_t start = 0; start <= exceptionOffset; ++start) {
        auto decoded = decodeRange(decoder, bytes, firstAddress, start, exceptionOffset);
        if (!landsOnException(decoded))
            continue;
        if (!hasUndecodable(decoded))
            return decoded;
        if (fallback.empty())
            fallback = std::move(decoded);
    }
    return fallback;
}

QString joinedName(const StackEntry &position, bool withExtension)
{
    QStringList parts;
    const QString unit = withExtension ? position.unit : QFileInfo(position.unit).completeBaseName();
    for (const QString &part : {unit, position.className, position.routine})
        if (!part.isEmpty())
            parts += part;
    return parts.join(QLatin1Char('.'));
}

QString textComment(const QByteArray &memory)
{
    QString text;
    bool terminated = false;
    for (int i = 0; i < std::min<int>(textCharacters, int(memory.size())); ++i) {
        const auto c = std::uint8_t(memory.at(i));
        if (c == 0) {
            terminated = true;
            break;
        }
        text += (c < 32) ? QLatin1Char('.') : QChar(c);
    }
    if (!terminated && memory.size() > textCharacters && memory.at(textCharacters) == 0)
        terminated = true;
    return QLatin1Char('\'') + text + QLatin1Char('\'') + (terminated ? QString() : QStringLiteral("..."));
}

// Readable text: at least three printable characters before any zero.
bool looksLikeText(const QByteArray &memory)
{
    int printable = 0;
    for (char byte : memory) {
        const auto c = std::uint8_t(byte);
        if (c == 0)
            break;
        if (c < 32 && c != '\t' && c != '\r' && c != '\n')
            return false;
        if (c > 126)
            return false;
        ++printable;
    }
    return printable >= 3;
}

QString commentFor(const Instruction &instruction, const DisassemblyLookups &lookups)
{
    if (instruction.branchTarget) {
        const StackEntry target = lookups.resolve(*instruction.branchTarget);
        if (target.routine.isEmpty())
            return {};
        QString comment = joinedName(target, false);
        if (target.line && target.lineOffset > 1)
            comment += QStringLiteral(" (Line=%1)").arg(target.line);
        return comment;
    }
    for (std::uint64_t address : instruction.pointedAddresses)
        if (const std::optional<QByteArray> memory = lookups.readText(address); memory && looksLikeText(*memory))
            return textComment(*memory);
    return {};
}

QString positionText(const StackEntry &position)
{
    return joinedName(position, true)
        + QStringLiteral(" (Line=%1 - Offset=%2)").arg(position.line).arg(position.lineOffset);
}

} // namespace

Disassembly disassembleBytes(const std::vector<std::uint8_t> &bytes, std::uint64_t firstAddress,
                             std::uint64_t exceptionAddress, std::optional<std::uint64_t> routineStart,
                             const DisassemblyLookups &lookups)
{
    if (exceptionAddress < firstAddress || exceptionAddress >= firstAddress + bytes.size())
        return {};
    const Decoder decoder;
    const std::size_t exceptionOffset = std::size_t(exceptionAddress - firstAddress);

    std::vector<Instruction> before = instructionsBefore(decoder, bytes, firstAddress, exceptionOffset, routineStart);
    if (before.size() > instructionsAround)
        before.erase(before.begin(), before.end() - instructionsAround);
    std::vector<Instruction> shown = std::move(before);
    const std::size_t exceptionIndex = shown.size();
    for (std::size_t offset = exceptionOffset; offset < bytes.size();) {
        const Instruction instruction = decoder.decode(bytes, offset, firstAddress + offset);
        if (offset + instruction.size > bytes.size())
            break;
        shown.push_back(instruction);
        offset += instruction.size;
        const std::size_t following = shown.size() - exceptionIndex - 1;
        const bool returns = following > 0 && instruction.firstByte >= 0xC2 && instruction.firstByte <= 0xCB;
        if (following == instructionsAround || returns)
            break;
    }

    std::vector<QString> comments;
    qsizetype textWidth = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QString comment = commentFor(shown[i], lookups);
        if (i == exceptionIndex)
            comment += (comment.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("<-- EXCEPTION");
        comments.push_back(comment);
        textWidth = std::max(textWidth, shown[i].text.size());
    }

    QStringList lines;
    QString previousPosition;
    bool groupWritten = false;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const StackEntry position = lookups.resolve(shown[i].address);
        const QString positionLine = position.line ? positionText(position) : QString();
        if (positionLine != previousPosition && !positionLine.isEmpty()) {
            if (groupWritten)
                lines += QStringLiteral(";");
            lines += QStringLiteral("; ") + positionLine;
            lines += QStringLiteral("; ") + QString(positionLine.size(), QLatin1Char('-'));
            groupWritten = true;
        }
        previousPosition = positionLine;
        QString line = hex64(shown[i].address) + QStringLiteral("  ");
        line += comments[i].isEmpty() ? shown[i].text
                                      : shown[i].text.leftJustified(textWidth) + QStringLiteral("  ; ") + comments[i];
        lines += line;
    }

    Disassembly result;
    for (const QString &line : lines) {
        result.lines += line + crlf;
        result.width = std::max(result.width, line.size());
    }
    return result;
}

Disassembly disassembleAround(std::uint64_t exceptionAddress, std::optional<std::uint64_t> routineStart,
                              const std::function<StackEntry(std::uint64_t)> &resolve)
{
    // The window shrinks towards the exception address until it can be read.
    std::uint64_t first = exceptionAddress - std::min(exceptionAddress, windowBytes);
    std::uint64_t last = exceptionAddress + windowBytes;
    std::vector<std::uint8_t> bytes;
    while (first <= exceptionAddress) {
        bytes.resize(last - first);
        if (readMemory(first, bytes.data(), bytes.size()))
            break;
        if (last > exceptionAddress + 16)
            --last;
        else
            ++first;
    }
    if (first > exceptionAddress)
        return {};
    const DisassemblyLookups lookups{resolve, [](std::uint64_t address) -> std::optional<QByteArray> {
                                         QByteArray memory(textCharacters + 1, '\0');
                                         if (!readMemory(address, memory.data(), std::size_t(memory.size())))
                                             return std::nullopt;
                                         return memory;
                                     }};
    return disassembleBytes(bytes, first, exceptionAddress, routineStart, lookups);
}

} // namespace crashnote::report
