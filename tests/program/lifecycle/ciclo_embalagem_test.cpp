#include "database_error.h"
#include "message_box_answerer.h"
#include "programa_logado.h"

#include <QApplication>

namespace {

const QString kBranco = QStringLiteral("Descrição e/ou Código em branco. Cadastro será Cancelado.");

}  // namespace

TEST_F(ProgramaLogado, NewItemCodeIsOneMoreThanTheLargestOfTheWholeTable) {
  struct Caso {
    QStringList codigos;  // of other groups' items already stored
    QString esperado;
  };
  const Caso casos[] = {
      {{}, QStringLiteral("000001")},
      {{QStringLiteral("000007"), QStringLiteral("000123")}, QStringLiteral("000124")},
      {{QStringLiteral("000005"), QStringLiteral("ABC")}, QStringLiteral("000001")},
      {{QStringLiteral(" 41")}, QStringLiteral("000042")},
      {{QStringLiteral("12X")}, QStringLiteral("000001")},
  };
  inicia();
  for (const Caso &c : casos) {
    sql(QStringLiteral("delete from COMPONEN"));
    for (const QString &codigo : c.codigos) componente(codigo, QStringLiteral("Acido"), QStringLiteral("MP"));
    componentes().insert();
    EXPECT_EQ(componentes().fieldByName(u"CODIGO").asString(), c.esperado) << c.codigos.join(u',').toStdString();
    EXPECT_EQ(painel().DBEdit50->text(), c.esperado);
    componentes().cancel();
  }
}

TEST_F(ProgramaLogado, NewItemGetsItsDefaultsInOrderAndTheEditLayout) {
  componente(QStringLiteral("000001"), QStringLiteral("Pote"));
  inicia();
  painel().DBEdit1->setReadOnly(true);
  QStringList escritos;
  QObject::connect(&dm().DS_Componentes, &ds::DataSource::fieldChanged,
                   [&](const ds::Field &f) { escritos << f.fieldName() + u'=' + f.asString(); });
  componentes().insert();
  EXPECT_EQ(escritos, QStringList({"CODIGO=000002", "GRUPO=EMB", "UNID=un", "UNID_VENDA=un", "DIVISORUNID=1",
                                   "USAR_FORMPRECO=S", "FATORCORRECAO=1", "FATORDILUICAO=1", "DENSIDADE=1", "GRUPOF=N",
                                   "USOCONTINUO=N", "USAEXCIPIENTE=N", "CONTROLADA=Não"}));
  EXPECT_TRUE(componentes().fieldByName(u"COMPONENTE").isNull());
  EXPECT_EQ(componentes().state(), ds::DataSetState::Insert);
  EXPECT_TRUE(layoutEdicao());
  EXPECT_FALSE(painel().DBEdit1->isReadOnly());
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == painel().DBEdit1; }));
  EXPECT_TRUE(dm().SQLDS_ItensAss.text().endsWith(QStringLiteral("where CODIGOCOMP = '000002'")));
}

TEST_F(ProgramaLogado, EditSwitchesToTheEditLayoutOnlyWhileThePackagingPanelShows) {
  componente(QStringLiteral("000001"), QStringLiteral("Pote"));
  inicia();
  painel().DBEdit1->setReadOnly(true);
  componentes().edit();
  EXPECT_TRUE(layoutEdicao());
  EXPECT_FALSE(painel().DBEdit1->isReadOnly());
  componentes().cancel();
  EXPECT_TRUE(layoutNavegacao());

  painel().hide();
  componentes().edit();
  EXPECT_EQ(componentes().state(), ds::DataSetState::Edit);
  EXPECT_FALSE(painel().DBEdit2->isEnabled());
}

TEST_F(ProgramaLogado, BlankDescriptionOrCodeCancelsWithItsMessage) {
  struct Caso {
    const char *nome;
    std::function<void()> prepara;  // leaves a row being inserted or changed
    std::function<void()> grava;
  };
  const Caso casos[] = {
      {"new item, post", [&] { componentes().insert(); }, [&] { componentes().post(); }},
      {"new item, cursor moved away untouched", [&] { componentes().insert(); }, [&] { componentes().last(); }},
      {"changed item, description cleared",
       [&] {
         componentes().edit();
         painel().DBEdit1->clear();
       },
       [&] { componentes().post(); }},
      {"changed item, code editor empty",
       [&] {
         componentes().edit();
         painel().DBEdit50->clear();
       },
       [&] { componentes().post(); }},
  };
  componente(QStringLiteral("000001"), QStringLiteral("Pote"));
  inicia();
  for (const Caso &c : casos) {
    MessageBoxAnswerer respostas;
    componentes().first();
    c.prepara();
    c.grava();
    EXPECT_EQ(respostas.texts, QStringList{kBranco}) << c.nome;
    EXPECT_EQ(componentes().state(), ds::DataSetState::Browse) << c.nome;
    EXPECT_EQ(componentes().recordCount(), 1) << c.nome;
    EXPECT_EQ(componentes().changeCount(), 0) << c.nome;
    EXPECT_EQ(componentes().fieldByName(u"COMPONENTE").asString(), QStringLiteral("Pote")) << c.nome;
    EXPECT_TRUE(layoutNavegacao()) << c.nome;
  }
  EXPECT_EQ(componentesGravados(), QStringList{"000001 Pote"});
}

TEST_F(ProgramaLogado, StoredItemReachesTheDatabaseAtOnceAndTheRowsAreReadAgain) {
  componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
  componente(QStringLiteral("000002"), QStringLiteral("Zeta"));
  inicia();
  componentes().last();
  componentes().insert();
  painel().DBEdit1->setText(QStringLiteral("ÁBACO 'X'"));
  componentes().post();

  EXPECT_EQ(componentesGravados(), QStringList({"000001 Alfa", "000002 Zeta", "000003 abaco 'x'"}));
  EXPECT_EQ(painel().DBEdit1->text(), QStringLiteral("Zeta"));  // the row now at the old position
  EXPECT_EQ(componentes().recordCount(), 3);
  EXPECT_EQ(componentes().recordNumber(), 2);
  EXPECT_EQ(componentes().fieldByName(u"CODIGO").asString(), QStringLiteral("000002"));
  EXPECT_EQ(componentes().changeCount(), 0);
  EXPECT_TRUE(layoutNavegacao());
  // The associated list stays the one read for the new item until the cursor moves.
  EXPECT_TRUE(dm().SQLDS_ItensAss.text().endsWith(QStringLiteral("'000003'")));

  componentes().edit();
  painel().DBEdit1->setText(QStringLiteral("zeta ÂMBAR"));
  componentes().post();
  EXPECT_EQ(componentesGravados(), QStringList({"000001 Alfa", "000002 Zeta ambar", "000003 abaco 'x'"}));
}

TEST_F(ProgramaLogado, PostFailingInTheDatasetShowsItsMessageAndKeepsTheRow) {
  inicia();
  MessageBoxAnswerer respostas;
  componentes().insert();
  componentes().fieldByName(u"CODIGO").clear();
  painel().DBEdit1->setText(QStringLiteral("Pote"));
  painel().DBEdit50->setText(QStringLiteral("000001"));
  EXPECT_THROW(componentes().post(), EDatabaseError);
  EXPECT_EQ(respostas.texts, QStringList{"Field 'CODIGO' must have a value"});
  EXPECT_EQ(componentes().state(), ds::DataSetState::Insert);
}

TEST_F(ProgramaLogado, DeletingAnItemRemovesItsAssociatedItemsFirst) {
  componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
  componente(QStringLiteral("000002"), QStringLiteral("Beta"));
  itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000001"));
  itemAssociado(QStringLiteral("Rotulo"), QStringLiteral("000001"));
  itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000002"));
  inicia();
  componentes().first();
  componentes().deleteRecord();

  EXPECT_EQ(componentesGravados(), QStringList{"000002 Beta"});
  EXPECT_EQ(consulta(QStringLiteral("select SUBSTANCIA || ' ' || CODIGOCOMP as LINHA from ITENSASS")),
            QStringList{"Tampa 000002"});
  EXPECT_EQ(componentes().recordCount(), 1);
  EXPECT_EQ(dm().ItensAss.recordCount(), 1);  // the list of the item now under the cursor
}

TEST_F(ProgramaLogado, AssociatedItemsFollowTheCursor) {
  componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
  componente(QStringLiteral("000002"), QStringLiteral("Beta"));
  componente(QStringLiteral("000003"), QStringLiteral("Gama"));
  itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000001"));
  itemAssociado(QStringLiteral("Rotulo"), QStringLiteral("000001"));
  itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000002"));
  inicia();
  const std::pair<std::function<void()>, int> passos[] = {
      {[&] {}, 2}, {[&] { componentes().next(); }, 1}, {[&] { componentes().next(); }, 0},
      {[&] { componentes().first(); }, 2}};
  for (const auto &[passo, esperados] : passos) {
    passo();
    const QString codigo = componentes().fieldByName(u"CODIGO").asString();
    EXPECT_EQ(dm().ItensAss.recordCount(), esperados) << codigo.toStdString();
    for (dm().ItensAss.first(); !dm().ItensAss.atEnd(); dm().ItensAss.next())
      EXPECT_EQ(dm().ItensAss.fieldByName(u"CODIGOCOMP").asString(), codigo);
  }
}

TEST_F(ProgramaLogado, NewAssociatedItemGetsItsDefaultsAndIsStoredAtOnce) {
  componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
  inicia();
  dm().ItensAss.insert();
  EXPECT_EQ(dm().ItensAss.fieldByName(u"CODIGOCOMP").asString(), QStringLiteral("000001"));
  EXPECT_EQ(dm().ItensAss.fieldByName(u"APLICARSOBRE").asString(), QStringLiteral("Componente"));
  EXPECT_EQ(dm().ItensAss.fieldByName(u"UNIDADE").asString(), QStringLiteral("un"));
  dm().ItensAss.fieldByName(u"SUBSTANCIA").setAsString(QStringLiteral("Tampa"));
  dm().ItensAss.post();
  EXPECT_EQ(consulta(QStringLiteral("select SUBSTANCIA || ' ' || CODIGOCOMP || ' ' || UNIDADE as LINHA from ITENSASS")),
            QStringList{"Tampa 000001 un"});
  EXPECT_EQ(dm().ItensAss.changeCount(), 0);
}

TEST_F(ProgramaLogado, ClosingTheWindowWhileInsertingStoresTheRowThroughTheRules) {
  inicia();
  componentes().insert();
  painel().DBEdit1->setText(QStringLiteral("POTE ÂMBAR"));
  form().close();
  EXPECT_FALSE(componentes().isOpen());
  EXPECT_EQ(componentesGravados(), QStringList{"000001 Pote ambar"});
}
