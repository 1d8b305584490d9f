#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

QString programTitle() { return QStringLiteral("Cadastro de Embalagens"); }

namespace {
void show(QMessageBox::Icon icon, const QString &text) {
  QMessageBox box(icon, programTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}
}  // namespace

void showMessage(const QString &text) { show(QMessageBox::NoIcon, text); }

void showErrorMessage(const QString &text) { show(QMessageBox::Critical, text); }
