#include "qt_integration.h"

#include "qt_host_hooks.h"
#include "qt_window_probe.h"

#include "crashreport/core/crashnote.h"
#include "crashreport/core/freeze_watcher.h"
#include "crashreport/core/processing_steps.h"

#include <QApplication>
#include <QMessageBox>

namespace crashnote::qt {

namespace {

std::function<void(const QString &)> &standardErrorBox()
{
    static std::function<void(const QString &)> show = [](const QString &message) {
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
    };
    return show;
}

} // namespace

void setStandardErrorBox(std::function<void(const QString &message)> show) { standardErrorBox() = std::move(show); }

void installQtIntegration()
{
    ProcessingSteps steps = processingSteps();
    steps.host = std::make_shared<QtHostHooks>();
    setProcessingSteps(std::move(steps));
    FreezeWatcher::instance().setProbe(std::make_shared<QtWindowProbe>());
}

void handleNotifyException()
{
    std::exception_ptr current = std::current_exception();
    if (!handleException(current, HandlerKind::Framework))
        return;
    // The framework's standard handling: its error box with the message.
    QString message = QStringLiteral("Unknown exception");
    try {
        std::rethrow_exception(current);
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    if (standardErrorBox())
        standardErrorBox()(message);
}

} // namespace crashnote::qt
