// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands of the display options: card size and colour scheme.
#include <QMenuBar>
#include <algorithm>

#include "desktop.h"
#include "marnelok_form.h"
#include "paint_box.h"
#include "table_painter.h"
#include "ui_marnelok_form.h"

namespace marnelok {

void TMarnelokForm::UseLargeCards() {
  if (!DisplayOptions::LargeCardsFit(desktop_.FullScreenClientSize())) {
    // No owner: the box is centred on the screen, not over a window that may lie off it.
    desktop_.ShowMessage(nullptr, tr("Large Cards"),
                         tr("Sorry! Screen resolution should be at least 800 x 600 "
                            "for large cards."));
    UseRegularCards();
    return;
  }
  ApplyCardSize(true);
  // Where only the compositor places windows (Wayland), the window grows where it stands.
  if (desktop_.CanMoveWindows()) move(4, 4);
}

void TMarnelokForm::UseRegularCards() { ApplyCardSize(false); }

// The card size, its back and the window's outer size; the row pitch follows with the next
// cell drawn.
void TMarnelokForm::ApplyCardSize(bool large) {
  const QSize outer = options_.UseCards(large);
  // The client area holds the menu bar and, below it, the whole table.
  const TableSize table = TableNeeds(options_.Geometry());
  const int menu = std::max(menuBar()->heightForWidth(table.width), menuBar()->sizeHint().height());
  outerSize_.Set(outer, QSize(table.width, menu + table.height));
}

void TMarnelokForm::MenuOptionsSetLargeCardsClick() {
  // A question out is dropped; a hint that stands is drawn again at the new size.
  hint_.Cancel();
  if (options_.LargeInUse())
    UseRegularCards();
  else
    UseLargeCards();
  // The record asks for the size now in use, at once, so that a close stores it.
  options_.AskLarge(options_.LargeInUse());
  ShowOptions();  // a refused change leaves it off
  paintBox().Invalidate();
  painter_->PaintBoxPaint();
}

void TMarnelokForm::UseAlternateColors() { ApplyColorScheme(true); }

void TMarnelokForm::UseNormalColors() { ApplyColorScheme(false); }

// The painter takes the table and panel colors from the option.
void TMarnelokForm::ApplyColorScheme(bool alternate) {
  options_.SetAltColors(alternate);
  ShowOptions();
  // Only the table takes the colour; the menu bar keeps the desktop's look.
  QPalette p = paintBox().palette();
  p.setColor(QPalette::Window, TableColor(alternate));
  paintBox().setPalette(p);
  // A new background colour repaints the whole table.
  paintBox().Invalidate();
}

void TMarnelokForm::SetAltColorClick() {
  if (options_.Look().altColors)
    UseNormalColors();
  else
    UseAlternateColors();
}

void TMarnelokForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  outerSize_.Shown();
}

}  // namespace marnelok
