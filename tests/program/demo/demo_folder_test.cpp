#include "connection.h"
#include "demo_folder.h"
#include "transaction.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr demo::DemoSize kSmall{60, 30};

// The rows that make the demo what it is, in a fixed order.
QStringList dump(const QString &folder) {
  fb::Connection central;
  central.parameters().database = demo::centralDatabasePath(folder);
  central.open();
  fb::Transaction read(central);
  QStringList lines;
  for (const char *sql : {"select CODIGO, COMPONENTE, GRUPO, CUSTOUNITR, PRECOR, GRUPOPRECO from COMPONEN order by CODIGO",
                          "select USUARIO, SENHA, ACESSO from USUARIOS order by USUARIO",
                          "select COMPONENTE, NOTAFISCAL, DATA, QUANTIDADE from COMPRAS order by NOTAFISCAL, COMPONENTE"})
    for (const auto &row : read.select(QString::fromLatin1(sql)).rows) {
      QStringList cells;
      for (const fb::Value &cell : row) cells << cell.toString();
      lines << cells.join(u'|');
    }
  return lines;
}

}  // namespace

TEST(DemoFolder, MakesBothDatabasesAndRefusesToRunAgain) {
  QTemporaryDir dir;
  demo::createDemoFolder(dir.path(), kSmall);
  const QString central = dir.filePath(QStringLiteral("dados/veldorin.bd"));
  ASSERT_TRUE(QFile::exists(central));
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("TUTORIAL.BD"))));
  const QStringList before = dump(dir.path());

  EXPECT_THROW(demo::createDemoFolder(dir.path(), kSmall), demo::DemoFolderExists);
  EXPECT_EQ(dump(dir.path()), before) << "the existing demo is left as it was";
}

TEST(DemoFolder, RefusesWhenOnlyTheTutorialExists) {
  QTemporaryDir dir;
  QFile tutorial(dir.filePath(QStringLiteral("TUTORIAL.BD")));
  ASSERT_TRUE(tutorial.open(QIODevice::WriteOnly));
  tutorial.write("someone's pages");
  tutorial.close();

  EXPECT_THROW(demo::createDemoFolder(dir.path(), kSmall), demo::DemoFolderExists);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dados/veldorin.bd"))));
  ASSERT_TRUE(tutorial.open(QIODevice::ReadOnly));
  EXPECT_EQ(tutorial.readAll(), QByteArray("someone's pages"));
}

TEST(DemoFolder, AFailedRunLeavesNoHalfMadeDatabases) {
  QTemporaryDir dir;
  const demo::DemoSize impossible{10, 11};  // more packaging items than components
  EXPECT_THROW(demo::createDemoFolder(dir.path(), impossible), std::invalid_argument);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dados/veldorin.bd"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("TUTORIAL.BD"))));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("dados"))));
  demo::createDemoFolder(dir.path(), kSmall);  // and a later run can start afresh
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("dados/veldorin.bd"))));
}

TEST(DemoFolder, TheSameSizeAlwaysGivesTheSameData) {
  QTemporaryDir first, second;
  demo::createDemoFolder(first.path(), kSmall);
  demo::createDemoFolder(second.path(), kSmall);
  const QStringList rows = dump(first.path());
  EXPECT_GT(rows.size(), kSmall.components);
  EXPECT_EQ(dump(second.path()), rows);
}
