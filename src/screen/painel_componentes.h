#pragma once

#include <QFrame>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QLabel;

// The packaging panel: the item under the cursor as a form of labelled
// editors, the record navigator and the buttons of the screen's functions.
class TPainelComponentes : public QFrame {
  Q_OBJECT
 public:
  explicit TPainelComponentes(QWidget *parent);

  QWidget *DBNavigator1;
  QLineEdit *DBEdit1;
  QLineEdit *DBEdit4;
  QPlainTextEdit *DBMemo1;
  QLineEdit *DBEdit50;
  QLineEdit *DBEdit2;
  QLineEdit *DBEdit5;
  QLineEdit *DBEdit8;
  QLineEdit *DBEditUnid;
  QLineEdit *DBEdit6;
  QLineEdit *DBEdit25;
  QLineEdit *DBEdit90;
  QLineEdit *DBEdit16;
  QLineEdit *DBEdit3;
  QLineEdit *DBEdit7;

  QPushButton *BotFecharComp;
  QPushButton *botgradecomp;
  QPushButton *BotPesqcomp;
  QPushButton *BitBtn1;
  QPushButton *BitBtn6;
  QPushButton *BitBtnUltimaCompra;

  // The side panels that the screen's functions place over this one.
  QFrame *Panel9;
  QFrame *PainelPesqComp;
  QFrame *pnlTabelaComp;
  QFrame *PainelFormaFar;
  QFrame *PainelItens;
  QFrame *PainelOpCompItens;
  QFrame *PainelEspecificacoes;
  QFrame *pnl_UltimaCompra;

  // The search text of the search panel; switched with the field editors.
  QLineEdit *NomeComponente;

 private:
  QLineEdit *addEditor(const char *name, const char *label, QPoint labelAt, QRect geometry);
  QPushButton *addButton(const char *name, const QString &caption, QRect geometry);
  QFrame *addSidePanel(const char *name);
};
