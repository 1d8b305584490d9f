#include "chain_fixture.h"
#include "database_error.h"
#include "qt_printing.h"
#include "query.h"

#include <gtest/gtest.h>

using namespace ds;

TEST(Query, ReadsSingleRowAnswersAndEmptyOnes) {
  TempCentralDatabase db;
  Query query(QStringLiteral("SQLQuery1"), db.connection());
  auto largestCode = [&] {
    query.close();
    query.setSql(QStringLiteral("select Max(CODIGO) as UltCod from Componen"));
    query.open();
    return query.fieldByName(u"UltCod").asString();
  };
  EXPECT_EQ(largestCode(), "");
  db.connection().executeDirect("insert into COMPONEN (CODIGO, GRUPO) values ('000123', 'MP')");
  db.connection().executeDirect("insert into COMPONEN (CODIGO, GRUPO) values ('000007', 'EMB')");
  EXPECT_EQ(largestCode(), "000123");
  EXPECT_EQ(query.fieldByName(u"ULTCOD").asInteger(), 123);

  query.setSql(QStringLiteral("select Codigo, Componente from Componen where Codigo = 'x''y'"));
  query.open();
  EXPECT_TRUE(query.atEnd());
  EXPECT_EQ(query.fieldByName(u"Componente").asString(), "");  // no row: every field reads empty
  EXPECT_THROW(query.fieldByName(u"Unid"), EDatabaseError);
}

TEST(Query, WalksItsRowsFrontToBack) {
  TempCentralDatabase db;
  for (const char *form : {"Creme", "Gel", "Xarope"})
    db.connection().executeDirect(QStringLiteral("insert into FORMAFAR values ('%1')").arg(form));
  // A query on a connection that is not open yet opens it, as the tutorial's does.
  fb::Connection later;
  later.parameters().database = db.path();
  Query query(QStringLiteral("SQLQueryTutorial"), later);
  query.setSql(QStringLiteral("select FORMAFARMA from FORMAFAR order by 1"));
  query.open();
  QStringList seen;
  for (; !query.atEnd(); query.next()) seen << query.fieldByName(u"formafarma").asString();
  EXPECT_EQ(seen, QStringList({"Creme", "Gel", "Xarope"}));
}

TEST(Query, ColumnsThatShareANameKeepTheirOwnValues) {
  TempCentralDatabase db;
  db.connection().executeDirect("insert into COMPONEN (CODIGO, COMPONENTE) values ('000001', 'Frasco')");
  db.connection().executeDirect("insert into ITENSASS (SUBSTANCIA, CODIGOCOMP, CODIGODOITEMASS) values ('Tampa', '000001', '000009')");
  Command command(QStringLiteral("SQLDataSet1"), db.connection(),
                  "select c.CODIGO, i.CODIGODOITEMASS as CODIGO from COMPONEN c join ITENSASS i on i.CODIGOCOMP = c.CODIGO");
  Provider provider(QStringLiteral("DSP_SQLDataSet1"), command, UpdateMode::ByAllColumns);
  ClientDataSet dataSet(QStringLiteral("CDS_SQLDataSet1"), provider);
  dataSet.open();
  ASSERT_EQ(dataSet.fields().size(), 2u);
  EXPECT_EQ(dataSet.fields()[0]->asString(), "000001");
  EXPECT_EQ(dataSet.fields()[1]->asString(), "000009");
}
