// The deck stack, the board with its score panel and texts, and the row pitch that each
// routine and repaint leaves behind.
#include <gtest/gtest.h>

#include "hand.h"
#include "pixels.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

using BoardTest = TableTest;

TEST_F(BoardTest, StartUpShowsOnlyTheDeckStackOnTheTableColour) {
  for (bool alt : {false, true}) {
    if (alt) UseAltColors();
    const QColor table = alt ? kGrey : kGreen;
    painter.SystemRepaint();
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(table)), QRect(QPoint(9, 9), QPoint(83, 93)));
    EXPECT_EQ(geometry.rowPitch, 84);
    EXPECT_EQ(canvas.Brush(), table);
  }
}

TEST_F(BoardTest, TheDeckStackIsThreeBacksWithTheLastOnTop) {
  const struct {
    bool large;
    QRect covered;
    QColor fill;
  } sizes[] = {{false, QRect(QPoint(9, 9), QPoint(83, 93)), kRegularBackFill},
               {true, QRect(QPoint(9, 9), QPoint(94, 120)), kLargeBackFill}};
  for (const auto& size : sizes) {
    if (size.large) UseLargeCards();
    canvas.Clear(kUntouched);
    geometry.rowPitch = 84;
    painter.DrawDeckStack();
    EXPECT_EQ(geometry.rowPitch, 50);
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), size.covered);
    // Along y = 50 the left borders of the three copies alternate with their fills.
    const QColor row[] = {kBlack, size.fill, kBlack, size.fill, kBlack, size.fill};
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Is(Image(), 9 + i, 50, row[i])) << i;
  }
  look.cardBack = nullptr;
  canvas.Clear(kUntouched);
  painter.DrawDeckStack();
  EXPECT_FALSE(BoundingBox(Image(), Image().rect(), Not(kUntouched)).isValid());
}

TEST_F(BoardTest, TheScorePanelFollowsTheCardSizeAndTheColourScheme) {
  const struct {
    bool large, alt;
    int left, right;
  } cases[] = {{false, false, 464, 640}, {true, false, 530, 728}, {false, true, 464, 640},
               {true, true, 530, 728}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "large " << c.large << " alt " << c.alt);
    look = TableLook{};
    geometry = kRegularCards;
    look.cardBack = &images.regularBack;
    if (c.large) UseLargeCards();
    if (c.alt) UseAltColors();
    const QColor table = c.alt ? kGrey : kGreen;
    const QColor panel = c.alt ? kWhite : kYellow;
    Deal();
    painter.SystemRepaint();
    const int middle = (c.left + c.right) / 2;
    EXPECT_EQ(BoundingBox(Image(), QRect(c.left - 3, 0, 300, 480), Not(table)),
              QRect(QPoint(c.left, 10), QPoint(c.right - 1, 409)));
    EXPECT_TRUE(Is(Image(), c.left, 200, kBlack));
    EXPECT_TRUE(Is(Image(), c.right - 1, 200, kBlack));
    EXPECT_TRUE(Is(Image(), middle, 10, kBlack));
    EXPECT_TRUE(Is(Image(), middle, 409, kBlack));
    EXPECT_TRUE(Is(Image(), c.left + 30, 395, panel));
    // Text backgrounds take the panel colour too: the first hand name's box is solid
    // panel colour right of the visible "None".
    EXPECT_TRUE(Is(Image(), c.left + 19 + 100, 82, panel));
    // The current-card label sits 19 pixels above the current card, on the table colour.
    const int labelY = 3 * geometry.rowPitch - 15;
    EXPECT_EQ(labelY, c.large ? 315 : 237);
    EXPECT_GT(Count(Image(), QRect(12, labelY, 50, 13), IsDark), 10);
    EXPECT_EQ(Count(Image(), QRect(0, labelY - 3, 12, 25), Not(table)), 0);
    EXPECT_EQ(Count(Image(), QRect(12, labelY - 1, 60, 1), Not(table)), 0);
  }
}

TEST_F(BoardTest, NoScorePanelBeforeTheFirstDeal) {
  Deal();
  state.dealCount = 0;
  painter.SystemRepaint();
  EXPECT_EQ(Count(Image(), QRect(464, 0, 296, 480), Not(kGreen)), 0);
}

TEST_F(BoardTest, EveryLineShowsItsHandNameAndTheTotalIsDrawn) {
  Deal();
  painter.SystemRepaint();
  const QImage none = Cut(Image(), QRect(483, 80, 150, 14));
  // After the deal all ten lines read "None": ten identical name boxes.
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(Cut(Image(), QRect(483, 60 + 20 * n, 150, 14)), none) << n;
    EXPECT_EQ(Cut(Image(), QRect(483, 200 + 20 * n, 150, 14)), none) << n;
  }
  EXPECT_GT(Count(Image(), QRect(483, 360, 20, 14), IsDark), 5);  // "0"

  // Grid column 2 reads LineResults[3].column, row 4 reads LineResults[4].row.
  state.lineResults[3].column = kFlush;
  state.lineResults[4].row = kStraight;
  painter.DrawScorePanel();
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(Cut(Image(), QRect(483, 60 + 20 * n, 150, 14)) == none, n != 2) << n;
    EXPECT_EQ(Cut(Image(), QRect(483, 200 + 20 * n, 150, 14)) == none, n != 4) << n;
  }
}

TEST_F(BoardTest, AShorterNameOrTotalLeavesNoTraceOfTheLongerOne) {
  Deal();
  painter.SystemRepaint();
  state.lineResults[2].column = kThreeOfAKind;
  state.lineResults[1].row = kRoyalFlush;
  state.totalScore = 1000;
  painter.DrawScorePanel();
  const QImage showing = Image();

  // Taking the card back scores the lines again and redraws only the panel text.
  state.lineResults[2].column = kNone;
  state.lineResults[1].row = kNone;
  state.totalScore = 5;
  painter.DrawScorePanel();
  const QImage afterUndo = Image();
  EXPECT_NE(afterUndo, showing);

  painter.SystemRepaint();
  EXPECT_EQ(afterUndo, Image());
}

TEST_F(BoardTest, ElevenSpacesEraseThePlayLabelOnceTheDeckIsUsedUp) {
  for (bool alt : {false, true}) {
    look.altColors = alt;
    const QColor table = alt ? kGrey : kGreen;
    Deal();
    painter.SystemRepaint();
    const QRect label(0, 225, 88, 30);  // up to the grid's first column
    EXPECT_GT(Count(Image(), label, IsDark), 10);
    state.deckSlot() = kNextGameTileCode;
    painter.DrawScorePanel();
    EXPECT_EQ(Count(Image(), label, Not(table)), 0);
  }
}

TEST_F(BoardTest, AHandClassOutsideTheTableReadsAsNone) {
  Deal();
  painter.SystemRepaint();
  const QImage clean = Image();
  state.lineResults[2].column = -4;
  state.lineResults[5].row = 4711;
  painter.DrawScorePanel();
  EXPECT_EQ(Image(), clean);
}

TEST_F(BoardTest, RowPitchAfterEachRoutineAndRepaint) {
  const struct {
    const char* what;
    bool active, showing, gameOver;
    int expected;
  } repaints[] = {
      {"playing", true, false, false, 84},
      {"game over", false, false, true, 84},
      {"Top 5 during a game", true, true, false, 50},
      {"Top 5 before the first game", false, true, false, 50},
      {"Top 5 after a game: the tile comes first", false, true, true, 84},
  };
  for (const auto& r : repaints) {
    Deal();
    state.gameActive = r.active;
    state.showingHighScores = r.showing;
    if (r.gameOver) {
      state.deckSlot() = kNextGameTileCode;
      state.currentCard() = kBlankCode;
    }
    geometry.rowPitch = 0;
    painter.SystemRepaint();
    EXPECT_EQ(geometry.rowPitch, r.expected) << r.what;
  }
  state.showingHighScores = false;
  painter.DrawDeckStack();
  painter.DrawScorePanel();
  painter.DrawWinBanner();
  EXPECT_EQ(geometry.rowPitch, 50) << "panel text and banner leave the pitch alone";
  painter.DrawBoard();
  EXPECT_EQ(geometry.rowPitch, 84);
  UseLargeCards();
  painter.DrawBoard();
  EXPECT_EQ(geometry.rowPitch, 110);
}

}  // namespace
}  // namespace marnelok::test
