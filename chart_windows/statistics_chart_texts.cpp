// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's charts in words: their names and one-line summaries for a screen
// reader, the same whether the charts are drawn by Qt Charts or plainly.
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "game_state.h"
#include "statistics_charts.h"

namespace marnelok {
namespace {

// The charts' words in the program's catalogue.
class StatisticsCharts {
  Q_DECLARE_TR_FUNCTIONS(marnelok::StatisticsCharts)
};

}  // namespace
}  // namespace marnelok

namespace marnelok {

QString HistogramName() { return StatisticsCharts::tr("Totals of finished games"); }

QString HistogramSummary(const std::vector<std::int64_t>& histogram) {
  const auto most = std::max_element(histogram.begin(), histogram.end());
  if (most == histogram.end() || *most == 0) return StatisticsCharts::tr("No finished game yet");
  std::int64_t games = 0;
  for (std::int64_t count : histogram) games += count;
  const auto low = static_cast<std::int64_t>(most - histogram.begin()) * history::kHistogramBin;
  const QLocale locale;
  return StatisticsCharts::tr("%1 games, most between %2 and %3")
      .arg(locale.toString(games), locale.toString(low),
           locale.toString(low + history::kHistogramBin));
}

QString MeansName() { return StatisticsCharts::tr("Mean of the last 20 games"); }

QString MeansSummary(const std::vector<history::MeanPoint>& means) {
  if (means.empty()) return StatisticsCharts::tr("No finished game yet");
  const QLocale locale;
  return StatisticsCharts::tr("%1 points, the latest %2")
      .arg(locale.toString(static_cast<qlonglong>(means.size())),
           locale.toString(means.back().mean, 'f', 1));
}

}  // namespace marnelok
