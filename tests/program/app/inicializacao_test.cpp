#include "configuracao.h"
#include "delphi_colour.h"
#include "failures.h"
#include "inicializacao.h"
#include "message_box_answerer.h"
#include "nome_usuario.h"
#include "painel_componentes.h"
#include "painel_login.h"
#include "program_end_catcher.h"
#include "temp_veldorin_folder.h"
#include "termination_signals.h"
#include "tratamento_falhas.h"

#include <QApplication>
#include <csignal>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray kIp = configuracao::kRotuloIpServidor;
const QByteArray kCor = configuracao::kRotuloCorDeFundo;

// Captures what reaches the general failure handling while it lives.
class FailureRecorder {
 public:
  FailureRecorder() {
    previous_ = defineTratadorFalhas([this](std::exception_ptr failure) {
      try {
        std::rethrow_exception(failure);
      } catch (const std::exception &e) {
        messages << QString::fromUtf8(e.what());
      }
    });
  }
  ~FailureRecorder() { defineTratadorFalhas(previous_); }
  QStringList messages;

 private:
  TratadorFalhas previous_;
};

class StartUp : public ::testing::Test {
 protected:
  TempVeldorinFolder folder;

  void SetUp() override { folder.createCentralDatabase(); }

  std::unique_ptr<ObjetosDoPrograma> start(const QByteArray &ini) {
    folder.writeFile(QStringLiteral("VELDORIN.INI"), ini);
    auto objetos = criaObjetosDoPrograma(folder.path());
    objetos->FormCadCaps.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return objetos->FormCadCaps.ativacaoFeita(); }));
    return objetos;
  }
};

}  // namespace

TEST_F(StartUp, WindowWaitsForLoginWithOnlyTheLoginPanel) {
  auto objetos = start(kIp + "\r\n");
  TFormCadCaps &form = objetos->FormCadCaps;
  TPainelComponentes &painel = *form.PainelComponentes;

  EXPECT_EQ(form.windowTitle(), QStringLiteral("  Cadastro de Embalagens"));
  EXPECT_EQ(form.size(), QSize(800, 600));
  EXPECT_TRUE(objetos->DM.sqlcon1.isOpen());
  EXPECT_TRUE(objetos->DM2.SQLConnection1.isOpen());
  EXPECT_FALSE(objetos->DM.SQLConnection1.isOpen());  // the tutorial opens when first needed
  EXPECT_FALSE(objetos->Form2.isVisible());

  EXPECT_TRUE(form.PainelLogin->isVisible());
  EXPECT_EQ(form.PainelLogin->geometry(), QRect(152, 109, 331, 130));
  EXPECT_FALSE(painel.isVisible());
  EXPECT_EQ(form.PainelLogin->EditNome->text(), NomeUsuarioWindows().left(60));
  EXPECT_FALSE(painel.DBNavigator1->isEnabled());
  EXPECT_FALSE(painel.DBEdit1->isEnabled());
  for (QPushButton *b : {painel.BotFecharComp, painel.botgradecomp, painel.BotPesqcomp, painel.BitBtn1,
                         painel.BitBtn6, painel.BitBtnUltimaCompra})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_FALSE(painel.DBEdit2->isEnabled());
  EXPECT_TRUE(painel.DBEdit4->isEnabled());
  EXPECT_TRUE(painel.DBEdit7->isEnabled());
  EXPECT_TRUE(form.Timer1->isActive());
  EXPECT_EQ(form.Timer1->interval(), 3000);
  EXPECT_EQ(form.Timer3->interval(), 2000);
  EXPECT_EQ(form.botaoEscape(), form.PainelLogin->BotCancSenha);
}

TEST_F(StartUp, ActivationOpensThePackagingItemsAndClosingClosesThem) {
  auto objetos = start(kIp + "\r\n");
  TDM &dm = objetos->DM;
  EXPECT_TRUE(dm.Componentes.isOpen());
  EXPECT_EQ(dm.Componentes.recordCount(), 0);
  dm.sqlcon1.executeDirect(QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO) values ('000001', 'Pote', 'EMB')"));
  dm.sqlcon1.executeDirect(QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO) values ('000002', 'Acido', 'MP')"));
  dm.Componentes.refresh();
  EXPECT_EQ(dm.Componentes.recordCount(), 1);
  objetos->FormCadCaps.close();
  EXPECT_FALSE(dm.Componentes.isOpen());
}

TEST_F(StartUp, FailedActivationShowsNeitherPanel) {
  FailureRecorder failures;
  {
    fb::Connection connection;
    connection.parameters().database = folder.centralDatabase();
    connection.open();
    connection.executeDirect(QStringLiteral("drop table COMPONEN"));
  }
  auto objetos = start(kIp + "\r\n");
  ASSERT_EQ(failures.messages.size(), 1);
  EXPECT_TRUE(failures.messages[0].contains(QStringLiteral("COMPONEN")));
  EXPECT_FALSE(objetos->FormCadCaps.PainelLogin->isVisible());
  EXPECT_FALSE(objetos->FormCadCaps.PainelComponentes->isVisible());
}

TEST_F(StartUp, QualityTestsRefreshFailsQuietlyWhileTheListIsClosed) {
  MessageBoxAnswerer answerer;
  FailureRecorder failures;
  auto objetos = start(kIp + "\r\n");
  QTest::qWait(3300);  // one tick of the three-second refresh
  EXPECT_TRUE(answerer.texts.isEmpty());
  EXPECT_TRUE(failures.messages.isEmpty());
}

TEST_F(StartUp, ColourComesFromTheSettingsOrIsTheButtonFace) {
  struct Case { QByteArray ini; QColor colour; };
  const Case cases[] = {
      {kIp + "\r\n", colourFromCode(configuracao::clBtnFace)},
      {kCor + " 15793151\r\n" + kIp + "\r\n", QColor(0xFF, 0xFB, 0xF0)},
  };
  for (const Case &c : cases) {
    auto objetos = start(c.ini);
    EXPECT_EQ(objetos->FormCadCaps.palette().color(QPalette::Window), c.colour);
    EXPECT_EQ(objetos->FormCadCaps.PainelComponentes->palette().color(QPalette::Window), c.colour);
  }
}

TEST_F(StartUp, ActivationRunsOnceWhateverActivatesTheWindowAgain) {
  auto objetos = start(kIp + "\r\n");
  TFormCadCaps &form = objetos->FormCadCaps;
  form.PainelLogin->EditNome->setText(QStringLiteral("MARIA"));
  {
    MessageBoxAnswerer answerer;
    QTimer::singleShot(0, [] { QMessageBox::information(nullptr, QStringLiteral("t"), QStringLiteral("x")); });
    QTest::qWait(100);
    ASSERT_EQ(answerer.texts.size(), 1);
  }
  form.hide();
  form.show();
  form.activateWindow();
  QTest::qWait(50);
  EXPECT_EQ(form.PainelLogin->EditNome->text(), QStringLiteral("MARIA"));
}

TEST_F(StartUp, EscapeOnTheLoginPanelEndsTheProgram) {
  auto objetos = start(kIp + "\r\n");
  TFormCadCaps &form = objetos->FormCadCaps;
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }));
  QTest::keyClick(form.PainelLogin->EditNome, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.PainelLogin->isVisible());
}

TEST_F(StartUp, TerminationSignalClosesTheWindowTheOrdinaryWay) {
  auto objetos = start(kIp + "\r\n");
  TFormCadCaps &form = objetos->FormCadCaps;
  closeOnTerminationSignals(&form);
  ASSERT_TRUE(form.isVisible());
  ::raise(SIGTERM);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
}

TEST_F(StartUp, BadColourGoesToTheFailureHandlingAndTheStartUpGoesOn) {
  FailureRecorder failures;
  auto objetos = start(kCor + " cinza\r\n" + kIp + " 10.9.9.9\r\n");
  ASSERT_EQ(failures.messages.size(), 1);
  EXPECT_EQ(failures.messages[0], QStringLiteral("'cinza' is not a valid integer value"));
  // The server line after the colour was never read, so the local database was used.
  EXPECT_EQ(objetos->FormCadCaps.config.IpServidor, QString());
  EXPECT_TRUE(objetos->DM.sqlcon1.isOpen());
}

TEST_F(StartUp, NoSettingsFileEndsBeforeAnyConnection) {
  ProgramEndCatcher catcher;
  MessageBoxAnswerer answerer;
  EXPECT_THROW(criaObjetosDoPrograma(folder.path() + QStringLiteral("sem-ini/")), ProgramEnded);
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].startsWith(QStringLiteral("Arquivo VELDORIN.INI não encontrado.")));
}

TEST_F(StartUp, UnreachableDatabaseEndsAfterItsMessage) {
  ProgramEndCatcher catcher;
  MessageBoxAnswerer answerer;
  folder.writeFile(QStringLiteral("VELDORIN.INI"), kIp + " 127.0.0.1/1\r\n");
  EXPECT_THROW(criaObjetosDoPrograma(folder.path()), ProgramEnded);
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0].contains(QStringLiteral("\"Ip: 127.0.0.1/1\"")));
}

TEST(FailureHandling, FailureEscapingAnEventHandlerIsShownAndTheLoopGoesOn) {
  MessageBoxAnswerer answerer;
  QPushButton button(QStringLiteral("falha"));
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    if (++clicks == 1) throw EConvertError(QStringLiteral("'x' is not a valid integer value"));
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_EQ(answerer.texts[0], QStringLiteral("'x' is not a valid integer value"));
  EXPECT_EQ(answerer.titles[0], QStringLiteral("Cadastro de Embalagens"));
  QTest::mouseClick(&button, Qt::LeftButton);  // the loop went on: the next click arrives
  EXPECT_EQ(clicks, 2);
}
