// The card renderer: card faces (pips, indices, symbols), empty slots, the next-game tile,
// blanks, codes that draw nothing, and the state each cell leaves behind.
#include <gtest/gtest.h>

#include <vector>

#include "pixels.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

using CardCellTest = TableTest;

// Pip rows as documented: x offsets of a row of 1 to 5 pips, and the y offsets of the
// single row (ranks 1 to 5) or of the two rows (ranks 6 to 10).
struct PipLayout {
  bool large;
  int suit;
  int singleY, topY, bottomY;
  std::vector<std::vector<int>> rowX;  // index n - 1: x offsets of a row of n pips
};

const std::vector<std::vector<int>> kRegularRows = {
    {31}, {25, 37}, {19, 31, 43}, {13, 25, 37, 49}, {7, 19, 31, 43, 55}};
const std::vector<std::vector<int>> kLargeRows = {
    {36}, {30, 42}, {24, 36, 48}, {18, 30, 42, 54}, {12, 24, 36, 48, 60}};

TEST_F(CardCellTest, PipsLieWhereTheLayoutTablePutsThem) {
  const PipLayout layouts[] = {
      {false, kHearts, 36, 27, 45, kRegularRows},
      {false, kClubs, 36, 26, 46, kRegularRows},
      {true, kSpades, 49, 40, 58, kLargeRows},
      {true, kClubs, 49, 39, 59, kLargeRows},
  };
  for (const PipLayout& layout : layouts) {
    if (layout.large) UseLargeCards();
    const QImage& pip = images.pip[layout.suit];
    for (int rank = 1; rank <= 13; ++rank) {
      SCOPED_TRACE(testing::Message() << "large " << layout.large << " suit " << layout.suit
                                      << " rank " << rank);
      canvas.Clear(kUntouched);
      painter.DrawCell(CodeOf(rank, layout.suit), 3, 2);
      const Point origin = CellOrigin(geometry, 3, 2);
      std::vector<QPoint> expected;
      const auto row = [&](int count, int y) {
        for (int x : layout.rowX[count - 1]) expected.emplace_back(origin.x + x, origin.y + y);
      };
      if (rank <= 5) {
        row(rank, layout.singleY);
      } else if (rank <= 10) {
        row(rank / 2, layout.topY);
        row(rank - rank / 2, layout.bottomY);
      }
      const QRect card(origin.x, origin.y, geometry.cardWidth, geometry.cardHeight);
      EXPECT_EQ(CountColour(Image(), card, PipColour(layout.suit)),
                static_cast<int>(expected.size()) * pip.width() * pip.height());
      for (const QPoint& corner : expected) {
        EXPECT_EQ(BoundingBox(Image(), QRect(corner - QPoint(2, 2), pip.size() + QSize(4, 4)),
                              Exactly(PipColour(layout.suit))),
                  QRect(corner, pip.size()))
            << "pip at " << corner.x() - origin.x << "," << corner.y() - origin.y;
      }
    }
  }
}

TEST_F(CardCellTest, FacesAreWhiteInsideABlackFrameWithPictureFreeCourtCards) {
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    canvas.Clear(kUntouched);
    painter.DrawCell(CodeOf(13, kDiamonds), 2, 1);  // king
    const Point o = CellOrigin(geometry, 2, 1);
    const int w = geometry.cardWidth;
    const int h = geometry.cardHeight;
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), QRect(o.x, o.y, w, h));
    EXPECT_EQ(CountColour(Image(), QRect(o.x, o.y, w, 1), kBlack), w);
    EXPECT_EQ(CountColour(Image(), QRect(o.x, o.y + h - 1, w, 1), kBlack), w);
    EXPECT_EQ(CountColour(Image(), QRect(o.x, o.y, 1, h), kBlack), h);
    EXPECT_EQ(CountColour(Image(), QRect(o.x + w - 1, o.y, 1, h), kBlack), h);
    // Between the symbols the king's face is plain white.
    const QRect centre(o.x + 3, o.y + 25, w - 6, h - 2 - 23 - 25);
    EXPECT_EQ(CountColour(Image(), centre, kWhite), centre.width() * centre.height());
  }
}

TEST_F(CardCellTest, IndicesAreRedOrBlackAndTheBottomOneEndsTwoPixelsInside) {
  const struct {
    int rank;
    int suit;
    bool red;
  } cards[] = {{1, kHearts, true}, {10, kDiamonds, true}, {10, kClubs, false},
               {12, kSpades, false}, {11, kHearts, true}};
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    for (const auto& card : cards) {
      SCOPED_TRACE(testing::Message() << "large " << large << " rank " << card.rank);
      canvas.Clear(kUntouched);
      painter.DrawCell(CodeOf(card.rank, card.suit), 4, 3);
      const Point o = CellOrigin(geometry, 4, 3);
      const int w = geometry.cardWidth;
      const int h = geometry.cardHeight;
      canvas.SetFontSize(geometry.cardFontSize);
      const QString label = card.rank == 1    ? QStringLiteral("A")
                            : card.rank == 10 ? QStringLiteral("10")
                            : card.rank == 11 ? QStringLiteral("J")
                                              : QStringLiteral("Q");
      const QSize extent = canvas.TextExtent(label);
      const QRect topLeft(o.x + 2, o.y + 1, extent.width(), extent.height());
      const QRect bottomRight(o.x + w - 2 - extent.width(), o.y + h - 2 - extent.height(),
                              extent.width(), extent.height());
      // Same text the same way up: the same pixels, moved into the bottom-right corner.
      EXPECT_EQ(Cut(Image(), bottomRight), Cut(Image(), topLeft));
      const QRect ink = BoundingBox(Image(), bottomRight, Not(kWhite));
      ASSERT_TRUE(ink.isValid());
      EXPECT_LE(ink.right(), o.x + w - 3);
      EXPECT_LE(ink.bottom(), o.y + h - 3);
      EXPECT_GE(ink.right(), o.x + w - 6);
      // Nothing but the frame in the two outermost columns and rows.
      EXPECT_EQ(CountColour(Image(), QRect(o.x + w - 2, o.y + 30, 1, h - 31), kWhite), h - 31);
      EXPECT_EQ(CountColour(Image(), QRect(o.x + 30, o.y + h - 2, w - 31, 1), kWhite), w - 31);

      const int red = Count(Image(), topLeft, IsReddish);
      const int dark = Count(Image(), topLeft, IsDark);
      if (card.red) {
        EXPECT_GT(CountColour(Image(), topLeft, kRed), 0);
        EXPECT_EQ(dark, 0);
      } else {
        EXPECT_GT(CountColour(Image(), topLeft, kBlack), 0);
        EXPECT_EQ(red, 0);
      }
    }
  }
}

TEST_F(CardCellTest, SuitSymbolsSitInTheBottomLeftAndTopRightCorners) {
  const struct {
    int suit;
    int width;
    int topRightFromEdge;
  } suits[] = {{kHearts, 21, 23}, {kClubs, 23, 25}, {kDiamonds, 19, 23}, {kSpades, 21, 23}};
  for (const auto& suit : suits) {
    canvas.Clear(kUntouched);
    painter.DrawCell(CodeOf(5, suit.suit), 5, 4);
    const Point o = CellOrigin(geometry, 5, 4);
    const PixelTest symbol = Exactly(SymbolColour(suit.suit));
    const QRect leftHalf(o.x, o.y, 35, geometry.cardHeight);
    const QRect rightHalf(o.x + 36, o.y, 35, geometry.cardHeight);
    EXPECT_EQ(BoundingBox(Image(), leftHalf, symbol), QRect(o.x + 2, o.y + 82 - 2 - 23, suit.width, 23))
        << suit.suit;
    EXPECT_EQ(BoundingBox(Image(), rightHalf, symbol),
              QRect(o.x + 71 - suit.topRightFromEdge, o.y + 2, suit.width, 23))
        << suit.suit;
  }
}

TEST_F(CardCellTest, EmptySlotsFillTheCardInTheTableColourWithAWhiteOutline) {
  for (bool alt : {false, true}) {
    look.altColors = alt;
    const QColor table = alt ? kGrey : kGreen;
    canvas.Clear(kUntouched);
    painter.DrawCell(kEmptySlotCode, 6, 5);
    const Point o = CellOrigin(geometry, 6, 5);
    EXPECT_EQ(o.x, 389);
    EXPECT_EQ(o.y, 340);
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), QRect(389, 340, 71, 82));
    EXPECT_EQ(CountColour(Image(), QRect(389, 340, 71, 82), kWhite), 2 * 71 + 2 * 80);
    EXPECT_EQ(CountColour(Image(), QRect(390, 341, 69, 80), table), 69 * 80);
  }
}

TEST_F(CardCellTest, TheNextGameTileCoversTheDeckStack) {
  const struct {
    bool large;
    QRect covered;
  } sizes[] = {{false, QRect(QPoint(9, 7), QPoint(84, 95))},
               {true, QRect(QPoint(9, 7), QPoint(95, 121))}};
  for (const auto& size : sizes) {
    if (size.large) UseLargeCards();
    canvas.Clear(kUntouched);
    painter.DrawDeckStack();
    painter.DrawCell(kNextGameTileCode, 1, 1);
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), size.covered);
    const QRect& r = size.covered;
    EXPECT_EQ(CountColour(Image(), QRect(r.left(), r.top(), r.width(), 1), kBlack), r.width());
    EXPECT_EQ(CountColour(Image(), QRect(r.right(), r.top(), 1, r.height()), kBlack), r.height());
    EXPECT_EQ(CountColour(Image(), r, kRegularBackFill), 0);
    EXPECT_EQ(CountColour(Image(), r, kLargeBackFill), 0);
    EXPECT_TRUE(Is(Image(), r.right() - 3, r.bottom() - 3, kYellow));
    // Four words, one under the other, black on yellow.
    for (int line = 0; line < 4; ++line) {
      const QRect word(14 + 8, 4 + 6 + 20 * line, 50, 14);
      EXPECT_GT(Count(Image(), word, IsDark), 5) << line;
    }
    EXPECT_EQ(canvas.FontSize(), 10);
  }
}

TEST_F(CardCellTest, ABlankCoversTheCardBelowAndOnePixelMore) {
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    canvas.Clear(kUntouched);
    painter.DrawCell(CodeOf(9, kSpades), 1, 4);
    painter.DrawCell(kBlankCode, 1, 4);
    const Point o = CellOrigin(geometry, 1, 4);
    const QRect blank(o.x, o.y, geometry.cardWidth + 1, geometry.cardHeight + 1);
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), blank);
    EXPECT_EQ(CountColour(Image(), blank, kGreen), blank.width() * blank.height());
  }
}

TEST_F(CardCellTest, OtherCodesAndAnyCellPositionDrawNothing) {
  painter.DrawDeckStack();
  const QImage before = Image();
  for (int code : {0, 99, -1, 54, 76, 78, 89, 91, 1000}) {
    painter.DrawCell(code, 1, 1);
    painter.DrawCell(code, 4, 3);
  }
  EXPECT_EQ(Image(), before);
  // Cells far off the table are clipped away without complaint.
  painter.DrawCell(CodeOf(1, kHearts), -50, 1000);
  painter.DrawCell(kNextGameTileCode, 100000, -100000);
  EXPECT_EQ(Image(), before);
}

TEST_F(CardCellTest, EachCellLeavesTheDrawingStateOfItsLastBranch) {
  const QColor kBefore(1, 2, 3);
  const struct {
    int code;
    QColor brush, pen, font;
    int fontSize;
  } cases[] = {
      {CodeOf(4, kHearts), kWhite, kBlack, kRed, 12},
      {CodeOf(4, kDiamonds), kWhite, kBlack, kRed, 12},
      {CodeOf(4, kClubs), kWhite, kBlack, kBlack, 12},
      {CodeOf(13, kSpades), kWhite, kBlack, kBlack, 12},
      {kEmptySlotCode, kWhite, kBefore, kBefore, 12},
      {kNextGameTileCode, kYellow, kBlack, kBlack, 10},
      {kBlankCode, kGreen, kBefore, kBefore, 12},
      {kDeckCode, kBefore, kBefore, kBefore, 12},
      {kVoidCode, kBefore, kBefore, kBefore, 12},
  };
  for (const auto& c : cases) {
    canvas.SetBrush(kBefore);
    canvas.SetPen(kBefore);
    canvas.SetFontColor(kBefore);
    canvas.SetFontSize(33);
    geometry.rowPitch = 50;
    painter.DrawCell(c.code, 2, 2);
    EXPECT_EQ(canvas.Brush(), c.brush) << c.code;
    EXPECT_EQ(canvas.Pen(), c.pen) << c.code;
    EXPECT_EQ(canvas.FontColor(), c.font) << c.code;
    EXPECT_EQ(canvas.FontSize(), c.fontSize) << c.code;
    EXPECT_EQ(geometry.rowPitch, 84) << c.code;
  }
  UseLargeCards();
  painter.DrawCell(kVoidCode, 1, 1);
  EXPECT_EQ(geometry.rowPitch, 110);
  EXPECT_EQ(canvas.FontSize(), 16);
}

}  // namespace
}  // namespace marnelok::test
