#include "sections/general_report.h"

#include "layout/date_format.h"
#include "layout/hex.h"
#include "sections/value_formats.h"
#include "texts/report_texts.h"

#include <QFileInfo>

namespace crashnote::report {

namespace {

struct ItemEntry {
    int maskBit;
    QString value;
    bool shownByHost = true;
};

// Mask bits of the items in report order; Privileges (19) comes before
// Company (20) in the mask but after it in the report.
GeneralSection makeSection(const ReportInput &input, int number, int headerSlot,
                           const std::vector<ItemEntry> &items)
{
    GeneralSection section;
    section.number = number;
    section.header = reportText(input.options, headerSlot);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ItemEntry &item = items[i];
        const bool visible = item.shownByHost && (input.options.generalSectionMask >> item.maskBit) & 1;
        section.items.push_back({reportText(input.options, headerSlot + 1 + int(i)), item.value, visible});
    }
    return section;
}

QString optionalNumber(const std::optional<std::uint64_t> &bytes, QString (*format)(std::uint64_t))
{
    return bytes ? format(*bytes) : QString();
}

std::vector<ItemEntry> applicationItems(const ReportInput &input, const ExceptionFacts &facts)
{
    const ApplicationInput &app = input.application;
    return {
        {0, formatReportDate(app.startTime)},
        {1, nameWithDescription(facts.programName, app.description)},
        {2, app.version},
        {3, quotedParameters(app.parameters)},
        {4, app.compilationDateUtc ? formatReportDate(*app.compilationDateUtc) : QString()},
        {5, formatDuration(app.startTime.secsTo(input.exception.time))},
    };
}

std::vector<ItemEntry> exceptionItems(const ReportInput &input, const ExceptionFacts &facts)
{
    const ExceptionInput &exception = input.exception;
    const QString moduleName = QFileInfo(facts.modulePath).fileName();
    return {
        {6, formatReportDate(exception.time)},
        {7, exception.address ? hex64(exception.address) : QString()},
        {8, nameWithDescription(moduleName, facts.moduleDescription)},
        {9, facts.moduleVersion},
        {10, exception.className.isEmpty() ? QStringLiteral("Unknown exception type") : exception.className},
        {11, reportMessage(exception, moduleName)},
        {12, facts.bugId},
        {13, QStringLiteral("1")},
        {14, QStringLiteral("New")},
        {15, QString()},
    };
}

std::vector<ItemEntry> userItems(const ReportInput &input, const SystemValues &system)
{
    return {
        {16, system.logonName},
        {17, system.fullName},
        {18, input.userEmail},
        {20, system.company},
        {19, privilegeLines(system.privileges)},
    };
}

std::vector<ItemEntry> activeControlItems(const ReportInput &input)
{
    // Console programs have no windows: the items are hidden whatever the mask says.
    if (!input.activeControls)
        return {{21, {}, false}, {22, {}, false}, {23, {}, false}, {24, {}, false}};
    const ActiveControls &controls = *input.activeControls;
    return {{21, controls.formClass}, {22, controls.formText},
            {23, controls.controlClass}, {24, controls.controlText}};
}

std::vector<ItemEntry> computerItems(const ReportInput &input, const SystemValues &system)
{
    QString displayMode, displayDpi;
    if (input.display) {
        displayMode = QStringLiteral("%1 x %2, %3 bit")
                          .arg(input.display->width).arg(input.display->height).arg(input.display->depth);
        displayDpi = QString::number(input.display->dpi);
    }
    return {
        {25, system.computerName},
        {26, optionalNumber(system.totalMemory, megabytes)},
        {27, optionalNumber(system.freeMemory, megabytes)},
        {28, optionalNumber(system.totalDisk, gigabytes)},
        {29, optionalNumber(system.freeDisk, gigabytes)},
        {30, system.systemUpSeconds ? formatDuration(*system.systemUpSeconds) : QString()},
        {31, system.processor},
        {32, displayMode},
        {33, displayDpi},
        {34, system.videoCard},
        {35, system.printer},
    };
}

std::vector<ItemEntry> operatingSystemItems(const SystemValues &system)
{
    return {{36, system.osType}, {37, system.osBuild}, {38, system.osUpdate},
            {39, system.language}, {40, system.charset}};
}

std::vector<ItemEntry> networkItems(const SystemValues &system)
{
    const QString noAddress = QStringLiteral("000.000.000.000");
    QStringList addresses, masks, gateways, dhcp;
    for (const NetworkAdapter &adapter : system.adapters) {
        addresses += threeDigitAddress(adapter.address);
        masks += threeDigitAddress(adapter.mask);
        gateways += adapter.gateway.isEmpty() ? noAddress : threeDigitAddress(adapter.gateway);
        dhcp += QString::fromLatin1(adapter.dhcp ? "ON" : "OFF").leftJustified(15);
    }
    const auto dns = [&](qsizetype index, const QString &missing) {
        return index < system.dnsServers.size() ? threeDigitAddress(system.dnsServers.at(index)) : missing;
    };
    return {{41, perAdapter(addresses)}, {42, perAdapter(masks)}, {43, perAdapter(gateways)},
            {44, dns(0, QString())}, {45, dns(1, noAddress)}, {46, perAdapter(dhcp)}};
}

} // namespace

std::vector<GeneralSection> generalSections(const ReportInput &input, const SystemValues &system,
                                            const ExceptionFacts &facts)
{
    return {
        makeSection(input, 1, 37, applicationItems(input, facts)),
        makeSection(input, 2, 44, exceptionItems(input, facts)),
        makeSection(input, 3, 55, userItems(input, system)),
        makeSection(input, 4, 61, activeControlItems(input)),
        makeSection(input, 5, 66, computerItems(input, system)),
        makeSection(input, 6, 78, operatingSystemItems(system)),
        makeSection(input, 7, 84, networkItems(system)),
    };
}

std::vector<GeneralSection> extraSections(const ReportInput &input)
{
    std::vector<GeneralSection> sections;
    const bool customWanted = (input.options.generalSectionMask >> customSectionMaskBit) & 1;
    if (customWanted && !input.customData.isEmpty()) {
        GeneralSection custom{8, reportText(input.options, slot::customHeader), {}};
        for (const QString &line : input.customData) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            const QString name = equals < 0 ? line : line.left(equals);
            const QString value = equals < 0 ? QString() : line.mid(equals + 1);
            custom.items.push_back({name.trimmed(), value.trimmed(), true});
        }
        sections.push_back(custom);
    }
    const QString steps = input.stepsToReproduce.trimmed();
    if (!steps.isEmpty())
        sections.push_back({8, reportText(input.options, slot::requestHeader), {{QString(), steps, true}}});
    return sections;
}

} // namespace crashnote::report
