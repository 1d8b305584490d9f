#include "chain_fixture.h"
#include "database_error.h"
#include "qt_printing.h"
#include "write_statement.h"

#include <gtest/gtest.h>

using namespace ds;
using fb::Decimal;
using fb::Value;

namespace {

const QString kItems = QStringLiteral(
    "select CODIGO, COMPONENTE, GRUPO, CUSTOUNITR, ESTOQUECRITICO, TEMPOMANIP, FICHATECNICA, VALIDADE "
    "from COMPONEN where GRUPO = 'EMB' order by COMPONENTE");

QList<FieldDef> itemFields() {
  return {FieldDef::text("CODIGO", 20).asKey().asRequired(), FieldDef::text("COMPONENTE", 70),
          FieldDef::text("GRUPO", 5),                        FieldDef::decimal("CUSTOUNITR", 15, 8),
          FieldDef::floating("ESTOQUECRITICO"),              FieldDef::integer("TEMPOMANIP"),
          FieldDef::blob("FICHATECNICA"),                    FieldDef::timestamp("VALIDADE")};
}

class WriteBack : public ::testing::Test {
 protected:
  WriteBack() {
    for (const char *row : {"'000001', 'Frasco', 'EMB', 'Vidros'", "'000002', 'Pote', 'EMB', 'Plasticos'",
                            "'000003', 'Tampa', 'EMB', 'Plasticos'"})
      connection.executeDirect(QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO, FAMILIA) values (%1)").arg(row));
  }
  std::unique_ptr<Chain> openItems() {
    auto chain = std::make_unique<Chain>(connection, kItems);
    chain->dataSet.setFieldDefs(itemFields());
    chain->dataSet.open();
    return chain;
  }
  QString column(const QString &code, const QString &name) {
    return scalar(connection, QStringLiteral("select %1 from COMPONEN where CODIGO = '%2'").arg(name, code));
  }
  void change(ClientDataSet &d, const QString &code, const char *field, const QString &text) {
    ASSERT_TRUE(d.locate(u"CODIGO", code));
    d.edit();
    d.fieldByName(QString::fromLatin1(field)).setAsString(text);
    d.post();
  }

  TempCentralDatabase db;
  fb::Connection &connection = db.connection();
};

}  // namespace

TEST_F(WriteBack, ChangesReachTheTableInTheirOrderAndExactly) {
  auto chain = openItems();
  ClientDataSet &d = chain->dataSet;
  const QString hostile = QStringLiteral("O'Brien \\ '); drop table COMPONEN; --");
  d.insert();
  d.fieldByName(u"Codigo").setAsString("000004");
  d.fieldByName(u"Componente").setAsString(hostile);
  d.fieldByName(u"Grupo").setAsString("EMB");
  d.fieldByName(u"CustoUnitR").setAsString("1234567,12345678");
  d.fieldByName(u"EstoqueCritico").setAsString("1,5e3");
  d.fieldByName(u"TempoManip").setAsInteger(-7);
  d.fieldByName(u"FichaTecnica").setAsString(QString(40000, u'ã') + hostile);
  d.fieldByName(u"Validade").setAsString("09/12/2026 14:05:09");
  d.post();
  d.edit();  // a second change of the new row merges into its insert
  d.fieldByName(u"TempoManip").setAsInteger(8);
  d.post();
  change(d, "000002", "COMPONENTE", "Pote d'água");
  ASSERT_TRUE(d.locate(u"CODIGO", "000003"));
  d.deleteRecord();
  ASSERT_EQ(d.changeCount(), 3);

  EXPECT_EQ(d.applyUpdates(-1), 0);
  EXPECT_EQ(d.changeCount(), 0);
  fb::Transaction read(connection);
  const fb::ResultSet stored = read.select(
      "select COMPONENTE, CUSTOUNITR, ESTOQUECRITICO, TEMPOMANIP, FICHATECNICA, VALIDADE from COMPONEN where CODIGO = '000004'");
  ASSERT_EQ(stored.rows.size(), 1);
  EXPECT_EQ(stored.rows[0], QList<Value>({hostile, Decimal{123456712345678, 8}, 1500.0, Value(8),
                                          QString(40000, u'ã') + hostile,
                                          QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9))}));
  EXPECT_EQ(column("000002", "COMPONENTE"), "Pote d'água");
  EXPECT_EQ(column("000002", "FAMILIA"), "Plasticos");  // carried: an update writes only what changed
  EXPECT_EQ(column("000003", "CODIGO"), "<no row>");
}

TEST_F(WriteBack, StatementsFindRowsByKeyOrByEveryColumn) {
  const QList<WriteColumn> columns = {{"CODIGO", true, true}, {"COMPONENTE", false, true}, {"GRUPO", false, true},
                                      {"FICHATECNICA", false, false}, {QString(), false, true}};
  const Change update{ChangeKind::Update, 1, {"000001", "Frasco", Value(), "ficha", Value(9)},
                      {"000001", "Frasco 'A'", Value(), "ficha", Value(10)}};
  const Change removal{ChangeKind::Delete, 1, update.original, {}};
  const Change insert{ChangeKind::Insert, 2, {}, {"000009", Value(), "EMB", "ficha", Value(3)}};
  const QList<std::tuple<const char *, Change, UpdateMode, QString, std::vector<Value>>> cases = {
      {"update by key", update, UpdateMode::ByKey, "update COMPONEN set COMPONENTE = ? where CODIGO = ?",
       {"Frasco 'A'", "000001"}},
      {"update by all columns", update, UpdateMode::ByAllColumns,
       "update COMPONEN set COMPONENTE = ? where CODIGO = ? and COMPONENTE = ? and GRUPO is null",
       {"Frasco 'A'", "000001", "Frasco"}},
      {"delete by key", removal, UpdateMode::ByKey, "delete from COMPONEN where CODIGO = ?", {"000001"}},
      {"delete by all columns", removal, UpdateMode::ByAllColumns,
       "delete from COMPONEN where CODIGO = ? and COMPONENTE = ? and GRUPO is null", {"000001", "Frasco"}},
      {"insert leaves out empty columns", insert, UpdateMode::ByKey,
       "insert into COMPONEN (CODIGO, GRUPO, FICHATECNICA) values (?, ?, ?)", {"000009", "EMB", "ficha"}},
  };
  for (const auto &[label, change, mode, sql, parameters] : cases) {
    SCOPED_TRACE(label);
    const WriteStatement statement = writeStatementFor(change, "COMPONEN", columns, mode);
    EXPECT_EQ(statement.sql, sql);
    EXPECT_EQ(statement.parameters, parameters);
  }
  const QList<WriteColumn> associated = {{"SUBSTANCIA", true, true}, {"CODIGOCOMP", true, true}, {"QUANTIDADE", false, true}};
  const Change item{ChangeKind::Delete, 3, {"Tampa", "000001", Decimal{200, 2}}, {}};
  EXPECT_EQ(writeStatementFor(item, "ITENSASS", associated, UpdateMode::ByKey).sql,
            "delete from ITENSASS where SUBSTANCIA = ? and CODIGOCOMP = ?");

  QList<WriteColumn> keyless = columns;
  keyless[0].inKey = false;
  EXPECT_THROW(writeStatementFor(update, "COMPONEN", keyless, UpdateMode::ByKey), EDatabaseError);
}

TEST_F(WriteBack, AnotherWorkstationsChangesMeetOurs) {
  auto chain = openItems();
  ClientDataSet &d = chain->dataSet;
  auto other = secondWorkstation(db);
  other->executeDirect("update COMPONEN set CUSTOUNITR = 2.5 where CODIGO = '000001'");
  other->executeDirect("delete from COMPONEN where CODIGO = '000002'");

  change(d, "000001", "COMPONENTE", "Frasco ambar");
  change(d, "000002", "COMPONENTE", "Pote branco");
  EXPECT_EQ(d.applyUpdates(-1), 1);
  // The last writer of each column wins; the row deleted elsewhere is not found.
  EXPECT_EQ(column("000001", "COMPONENTE"), "Frasco ambar");
  EXPECT_EQ(column("000001", "CUSTOUNITR"), "2,5");
  ASSERT_EQ(d.changeCount(), 1);
  EXPECT_EQ(d.changeLog().changes()[0].current[1], Value("Pote branco"));
  EXPECT_EQ(d.changeLog().changes()[0].failure, "Record not found or changed by another user");

  try {
    d.refresh();
    ADD_FAILURE();
  } catch (const EDatabaseError &failure) {
    EXPECT_EQ(failure.message(), "Must apply updates before refreshing data");
  }
  EXPECT_EQ(d.recordCount(), 3);
  EXPECT_EQ(d.fieldByName(u"COMPONENTE").asString(), "Pote branco");
  EXPECT_EQ(d.applyUpdates(-1), 1);  // sent again, refused again

  d.cancelUpdates();  // given up: the rows as the database has them now
  EXPECT_EQ(d.changeCount(), 0);
  EXPECT_EQ(d.recordCount(), 2);
  EXPECT_FALSE(d.locate(u"CODIGO", "000002"));
}

TEST_F(WriteBack, ErrorLimitsCommitOrRollBackTheBatch) {
  struct Limit {
    int maxErrors;
    int failures;
    bool committed;
  };
  for (const Limit limit : {Limit{-1, 2, true}, Limit{1, 1, true}, Limit{1, 2, false}, Limit{0, 1, false}}) {
    SCOPED_TRACE(testing::Message() << "limit " << limit.maxErrors << ", failures " << limit.failures);
    connection.executeDirect("update COMPONEN set COMPONENTE = 'Tampa' where CODIGO = '000003'");
    auto chain = openItems();
    ClientDataSet &d = chain->dataSet;
    auto other = secondWorkstation(db);
    change(d, "000003", "COMPONENTE", "Tampa rosca");
    // Refused by the server: a code that exists. Not found: a row removed elsewhere.
    d.insert();
    d.fieldByName(u"CODIGO").setAsString("000001");
    d.post();
    if (limit.failures == 2) {
      change(d, "000002", "COMPONENTE", "Pote branco");
      other->executeDirect("delete from COMPONEN where CODIGO = '000002'");
    }
    EXPECT_EQ(d.applyUpdates(limit.maxErrors), limit.failures);
    EXPECT_EQ(column("000003", "COMPONENTE"), limit.committed ? "Tampa rosca" : "Tampa");
    EXPECT_EQ(d.changeCount(), limit.committed ? limit.failures : limit.failures + 1);
    const auto &changes = d.changeLog().changes();
    const auto refused = std::find_if(changes.begin(), changes.end(), [](auto &c) { return c.kind == ChangeKind::Insert; });
    ASSERT_NE(refused, changes.end());
    EXPECT_TRUE(refused->failure.contains("PRIMARY")) << refused->failure;
    other->executeDirect("update or insert into COMPONEN (CODIGO, COMPONENTE, GRUPO) values ('000002', 'Pote', 'EMB')");
  }
}

TEST_F(WriteBack, AChangedKeyIsFoundByItsOldValue) {
  auto chain = openItems();
  ClientDataSet &d = chain->dataSet;
  change(d, "000001", "CODIGO", "000101");
  EXPECT_EQ(d.applyUpdates(-1), 0);
  EXPECT_EQ(column("000101", "COMPONENTE"), "Frasco");

  change(d, "000002", "CODIGO", "000102");  // changed, then removed: the delete finds the stored key
  d.deleteRecord();
  ASSERT_EQ(d.changeCount(), 1);
  EXPECT_EQ(d.applyUpdates(-1), 0);
  EXPECT_EQ(column("000002", "CODIGO"), "<no row>");
}

TEST_F(WriteBack, ByEveryColumnAnyChangeElsewhereHidesTheRow) {
  connection.executeDirect("insert into ITENSASS (SUBSTANCIA, CODIGOCOMP, QUANTIDADE) values ('Tampa', '000001', 2)");
  connection.executeDirect("insert into ITENSASS (SUBSTANCIA, CODIGOCOMP, QUANTIDADE) values ('Rotulo', '000001', 1)");
  Chain chain(connection, "select SUBSTANCIA, CODIGOCOMP, QUANTIDADE, UNIDADE from ITENSASS order by SUBSTANCIA",
              UpdateMode::ByAllColumns);
  ClientDataSet &d = chain.dataSet;
  d.open();
  d.edit();
  d.fieldByName(u"Quantidade").setAsString("3,5");
  d.post();
  d.next();
  d.edit();
  d.fieldByName(u"Quantidade").setAsString("4");
  d.post();
  auto other = secondWorkstation(db);
  other->executeDirect("update ITENSASS set UNIDADE = 'un' where SUBSTANCIA = 'Tampa'");
  EXPECT_EQ(d.applyUpdates(-1), 1);
  EXPECT_EQ(scalar(connection, "select QUANTIDADE from ITENSASS where SUBSTANCIA = 'Rotulo'"), "3,5");
  EXPECT_EQ(scalar(connection, "select QUANTIDADE from ITENSASS where SUBSTANCIA = 'Tampa'"), "2");
}

TEST_F(WriteBack, ALostConnectionKeepsThePendingChanges) {
  auto chain = openItems();
  ClientDataSet &d = chain->dataSet;
  change(d, "000001", "COMPONENTE", "Frasco ambar");
  connection.close();
  EXPECT_THROW(d.applyUpdates(-1), EDatabaseError);
  EXPECT_EQ(d.changeCount(), 1);
  connection.open();
  EXPECT_EQ(d.applyUpdates(-1), 0);
  EXPECT_EQ(column("000001", "COMPONENTE"), "Frasco ambar");
}

TEST_F(WriteBack, RefreshKeepsTheRecordNumber) {
  auto chain = openItems();
  ClientDataSet &d = chain->dataSet;
  d.last();
  connection.executeDirect("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO) values ('000004', 'Bisnaga', 'EMB')");
  d.refresh();
  EXPECT_EQ(d.recordNumber(), 3);
  EXPECT_EQ(d.fieldByName(u"COMPONENTE").asString(), "Pote");  // whatever row now has the position
  connection.executeDirect("delete from COMPONEN where CODIGO in ('000002', '000003')");
  d.refresh();
  EXPECT_EQ(d.recordNumber(), 2);  // fewer rows: the last one
  EXPECT_EQ(d.recordCount(), 2);
}
