#pragma once

#include <QObject>
#include <QWidget>

// Prints the monotonic time at which a widget is first shown, then ends the
// process: the benchmark measures from the process start to that moment.
class ShownMarker : public QObject {
 public:
  explicit ShownMarker(QWidget *watched);
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  bool printed_ = false;
};
