// SPDX-License-Identifier: GPL-3.0-or-later
// The display options of the main window: card size and colour scheme.
#include <QMenuBar>
#include <algorithm>

#include "desktop.h"
#include "marnelok_form.h"
#include "paint_box.h"
#include "table_painter.h"
#include "ui_marnelok_form.h"

namespace marnelok {

void TMarnelokForm::UseLargeCards() {
  const QSize client = desktop_.FullScreenClientSize();
  if (client.width() < 750 || client.height() < 550) {
    // No owner: the box is centred on the screen, not over a window that may lie off it.
    desktop_.ShowMessage(nullptr, tr("Large Cards"),
                         tr("Sorry! Screen resolution should be at least 800 x 600 "
                            "for large cards."));
    UseRegularCards();
    return;
  }
  ApplyCardSize(kLargeCards, images_.largeBack, QSize(745, 625));
  // Where only the compositor places windows (Wayland), the window grows where it stands.
  if (desktop_.CanMoveWindows()) move(4, 4);
}

void TMarnelokForm::UseRegularCards() {
  ApplyCardSize(kRegularCards, images_.regularBack, QSize(660, 500));
}

// The card size, its back and the window's outer size; the row pitch follows with the next
// cell drawn. The record's LargeCards byte is written at once, so that a close stores the
// size; InitTable reads the record again after a refused request.
void TMarnelokForm::ApplyCardSize(const TableGeometry& size, const QImage& back, QSize outer) {
  geometry_ = size;
  settings_.SetLargeCards(LargeCardsInUse());
  look_.cardBack = &back;
  // The client area holds the menu bar and, below it, the whole table.
  const TableSize table = TableNeeds(size);
  const int menu = std::max(menuBar()->heightForWidth(table.width), menuBar()->sizeHint().height());
  outerSize_.Set(outer, QSize(table.width, menu + table.height));
}

void TMarnelokForm::MenuOptionsSetLargeCardsClick() {
  // A question out is dropped; a hint that stands is drawn again at the new size.
  hint_.Cancel();
  if (LargeCardsInUse())
    UseRegularCards();
  else
    UseLargeCards();
  ShowOptions();  // a refused change leaves it off
  paintBox().Invalidate();
  painter_->PaintBoxPaint();
}

void TMarnelokForm::UseAlternateColors() { ApplyColorScheme(true); }

void TMarnelokForm::UseNormalColors() { ApplyColorScheme(false); }

// The painter takes the table and panel colors from the option.
void TMarnelokForm::ApplyColorScheme(bool alternate) {
  look_.altColors = alternate;
  ShowOptions();
  // Only the table takes the colour; the menu bar keeps the desktop's look.
  QPalette p = paintBox().palette();
  p.setColor(QPalette::Window, TableColor(alternate));
  paintBox().setPalette(p);
  // A new background colour repaints the whole table.
  paintBox().Invalidate();
}

void TMarnelokForm::SetAltColorClick() {
  if (look_.altColors)
    UseNormalColors();
  else
    UseAlternateColors();
}

void TMarnelokForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  outerSize_.Shown();
}

}  // namespace marnelok
