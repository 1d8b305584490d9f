#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answerOpenBox);
  timer_.start();
}

void MessageBoxAnswerer::answerOpenBox() {
  auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  texts << box->text();
  titles << box->windowTitle();
  icons << box->icon();
  QAbstractButton *button = box->button(answer_);
  if (button)
    button->click();
  else
    box->reject();
}
