// The canvas primitives: exact edges, text extents on the pixel grid, clipping, the
// drawing state, high-DPI scaling and the change notification.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "canvas.h"
#include "pixels.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() {
    canvas.Resize(QSize(200, 120));
    canvas.Clear(kUntouched);
  }
  const QImage& Image() const { return canvas.image(); }
  QRect Touched(const QRect& region = QRect(0, 0, 200, 120)) const {
    return BoundingBox(Image(), region, Not(kUntouched));
  }

  Canvas canvas;
};

TEST_F(CanvasTest, RectanglesExcludeTheirRightAndBottomEdges) {
  canvas.SetBrush(kRed);
  canvas.FillRect(10, 20, 15, 23);
  EXPECT_EQ(Touched(), QRect(10, 20, 5, 3));
  EXPECT_EQ(CountColour(Image(), QRect(0, 0, 200, 120), kRed), 15);

  // The frame is drawn in the brush colour, one pixel wide, inside the rectangle.
  canvas.SetBrush(kBlack);
  canvas.SetPen(kWhite);
  canvas.FrameRect(30, 30, 40, 36);
  EXPECT_EQ(Touched(QRect(25, 25, 30, 30)), QRect(30, 30, 10, 6));
  EXPECT_EQ(CountColour(Image(), QRect(30, 30, 10, 6), kBlack), 2 * 10 + 2 * 4);

  // Empty and inverted rectangles draw nothing.
  canvas.FillRect(50, 50, 50, 60);
  canvas.FillRect(60, 60, 55, 70);
  canvas.FrameRect(80, 80, 80, 90);
  EXPECT_FALSE(Touched(QRect(45, 45, 100, 60)).isValid());
}

TEST_F(CanvasTest, RoundRectOutlinesWithPenAndFillsWithBrush) {
  canvas.SetPen(kBlack);
  canvas.SetBrush(kYellow);
  canvas.RoundRect(20, 10, 120, 90, 25, 25);
  EXPECT_EQ(Touched(), QRect(20, 10, 100, 80));
  // Straight edges are single sharp pixels on the outermost rows and columns.
  for (const QPoint& edge : {QPoint(20, 50), QPoint(119, 50), QPoint(70, 10), QPoint(70, 89)}) {
    EXPECT_TRUE(Is(Image(), edge.x(), edge.y(), kBlack)) << edge.x() << "," << edge.y();
  }
  EXPECT_TRUE(Is(Image(), 21, 50, kYellow));
  EXPECT_TRUE(Is(Image(), 70, 50, kYellow));
  // The corners are rounded away.
  EXPECT_TRUE(Is(Image(), 20, 10, kUntouched));
  EXPECT_TRUE(Is(Image(), 119, 89, kUntouched));
}

TEST_F(CanvasTest, TextAtAPointCoversExactlyItsExtentOnThePixelGrid) {
  canvas.SetFontSize(12);
  canvas.SetBrush(kYellow);
  canvas.SetFontColor(kBlack);
  const QString text = QStringLiteral("Hg 10");
  const QSize extent = canvas.TextExtent(text);
  canvas.TextAt(20, 30, text);
  EXPECT_EQ(Touched(), QRect(QPoint(20, 30), extent));
  EXPECT_TRUE(Is(Image(), 20, 30, kYellow));
  EXPECT_GT(Count(Image(), QRect(QPoint(20, 30), extent), IsDark), 20);

  // One pixel further right gives the same pixels one pixel further right.
  const QImage first = Cut(Image(), QRect(QPoint(20, 30), extent));
  canvas.Clear(kUntouched);
  canvas.TextAt(21, 60, text);
  EXPECT_EQ(Cut(Image(), QRect(QPoint(21, 60), extent)), first);
}

TEST_F(CanvasTest, TextInARectangleFillsItAndIsClippedToIt) {
  canvas.SetFontSize(16);
  canvas.SetBrush(kWhite);
  canvas.SetFontColor(kRed);
  canvas.TextInRect(50, 50, 70, 62, 52, 52, QStringLiteral("WWWW"));
  EXPECT_EQ(Touched(), QRect(50, 50, 20, 12));
  EXPECT_TRUE(Is(Image(), 50, 50, kWhite));
  EXPECT_TRUE(Is(Image(), 69, 61, kWhite) || IsReddish(Image().pixel(69, 61)));
  EXPECT_GT(Count(Image(), QRect(50, 50, 20, 12), IsReddish), 10);
}

TEST_F(CanvasTest, FontSizesAreCountedInPointsAtNinetySixDotsPerInch) {
  canvas.ResetFont();
  EXPECT_EQ(canvas.FontSize(), 16);
  EXPECT_EQ(canvas.FontColor(), kBlack);
  const struct {
    int points;
    int pixels;
  } sizes[] = {{10, 13}, {12, 16}, {16, 21}};
  for (const auto& size : sizes) {
    canvas.SetFontSize(size.points);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(size.pixels);
    EXPECT_EQ(canvas.TextHeight(QStringLiteral("X")), QFontMetrics(font).height()) << size.points;
    EXPECT_EQ(canvas.FontSize(), size.points);
  }
  EXPECT_LT(canvas.TextWidth(QStringLiteral("WIN")), canvas.TextWidth(QStringLiteral("WINWIN")));
}

TEST_F(CanvasTest, ImagesAreCopiedAtTheirOwnSize) {
  QImage picture(7, 5, QImage::Format_RGB32);
  picture.fill(kRed);
  picture.setPixel(6, 4, kBlack.rgb());
  canvas.Draw(-3, 100, picture);  // partly off the canvas: clipped, no harm
  canvas.Draw(30, 40, picture);
  EXPECT_EQ(Touched(QRect(20, 20, 100, 60)), QRect(30, 40, 7, 5));
  EXPECT_TRUE(Is(Image(), 36, 44, kBlack));
  EXPECT_EQ(Touched(QRect(0, 95, 20, 25)), QRect(0, 100, 4, 5));
  canvas.Draw(0, 0, QImage());
  EXPECT_TRUE(Is(Image(), 0, 0, kUntouched));
}

TEST_F(CanvasTest, ReportsEveryDrawingOperationButNoStateChange) {
  int changes = 0;
  canvas.SetChangedCallback([&changes] { ++changes; });
  canvas.SetBrush(kRed);
  canvas.SetPen(kBlack);
  canvas.SetFontSize(10);
  canvas.SetFontColor(kRed);
  EXPECT_EQ(changes, 0);
  canvas.FillRect(0, 0, 5, 5);
  canvas.FrameRect(0, 0, 5, 5);
  canvas.RoundRect(0, 0, 50, 50, 25, 25);
  canvas.TextAt(0, 0, QStringLiteral("a"));
  canvas.TextInRect(0, 0, 9, 9, 0, 0, QStringLiteral("a"));
  canvas.Draw(0, 0, StandInImages().pip[1]);
  canvas.Clear(kGreen);
  EXPECT_EQ(changes, 7);
}

TEST_F(CanvasTest, DrawsInLogicalPixelsAtAnyDevicePixelRatio) {
  canvas.Resize(QSize(100, 60), 2.0);
  EXPECT_EQ(canvas.LogicalSize(), QSize(100, 60));
  EXPECT_EQ(Image().size(), QSize(200, 120));
  canvas.Clear(kUntouched);
  canvas.SetBrush(kRed);
  canvas.FillRect(10, 10, 20, 15);
  EXPECT_EQ(BoundingBox(Image(), Image().rect(), Exactly(kRed)), QRect(20, 20, 20, 10));

  canvas.Clear(kUntouched);
  canvas.SetFontSize(12);
  canvas.SetBrush(kWhite);
  const QSize extent = canvas.TextExtent(QStringLiteral("Ag"));
  canvas.TextAt(5, 7, QStringLiteral("Ag"));
  EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)),
            QRect(10, 14, 2 * extent.width(), 2 * extent.height()));
}

TEST_F(CanvasTest, AnEmptyCanvasIgnoresDrawing) {
  int changes = 0;
  canvas.SetChangedCallback([&changes] { ++changes; });
  canvas.Resize(QSize(0, 0));
  EXPECT_TRUE(Image().isNull());
  canvas.Clear(kRed);
  canvas.FillRect(0, 0, 5, 5);
  canvas.TextAt(0, 0, QStringLiteral("a"));
  canvas.RoundRect(0, 0, 50, 50, 25, 25);
  EXPECT_EQ(changes, 0);
  canvas.Resize(QSize(10, 10), -1.0);  // a nonsense ratio counts as 1
  EXPECT_EQ(Image().size(), QSize(10, 10));
}

}  // namespace
}  // namespace marnelok::test
