#include "tables/call_stack_table.h"

#include "layout/hex.h"
#include "layout/text_table.h"
#include "texts/report_texts.h"

#include <QFileInfo>

namespace crashnote::report {

namespace {

QString threadLine(const ReportOptions &options, const StackEntry &entry,
                   const std::vector<ThreadSummary> &threads, std::uint64_t exceptionThreadId)
{
    ThreadSummary thread;
    thread.threadId = entry.threadId;
    for (const ThreadSummary &known : threads)
        if (known.threadId == entry.threadId)
            thread = known;

    QString line;
    if (!entry.ownStack)
        line = reportText(options, slot::callingThread);
    else if (entry.threadId == exceptionThreadId)
        line = QLatin1Char('*') + reportText(options, slot::exceptionThread);
    else
        line = reportText(options, slot::runningThread);
    line += QStringLiteral(": ");
    line += QStringLiteral("%1=%2; %3=%4")
                .arg(reportText(options, slot::threadId))
                .arg(thread.threadId)
                .arg(reportText(options, slot::threadPriority),
                     thread.priority ? QString::number(*thread.priority) : QStringLiteral("??"));
    line += QStringLiteral("; %1=%2").arg(reportText(options, slot::threadClass), thread.className);
    if (thread.isMainThread)
        line += QStringLiteral("; [") + reportText(options, slot::mainThread) + QLatin1Char(']');
    return line;
}

QStringList entryCells(const StackEntry &entry)
{
    return {hex64(entry.address),
            QFileInfo(entry.modulePath).fileName(),
            entry.unit,
            entry.className,
            entry.routine,
            entry.line == 0 ? QString() : QStringLiteral("%1[%2]").arg(entry.line).arg(entry.lineOffset)};
}

// Whether the stack flags let an entry of this kind into the table.
bool isListed(EntryKind kind, std::uint8_t stackFlags)
{
    switch (kind) {
    case EntryKind::LineKnown:
        return true;
    case EntryKind::RoutineOnly:
        return stackFlags & 0x01;
    case EntryKind::UnitNoLine:
        return stackFlags & 0x02;
    default:
        return false;
    }
}

} // namespace

QString formatCallStackTable(const ReportOptions &options, const std::vector<StackEntry> &entries,
                             const std::vector<ThreadSummary> &threads,
                             std::uint64_t exceptionThreadId)
{
    TextTable table;
    table.caption = reportText(options, slot::callStackHeader);
    for (int column = 0; column < 6; ++column)
        table.titles += reportText(options, slot::firstCallStackColumn + column);

    const StackEntry *previous = nullptr;
    for (const StackEntry &entry : entries) {
        if (!isListed(entry.kind, options.stackFlags))
            continue;
        const bool newGroup = !previous || previous->threadId != entry.threadId
            || previous->ownStack != entry.ownStack;
        if (newGroup) {
            if (previous)
                table.rows.push_back(TableRow::rule());
            table.rows.push_back(TableRow::fromLine(threadLine(options, entry, threads, exceptionThreadId)));
            table.rows.push_back(TableRow::rule());
        }
        table.rows.push_back(TableRow::fromCells(entryCells(entry)));
        previous = &entry;
    }
    return formatTable(table);
}

} // namespace crashnote::report
