#include "qt_window_probe.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace crashnote::qt {

namespace {

struct Answer {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool hasWindow = false;
};

bool isMainWindowCandidate(const QWidget *w)
{
    return w->isVisible() && !w->parentWidget() && !w->rect().isEmpty() &&
           (w->windowFlags() & Qt::WindowType_Mask) != Qt::Tool;
}

// Runs on the GUI thread.
bool hasMainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (isMainWindowCandidate(w))
            return true;
    return false;
}

} // namespace

bool QtWindowProbe::ping(std::chrono::milliseconds timeout)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    auto answer = std::make_shared<Answer>();
    QMetaObject::invokeMethod(app, [answer] {
        std::lock_guard lock(answer->mutex);
        answer->hasWindow = hasMainWindow();
        answer->done = true;
        answer->answered.notify_all();
    }, Qt::QueuedConnection);
    std::unique_lock lock(answer->mutex);
    bool done = answer->answered.wait_for(lock, timeout, [&] { return answer->done; });
    if (done)
        found_ = answer->hasWindow;
    return done;
}

bool QtWindowProbe::mainWindowFound()
{
    ping(std::chrono::milliseconds(50));
    return found_.load();
}

bool QtWindowProbe::mainWindowExists() { return found_.load(); }

} // namespace crashnote::qt
