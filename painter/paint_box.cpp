// SPDX-License-Identifier: GPL-3.0-or-later
// The widget that shows the table canvas and reports mouse presses and releases.
#include "paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QtMath>

namespace marnelok {
namespace {

// On a scaled screen a position can fall between logical pixels; it belongs to the pixel
// it lies in, not the nearest one.
QPoint PixelAt(QPointF position) { return {qFloor(position.x()), qFloor(position.y())}; }

}  // namespace

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  // The canvas covers every pixel, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  canvas_.SetChangedCallback([this] {
    // Drawing inside a system repaint is shown by the paint event already running.
    if (!painting_) update();
  });
  FitCanvas();
}

void PaintBox::Invalidate() {
  repaintPending_ = true;
  update();
}

void PaintBox::paintEvent(QPaintEvent* event) {
  // Moving to a screen with another scale changes the ratio without a resize.
  if (!qFuzzyCompare(fittedRatio_, devicePixelRatioF()) || canvas_.LogicalSize() != size()) {
    FitCanvas();
  }
  if (repaintPending_) {
    repaintPending_ = false;
    painting_ = true;
    if (systemRepaint_) systemRepaint_();
    painting_ = false;
  }
  QPainter painter(this);
  if (canvas_.image().isNull()) return;
  painter.drawImage(event->rect(), canvas_.image(),
                    QRectF(QPointF(event->rect().topLeft()) * canvas_.DevicePixelRatio(),
                           QSizeF(event->rect().size()) * canvas_.DevicePixelRatio()));
  if (overlay_) overlay_(painter);
}

void PaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitCanvas();
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  const QPoint at = PixelAt(event->position());
  emit pressed(event->button(), at.x(), at.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = PixelAt(event->position());
  emit released(event->button(), at.x(), at.y());
}

void PaintBox::FitCanvas() {
  fittedRatio_ = devicePixelRatioF();
  // What the screens can show at most: a larger canvas would only be scaled down.
  const QScreen* shown = screen();
  canvas_.Resize(
      size(), fittedRatio_,
      shown != nullptr ? (QSizeF(shown->virtualSize()) * fittedRatio_).toSize() : QSize());
  repaintPending_ = true;
  update();
}

}  // namespace marnelok
