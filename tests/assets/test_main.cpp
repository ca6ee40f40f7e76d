// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the asset tests with a private, empty configuration folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QTemporaryDir config;
  if (config.isValid()) qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  return RUN_ALL_TESTS();
}
