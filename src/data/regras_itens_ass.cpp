#include "dm.h"

#include "gravacao.h"

void TDM::ItensAssAfterInsert() {
  ItensAss.fieldByName(u"CODIGOCOMP").setAsString(Componentes.fieldByName(u"CODIGO").asString());
  ItensAss.fieldByName(u"APLICARSOBRE").setAsString(QStringLiteral("Componente"));
  ItensAss.fieldByName(u"UNIDADE").setAsString(QStringLiteral("un"));
}

void TDM::ItensAssAfterPost() { gravaAlteracoes(ItensAss, -1); }

void TDM::ItensAssAfterDelete() { gravaAlteracoes(ItensAss, -1); }
