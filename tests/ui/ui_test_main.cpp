#include <gtest/gtest.h>

#include <QApplication>

// The widgets run for real, without a display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quantivo"));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
