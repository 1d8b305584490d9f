#pragma once

// The reporter's Qt side: the program's failure handler, the GUI hooks the
// processing uses, and the main-window probe of the freeze watcher.

#include <QString>

#include <exception>
#include <functional>

namespace crashnote::qt {

// Call once after the QApplication exists (and after crashnote::startUp()).
void installQtIntegration();

// For the program's override of QApplication::notify, inside catch (...):
// hands the current exception to the reporter as one that reached the
// framework's default handler, and shows the framework's own error box when
// the reporter leaves the standard handling to it.
void handleNotifyException();

// The framework's standard error box; a program may show it its own way.
// Default: a critical QMessageBox with the exception's message.
void setStandardErrorBox(std::function<void(const QString &message)> show);

} // namespace crashnote::qt
