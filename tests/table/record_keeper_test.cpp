// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keeper of the settings record on its own: the Top 5 list that the painter reads
// follows every change of the record, a refused save is told over the window, and a name the
// record cannot hold is shown as it will be kept before it is kept.
#include "record_keeper.h"

#include "display_options.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

TEST(RecordKeeper, TheListFollowsEveryChangeAndARefusedSaveIsTold) {
  QTemporaryDir dir;
  CountingStore store(dir.filePath("fRegInfo"));
  FakeDesktop desktop;
  QWidget window;
  const CardImages images;
  DisplayOptions options(images);
  RecordKeeper keeper(store, desktop, options, &window);
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

TEST(RecordKeeper, ANameTheRecordCannotHoldIsShownAsItWillBeKeptAndMayBeChanged) {
  QTemporaryDir dir;
  CountingStore store(dir.filePath("fRegInfo"));
  FakeDesktop desktop;
  const CardImages images;
  DisplayOptions options(images);
  RecordKeeper keeper(store, desktop, options, nullptr);
  keeper.Load();
  const QString typed = QStringLiteral("\u0141ukasz Dvo\u0159\u00E1k \u0141");
  QStringList answers{typed, QStringLiteral("Lukasz")};
  desktop.answerText = [&answers](const QString&) { return answers.takeFirst(); };

  // Told, the player changes it: asked again with the name as typed.
  desktop.confirmAnswer = false;
  QString player;
  EXPECT_TRUE(keeper.EnterHighScore(120, &player));
  ASSERT_EQ(desktop.prompts.size(), 2);
  EXPECT_EQ(desktop.prompts[1].section('|', 2, 2), typed);
  ASSERT_EQ(desktop.confirms.size(), 1);
  EXPECT_EQ(desktop.confirms[0],
            "New High Score|The Top 5 list cannot keep these letters: \u0141 \u0159\n\nYour name "
            "will be kept there as \"?ukasz Dvo?\u00E1k ?\".\n\nChoose OK to keep it so, or "
            "Cancel to change it.");
  EXPECT_EQ(keeper.TopFive()[0].name, "Lukasz");
  EXPECT_EQ(player, "Lukasz");

  // Kept so: the list holds what it can, the history gets the name whole.
  const QString longName = typed + QStringLiteral(" von und zu Warszawa");
  answers = {longName};
  desktop.confirmAnswer = true;
  EXPECT_TRUE(keeper.EnterHighScore(130, &player));
  EXPECT_EQ(desktop.confirms.size(), 2);
  EXPECT_EQ(keeper.TopFive()[0].name, "?ukasz Dvo?\u00E1k ? von und");
  EXPECT_EQ(player, longName);
  // A Latin-1 name is kept without a question.
  answers = {QStringLiteral("\u00C5sa")};
  EXPECT_TRUE(keeper.EnterHighScore(140, &player));
  EXPECT_EQ(desktop.confirms.size(), 2);
}

}  // namespace
}  // namespace marnelok::testing
