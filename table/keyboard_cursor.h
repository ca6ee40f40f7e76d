// SPDX-License-Identifier: GPL-3.0-or-later
// The table's keys: the arrows move a cursor over the 25 cells of the grid, Enter and Space
// play the current card where it stands (or deal between games), and the keys that players of
// other card games expect reach the Game menu's commands.
#pragma once

#include <QObject>
#include <QRect>

#include "game_state.h"
#include "geometry.h"
#include "table_acts.h"

class QAction;
class QKeyEvent;
class QPainter;

namespace marnelok {

class PaintBox;

// The cursor is drawn only once an arrow key has been pressed, and a mouse press on the table
// hides it again, so that a player who never touches the keyboard sees the table unchanged.
// Enter and Space ask for the table's acts that a click asks for: the current card into the
// cursor's cell, or a deal between games, so that every rule of a click holds for a key. C asks
// for the current card and the total to be told.
class KeyboardCursor : public QObject {
  Q_OBJECT

 public:
  // Ctrl+N and F2, Ctrl+Z and H trigger these, exactly as the menu does; Enter and Space ask
  // for the acts (none: the keys play nothing).
  struct Commands {
    QAction* newGame = nullptr;
    QAction* undo = nullptr;
    QAction* hint = nullptr;
    TableActs* acts = nullptr;
  };

  // Takes the keyboard focus for the table and draws over it. The table, the game, the card
  // size and the actions outlive the cursor.
  // topFiveShown: whether the Top 5 panel covers the board, as the painter keeps it.
  KeyboardCursor(PaintBox& box, const GameState& state, const TableGeometry& geometry,
                 const bool& topFiveShown, Commands commands);
  ~KeyboardCursor() override;

  Cell cell() const { return cell_; }  // board column 2 to 6, row 1 to 5
  bool Shown() const { return shown_; }
  // Puts the cursor on a grid cell (the advised one of a hint), drawn only if it was.
  void MoveTo(Cell cell);

 signals:
  void moved(Cell cell);  // also when the first arrow shows the cursor where it stands
  void statusAsked();     // C: the current card and the total, for a screen reader

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPressed(const QKeyEvent& event);
  void Step(int columns, int rows);
  void PlayOnCell();
  void Draw(QPainter& painter) const;
  QRect Area() const;  // every pixel the frame may cover

  PaintBox& box_;
  const GameState& state_;
  const TableGeometry& geometry_;
  const bool& topFiveShown_;
  Commands commands_;
  Cell cell_{kFirstGridColumn, 1};
  bool shown_ = false;
};

}  // namespace marnelok
