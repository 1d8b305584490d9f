#pragma once

#include "configuracao.h"
#include "sessao.h"
#include "tela_embalagens.h"

#include <QWidget>

class QPushButton;
class QTimer;
class QShortcut;
class TPainelComponentes;
class TPainelLogin;
class TDM;
class TDM2;

// The main window: the packaging register screen, in the state Waiting for
// login until a login succeeds, then Logged in until it closes.
class TFormCadCaps : public QWidget, public TelaEmbalagens {
  Q_OBJECT
 public:
  explicit TFormCadCaps(QWidget *parent = nullptr);

  // Creation step: size, colour, and the settings file of the program's folder.
  void FormCreate(const QString &pastaPrograma);
  // Binds the window to the data modules once they exist.
  void defineModulosDeDados(TDM *dm, TDM2 *dm2);

  void DesabilitaBotoes() override;
  void HabilitaBotoes() override;
  void BloqueiaCampos() override;
  void LiberaCampos() override;

  bool painelComponentesVisivel() const override;
  QString textoDescricao() const override;
  void defineTextoDescricao(const QString &texto) override;
  bool descricaoAcessivel() const override;
  void focaDescricao() override;
  void liberaEdicaoDescricao() override;
  QString textoCodigo() const override;

  configuracao::Configuracao config;
  Sessao sessao;

  TPainelComponentes *PainelComponentes;
  TPainelLogin *PainelLogin;
  QTimer *Timer1;
  QTimer *Timer3;

  // The button that the Escape key presses, or none.
  QPushButton *botaoEscape() const { return botaoEscape_; }
  bool ativacaoFeita() const { return ativacaoFeita_; }

 protected:
  void showEvent(QShowEvent *event) override;
  void changeEvent(QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

 private:
  void primeiraAtivacao();
  void FormActivate();
  void FormClose();
  void BotFecharCompClick();
  void BotCancSenhaClick();
  void Timer1Timer();
  void Timer3Timer();
  void pressionaBotaoEscape();
  void aplicaCorDeFundo();
  // Until the editors are bound to the dataset, the description and code
  // editors show the current packaging row here.
  void mostraDescricaoECodigo();

  TDM *dm_ = nullptr;
  TDM2 *dm2_ = nullptr;
  QPushButton *botaoEscape_ = nullptr;
  bool ativacaoFeita_ = false;
};
