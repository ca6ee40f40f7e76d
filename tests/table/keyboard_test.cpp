// SPDX-License-Identifier: GPL-3.0-or-later
// The table by keyboard alone: the cursor, playing and dealing with Enter, the keys of the
// Game menu's commands, and the Top 5 panel put away by a key.
#include <QApplication>

#include "advisor.h"
#include "keyboard_cursor.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

using namespace std::chrono_literals;

class KeyboardTest : public WindowTest {
 protected:
  Cell At() const { return Box().findChild<KeyboardCursor*>()->cell(); }
  // Walks the cursor to `cell` one arrow at a time.
  void GoTo(Cell cell) {
    for (int steps = 0; steps < 10 && At() != cell; ++steps)
      Key(At().column < cell.column   ? Qt::Key_Right
          : At().column > cell.column ? Qt::Key_Left
          : At().row < cell.row       ? Qt::Key_Down
                                      : Qt::Key_Up);
  }
  // The table as the screen shows it: the canvas with whatever is drawn over it.
  QImage OnScreen() const {
    return Box().grab().toImage().convertToFormat(Box().canvas().image().format());
  }
  bool CursorHidden() const { return OnScreen() == Box().canvas().image(); }
  // The top edge of the cursor's frame, one pixel above the cell: black and white dashes.
  bool FrameOn(Cell cell) const {
    const Point o = CellOrigin(Geometry(), cell.column, cell.row);
    const QImage screen = OnScreen();
    int black = 0;
    int white = 0;
    for (int x = o.x; x < o.x + Geometry().cardWidth; ++x) {
      black += screen.pixelColor(x, o.y - 1) == Qt::black;
      white += screen.pixelColor(x, o.y - 1) == Qt::white;
    }
    return black > 10 && white > 10 && black + white == Geometry().cardWidth;
  }
};

TEST_F(KeyboardTest, AWholeGameByKeysAlone) {
  desktop.answerText = [](const QString&) { return QStringLiteral("Ada"); };
  StartActive();
  ASSERT_EQ(QApplication::focusWidget(), &Box());  // the table has the keyboard
  Key(Qt::Key_F2);
  ASSERT_TRUE(State().gameActive);
  Key(Qt::Key_Return);  // plays on the top-left cell, where the cursor starts unseen
  EXPECT_LT(State().board[2][1], kEmptySlotCode);
  EXPECT_TRUE(CursorHidden());
  Seed(5);  // the deal of the game by clicks
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(State().board[2][1], kEmptySlotCode);

  // The first arrow shows the cursor where it starts; it stops at the edges.
  Key(Qt::Key_Left);
  EXPECT_EQ(At(), (Cell{2, 1}));
  EXPECT_TRUE(FrameOn({2, 1}));
  Key(Qt::Key_Up);
  Key(Qt::Key_Left);
  EXPECT_EQ(At(), (Cell{2, 1}));

  // Enter plays where the cursor stands, Ctrl+Z takes it back, Space plays it again; on an
  // occupied cell it only beeps, as a click does.
  const int first = State().currentCard();
  Key(Qt::Key_Return);
  EXPECT_EQ(State().board[2][1], first);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(State().board[2][1], kEmptySlotCode);
  Key(Qt::Key_Space);
  EXPECT_EQ(State().board[2][1], first);
  const int next = State().currentCard();
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(State().currentCard(), next);
  EXPECT_EQ(desktop.beeps, 1);

  // H asks for a hint; the cursor goes to the advised cell, and Enter plays it there.
  TableHint& hint = WindowProbe::Hint(*form);
  hint.Search().SetBudget(AdvisorBudget{60s, 50, 1});
  Key(Qt::Key_H);
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_TRUE(QTest::qWaitFor([&hint] { return hint.Shown().has_value(); }, 20000));
  const Cell advised = *hint.Shown();
  EXPECT_EQ(At(), advised);
  Flush();
  EXPECT_TRUE(FrameOn(advised));
  Key(Qt::Key_Return);
  EXPECT_EQ(State().board[advised.column][advised.row], next);

  // A mouse press hides the cursor; the next arrow shows it where it was.
  Press(600, 450);
  Release(600, 450);
  EXPECT_TRUE(CursorHidden());
  Key(Qt::Key_Down);
  EXPECT_EQ(At(), advised);
  EXPECT_TRUE(FrameOn(advised));

  // The rest of the grid in reading order, with the far corner's edges on the way.
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) {
      if (State().board[c][r] != kEmptySlotCode) continue;
      GoTo({c, r});
      ASSERT_EQ(At(), (Cell{c, r}));
      const int card = State().currentCard();
      Key(Qt::Key_Return);
      EXPECT_EQ(State().board[c][r], card);
    }
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  EXPECT_EQ(At(), (Cell{6, 5}));
  EXPECT_TRUE(FrameOn({6, 5}));
  ASSERT_FALSE(State().gameActive);
  ASSERT_EQ(desktop.prompts.size(), 1);
  EXPECT_EQ(Stored().HighName(1), "Ada");

  // Between games Enter deals, as a press on the deck does.
  Key(Qt::Key_Return);
  EXPECT_TRUE(State().gameActive);
  EXPECT_EQ(State().cardsPlaced, 0);
}

TEST_F(KeyboardTest, AKeyPutsTheTopFivePanelAwayAndTheCursorShowsOnEveryTable) {
  StartActive();
  Trigger("MenuGameNewItem");
  Key(Qt::Key_Left);  // the cursor shows on the top-left cell
  const GameState before = State();
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
    Trigger("MenuGameHighScoresItem");
    ASSERT_TRUE(TopFiveShown());
    EXPECT_EQ(Pixel(100, 20), QColor(255, 255, 0));
    EXPECT_TRUE(CursorHidden()) << key;  // the panel covers the grid
    Key(key);
    EXPECT_FALSE(TopFiveShown()) << key;
    EXPECT_EQ(State().board, before.board) << key;
    EXPECT_EQ(At(), (Cell{2, 1})) << key;
    EXPECT_TRUE(FrameOn({2, 1})) << key;
  }
  Key(Qt::Key_Return);  // the panel gone, Enter plays
  EXPECT_EQ(State().board[2][1], before.currentCard());

  // On a card, on the grey table and with large cards alike.
  EXPECT_TRUE(FrameOn({2, 1}));
  Trigger("MenuOptionsAltColorsItem");
  EXPECT_TRUE(FrameOn({2, 1}));
  Key(Qt::Key_Right);
  EXPECT_TRUE(FrameOn({3, 1}));
  Trigger("MenuOptionsSetLargeCards");
  ASSERT_EQ(Geometry().cardWidth, kLargeCards.cardWidth);
  EXPECT_TRUE(FrameOn({3, 1}));
}

}  // namespace
}  // namespace marnelok::testing
