#include "tables/modules_processes_tables.h"

#include "layout/hex.h"
#include "layout/text_table.h"
#include "texts/report_texts.h"

#include <QFileInfo>

namespace crashnote::report {

namespace {

TextTable tableWithTitles(const ReportOptions &options, int captionSlot, int firstTitleSlot, int columns)
{
    TextTable table;
    table.caption = reportText(options, captionSlot);
    for (int column = 0; column < columns; ++column)
        table.titles += reportText(options, firstTitleSlot + column);
    return table;
}

} // namespace

QString formatModulesTable(const ReportOptions &options, const std::vector<ModuleInfo> &modules)
{
    TextTable table = tableWithTitles(options, slot::modulesHeader, slot::firstModulesColumn, 7);
    for (const ModuleInfo &module : modules) {
        const QFileInfo file(module.path);
        table.rows.push_back(TableRow::fromCells(
            {hex64(module.base), file.fileName(), module.description, module.version,
             QString::number(module.size),
             module.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), file.path()}));
    }
    return formatTable(table);
}

QString formatProcessesTable(const ReportOptions &options, const std::vector<ProcessInfo> &processes)
{
    TextTable table = tableWithTitles(options, slot::processesHeader, slot::firstProcessesColumn, 8);
    for (const ProcessInfo &process : processes)
        table.rows.push_back(TableRow::fromCells(
            {QString::number(process.id), process.name, process.description, process.version,
             QString::number(process.memory), process.priority,
             process.threads == 0 ? QStringLiteral("??") : QString::number(process.threads),
             process.folder}));
    return formatTable(table);
}

} // namespace crashnote::report
