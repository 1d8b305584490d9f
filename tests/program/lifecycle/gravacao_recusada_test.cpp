#include "message_box_answerer.h"
#include "programa_logado.h"
#include "schema.h"

namespace {

const QString kDescartada = QStringLiteral("Não foi possível gravar no banco de dados e a alteração foi descartada.\n");

}  // namespace

TEST_F(ProgramaLogado, CodeTakenByAnotherWorkstationMeanwhileGivesTheNewItemTheNextFreeCode) {
  componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
  inicia();
  MessageBoxAnswerer respostas;
  componentes().insert();
  ASSERT_EQ(componentes().fieldByName(u"CODIGO").asString(), QStringLiteral("000002"));
  componente(QStringLiteral("000002"), QStringLiteral("Da outra estacao"));  // between our insert and our post
  itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000002"));
  painel().DBEdit1->setText(QStringLiteral("Nosso pote"));
  componentes().post();

  EXPECT_TRUE(respostas.texts.isEmpty());
  EXPECT_EQ(componentesGravados(), QStringList({"000001 Alfa", "000002 Da outra estacao", "000003 Nosso pote"}));
  EXPECT_EQ(componentes().changeCount(), 0);
  EXPECT_EQ(componentes().recordCount(), 3);
  EXPECT_TRUE(dm().SQLDS_ItensAss.text().endsWith(QStringLiteral("'000003'")));
  EXPECT_EQ(dm().ItensAss.recordCount(), 0);

  incluiEGrava(QStringLiteral("Depois"));
  EXPECT_EQ(componentesGravados().last(), QStringLiteral("000004 Depois"));
  EXPECT_TRUE(respostas.texts.isEmpty());
}

TEST_F(ProgramaLogado, ChangeTheDatabaseRefusesIsShownAndGivenUpAndLaterPostsWork) {
  struct Caso {
    const char *nome;
    std::function<void()> recusada;
    QString motivo;
  };
  const Caso casos[] = {
      {"item removed by another workstation while changed here",
       [&] {
         componentes().first();
         componentes().edit();
         sql(QStringLiteral("delete from COMPONEN where CODIGO = '000001'"));
         painel().DBEdit1->setText(QStringLiteral("Mudado"));
         componentes().post();
       },
       QStringLiteral("Record not found or changed by another user")},
      {"item removed by another workstation before its removal here",
       [&] {
         itemAssociado(QStringLiteral("Tampa"), QStringLiteral("000001"));
         componentes().first();
         sql(QStringLiteral("delete from COMPONEN where CODIGO = '000001'"));
         componentes().deleteRecord();
         // Its associated items went first and stay removed.
         EXPECT_TRUE(consulta(QStringLiteral("select SUBSTANCIA as LINHA from ITENSASS")).isEmpty());
       },
       QStringLiteral("Record not found or changed by another user")},
  };
  inicia();
  for (const Caso &c : casos) {
    componente(QStringLiteral("000001"), QStringLiteral("Alfa"));
    componentes().refresh();
    MessageBoxAnswerer respostas;
    c.recusada();
    EXPECT_EQ(respostas.texts, QStringList{kDescartada + c.motivo}) << c.nome;
    EXPECT_EQ(componentes().changeCount(), 0) << c.nome;
    EXPECT_FALSE(componentes().locate(u"CODIGO", QStringLiteral("000001"))) << c.nome;  // re-read without it

    incluiEGrava(QStringLiteral("Depois"));
    EXPECT_EQ(respostas.texts.size(), 1) << c.nome;
    EXPECT_EQ(componentesGravados(), QStringList{"000001 Depois"}) << c.nome;
    sql(QStringLiteral("delete from COMPONEN"));
    componentes().refresh();
  }
}

TEST_F(ProgramaLogado, CodeThatCannotBeMendedIsShownAndGivenUp) {
  componente(QStringLiteral("000005"), QStringLiteral("Alfa"));
  componente(QStringLiteral("ABC"), QStringLiteral("Sem numero"), QStringLiteral("MP"));
  componente(QStringLiteral("000001"), QStringLiteral("Beta"), QStringLiteral("MP"));
  inicia();
  MessageBoxAnswerer respostas;
  incluiEGrava(QStringLiteral("Pote"));  // the largest code is not a number: 000001 again, every time

  ASSERT_EQ(respostas.texts.size(), 1);
  EXPECT_TRUE(respostas.texts[0].startsWith(kDescartada));
  EXPECT_TRUE(respostas.texts[0].contains(QStringLiteral("PRIMARY or UNIQUE KEY")));
  EXPECT_EQ(componentes().changeCount(), 0);
  EXPECT_EQ(componentes().recordCount(), 1);
  EXPECT_EQ(componentesGravados(), QStringList({"000001 Beta", "000005 Alfa", "ABC Sem numero"}));
}

TEST_F(ProgramaLogado, NoNewItemOnceTheSixDigitCodesAreUsedUp) {
  componente(QStringLiteral("999999"), QStringLiteral("Ultimo"));
  inicia();
  MessageBoxAnswerer respostas;
  componentes().insert();
  EXPECT_EQ(respostas.texts, QStringList{"Todos os códigos de 000001 a 999999 já foram usados. Não é possível "
                                         "incluir outra embalagem."});
  EXPECT_EQ(componentes().state(), ds::DataSetState::Browse);
  EXPECT_EQ(componentes().recordCount(), 1);
  EXPECT_TRUE(layoutNavegacao());
}

TEST_F(ProgramaLogado, TutorialPagesAreStoredAtOnceAndARefusedPageIsGivenUp) {
  fb::Connection tutorial;
  tutorial.parameters().database = folder.path() + QStringLiteral("TUTORIAL.BD");
  schema::createTutorialDatabase(tutorial);
  inicia();
  ds::ClientDataSet &paginas = dm().Tutorial;
  dm().SQLDS_Tutorial.setText(QStringLiteral("select ASSUNTO, PAGINA, TEXTO from TUTORIAL where ASSUNTO = 'Custo'"));
  paginas.open();
  const auto novaPagina = [&](int pagina) {
    paginas.insert();
    paginas.fieldByName(u"ASSUNTO").setAsString(QStringLiteral("Custo"));
    paginas.fieldByName(u"PAGINA").setAsInteger(pagina);
    paginas.fieldByName(u"TEXTO").setAsString(QStringLiteral("Texto %1").arg(pagina));
    paginas.post();
  };
  MessageBoxAnswerer respostas;
  novaPagina(1);
  tutorial.executeDirect(QStringLiteral("insert into TUTORIAL (ASSUNTO, PAGINA) values ('Custo', 2)"));
  novaPagina(2);  // taken by another workstation meanwhile
  ASSERT_EQ(respostas.texts.size(), 1);
  EXPECT_TRUE(respostas.texts[0].startsWith(kDescartada));
  EXPECT_EQ(paginas.changeCount(), 0);
  novaPagina(3);
  EXPECT_EQ(respostas.texts.size(), 1);
  EXPECT_EQ(paginas.recordCount(), 3);
  paginas.close();
  tutorial.close();
}
