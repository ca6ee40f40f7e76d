// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's outer size, frame included, and its place when first shown.
#include "outer_size.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace marnelok {
namespace {

// How long, and how often, the first show looks for the window manager's frame.
constexpr int kFrameWaitMs = 2000;
constexpr int kFrameCheckMs = 20;

}  // namespace

OuterSize::OuterSize(QWidget& window) : window_(window) {
  connect(&frameCheck_, &QTimer::timeout, this, &OuterSize::FitToFrame);
}

void OuterSize::Set(QSize outer) {
  wanted_ = outer;
  window_.resize(outer - FrameSize());
}

QSize OuterSize::FrameSize() const {
  const QWindow* handle = window_.windowHandle();
  if (!window_.isVisible() || handle == nullptr) return {0, 0};
  // The window's own margins are current; the widget's frame geometry may be cached.
  const QMargins m = handle->frameMargins();
  return {m.left() + m.right(), m.top() + m.bottom()};
}

void OuterSize::Shown() {
  if (shownOnce_) return;
  shownOnce_ = true;
  CentreOnScreen();
  // An X11 window manager frames the window a moment after it is shown and says so only in
  // a window property, without an event that reaches the widget: look until it is there.
  frameChecksLeft_ = kFrameWaitMs / kFrameCheckMs;
  frameCheck_.start(kFrameCheckMs);
  FitToFrame();
}

void OuterSize::FitToFrame() {
  const bool framed = !FrameSize().isNull();
  if (!framed && --frameChecksLeft_ > 0) return;
  frameCheck_.stop();
  // A window that is still unframed keeps its size: the table fits its client area. One
  // that the window manager has maximised keeps the size it was given.
  if (!framed || window_.isMaximized() || window_.isFullScreen()) return;
  Set(wanted_);
  CentreOnScreen();
}

void OuterSize::CentreOnScreen() {
  if (QScreen* s = window_.screen()) {
    const QRect area = s->availableGeometry();
    const QPoint centred = area.center() - QPoint(wanted_.width() / 2, wanted_.height() / 2);
    // A window larger than the screen keeps its title bar on it.
    window_.move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
  }
}

}  // namespace marnelok
