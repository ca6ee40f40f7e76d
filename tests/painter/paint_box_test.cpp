// SPDX-License-Identifier: GPL-3.0-or-later
// The table widget: system repaints on invalidation and resize, showing the canvas, and
// mouse presses and releases in the widget's own coordinates.
#include "paint_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <tuple>
#include <vector>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

TEST(PaintBox, RepaintsOnlyWhenInvalidatedOrResizedAndShowsTheCanvas) {
  PaintBox box;
  int repaints = 0;
  box.SetSystemRepaint([&] {
    ++repaints;
    box.canvas().Clear(kGreen);
  });
  box.resize(300, 200);
  box.show();
  for (int i = 0; i < 10 && !box.windowHandle()->isExposed(); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  box.repaint();
  box.repaint();
  EXPECT_EQ(repaints, 1);
  box.Invalidate();
  box.repaint();
  EXPECT_EQ(repaints, 2);
  box.resize(420, 310);
  box.repaint();
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(box.canvas().image().size(), (QSizeF(420, 310) * box.devicePixelRatioF()).toSize());
  // A drawing between repaints is shown without a system repaint.
  box.canvas().SetBrush(kRed);
  box.canvas().FillRect(10, 20, 30, 40);
  const QImage shown = box.grab().toImage();
  EXPECT_TRUE(Is(shown, 29, 39, kRed) && Is(shown, 30, 40, kGreen));
  EXPECT_EQ(repaints, 3);
}

TEST(PaintBox, ReportsPressesAndReleasesAtTheirPixel) {
  PaintBox box;
  using Click = std::tuple<char, Qt::MouseButton, int, int>;
  std::vector<Click> seen;
  QObject::connect(&box, &PaintBox::pressed,
                   [&](Qt::MouseButton b, int x, int y) { seen.emplace_back('p', b, x, y); });
  QObject::connect(&box, &PaintBox::released,
                   [&](Qt::MouseButton b, int x, int y) { seen.emplace_back('r', b, x, y); });
  const auto send = [&box](QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent event(type, at, box.mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton, {30, 40});
  send(QEvent::MouseButtonRelease, Qt::LeftButton, {30.7, 40.2});
  send(QEvent::MouseButtonRelease, Qt::RightButton, {5, 199});
  send(QEvent::MouseButtonPress, Qt::MiddleButton, {-0.5, 7});
  const std::vector<Click> expected = {{'p', Qt::LeftButton, 30, 40},
                                       {'r', Qt::LeftButton, 30, 40},
                                       {'r', Qt::RightButton, 5, 199},
                                       {'p', Qt::MiddleButton, -1, 7}};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace marnelok::test
