#include "connection.h"
#include "database_error.h"
#include "exception_class.h"
#include "temp_database.h"
#include "transaction.h"

#include <gtest/gtest.h>

using namespace fb;

namespace {

class ClientLayer : public ::testing::Test {
 protected:
  TempCentralDatabase db;
  Connection &connection = db.connection();
};

}  // namespace

TEST_F(ClientLayer, ReadsEachColumnTypeExactly) {
  connection.executeDirect(QStringLiteral(
      "create table T (TXT varchar(10), FIX char(6), NUM numeric(15,8), DBL double precision, "
      "INTEIRO integer, TS timestamp, MEMO blob sub_type text)"));
  const QString longMemo(70000, u'ç');  // spans several blob segments
  Transaction write(connection);
  write.execute(QStringLiteral("insert into T values (?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("Não"), QStringLiteral("ab"), Decimal{-123456789012345, 8}, 0.1, 42,
                 QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9, 123)), longMemo});
  write.commit();

  const ResultSet result = [&] {
    Transaction read(connection);
    return read.select(QStringLiteral("select TXT, FIX, NUM, DBL, INTEIRO, TS, MEMO from T"));
  }();
  ASSERT_EQ(result.rows.size(), 1);
  const auto &row = result.rows[0];
  EXPECT_EQ(row[0], Value(QStringLiteral("Não")));
  EXPECT_EQ(row[1], Value(QStringLiteral("ab    ")));  // fixed width keeps its blanks
  EXPECT_EQ(row[2], Value(Decimal{-123456789012345, 8}));
  EXPECT_EQ(row[2].toString(u','), QStringLiteral("-1234567,89012345"));
  EXPECT_EQ(row[3], Value(0.1));
  EXPECT_EQ(row[4], Value(42));
  EXPECT_EQ(row[5], Value(QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9, 123))));
  EXPECT_EQ(row[6], Value(longMemo));

  const QList<ColumnType> types = {ColumnType::Text,    ColumnType::Text,      ColumnType::Decimal, ColumnType::Double,
                                   ColumnType::Integer, ColumnType::Timestamp, ColumnType::Blob};
  for (int i = 0; i < types.size(); ++i) EXPECT_EQ(result.columns[i].type, types[i]) << i;
  EXPECT_EQ(result.columns[0].length, 10);
  EXPECT_EQ(result.columns[2].scale, 8);
  EXPECT_EQ(result.columns[0].relation, QStringLiteral("T"));
}

TEST_F(ClientLayer, NullsAndAliasesComeBackAsAsked) {
  connection.executeDirect(QStringLiteral("insert into COMPONEN (CODIGO, GRUPO) values ('000007', 'EMB')"));
  Transaction read(connection);
  const ResultSet result =
      read.select(QStringLiteral("select Max(CODIGO) as UltCod, max(COMPONENTE) from Componen"));
  EXPECT_EQ(result.indexOf(u"ultcod"), 0);
  EXPECT_EQ(result.rows[0][0], Value(QStringLiteral("000007")));
  EXPECT_TRUE(result.rows[0][1].isNull());
  EXPECT_EQ(result.columns[0].field, QStringLiteral("MAX"));
}

TEST_F(ClientLayer, ExecuteDirectCountsTheRowsItTouched) {
  for (const char *code : {"1", "2", "3"})
    connection.executeDirect(QStringLiteral("insert into ITENSASS (SUBSTANCIA, CODIGOCOMP) values ('A%1', '9')").arg(code));
  EXPECT_EQ(connection.executeDirect(QStringLiteral("update ITENSASS set UNIDADE = 'un'")), 3);
  EXPECT_EQ(connection.executeDirect(QStringLiteral("delete from ItensAss where CodigoComp = '9'")), 3);
  EXPECT_EQ(connection.executeDirect(QStringLiteral("delete from ItensAss where CodigoComp = '9'")), 0);
}

TEST_F(ClientLayer, PreparedStatementRunsManyTimesWithAnyKindOfValue) {
  Transaction t(connection);
  PreparedStatement insert = t.prepare(QStringLiteral("insert into COMPONEN (CODIGO, CUSTOUNITR, FICHATECNICA) values (?, ?, ?)"));
  const std::vector<std::vector<Value>> rows = {
      {QStringLiteral("000001"), Value(), Value()},
      {QStringLiteral("000002"), Decimal{12345, 4}, QStringLiteral("Frasco âmbar")},
      {QStringLiteral("000003"), 2.5, Value()},
      {QStringLiteral("000004"), 7, QStringLiteral("")},
  };
  for (const auto &row : rows) EXPECT_EQ(insert.execute(row), 1);
  const ResultSet result = t.select(QStringLiteral("select CUSTOUNITR, FICHATECNICA from COMPONEN order by CODIGO"));
  ASSERT_EQ(result.rows.size(), 4);
  EXPECT_TRUE(result.rows[0][0].isNull());
  EXPECT_EQ(result.rows[1][0], Value(Decimal{12345, 4}));
  EXPECT_EQ(result.rows[1][1], Value(QStringLiteral("Frasco âmbar")));
  EXPECT_EQ(result.rows[2][0], Value(Decimal{250000000, 8}));
  EXPECT_EQ(result.rows[3][0], Value(Decimal{700000000, 8}));
}

TEST_F(ClientLayer, ForcedWritesCanBeSwitchedForBulkLoads) {
  auto mode = [&] {
    Transaction t(connection);
    return t.select(QStringLiteral("select mon$forced_writes from mon$database")).rows[0][0];
  };
  connection.close();
  connection.parameters().forcedWrites = false;
  connection.open();
  EXPECT_EQ(mode(), Value(0));
  connection.close();
  connection.parameters().forcedWrites = true;
  connection.open();
  EXPECT_EQ(mode(), Value(1));
}

TEST_F(ClientLayer, UncommittedWorkIsRolledBack) {
  {
    Transaction t(connection);
    t.execute(QStringLiteral("insert into FORMAFAR values ('Cápsula')"));
  }
  Transaction read(connection);
  EXPECT_TRUE(read.select(QStringLiteral("select * from FORMAFAR")).rows.isEmpty());
}

TEST_F(ClientLayer, FailuresCarryTheServerMessageAndTheirClass) {
  try {
    connection.executeDirect(QStringLiteral("select * from NAO_EXISTE"));
    FAIL() << "no failure";
  } catch (const EDatabaseError &e) {
    EXPECT_EQ(exceptionClassName(e), QStringLiteral("EDatabaseError"));
    EXPECT_TRUE(e.message().contains(QStringLiteral("NAO_EXISTE"))) << e.message().toStdString();
    EXPECT_EQ(e.sqlCode(), -204);
  }
  connection.executeDirect(QStringLiteral("insert into FORMAFAR values ('Creme')"));
  EXPECT_THROW(connection.executeDirect(QStringLiteral("insert into FORMAFAR values ('Creme')")), EDatabaseError);
}

TEST_F(ClientLayer, RefusesTextTheDatabaseCannotHold) {
  Transaction t(connection);
  EXPECT_THROW(t.execute(QStringLiteral("insert into FORMAFAR values (?)"), {QStringLiteral("日本")}), EDatabaseError);
}

TEST(ClientLayerAttach, ReportsMissingDatabaseAndMissingLibrary) {
  Connection missing;
  missing.parameters().database = QStringLiteral("/nonexistent/folder/veldorin.bd");
  EXPECT_THROW(missing.open(), EDatabaseError);
  EXPECT_FALSE(missing.isOpen());

  Connection noLibrary;
  noLibrary.parameters().clientLibrary = QStringLiteral("/nonexistent/GDS32.DLL");
  try {
    noLibrary.open();
    FAIL() << "no failure";
  } catch (const EDatabaseError &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("/nonexistent/GDS32.DLL")));
  }
}
