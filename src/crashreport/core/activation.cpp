#include "activation.h"

#include "critical_error.h"
#include "fatal_signals.h"
#include "freeze_watcher.h"
#include "interception_state.h"
#include "last_chance.h"
#include "program_file.h"
#include "raise_recorder.h"
#include "thread_registry.h"
#include "thread_suspender.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <pthread.h>

namespace crashnote {

namespace {
constexpr std::size_t kWorkBufferSize = 102400;
}

Reporter &Reporter::instance()
{
    static Reporter reporter;
    return reporter;
}

bool Reporter::isProgramModule()
{
    return isInProgram(reinterpret_cast<std::uint64_t>(&Reporter::instance));
}

void Reporter::runSection(const char *section, void (Reporter::*step)())
{
    try {
        (this->*step)();
    } catch (const std::exception &e) {
        raiseCriticalError(section, e.what());
    } catch (...) {
        raiseCriticalError(section, "");
    }
}

void Reporter::startUp()
{
    if (started_)
        return;
    started_ = true;
    startTime_ = std::chrono::system_clock::now();
    std::error_code ec;
    startDirectory_ = std::filesystem::current_path(ec).string();
    arguments_ = commandLine();
    mainThreadId_ = currentThreadId();
    workBuffer_.reserve(kWorkBufferSize);

    std::string moduleFile = programPath();
    if (!isProgramModule()) {
        Dl_info self{};
        if (::dladdr(reinterpret_cast<void *>(&Reporter::isProgramModule), &self) && self.dli_fname)
            moduleFile = self.dli_fname;
    }
    std::shared_ptr<const ModuleRecord> record =
        isProgramModule() ? programModuleRecord() : loadModuleRecord(moduleFile, 0, false);
    if (!record || !record->hasBlock)
        return;
    programRecord_ = record;

    runSection("ECore.Init", &Reporter::createLists);
    active_ = true;
    runSection("EHook.Init", &Reporter::installInterception);
    if (moduleOptions_->values().freezeDetection)
        FreezeWatcher::instance().start();
    std::atexit([] { Reporter::instance().shutDown(); });
}

void Reporter::createLists()
{
    moduleOptions_ = std::make_unique<TCrashNoteModuleOptionsEx>(programRecord_->loadAddress);
    moduleOptions_->update([this](OptionValues &v) { v = programRecord_->options; });
    ThreadRecord main;
    main.threadId = mainThreadId_;
    main.handle = pthread_self();
    main.isMain = true;
    main.resumed = true;
    ThreadRegistry::instance().add(main);
    moduleOptions_->setOnChange([this] {
        const auto &v = moduleOptions_->values();
        if (v.freezeDetection && v.active)
            FreezeWatcher::instance().start();
        else
            FreezeWatcher::instance().stop();
    });
}

void Reporter::installInterception()
{
    if (!isProgramModule()) {
        // A program that carries its own reporter intercepts for everyone.
        void *program = ::dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
        bool programHasReporter = program && ::dlsym(program, "ExceptionManager");
        if (program)
            ::dlclose(program);
        if (programHasReporter)
            return;
    }
    prepareStackCapture();
    installSuspendHandler();
    installFatalSignalHandlers();
    installLastChanceHandler();
    intercepting_ = true;
    setIntercepting(true);
}

void Reporter::shutDown()
{
    if (!active_)
        return;
    try {
        FreezeWatcher::instance().stop();
        if (intercepting_) {
            setIntercepting(false);
            removeLastChanceHandler();
            removeFatalSignalHandlers();
            intercepting_ = false;
        }
    } catch (const std::exception &e) {
        raiseCriticalError("ECore.Done", e.what());
    }
}

void startUp() { Reporter::instance().startUp(); }

} // namespace crashnote
