#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers every message box that opens while it lives, as a user would, and
// keeps what each one said. Tests never leave a box waiting.
class MessageBoxAnswerer : public QObject {
  Q_OBJECT
 public:
  explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);

  QStringList texts;
  QStringList titles;
  QList<QMessageBox::Icon> icons;

 private:
  void answerOpenBox();
  QMessageBox::StandardButton answer_;
  QTimer timer_;
};
