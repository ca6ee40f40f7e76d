// SPDX-License-Identifier: GPL-3.0-or-later
// The Top 5 panel, the WIN banner and the hint's frame: places, colors, and the font size
// the banner takes over from whatever was drawn before it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "table_fixture.h"

namespace marnelok::test {
namespace {

class OverlaysTest : public TableTest {
 protected:
  OverlaysTest() {
    List([](int k) { return TopFiveEntry{QStringLiteral("Player %1").arg(k), 200 - k}; });
    state.totalScore = 150;
  }
  void List(const std::function<TopFiveEntry(int)>& entry) {
    for (int k = 1; k <= 5; ++k) topFive[static_cast<std::size_t>(k - 1)] = entry(k);
  }
  // Rows of column x, from y = top down, that hold a WIN box colour.
  QRect Band(int x = 1, int top = 0) const {
    return Box(Image(), QRect(x, top, 1, 640),
               [](QRgb p) { return Exactly(kYellow)(p) || Exactly(kWhite)(p); });
  }
  int WinHeight() const { return Box(Image(), QRect(0, 210, 48, 24), IsReddish).height(); }
};

TEST_F(OverlaysTest, TheTopFivePanelIsYellowInBothSchemesAndHidesTheBoard) {
  state.totalScore = 0;
  for (bool alt : {false, true}) {
    if (alt) UseAltColors();
    const QColor table = alt ? kGrey : kGreen;
    Deal();
    painter.SystemRepaint();
    painter.SetTopFiveShown(true);  // as the window marks it before drawing the panel
    painter.DrawTopFivePanel();
    EXPECT_TRUE(Is(Image(), 80, 200, kYellow));
    EXPECT_TRUE(Is(Image(), 60, 150, kBlack) && Is(Image(), 459, 150, kBlack));
    EXPECT_TRUE(Is(Image(), 200, 10, kBlack) && Is(Image(), 200, 333, kBlack));
    for (int y : {30, 60, 90, 120, 150, 180, 300}) {  // title, five entries, hint
      EXPECT_GT(Count(Image(), QRect(120, y, 100, 25), IsDark), 20) << y;
    }
    for (int y : {60, 90, 120, 150, 180})
      EXPECT_GT(Count(Image(), QRect(360, y, 40, 25), IsDark), 10);
    painter.SystemRepaint();  // with the panel up: no cells, no score panel
    EXPECT_EQ(Count(Image(), QRect(480, 0, 280, 640), Not(table)), 0);
    EXPECT_EQ(Count(Image(), QRect(0, 335, 760, 305), Not(table)), 0);
  }
  // Names longer than 23 characters are cut.
  const QImage shown = Image();
  List([](int k) { return TopFiveEntry{QStringLiteral("Player %1 with a long na").arg(k), 9}; });
  painter.SystemRepaint();
  const QImage cut = Image();
  EXPECT_NE(cut, shown);
  List([](int k) { return TopFiveEntry{QStringLiteral("Player %1 with a long name").arg(k), 9}; });
  painter.SystemRepaint();
  EXPECT_EQ(Image(), cut);
}

TEST_F(OverlaysTest, TopFiveTextsStayInsideThePanelAndClearOfTheScores) {
  // A name of 23 wide letters, a score that only a damaged record holds, and the hint line
  // are narrowed to their room rather than run under the scores or over the border.
  List([](int k) {
    return TopFiveEntry{k == 1 ? QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWW")
                               : QStringLiteral("Wolfgang Amadeus Mozart"),
                        k == 5 ? -2147483647 : 1000};
  });
  painter.DrawTopFivePanel();
  EXPECT_EQ(Count(Image(), QRect(459, 25, 1, 295), Exactly(kBlack)), 295);  // right border
  for (int y : {60, 90, 120, 150, 180}) {
    EXPECT_EQ(Count(Image(), QRect(350, y, 10, 25), IsDark), 0) << y;  // gap before scores
    EXPECT_GT(Count(Image(), QRect(120, y, 230, 25), IsDark), 100) << y;
  }
  EXPECT_GT(Count(Image(), QRect(360, 60, 90, 25), IsDark), 40);    // "1000" still reads
  EXPECT_GT(Count(Image(), QRect(330, 300, 125, 25), IsDark), 40);  // the hint's end: "..."
}

TEST_F(OverlaysTest, TheBannerLiesAtFiveHalvesOfTheRowPitch) {
  for (bool large : {false, true}) {  // after a game: 210 or 275
    if (large) UseLargeCards();
    Deal();
    state.gameActive = false;
    state.deckSlot() = kNextGameTileCode;
    state.currentCard() = kBlankCode;
    painter.SystemRepaint();
    const int y = large ? 275 : 210;
    EXPECT_EQ(Band(), QRect(1, y, 1, 24));
    EXPECT_EQ(Band(47, 130), QRect(47, y, 1, 24));
    EXPECT_EQ(Band(48, 130), QRect(48, y, 1, 24));
    EXPECT_GT(Count(Image(), QRect(48, y, 48, 24), IsReddish), 10);
  }
  // "View High Scores" during a game: the repaint leaves the pitch at 50, the banner at 125.
  state.gameActive = true;
  painter.SetTopFiveShown(true);
  painter.SystemRepaint();
  painter.DrawTopFivePanel();
  painter.DrawWinBanner();
  EXPECT_EQ(Band(), QRect(1, 125, 1, 24));
}

TEST_F(OverlaysTest, OnlyATotalOf150OrMoreShowsTheBannerAcrossTheScreenWidth) {
  for (int total : {149, 150}) {
    for (bool alt : {false, true}) {
      look.altColors = alt;
      state.totalScore = total;
      look.screenWidth = 100;  // boxes start at 0, 48 and 96
      canvas.Clear(kUntouched);
      painter.DrawWinBanner();
      EXPECT_EQ(Touched(), total < 150 ? QRect() : QRect(0, 210, 144, 24));
      EXPECT_TRUE(total < 150 || Is(Image(), 143, 210, alt ? kWhite : kYellow));
    }
  }
  look.screenWidth = 100000;  // wider than the table: clipped at its edge
  canvas.Clear(kUntouched);
  painter.DrawWinBanner();
  EXPECT_EQ(Touched(), QRect(0, 210, Image().width(), 24));
}

// A language whose word for the banner is longer than the English one.
class LongWord : public QTranslator {
 public:
  LongWord() { QCoreApplication::installTranslator(this); }
  ~LongWord() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return qstrcmp(source, "WIN") == 0 ? QStringLiteral("GAGNÉ") : QString();
  }
};

TEST_F(OverlaysTest, ALongerWordWidensEveryBoxAndIsNeverCut) {
  const LongWord french;
  look.screenWidth = 100;
  for (int points : {10, 12, 16}) {
    canvas.Clear(kUntouched);
    canvas.SetFontSize(points);
    painter.DrawWinBanner();
    const int box = Touched().width() / 2;  // two boxes, the second from x = box
    EXPECT_GT(box, 48);
    EXPECT_EQ(Touched(), QRect(0, 210, 2 * box, 24)) << points;
    EXPECT_EQ(Count(Image(), QRect(box - 2, 210, 4, 24), IsReddish), 0) << points;
    EXPECT_GT(Count(Image(), QRect(box / 2, 210, box / 2 - 2, 24), IsReddish), 10) << points;
  }
}

TEST_F(OverlaysTest, TheBannerTakesTheFontSizeInEffect) {
  Deal();
  state.gameActive = false;
  painter.DrawScorePanel();  // ends with the banner, at 10 points
  const int small = WinHeight();
  canvas.Clear(kUntouched);
  painter.DrawCell(CodeOf(2, kClubs), 6, 1);  // 12 points
  painter.DrawWinBanner();
  const int card = WinHeight();
  canvas.Clear(kUntouched);
  painter.DrawTopFivePanel();  // 16 points
  painter.DrawWinBanner();
  EXPECT_EQ(canvas.FontSize(), 16);
  // The bigger word is narrowed to fit its box whole: no letter is cut at a box's edge.
  EXPECT_EQ(Count(Image(), QRect(47, 210, 2, 24), IsReddish), 0);
  EXPECT_GT(Count(Image(), QRect(36, 210, 11, 24), IsReddish), 20);  // the "N"
  EXPECT_GT(small, 5);
  EXPECT_GT(card, small);
  EXPECT_GT(WinHeight(), card);
}

TEST_F(OverlaysTest, TheHintFrameLiesInsideItsEmptySlotAndGoesWithTheCell) {
  const QColor frame = HintFrameColor();
  for (bool large : {false, true}) {
    for (bool alt : {false, true}) {
      SCOPED_TRACE(testing::Message() << "large " << large << " alt " << alt);
      geometry = kRegularCards;
      look.altColors = false;
      look.cardBack = &images.regularBack;
      if (large) UseLargeCards();
      if (alt) UseAltColors();
      const QColor table = alt ? kGrey : kGreen;
      Deal();
      state.totalScore = 0;
      hint.reset();
      painter.SystemRepaint();
      const QImage plain = Image();

      hint = Cell{4, 3};
      painter.SystemRepaint();
      const Point o = CellOrigin(geometry, 4, 3);
      const int w = geometry.cardWidth;
      const int h = geometry.cardHeight;
      // Three rings from 2 to 4 pixels in: the outline and one pixel of table between.
      const QRect grid(0, 0, PanelLeft(geometry) - 2, Image().height());
      EXPECT_EQ(Box(Image(), grid, Exactly(frame)), QRect(o.x + 2, o.y + 2, w - 4, h - 4));
      EXPECT_EQ(Count(Image(), grid, Exactly(frame)), 3 * (2 * (w + h) - 8 * 3 - 4));
      const int midY = o.y + h / 2;
      const QColor across[] = {kWhite, table, frame, frame, frame, table};
      for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Is(Image(), o.x + i, midY, across[i])) << i;
        EXPECT_TRUE(Is(Image(), o.x + w - 1 - i, midY, across[i])) << i;
      }
      // Drawing the cell again leaves the picture exactly as without a hint.
      hint.reset();
      painter.DrawCell(kEmptySlotCode, 4, 3);
      EXPECT_EQ(Image(), plain);
    }
  }
  // Only an empty slot is framed, never under the Top 5 panel, and the drawing state that
  // the next routine relies on stays as it was.
  hint = Cell{4, 3};
  canvas.SetBrush(kRed);
  canvas.SetFontSize(10);
  painter.DrawHintFrame();
  EXPECT_EQ(canvas.Brush(), kRed);
  EXPECT_EQ(canvas.FontSize(), 10);
  const QImage framed = Image();
  painter.DrawCell(CodeOf(2, kClubs), 4, 3);
  state.board[4][3] = CodeOf(2, kClubs);
  const QImage card = Image();
  painter.DrawHintFrame();
  EXPECT_EQ(Image(), card);
  state.board[4][3] = kEmptySlotCode;
  painter.SetTopFiveShown(true);
  painter.DrawCell(kEmptySlotCode, 4, 3);
  const QImage slot = Image();
  painter.DrawHintFrame();
  EXPECT_EQ(Image(), slot);
  painter.SetTopFiveShown(false);
  painter.DrawHintFrame();
  EXPECT_EQ(Image(), framed);
  // At a fractional ratio the band is whole: no device pixel of table between its edges.
  canvas.Resize(QSize(760, 640), 1.5);
  painter.SystemRepaint();
  const Point o = CellOrigin(geometry, 4, 3);
  const int y = qRound((o.y + geometry.cardHeight / 2) * 1.5);
  int first = -1, last = -1, count = 0;
  for (int x = qRound(o.x * 1.5); x < qRound((o.x + 8) * 1.5); ++x) {
    if (QColor(Image().pixel(x, y)) != frame) continue;
    if (first < 0) first = x;
    last = x;
    ++count;
  }
  EXPECT_GE(count, 4);
  EXPECT_EQ(last - first + 1, count);
}

// The review's two frames in one cell (a placement that was the best one): a solid band where
// the card went and a dashed one further in on the best cell, both whole at their corners and
// apart from each other, from the table and from the hint's yellow, in both sizes and schemes.
TEST_F(OverlaysTest, TheReviewsTwoFramesShowTogetherInEverySizeAndScheme) {
  const QColor chosen = ChosenFrameColor();
  const QColor advised = AdvisedFrameColor();
  for (const QColor& c : {chosen, advised})
    for (const QColor& other : {kGreen, kGrey, kWhite, HintFrameColor()}) EXPECT_NE(c, other);
  EXPECT_NE(chosen, advised);
  for (bool large : {false, true}) {
    for (bool alt : {false, true}) {
      SCOPED_TRACE(testing::Message() << "large " << large << " alt " << alt);
      geometry = kRegularCards;
      look.altColors = false;
      look.cardBack = &images.regularBack;
      if (large) UseLargeCards();
      if (alt) UseAltColors();
      Deal();
      state.totalScore = 0;
      painter.SystemRepaint();
      painter.DrawCellFrame(Cell{3, 2}, TablePainter::CellFrame::kChosen);
      painter.DrawCellFrame(Cell{3, 2}, TablePainter::CellFrame::kAdvised);
      const Point o = CellOrigin(geometry, 3, 2);
      const int w = geometry.cardWidth;
      const int h = geometry.cardHeight;
      const QRect cell(o.x, o.y, w, h);
      EXPECT_EQ(Box(Image(), cell, Exactly(chosen)), QRect(o.x + 2, o.y + 2, w - 4, h - 4));
      EXPECT_EQ(Count(Image(), cell, Exactly(chosen)), 3 * (2 * (w + h) - 8 * 3 - 4));
      EXPECT_EQ(Box(Image(), cell, Exactly(advised)), QRect(o.x + 7, o.y + 7, w - 14, h - 14));
      // Dashed: along its top edge the advised band is broken, and shows at both ends.
      const int top = Count(Image(), QRect(o.x, o.y + 7, w, 1), Exactly(advised));
      EXPECT_LT(top, (w - 14) * 3 / 4);
      EXPECT_GT(top, (w - 14) / 3);
      EXPECT_TRUE(Is(Image(), o.x + 7, o.y + 7, advised));
      EXPECT_TRUE(Is(Image(), o.x + w - 8, o.y + h - 8, advised));
    }
  }
}

}  // namespace
}  // namespace marnelok::test
