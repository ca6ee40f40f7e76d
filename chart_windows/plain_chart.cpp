// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the plain chart.
#include "plain_chart.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>

namespace marnelok {
namespace {

// About five round steps (1, 2 or 5 times a power of ten) from min to max.
std::vector<std::pair<double, QString>> RoundTicks(double min, double max) {
  const double span = max - min;
  if (!(span > 0) || !std::isfinite(span)) return {{min, QLocale().toString(min, 'f', 0)}};
  const double rough = span / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= rough) break;
  }
  std::vector<std::pair<double, QString>> ticks;
  for (double v = std::ceil(min / step) * step; v <= max + step * 1e-9; v += step)
    ticks.emplace_back(v, QLocale().toString(v, 'f', step < 1 ? 1 : 0));
  return ticks;
}

}  // namespace

void PlainChart::SetAxes(Axis x, Axis y) {
  x_ = std::move(x);
  y_ = std::move(y);
  for (Axis* axis : {&x_, &y_}) {
    if (!(axis->max > axis->min)) axis->max = axis->min + 1;
    if (axis->ticks.empty()) axis->ticks = RoundTicks(axis->min, axis->max);
  }
}

QRect PlainChart::PlotArea(const QRect& frame, const QFontMetrics& metrics) const {
  const int line = metrics.height();
  int labels = 0;
  for (const auto& tick : y_.ticks)
    labels = std::max(labels, metrics.horizontalAdvance(tick.second));
  const int left = frame.left() + line + labels + 12;
  const int top = frame.top() + line * 2;
  const int bottom = frame.bottom() - line * 4;
  const int right = frame.right() - metrics.horizontalAdvance(QStringLiteral("000")) / 2 - 6;
  return QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
}

void PlainChart::Paint(QPainter& painter, const QRect& frame, const QPalette& palette) const {
  const QFontMetrics metrics = painter.fontMetrics();
  const QRect plot = PlotArea(frame, metrics);
  const auto at = [&](QPointF p) {
    return QPointF(plot.left() + (p.x() - x_.min) / (x_.max - x_.min) * plot.width(),
                   plot.bottom() - (p.y() - y_.min) / (y_.max - y_.min) * plot.height());
  };
  const int line = metrics.height();

  QFont bold = painter.font();
  bold.setBold(true);
  painter.save();
  painter.setFont(bold);
  painter.drawText(QRect(frame.left(), frame.top(), frame.width(), line * 2), Qt::AlignCenter,
                   title_);
  painter.restore();

  // Grid lines and tick labels.
  painter.setPen(QColor(225, 225, 225));
  for (const auto& tick : y_.ticks) {
    const double y = at({x_.min, tick.first}).y();
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  painter.setPen(palette.text().color());
  for (const auto& tick : y_.ticks) {
    const double y = at({x_.min, tick.first}).y();
    painter.drawText(
        QRectF(frame.left() + line, y - line / 2.0, plot.left() - frame.left() - line - 6, line),
        Qt::AlignRight | Qt::AlignVCenter, tick.second);
  }
  for (const auto& tick : x_.ticks) {
    const double x = at({tick.first, y_.min}).x();
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    painter.drawText(QRectF(x - 40, plot.bottom() + 4, 80, line), Qt::AlignHCenter | Qt::AlignTop,
                     tick.second);
  }
  painter.drawText(QRect(plot.left(), plot.bottom() + 4 + line, plot.width(), line),
                   Qt::AlignCenter, x_.title);
  painter.save();
  painter.translate(frame.left(), plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter, y_.title);
  painter.restore();
  painter.drawRect(plot);

  // The series, clipped to the plot.
  painter.save();
  painter.setClipRect(plot.adjusted(0, 0, 1, 1));
  for (const Series& s : series_) {
    QPen pen(s.color, 2);
    if (s.dashed) pen.setStyle(Qt::DashLine);
    switch (s.kind) {
      case Kind::kBars:
        for (const QPointF& p : s.points) {
          if (p.y() <= y_.min) continue;
          painter.fillRect(QRectF(at({p.x() - 0.45, p.y()}), at({p.x() + 0.45, y_.min})), s.color);
        }
        break;
      case Kind::kLine: {
        painter.setPen(pen);
        QPolygonF polyline;
        for (const QPointF& p : s.points) polyline << at(p);
        painter.drawPolyline(polyline);
        break;
      }
      case Kind::kPoints:
        painter.setPen(Qt::NoPen);
        painter.setBrush(s.color);
        for (const QPointF& p : s.points) painter.drawEllipse(at(p), 5.5, 5.5);
        painter.setBrush(Qt::NoBrush);
        break;
    }
  }
  QPen win(QColor(220, 0, 0), 2);
  win.setStyle(Qt::DashLine);
  painter.setPen(win);
  for (const auto& [from, to] : winLines_) painter.drawLine(at(from), at(to));
  painter.restore();

  // The legend, one row below the axis title.
  int x = plot.left();
  const int y = plot.bottom() + 4 + line * 2 + line / 2;
  painter.setPen(palette.text().color());
  for (const Series& s : series_) {
    if (s.name.isEmpty()) continue;
    painter.fillRect(QRect(x, y + line / 4, line / 2, line / 2), s.color);
    x += line / 2 + 4;
    painter.drawText(QRect(x, y, metrics.horizontalAdvance(s.name) + 2, line), Qt::AlignVCenter,
                     s.name);
    x += metrics.horizontalAdvance(s.name) + line;
  }
}

PlainChartView::~PlainChartView() { delete chart_; }

void PlainChartView::setChart(PlainChart* chart) {
  chart_ = chart;
  setAccessibleName(chart_ != nullptr ? chart_->title() : QString());
  update();
}

QRect PlainChartView::PlotArea() const {
  return chart_ != nullptr ? chart_->PlotArea(rect(), fontMetrics()) : QRect();
}

void PlainChartView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHints(hints_);
  painter.fillRect(rect(), palette().base());
  if (chart_ != nullptr) chart_->Paint(painter, rect(), palette());
}

}  // namespace marnelok
