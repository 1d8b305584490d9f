#include "shown_marker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

ShownMarker::ShownMarker(QWidget *watched) : QObject(watched) { watched->installEventFilter(this); }

bool ShownMarker::eventFilter(QObject *, QEvent *event) {
  if (event->type() == QEvent::Show && !printed_) {
    printed_ = true;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  }
  return false;
}
