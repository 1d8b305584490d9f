#include "failures.h"
#include "field_conversion.h"
#include "qt_printing.h"
#include "sql_text.h"

#include <gtest/gtest.h>

using namespace ds;
using fb::Decimal;
using fb::Value;

namespace {

const FieldDef kCost = FieldDef::decimal(QStringLiteral("CUSTOUNITR"), 15, 8);
const FieldDef kStock = FieldDef::floating(QStringLiteral("ESTOQUECRITICO"));
const FieldDef kMinutes = FieldDef::integer(QStringLiteral("TEMPOMANIP"));
const FieldDef kForms = FieldDef::text(QStringLiteral("GRUPOPRECO"), 60);
const FieldDef kControlled = FieldDef::text(QStringLiteral("CONTROLADA"), 3);
const FieldDef kSheet = FieldDef::blob(QStringLiteral("FICHATECNICA"));

struct TextCase {
  const char *label;
  FieldDef def;
  QString text;
  QChar separator;
  Value stored;       // what the field holds afterwards
  QString shownBack;  // the field read back as text
};

}  // namespace

TEST(FieldConversion, TextIsConvertedByTheFieldType) {
  const QList<TextCase> cases = {
      {"decimal, comma", kCost, "1,5", u',', Decimal{150000000, 8}, "1,5"},
      {"decimal, point", kCost, "1.5", u'.', Decimal{150000000, 8}, "1.5"},
      {"decimal, blanks around", kCost, " -7,25 ", u',', Decimal{-725000000, 8}, "-7,25"},
      {"decimal, largest", kCost, "9999999,99999999", u',', Decimal{999999999999999, 8}, "9999999,99999999"},
      {"decimal, tie rounds to even (down)", kCost, "0,123456785", u',', Decimal{12345678, 8}, "0,12345678"},
      {"decimal, tie rounds to even (up)", kCost, "0,123456795", u',', Decimal{12345680, 8}, "0,1234568"},
      {"double, exponent", kStock, "1e3", u',', 1000.0, "1000"},
      {"double, comma and exponent", kStock, "1,5E2", u',', 150.0, "150"},
      {"double, point", kStock, "0.25", u'.', 0.25, "0.25"},
      {"integer, sign and blanks", kMinutes, "  -42", u',', Value(-42), "-42"},
      {"integer, smallest", kMinutes, "-2147483648", u',', Value(std::int64_t(-2147483648LL)), "-2147483648"},
      {"text, fits", kControlled, "Não", u',', QStringLiteral("Não"), "Não"},
      {"text, one over the width", kForms, QString(61, u'x'), u',', QString(60, u'x'), QString(60, u'x')},
      {"text, euro sign is Windows-1252", kControlled, "€1", u',', QStringLiteral("€1"), "€1"},
      {"blob, no width", kSheet, QString(5000, u'ç'), u',', QString(5000, u'ç'), QString(5000, u'ç')},
      {"empty clears a decimal", kCost, "", u',', Value(), ""},
      {"empty clears a text", kForms, "", u',', Value(), ""},
  };
  for (const TextCase &c : cases) {
    SCOPED_TRACE(c.label);
    const Value stored = valueFromText(c.text, c.def, c.separator);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(stored.toString(c.separator), c.shownBack);
  }
}

TEST(FieldConversion, TextThatDoesNotConvertIsRefused) {
  const QList<std::tuple<const char *, FieldDef, QString, QChar, QString>> cases = {
      {"other separator", kCost, "1.5", u',', "'1.5' is not a valid floating point value"},
      {"two separators", kCost, "1,5,0", u',', "'1,5,0' is not a valid floating point value"},
      {"letters", kCost, "abc", u',', "'abc' is not a valid floating point value"},
      {"exponent in a decimal", kCost, "1e3", u',', "'1e3' is not a valid floating point value"},
      {"beyond the precision", kCost, "10000000", u',',
       "10000000 is not a valid value for field 'CUSTOUNITR'. The allowed range is -9999999,99999999 to 9999999,99999999"},
      {"double, other separator", kStock, "1.5", u',', "'1.5' is not a valid floating point value"},
      {"double, not a number", kStock, "nan", u',', "'nan' is not a valid floating point value"},
      {"integer, trailing blank", kMinutes, "42x", u',', "'42x' is not a valid integer value"},
      {"integer, beyond 32 bits", kMinutes, "2147483648", u',', "'2147483648' is not a valid integer value"},
      {"integer, fraction", kMinutes, "1,5", u',', "'1,5' is not a valid integer value"},
      {"text outside Windows-1252", kForms, "frasco ✓", u',', "'frasco ✓' holds characters that cannot be stored"},
      {"blob outside Windows-1252", kSheet, "tampa 😀", u',', "'tampa 😀' holds characters that cannot be stored"},
  };
  for (const auto &[label, def, text, separator, message] : cases) {
    SCOPED_TRACE(label);
    try {
      valueFromText(text, def, separator);
      ADD_FAILURE() << "accepted";
    } catch (const EConvertError &failure) {
      EXPECT_EQ(failure.message(), message);
    }
  }
}

TEST(FieldConversion, NumbersReadAndWrittenAsFloatAndInteger) {
  EXPECT_EQ(valueFromFloat(0.1, kCost, u','), Value(Decimal{10000000, 8}));  // exact, not 0.1000000000000000055
  EXPECT_EQ(valueFromFloat(2.5, kMinutes, u','), Value(2));                  // ties to even
  EXPECT_EQ(valueFromFloat(1.5, kForms, u','), Value(QStringLiteral("1,5")));
  EXPECT_EQ(valueFromInteger(124, kCost, u','), Value(Decimal{12400000000, 8}));
  EXPECT_EQ(valueFromInteger(7, kControlled, u'.'), Value(QStringLiteral("7")));
  EXPECT_THROW(valueFromFloat(1e8, kCost, u','), EConvertError);

  EXPECT_DOUBLE_EQ(floatOf(Decimal{150000000, 8}, kCost, u','), 1.5);
  EXPECT_DOUBLE_EQ(floatOf(QStringLiteral("2,5"), kForms, u','), 2.5);
  EXPECT_DOUBLE_EQ(floatOf(Value(), kCost, u','), 0.0);
  EXPECT_EQ(integerOf(Decimal{350000000, 8}, kCost, u','), 4);
  EXPECT_EQ(integerOf(QStringLiteral("000124"), kForms, u','), 124);
  EXPECT_EQ(integerOf(QStringLiteral("  +7"), kForms, u','), 7);
  EXPECT_THROW(integerOf(QStringLiteral("12A"), kForms, u','), EConvertError);
  EXPECT_THROW(integerOf(Value(), kForms, u','), EConvertError);  // an empty text is no number
  EXPECT_THROW(floatOf(QStringLiteral("x"), kForms, u','), EConvertError);
}

TEST(FieldConversion, ValuesCompareAsTheServerSortsThem) {
  const Value null;
  const Value a = QStringLiteral("a"), capitalB = QStringLiteral("B"), agua = QStringLiteral("Água"),
              zz = QStringLiteral("Zz"), padded = QStringLiteral("ab  "), ab = QStringLiteral("ab");
  EXPECT_EQ(compareValues(null, a), -1);
  EXPECT_EQ(compareValues(a, null), 1);
  EXPECT_EQ(compareValues(null, null), 0);
  EXPECT_EQ(compareValues(capitalB, a), -1);  // bytes: capitals first
  EXPECT_EQ(compareValues(agua, zz), 1);      // Á is 193
  EXPECT_EQ(compareValues(padded, ab), 0);    // trailing blanks do not count
  EXPECT_EQ(compareValues(Decimal{15, 1}, Decimal{150, 2}), 0);
  EXPECT_EQ(compareValues(Decimal{-1, 0}, 0.5), -1);
}

TEST(SqlText, TableAndOrderAreReadFromTheCommand) {
  EXPECT_EQ(sql_text::tableAfterFrom("select Max(CODIGO) as UltCod from Componen"), "COMPONEN");
  EXPECT_EQ(sql_text::tableAfterFrom("select *\nFROM \"Tutorial\" where x = 1"), "Tutorial");
  EXPECT_EQ(sql_text::tableAfterFrom("select 1 as X"), "");

  const auto order = sql_text::orderBy("select CODIGO, COMPONENTE from COMPONEN where GRUPO = 'EMB' order by COMPONENTE, c.Codigo desc");
  ASSERT_EQ(order.size(), 2);
  EXPECT_EQ(order[0].name, "COMPONENTE");
  EXPECT_FALSE(order[0].descending);
  EXPECT_EQ(order[1].name, "CODIGO");
  EXPECT_TRUE(order[1].descending);
  EXPECT_TRUE(sql_text::orderBy("select * from FORMAFAR").isEmpty());
  EXPECT_TRUE(sql_text::orderBy("select * from T order by upper(A)").isEmpty());

  EXPECT_EQ(sql_text::quotedIdentifier("CODIGO"), "CODIGO");
  EXPECT_EQ(sql_text::quotedIdentifier("Tutorial"), "\"Tutorial\"");
  EXPECT_EQ(sql_text::quotedIdentifier("A\"B"), "\"A\"\"B\"");
}
