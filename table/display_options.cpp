// SPDX-License-Identifier: GPL-3.0-or-later
// The display options of the main window: card size and colour scheme, and the window's
// outer size and place on the screen.
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "desktop.h"
#include "marnelok_form.h"
#include "paint_box.h"
#include "table_painter.h"
#include "ui_marnelok_form.h"

namespace marnelok {
namespace {

// How long, and how often, the first show looks for the window manager's frame.
constexpr int kFrameWaitMs = 2000;
constexpr int kFrameCheckMs = 20;

}  // namespace

void TMarnelokForm::UseLargeCards() {
  const QSize client = desktop_.FullScreenClientSize();
  if (client.width() < 750 || client.height() < 550) {
    // No owner: the box is centred on the screen, not over a window that may lie off it.
    desktop_.ShowMessage(nullptr, QStringLiteral("Large Cards"),
                         QStringLiteral("Sorry! Screen resolution should be at least 800 x 600 "
                                        "for large cards."));
    UseRegularCards();
    return;
  }
  ApplyCardSize(kLargeCards, images_.largeBack, QSize(745, 625));
  move(4, 4);
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
  SetOuterSize(outer.width(), outer.height());
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

// The sizes are outer sizes, frame included. Until the window manager has framed the window,
// the size goes to the client area; FitToFrame corrects it once the frame is known.
void TMarnelokForm::SetOuterSize(int width, int height) {
  wantedOuterSize_ = QSize(width, height);
  const QSize frame = FrameSize();
  resize(width - frame.width(), height - frame.height());
}

QSize TMarnelokForm::FrameSize() const {
  const QWindow* window = windowHandle();
  if (!isVisible() || window == nullptr) return {0, 0};
  // The window's own margins are current; the widget's frame geometry may be cached.
  const QMargins m = window->frameMargins();
  return {m.left() + m.right(), m.top() + m.bottom()};
}

void TMarnelokForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  CentreOnScreen();
  // An X11 window manager frames the window a moment after it is shown and says so only in
  // a window property, without an event that reaches the widget: look until it is there.
  frameChecksLeft_ = kFrameWaitMs / kFrameCheckMs;
  frameCheck_.start(kFrameCheckMs);
  FitToFrame();
}

void TMarnelokForm::FitToFrame() {
  const bool framed = !FrameSize().isNull();
  if (!framed && --frameChecksLeft_ > 0) return;
  frameCheck_.stop();
  // A window that is still unframed keeps its size: the table fits its client area. One
  // that the window manager has maximised keeps the size it was given.
  if (!framed || isMaximized() || isFullScreen()) return;
  SetOuterSize(wantedOuterSize_.width(), wantedOuterSize_.height());
  CentreOnScreen();
}

void TMarnelokForm::CentreOnScreen() {
  if (QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    const QPoint centred =
        area.center() - QPoint(wantedOuterSize_.width() / 2, wantedOuterSize_.height() / 2);
    // A window larger than the screen keeps its title bar on it.
    move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
  }
}

}  // namespace marnelok
