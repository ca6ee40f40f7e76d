// SPDX-License-Identifier: GPL-3.0-or-later
// The demo on the real window: it plays the game out through the rules, hands it back on a
// click, keeps its games out of the Top 5 list, and plays as the review judges, so that the
// review finds nothing to fault in its placements; a review can be stopped.
#include <QSignalSpy>

#include "window_fixture.h"

namespace marnelok::testing {
namespace {

int CardsOnGrid(const GameState& s) {
  int cards = 0;
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    for (int r = 1; r <= kBoardRows; ++r) cards += IsCard(s.board[c][r]) ? 1 : 0;
  return cards;
}

// The next empty cell in reading order.
Cell FirstEmpty(const GameState& s) {
  for (int r = 1; r <= kBoardRows; ++r)
    for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
      if (s.board[c][r] == kEmptySlotCode) return {c, r};
  return {0, 0};
}

// The player's first cards, before the demo takes over.
constexpr int kPlayerFirst = 10;

TEST_F(WindowTest, DemoPlaysOutHandsBackOnAClickAndItsGameLosesNothingWhenReviewed) {
  StartActive();
  DemoPlayer& demo = WindowProbe::Demo(*form);
  demo.SetPace(std::chrono::milliseconds(30), std::chrono::milliseconds(10));
  std::vector<Cell> framed;
  QObject::connect(&demo, &DemoPlayer::frameShown, [&] { framed.push_back(*demo.Framed()); });
  QObject::connect(&demo, &DemoPlayer::frameErased, [&] { framed.pop_back(); });
  const SettingsRecord recordBefore = Record();
  const int writesBefore = store->writes;

  // The player deals and places most of the cards; the demo takes over the rest.
  Trigger("MenuGameNewItem");
  const std::uint32_t deal = State().dealNumber;
  for (int k = 0; k < kPlayerFirst; ++k)
    PlaceAt(FirstEmpty(State()).column, FirstEmpty(State()).row);
  Trigger("MenuGameDemoItem");
  ASSERT_TRUE(demo.Running());
  QTRY_VERIFY_WITH_TIMEOUT(CardsOnGrid(State()) == kPlayerFirst + 1, 30000);

  // A click on the table hands the game back and places no card; the next click does.
  const Cell empty = FirstEmpty(State());
  PlaceAt(empty.column, empty.row);
  EXPECT_FALSE(demo.Running());
  EXPECT_EQ(CardsOnGrid(State()), kPlayerFirst + 1);
  QTest::qWait(100);  // an answer on its way places nothing either
  EXPECT_EQ(CardsOnGrid(State()), kPlayerFirst + 1);
  PlaceAt(empty.column, empty.row);
  ASSERT_EQ(CardsOnGrid(State()), kPlayerFirst + 2);
  const int playerTurn = kPlayerFirst + 2;

  // A key and a menu command stop it too.
  Trigger("MenuGameDemoItem");
  Key(Qt::Key_Left);
  EXPECT_FALSE(demo.Running());
  Trigger("MenuGameDemoItem");
  Trigger("MenuOptionsAltColorsItem");
  EXPECT_FALSE(demo.Running());
  Trigger("MenuOptionsAltColorsItem");

  // Played out: the game ends and is kept as a demo, with no name asked, the Top 5 list and
  // the record as they were, and the deal unchanged.
  Trigger("MenuGameDemoItem");
  QTRY_VERIFY_WITH_TIMEOUT(!State().gameActive, 60000);
  EXPECT_FALSE(demo.Running());
  EXPECT_TRUE(desktop.prompts.isEmpty());
  EXPECT_EQ(Record().bytes(), recordBefore.bytes());
  EXPECT_EQ(store->writes, writesBefore);
  ASSERT_EQ(history.kept.size(), 1u);
  history::GameRecord& kept = history.kept.back();
  EXPECT_TRUE(kept.demo);
  EXPECT_TRUE(kept.finished);
  EXPECT_EQ(kept.deal, deal);
  ASSERT_EQ(kept.placements.size(), 25u);
  // Each of the demo's cards went where it had framed just before; a frame the stop erased
  // placed nothing.
  std::vector<Cell> placedByDemo;
  for (const history::PlacementRecord& p : kept.placements)
    if (p.turn > kPlayerFirst && p.turn != playerTurn)
      placedByDemo.push_back({GridColumnOf(p.cell), GridRowOf(p.cell)});
  ASSERT_EQ(framed.size(), placedByDemo.size());
  for (std::size_t k = 0; k < framed.size(); ++k)
    EXPECT_EQ(std::tie(framed[k].column, framed[k].row),
              std::tie(placedByDemo[k].column, placedByDemo[k].row));

  // Reviewed, with the player's placements already judged: only the demo's are judged now, and
  // each of them lost nothing.
  for (history::PlacementRecord& p : kept.placements)
    if (p.turn <= kPlayerFirst || p.turn == playerTurn)
      p.review = history::PlacementReview{p.cell, 90, 90};
  ReviewSource& source = WindowProbe::Review(*form);
  std::vector<ReviewOutcome> outcomes;
  std::vector<int> progress;
  source.Review(
      kept.id, form.get(), [&](int judged, int) { progress.push_back(judged); },
      [&](const ReviewOutcome& o) { outcomes.push_back(o); });
  QTRY_VERIFY_WITH_TIMEOUT(!outcomes.empty(), 60000);
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_TRUE(outcomes[0].complete);
  EXPECT_FALSE(outcomes[0].stopped);
  EXPECT_EQ(progress.back(), kCardsPerGame - kPlayerFirst - 1);
  EXPECT_EQ(history.reviewsStored, 1);
  for (const history::PlacementRecord& p : history.kept.back().placements) {
    ASSERT_TRUE(p.review) << p.turn;
    if (p.turn <= kPlayerFirst || p.turn == playerTurn) continue;
    EXPECT_EQ(p.review->bestCell, p.cell) << p.turn;
    EXPECT_EQ(p.review->expectedChosen, p.review->expectedBest) << p.turn;
  }

  // A review stopped at once ends at once, marked so, and stores nothing.
  for (history::PlacementRecord& p : history.kept.back().placements) p.review.reset();
  outcomes.clear();
  source.Review(kept.id, form.get(), {}, [&](const ReviewOutcome& o) { outcomes.push_back(o); });
  source.Cancel();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_TRUE(outcomes[0].stopped);
  EXPECT_FALSE(outcomes[0].complete);
  QTest::qWait(100);
  EXPECT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(history.reviewsStored, 1);
}

}  // namespace
}  // namespace marnelok::testing
