#include "form_cad_caps.h"

#include "delphi_colour.h"
#include "dm.h"
#include "dm2.h"
#include "nome_usuario.h"
#include "painel_componentes.h"
#include "painel_login.h"
#include "tratamento_falhas.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {
constexpr qint32 clCream = 0x00F0FBFF;
constexpr int kLimiteUsuarioEstacao = 60;
}  // namespace

TFormCadCaps::TFormCadCaps(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FormCadCaps"));
  setWindowTitle(QStringLiteral("  Cadastro de Embalagens"));
  setAutoFillBackground(true);

  PainelComponentes = new TPainelComponentes(this);
  PainelLogin = new TPainelLogin(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(3000);
  Timer3 = new QTimer(this);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(2000);
  connect(Timer1, &QTimer::timeout, this, &TFormCadCaps::Timer1Timer);
  connect(Timer3, &QTimer::timeout, this, &TFormCadCaps::Timer3Timer);
  Timer1->start();
  Timer3->start();

  // Escape presses one button at a time: "&Fechar" at first, then "Cancela".
  botaoEscape_ = PainelComponentes->BotFecharComp;
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &TFormCadCaps::pressionaBotaoEscape);

  connect(PainelComponentes->BotFecharComp, &QPushButton::clicked, this, &TFormCadCaps::BotFecharCompClick);
  connect(PainelLogin->BotCancSenha, &QPushButton::clicked, this, &TFormCadCaps::BotCancSenhaClick);
}

void TFormCadCaps::FormCreate(const QString &pastaPrograma) {
  config.CorDeFundo = configuracao::clBtnFace;
  aplicaCorDeFundo();
  resize(800, 600);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  configuracao::LeConfiguracao(config, pastaPrograma);
}

void TFormCadCaps::defineModulosDeDados(TDM *dm, TDM2 *dm2) {
  dm_ = dm;
  dm2_ = dm2;
  dm_->defineTela(this);
  ds::DataSource *fonte = &dm_->DS_Componentes;
  connect(fonte, &ds::DataSource::dataSetChanged, this, &TFormCadCaps::mostraDescricaoECodigo);
  connect(fonte, &ds::DataSource::scrolled, this, &TFormCadCaps::mostraDescricaoECodigo);
  connect(fonte, &ds::DataSource::fieldChanged, this, [this](const ds::Field &field) {
    const QString nome = field.fieldName();
    if (nome == QLatin1String("COMPONENTE")) PainelComponentes->DBEdit1->setText(field.asString());
    if (nome == QLatin1String("CODIGO")) PainelComponentes->DBEdit50->setText(field.asString());
  });
}

void TFormCadCaps::mostraDescricaoECodigo() {
  PainelComponentes->DBEdit1->setText(dm_->Componentes.fieldByName(u"COMPONENTE").asString());
  PainelComponentes->DBEdit50->setText(dm_->Componentes.fieldByName(u"CODIGO").asString());
}

void TFormCadCaps::aplicaCorDeFundo() {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colourFromCode(config.CorDeFundo));
  setPalette(palette);
  PainelComponentes->setPalette(palette);
}

void TFormCadCaps::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  // Some window systems never report the first activation (no window manager);
  // the next turn of the message loop then stands in for it.
  if (!ativacaoFeita_) QTimer::singleShot(0, this, [this] { primeiraAtivacao(); });
}

void TFormCadCaps::primeiraAtivacao() {
  if (ativacaoFeita_) return;
  ativacaoFeita_ = true;
  try {
    FormActivate();
  } catch (...) {
    // The register is reached only through a login: a failed activation leaves an empty window.
    PainelComponentes->hide();
    trataFalha(std::current_exception());
  }
}

void TFormCadCaps::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) primeiraAtivacao();
}

void TFormCadCaps::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  PainelComponentes->setGeometry(rect());
}

void TFormCadCaps::FormActivate() {
  dm_->Componentes.open();
  aplicaCorDeFundo();
  PainelComponentes->show();
  BloqueiaCampos();
  DesabilitaBotoes();
  sessao.UsuarioEstacao = NomeUsuarioWindows().left(kLimiteUsuarioEstacao);
  PainelLogin->EditNome->setText(sessao.UsuarioEstacao);
  PainelLogin->setGeometry(152, 109, 331, 130);
  PainelLogin->show();
  PainelLogin->raise();
  if (PainelLogin->EditNome->isEnabled() && PainelLogin->EditNome->isVisible()) PainelLogin->EditNome->setFocus();
  botaoEscape_ = PainelLogin->BotCancSenha;
  PainelComponentes->DBNavigator1->setEnabled(false);
  PainelComponentes->DBEdit1->setEnabled(false);
  PainelComponentes->hide();
}

void TFormCadCaps::pressionaBotaoEscape() {
  if (botaoEscape_ && botaoEscape_->isVisible() && botaoEscape_->isEnabled()) botaoEscape_->click();
}

void TFormCadCaps::BotFecharCompClick() { close(); }

void TFormCadCaps::BotCancSenhaClick() {
  PainelLogin->hide();
  close();
}

void TFormCadCaps::closeEvent(QCloseEvent *event) {
  executaProtegido([this] { FormClose(); });
  event->accept();
}

void TFormCadCaps::FormClose() {
  LiberaCampos();
  // Leaving stores a packaging row being inserted or changed, as a move does.
  dm_->Componentes.checkBrowseMode();
  dm_->Componentes.close();
  dm2_->CotDolar.close();
}

void TFormCadCaps::Timer1Timer() {
  try {
    dm_->Ensaios.refresh();
  } catch (...) {
    // The list may not be open yet; the next tick tries again.
  }
}

void TFormCadCaps::Timer3Timer() {
  QPalette palette = PainelComponentes->PainelEspecificacoes->palette();
  palette.setColor(QPalette::Window, colourFromCode(clCream));
  PainelComponentes->PainelEspecificacoes->setPalette(palette);
}

namespace {

QList<QPushButton *> botoesPrincipais(TPainelComponentes *p) {
  return {p->BotFecharComp, p->botgradecomp, p->BotPesqcomp, p->BitBtnUltimaCompra, p->BitBtn1, p->BitBtn6};
}

// The field editors that the two layouts switch, besides the description.
QList<QWidget *> camposComutados(TPainelComponentes *p) {
  return {p->DBMemo1,  p->DBEdit2,  p->DBEditUnid,     p->DBEdit5,  p->DBEdit6, p->DBEdit8,
          p->DBEdit25, p->DBEdit90, p->DBEdit50, p->NomeComponente, p->DBEdit16, p->DBEdit3};
}

void comutaBotoes(TPainelComponentes *p, bool enabled) {
  for (QPushButton *button : botoesPrincipais(p)) button->setEnabled(enabled);
}

void comutaCampos(TPainelComponentes *p, bool enabled) {
  p->DBEdit1->setEnabled(true);
  for (QWidget *editor : camposComutados(p)) editor->setEnabled(enabled);
}

}  // namespace

void TFormCadCaps::DesabilitaBotoes() { comutaBotoes(PainelComponentes, false); }

void TFormCadCaps::HabilitaBotoes() { comutaBotoes(PainelComponentes, true); }

void TFormCadCaps::BloqueiaCampos() { comutaCampos(PainelComponentes, false); }

void TFormCadCaps::LiberaCampos() { comutaCampos(PainelComponentes, true); }

bool TFormCadCaps::painelComponentesVisivel() const { return PainelComponentes->isVisible(); }

QString TFormCadCaps::textoDescricao() const { return PainelComponentes->DBEdit1->text(); }

void TFormCadCaps::defineTextoDescricao(const QString &texto) { PainelComponentes->DBEdit1->setText(texto); }

bool TFormCadCaps::descricaoAcessivel() const {
  return PainelComponentes->DBEdit1->isEnabled() && PainelComponentes->DBEdit1->isVisible();
}

void TFormCadCaps::focaDescricao() { PainelComponentes->DBEdit1->setFocus(); }

void TFormCadCaps::liberaEdicaoDescricao() { PainelComponentes->DBEdit1->setReadOnly(false); }

QString TFormCadCaps::textoCodigo() const { return PainelComponentes->DBEdit50->text(); }
