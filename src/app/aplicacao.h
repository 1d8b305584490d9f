#pragma once

#include <QApplication>

// The application object. Failures that escape an event handler go to the
// general failure handling, and the message loop goes on.
class Aplicacao : public QApplication {
  Q_OBJECT
 public:
  Aplicacao(int &argc, char **argv);
  bool notify(QObject *receiver, QEvent *event) override;
};
