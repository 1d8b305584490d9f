#include "qt_host_hooks.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>
#include <QWidget>

namespace crashnote::qt {

namespace {

QWidget *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->parentWidget() && !(w->windowFlags() & Qt::Tool) && w->width() > 0)
            return w;
    return nullptr;
}

} // namespace

bool QtHostHooks::hasGui() const { return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr; }

bool QtHostHooks::isGuiThread() const
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

void QtHostHooks::dispatchPendingEvents() { QCoreApplication::processEvents(); }

bool QtHostHooks::dialogOpen() const { return QApplication::activeModalWidget() != nullptr; }

void QtHostHooks::bringMainWindowToFront()
{
    if (!hasGui())
        return;
    // Widgets are touched on the GUI thread only; the raising thread may be it.
    QMetaObject::invokeMethod(qApp, [] {
        if (QWidget *w = mainWindow()) {
            if (w->isMinimized())
                w->showNormal();
            w->raise();
            w->activateWindow();
        }
    }, Qt::QueuedConnection);
}

} // namespace crashnote::qt
