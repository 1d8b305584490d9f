#include "report_builder.h"

#include "identifier/bug_identifier.h"
#include "layout/line_break.h"
#include "layout/text_table.h"
#include "sections/general_report.h"
#include "sections/value_formats.h"
#include "tables/call_stack_table.h"
#include "tables/modules_processes_tables.h"
#include "texts/report_texts.h"

#include <QFileInfo>

namespace crashnote::report {

namespace {

constexpr std::uint8_t addTablesFlag = 0x10;
constexpr std::uint8_t addCpuFlag = 0x20;

const ModuleInfo *moduleHolding(const std::vector<ModuleInfo> &modules, std::uint64_t address)
{
    for (const ModuleInfo &module : modules)
        if (address >= module.base && address < module.end)
            return &module;
    return nullptr;
}

ExceptionFacts exceptionFacts(const ReportInput &input, const ReportFacts &facts, const QString &program)
{
    ExceptionFacts result;
    result.programName = QFileInfo(program).fileName();
    if (const ModuleInfo *module = moduleHolding(facts.modules, input.exception.address)) {
        result.modulePath = module->path;
        result.moduleDescription = module->description;
        result.moduleVersion = module->version;
        // The program's own version and description come from the build, not from the file.
        if (module->path == program) {
            result.moduleDescription = input.application.description;
            result.moduleVersion = input.application.version;
        }
    }
    result.bugId = bugIdentifier(input.exception.className, facts.stack);
    return result;
}

QString disassemblyText(const ReportOptions &options, const ReportFacts &facts)
{
    const QString headerLine = reportText(options, slot::assemblerHeader) + QLatin1Char(':');
    const qsizetype ruleLength = std::max(facts.disassemblyWidth, headerLine.size());
    return headerLine + crlf + QString(ruleLength, QLatin1Char('-')) + crlf + facts.disassemblyLines;
}

} // namespace

BuiltReport formatReport(const ReportInput &input, const ReportFacts &facts)
{
    const ReportOptions &options = input.options;
    const ExceptionFacts exception = exceptionFacts(input, facts, input.application.programPath);

    BuiltReport report;
    report.bugId = exception.bugId;
    report.exceptionModulePath = exception.modulePath;
    report.exceptionMessage = reportMessage(input.exception, QFileInfo(exception.modulePath).fileName());
    report.generalText = reportHeaderLine + crlf + crlf
        + formatGeneralSections(generalSections(input, facts.system, exception));
    for (const GeneralSection &section : extraSections(input))
        report.extraSectionsText += formatGeneralSection(section) + crlf;
    report.callStackTable = formatCallStackTable(options, facts.stack, facts.threads, input.exception.threadId);

    const bool withTables = options.reportFlags & addTablesFlag;
    report.modulesTable = withTables ? formatModulesTable(options, facts.modules)
                                     : formatCaptionOnly(reportText(options, slot::modulesHeader));
    report.processesTable = withTables ? formatProcessesTable(options, facts.processes)
                                       : formatCaptionOnly(reportText(options, slot::processesHeader));

    const bool withCpu = options.reportFlags & addCpuFlag;
    if (withCpu) {
        report.disassemblyText = disassemblyText(options, facts);
        report.cpuText = formatCpuText(options, input.exceptionContext, input.exception.address,
                                       facts.memoryDump);
    } else {
        report.disassemblyText = formatCaptionOnly(reportText(options, slot::assemblerHeader));
        report.cpuText = formatCaptionOnly(reportText(options, slot::registers));
    }

    report.text = report.generalText + crlf + report.extraSectionsText + report.callStackTable
        + report.modulesTable + report.processesTable + report.disassemblyText
        + (withCpu ? crlf : QString()) + report.cpuText;
    return report;
}

} // namespace crashnote::report
