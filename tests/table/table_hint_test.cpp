// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's owner on its own, with the rules but no window: told of each change of the game,
// it takes its frame away before the rules draw the change.
#include "table_hint.h"

#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <string>
#include <vector>

#include "game.h"

namespace marnelok::testing {
namespace {

using namespace std::chrono_literals;

std::string CellText(const char* what, int column, int row) {
  return std::string(what) + " " + std::to_string(column) + "," + std::to_string(row);
}

// The rules' requests as the window passes them: the change goes to the hint.
class ToldRequests : public NullTableRequests {
 public:
  void GameChanging() override { hint->Drop(); }
  void DrawCell(int, int column, int row) override {
    drawn.push_back(CellText("cell", column, row));
  }

  TableHint* hint = nullptr;
  std::vector<std::string> drawn;
};

TEST(TableHint, ErasesItsFrameBeforeTheRulesDrawAndKeepsItThroughACancel) {
  ToldRequests requests;
  RandomSource random(11);
  Game game(requests, random);
  TableHint hint(game, 42);
  requests.hint = &hint;
  int shown = 0;
  QObject::connect(&hint, &TableHint::frameShown, [&] { ++shown; });
  QObject::connect(&hint, &TableHint::frameErased,
                   [&](Cell c) { requests.drawn.push_back(CellText("erase", c.column, c.row)); });
  hint.Search().SetBudget({60s, 50, 1});

  hint.Ask();  // no game yet
  EXPECT_FALSE(hint.Search().Pending());
  game.SetKind(GameKind::kRegular);
  game.NewGame();
  hint.Ask();
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint.Shown().has_value(); }, 20000));
  EXPECT_EQ(shown, 1);
  const Cell advised = *hint.Shown();
  hint.Cancel();  // a new card size: the question goes, the frame stays
  EXPECT_EQ(hint.Shown(), advised);
  hint.Ask();  // a standing hint is not asked again
  EXPECT_FALSE(hint.Search().Pending());

  const Cell other{advised.column == 2 ? 3 : 2, advised.row};
  requests.drawn.clear();
  game.PlaceCard(other.column, other.row);
  ASSERT_FALSE(requests.drawn.empty());
  EXPECT_EQ(requests.drawn[0], CellText("erase", advised.column, advised.row));
  EXPECT_EQ(requests.drawn[1], CellText("cell", other.column, other.row));
  EXPECT_FALSE(hint.Shown());

  // A change with nothing shown erases nothing.
  requests.drawn.clear();
  game.Undo();
  EXPECT_EQ(requests.drawn.front(), CellText("cell", 1, 4));
}

}  // namespace
}  // namespace marnelok::testing
