#include "form2.h"

TForm2::TForm2(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Manual do VELDORIN"));
  setModal(true);
}
