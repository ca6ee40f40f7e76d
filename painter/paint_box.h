// SPDX-License-Identifier: GPL-3.0-or-later
// The widget that shows the table canvas and reports mouse presses and releases.
#pragma once

#include <QWidget>
#include <functional>
#include <utility>

#include "canvas.h"

class QPainter;

namespace marnelok {

// Fills the main window's client area. Painting only shows the canvas; a system repaint
// (after Invalidate, a resize or a change of screen scale) first runs the callback given
// to SetSystemRepaint, which redraws the whole canvas.
class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr);

  Canvas& canvas() { return canvas_; }
  void SetSystemRepaint(std::function<void()> callback) { systemRepaint_ = std::move(callback); }
  // Drawn over the canvas on screen only, such as the keyboard's cursor: it never becomes part
  // of the table's picture, so the table's own drawing is the same with it or without it.
  void SetOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }
  // The next paint event redraws the whole table before showing it.
  void Invalidate();

 signals:
  void pressed(Qt::MouseButton button, int x, int y);
  void released(Qt::MouseButton button, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FitCanvas();

  Canvas canvas_;
  std::function<void()> systemRepaint_;
  std::function<void(QPainter&)> overlay_;
  qreal fittedRatio_ = 0.0;  // the device pixel ratio the canvas was last fitted for
  bool repaintPending_ = true;
  bool painting_ = false;
};

}  // namespace marnelok
