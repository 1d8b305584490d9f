#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest entry for suites that drive real widgets.
int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
