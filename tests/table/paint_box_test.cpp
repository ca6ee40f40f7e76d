// The table widget: system repaints on invalidation and resize, showing the canvas, and
// mouse presses and releases in the widget's own coordinates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <tuple>
#include <vector>

#include "paint_box.h"
#include "pixels.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

class PaintBoxTest : public ::testing::Test {
 protected:
  PaintBoxTest() {
    box.SetSystemRepaint([this] {
      ++repaints;
      box.canvas().Clear(kGreen);
    });
    box.resize(300, 200);
    box.show();
    // Let the window be exposed, so that repaint() paints at once.
    for (int i = 0; i < 10 && !box.windowHandle()->isExposed(); ++i) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
  }
  QImage Shown() { return box.grab().toImage(); }

  PaintBox box;
  int repaints = 0;
};

TEST_F(PaintBoxTest, RepaintsTheTableOnlyWhenInvalidatedOrResized) {
  box.repaint();
  EXPECT_EQ(repaints, 1);
  EXPECT_EQ(box.canvas().LogicalSize(), QSize(300, 200));
  box.repaint();
  EXPECT_EQ(repaints, 1);

  box.Invalidate();
  EXPECT_TRUE(box.RepaintPending());
  box.repaint();
  EXPECT_EQ(repaints, 2);
  EXPECT_FALSE(box.RepaintPending());

  box.resize(420, 310);
  box.repaint();
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(box.canvas().LogicalSize(), QSize(420, 310));
  EXPECT_EQ(box.canvas().image().size(),
            (QSizeF(420, 310) * box.devicePixelRatioF()).toSize());
}

TEST_F(PaintBoxTest, ShowsWhatIsDrawnOnTheCanvas) {
  box.repaint();
  EXPECT_TRUE(Is(Shown(), 150, 100, kGreen));
  // A drawing made between repaints appears without a system repaint.
  box.canvas().SetBrush(kRed);
  box.canvas().FillRect(10, 20, 30, 40);
  QApplication::processEvents();
  const QImage shown = Shown();
  EXPECT_TRUE(Is(shown, 10, 20, kRed));
  EXPECT_TRUE(Is(shown, 29, 39, kRed));
  EXPECT_TRUE(Is(shown, 30, 40, kGreen));
  EXPECT_EQ(repaints, 1);
}

TEST_F(PaintBoxTest, ReportsPressesAndReleasesAtTheirPixel) {
  std::vector<std::tuple<char, Qt::MouseButton, int, int>> seen;
  QObject::connect(&box, &PaintBox::pressed, [&seen](Qt::MouseButton b, int x, int y) {
    seen.emplace_back('p', b, x, y);
  });
  QObject::connect(&box, &PaintBox::released, [&seen](Qt::MouseButton b, int x, int y) {
    seen.emplace_back('r', b, x, y);
  });
  const auto send = [this](QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent event(type, at, box.mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton, QPointF(30, 40));
  send(QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(30.7, 40.2));
  send(QEvent::MouseButtonRelease, Qt::RightButton, QPointF(5, 199));
  send(QEvent::MouseButtonPress, Qt::MiddleButton, QPointF(-0.5, 7));
  const std::vector<std::tuple<char, Qt::MouseButton, int, int>> expected = {
      {'p', Qt::LeftButton, 30, 40},
      {'r', Qt::LeftButton, 30, 40},
      {'r', Qt::RightButton, 5, 199},
      {'p', Qt::MiddleButton, -1, 7},
  };
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace marnelok::test
