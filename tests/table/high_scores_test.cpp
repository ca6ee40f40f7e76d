// SPDX-License-Identifier: GPL-3.0-or-later
// The Top 5 list from the window: the end of a game, viewing and resetting.
#include "settings_store.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

void StoreList(const QString& path, const std::array<int, 5>& scores) {
  SettingsRecord r;
  r.ApplyDefaults();
  for (int k = 1; k <= 5; ++k) {
    r.SetHighScore(k, scores[k - 1]);
    r.SetHighName(k, std::string("P").append(std::to_string(k)));  // GCC 12: no -Wrestrict
  }
  FileRecordStore s(path);
  ASSERT_FALSE(SaveSettings(r, s).has_value());
}

class HighScores : public WindowTest {
 protected:
  void PlayFixedGame(std::uint32_t seed) {
    Seed(seed);
    Trigger("MenuGameNewItem");
    for (int r = 1; r <= 5; ++r)
      for (int c = 2; c <= 6; ++c) PlaceAt(c, r);
    ASSERT_FALSE(State().gameActive);
  }
};

TEST_F(HighScores, CancelEntersTheScoreUnderTheRememberedName) {
  StoreList(RecordPath(), {100, 80, 60, 40, 0});
  desktop.answerText = [](const QString& initial) { return initial; };  // Cancel
  Start();
  PlayFixedGame(5);
  const int total = State().totalScore;
  ASSERT_GT(total, 0);
  ASSERT_EQ(desktop.prompts.size(), 1);
  const SettingsRecord stored = Stored();
  int found = 0;
  for (int k = 1; k <= 5; ++k)
    if (stored.HighScore(k) == total && stored.HighName(k) == "Please enter your name!") found = k;
  EXPECT_GT(found, 0);
}

TEST_F(HighScores, AScoreThatDoesNotQualifyIsSavedWithoutAPrompt) {
  StoreList(RecordPath(), {900, 800, 700, 600, 500});
  Start();
  store->writes = 0;
  PlayFixedGame(5);
  EXPECT_TRUE(desktop.prompts.isEmpty());
  EXPECT_EQ(store->writes, 1);
  EXPECT_TRUE(desktop.messages.isEmpty());

  // A save that fails at the end of a game is shown once; the game is over all the same.
  store->failWrites = true;
  PlayFixedGame(5);
  ASSERT_EQ(desktop.messages.size(), 1);
  EXPECT_TRUE(desktop.messages[0].endsWith("|Failed to set data for 'fRegInfo'"));
  EXPECT_EQ(State().deckSlot(), kNextGameTileCode);
}

TEST_F(HighScores, ViewShowsTheStoredListAndResetClearsIt) {
  StoreList(RecordPath(), {100, 80, 60, 40, 20});
  Start();
  Trigger("MenuGameHighScoresItem");
  EXPECT_TRUE(TopFiveShown());
  Box().Invalidate();  // a system repaint under the panel keeps it
  Flush();
  EXPECT_TRUE(TopFiveShown());
  // The list is black on the yellow panel: text pixels exist in the name and score columns.
  auto hasInk = [this](int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x)
        if (Pixel(x, y) == QColor(0, 0, 0)) return true;
    return false;
  };
  EXPECT_TRUE(hasInk(120, 60, 40, 20));
  EXPECT_TRUE(hasInk(360, 60, 40, 20));

  desktop.confirmAnswer = false;
  Trigger("MenuOptionsResetHighItem");
  EXPECT_EQ(Stored().HighScore(1), 100);
  desktop.confirmAnswer = true;
  Trigger("MenuOptionsResetHighItem");
  const SettingsRecord stored = Stored();
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(stored.HighScore(k), 0);
    EXPECT_EQ(stored.HighName(k), "None");
  }
}

}  // namespace
}  // namespace marnelok::testing
