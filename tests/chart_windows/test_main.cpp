// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the Statistics window's tests inside one QApplication, offscreen, in a fixed locale
// that writes numbers differently from the C locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  // Test discovery runs this program outside CTest's environment, so the platform is set
  // here as well.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
