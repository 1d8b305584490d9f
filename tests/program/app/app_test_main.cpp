#include "aplicacao.h"

#include <gtest/gtest.h>

// The program's own application object, so that its failure handling is in force.
int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  Aplicacao app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
