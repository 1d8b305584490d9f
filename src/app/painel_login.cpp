#include "painel_login.h"

#include "password_character.h"
#include "widget_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QFont arialBold13() { return fontPixels(QStringLiteral("Arial"), 13, true); }

}  // namespace

TPainelLogin::TPainelLogin(QWidget *parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PainelLogin"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  setGeometry(152, 109, 331, 130);

  auto *titulo = new QLabel(QStringLiteral("Identificação do Usuário"), this);
  titulo->setObjectName(QStringLiteral("Panel48"));
  titulo->setAlignment(Qt::AlignCenter);
  titulo->setAutoFillBackground(true);
  titulo->setFont(arialBold13());
  setColour(titulo, QPalette::Window, QColor(0, 0, 128));
  setColour(titulo, QPalette::WindowText, Qt::white);
  titulo->setGeometry(0, 0, width(), 26);

  auto *moldura = new QFrame(this);
  moldura->setObjectName(QStringLiteral("Bevel10"));
  moldura->setFrameShape(QFrame::Box);
  moldura->setFrameShadow(QFrame::Sunken);
  moldura->setGeometry(10, 33, 234, 89);

  auto *rotuloNome = new QLabel(QStringLiteral("Nome"), this);
  rotuloNome->setObjectName(QStringLiteral("Label216"));
  rotuloNome->setFont(arialBold13());
  rotuloNome->adjustSize();
  rotuloNome->move(18, 51);
  auto *rotuloSenha = new QLabel(QStringLiteral("Senha"), this);
  rotuloSenha->setObjectName(QStringLiteral("Label217"));
  rotuloSenha->setFont(arialBold13());
  rotuloSenha->adjustSize();
  rotuloSenha->move(17, 82);

  EditNome = new QLineEdit(this);
  EditNome->setObjectName(QStringLiteral("EditNome"));
  EditNome->setGeometry(63, 48, 166, 24);
  EditNome->setFont(arialBold13());

  EditSenhaU = new QLineEdit(this);
  EditSenhaU->setObjectName(QStringLiteral("EditSenhaU"));
  EditSenhaU->setGeometry(63, 80, 73, 24);
  EditSenhaU->setFont(arialBold13());
  setPasswordCharacter(EditSenhaU, u'#');

  BotOkSenha = new QPushButton(QStringLiteral("OK"), this);
  BotOkSenha->setObjectName(QStringLiteral("BotOkSenha"));
  BotOkSenha->setGeometry(250, 47, 69, 25);
  BotOkSenha->setFont(arialBold13());
  setColour(BotOkSenha, QPalette::ButtonText, QColor(0, 0, 128));

  BotCancSenha = new QPushButton(QStringLiteral("Cancela"), this);
  BotCancSenha->setObjectName(QStringLiteral("BotCancSenha"));
  BotCancSenha->setGeometry(250, 76, 69, 25);
  BotCancSenha->setFont(arialBold13());
  setColour(BotCancSenha, QPalette::ButtonText, Qt::red);

  setTabOrder(EditNome, EditSenhaU);
  setTabOrder(EditSenhaU, BotOkSenha);
  setTabOrder(BotOkSenha, BotCancSenha);
  hide();
}
