// SPDX-License-Identifier: GPL-3.0-or-later
// The Hint command: when it is offered, the frame on the advised cell and how long it stays,
// and the question cancelled by any change of the game.
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "advisor.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

using namespace std::chrono_literals;

const QColor kGrey(128, 128, 128);

// Counts of games rather than time, so that the advice is the same on any machine.
constexpr AdvisorBudget kQuick{60s, 50, 1};
constexpr AdvisorBudget kSteady{60s, 300, 2};
constexpr AdvisorBudget kEndless{60s, 1'000'000'000, 4};

class HintTest : public WindowTest {
 protected:
  HintSearch& Search() const { return WindowProbe::Hint(*form).Search(); }
  std::optional<Cell> Hinted() const { return WindowProbe::Hint(*form).Shown(); }
  void Ask(const AdvisorBudget& budget) {
    Search().SetBudget(budget);
    Action("MenuGameHintItem")->trigger();  // no events: the answer waits for the test
  }
  bool AnswerShown() {
    const bool shown = QTest::qWaitFor([this] { return Hinted().has_value(); }, 20000);
    Flush();
    return shown;
  }
  // Waits for the worker without letting an answer it sent reach the window.
  bool WorkerEnds() const {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!Search().WorkerDone()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(1ms);
    }
    return true;
  }
  // The middle of the frame's left side.
  QColor FrameAt(Cell c) const {
    const Point o = CellOrigin(Geometry(), c.column, c.row);
    return Pixel(o.x + 3, o.y + Geometry().cardHeight / 2);
  }
  // Every enabled and checked state of the menus, to see that nothing else changes.
  QString MenuStates() const {
    QString states;
    for (QAction* a : form->findChildren<QAction*>())
      if (a->objectName() != "MenuGameHintItem")
        states += a->objectName() + (a->isEnabled() ? "+" : "-") + (a->isChecked() ? "x" : "o");
    return states;
  }
};

TEST_F(HintTest, OfferedWhileACardWaitsInAGameAndChangesNoOtherCommand) {
  Start();
  QAction* hint = Action("MenuGameHintItem");
  EXPECT_FALSE(hint->isEnabled());
  form->MenuGameHintItemClick();  // before the first game: nothing to advise
  EXPECT_FALSE(Search().Pending());

  Seed(5);
  Trigger("MenuGameNewItem");
  EXPECT_TRUE(hint->isEnabled());
  const QString before = MenuStates();
  Ask(kQuick);
  EXPECT_TRUE(Search().Pending());
  ASSERT_TRUE(AnswerShown());
  EXPECT_FALSE(Search().Pending());
  EXPECT_EQ(MenuStates(), before);
  EXPECT_TRUE(hint->isEnabled());

  PlaceAt(2, 1);
  EXPECT_TRUE(hint->isEnabled());
  Trigger("MenuGameUndoItem");
  EXPECT_TRUE(hint->isEnabled());
  Trigger("MenuGameHighScoresItem");  // the panel hides the board but not the game
  EXPECT_TRUE(hint->isEnabled());
  Click(40, 40);
  Trigger("MenuOptionsHarderGameItem");
  EXPECT_TRUE(hint->isEnabled());
  Trigger("MenuOptionsPlayRegGameItem");
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) {
      EXPECT_TRUE(hint->isEnabled());
      PlaceAt(c, r);
    }
  ASSERT_FALSE(State().gameActive);
  EXPECT_FALSE(hint->isEnabled());
  form->MenuGameHintItemClick();
  EXPECT_FALSE(Search().Pending());
}

TEST_F(HintTest, TheAdvisedCellIsFramedThroughRepaintsUntilTheGameChanges) {
  Start();
  Seed(11);
  Trigger("MenuGameNewItem");
  WindowProbe::Hint(*form).SetSeed(42);
  const Advice expected = AdviseMove(VisiblePosition(State()), 42, kSteady);
  ASSERT_GE(expected.cell, 0);
  const Cell advised{GridColumnOf(expected.cell), GridRowOf(expected.cell)};
  const auto deck = State().deck;
  const RandomSource random = WindowProbe::Random(*form);

  Ask(kSteady);
  ASSERT_TRUE(AnswerShown());
  EXPECT_EQ(Hinted(), advised);
  EXPECT_EQ(FrameAt(advised), HintFrameColor());
  // The deal, the scores and the record are those of a game without a hint.
  EXPECT_EQ(State().deck, deck);
  EXPECT_TRUE(WindowProbe::Random(*form) == random);
  EXPECT_EQ(State().totalScore, 0);
  EXPECT_EQ(store->writes, 0);

  // Through full repaints, both schemes, both card sizes and the Top 5 panel.
  Box().Invalidate();
  Flush();
  EXPECT_EQ(FrameAt(advised), HintFrameColor());
  Trigger("MenuOptionsAltColorsItem");
  EXPECT_EQ(FrameAt(advised), HintFrameColor());
  Trigger("MenuOptionsSetLargeCards");
  ASSERT_EQ(Geometry().cardHeight, kLargeCards.cardHeight);
  EXPECT_EQ(FrameAt(advised), HintFrameColor());
  Trigger("MenuGameHighScoresItem");
  Click(40, 40);
  Flush();
  EXPECT_EQ(FrameAt(advised), HintFrameColor());
  Ask(kEndless);  // the hint stands: not asked again
  EXPECT_FALSE(Search().Pending());

  // A release that places nothing keeps it, and so does one on a taken cell; a placement
  // elsewhere erases it.
  PlaceAt(1, 2);
  const Cell other{advised.column == 2 ? 3 : 2, advised.row};  // empty in a regular deal
  EXPECT_EQ(Hinted(), advised);
  PlaceAt(other.column, other.row);
  ASSERT_TRUE(IsCard(State().board[other.column][other.row]));
  Flush();
  EXPECT_FALSE(Hinted());
  EXPECT_EQ(FrameAt(advised), kGrey);
  Ask(kQuick);
  ASSERT_TRUE(AnswerShown());
  const Cell again = *Hinted();
  PlaceAt(other.column, other.row);
  EXPECT_EQ(desktop.beeps, 1);
  EXPECT_EQ(Hinted(), again);
  EXPECT_EQ(FrameAt(again), HintFrameColor());

  // Undo, a new deal and a game kind each erase the frame of a hint asked anew.
  const std::function<void()> changes[] = {[this] { Trigger("MenuGameUndoItem"); },
                                           [this] { Trigger("MenuGameNewItem"); },
                                           [this] { Trigger("MenuOptionsHarderGameItem"); }};
  for (const auto& change : changes) {
    Ask(kQuick);
    ASSERT_TRUE(AnswerShown());
    const Cell shown = *Hinted();
    EXPECT_EQ(FrameAt(shown), HintFrameColor());
    change();
    EXPECT_FALSE(Hinted());
    if (State().board[shown.column][shown.row] == kEmptySlotCode) {
      EXPECT_EQ(FrameAt(shown), kGrey);
    }
  }
}

TEST_F(HintTest, AChangeOfTheGameCancelsTheQuestionAndDropsAnAnswerOnItsWay) {
  Start();
  Seed(3);
  Trigger("MenuGameNewItem");

  // A placement while the advisor works: it returns at once and the worker stops.
  Ask(kEndless);
  ASSERT_TRUE(Search().Pending());
  QElapsedTimer placing;
  placing.start();
  form->PaintBoxMouseUp(Qt::LeftButton, CellMiddle(2, 1).x(), CellMiddle(2, 1).y());
  EXPECT_LT(placing.elapsed(), 250);
  EXPECT_FALSE(Search().Pending());
  ASSERT_TRUE(WorkerEnds());
  Flush();
  EXPECT_FALSE(Hinted());

  // An answer already sent, to the very position it was asked for (a placement and its
  // undo in between), is still dropped.
  Ask(kQuick);
  ASSERT_TRUE(WorkerEnds());
  form->PaintBoxMouseUp(Qt::LeftButton, CellMiddle(3, 1).x(), CellMiddle(3, 1).y());
  form->MenuGameUndoItemClick();
  Flush();
  EXPECT_FALSE(Hinted());

  // So is one cut short by a change of card size; the next question is answered.
  Ask(kEndless);
  Trigger("MenuOptionsSetLargeCards");
  EXPECT_FALSE(Search().Pending());
  ASSERT_TRUE(WorkerEnds());
  Flush();
  EXPECT_FALSE(Hinted());
  Ask(kQuick);
  ASSERT_TRUE(AnswerShown());
  EXPECT_EQ(FrameAt(*Hinted()), HintFrameColor());

  // Closing while the advisor works stops it rather than waiting for it.
  PlaceAt(Hinted()->column, Hinted()->row);
  Ask(kEndless);
  form->close();
  EXPECT_TRUE(WorkerEnds());
  Ask(kEndless);  // even with a question out, the window's end is prompt
  QElapsedTimer ending;
  ending.start();
  form.reset();
  EXPECT_LT(ending.elapsed(), 2000);
}

}  // namespace
}  // namespace marnelok::testing
