// The canvas: text on the pixel grid, high-DPI scaling and the change notification.
// (Rectangle edges are read in the cell tests.)
#include <gtest/gtest.h>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

using CanvasTest = TableTest;

TEST_F(CanvasTest, TextCoversExactlyItsExtentAndMovesByWholePixels) {
  canvas.SetFontSize(12);
  canvas.SetBrush(kYellow);
  const QString text = QStringLiteral("Hg 10");
  const QSize extent = canvas.TextExtent(text);
  EXPECT_EQ(extent.height(), canvas.TextHeight(QStringLiteral("x")));
  canvas.TextAt(20, 30, text);
  EXPECT_EQ(Touched(), QRect(QPoint(20, 30), extent));
  EXPECT_GT(Count(Image(), Touched(), IsDark), 20);
  const QImage first = Image().copy(Touched());
  canvas.Clear(kUntouched);
  canvas.TextAt(21, 60, text);
  EXPECT_EQ(Image().copy(QRect(QPoint(21, 60), extent)), first);
}

TEST_F(CanvasTest, DrawsInLogicalPixelsAtAnyDevicePixelRatio) {
  canvas.Resize(QSize(100, 60), 2.0);
  EXPECT_EQ(Image().size(), QSize(200, 120));
  canvas.Clear(kUntouched);
  canvas.SetBrush(kRed);
  canvas.FillRect(10, 10, 20, 15);
  EXPECT_EQ(Touched(), QRect(20, 20, 20, 10));
  canvas.Clear(kUntouched);
  const QSize extent = canvas.TextExtent(QStringLiteral("Ag"));
  canvas.TextAt(5, 7, QStringLiteral("Ag"));
  EXPECT_EQ(Touched(), QRect(10, 14, 2 * extent.width(), 2 * extent.height()));
}

TEST_F(CanvasTest, ReportsEachDrawingButNoStateChangeAndIgnoresAnEmptyImage) {
  int changes = 0;
  canvas.SetChangedCallback([&changes] { ++changes; });
  canvas.SetBrush(kRed);
  canvas.SetFontSize(10);
  EXPECT_EQ(changes, 0);
  canvas.FillRect(0, 0, 5, 5);
  canvas.RoundRect(0, 0, 50, 50, 25, 25);
  canvas.TextInRect(0, 0, 9, 9, 0, 0, QStringLiteral("a"));
  canvas.Draw(0, 0, images.pip[1]);
  EXPECT_EQ(changes, 4);
  canvas.Resize(QSize(0, 0));
  canvas.Clear(kRed);
  canvas.TextAt(0, 0, QStringLiteral("a"));
  EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace marnelok::test
