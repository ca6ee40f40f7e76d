// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window's two charts, drawn with Qt Charts: the totals in bins of 10 with the
// winning line at 150 marked, and the mean of the last 20 games as the games went on.
#pragma once

#include <cstdint>
#include <vector>

#include "chart_view.h"
#include "statistics.h"

namespace marnelok {

// Finished games of both kinds by total / 10; the bars from 150 up are the wins.
Chart* MakeHistogramChart(const std::vector<std::int64_t>& histogram);
// The mean total of the last 20 finished games after each point of the history.
Chart* MakeMeansChart(const std::vector<history::MeanPoint>& means);

// The charts' names and their one-line summaries for a screen reader: "120 games, most between
// 120 and 130".
QString HistogramName();
QString HistogramSummary(const std::vector<std::int64_t>& histogram);
QString MeansName();
QString MeansSummary(const std::vector<history::MeanPoint>& means);

}  // namespace marnelok
