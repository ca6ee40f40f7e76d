// SPDX-License-Identifier: GPL-3.0-or-later
// Building the two charts.
#include "statistics_charts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "chart_style.h"
#include "game_state.h"

namespace marnelok {
namespace {

// The charts' words in the program's catalogue.
class StatisticsCharts {
  Q_DECLARE_TR_FUNCTIONS(marnelok::StatisticsCharts)
};

}  // namespace

QChart* MakeHistogramChart(const std::vector<std::int64_t>& histogram) {
  QChart* chart = NewChart(HistogramName());
  constexpr int kWinBin = kWinningScore / history::kHistogramBin;
  // Always past the winning line, so that it shows even before the first win.
  const int bins = std::max(static_cast<int>(histogram.size()), kWinBin + 2);
  auto* below = new QBarSet(StatisticsCharts::tr("Below 150"));
  auto* wins = new QBarSet(StatisticsCharts::tr("150 or more"));
  below->setColor(QColor(90, 120, 170));
  wins->setColor(QColor(0, 150, 60));
  std::int64_t most = 0;
  for (int k = 0; k < bins; ++k) {
    const std::int64_t n =
        k < static_cast<int>(histogram.size()) ? histogram[static_cast<std::size_t>(k)] : 0;
    most = std::max(most, n);
    *below << (k < kWinBin ? double(n) : 0.0);
    *wins << (k >= kWinBin ? double(n) : 0.0);
  }
  auto* series = new QStackedBarSeries;
  series->append(below);
  series->append(wins);
  series->setBarWidth(0.9);
  chart->addSeries(series);

  // Bar k stands at x = k and holds the totals 10k to 10k + 9, so a total t lies at
  // x = t / 10 - 0.5: the labels mark every 50 points at the bars' edges.
  auto* x = new QCategoryAxis;
  x->setRange(-0.5, bins - 0.5);
  x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const QLocale locale;
  for (int t = 50; t < bins * history::kHistogramBin; t += 50)
    x->append(locale.toString(t), t / double(history::kHistogramBin) - 0.5);
  QValueAxis* y = WholeNumberAxis(0, std::max<double>(most, 4), true);
  SetAxes(chart, x, StatisticsCharts::tr("Total"), y, StatisticsCharts::tr("Games"));
  const double edge = kWinBin - 0.5;
  AddWinLine(chart, {edge, 0}, {edge, y->max()});
  return chart;
}

QChart* MakeMeansChart(const std::vector<history::MeanPoint>& means) {
  QChart* chart = NewChart(MeansName());
  auto* series = new QLineSeries;
  series->setName(StatisticsCharts::tr("Mean total"));
  double top = kWinningScore;
  for (const history::MeanPoint& p : means) {
    series->append(double(p.game), p.mean);
    top = std::max(top, p.mean);
  }
  chart->addSeries(series);
  const double first = means.empty() ? 0 : double(means.front().game);
  const double last = means.empty() ? 1 : std::max(double(means.back().game), first + 1);
  QValueAxis* x = WholeNumberAxis(first, last, false);
  // Games are counted whole: ticks 1, 2 or 5 times a power of ten apart, at most 8 of them.
  double step = 1;
  for (double scale = 1; (last - first) / step > 7; scale *= 10)
    for (const double m : {1.0, 2.0, 5.0})
      if ((last - first) / step > 7) step = m * scale;
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(std::ceil(first / step) * step);
  x->setTickInterval(step);
  x->setMinorTickCount(0);
  SetAxes(chart, x, StatisticsCharts::tr("Game"), WholeNumberAxis(0, top, true),
          StatisticsCharts::tr("Points"));
  AddWinLine(chart, {first, double(kWinningScore)}, {last, double(kWinningScore)});
  return chart;
}

}  // namespace marnelok
