-- The suite's central database, as far as the packaging register uses it.
-- Text is Windows-1252; widths are the program's limits.

create table COMPONEN (
  CODIGO varchar(20) not null primary key,
  COMPONENTE varchar(70),
  GRUPO varchar(5),
  FAMILIA varchar(30),
  UNID varchar(4),
  CONTROLADA varchar(3),
  CUSTOUNITUS numeric(15,8),
  CUSTOUNITR numeric(15,8),
  MULTIPLICADOR numeric(15,8),
  DIVISORUNID numeric(15,8),
  PRECOUS numeric(15,8),
  PRECOR numeric(15,8),
  QDEESTOQUE double precision,
  ESTOQUECRITICO double precision,
  ESTOQUEMAXIMO double precision,
  TRIBUTACAO varchar(3),
  ICMS numeric(15,8),
  FABRICANTE varchar(40),
  FORNECEDOR varchar(40),
  LOTE varchar(30),
  FATORCORRECAO numeric(15,8),
  DENSIDADE numeric(15,8),
  USAEXCIPIENTE varchar(1),
  DOSAGEMMIN numeric(15,8),
  DOSAGEMMAX numeric(15,8),
  DOSEMINPERC numeric(15,8),
  DOSEMAXPERC numeric(15,8),
  FICHATECNICA blob sub_type text,
  EXCIPIENTE varchar(40),
  VALIDADE timestamp,
  DCB varchar(15),
  LISTA varchar(2),
  USOCONTINUO varchar(1),
  VALIDADEPRODMANIP numeric(15,8),
  FATORDILUICAO numeric(15,8),
  CORCAPSULA varchar(25),
  COMISSAO numeric(15,8),
  MEQ numeric(15,8),
  GRUPOF varchar(1),
  TEMPOMANIP integer,
  BC numeric(15,8),
  UNID_VENDA varchar(4),
  CUSTOFIXO numeric(15,8),
  USAR_FORMPRECO varchar(1),
  GRUPOS varchar(12),
  TIPORECEITA varchar(5),
  REGMSMEDICAM varchar(15),
  EXCIPIENTE2 varchar(40),
  EXCIPIENTE3 varchar(40),
  EXCIPIENTE4 varchar(40),
  EXCIPIENTE5 varchar(40),
  CLASSE varchar(20),
  DESCONTO numeric(15,8),
  CONDARMAZENA varchar(240),
  ALIQIPI numeric(15,8),
  ALIQISS numeric(15,8),
  BASEICMS numeric(15,8),
  SUBSTRIB varchar(1),
  LUCROST numeric(15,8),
  ICMSECF numeric(15,8),
  CST numeric(15,8),
  NOMECIENTIFICO varchar(40),
  GRUPOPRECO varchar(60)
);
create index COMPONEN_GRUPO_COMPONENTE on COMPONEN (GRUPO, COMPONENTE);
create index COMPONEN_COMPONENTE on COMPONEN (COMPONENTE);

create table USUARIOS (
  USUARIO varchar(30) not null primary key,
  CODIGO varchar(10),
  SENHA varchar(12),
  ACESSO varchar(100),
  ARQUIVO varchar(8),
  LOGADO varchar(1),
  ESTACAO varchar(15),
  CONSIST_INICIAL varchar(1),
  DEFVIDEOZUB integer
);

create table ESTACOES (
  ESTACAO varchar(3) not null primary key,
  DATBASNAM varchar(60),
  TIPO varchar(16),
  ATCAIXA varchar(60),
  ESVAZIAR varchar(3),
  EMUSO varchar(3),
  CAMINHOREQUISICAO varchar(80),
  CAMINHOOM varchar(80),
  CAMINHOECF varchar(80),
  CAMINHOSEQUENCIAL1 varchar(80),
  CAMINHO2 varchar(80),
  ROTULO1 varchar(80),
  ROTULO2 varchar(80),
  ROTULO3 varchar(80),
  ROTULO4 varchar(80),
  ROTULO5 varchar(80),
  ROTULO6 varchar(80),
  USUARIO varchar(60)
);

create table FORMAFAR (
  FORMAFARMA varchar(15) not null primary key
);

-- Incomplete rows (no description or unit) may exist until the items panel purges them.
create table ITENSASS (
  SUBSTANCIA varchar(40),
  CODIGOCOMP varchar(13),
  QUANTIDADE numeric(15,2),
  UNIDADE varchar(5),
  APLICARSOBRE varchar(10),
  CODIGODOITEMASS varchar(13),
  constraint ITENSASS_CHAVE unique (SUBSTANCIA, CODIGOCOMP)
);
create index ITENSASS_CODIGOCOMP on ITENSASS (CODIGOCOMP);

create table ESPECIFICACOES (
  CODIGOESPEC integer not null primary key,
  ENSAIO varchar(100),
  ESPECIFICACAO varchar(250)
);

create table ENSAIOS (
  CODIGOCOMP varchar(10),
  CODIGOESPEC integer
);
create index ENSAIOS_CODIGOCOMP on ENSAIOS (CODIGOCOMP);

create table SINONIMO (
  APELIDO varchar(50) not null primary key,
  CODIGO varchar(20)
);

create table FORNECED (
  CODIGO integer not null primary key,
  NOMEFANTASIA varchar(40),
  RAZAOSOCIAL varchar(60),
  CNPJ varchar(18),
  TEL varchar(20),
  CIDADE varchar(30),
  UF varchar(2)
);

create table NFISCAL (
  NOTAFISCAL varchar(15) not null,
  FORNECEDOR varchar(40) not null,
  DATA timestamp not null,
  VALORTOTAL numeric(15,2),
  constraint NFISCAL_CHAVE primary key (NOTAFISCAL, FORNECEDOR, DATA)
);

create table COMPRAS (
  COMPONENTE varchar(70),
  LABORATORIO varchar(30),
  NOTAFISCAL varchar(15),
  FORNECEDOR varchar(40),
  DATA timestamp,
  QUANTIDADE double precision,
  UNIDADE varchar(5),
  PRECOUNITR numeric(15,8),
  SALDO numeric(15,8)
);
create index COMPRAS_COMPONENTE on COMPRAS (COMPONENTE);

create table FABRIC (
  CODIGO integer not null primary key,
  NOME varchar(60),
  RAZAOSOCIAL varchar(60),
  CNPJ varchar(18),
  INSCRICAO varchar(20),
  ENDERECO varchar(60),
  BAIRRO varchar(30),
  CIDADE varchar(30),
  UF varchar(2),
  CEP varchar(9),
  TEL varchar(20),
  FAX varchar(20),
  EMAIL varchar(60),
  SITE varchar(60),
  CONTATO varchar(40),
  OBS varchar(200),
  DATACADASTRO timestamp
);

create table COTDOLAR (
  COTDOLAR numeric(15,2)
);
