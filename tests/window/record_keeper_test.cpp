// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keeper of the settings record on its own: the Top 5 list that the painter reads
// follows every change of the record, and a refused save is told over the window.
#include "record_keeper.h"

#include "window_fixture.h"

namespace marnelok::testing {
namespace {

TEST(RecordKeeper, TheListFollowsEveryChangeAndARefusedSaveIsTold) {
  QTemporaryDir dir;
  CountingStore store(dir.filePath("fRegInfo"));
  FakeDesktop desktop;
  QWidget window;
  RecordKeeper keeper(store, desktop, &window);
  const auto first = [&keeper] { return keeper.TopFive()[0]; };

  keeper.Load();  // nothing stored: the defaults
  EXPECT_EQ(first().name, "None");
  desktop.answerText = [](const QString&) { return QStringLiteral("\u00C5sa"); };
  EXPECT_TRUE(keeper.EnterHighScore(120));
  EXPECT_EQ(first().name, "\u00C5sa");  // a Latin-1 name reads as itself
  EXPECT_EQ(first().score, 120);
  EXPECT_EQ(keeper.TopFive()[1].name, "None");
  EXPECT_EQ(store.writes, 1);

  keeper.ResetHighScores();
  EXPECT_EQ(first().name, "None");
  EXPECT_EQ(first().score, 0);
  keeper.Load();  // what was saved
  EXPECT_EQ(first().score, 120);

  store.failWrites = true;
  EXPECT_FALSE(keeper.EnterHighScore(130));
  EXPECT_EQ(first().score, 130);  // entered all the same; the save failed
  ASSERT_EQ(desktop.messages.size(), 1);
  EXPECT_EQ(desktop.messages[0], "Marnelok|Failed to set data for 'fRegInfo'");
  EXPECT_EQ(desktop.messageOwners[0], &window);
}

}  // namespace
}  // namespace marnelok::testing
