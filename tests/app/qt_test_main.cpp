#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the whole test binary, made before any test runs, on the headless
// platform unless the caller chose another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
