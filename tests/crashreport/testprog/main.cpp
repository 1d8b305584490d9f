// A small program for the crash reporter's tests: a Qt window with a
// TCrashNote component and worker threads that raise each kind of failure on
// request.
//
//   crashnote_testprog <where> <failure> [count]
//     where:   notify   raised in an event handler, reaches QApplication::notify
//              main     raised on the main thread outside the event loop, caught by nothing
//              thread   raised on a worker thread, caught by nothing
//              threads8 eight worker threads raising at once
//              freeze   the main window stops answering for <count> seconds
//              library  the test library raises in an event handler (failure "notify"),
//                       or reports an exception it caught itself (failure "caught")
//     failure: runtime, database, abort, int, known, segv, fpe, ill, bus
//
// Environment: CN_TEST_OPTIONS names an options file applied at start;
// CN_TEST_RESTART_LOG names a file recording each start (see startedAgain);
// CN_TEST_NESTED=1 raises inside the exception handler; CN_TEST_UNHANDLED=1
// leaves the exception to the standard handling; CN_TEST_COMPONENTS=2
// adds a second component. Every processed exception prints one line
// "PROCESSED <handler> class=<c> message=<m> thread=<main|worker>" on stderr.

#include "failures.h"
#include "testlib/testlib.h"

#include "crashreport/config/options_text.h"
#include "crashreport/core/crashnote.h"
#include "crashreport/exceptions/exceptions.h"
#include "crashreport/qt/qt_integration.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::uint64_t mainThread = 0;

class TestApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            crashnote::qt::handleNotifyException();
            return false;
        }
    }
};

void printProcessed(const char *handler, crashnote::TCrashNoteExceptionRecord &record)
{
    const auto *e = record.exception;
    std::fprintf(stderr, "PROCESSED %s class=%s message=%s thread=%s\n", handler, e->className.c_str(),
                 e->message.value_or("").c_str(), e->threadId == mainThread ? "main" : "worker");
    std::fflush(stderr);
}

void applyTestOptions()
{
    const char *file = std::getenv("CN_TEST_OPTIONS");
    if (!file)
        return;
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    auto values = crashnote::parseOptionsText(text.str());
    crashnote::Reporter::instance().moduleOptions().update([&](crashnote::OptionValues &v) { v = values; });
}

class MainWindow : public QMainWindow {
public:
    MainWindow()
    {
        setObjectName("FormTest");
        CrashNote1 = new crashnote::TCrashNote(this);
        CrashNote1->setObjectName("CrashNote1");
        CrashNote1->OnExceptionNotify = [](crashnote::TCrashNoteExceptionRecord &r, bool &handled) {
            printProcessed("component1", r);
            if (std::getenv("CN_TEST_UNHANDLED"))
                handled = false;
            // Gives a second processing the chance to overlap, were it not serialised.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::getenv("CN_TEST_NESTED"))
                testprog::raiseFailure("runtime");
        };
        if (std::getenv("CN_TEST_COMPONENTS")) {
            CrashNote2 = new crashnote::TCrashNote(this);
            CrashNote2->OnExceptionNotify = [](crashnote::TCrashNoteExceptionRecord &r, bool &) {
                printProcessed("component2", r);
            };
        }
        resize(300, 200);
    }
    crashnote::TCrashNote *CrashNote1 = nullptr;
    crashnote::TCrashNote *CrashNote2 = nullptr;
};

// With CN_TEST_RESTART_LOG set, each start appends "<pid> <process group>
// <folder> <arguments>" to that file; a start that finds a line there is a
// restart and ends at once.
bool startedAgain()
{
    const char *log = std::getenv("CN_TEST_RESTART_LOG");
    if (!log)
        return false;
    bool again = false;
    {
        std::ifstream in(log);
        std::string line;
        again = static_cast<bool>(std::getline(in, line));
    }
    std::ofstream out(log, std::ios::app);
    out << ::getpid() << ' ' << ::getpgrp() << ' ' << QDir::currentPath().toStdString();
    for (const QString &a : QCoreApplication::arguments().mid(1))
        out << ' ' << a.toStdString();
    out << '\n';
    return again;
}

int usage()
{
    std::fprintf(stderr, "usage: crashnote_testprog notify|main|thread|threads8|freeze <failure> [count]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    crashnote::startUp();
    mainThread = crashnote::currentThreadId();
    TestApplication app(argc, argv);
    crashnote::qt::installQtIntegration();
    if (argc < 3)
        return usage();
    std::string where = argv[1];
    std::string failure = argv[2];
    int count = argc > 3 ? std::atoi(argv[3]) : 1;

    if (startedAgain())
        return 0;
    applyTestOptions();
    crashnote::qt::setStandardErrorBox([](const QString &message) {
        std::fprintf(stderr, "STANDARD %s\n", message.toLocal8Bit().constData());
    });
    crashnote::globalHandlers().OnExceptionNotify = [](crashnote::TCrashNoteExceptionRecord &r, bool &) {
        printProcessed("global", r);
    };

    // Creating the component fails here when the program carries no block.
    std::unique_ptr<MainWindow> created;
    try {
        created = std::make_unique<MainWindow>();
    } catch (const crashnote::CrashNoteNotPresent &e) {
        std::fprintf(stderr, "STOPPED %s\n", e.what());
        return 1;
    }
    MainWindow &window = *created;
    window.show();

    if (where == "notify") {
        for (int i = 0; i < count; ++i)
            QTimer::singleShot(10 * i, &window, [failure] { testprog::raiseFailure(failure); });
        QTimer::singleShot(10 * count + 200, &app, &QApplication::quit);
    } else if (where == "main") {
        // Outside the event loop nothing catches it.
        testprog::raiseFailure(failure);
    } else if (where == "thread" || where == "threads8") {
        int threads = where == "thread" ? 1 : 8;
        QTimer::singleShot(0, &window, [failure, threads, &app] {
            std::vector<std::thread> workers;
            for (int i = 0; i < threads; ++i)
                workers.emplace_back([failure] { testprog::raiseFailure(failure); });
            for (auto &w : workers)
                w.join();
            app.quit();
        });
    } else if (where == "freeze") {
        QTimer::singleShot(100, &window, [count] { std::this_thread::sleep_for(std::chrono::seconds(count)); });
        QTimer::singleShot(100 + count * 1000 + 1500, &app, &QApplication::quit);
    } else if (where == "library") {
        testlib_start();
        if (failure == "caught") {
            bool standard = testlib_report_caught();
            std::fprintf(stderr, "LIBRARY standard=%d\n", standard ? 1 : 0);
            QTimer::singleShot(0, &app, &QApplication::quit);
        } else {
            QTimer::singleShot(0, &window, [] { testlib_raise(); });
            QTimer::singleShot(200, &app, &QApplication::quit);
        }
    } else {
        return usage();
    }
    int rc = app.exec();
    std::fprintf(stderr, "EXIT normally\n");
    return rc;
}
