#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the whole test binary, made before any test runs.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
