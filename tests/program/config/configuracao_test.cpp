#include "configuracao.h"
#include "failures.h"
#include "message_box_answerer.h"
#include "program_end_catcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace configuracao;

namespace {

const QByteArray kIp = kRotuloIpServidor;
const QByteArray kCor = kRotuloCorDeFundo;

class ConfigFile : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  Configuracao config;

  QString folder() const { return dir.path() + u'/'; }
  void write(const QByteArray &content) {
    QFile file(dir.filePath(QStringLiteral("VELDORIN.INI")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  void read(const QByteArray &content) {
    write(content);
    LeConfiguracao(config, folder());
  }
};

}  // namespace

TEST_F(ConfigFile, OnlyTheServerLineKeepsTheButtonFaceColour) {
  read(kIp + " 10.1.1.5\r\n");
  EXPECT_EQ(config.IpServidor, QStringLiteral("10.1.1.5"));
  EXPECT_EQ(config.CorDeFundo, clBtnFace);
  EXPECT_EQ(config.PastaPrograma, folder());
}

TEST_F(ConfigFile, CutsTheValueFromColumnsFiftyToOneHundredAndNine) {
  struct Case { const char *name; QByteArray content; QString ip; };
  const QByteArray sixtyFive = QByteArray(" ") + QByteArray(58, 'a') + "bcdefgh";
  const Case cases[] = {
      {"blanks around the value", kIp + "    10.1.1.5   \r\n", QStringLiteral("10.1.1.5")},
      {"blanks inside are kept, tabs too", kIp + " \tserv idor \r\n", QStringLiteral("\tserv idor")},
      {"value right after the colon loses its first character", kIp + "10.1.1.5\r\n", QStringLiteral("0.1.1.5")},
      {"cut after the sixtieth character", kIp + sixtyFive + "\r\n", QString(58, u'a') + QStringLiteral("bc")},
      {"the later of two lines wins", kIp + " primeiro\r\n" + kIp + " segundo\r\n", QStringLiteral("segundo")},
      {"a line of only the label empties the address", kIp + " antes\r\n" + kIp + "\r\n", QString()},
      {"lower-case label is not a label", kIp.toLower() + " 1.2.3.4\r\n", QString()},
      {"one full stop too few", kIp.left(46) + ": 1.2.3.4\r\n", QString()},
      {"line ends LF and CR alike", kIp + " a\n" + kIp + " b\r" + kIp + " c", QStringLiteral("c")},
      {"Windows-1252 bytes", kIp + " servid\xe3o\r\n", QStringLiteral("servidão")},
      {"empty file", QByteArray(), QString()},
      {"binary file", QByteArray("\x00\xff\x13\x10\r\n\x00", 7) + QByteArray(300, '\0'), QString()},
  };
  for (const Case &c : cases) {
    config = Configuracao{};
    read(c.content);
    EXPECT_EQ(config.IpServidor, c.ip) << c.name;
    EXPECT_EQ(config.CorDeFundo, clBtnFace) << c.name;
  }
}

TEST(ColourNumber, ReadsDecimalAndHexadecimalForms) {
  struct Case { const char *text; qint32 value; };
  const Case cases[] = {
      {"15793151", 15793151},           {"-16777201", clBtnFace}, {"+255", 255},
      {"$FF00000F", clBtnFace},         {"0x00F0FBFF", 0x00F0FBFF}, {"0XfF", 255},
      {"2147483647", 2147483647},       {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
  };
  for (const Case &c : cases) EXPECT_EQ(LeNumeroInteiro(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ColourNumber, RefusesWhatIsNotAWholeNumber) {
  for (const char *text : {"", "abc", "12a", "1.5", "2147483648", "-2147483649", "$", "$123456789", "0x", "- 1", "$G"})
    EXPECT_THROW(LeNumeroInteiro(QString::fromLatin1(text)), EConvertError) << text;
}

TEST_F(ConfigFile, CreamColourLine) {
  read(kCor + " 15793151\r\n");
  EXPECT_EQ(config.CorDeFundo, 0x00F0FBFF);
}

TEST_F(ConfigFile, BadColourStopsTheReadingAtItsLine) {
  write(kIp + " antes\r\n" + kCor + " azul\r\n" + kIp + " depois\r\n");
  EXPECT_THROW(LeConfiguracao(config, folder()), EConvertError);
  EXPECT_EQ(config.IpServidor, QStringLiteral("antes"));
  EXPECT_EQ(config.CorDeFundo, clBtnFace);

  Configuracao empty;
  write(kCor + "\r\n" + kIp + " depois\r\n");
  EXPECT_THROW(LeConfiguracao(empty, folder()), EConvertError);
  EXPECT_EQ(empty.IpServidor, QString());
}

TEST_F(ConfigFile, UnreadableFileIsAFailureNotAnEnd) {
  // Reading the process's own memory file at offset 0 fails, even for root.
  ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), dir.filePath(QStringLiteral("VELDORIN.INI"))));
  EXPECT_THROW(LeConfiguracao(config, folder()), EInOutError);
  EXPECT_EQ(config.CorDeFundo, clBtnFace);
}

TEST_F(ConfigFile, MissingFileSaysSoAndEndsTheProgram) {
  ProgramEndCatcher catcher;
  MessageBoxAnswerer answerer;
  try {
    LeConfiguracao(config, folder());
    FAIL() << "the program went on";
  } catch (const ProgramEnded &) {
  }
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_EQ(answerer.texts[0],
            QStringLiteral("Arquivo VELDORIN.INI não encontrado. Execute o programa Brunmeld.exe para criá-lo."));
  EXPECT_EQ(answerer.titles[0], QStringLiteral("Cadastro de Embalagens"));
}
