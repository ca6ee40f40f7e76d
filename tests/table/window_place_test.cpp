// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics and review windows' places: beside the table, on its screen, kept per user.
#include "window_place.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

namespace marnelok {
namespace {

TEST(WindowPlace, BesideTheTableOrCoveringLeastOfItWhollyOnTheScreen) {
  const QRect screen(0, 0, 1280, 1024);
  // Room to the right, then to the left, then below.
  EXPECT_EQ(PlaceBeside({0, 0, 500, 600}, {700, 700}, screen), QRect(508, 0, 700, 700));
  EXPECT_EQ(PlaceBeside({700, 100, 500, 600}, {600, 700}, screen), QRect(92, 100, 600, 700));
  EXPECT_EQ(PlaceBeside({300, 0, 700, 400}, {1000, 600}, screen), QRect(280, 408, 1000, 600));
  // No room anywhere: the place that covers least of the table, never off the screen.
  EXPECT_EQ(PlaceBeside({100, 50, 1000, 900}, {1000, 720}, screen), QRect(280, 304, 1000, 720));
  // A window larger than the screen is shrunk to it; a second screen's offsets are kept.
  EXPECT_EQ(PlaceBeside({1300, 0, 600, 400}, {2000, 2000}, {1280, 0, 800, 600}),
            QRect(1280, 0, 800, 600));
  EXPECT_EQ(FitOnScreen({1900, 500, 300, 200}, {1280, 0, 800, 600}), QRect(1780, 400, 300, 200));
}

TEST(WindowPlace, OpensOnTheTablesScreenWhereItWasLeft) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ini = dir.filePath("marnelok.ini");
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  const QRect small = QGuiApplication::screens()[1]->availableGeometry();

  QWidget table;
  table.setGeometry(small.x() + 20, small.y() + 20, 300, 300);
  table.show();
  QApplication::processEvents();  // the table gets its frame
  QWidget window(&table, Qt::Window);
  window.setObjectName(QStringLiteral("StatisticsWindow"));
  window.resize(1000, 720);
  {
    WindowPlaces places(ini, true);
    places.Show(window, table);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(small.contains(window.geometry())) << window.geometry().x();
    window.setGeometry(small.x() + 100, small.y() + 50, 400, 300);
    window.hide();  // where the player left it is kept
  }
  WindowPlaces later(ini, true);
  later.Show(window, table);
  EXPECT_EQ(window.geometry(), QRect(small.x() + 100, small.y() + 50, 400, 300));
  window.hide();

  // The table on the other screen: the window follows it there, its size kept.
  table.move(20, 20);
  WindowPlaces moved(ini, true);
  moved.Show(window, table);
  const QRect main = QGuiApplication::screens()[0]->availableGeometry();
  EXPECT_TRUE(main.contains(window.geometry()));
  EXPECT_EQ(window.size(), QSize(400, 300));
}

}  // namespace
}  // namespace marnelok
