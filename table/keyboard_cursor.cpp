// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cursor over the grid and the keys of the table.
#include "keyboard_cursor.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "paint_box.h"

namespace marnelok {
namespace {

// The frame straddles the cell's edge, one pixel outside and two inside, so it keeps clear
// of the hint's band further in and of the neighbouring cells two pixels away.
constexpr int kFrameWidth = 3;
// Dashes of black and white: one of the two shows on the green and the grey table, on a white
// card and on the yellow WIN band, and neither is the hint's solid yellow.
constexpr qreal kDash = 2;  // in frame widths

bool IsArrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

KeyboardCursor::KeyboardCursor(PaintBox& box, const GameState& state, const TableGeometry& geometry,
                               const bool& topFiveShown, Commands commands)
    : QObject(&box),
      box_(box),
      state_(state),
      geometry_(geometry),
      topFiveShown_(topFiveShown),
      commands_(commands) {
  box_.setFocusPolicy(Qt::StrongFocus);
  box_.setFocus();
  box_.installEventFilter(this);
  box_.SetOverlay([this](QPainter& painter) { Draw(painter); });
}

// The table may outlive the cursor by a moment; it draws nothing of it meanwhile.
KeyboardCursor::~KeyboardCursor() { box_.SetOverlay({}); }

void KeyboardCursor::MoveTo(Cell cell) {
  if (cell.column < kFirstGridColumn || cell.column > kBoardColumns || cell.row < 1 ||
      cell.row > kBoardRows || cell == cell_)
    return;
  if (shown_) box_.update(Area());
  cell_ = cell;
  if (shown_) box_.update(Area());
  emit moved(cell_);
}

bool KeyboardCursor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &box_) return false;
  if (event->type() == QEvent::MouseButtonPress && shown_) {
    shown_ = false;
    box_.update(Area());
  }
  if (event->type() == QEvent::KeyPress) return KeyPressed(static_cast<const QKeyEvent&>(*event));
  return false;
}

bool KeyboardCursor::KeyPressed(const QKeyEvent& event) {
  const int key = event.key();
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const bool plain = modifiers == Qt::NoModifier;
  const bool arrow = plain && IsArrow(key);
  const bool play =
      plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);

  // The panel goes as it does for the next left release, and the key does nothing else.
  if (topFiveShown_ && (arrow || play || (plain && key == Qt::Key_Escape))) {
    if (!event.isAutoRepeat()) PlayOnCell();
    return true;
  }
  if (arrow) {
    if (!shown_) {
      // The first arrow shows where the cursor stands before it moves it.
      shown_ = true;
      box_.update(Area());
      emit moved(cell_);
    } else {
      Step(key == Qt::Key_Left    ? -1
           : key == Qt::Key_Right ? 1
                                  : 0,
           key == Qt::Key_Up     ? -1
           : key == Qt::Key_Down ? 1
                                 : 0);
    }
    return true;
  }

  if (plain && key == Qt::Key_C) {
    if (!event.isAutoRepeat()) emit statusAsked();
    return true;
  }
  // A key held down plays, deals or undoes once.
  QAction* command = nullptr;
  if ((modifiers == Qt::ControlModifier && key == Qt::Key_N) || (plain && key == Qt::Key_F2))
    command = commands_.newGame;
  else if (modifiers == Qt::ControlModifier && key == Qt::Key_Z)
    command = commands_.undo;
  else if ((plain || modifiers == Qt::ShiftModifier) && key == Qt::Key_H)
    command = commands_.hint;
  if (command == nullptr && !play) return false;
  if (event.isAutoRepeat()) return true;
  if (command != nullptr) {
    command->trigger();
  } else if (state_.gameActive) {
    PlayOnCell();
  } else if (commands_.acts != nullptr) {
    commands_.acts->DealFromDeck();
  }
  return true;
}

void KeyboardCursor::Step(int columns, int rows) {
  MoveTo({std::clamp(cell_.column + columns, kFirstGridColumn, kBoardColumns),
          std::clamp(cell_.row + rows, 1, kBoardRows)});
}

void KeyboardCursor::PlayOnCell() {
  if (commands_.acts != nullptr) commands_.acts->PlaceCurrentCard(cell_);
}

QRect KeyboardCursor::Area() const {
  const Point origin = CellOrigin(geometry_, cell_.column, cell_.row);
  return QRect(origin.x, origin.y, geometry_.cardWidth, geometry_.cardHeight)
      .adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
}

void KeyboardCursor::Draw(QPainter& painter) const {
  // The Top 5 panel covers the grid.
  if (!shown_ || topFiveShown_) return;
  const Point origin = CellOrigin(geometry_, cell_.column, cell_.row);
  // A pen centred half a pixel inside the cell's edge covers one pixel outside and two inside.
  const QRectF line(origin.x + 0.5, origin.y + 0.5, geometry_.cardWidth - 1,
                    geometry_.cardHeight - 1);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  QPen pen(Qt::black, kFrameWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter.setPen(pen);
  painter.drawRect(line);
  pen.setColor(Qt::white);
  pen.setDashPattern({kDash, kDash});
  painter.setPen(pen);
  painter.drawRect(line);
  painter.restore();
}

}  // namespace marnelok
