#include "widgets/screen_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>

namespace crashnote::report {

namespace {

QString controlText(const QWidget *control)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        // A password must never reach a report.
        return edit->echoMode() == QLineEdit::Normal ? edit->text() : QString(edit->text().size(), QLatin1Char('*'));
    if (const auto *text = qobject_cast<const QTextEdit *>(control))
        return text->toPlainText();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return control->windowTitle();
}

} // namespace

std::optional<ActiveControls> captureActiveControls()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return std::nullopt;
    ActiveControls controls;
    if (const QWidget *window = QApplication::activeWindow()) {
        controls.formClass = QString::fromLatin1(window->metaObject()->className());
        controls.formText = window->windowTitle();
    }
    if (const QWidget *control = QApplication::focusWidget()) {
        controls.controlClass = QString::fromLatin1(control->metaObject()->className());
        controls.controlText = controlText(control);
    }
    return controls;
}

std::optional<DisplayInfo> captureDisplay()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return std::nullopt;
    const QWidget *window = QApplication::activeWindow();
    const QScreen *screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return DisplayInfo{screen->geometry().width(), screen->geometry().height(), screen->depth(),
                       qRound(screen->logicalDotsPerInchY())};
}

} // namespace crashnote::report
