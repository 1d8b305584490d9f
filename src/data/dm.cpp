#include "dm.h"

#include "conexao_central.h"
#include "definicoes_campos.h"
#include "folders.h"

namespace {

const QString kSelectComponentes = QStringLiteral(
    "select CODIGO, COMPONENTE, GRUPO, FAMILIA, UNID, CONTROLADA, CUSTOUNITUS, CUSTOUNITR, MULTIPLICADOR, "
    "DIVISORUNID, PRECOUS, PRECOR, QDEESTOQUE, ESTOQUECRITICO, ESTOQUEMAXIMO, TRIBUTACAO, ICMS, FABRICANTE, "
    "FORNECEDOR, LOTE, FATORCORRECAO, DENSIDADE, USAEXCIPIENTE, DOSAGEMMIN, DOSAGEMMAX, DOSEMINPERC, "
    "DOSEMAXPERC, FICHATECNICA, EXCIPIENTE, VALIDADE, DCB, LISTA, USOCONTINUO, VALIDADEPRODMANIP, "
    "FATORDILUICAO, CORCAPSULA, COMISSAO, MEQ, GRUPOF, TEMPOMANIP, BC, UNID_VENDA, CUSTOFIXO, USAR_FORMPRECO, "
    "GRUPOS, TIPORECEITA, REGMSMEDICAM, EXCIPIENTE2, EXCIPIENTE3, EXCIPIENTE4, EXCIPIENTE5, CLASSE, DESCONTO, "
    "CONDARMAZENA, ALIQIPI, ALIQISS, BASEICMS, SUBSTRIB, LUCROST, ICMSECF, CST, NOMECIENTIFICO, GRUPOPRECO "
    "from COMPONEN where GRUPO = 'EMB' order by COMPONENTE");
const QString kSelectItensAss =
    QStringLiteral("select SUBSTANCIA, CODIGOCOMP, QUANTIDADE, UNIDADE, APLICARSOBRE, CODIGODOITEMASS from ITENSASS");
const QString kSelectFormaFar = QStringLiteral("select FORMAFARMA from FORMAFAR order by FORMAFARMA");
const QString kSelectUsuarios = QStringLiteral(
    "select USUARIO, CODIGO, SENHA, ACESSO, ARQUIVO, LOGADO, ESTACAO, CONSIST_INICIAL, DEFVIDEOZUB from USUARIOS "
    "order by USUARIO");

}  // namespace

TDM::TDM(QObject *parent) : QObject(parent) {
  setObjectName(QStringLiteral("DM"));
  SQLConnection1.parameters().database = veldorinFolder() + QStringLiteral("TUTORIAL.BD");

  SQLDS_Componen.setText(kSelectComponentes);
  SQLDS_ItensAss.setText(kSelectItensAss);
  SQLDSFormaFar.setText(kSelectFormaFar);
  SQLDS_Usuarios.setText(kSelectUsuarios);

  Componentes.setFieldDefs(campos::componentes());
  CompNome.setFieldDefs(campos::compNome());
  ItensAss.setFieldDefs(campos::itensAss());
  FormaFar.setFieldDefs(campos::formaFar());
  Ensaios.setFieldDefs(campos::ensaios());
  Usuarios.setFieldDefs(campos::usuarios());
  Estacoes.setFieldDefs(campos::estacoes());
  Tutorial.setFieldDefs(campos::tutorial());

  ligaEventos();
}

void TDM::DataModuleCreate(const QString &ipServidor) { abreConexaoCentral(sqlcon1, ipServidor); }
