// SPDX-License-Identifier: GPL-3.0-or-later
// How long the review of a whole game takes: regular deals played by random placements (the
// most varied positions), each judged by the review's job on every core, as the window does.
// Prints each game's time and the slowest, and how long a cancel takes to end the workers; the
// review promises at most 5 s a game on two cores and a cancel within 100 ms. Then par: the
// advisor's own game on regular deals, one deal alone and four deals at once on T threads.
//
//   marnelok_bench_review [--games N] [--threads T]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "board.h"
#include "deck.h"
#include "par_job.h"
#include "placement_judge.h"
#include "random.h"
#include "review_job.h"

namespace marnelok {
namespace {

// A finished regular game of deal `seed`, its cards placed in random empty cells.
history::GameRecord RandomGame(std::uint32_t seed) {
  RandomSource random(seed);
  const Deck deck = ShuffleDeck(random);
  std::vector<int> cells(kGridCells);
  for (int c = 0; c < kGridCells; ++c) cells[static_cast<std::size_t>(c)] = c;
  std::shuffle(cells.begin(), cells.end(), std::mt19937(seed));
  history::GameRecord game;
  game.id = seed;
  game.finished = true;
  for (int k = 0; k < kCardsPerGame; ++k)
    game.placements.push_back({k + 1, deck[k + 1], cells[static_cast<std::size_t>(k)], false, {}});
  return game;
}

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  using namespace marnelok;
  QCoreApplication app(argc, argv);
  int games = 10;
  int threads = 2;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--games") == 0) games = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--threads") == 0) threads = std::atoi(argv[i + 1]);
  }
  ReviewJob job(threads);
  double slowest = 0;
  double sum = 0;
  for (int g = 1; g <= games; ++g) {
    std::vector<JudgeTask> tasks = TasksToJudge(RandomGame(static_cast<std::uint32_t>(g)));
    QEventLoop loop;
    QObject::connect(&job, &ReviewJob::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    job.Start(std::move(tasks));
    if (job.Running()) loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    slowest = std::max(slowest, seconds);
    sum += seconds;
    std::printf("game %2d: %.2f s\n", g, seconds);
  }
  std::printf("%d games on %d threads: mean %.2f s, slowest %.2f s (limit 5 s)\n", games, threads,
              sum / games, slowest);

  // Cancels at staggered moments of a game's first positions, the costliest to search.
  double slowestStop = 0;
  for (int k = 0; k < 10; ++k) {
    job.Start(TasksToJudge(RandomGame(static_cast<std::uint32_t>(100 + k))));
    QEventLoop wait;
    QTimer::singleShot(50 + 17 * k, &wait, &QEventLoop::quit);
    wait.exec();
    QElapsedTimer clock;
    clock.start();
    job.Cancel();
    while (!job.WorkersDone()) QThread::usleep(100);
    slowestStop = std::max(slowestStop, static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::printf("cancel: the workers ended within %.1f ms at the slowest of 10 (limit 100 ms)\n",
              slowestStop);

  // Par: each deal is played by one worker, placement after placement.
  double slowestPar = 0;
  for (std::uint32_t deal = 1; deal <= 3; ++deal) {
    QElapsedTimer clock;
    clock.start();
    const auto par = PlayPar({deal, GameKind::kRegular});
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    slowestPar = std::max(slowestPar, seconds);
    std::printf("par of deal %u: %d in %.2f s\n", deal, par.value_or(-1), seconds);
  }
  {
    ParJob pars(threads);
    int played = 0;
    QObject::connect(&pars, &ParJob::played, [&] { ++played; });
    QElapsedTimer clock;
    clock.start();
    for (std::uint32_t deal = 11; deal <= 14; ++deal) pars.Add({deal, GameKind::kRegular});
    while (played < 4) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    std::printf("par of 4 deals on %d threads: %.2f s\n", threads,
                static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  return slowest <= 5.0 && slowestStop <= 100 ? EXIT_SUCCESS : EXIT_FAILURE;
}
