// SPDX-License-Identifier: GPL-3.0-or-later
// The card renderer: pips, indices and symbols of card faces, empty slots, the next-game
// tile, blanks, codes that draw nothing, and the state each cell leaves behind.
#include <gtest/gtest.h>

#include <vector>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

using CardCellTest = TableTest;
using Rows = std::vector<std::vector<int>>;  // entry n - 1: x offsets of a row of n pips

TEST_F(CardCellTest, PipsLieWhereTheLayoutTablePutsThem) {
  const Rows regular = {{31}, {25, 37}, {19, 31, 43}, {13, 25, 37, 49}, {7, 19, 31, 43, 55}};
  const Rows large = {{36}, {30, 42}, {24, 36, 48}, {18, 30, 42, 54}, {12, 24, 36, 48, 60}};
  const struct {
    bool large;
    int suit, singleY, topY, bottomY;
    const Rows& rows;
  } layouts[] = {{false, kHearts, 36, 27, 45, regular},
                 {false, kClubs, 36, 26, 46, regular},
                 {true, kSpades, 49, 40, 58, large},
                 {true, kClubs, 49, 39, 59, large}};
  for (const auto& layout : layouts) {
    if (layout.large) UseLargeCards();
    const QSize pip = images.pip[layout.suit].size();
    for (int rank = 1; rank <= 13; ++rank) {
      SCOPED_TRACE(testing::Message() << layout.large << " " << layout.suit << " " << rank);
      canvas.Clear(kUntouched);
      painter.DrawCell(CodeOf(rank, layout.suit), 3, 2);
      const Point o = CellOrigin(geometry, 3, 2);
      std::vector<QPoint> expected;
      const auto row = [&](int n, int y) {
        for (int x : layout.rows[n - 1]) expected.emplace_back(o.x + x, o.y + y);
      };
      if (rank <= 5) row(rank, layout.singleY);
      if (rank >= 6 && rank <= 10) {
        row(rank / 2, layout.topY);
        row(rank - rank / 2, layout.bottomY);
      }
      const PixelTest isPip = Exactly(PipColor(layout.suit));
      EXPECT_EQ(Count(Image(), Image().rect(), isPip),
                static_cast<int>(expected.size()) * pip.width() * pip.height());
      for (const QPoint& at : expected) {
        EXPECT_EQ(Box(Image(), QRect(at - QPoint(2, 2), pip + QSize(4, 4)), isPip), QRect(at, pip));
      }
    }
  }
}

TEST_F(CardCellTest, IndicesAndSymbolsSitInTheCornersOfAFramedWhiteFace) {
  const struct {
    int rank, suit;
    const char* label;
  } cards[] = {{1, kHearts, "A"}, {10, kDiamonds, "10"}, {10, kClubs, "10"}, {13, kSpades, "K"}};
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    for (const auto& card : cards) {
      SCOPED_TRACE(testing::Message() << large << " " << card.label << card.suit);
      canvas.Clear(kUntouched);
      painter.DrawCell(CodeOf(card.rank, card.suit), 4, 3);
      const Point o = CellOrigin(geometry, 4, 3);
      const int w = geometry.cardWidth, h = geometry.cardHeight;
      EXPECT_EQ(Touched(), QRect(o.x, o.y, w, h));
      EXPECT_EQ(Count(Image(), QRect(o.x, o.y, w, h), Exactly(kBlack)) -
                    Count(Image(), QRect(o.x + 1, o.y + 1, w - 2, h - 2), Exactly(kBlack)),
                2 * w + 2 * h - 4);  // the frame
      const QSize extent = canvas.TextExtent(QString::fromLatin1(card.label));
      const QRect topLeft(QPoint(o.x + 2, o.y + 1), extent);
      const QRect bottomRight(
          QPoint(o.x + w - 2, o.y + h - 2) - QPoint(extent.width(), extent.height()), extent);
      EXPECT_EQ(Image().copy(bottomRight), Image().copy(topLeft));  // same way up
      const QRect ink = Box(Image(), bottomRight, Not(kWhite));
      EXPECT_TRUE(ink.right() <= o.x + w - 3 && ink.right() >= o.x + w - 6) << ink.right();
      EXPECT_LE(ink.bottom(), o.y + h - 3);
      const bool red = card.suit == kHearts || card.suit == kDiamonds;
      EXPECT_GT(Count(Image(), topLeft, Exactly(red ? kRed : kBlack)), 0);
      EXPECT_EQ(Count(Image(), topLeft, red ? PixelTest(IsDark) : PixelTest(IsReddish)), 0);
      // Symbols bottom-left and top-right; the wider clubs symbol starts 25 px in.
      const int width[] = {0, 21, 23, 19, 21};
      const PixelTest isSymbol = Exactly(SymbolColor(card.suit));
      EXPECT_EQ(Box(Image(), QRect(o.x, o.y, w / 2, h), isSymbol),
                QRect(o.x + 2, o.y + h - 25, width[card.suit], 23));
      EXPECT_EQ(Box(Image(), QRect(o.x + w / 2, o.y, w / 2, h), isSymbol),
                QRect(o.x + w - (card.suit == kClubs ? 25 : 23), o.y + 2, width[card.suit], 23));
      if (card.rank == 13) {  // no pips: white between the symbols
        const QRect centre(o.x + 3, o.y + 25, w - 6, h - 2 - 23 - 25);
        EXPECT_EQ(Count(Image(), centre, Exactly(kWhite)), centre.width() * centre.height());
      }
    }
  }
}

TEST_F(CardCellTest, AtEveryRatioPicturesTakeTheDevicePixelsOfTheirLogicalPlace) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
    SCOPED_TRACE(ratio);
    canvas.Resize(QSize(760, 640), ratio);
    canvas.Clear(kUntouched);
    painter.DrawDeckStack();
    painter.DrawCell(CodeOf(7, kClubs), 3, 2);
    // The device pixels that the logical rectangle covers, edges rounded to the nearest.
    const auto place = [ratio](const QRect& r) {
      const auto at = [ratio](int v) { return qRound(v * ratio); };
      return QRect(QPoint(at(r.left()), at(r.top())),
                   QPoint(at(r.right() + 1) - 1, at(r.bottom() + 1) - 1));
    };
    const bool twin = ratio > 1.0;
    const Point o = CellOrigin(geometry, 3, 2);
    const QRect card = place(QRect(o.x, o.y, 71, 82));
    const PixelTest symbol = Exactly(twin ? TwinSymbolColor(kClubs) : SymbolColor(kClubs));
    const PixelTest pip = Exactly(twin ? TwinPipColor(kClubs) : PipColor(kClubs));
    // Only the twins show above ratio 1, only the 1x pictures at 1.
    EXPECT_EQ(Count(Image(), card, Exactly(twin ? SymbolColor(kClubs) : TwinSymbolColor(kClubs))),
              0);
    EXPECT_EQ(Box(Image(), place(QRect(o.x, o.y + 41, 35, 41)), symbol),
              place(QRect(o.x + 2, o.y + 57, 23, 23)));
    EXPECT_EQ(Box(Image(), place(QRect(o.x + 36, o.y, 35, 41)), symbol),
              place(QRect(o.x + 46, o.y + 2, 23, 23)));
    for (int x : {19, 31, 43}) {  // the top row of three pips
      EXPECT_EQ(Box(Image(), place(QRect(o.x + x - 2, o.y + 24, 13, 14)), pip),
                place(QRect(o.x + x, o.y + 26, 9, 10)))
          << x;
    }
    // The frame is equally thick on all four sides, a whole number of device pixels.
    const int line = std::max(1, static_cast<int>(ratio));
    const int midX = card.center().x(), midY = card.center().y();
    EXPECT_EQ(Count(Image(), QRect(card.left(), midY, 4, 1), Exactly(kBlack)), line);
    EXPECT_EQ(Count(Image(), QRect(card.right() - 3, midY, 4, 1), Exactly(kBlack)), line);
    EXPECT_EQ(Count(Image(), QRect(midX, card.top(), 1, 4), Exactly(kBlack)), line);
    EXPECT_EQ(Count(Image(), QRect(midX, card.bottom() - 3, 1, 4), Exactly(kBlack)), line);
    // The top card of the deck stack: its field inside the 1 px border, which a resampled
    // back blends into the field's outermost device pixels.
    const QRect field = place(QRect(14, 14, 69, 79));
    const QRect shown = Box(Image(), place(QRect(13, 13, 71, 81)),
                            Exactly(twin ? kTwinRegularBackFill : kRegularBackFill));
    if (ratio == 1.0 || ratio == 2.0) {
      EXPECT_EQ(shown, field);
    } else {
      EXPECT_TRUE(field.contains(shown) && shown.contains(field.adjusted(1, 1, -1, -1)));
    }
  }
}

TEST_F(CardCellTest, SlotsTileAndBlankCoverTheirCellsInTheTablesLayout) {
  for (bool alt : {false, true}) {  // the empty slot: table colour inside a white outline
    look.altColors = alt;
    canvas.Clear(kUntouched);
    painter.DrawCell(kEmptySlotCode, 6, 5);
    EXPECT_EQ(Touched(), QRect(389, 340, 71, 82));
    EXPECT_EQ(Count(Image(), QRect(389, 340, 71, 82), Exactly(kWhite)), 2 * 71 + 2 * 80);
    EXPECT_EQ(Count(Image(), QRect(390, 341, 69, 80), Exactly(alt ? kGrey : kGreen)), 69 * 80);
  }
  look.altColors = false;
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    canvas.Clear(kUntouched);
    painter.DrawDeckStack();
    painter.DrawCell(kNextGameTileCode, 1, 1);
    const QRect tile(QPoint(9, 7), large ? QPoint(95, 121) : QPoint(84, 95));
    EXPECT_EQ(Touched(), tile);
    EXPECT_EQ(Count(Image(), tile, Exactly(kBlack)) -
                  Count(Image(), tile.adjusted(1, 1, -1, -1), Exactly(kBlack)),
              2 * tile.width() + 2 * tile.height() - 4);
    EXPECT_EQ(Count(Image(), tile, Exactly(large ? kLargeBackFill : kRegularBackFill)), 0);
    for (int line = 0; line < 4; ++line) {  // "Click", "for", "next", "Game!"
      EXPECT_GT(Count(Image(), QRect(22, 10 + 20 * line, 50, 14), IsDark), 5) << line;
    }
    canvas.Clear(kUntouched);
    painter.DrawCell(CodeOf(9, kSpades), 1, 4);
    painter.DrawCell(kBlankCode, 1, 4);
    const Point o = CellOrigin(geometry, 1, 4);
    const QRect blank(o.x, o.y, geometry.cardWidth + 1, geometry.cardHeight + 1);
    EXPECT_EQ(Touched(), blank);
    EXPECT_EQ(Count(Image(), blank, Exactly(kGreen)), blank.width() * blank.height());
  }
}

TEST_F(CardCellTest, OtherCodesDrawNothing) {
  painter.DrawDeckStack();
  const QImage before = Image();
  for (int code : {0, 99, -1, 54, 76, 78, 89, 91, 1000}) {
    painter.DrawCell(code, 1, 1);
    painter.DrawCell(code, 4, 3);
  }
  painter.DrawCell(CodeOf(1, kHearts), -50, 1000);  // off the table: clipped away
  EXPECT_EQ(Image(), before);
}

// The WIN banner drawn after a cell lies at that cell's row pitch and takes the text size it
// left: the card size's for every code but the next-game tile, which leaves the panel's
// smaller one. The size shows in the height of the banner's red letters.
TEST_F(CardCellTest, TheBannerAfterACellTakesItsRowPitchAndTextSize) {
  const auto banner = [&](int code) {
    canvas.SetFontSize(33);
    painter.SetRowPitch(50);
    painter.DrawCell(code, 2, 2);
    const int top = BannerTop();
    return std::pair(top, Box(Image(), QRect(0, top, 48, 24), IsReddish).height());
  };
  const int letters = banner(CodeOf(4, kHearts)).second;
  EXPECT_GT(letters, 0);
  for (int code : {CodeOf(4, kClubs), kEmptySlotCode, kBlankCode, kDeckCode, kVoidCode})
    EXPECT_EQ(banner(code), std::pair(210, letters)) << code;  // a pitch of 84
  EXPECT_EQ(banner(kNextGameTileCode).first, 210);
  EXPECT_LT(banner(kNextGameTileCode).second, letters);
  UseLargeCards();
  EXPECT_EQ(banner(kVoidCode).first, 275);  // a pitch of 110
  EXPECT_GT(banner(kVoidCode).second, letters);
}

}  // namespace
}  // namespace marnelok::test
