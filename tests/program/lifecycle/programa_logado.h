#pragma once

#include "configuracao.h"
#include "inicializacao.h"
#include "painel_componentes.h"
#include "painel_login.h"
#include "temp_veldorin_folder.h"

#include <memory>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The program started on a fresh central database, standing in the logged-in
// state (the login itself is not part of these tests), with a second
// attachment that plays another workstation.
class ProgramaLogado : public ::testing::Test {
 protected:
  TempVeldorinFolder folder;
  std::unique_ptr<ObjetosDoPrograma> objetos;
  fb::Connection outraEstacao;

  TFormCadCaps &form() { return objetos->FormCadCaps; }
  TPainelComponentes &painel() { return *objetos->FormCadCaps.PainelComponentes; }
  TDM &dm() { return objetos->DM; }
  ds::ClientDataSet &componentes() { return objetos->DM.Componentes; }

  void SetUp() override {
    folder.createCentralDatabase();
    folder.writeFile(QStringLiteral("VELDORIN.INI"), configuracao::kRotuloIpServidor + QByteArray("\r\n"));
    outraEstacao.parameters().database = folder.centralDatabase();
    outraEstacao.open();
  }

  void TearDown() override {
    objetos.reset();
    outraEstacao.close();
  }

  // Statements of the other workstation, committed at once.
  void sql(const QString &statement) { outraEstacao.executeDirect(statement); }
  void componente(const QString &codigo, const QString &descricao, const QString &grupo = QStringLiteral("EMB")) {
    sql(QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO) values ('%1', '%2', '%3')")
            .arg(codigo, descricao, grupo));
  }
  void itemAssociado(const QString &substancia, const QString &codigoComp) {
    sql(QStringLiteral("insert into ITENSASS (SUBSTANCIA, CODIGOCOMP) values ('%1', '%2')").arg(substancia, codigoComp));
  }

  void inicia() {
    objetos = criaObjetosDoPrograma(folder.path());
    form().show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().ativacaoFeita(); }));
    form().PainelLogin->hide();
    painel().show();
    painel().DBNavigator1->setEnabled(true);
    form().BloqueiaCampos();
    form().HabilitaBotoes();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form().isActiveWindow(); }));
  }

  // What the database holds, read by the other workstation.
  QStringList consulta(const QString &select) {
    QStringList linhas;
    ds::Query query(QStringLiteral("consulta"), outraEstacao);
    query.setSql(select);
    query.open();
    for (; !query.atEnd(); query.next()) linhas << query.fieldByName(u"LINHA").asString();
    return linhas;
  }
  QStringList componentesGravados() {
    return consulta(QStringLiteral("select CODIGO || ' ' || coalesce(COMPONENTE, '') as LINHA from COMPONEN order by CODIGO"));
  }

  bool layoutEdicao() {
    return !painel().BotFecharComp->isEnabled() && !painel().BitBtn6->isEnabled() && painel().DBEdit2->isEnabled() &&
           painel().DBEdit50->isEnabled();
  }
  bool layoutNavegacao() {
    return painel().BotFecharComp->isEnabled() && painel().BitBtn6->isEnabled() && !painel().DBEdit2->isEnabled() &&
           painel().DBEdit1->isEnabled();
  }

  // A new item with the description typed into its editor, then posted.
  void incluiEGrava(const QString &descricao) {
    componentes().insert();
    painel().DBEdit1->setText(descricao);
    componentes().post();
  }
};
