// The Top 5 panel and the WIN banner: their places, colours, and the font size the banner
// takes over from whatever was drawn before it.
#include <gtest/gtest.h>

#include "pixels.h"
#include "table_fixture.h"

namespace marnelok::test {
namespace {

class OverlaysTest : public TableTest {
 protected:
  OverlaysTest() {
    look.topFive = [](int k) {
      return TopFiveEntry{QStringLiteral("Player %1").arg(k), 200 - 10 * k};
    };
  }
  // The rows that the WIN band fills in column x, looking from y top down (the deck
  // position above is yellow once the game is over).
  QRect BandAt(int x = 1, int top = 0) const {
    return BoundingBox(Image(), QRect(x, top, 1, Image().height() - top), [](QRgb p) {
      return (p & 0xFFFFFF) == (kYellow.rgb() & 0xFFFFFF) ||
             (p & 0xFFFFFF) == (kWhite.rgb() & 0xFFFFFF);
    });
  }
  // Height of the red lettering in the first WIN box.
  int WinInkHeight(int y) const {
    return BoundingBox(Image(), QRect(0, y, 48, 24), IsReddish).height();
  }
};

TEST_F(OverlaysTest, TheTopFivePanelIsYellowInBothSchemesAndListsTheEntries) {
  for (bool alt : {false, true}) {
    if (alt) UseAltColors();
    const QColor table = alt ? kGrey : kGreen;
    Deal();
    painter.SystemRepaint();
    state.showingHighScores = false;
    painter.DrawTopFivePanel();
    EXPECT_TRUE(state.showingHighScores);
    EXPECT_EQ(canvas.FontSize(), 16);
    EXPECT_TRUE(Is(Image(), 80, 200, kYellow));
    EXPECT_TRUE(Is(Image(), 60, 150, kBlack));
    EXPECT_TRUE(Is(Image(), 459, 150, kBlack));
    EXPECT_TRUE(Is(Image(), 200, 10, kBlack));
    EXPECT_TRUE(Is(Image(), 200, 333, kBlack));
    EXPECT_TRUE(Is(Image(), 200, 334, table));
    EXPECT_TRUE(Is(Image(), 460, 150, table));
    // Title, five names with their scores, and the hint, each on its own line.
    for (int y : {30, 60, 90, 120, 150, 180, 300}) {
      EXPECT_GT(Count(Image(), QRect(120, y, 100, 25), IsDark), 20) << y;
    }
    for (int y : {60, 90, 120, 150, 180}) {
      EXPECT_GT(Count(Image(), QRect(360, y, 40, 25), IsDark), 10) << y;
    }
    EXPECT_EQ(Count(Image(), QRect(120, 210, 300, 80), IsDark), 0);

    // During a repaint with the panel up, no cell and no score panel is drawn.
    painter.SystemRepaint();
    EXPECT_EQ(Count(Image(), QRect(470, 0, 290, 480), Not(table)), 0);
    EXPECT_TRUE(Is(Image(), 400, 400, table));
  }
}

TEST_F(OverlaysTest, TopFiveNamesShowAtMostTwentyThreeCharacters) {
  look.topFive = [](int) { return TopFiveEntry{QString(23, QLatin1Char('M')), 0}; };
  painter.DrawTopFivePanel();
  const QImage exact = Image();
  canvas.Clear(kUntouched);
  look.topFive = [](int) { return TopFiveEntry{QString(40, QLatin1Char('M')), 0}; };
  painter.DrawTopFivePanel();
  EXPECT_EQ(Image(), exact);
  // Without a list the panel still draws, with empty names and zeros.
  look.topFive = nullptr;
  painter.DrawTopFivePanel();
  EXPECT_TRUE(Is(Image(), 80, 200, kYellow));
}

TEST_F(OverlaysTest, TheBannerCrossesTheTableAtFiveHalvesOfTheRowPitch) {
  const struct {
    const char* what;
    bool large;
    int y;
  } cases[] = {{"regular", false, 210}, {"large", true, 275}};
  for (const auto& c : cases) {
    if (c.large) UseLargeCards();
    Deal();
    state.gameActive = false;
    state.deckSlot() = kNextGameTileCode;
    state.currentCard() = kBlankCode;
    state.totalScore = 150;
    painter.SystemRepaint();
    EXPECT_EQ(BandAt(), QRect(1, c.y, 1, 24)) << c.what;
    EXPECT_EQ(BandAt(47, 130), QRect(47, c.y, 1, 24)) << c.what;
    EXPECT_EQ(BandAt(48, 130), QRect(48, c.y, 1, 24)) << c.what;
    EXPECT_GT(Count(Image(), QRect(0, c.y, 48, 24), IsReddish), 10) << c.what;
    EXPECT_GT(Count(Image(), QRect(48, c.y, 48, 24), IsReddish), 10) << c.what;
  }
}

TEST_F(OverlaysTest, TheBannerAfterTheDeckStackLiesAtOneHundredTwentyFive) {
  // "View High Scores" during a game with 150 points: the repaint leaves the pitch at 50.
  Deal();
  state.totalScore = 150;
  state.showingHighScores = true;
  painter.SystemRepaint();
  EXPECT_EQ(geometry.rowPitch, 50);
  painter.DrawTopFivePanel();
  painter.DrawWinBanner();
  EXPECT_EQ(BandAt(), QRect(1, 125, 1, 24));
}

TEST_F(OverlaysTest, ATotalOf150WinsAnd149DoesNot) {
  for (int total : {149, 150, 1000}) {
    Deal();  // during a game the repaint itself draws no banner
    state.totalScore = total;
    painter.SystemRepaint();
    const QImage before = Image();
    painter.DrawWinBanner();
    EXPECT_EQ(Image() == before, total < 150) << total;
    EXPECT_EQ(BandAt().isValid(), total >= 150) << total;
  }
}

TEST_F(OverlaysTest, TheBannerRunsToTheScreenWidthInBoxesOfTheSchemeColour) {
  for (bool alt : {false, true}) {
    look.altColors = alt;
    const QColor box = alt ? kWhite : kYellow;
    canvas.Clear(kUntouched);
    state.totalScore = 150;
    look.screenWidth = 100;  // boxes start at 0, 48 and 96
    painter.DrawWinBanner();
    EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)), QRect(0, 210, 144, 24));
    EXPECT_TRUE(Is(Image(), 143, 210, box));
    EXPECT_EQ(canvas.Brush(), box);
    EXPECT_EQ(canvas.FontColor(), kRed);
    EXPECT_EQ(canvas.Pen(), kBlack);
  }
  // A screen wider than the table: the band is clipped at the table's edge.
  look.screenWidth = 100000;
  canvas.Clear(kUntouched);
  painter.DrawWinBanner();
  EXPECT_EQ(BoundingBox(Image(), Image().rect(), Not(kUntouched)),
            QRect(0, 210, Image().width(), 24));
}

TEST_F(OverlaysTest, TheBannerTakesTheFontSizeThatTheRoutineBeforeItLeft) {
  state.totalScore = 150;
  Deal();
  state.gameActive = false;
  painter.DrawScorePanel();  // ends with the banner at 10 points
  EXPECT_EQ(canvas.FontSize(), 10);
  const int small = WinInkHeight(210);

  canvas.Clear(kUntouched);
  painter.DrawTopFivePanel();
  painter.DrawWinBanner();
  EXPECT_EQ(canvas.FontSize(), 16);
  const int large = WinInkHeight(210);
  EXPECT_GT(small, 5);
  EXPECT_GT(large, small + 2);

  // After a cell the banner takes the card font.
  canvas.Clear(kUntouched);
  painter.DrawCell(CodeOf(2, kClubs), 6, 1);
  painter.DrawWinBanner();
  EXPECT_EQ(canvas.FontSize(), 12);
  const int card = WinInkHeight(210);
  EXPECT_GT(card, small);
  EXPECT_LT(card, large);
}

}  // namespace
}  // namespace marnelok::test
