#include "descricao.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
  QString texto;
  QString esperado;
};

}  // namespace

TEST(FormataDescricao, GivesTheNormalForm) {
  const Caso casos[] = {
      {QStringLiteral("FRASCO ÂMBAR 100 ML"), QStringLiteral("Frasco ambar 100 ml")},
      {QStringLiteral("vitamina c 500mg"), QStringLiteral("Vitamina C 500mg")},
      {QStringLiteral("vitamina b12"), QStringLiteral("Vitamina B12")},
      {QStringLiteral("VITAMINA"), QStringLiteral("Vitamina")},
      {QStringLiteral("vitaminac"), QStringLiteral("Vitaminac")},
      {QStringLiteral("Água"), QStringLiteral("agua")},
      {QStringLiteral("agua"), QStringLiteral("Agua")},
      {QStringLiteral("ÈGUA"), QStringLiteral("Ègua")},
      {QStringLiteral("POTE 'X' \\ 10"), QStringLiteral("Pote 'x' \\ 10")},
      {QString(), QString()},
  };
  for (const Caso &c : casos) EXPECT_EQ(FormataDescricao(c.texto), c.esperado) << c.texto.toStdString();
}

TEST(FormataDescricao, NoLongerChangesFromTheSecondApplication) {
  for (const QString &texto : {QStringLiteral("Água"), QStringLiteral("ÉTER 1L"), QStringLiteral("vitamina ã"),
                              QStringLiteral("ÇÃO"), QStringLiteral("frasco")}) {
    const QString segunda = FormataDescricao(FormataDescricao(texto));
    EXPECT_EQ(FormataDescricao(segunda), segunda) << texto.toStdString();
  }
}

TEST(RemoveAcentos, ReplacesTheSuitesAccentedLettersBySmallPlainOnes) {
  const Caso casos[] = {
      {QStringLiteral("ÀÁÂÃÇÉÊÍÑÓÔÕÚÛÜ"), QStringLiteral("aaaaceeinooouuu")},
      {QStringLiteral("àáâãçéêíñóôõúûü"), QStringLiteral("aaaaceeinooouuu")},
      {QStringLiteral("ÈÌÒÙèìòùËÏëïÎîÿ"), QStringLiteral("ÈÌÒÙèìòùËÏëïÎîÿ")},
      {QStringLiteral("Pote ABC-123"), QStringLiteral("Pote ABC-123")},
  };
  for (const Caso &c : casos) EXPECT_EQ(RemoveAcentos(c.texto), c.esperado) << c.texto.toStdString();
}
