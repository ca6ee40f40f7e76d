// SPDX-License-Identifier: GPL-3.0-or-later
// A small chart drawn with QPainter, for builds without Qt Charts: bars, lines and points over
// two value axes, the dashed winning line, the title and a legend.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

namespace marnelok {

class PlainChart {
 public:
  enum class Kind { kBars, kLine, kPoints };
  struct Series {
    QString name;
    QColor color;
    Kind kind = Kind::kLine;
    bool dashed = false;
    std::vector<QPointF> points;
  };
  struct Axis {
    double min = 0;
    double max = 1;
    QString title;
    std::vector<std::pair<double, QString>> ticks;  // value and label
  };

  explicit PlainChart(QString title) : title_(std::move(title)) {}

  void AddSeries(Series series) { series_.push_back(std::move(series)); }
  // The axes; `ticks` empty gives about five round steps from min to max.
  void SetAxes(Axis x, Axis y);
  // A dashed red line between two points on the axes.
  void AddWinLine(QPointF from, QPointF to) { winLines_.emplace_back(from, to); }

  const QString& title() const { return title_; }
  const std::vector<Series>& series() const { return series_; }

  // The plot area inside `frame`, as Paint uses it.
  QRect PlotArea(const QRect& frame, const QFontMetrics& metrics) const;
  void Paint(QPainter& painter, const QRect& frame, const QPalette& palette) const;

 private:
  QString title_;
  std::vector<Series> series_;
  Axis x_;
  Axis y_;
  std::vector<std::pair<QPointF, QPointF>> winLines_;
};

// The widget that shows one chart; it owns the chart it shows. setChart hands the old chart
// back to the caller, as Qt Charts' view does.
class PlainChartView : public QWidget {
 public:
  explicit PlainChartView(QWidget* parent = nullptr) : QWidget(parent) {}
  ~PlainChartView() override;
  PlainChartView(const PlainChartView&) = delete;
  PlainChartView& operator=(const PlainChartView&) = delete;

  PlainChart* chart() const { return chart_; }
  void setChart(PlainChart* chart);
  void setRenderHint(QPainter::RenderHint hint, bool on = true) { hints_.setFlag(hint, on); }
  // The chart's plot area in this widget's coordinates.
  QRect PlotArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PlainChart* chart_ = nullptr;
  QPainter::RenderHints hints_;
};

}  // namespace marnelok
