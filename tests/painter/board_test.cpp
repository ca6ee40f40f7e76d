// SPDX-License-Identifier: GPL-3.0-or-later
// The deck stack, the board with its score panel and texts, and the row pitch that each
// routine and repaint leaves behind.
#include <gtest/gtest.h>

#include "hand.h"
#include "panel_texts.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

using BoardTest = TableTest;

TEST_F(BoardTest, StartUpShowsTheDeckStackOfThreeBacksWithTheLastOnTop) {
  for (bool large : {false, true}) {
    if (large) UseLargeCards();
    painter.SystemRepaint();
    EXPECT_EQ(Box(Image(), Image().rect(), Not(kGreen)),
              QRect(QPoint(9, 9), large ? QPoint(94, 120) : QPoint(83, 93)));
    const QColor fill = large ? kLargeBackFill : kRegularBackFill;
    const QColor row[] = {kBlack, fill, kBlack, fill, kBlack, fill};  // left borders at y 50
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Is(Image(), 9 + i, 50, row[i])) << i;
  }
}

TEST_F(BoardTest, TheScorePanelFollowsTheCardSizeAndTheColorScheme) {
  const struct {
    bool large, alt;
    int left, right, labelY;
  } cases[] = {{false, false, 464, 640, 237},
               {true, false, 530, 728, 315},
               {false, true, 464, 640, 237},
               {true, true, 530, 728, 315}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "large " << c.large << " alt " << c.alt);
    geometry = kRegularCards;
    look = TableLook{};
    look.cardBack = &images.regularBack;
    if (c.large) UseLargeCards();
    if (c.alt) UseAltColors();
    const QColor table = c.alt ? kGrey : kGreen;
    Deal();
    state.dealCount = 0;  // before the first deal: no panel
    painter.SystemRepaint();
    EXPECT_EQ(Count(Image(), QRect(c.left - 3, 0, 300, 480), Not(table)), 0);
    state.dealCount = 1;
    painter.SystemRepaint();
    EXPECT_EQ(Box(Image(), QRect(c.left - 3, 0, 300, 480), Not(table)),
              QRect(QPoint(c.left, 10), QPoint(c.right - 1, 409)));
    const int middle = (c.left + c.right) / 2;
    for (const QPoint& edge :
         {QPoint(c.left, 200), QPoint(c.right - 1, 200), QPoint(middle, 10), QPoint(middle, 409)}) {
      EXPECT_TRUE(Is(Image(), edge.x(), edge.y(), kBlack));
    }
    const QColor panel = c.alt ? kWhite : kYellow;
    EXPECT_TRUE(Is(Image(), c.left + 30, 395, panel));
    EXPECT_TRUE(Is(Image(), c.left + 19 + 100, 82, panel));  // background of a hand name
    // "Play..." 19 pixels above the current card, on the table colour.
    EXPECT_GT(Count(Image(), QRect(12, c.labelY, 50, 13), IsDark), 10);
    EXPECT_EQ(Count(Image(), QRect(0, c.labelY - 1, 12, 20), Not(table)), 0);
    EXPECT_EQ(Count(Image(), QRect(12, c.labelY - 1, 60, 1), Not(table)), 0);
    // Eleven spaces erase it once the deck is used up.
    state.deckSlot() = kNextGameTileCode;
    painter.DrawScorePanel();
    EXPECT_EQ(Count(Image(), QRect(0, c.labelY - 3, 88, 18), Not(table)), 0);
    state.deckSlot() = kDeckCode;
  }
}

TEST_F(BoardTest, EachLineShowsItsOwnResultAndShorterTextsLeaveNoTrace) {
  Deal();
  painter.SystemRepaint();
  const auto name = [this](int y) { return Image().copy(483, y, 150, 14); };
  const QImage none = name(80);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(name(60 + 20 * n), none) << n;
    EXPECT_EQ(name(200 + 20 * n), none) << n;
  }
  EXPECT_GT(Count(Image(), QRect(483, 360, 20, 14), IsDark), 5);  // the total "0"
  // Grid column 2 reads LineResults[3].column, row 4 reads LineResults[4].row.
  state.lineResults[3].column = kThreeOfAKind;
  state.lineResults[4].row = kRoyalFlush;
  state.totalScore = 1000;
  painter.DrawScorePanel();
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(name(60 + 20 * n) == none, n != 2) << n;
    EXPECT_EQ(name(200 + 20 * n) == none, n != 4) << n;
  }
  // An undo scores the lines again and redraws only the text; a class outside the table
  // reads as "None".
  state.lineResults[3].column = kNone;
  state.lineResults[4].row = 4711;
  state.totalScore = 5;
  painter.DrawScorePanel();
  const QImage afterUndo = Image();
  state.lineResults[4].row = kNone;
  painter.SystemRepaint();
  EXPECT_EQ(afterUndo, Image());
  // In English the names drawn are the hand table's own, trailing spaces included.
  for (int h = -1; h <= kHandClassCount; ++h) {
    const auto& own = kHandTable[static_cast<std::size_t>(h < 0 || h == kHandClassCount ? 0 : h)];
    EXPECT_EQ(PanelTexts::PaddedHand(h).toStdString(), own.name) << h;
  }
}

// The row pitch, as the banner placed by it shows it.
TEST_F(BoardTest, RowPitchAfterEachRoutineAndRepaint) {
  const struct {
    const char* what;
    bool active, showing, over;
    int bannerTop;
  } repaints[] = {{"playing", true, false, false, 210},
                  {"game over", false, false, true, 210},
                  {"Top 5 during a game", true, true, false, 125},
                  {"Top 5 before the first game", false, true, false, 125},
                  {"Top 5 after a game: the tile comes first", false, true, true, 210}};
  for (const auto& r : repaints) {
    Deal();
    state.gameActive = r.active;
    painter.SetTopFiveShown(r.showing);
    state.deckSlot() = r.over ? kNextGameTileCode : kDeckCode;
    painter.SetRowPitch(0);
    painter.SystemRepaint();
    EXPECT_EQ(BannerTop(), r.bannerTop) << r.what;
  }
  painter.SetTopFiveShown(false);
  painter.DrawDeckStack();
  painter.DrawScorePanel();
  painter.DrawWinBanner();
  EXPECT_EQ(BannerTop(), 125);
  UseLargeCards();
  painter.DrawBoard();
  EXPECT_EQ(BannerTop(), 275);
}

}  // namespace
}  // namespace marnelok::test
