#include "credential_encoding.h"
#include "win1252.h"

#include <gtest/gtest.h>

namespace {

// Independent model: the bytes as one big-endian number rotated left by three
// bits, its bytes written least significant first as "hex" digits A..P.
QString referenceEncoding(const QByteArray &bytes) {
  const qsizetype n = bytes.size();
  QString letters;
  for (qsizetype k = n - 1; k >= 0; --k) {
    const unsigned high = static_cast<unsigned char>(bytes[k]);
    const unsigned next = static_cast<unsigned char>(bytes[(k + 1) % n]);
    const unsigned rotated = ((high << 3) | (next >> 5)) & 0xFFu;
    letters += QChar(u'A' + (rotated >> 4));
    letters += QChar(u'A' + (rotated & 0xFu));
  }
  return letters;
}

// Deterministic text using every byte value in turn, accents included.
QByteArray textOfLength(int length) {
  QByteArray bytes;
  for (int i = 0; i < length; ++i) bytes += char((i * 97 + 13) % 256);
  return bytes;
}

}  // namespace

TEST(CodificaCredencial, MatchesTheWorkedExamples) {
  const struct {
    QString text;
    QString encoded;
  } cases[] = {
      {QString(), QString()},
      {QStringLiteral("ABC"), QStringLiteral("BKBCAK")},
      {QStringLiteral("A"), QStringLiteral("AK")},
      {QStringLiteral("Ç"), QStringLiteral("DO")},
      {QStringLiteral("abc"), QStringLiteral("BLBDAL")},
  };
  for (const auto &c : cases) EXPECT_EQ(CodificaCredencial(c.text), c.encoded) << c.text.toStdString();
}

TEST(CodificaCredencial, EverySingleByteFollowsTheBitRotation) {
  for (int code = 0; code < 256; ++code) {
    const QByteArray byte(1, char(code));
    EXPECT_EQ(CodificaCredencial(win1252::decode(byte)), referenceEncoding(byte)) << "code " << code;
  }
}

TEST(CodificaCredencial, EveryLengthKeepsEveryCharacter) {
  for (int length : {2, 3, 15, 16, 31, 32, 33, 64, 127, 128, 300}) {
    const QByteArray bytes = textOfLength(length);
    const QString encoded = CodificaCredencial(win1252::decode(bytes));
    EXPECT_EQ(encoded.size(), 2 * length);
    EXPECT_EQ(encoded, referenceEncoding(bytes)) << "length " << length;

    // Changing only the last character changes the result: nothing is dropped at the end.
    QByteArray changed = bytes;
    changed[length - 1] = char(changed[length - 1] ^ 0x01);
    EXPECT_NE(CodificaCredencial(win1252::decode(changed)), encoded) << "length " << length;
  }
}

TEST(CodificaCredencial, TakesWindows1252CodesNotUnicode) {
  // The euro sign is U+20AC but byte 0x80; the left quote is U+2018 but 0x91.
  EXPECT_EQ(CodificaCredencial(QStringLiteral("€")), referenceEncoding(QByteArray("\x80")));
  EXPECT_EQ(CodificaCredencial(QStringLiteral("JOSÉ ‘X’")), referenceEncoding(QByteArray("JOS\xC9 \x91X\x92")));
}

TEST(CredentialSteps, DigitsValuesAndLetters) {
  EXPECT_EQ(ByteParaBinario(0), QStringLiteral("00000000"));
  EXPECT_EQ(ByteParaBinario(65), QStringLiteral("01000001"));
  EXPECT_EQ(ByteParaBinario(255), QStringLiteral("11111111"));
  EXPECT_EQ(BinarioParaInteiro(u"00011010"), 26);
  EXPECT_EQ(BinarioParaInteiro(u"11111111"), 255);
  EXPECT_EQ(BinarioParaInteiro(u""), 0);
  EXPECT_EQ(NibbleParaLetra(u"0000"), QChar(u'A'));
  EXPECT_EQ(NibbleParaLetra(u"1010"), QChar(u'K'));
  EXPECT_EQ(NibbleParaLetra(u"1111"), QChar(u'P'));
  EXPECT_EQ(BytesParaLetras(QByteArray("\x1A\x12\x0A\x00\xFF", 5)), QStringLiteral("BKBCAKAAPP"));
}
