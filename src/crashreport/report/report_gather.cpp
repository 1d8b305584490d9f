#include "report_builder.h"

#include "disassembly/disassembler.h"
#include "stack/address_resolver.h"
#include "stack/call_stack_builder.h"
#include "stack/memory_reader.h"
#include "stack/process_symbols.h"
#include "system/system_sources.h"
#include "tables/proc_sources.h"

#include <QFileInfo>

namespace crashnote::report {

namespace {

constexpr std::uint8_t addTablesFlag = 0x10;
constexpr std::uint8_t addCpuFlag = 0x20;

std::optional<MemoryDump> readMemoryDump(const std::optional<CpuContext> &context, std::uint64_t exceptionAddress)
{
    MemoryDump dump;
    if (!context || !readMemory(context->rsp, dump.stack.data(), dump.stack.size())
        || !readMemory(exceptionAddress, dump.code.data(), dump.code.size()))
        return std::nullopt;
    return dump;
}

std::vector<ThreadSummary> threadSummaries(const ReportInput &input)
{
    std::vector<ThreadSummary> summaries;
    for (const ThreadInput &thread : input.threads)
        summaries.push_back({thread.threadId, thread.className,
                             thread.priority ? thread.priority : threadNice(thread.threadId), thread.isMainThread});
    return summaries;
}

} // namespace

BuiltReport buildReport(const ReportInput &input)
{
    ReportInput completed = input;
    if (completed.application.programPath.isEmpty())
        completed.application.programPath = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QString &program = completed.application.programPath;

    ReportFacts facts;
    facts.modules = loadedModules(program, completed.application.version);
    const ProcessSymbols symbols;
    const AddressResolver resolver(symbols, facts.modules, completed.blockDebugData);
    facts.stack = buildCallStack(completed, resolver, symbols, facts.modules);
    facts.threads = threadSummaries(completed);
    if (completed.options.reportFlags & addCpuFlag) {
        const std::uint64_t address = completed.exception.address;
        const Disassembly disassembly = disassembleAround(
            address, symbols.symbolStart(address), [&](std::uint64_t at) { return resolver.resolve(at); });
        facts.disassemblyLines = disassembly.lines;
        facts.disassemblyWidth = disassembly.width;
        facts.memoryDump = readMemoryDump(completed.exceptionContext, address);
    }
    facts.system = readSystemValues(program);
    if (completed.options.reportFlags & addTablesFlag)
        facts.processes = runningProcesses();
    return formatReport(completed, facts);
}

} // namespace crashnote::report
