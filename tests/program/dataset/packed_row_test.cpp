#include "packed_row.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

TEST(PackedRow, GivesBackEveryCellExactly) {
  const QList<fb::Value> cells = {
      fb::Value(),
      QStringLiteral("Não"),
      QString(),
      QString(255, u'a'),
      QString(70000, u'ç') + QStringLiteral("€"),
      fb::Decimal{-123456789012345, 8},
      fb::Decimal{7, 0},
      -0.1,
      std::int64_t(-2147483648LL),
      QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9, 123)),
      QDateTime(QDate(1899, 12, 30), QTime(0, 0)),
      true,
      fb::Value(),
  };
  const ds::PackedRow row(cells);
  EXPECT_EQ(row.values(), cells);
  for (int i = 0; i < cells.size(); ++i) EXPECT_EQ(row.value(i), cells[i]) << i;
  EXPECT_EQ(row.value(5), fb::Value(fb::Decimal{-123456789012345, 8}));
  EXPECT_EQ(ds::PackedRow().values(), QList<fb::Value>());
}
