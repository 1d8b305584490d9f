#include "credential_encoding.h"

#include "win1252.h"

namespace {

constexpr int kBitsPerByte = 8;
constexpr int kRotation = 3;

}  // namespace

QString ByteParaBinario(unsigned char code) {
  QString digits(kBitsPerByte, u'0');
  for (int position = kBitsPerByte - 1; position >= 0; --position, code >>= 1)
    if (code & 1) digits[position] = u'1';
  return digits;
}

int BinarioParaInteiro(QStringView digits) {
  int value = 0;
  for (QChar digit : digits) value = value * 2 + (digit == u'1' ? 1 : 0);
  return value;
}

QChar NibbleParaLetra(QStringView fourDigits) {
  return QChar(u'A' + BinarioParaInteiro(fourDigits));
}

QString BytesParaLetras(QByteArrayView bytes) {
  QString letters;
  letters.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    const QString digits = ByteParaBinario(static_cast<unsigned char>(byte));
    letters += NibbleParaLetra(QStringView(digits).first(4));
    letters += NibbleParaLetra(QStringView(digits).last(4));
  }
  return letters;
}

QString CodificaCredencial(QStringView text) {
  // Characters outside Windows-1252 cannot be typed into the program; should
  // one arrive anyway it takes the code of '?', as the Windows conversion does.
  const QByteArray codes = win1252::encode(text);

  QString digits;
  digits.reserve(codes.size() * kBitsPerByte);
  for (char code : codes) digits += ByteParaBinario(static_cast<unsigned char>(code));

  const QString rotated = digits.mid(kRotation) + digits.left(kRotation);

  // Groups of eight taken from the right: the last eight digits make the first byte.
  QByteArray regrouped;
  regrouped.reserve(codes.size());
  for (qsizetype end = rotated.size(); end >= kBitsPerByte; end -= kBitsPerByte)
    regrouped += char(BinarioParaInteiro(QStringView(rotated).sliced(end - kBitsPerByte, kBitsPerByte)));

  return BytesParaLetras(regrouped);
}
