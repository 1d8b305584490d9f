#include "processing.h"

#include "activation.h"
#include "crash_rate.h"
#include "environment.h"
#include "event_dispatch.h"
#include "internal_failure.h"
#include "interception_state.h"
#include "module_record.h"
#include "processing_steps.h"
#include "program_file.h"
#include "real_functions.h"
#include "step_channel.h"
#include "termination.h"
#include "thread_registry.h"
#include "thread_suspender.h"

#include "crashreport/config/message_texts.h"

#include <atomic>
#include <mutex>
#include <set>

namespace crashnote {

namespace {

constexpr const char *kSafeCallPrefix = "[SafeCall Exception]: ";

std::mutex processLock;            // one exception at a time in the process
thread_local bool tlsProcessing = false;
std::atomic<std::uint32_t> exceptionCount{0};
std::atomic<const void *> lastProcessed{nullptr};
CrashRate crashRate;               // guarded by processLock

struct FilterDecision {
    std::uint8_t dialogKind = 0;
    std::uint8_t handler = TCrashNoteExceptionFilter::ReporterHandler;
    std::uint8_t action = TCrashNoteExceptionFilter::NoAction;
};

FilterDecision applyFilters(ProcessingContext &ctx)
{
    const OptionValues &o = ctx.options;
    FilterDecision d;
    d.dialogKind = o.dialogKind;
    if (!o.filtersOn || ctx.exception.origin == ExceptionOrigin::WebHandler)
        return d;
    for (const auto &f : o.filters) {
        if (!f.active || (f.kind == TCrashNoteExceptionFilter::HandledOnly && !ctx.exception.handled) ||
            (f.kind == TCrashNoteExceptionFilter::UnhandledOnly && ctx.exception.handled) ||
            !ctx.exception.descendsFrom(f.exceptionClass))
            continue;
        // Filter dialogs: 0 none, 1 as the options say, 2 message box, 3 classic, 4 detailed.
        d.dialogKind = f.dialog == TCrashNoteExceptionFilter::OptionsDialog ? o.dialogKind
                       : f.dialog == TCrashNoteExceptionFilter::NoDialog   ? 0
                                                                            : static_cast<std::uint8_t>(f.dialog - 1);
        d.handler = f.handler;
        d.action = f.action;
        if (!f.message.empty())
            ctx.customMessage = expandEnvironment(f.message);
        break;
    }
    return d;
}

// Options of the module where it happened when that module has debug data,
// else those of this module.
void chooseOptions(ProcessingContext &ctx)
{
    Reporter &reporter = Reporter::instance();
    auto program = reporter.programRecord();
    auto where = moduleRecordAt(ctx.exception.address);
    ctx.module = program;
    ctx.options = reporter.moduleOptions().values();
    bool useProgram = (ctx.options.threadFlags & flags::threadUseProgramOptions) && program && program->debugData;
    if (where && where != program && where->hasBlock && where->debugData && !useProgram) {
        ctx.module = where;
        auto published = TCrashNoteModuleOptionsEx::readPublished(where->loadAddress);
        ctx.options = published ? *published : where->options;
    }
}

class Worker {
public:
    Worker(CaughtException &exception, StepChannel &channel) : ctx_(exception), channel_(channel)
    {
        ctx_.runOnRaisingThread = [this](const std::function<void()> &step) { onRaisingThread(step); };
    }

    ProcessResult run()
    {
        InsideReporter inside;
        try {
            result_ = steps();
        } catch (...) {
            // Never let the reporter's own failure reach the program.
            reportInternalFailure(step_, ctx_.exception.className, std::current_exception());
            result_ = ProcessResult::Handled;
        }
        suspender_.resumeAll();
        lastProcessed.store(ctx_.exception.identity());
        if (termination_ != TerminationKind::None)
            carryOutTermination(termination_);
        return result_;
    }

    ProcessResult result() const { return result_; }

private:
    void onRaisingThread(const std::function<void()> &step) { channel_.runOnRaisingThread(step); }

    void action(TCrashNoteActionType type, bool &execute)
    {
        onRaisingThread([&] { dispatchAction(ctx_.record, type, execute); });
    }

    ProcessResult steps()
    {
        ProcessingSteps services = processingSteps();
        CaughtException &e = ctx_.exception;

        step_ = 1;
        auto now = std::chrono::system_clock::now();
        ctx_.customMessage.clear();
        threads_ = ThreadRegistry::instance().snapshot();

        step_ = 2;
        chooseOptions(ctx_);
        const OptionValues &o = ctx_.options;
        ctx_.record.exception = &e;
        ctx_.record.exceptionAddress = e.address;
        ctx_.record.threadId = e.threadId;
        ctx_.record.options = &ctx_.options;
        ctx_.guiThreadBlocked = e.origin == ExceptionOrigin::FatalSignal && services.host->hasGui() &&
                                e.threadId == Reporter::instance().mainThreadId();

        step_ = 3;
        FilterDecision filter = applyFilters(ctx_);
        ctx_.dialogKind = filter.dialogKind;

        step_ = 4;
        if (filter.handler == TCrashNoteExceptionFilter::StandardHandler)
            return ProcessResult::RunStandardHandling;
        if (filter.handler == TCrashNoteExceptionFilter::NoHandler)
            return ProcessResult::Handled;

        // Steps 5 and 7 (call stack with bug identifier, module and process
        // lists) are done by the report builder in step 8, from the calls
        // recorded at the raise and the registers read here.
        step_ = 6;
        readOtherThreads();

        step_ = 8;
        services.report->buildReport(ctx_);
        ctx_.duplicate = (o.reportFlags & flags::reportNoDuplicates) && services.report->isDuplicate(ctx_);
        setEnvironment();

        step_ = 9;
        if (ctx_.dialogKind != 0 && !ctx_.guiThreadBlocked)
            services.host->bringMainWindowToFront();

        step_ = 10;
        bool handled = true;
        onRaisingThread([&] { dispatchExceptionNotify(ctx_.record, e.handled, handled); });
        services.sending->captureScreen(ctx_);
        if (handled) {
            step_ = 11;
            if (o.crashRateOperation != 0)
                crashRate.record(now, o.crashRateCount);

            step_ = 12;
            StringList custom;
            onRaisingThread([&] { dispatchCustomData(ctx_.record, custom); });
            if (!custom.empty() && (o.generalSectionMask & flags::generalCustomSection)) {
                ctx_.customData = custom;
                services.report->addCustomSection(ctx_);
            }

            step_ = 13;
            exceptionCount.fetch_add(1);

            step_ = 14;
            showDialog(services);

            step_ = 15;
            if (ctx_.dialogKind == 3 && (o.reportFlags & flags::reportAskSteps) && services.host->hasGui() &&
                !ctx_.duplicate && (ctx_.decisions.send || o.saveToLog))
                services.dialogs->requestStepsToReproduce(ctx_);

            bool sendingDue = (o.emailMode != 0 || o.webMode != 0) && !ctx_.duplicate &&
                              (ctx_.dialogKind == 0 || ctx_.decisions.send);
            step_ = 16;
            if (sendingDue && (o.sendFlags & flags::sendScreenshot) && ctx_.decisions.screenshot)
                services.sending->writeScreenshot(ctx_);

            step_ = 17;
            if (o.reportFlags & flags::reportDeleteLogOnNewVersion)
                services.report->deleteLogOnVersionChange(ctx_);

            step_ = 18;
            if (o.saveToLog) {
                try {
                    services.report->saveToLog(ctx_);
                } catch (...) {
                    reportWarning(eeLogError, "Log", std::current_exception());
                }
            }
            if (ctx_.decisions.copyToClipboard)
                services.dialogs->copyToClipboard(ctx_.record.reportText);

            step_ = 19;
            if (sendingDue)
                services.sending->send(ctx_);
            if (o.crashRateOperation != 0 && crashRate.exceeded(o.crashRateCount, o.crashRateMinutes))
                request(static_cast<TerminationKind>(o.crashRateOperation));
        }
        services.sending->freeScreenshot();

        step_ = 20;
        suspender_.resumeAll();
        if (filter.action != TCrashNoteExceptionFilter::NoAction)
            request(static_cast<TerminationKind>(filter.action));
        if (!handled)
            return ProcessResult::RunStandardHandling;
        return (o.threadFlags & flags::threadStandardHandlingAfter) ? ProcessResult::RunStandardHandling
                                                                     : ProcessResult::Handled;
    }

    void request(TerminationKind kind)
    {
        if (termination_ == TerminationKind::None)
            termination_ = kind;
    }

    void showDialog(ProcessingSteps &services)
    {
        const OptionValues &o = ctx_.options;
        if (ctx_.dialogKind == 0)
            return;
        bool execute = true;
        action(atShowingExceptionInfo, execute);
        if (!execute)
            return;
        ctx_.decisions.send = o.emailMode != 0 || o.webMode != 0;
        ctx_.decisions.screenshot = (o.sendFlags & flags::sendScreenshot) != 0;
        for (;;) {
            ctx_.decisions.terminate = false;
            try {
                services.dialogs->showDialog(ctx_, ctx_.dialogKind);
            } catch (...) {
                reportWarningText(eeShowError, "Cannot show the DialogBox window.");
                services.dialogs->DialogSteps::showDialog(ctx_, 1);
            }
            if (!ctx_.decisions.terminate)
                break;
            // A handler may withdraw the user's request; the dialog then comes back.
            bool terminate = true;
            action(atTerminating, terminate);
            if (terminate) {
                request(o.terminateChoice == 2 ? TerminationKind::Restart : TerminationKind::Terminate);
                break;
            }
        }
        bool shown = true;
        action(atShowedExceptionInfo, shown);
    }

    void readOtherThreads()
    {
        const OptionValues &o = ctx_.options;
        std::uint64_t self = currentThreadId();
        std::uint64_t mainThread = Reporter::instance().mainThreadId();
        std::set<std::uint64_t> known;
        for (const auto &t : threads_)
            known.insert(t.threadId);

        auto consider = [&](std::uint64_t id, bool programThread) {
            if (id == self || id == ctx_.exception.threadId)
                return;
            bool suspend = programThread ? (o.threadFlags & flags::threadSuspendOthers) &&
                                               !(id == mainThread && (o.threadFlags & flags::threadNeverSuspendMain))
                                         : (o.threadFlags & flags::threadSuspendSystemThreads) != 0;
            bool read = programThread ? (o.stackFlags & flags::stackOtherThreads) != 0
                                      : (o.stackFlags & flags::stackOtherSystemThreads) != 0;
            if (!suspend && !read)
                return;
            auto stopped = suspender_.suspend(id);
            if (stopped && read) {
                stopped->programThread = programThread;
                ctx_.otherThreads.push_back(std::move(*stopped));
            }
            if (!suspend)
                suspender_.resume(id);
        };
        for (const auto &t : threads_)
            if (!t.reporterOwn)
                consider(t.threadId, true);
        for (std::uint64_t id : processThreadIds())
            if (!known.count(id))
                consider(id, false);
    }

    void setEnvironment()
    {
        ReportEnvironment env;
        env.mainModuleName = programFileName();
        env.exceptModuleName = ctx_.module ? fileNameOf(ctx_.module->fileName) : env.mainModuleName;
        if (auto where = moduleRecordAt(ctx_.exception.address))
            env.exceptModuleName = fileNameOf(where->fileName);
        env.exceptMsg = ctx_.exception.message.value_or("");
        env.bugReport = ctx_.record.reportText;
        setReportEnvironment(env);
    }

    ProcessingContext ctx_;
    StepChannel &channel_;
    ThreadSuspender suspender_;
    std::vector<ThreadRecord> threads_;
    TerminationKind termination_ = TerminationKind::None;
    ProcessResult result_ = ProcessResult::Handled;
    int step_ = 0;
};

struct WorkerStart {
    Worker *worker;
    StepChannel *channel;
};

void *runWorker(void *raw)
{
    auto *start = static_cast<WorkerStart *>(raw);
    start->worker->run();
    start->channel->finish();
    return nullptr;
}

} // namespace

ProcessResult processException(CaughtException &exception)
{
    Reporter &reporter = Reporter::instance();
    if (!reporter.isActive() || exception.descendsFrom("EAbort"))
        return ProcessResult::RunStandardHandling;
    // An exception raised while this thread processes another is swallowed.
    if (tlsProcessing)
        return ProcessResult::Handled;
    tlsProcessing = true;
    InsideReporter inside;
    std::unique_lock lock(processLock);
    struct Reset {
        ~Reset() { tlsProcessing = false; }
    } reset;

    const OptionValues &options = reporter.moduleOptions().values();
    bool safeCall = exception.message && exception.message->rfind(kSafeCallPrefix, 0) == 0;
    if (safeCall && !(options.threadFlags & flags::threadProcessSafeCall))
        return ProcessResult::Handled;
    if (!options.active)
        return ProcessResult::RunStandardHandling;

    StepChannel channel;
    Worker worker(exception, channel);
    WorkerStart start{&worker, &channel};
    pthread_t thread;
    if (!startReporterThread(thread, &runWorker, &start))
        return ProcessResult::RunStandardHandling;
    auto host = processingSteps().host;
    bool onGuiThread = host->isGuiThread();
    channel.serve([&] {
        if (onGuiThread && host->dialogOpen())
            host->dispatchPendingEvents();
    });
    ::pthread_join(thread, nullptr);
    return worker.result();
}

bool wasJustProcessed(const CaughtException &exception)
{
    return lastProcessed.load() == exception.identity() && exception.identity() != nullptr;
}

std::uint32_t processedExceptionCount() { return exceptionCount.load(); }

} // namespace crashnote
