#include "dm2.h"

#include "conexao_central.h"
#include "definicoes_campos.h"

TDM2::TDM2(QObject *parent) : QObject(parent) {
  setObjectName(QStringLiteral("DM2"));
  SQLDS_Fabric.setText(QStringLiteral(
      "select CODIGO, NOME, RAZAOSOCIAL, CNPJ, INSCRICAO, ENDERECO, BAIRRO, CIDADE, UF, CEP, TEL, FAX, EMAIL, SITE, "
      "CONTATO, OBS, DATACADASTRO from FABRIC order by NOME"));
  SQLDS_CotDolar.setText(QStringLiteral("select COTDOLAR from COTDOLAR"));
  Fabric.setFieldDefs(campos::fabric());
  CotDolar.setFieldDefs(campos::cotDolar());
}

void TDM2::DataModuleCreate(const QString &ipServidor) { abreConexaoCentral(SQLConnection1, ipServidor); }
