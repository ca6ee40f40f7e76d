// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the help document's picture of the review window: a dealt game played by a hurried
// advisor (one placement deep, no simulated games), judged by the review, in the real review
// window with the table drawn by the table's own painter, saved as a PNG. Run offscreen, in
// English for the help document (in another language, LANG=de_DE.UTF-8, to look at its texts):
//   LANG=C QT_QPA_PLATFORM=offscreen marnelok_review_shot assets/help/review.png
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstdio>

#include "advisor.h"
#include "board.h"
#include "card_images.h"
#include "deck.h"
#include "language.h"
#include "placement_judge.h"
#include "random.h"
#include "review_picture.h"
#include "review_window.h"

namespace marnelok {
namespace {

constexpr std::uint32_t kDeal = 2026;

// A regular game of deal kDeal placed by the advisor at its quickest, but for every sixth
// card, which goes to the first empty cell: a game with a few clear slips to show.
history::GameRecord HurriedGame() {
  RandomSource random(kDeal);
  const Deck deck = ShuffleDeck(random);
  AdvisorBudget quick;
  quick.simulatedGames = 0;
  quick.searchDepth = 1;
  history::GameRecord game;
  game.id = 1;
  game.deal = kDeal;
  game.kind = GameKind::kRegular;
  game.finished = true;
  std::array<int, kGridCells> cells{};
  cells.fill(kEmptySlotCode);
  for (int k = 0; k < kCardsPerGame; ++k) {
    const int card = deck[k + 1];
    int cell = AdviseMove(MakePosition(cells, card), kDeal, quick).cell;
    if (k % 6 == 5)
      cell =
          static_cast<int>(std::find(cells.begin(), cells.end(), kEmptySlotCode) - cells.begin());
    cells[static_cast<std::size_t>(cell)] = card;
    game.placements.push_back({k + 1, card, cell, false, {}});
  }
  GameState state;
  for (int cell = 0; cell < kGridCells; ++cell)
    state.board[GridColumnOf(cell)][GridRowOf(cell)] = cells[static_cast<std::size_t>(cell)];
  ComputeLineResults(state);
  game.total = state.totalScore;
  return game;
}

// Judges the whole game at once, as the program does on its worker threads.
class ShotSource : public ReviewSource {
 public:
  ShotSource() : images_(LoadCardImages()) { look_.cardBack = &images_.regularBack; }

  void Review(std::int64_t, QObject*, std::function<void(int, int)>,
              std::function<void(const ReviewOutcome&)> done) override {
    history::GameRecord game = HurriedGame();
    for (const JudgeTask& task : TasksToJudge(game))
      game.placements[task.index].review = Judge(task);
    done({game, QString(), true, false});
  }
  void Cancel() override {}
  QImage Picture(const history::GameRecord& game, std::size_t index, qreal ratio) override {
    return DrawReviewPicture(game, index, kRegularCards, look_, images_, ratio);
  }

 private:
  CardImages images_;
  TableLook look_;
};

}  // namespace
}  // namespace marnelok

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  marnelok::InstallTranslations();
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  marnelok::ShotSource source;
  marnelok::ReviewWindow window(source, nullptr);
  window.resize(1100, 660);
  window.Review(1);
  QApplication::processEvents();
  const QImage shot = window.grab().toImage();
  if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
