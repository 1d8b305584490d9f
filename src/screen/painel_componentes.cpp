#include "painel_componentes.h"

#include "widget_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QFont arial(int pixels) { return fontPixels(QStringLiteral("Arial"), pixels); }
QFont arialRounded() { return fontPixels(QStringLiteral("Arial Rounded MT Bold"), 19, true); }

// Labels end just left of their editor; the given point is their left edge.
QLabel *rightAlignedLabel(QWidget *parent, const QString &text, QPoint at, const QColor &colour) {
  auto *label = new QLabel(text, parent);
  label->setFont(arial(16));
  setColour(label, QPalette::WindowText, colour);
  label->adjustSize();
  label->move(at);
  return label;
}

}  // namespace

TPainelComponentes::TPainelComponentes(QWidget *parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PainelComponentes"));
  setAutoFillBackground(true);

  DBNavigator1 = new QFrame(this);
  DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
  DBNavigator1->setGeometry(12, 10, 290, 31);

  DBEdit1 = addEditor("DBEdit1", "Descrição", {154, 100}, {236, 94, 504, 30});
  DBEdit1->setFont(arialRounded());
  setColour(DBEdit1, QPalette::Text, Qt::darkBlue);
  DBEdit1->setMaxLength(40);
  DBEdit1->setToolTip(QStringLiteral("Consultar Descrição Padrao e Código DCB"));
  DBEdit4 = addEditor("DBEdit4", "Descr. Abrev./Formatada", {53, 132}, {236, 128, 445, 26});

  rightAlignedLabel(this, QStringLiteral("Ficha técnica"), {405, 165}, Qt::darkBlue);
  DBMemo1 = new QPlainTextEdit(this);
  DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
  DBMemo1->setGeometry(405, 186, 332, 82);
  DBMemo1->setFont(arial(19));

  DBEdit50 = addEditor("DBEdit50", "Código", {174, 163}, {236, 159, 134, 26});
  DBEdit50->setReadOnly(true);
  DBEdit50->setFocusPolicy(Qt::ClickFocus);
  DBEdit2 = addEditor("DBEdit2", "Custo Unit. R$", {126, 195}, {236, 191, 134, 26});
  DBEdit5 = addEditor("DBEdit5", "Multiplicador", {138, 226}, {236, 223, 134, 26});

  auto *frameVenda = new QFrame(this);
  frameVenda->setFrameShape(QFrame::Panel);
  frameVenda->setFrameShadow(QFrame::Raised);
  frameVenda->setGeometry(51, 487, 344, 41);
  DBEdit8 = addEditor("DBEdit8", "Valor Unit. Venda R$", {82, 500}, {236, 494, 134, 30});
  DBEdit8->setFont(arialRounded());
  setColour(DBEdit8, QPalette::Text, Qt::darkBlue);
  DBEdit8->setFocusPolicy(Qt::ClickFocus);

  DBEditUnid = addEditor("DBEditUnid", "Unidade", {167, 258}, {237, 254, 41, 26});
  DBEditUnid->setReadOnly(true);
  DBEditUnid->setFocusPolicy(Qt::ClickFocus);
  DBEdit6 = addEditor("DBEdit6", "Divisor de Unidade", {92, 290}, {236, 286, 134, 26});
  DBEdit25 = addEditor("DBEdit25", "Estoque Mínimo", {114, 321}, {236, 318, 134, 26});
  DBEdit90 = addEditor("DBEdit90", "Estoque Máximo", {109, 352}, {236, 349, 134, 26});
  DBEdit16 = addEditor("DBEdit16", "Custo Fixo", {151, 384}, {236, 381, 134, 26});
  DBEdit3 = addEditor("DBEdit3", "Formas farmacêuticas", {70, 416}, {236, 413, 504, 26});
  DBEdit7 = addEditor("DBEdit7", "Volume", {174, 448}, {236, 445, 134, 26});
  rightAlignedLabel(this, QStringLiteral("ml"), {378, 448}, Qt::darkBlue);

  // The labels of the code and unit: black, and their editors in the panel's colour.
  for (QLineEdit *readOnly : {DBEdit50, DBEditUnid}) readOnly->setBackgroundRole(QPalette::Window);

  BotFecharComp = addButton("BotFecharComp", QStringLiteral("&Fechar"), {653, 10, 97, 65});
  botgradecomp = addButton("botgradecomp", QStringLiteral("&Tabela"), {555, 10, 97, 65});
  BotPesqcomp = addButton("BotPesqcomp", QStringLiteral("Pes&quisar"), {426, 10, 127, 31});
  BitBtn1 = addButton("BitBtn1", QStringLiteral("&Itens assoc."), {304, 10, 120, 65});
  BitBtn6 = addButton("BitBtn6", QStringLiteral("Especificações para o C.Q."), {13, 44, 289, 30});
  BitBtnUltimaCompra = addButton("BitBtnUltimaCompra", QStringLiteral("Última Compra"), {427, 43, 126, 31});
  BitBtn6->setFocusPolicy(Qt::StrongFocus);
  BitBtnUltimaCompra->setFocusPolicy(Qt::StrongFocus);

  Panel9 = addSidePanel("Panel9");
  PainelPesqComp = addSidePanel("PainelPesqComp");
  NomeComponente = new QLineEdit(PainelPesqComp);
  NomeComponente->setObjectName(QStringLiteral("NomeComponente"));
  pnlTabelaComp = addSidePanel("pnlTabelaComp");
  PainelFormaFar = addSidePanel("PainelFormaFar");
  PainelItens = addSidePanel("PainelItens");
  PainelOpCompItens = addSidePanel("PainelOpCompItens");
  PainelEspecificacoes = addSidePanel("PainelEspecificacoes");
  pnl_UltimaCompra = addSidePanel("pnl_UltimaCompra");

  setTabOrder(DBEdit1, DBEdit4);
  setTabOrder(DBEdit4, DBMemo1);
  setTabOrder(DBMemo1, DBEdit2);
  setTabOrder(DBEdit2, DBEdit5);
  setTabOrder(DBEdit5, DBEdit6);
  setTabOrder(DBEdit6, DBEdit25);
  setTabOrder(DBEdit25, DBEdit90);
  setTabOrder(DBEdit90, DBEdit16);
  setTabOrder(DBEdit16, DBEdit3);
  setTabOrder(DBEdit3, DBEdit7);
  setTabOrder(DBEdit7, BitBtn6);
  setTabOrder(BitBtn6, BitBtnUltimaCompra);
}

QLineEdit *TPainelComponentes::addEditor(const char *name, const char *label, QPoint labelAt, QRect geometry) {
  const bool codeLabel = qstrcmp(name, "DBEdit50") == 0;
  rightAlignedLabel(this, QString::fromUtf8(label), labelAt, codeLabel ? QColor(Qt::black) : QColor(Qt::darkBlue));
  auto *editor = new QLineEdit(this);
  editor->setObjectName(QLatin1String(name));
  editor->setGeometry(geometry);
  editor->setFont(arial(16));
  return editor;
}

QPushButton *TPainelComponentes::addButton(const char *name, const QString &caption, QRect geometry) {
  auto *button = new QPushButton(caption, this);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QFrame *TPainelComponentes::addSidePanel(const char *name) {
  auto *panel = new QFrame(this);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameShape(QFrame::Panel);
  panel->setAutoFillBackground(true);
  panel->hide();
  return panel;
}
