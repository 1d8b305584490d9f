#include "win1252.h"

#include <array>

namespace win1252 {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five unassigned bytes,
// which are passed through as the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char16_t mapped = kHighControls[byte - 0x80];
    return mapped ? mapped : char16_t(byte);
  }
  return char16_t(byte);
}

// Returns -1 when the character has no Windows-1252 byte.
int toByte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < int(kHighControls.size()); ++i) {
    const char16_t mapped = kHighControls[i];
    if (mapped == c || (mapped == 0 && c == 0x80 + i)) return 0x80 + i;
  }
  return -1;
}

}  // namespace

QString decode(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar *out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
  return text;
}

QByteArray encode(QStringView text, bool *ok) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  bool all = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int byte = toByte(text[i].unicode());
    if (byte < 0) all = false;
    bytes[i] = char(byte < 0 ? '?' : byte);
  }
  if (ok) *ok = all;
  return bytes;
}

bool canEncode(QChar c) { return toByte(c.unicode()) >= 0; }

bool canEncode(QStringView text) {
  for (QChar c : text)
    if (!canEncode(c)) return false;
  return true;
}

}  // namespace win1252
