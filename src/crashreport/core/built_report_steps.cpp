#include "built_report_steps.h"

#include "activation.h"
#include "environment.h"
#include "event_dispatch.h"
#include "internal_failure.h"
#include "module_record.h"
#include "thread_registry.h"

#include "crashreport/exceptions/exceptions.h"
#include "crashreport/report/log/log_place.h"
#include "crashreport/report/log/report_log.h"
#include "crashreport/report/report_builder.h"

#include <QCoreApplication>
#include <QDateTime>

#include <map>
#include <unistd.h>

namespace crashnote {

namespace {

constexpr int kCountLabelSlot = 52;
constexpr std::uint8_t kLogPerComputer = 0x08;

QString q(const std::string &text) { return QString::fromStdString(text); }

report::CpuContext cpuContext(const CpuRegisters &r)
{
    report::CpuContext c;
    c.rax = r.rax, c.rbx = r.rbx, c.rcx = r.rcx, c.rdx = r.rdx;
    c.rsi = r.rsi, c.rdi = r.rdi, c.rbp = r.rbp, c.rsp = r.rsp;
    c.r8 = r.r8, c.r9 = r.r9, c.r10 = r.r10, c.r11 = r.r11;
    c.r12 = r.r12, c.r13 = r.r13, c.r14 = r.r14, c.r15 = r.r15;
    c.rip = r.rip;
    return c;
}

// Debug data of the configuration blocks, looked up by module file.
class ModuleDebugData : public report::BlockDebugData {
public:
    std::optional<report::SourcePosition> find(const QString &modulePath, std::uint64_t offset) const override
    {
        auto record = moduleRecordFor(modulePath);
        if (!record || !record->debugData)
            return std::nullopt;
        auto position = record->debugData->find(offset);
        if (!position)
            return std::nullopt;
        return report::SourcePosition{q(position->unit), q(position->className), q(position->routine),
                                      position->line, position->lineOffset};
    }

private:
    // One report asks for the same few modules many times.
    std::shared_ptr<const ModuleRecord> moduleRecordFor(const QString &modulePath) const
    {
        auto known = records_.find(modulePath);
        if (known != records_.end())
            return known->second;
        auto program = programModuleRecord();
        std::shared_ptr<const ModuleRecord> record = program && q(program->fileName) == modulePath
            ? program
            : loadModuleRecord(modulePath.toStdString(), 0, false);
        records_.emplace(modulePath, record);
        return record;
    }

    mutable std::map<QString, std::shared_ptr<const ModuleRecord>> records_;
};

report::ThreadInput threadInput(std::uint64_t threadId, std::uint64_t mainThread)
{
    report::ThreadInput t;
    t.threadId = threadId;
    t.isMainThread = threadId == mainThread;
    if (auto record = ThreadRegistry::instance().find(threadId)) {
        t.className = q(record->className);
        t.creationStack = record->creationStack;
    }
    return t;
}

report::ReportInput reportInput(const ProcessingContext &ctx)
{
    Reporter &reporter = Reporter::instance();
    const CaughtException &e = ctx.exception;
    const OptionValues &o = ctx.options;
    report::ReportInput input;

    input.exception.className = q(e.className);
    if (e.message)
        input.exception.message = q(*e.message);
    if (e.accessedAddress)
        input.exception.accessViolation = report::AccessViolation{*e.accessedAddress, e.writeAccess};
    input.exception.address = e.address;
    input.exception.threadId = e.threadId;
    input.exception.time = QDateTime::currentDateTime();

    input.application.startTime = QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(reporter.startTime().time_since_epoch()).count());
    input.application.version = QCoreApplication::applicationVersion();
    const auto &arguments = reporter.arguments();
    for (std::size_t i = 1; i < arguments.size(); ++i)
        input.application.parameters << q(arguments[i]);
    if (auto program = reporter.programRecord(); program && program->compilationDate > 0)
        input.application.compilationDateUtc = QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)
                                                   .addMSecs(static_cast<qint64>(program->compilationDate * 86400000.0));

    input.options.generalSectionMask = o.generalSectionMask;
    input.options.reportFlags = o.reportFlags;
    input.options.stackFlags = o.stackFlags;
    for (const auto &text : o.messageTexts)
        input.options.messageTexts << q(text);

    const std::uint64_t mainThread = reporter.mainThreadId();
    report::ThreadInput own = threadInput(e.threadId, mainThread);
    if (e.context)
        own.context = cpuContext(*e.context);
    own.returnAddresses = e.raiseStack;
    input.threads.push_back(std::move(own));
    for (const StoppedThread &stopped : ctx.otherThreads) {
        report::ThreadInput other = threadInput(stopped.threadId, mainThread);
        other.context = cpuContext(stopped.registers);
        other.returnAddresses = stopped.stack;
        other.createdByProgram = stopped.programThread;
        input.threads.push_back(std::move(other));
    }
    if (e.context)
        input.exceptionContext = cpuContext(*e.context);
    input.userEmail = q(ctx.decisions.userEmail);
    input.stepsToReproduce = q(ctx.decisions.stepsToReproduce);
    for (const auto &field : ctx.customData)
        input.customData << q(field);
    input.blockDebugData = std::make_shared<ModuleDebugData>();
    return input;
}

QString logPath(const ProcessingContext &ctx)
{
    report::LogNameInput place;
    place.programPath = q(Reporter::instance().programRecord() ? Reporter::instance().programRecord()->fileName
                                                               : std::string());
    place.logFileOption = q(expandEnvironment(ctx.options.logFileName));
    place.perComputer = (ctx.options.reportFlags & kLogPerComputer) != 0;
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    place.computerName = QString::fromLocal8Bit(host);
    return report::logFileName(place);
}

} // namespace

void BuiltReportSteps::buildReport(ProcessingContext &ctx)
{
    report::BuiltReport built = report::buildReport(reportInput(ctx));
    ctx.record.reportText = built.text.toStdString();
    ctx.record.bugId = built.bugId.toStdString();
}

bool BuiltReportSteps::isDuplicate(ProcessingContext &ctx)
{
    return report::countIfDuplicate(logPath(ctx), q(ctx.record.bugId),
                                    q(ctx.options.messageTexts[kCountLabelSlot]));
}

void BuiltReportSteps::addCustomSection(ProcessingContext &ctx) { buildReport(ctx); }

void BuiltReportSteps::deleteLogOnVersionChange(ProcessingContext &ctx)
{
    report::deleteLogOfOtherVersion(logPath(ctx), QCoreApplication::applicationVersion());
}

void BuiltReportSteps::saveToLog(ProcessingContext &ctx)
{
    auto onRaisingThread = [&ctx](const std::function<void()> &step) {
        if (ctx.runOnRaisingThread)
            ctx.runOnRaisingThread(step);
        else
            step();
    };
    bool execute = true;
    onRaisingThread([&] { dispatchAction(ctx.record, atSavingLogFile, execute); });
    for (;;) {
        if (execute && !ctx.duplicate) {
            try {
                if (!report::saveReport(logPath(ctx), q(ctx.record.reportText), ctx.options.logEntriesKept))
                    throw EInOutError("Cannot write the log file.");
            } catch (...) {
                reportWarning(eeLogError, "Log", std::current_exception());
                execute = false;
            }
        }
        if (execute)
            break;
        bool retry = false;
        onRaisingThread([&] { dispatchError(ctx.record, atSavedLogFile, retry); });
        if (!retry)
            break;
        execute = true;
    }
    bool saved = true;
    onRaisingThread([&] { dispatchAction(ctx.record, atSavedLogFile, saved); });
}

} // namespace crashnote
