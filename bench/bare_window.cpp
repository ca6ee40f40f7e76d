// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time: a bare Qt main window with a menu bar and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  for (const char* title : {"&Game", "&Options", "Help"})
    window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
  window.resize(660, 500);
  window.show();
  return QApplication::exec();
}
