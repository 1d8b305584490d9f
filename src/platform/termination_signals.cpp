#include "termination_signals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int wakeUpPipe[2] = {-1, -1};

void onTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUpPipe[1], &byte, 1);
}

}  // namespace

void closeOnTerminationSignals(QWidget *window) {
  if (wakeUpPipe[0] < 0) {
    if (::pipe2(wakeUpPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  }
  auto *notifier = new QSocketNotifier(wakeUpPipe[0], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [target = QPointer<QWidget>(window)] {
    char drained[64];
    while (::read(wakeUpPipe[0], drained, sizeof drained) > 0) {
    }
    if (target) target->close();
  });
  struct sigaction action {};
  action.sa_handler = &onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}
