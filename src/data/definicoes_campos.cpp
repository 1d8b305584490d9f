#include "definicoes_campos.h"

namespace campos {
namespace {

using ds::FieldDef;

FieldDef texto(const char *name, int size) { return FieldDef::text(QLatin1String(name), size); }
FieldDef decimal(const char *name, int precision = 15, int scale = 8) {
  return FieldDef::decimal(QLatin1String(name), precision, scale);
}
FieldDef dupla(const char *name) { return FieldDef::floating(QLatin1String(name)); }
FieldDef inteiro(const char *name) { return FieldDef::integer(QLatin1String(name)); }

}  // namespace

QList<FieldDef> componentes() {
  return {texto("CODIGO", 20).asKey().asRequired(),
          texto("COMPONENTE", 70),
          texto("GRUPO", 5),
          texto("FAMILIA", 30),
          texto("UNID", 4),
          texto("CONTROLADA", 3),
          decimal("CUSTOUNITUS"),
          decimal("CUSTOUNITR"),
          decimal("MULTIPLICADOR"),
          decimal("DIVISORUNID"),
          decimal("PRECOUS"),
          decimal("PRECOR"),
          dupla("QDEESTOQUE"),
          dupla("ESTOQUECRITICO"),
          dupla("ESTOQUEMAXIMO"),
          texto("TRIBUTACAO", 3),
          decimal("ICMS"),
          texto("FABRICANTE", 40),
          texto("FORNECEDOR", 40),
          texto("LOTE", 30),
          decimal("FATORCORRECAO"),
          decimal("DENSIDADE"),
          texto("USAEXCIPIENTE", 1),
          decimal("DOSAGEMMIN"),
          decimal("DOSAGEMMAX"),
          decimal("DOSEMINPERC"),
          decimal("DOSEMAXPERC"),
          FieldDef::blob(QStringLiteral("FICHATECNICA")),
          texto("EXCIPIENTE", 40),
          FieldDef::timestamp(QStringLiteral("VALIDADE")),
          texto("DCB", 15),
          texto("LISTA", 2),
          texto("USOCONTINUO", 1),
          decimal("VALIDADEPRODMANIP"),
          decimal("FATORDILUICAO"),
          texto("CORCAPSULA", 25),
          decimal("COMISSAO"),
          decimal("MEQ"),
          texto("GRUPOF", 1),
          inteiro("TEMPOMANIP"),
          decimal("BC"),
          texto("UNID_VENDA", 4),
          decimal("CUSTOFIXO"),
          texto("USAR_FORMPRECO", 1),
          texto("GRUPOS", 12),
          texto("TIPORECEITA", 5),
          texto("REGMSMEDICAM", 15),
          texto("EXCIPIENTE2", 40),
          texto("EXCIPIENTE3", 40),
          texto("EXCIPIENTE4", 40),
          texto("EXCIPIENTE5", 40),
          texto("CLASSE", 20),
          decimal("DESCONTO"),
          texto("CONDARMAZENA", 240),
          decimal("ALIQIPI"),
          decimal("ALIQISS"),
          decimal("BASEICMS"),
          texto("SUBSTRIB", 1),
          decimal("LUCROST"),
          decimal("ICMSECF"),
          decimal("CST"),
          texto("NOMECIENTIFICO", 40),
          texto("GRUPOPRECO", 60)};
}

QList<FieldDef> compNome() {
  return {texto("CODIGO", 20).asKey(), texto("COMPONENTE", 70), texto("GRUPO", 5), texto("UNID", 5)};
}

QList<FieldDef> itensAss() {
  return {texto("SUBSTANCIA", 40).asKey().asRequired(),
          texto("CODIGOCOMP", 13).asKey().asRequired(),
          decimal("QUANTIDADE", 15, 2),
          texto("UNIDADE", 5),
          texto("APLICARSOBRE", 10),
          texto("CODIGODOITEMASS", 13)};
}

QList<FieldDef> formaFar() { return {texto("FORMAFARMA", 15).asKey().asRequired()}; }

QList<FieldDef> ensaios() {
  return {texto("CODIGOCOMP", 10), inteiro("CODIGOESPEC"), texto("ENSAIO", 100), texto("ESPECIFICACAO", 250)};
}

QList<FieldDef> usuarios() {
  return {texto("USUARIO", 30).asKey().asRequired(),
          texto("CODIGO", 10),
          texto("SENHA", 12),
          texto("ACESSO", 100),
          texto("ARQUIVO", 8),
          texto("LOGADO", 1),
          texto("ESTACAO", 15),
          texto("CONSIST_INICIAL", 1),
          inteiro("DEFVIDEOZUB")};
}

QList<FieldDef> estacoes() {
  return {texto("ESTACAO", 3).asKey().asRequired(),
          texto("DATBASNAM", 60),
          texto("TIPO", 16),
          texto("ATCAIXA", 60),
          texto("ESVAZIAR", 3),
          texto("EMUSO", 3),
          texto("CAMINHOREQUISICAO", 80),
          texto("CAMINHOOM", 80),
          texto("CAMINHOECF", 80),
          texto("CAMINHOSEQUENCIAL1", 80),
          texto("CAMINHO2", 80),
          texto("ROTULO1", 80),
          texto("ROTULO2", 80),
          texto("ROTULO3", 80),
          texto("ROTULO4", 80),
          texto("ROTULO5", 80),
          texto("ROTULO6", 80),
          texto("USUARIO", 60)};
}

QList<FieldDef> tutorial() {
  return {texto("ASSUNTO", 60).asKey(), inteiro("PAGINA").asKey().asRequired(), texto("TEXTO", 1000)};
}

QList<FieldDef> fabric() {
  return {inteiro("CODIGO").asKey().asRequired(),
          texto("NOME", 60),
          texto("RAZAOSOCIAL", 60),
          texto("CNPJ", 18),
          texto("INSCRICAO", 20),
          texto("ENDERECO", 60),
          texto("BAIRRO", 30),
          texto("CIDADE", 30),
          texto("UF", 2),
          texto("CEP", 9),
          texto("TEL", 20),
          texto("FAX", 20),
          texto("EMAIL", 60),
          texto("SITE", 60),
          texto("CONTATO", 40),
          texto("OBS", 200),
          FieldDef::timestamp(QStringLiteral("DATACADASTRO"))};
}

QList<FieldDef> cotDolar() { return {decimal("COTDOLAR", 15, 2)}; }

}  // namespace campos
