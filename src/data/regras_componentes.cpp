#include "dm.h"

#include "database_error.h"
#include "descricao.h"
#include "gravacao.h"
#include "message_box.h"
#include "tela_embalagens.h"
#include "texto_sql.h"

#include <stdexcept>

namespace {

const QString kSelectItensAssDoItem = QStringLiteral(
    "select SUBSTANCIA, CODIGOCOMP, QUANTIDADE, UNIDADE, APLICARSOBRE, CODIGODOITEMASS from ITENSASS where "
    "CODIGOCOMP = ");

struct ValorInicial {
  const char16_t *coluna;
  QString valor;
};

// The values of a new item after its code, in the order they are set.
const ValorInicial kValoresIniciais[] = {
    {u"GRUPO", QStringLiteral("EMB")},       {u"UNID", QStringLiteral("un")},
    {u"UNID_VENDA", QStringLiteral("un")},   {u"DIVISORUNID", QStringLiteral("1")},
    {u"USAR_FORMPRECO", QStringLiteral("S")}, {u"FATORCORRECAO", QStringLiteral("1")},
    {u"FATORDILUICAO", QStringLiteral("1")}, {u"DENSIDADE", QStringLiteral("1")},
    {u"GRUPOF", QStringLiteral("N")},        {u"USOCONTINUO", QStringLiteral("N")},
    {u"USAEXCIPIENTE", QStringLiteral("N")}, {u"CONTROLADA", QStringLiteral("Não")},
};

}  // namespace

TelaEmbalagens &TDM::tela() const {
  if (!tela_) throw std::logic_error("the packaging rules need the screen (TDM::defineTela)");
  return *tela_;
}

void TDM::mostraLayoutEdicao() {
  tela().DesabilitaBotoes();
  tela().LiberaCampos();
  if (tela().descricaoAcessivel()) {
    tela().focaDescricao();
    tela().liberaEdicaoDescricao();
  }
}

void TDM::ComponentesBeforeInsert() { mostraLayoutEdicao(); }

void TDM::ComponentesAfterInsert() {
  const std::optional<QString> codigo = proximoCodigo();
  if (!codigo) {
    showMessage(QStringLiteral("Todos os códigos de 000001 a 999999 já foram usados. Não é possível incluir "
                               "outra embalagem."));
    Componentes.cancel();
    return;
  }
  Componentes.fieldByName(u"CODIGO").setAsString(*codigo);
  for (const ValorInicial &inicial : kValoresIniciais)
    Componentes.fieldByName(inicial.coluna).setAsString(inicial.valor);
  if (tela().descricaoAcessivel()) tela().focaDescricao();
}

void TDM::ComponentesBeforeEdit() {
  if (tela().painelComponentesVisivel()) mostraLayoutEdicao();
}

void TDM::ComponentesBeforePost() {
  const QString descricao = FormataDescricao(tela().textoDescricao());
  tela().defineTextoDescricao(descricao);
  Componentes.fieldByName(u"COMPONENTE").setAsString(descricao);
  if (tela().textoDescricao().isEmpty() || tela().textoCodigo().isEmpty()) {
    showMessage(QStringLiteral("Descrição e/ou Código em branco. Cadastro será Cancelado."));
    Componentes.cancel();
  }
}

void TDM::ComponentesPostError(const EDatabaseError &failure) { showMessage(failure.message()); }

void TDM::ComponentesAfterPost() {
  tela().BloqueiaCampos();
  tela().HabilitaBotoes();
  gravaComponentes();
}

void TDM::ComponentesAfterCancel() {
  tela().BloqueiaCampos();
  tela().HabilitaBotoes();
}

void TDM::ComponentesBeforeDelete() {
  sqlcon1.executeDirect(QStringLiteral("delete from ItensAss where CodigoComp = ") +
                        literalSql(Componentes.fieldByName(u"CODIGO").asString()));
}

void TDM::ComponentesAfterDelete() { gravaComponentes(); }

void TDM::ComponentesAfterScroll() {
  ItensAss.close();
  SQLDS_ItensAss.setText(kSelectItensAssDoItem + literalSql(Componentes.fieldByName(u"CODIGO").asString()));
  ItensAss.open();
}

void TDM::ComponentesBeforeClose() {
  try {
    Componentes.applyUpdates(-1);
    Componentes.refresh();
  } catch (...) {
    // Closing goes on whatever the database says.
  }
}

void TDM::gravaComponentes() {
  gravaAlteracoes(Componentes, -1, [this] { return renumeraInclusaoRecusada(); });
}
