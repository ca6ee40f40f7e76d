// SPDX-License-Identifier: GPL-3.0-or-later
// The review's judging: a position whose best cell is certain, the same verdicts on every run
// whatever the number of threads, and a cancel that stops the job and drops its verdicts; the
// advisor's par on whole deals, the same on one thread and two, and a stop that ends it at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include "deck.h"
#include "par_job.h"
#include "placement_judge.h"
#include "random.h"
#include "review_job.h"
#include "review_summary.h"

namespace marnelok {
namespace {

using history::GameRecord;
using history::PlacementReview;

// A finished game of deal `seed` whose cards went to random cells; the first `thrown` cards
// are the throw-down's, and placements from `judgedUpTo` on already carry a verdict.
GameRecord DealtGame(std::uint32_t seed, int thrown, int judgedUpTo) {
  RandomSource random(seed);
  const Deck deck = ShuffleDeck(random);
  std::vector<int> cells(kGridCells);
  std::iota(cells.begin(), cells.end(), 0);
  std::shuffle(cells.begin(), cells.end(), std::mt19937(seed));
  GameRecord game;
  game.id = seed;
  game.finished = true;
  for (int k = 0; k < kCardsPerGame; ++k) {
    history::PlacementRecord p{
        k + 1, deck[k + 1], cells[static_cast<std::size_t>(k)], k < thrown, {}};
    if (k >= judgedUpTo) p.review = PlacementReview{p.cell, 50, 50};
    game.placements.push_back(p);
  }
  return game;
}

// Runs the job to its end and returns the verdicts by placement.
std::map<std::size_t, PlacementReview> JudgeAll(const GameRecord& game, int threads) {
  ReviewJob job(threads);
  std::map<std::size_t, PlacementReview> verdicts;
  QObject::connect(&job, &ReviewJob::judged,
                   [&](std::size_t index, const PlacementReview& r) { verdicts[index] = r; });
  QSignalSpy finished(&job, &ReviewJob::finished);
  job.Start(TasksToJudge(game));
  EXPECT_TRUE(finished.wait(120000));
  return verdicts;
}

// Ace, king, queen and jack of spades on row 1 with its last cell empty, the ten of spades in
// hand and one other empty cell: the royal flush is the one good move.
TEST(Judging, CertainBestCellThrownCardsAndTheSummary) {
  constexpr int kTenOfSpades = 48;
  const std::array<int, 4> royal{52, 51, 50, 49};
  const auto game = [&](int chosenCell) {
    GameRecord g;
    g.finished = true;
    int turn = 0;
    for (int cell = 0; cell < 4; ++cell)
      g.placements.push_back({++turn, royal[static_cast<std::size_t>(cell)], cell, true, {}});
    // The rest of the grid, but for the bottom right cell, holds low cards of three suits.
    for (int cell = 5, card = 1; cell < 24; ++cell, card += 2)
      g.placements.push_back({++turn, card, cell, true, {}});
    g.placements.push_back({++turn, kTenOfSpades, chosenCell, false, {}});
    g.placements.push_back({++turn, 2, chosenCell == 4 ? 24 : 4, false, {}});
    return g;
  };

  GameRecord best = game(4);
  const std::vector<JudgeTask> tasks = TasksToJudge(best);
  ASSERT_EQ(tasks.size(), 2u);  // the 23 thrown cards are not judged
  EXPECT_EQ(tasks[0].index, 23u);
  EXPECT_EQ(tasks[0].before.currentCard, kTenOfSpades);
  EXPECT_EQ(tasks[0].before.cells[4], kEmptySlotCode);
  EXPECT_EQ(tasks[0].before.cells[0], 52);
  const auto right = Judge(tasks[0]);
  ASSERT_TRUE(right);
  EXPECT_EQ(right->bestCell, 4);
  EXPECT_EQ(PointsLost(*right), 0.0);

  GameRecord wrong = game(24);
  const auto verdict = Judge(TasksToJudge(wrong)[0]);
  ASSERT_TRUE(verdict);
  EXPECT_EQ(verdict->bestCell, 4);
  EXPECT_EQ(verdict->expectedBest, right->expectedBest);
  EXPECT_GT(PointsLost(*verdict), 20.0);

  // The last card had one cell left: never a loss. The summary counts the judged placements.
  wrong.placements[23].review = verdict;
  wrong.placements[24].review = Judge(TasksToJudge(wrong)[0]);
  ASSERT_TRUE(wrong.placements[24].review);
  const ReviewSummary s = Summarise(wrong);
  EXPECT_EQ(s.judged, 2);
  EXPECT_EQ(s.closeToBest, 1);
  EXPECT_DOUBLE_EQ(s.pointsLost, PointsLost(*verdict));
  EXPECT_EQ(s.costliest, std::vector<std::size_t>{23});

  // A record that contradicts itself (a cell filled twice) is judged no further.
  wrong.placements[5].cell = 0;
  EXPECT_TRUE(TasksToJudge(wrong).empty());
  EXPECT_FALSE(PositionBefore(wrong, 24));
}

// Four positions in the middle of a dealt game, judged on two threads twice and on one.
TEST(Judging, SameGameSameVerdictsOnEveryRun) {
  const GameRecord game = DealtGame(7, 12, 16);
  const auto once = JudgeAll(game, 2);
  ASSERT_EQ(once.size(), 4u);
  EXPECT_EQ(JudgeAll(game, 2), once);
  EXPECT_EQ(JudgeAll(game, 1), once);
}

TEST(Judging, CancelStopsTheJobAndDropsItsVerdicts) {
  ReviewJob job(2);
  int verdicts = 0;
  QObject::connect(&job, &ReviewJob::judged, [&] { ++verdicts; });
  QSignalSpy finished(&job, &ReviewJob::finished);
  job.Start(TasksToJudge(DealtGame(3, 0, 25)));
  ASSERT_TRUE(job.Running());
  QTest::qWait(20);
  job.Cancel();
  const int atCancel = verdicts;
  QElapsedTimer clock;
  clock.start();
  while (!job.WorkersDone()) QTest::qWait(5);
  // The advisor returns within milliseconds of a stop; left running, the rest of the game would
  // take a second or more.
  EXPECT_LT(clock.elapsed(), 500);
  QTest::qWait(50);
  EXPECT_EQ(verdicts, atCancel);  // even those on their way are dropped
  EXPECT_LT(verdicts, 25);
  EXPECT_TRUE(finished.isEmpty());
  EXPECT_FALSE(job.Running());
}

constexpr GameKind kRegular = GameKind::kRegular, kThrowDown = GameKind::kThrowDown;

// Par of three deals of both kinds, on one worker and on two; a deal added twice is played once.
std::map<std::uint32_t, int> PlayAll(int threads) {
  ParJob job(threads);
  std::map<std::uint32_t, int> pars;
  int played = 0;
  QObject::connect(&job, &ParJob::played, [&](const ParDeal& deal, int par) {
    pars[deal.deal] = par;
    ++played;
  });
  for (const ParDeal deal :
       {ParDeal{11, kRegular}, ParDeal{12, kThrowDown}, ParDeal{11, kRegular}, {13, kRegular}})
    job.Add(deal);
  EXPECT_TRUE(QTest::qWaitFor([&] { return played >= 3 && job.Idle(); }, 120000));
  QTest::qWait(20);
  EXPECT_EQ(played, 3);
  return pars;
}

TEST(Par, SameParOnOneThreadAndTwoAndAStopThatEndsAtOnce) {
  const auto once = PlayAll(2);
  ASSERT_EQ(once.size(), 3u);
  EXPECT_EQ(PlayAll(1), once);
  // The same numbers on every run and every machine: the seed rule and the budget's count fix
  // them, whatever the time each placement takes.
  EXPECT_EQ(once, (std::map<std::uint32_t, int>{{11, 79}, {12, 94}, {13, 169}}));

  ParJob job(1);
  int played = 0;
  QObject::connect(&job, &ParJob::played, [&] { ++played; });
  job.Add({21, kRegular});
  QTest::qWait(30);
  QElapsedTimer clock;
  clock.start();
  job.Stop();
  job.Add({22, kRegular});  // nothing starts after a stop
  while (!job.Idle()) QTest::qWait(2);
  EXPECT_LT(clock.elapsed(), 200);
  QTest::qWait(30);
  EXPECT_EQ(played, 0);
  std::stop_source asked;
  asked.request_stop();
  EXPECT_EQ(PlayPar({21, kRegular}, asked.get_token()), std::nullopt);
}

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
