#include "value.h"

#include <gtest/gtest.h>

using fb::Decimal;

TEST(Decimal, PrintsShortestTextWithTheGivenSeparator) {
  struct Case { Decimal value; QChar separator; const char *text; };
  const Case cases[] = {
      {{150000000, 8}, u',', "1,5"},
      {{-150000000, 8}, u'.', "-1.5"},
      {{5, 8}, u',', "0,00000005"},
      {{100000000, 8}, u',', "1"},
      {{0, 8}, u',', "0"},
      {{INT64_MIN, 0}, u'.', "-9223372036854775808"},
      {{123, 0}, u'.', "123"},
  };
  for (const Case &c : cases) EXPECT_EQ(c.value.toString(c.separator), QString::fromUtf8(c.text)) << c.text;
}

TEST(Decimal, ReadsTextWithTheGivenSeparatorOnly) {
  EXPECT_EQ(Decimal::fromString(u"12,5", u','), (Decimal{125, 1}));
  EXPECT_EQ(Decimal::fromString(u"-0.0001", u'.'), (Decimal{-1, 4}));
  EXPECT_FALSE(Decimal::fromString(u"12.5", u','));
  EXPECT_FALSE(Decimal::fromString(u"", u'.'));
  EXPECT_FALSE(Decimal::fromString(u"1,2,3", u','));
  EXPECT_FALSE(Decimal::fromString(u"99999999999999999999", u'.'));
}

TEST(Decimal, RoundsDoublesTiesToEven) {
  EXPECT_EQ(Decimal::fromDouble(0.125, 2)->units, 12);  // exact binary ties
  EXPECT_EQ(Decimal::fromDouble(2.5, 0)->units, 2);
  EXPECT_EQ(Decimal::fromDouble(3.5, 0)->units, 4);
  EXPECT_EQ(Decimal::fromDouble(1.23456789, 8)->units, 123456789);
  EXPECT_FALSE(Decimal::fromDouble(1e300, 8));
}

TEST(Decimal, EqualityIgnoresScale) {
  EXPECT_EQ((Decimal{150, 2}), (Decimal{15, 1}));
  EXPECT_FALSE((Decimal{150, 2}) == (Decimal{15, 2}));
}
