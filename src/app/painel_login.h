#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

// The login panel: name and password boxes with "OK" and "Cancela".
class TPainelLogin : public QFrame {
  Q_OBJECT
 public:
  explicit TPainelLogin(QWidget *parent);

  QLineEdit *EditNome;
  QLineEdit *EditSenhaU;
  QPushButton *BotOkSenha;
  QPushButton *BotCancSenha;
};
