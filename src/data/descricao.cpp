#include "descricao.h"

#include "ascii_case.h"

namespace {

// Windows-1252 letters and their plain small forms; others stay as they are.
constexpr struct {
  char16_t accented;
  char16_t plain;
} kAcentos[] = {
    {u'À', u'a'}, {u'Á', u'a'}, {u'Â', u'a'}, {u'Ã', u'a'}, {u'Ç', u'c'}, {u'É', u'e'}, {u'Ê', u'e'}, {u'Í', u'i'},
    {u'Ñ', u'n'}, {u'Ó', u'o'}, {u'Ô', u'o'}, {u'Õ', u'o'}, {u'Ú', u'u'}, {u'Û', u'u'}, {u'Ü', u'u'}, {u'à', u'a'},
    {u'á', u'a'}, {u'â', u'a'}, {u'ã', u'a'}, {u'ç', u'c'}, {u'é', u'e'}, {u'ê', u'e'}, {u'í', u'i'}, {u'ñ', u'n'},
    {u'ó', u'o'}, {u'ô', u'o'}, {u'õ', u'o'}, {u'ú', u'u'}, {u'û', u'u'}, {u'ü', u'u'},
};

}  // namespace

QString RemoveAcentos(QString s) {
  for (QChar &c : s) {
    for (const auto &entry : kAcentos) {
      if (c.unicode() == entry.accented) {
        c = QChar(entry.plain);
        break;
      }
    }
  }
  return s;
}

QString FormataDescricao(QString s) {
  s = minusculasAZ(std::move(s));
  if (!s.isEmpty()) s = maiusculasAZ(s.left(1)) + s.mid(1);
  if (minusculasAZ(s.left(8)) == QLatin1String("vitamina"))
    s = s.left(9) + maiusculasAZ(s.mid(9, 1)) + s.mid(10);
  return RemoveAcentos(s);
}
