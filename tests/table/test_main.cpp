// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests need one QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  // Two screens: the usual one, and beside it a small one of 640 x 480.
#ifdef Q_OS_WIN
  // Qt splits the platform's options at colons, so the file is named without a drive letter:
  // relative to the current folder, in which it is made.
  QTemporaryDir dir(QStringLiteral("screens-XXXXXX"));
  const auto name = [](const QFile& file) {
    return QDir::current().relativeFilePath(file.fileName());
  };
#else
  QTemporaryDir dir;
  const auto name = [](const QFile& file) { return file.fileName(); };
#endif
  QFile config(dir.filePath("screens.json"));
  if (!dir.isValid() || !config.open(QIODevice::WriteOnly)) return 1;
  config.write(R"({"screens": [
    {"name": "main", "x": 0, "y": 0, "width": 800, "height": 800, "logicalDpi": 96, "dpr": 1},
    {"name": "small", "x": 800, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "dpr": 1}]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(name(config)));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
