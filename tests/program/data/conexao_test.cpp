#include "caminho_gds.h"
#include "conexao_central.h"
#include "connection.h"
#include "database_error.h"
#include "dm.h"
#include "dm2.h"
#include "message_box_answerer.h"
#include "program_end_catcher.h"
#include "temp_veldorin_folder.h"
#include "transaction.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kLibrary = QStringLiteral("libfbclient.so.2");

QString clientLibraryFolder() {
  for (const char *folder : {"/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib"})
    if (QFileInfo::exists(QLatin1String(folder) + u'/' + kLibrary)) return QLatin1String(folder);
  return {};
}

QString protocolOf(fb::Connection &connection) {
  fb::Transaction t(connection);
  return t.select(QStringLiteral("select rdb$get_context('SYSTEM', 'NETWORK_PROTOCOL') from rdb$database"))
      .rows[0][0].toString();
}

// Runs the set-up and returns the message it showed before ending; empty when it connected.
QString setUpFailureMessage(fb::Connection &connection, const QString &ip) {
  ProgramEndCatcher catcher;
  MessageBoxAnswerer answerer;
  try {
    abreConexaoCentral(connection, ip);
  } catch (const ProgramEnded &) {
    EXPECT_EQ(answerer.texts.size(), 1);
    EXPECT_EQ(answerer.icons.value(0), QMessageBox::Critical);
    return answerer.texts.value(0);
  }
  EXPECT_TRUE(answerer.texts.isEmpty());
  return {};
}

}  // namespace

TEST(CaminhoGds, FirstLineNamesTheClientLibraryFolder) {
  const QString hundred = u'/' + QString(99, u'a');
  struct Case { const char *name; QByteArray content; QString library; };
  const Case cases[] = {
      {"folder without separator", "/opt/fb/lib", QStringLiteral("/opt/fb/lib/") + kLibrary},
      {"folder with separator", "/opt/fb/lib/\r\n", QStringLiteral("/opt/fb/lib/") + kLibrary},
      {"exactly 100 characters get no separator", hundred.toLatin1() + "\r\n", hundred + kLibrary},
      {"longer lines are cut to 100 first", hundred.toLatin1() + "bcdef/", hundred + kLibrary},
      {"99 characters still get the separator", hundred.left(99).toLatin1(), hundred.left(99) + u'/' + kLibrary},
      {"blanks are kept", " /opt/fb ", QStringLiteral(" /opt/fb /") + kLibrary},
      {"only the first line counts", "\r\n/opt/fb/lib\r\n", QString()},
      {"empty file", "", QString()},
  };
  TempVeldorinFolder folder;
  for (const Case &c : cases) {
    folder.writeFile(QStringLiteral("CaminhoGDS.txt"), c.content);
    EXPECT_EQ(bibliotecaClienteDe(folder.path() + QStringLiteral("CaminhoGDS.txt")), c.library) << c.name;
  }
  EXPECT_EQ(bibliotecaClienteDe(folder.path() + QStringLiteral("missing.txt")), QString());
}

TEST(CentralConnection, FailureMessageIsBuiltPieceByPiece) {
  EXPECT_EQ(mensagemFalhaConexao(QStringLiteral("10.1.1.5"), QStringLiteral("EDatabaseError"), QStringLiteral("recusado")),
            QStringLiteral("Não foi possível fazer a conexão com o servidor.\r\n"
                           "Certique que o \"Ip: 10.1.1.5\" informado  no arquivo de configuração VELDORIN.INI está correto."
                           "\r\r\nClasse: EDatabaseError\rErro: recusado"));
}

TEST(CentralConnection, EmptyAddressAttachesTheLocalFileEmbedded) {
  TempVeldorinFolder folder;
  folder.createCentralDatabase();
  EXPECT_EQ(enderecoBancoCentral(QString()), folder.centralDatabase());
  EXPECT_EQ(enderecoBancoCentral(QStringLiteral("10.1.1.5")), QStringLiteral("10.1.1.5:") + folder.centralDatabase());

  TDM dm;
  TDM2 dm2;
  EXPECT_EQ(setUpFailureMessage(dm.sqlcon1, {}), QString());
  dm2.DataModuleCreate(QString());
  ASSERT_TRUE(dm.sqlcon1.isOpen());
  ASSERT_TRUE(dm2.SQLConnection1.isOpen());
  EXPECT_EQ(protocolOf(dm.sqlcon1), QString());  // no network protocol: embedded
}

TEST(CentralConnection, ClientLibraryFromCaminhoGds) {
  TempVeldorinFolder folder;
  folder.createCentralDatabase();
  const QString libraryFolder = clientLibraryFolder();
  ASSERT_FALSE(libraryFolder.isEmpty());
  folder.writeFile(QStringLiteral("CaminhoGDS.txt"), libraryFolder.toLocal8Bit() + "\r\n");
  fb::Connection connection;
  EXPECT_EQ(setUpFailureMessage(connection, {}), QString());
  EXPECT_EQ(connection.parameters().clientLibrary, libraryFolder + u'/' + kLibrary);
  EXPECT_TRUE(connection.isOpen());
}

TEST(CentralConnection, FolderWithoutTheLibraryEndsTheProgramWithTheMessage) {
  TempVeldorinFolder folder;
  folder.createCentralDatabase();
  folder.writeFile(QStringLiteral("CaminhoGDS.txt"), folder.path().toLocal8Bit());
  fb::Connection connection;
  const QString message = setUpFailureMessage(connection, {});
  EXPECT_TRUE(message.startsWith(QStringLiteral("Não foi possível fazer a conexão com o servidor.\r\n"
                                                "Certique que o \"Ip: \" informado  no arquivo")));
  EXPECT_TRUE(message.contains(QStringLiteral("\r\r\nClasse: EDatabaseError\rErro: ")));
  EXPECT_TRUE(message.contains(folder.path() + kLibrary));
  EXPECT_FALSE(connection.isOpen());
}

TEST(CentralConnection, MissingDatabaseFileEndsTheProgramWithTheMessage) {
  TempVeldorinFolder folder;
  fb::Connection connection;
  const QString message = setUpFailureMessage(connection, {});
  EXPECT_TRUE(message.contains(QStringLiteral("Classe: EDatabaseError\rErro: ")));
  EXPECT_TRUE(message.contains(folder.centralDatabase()));
}

// Against the private server that the test run starts on 127.0.0.1.
class CentralServer : public ::testing::Test {
 protected:
  void SetUp() override {
    server = qEnvironmentVariable("VELDORIN_TEST_SERVER");
    if (server.isEmpty()) GTEST_SKIP() << "needs the test server (run through ctest)";
  }
  QString server;
};

TEST_F(CentralServer, AttachesOverTcpWithTheStoredUser) {
  TempVeldorinFolder folder;
  folder.createCentralDatabase();
  TDM dm;
  EXPECT_EQ(setUpFailureMessage(dm.sqlcon1, server), QString());
  ASSERT_TRUE(dm.sqlcon1.isOpen());
  EXPECT_EQ(protocolOf(dm.sqlcon1), QStringLiteral("TCPv4"));
}

TEST_F(CentralServer, MissingDatabaseNamesTheConfiguredAddress) {
  TempVeldorinFolder folder;
  fb::Connection connection;
  const QString message = setUpFailureMessage(connection, server);
  EXPECT_TRUE(message.contains(QStringLiteral("\"Ip: ") + server + QStringLiteral("\" informado")));
  EXPECT_TRUE(message.contains(QStringLiteral("Classe: EDatabaseError")));
}

TEST_F(CentralServer, UnreachableServerEndsTheProgram) {
  TempVeldorinFolder folder;
  fb::Connection connection;
  const QString unreachable = QStringLiteral("127.0.0.1/1");  // nothing listens there
  const QString message = setUpFailureMessage(connection, unreachable);
  EXPECT_TRUE(message.contains(QStringLiteral("\"Ip: 127.0.0.1/1\"")));
  EXPECT_TRUE(message.contains(QStringLiteral("Erro: ")));
}

TEST_F(CentralServer, RefusedPasswordIsADatabaseError) {
  TempVeldorinFolder folder;
  folder.createCentralDatabase();
  fb::Connection connection;
  connection.parameters().database = server + u':' + folder.centralDatabase();
  connection.parameters().password = QStringLiteral("errada");
  try {
    connection.open();
    FAIL() << "attached with a wrong password";
  } catch (const EDatabaseError &e) {
    EXPECT_TRUE(e.message().contains(QStringLiteral("password"))) << e.message().toStdString();
  }
}
