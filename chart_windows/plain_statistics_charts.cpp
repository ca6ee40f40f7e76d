// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's two charts as plain drawings, for builds without Qt Charts.
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "game_state.h"
#include "statistics_charts.h"

namespace marnelok {
namespace {

// The charts' words in the program's catalogue, the same as with Qt Charts.
class StatisticsCharts {
  Q_DECLARE_TR_FUNCTIONS(marnelok::StatisticsCharts)
};

}  // namespace

Chart* MakeHistogramChart(const std::vector<std::int64_t>& histogram) {
  auto* chart = new PlainChart(StatisticsCharts::tr("Totals of finished games"));
  constexpr int kWinBin = kWinningScore / history::kHistogramBin;
  const int bins = std::max(static_cast<int>(histogram.size()), kWinBin + 2);
  PlainChart::Series below{
      StatisticsCharts::tr("Below 150"), QColor(90, 120, 170), PlainChart::Kind::kBars, false, {}};
  PlainChart::Series wins{
      StatisticsCharts::tr("150 or more"), QColor(0, 150, 60), PlainChart::Kind::kBars, false, {}};
  std::int64_t most = 0;
  for (int k = 0; k < bins; ++k) {
    const std::int64_t n =
        k < static_cast<int>(histogram.size()) ? histogram[static_cast<std::size_t>(k)] : 0;
    most = std::max(most, n);
    (k < kWinBin ? below : wins).points.emplace_back(k, double(n));
  }
  chart->AddSeries(std::move(below));
  chart->AddSeries(std::move(wins));
  PlainChart::Axis x{-0.5, bins - 0.5, StatisticsCharts::tr("Total"), {}};
  const QLocale locale;
  for (int t = 50; t < bins * history::kHistogramBin; t += 50)
    x.ticks.emplace_back(t / double(history::kHistogramBin) - 0.5, locale.toString(t));
  const double top = std::max<double>(most, 4);
  chart->SetAxes(std::move(x), {0, top, StatisticsCharts::tr("Games"), {}});
  chart->AddWinLine({kWinBin - 0.5, 0}, {kWinBin - 0.5, top});
  return chart;
}

Chart* MakeMeansChart(const std::vector<history::MeanPoint>& means) {
  auto* chart = new PlainChart(StatisticsCharts::tr("Mean of the last 20 games"));
  PlainChart::Series series{
      StatisticsCharts::tr("Mean total"), QColor(32, 159, 223), PlainChart::Kind::kLine, false, {}};
  double top = kWinningScore;
  for (const history::MeanPoint& p : means) {
    series.points.emplace_back(double(p.game), p.mean);
    top = std::max(top, p.mean);
  }
  chart->AddSeries(std::move(series));
  const double first = means.empty() ? 0 : double(means.front().game);
  const double last = means.empty() ? 1 : std::max(double(means.back().game), first + 1);
  chart->SetAxes({first, last, StatisticsCharts::tr("Game"), {}},
                 {0, top * 1.1, StatisticsCharts::tr("Points"), {}});
  chart->AddWinLine({first, double(kWinningScore)}, {last, double(kWinningScore)});
  return chart;
}

}  // namespace marnelok
