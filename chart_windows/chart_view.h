// SPDX-License-Identifier: GPL-3.0-or-later
// The chart and its view: Qt Charts' where the build has it, else the plain drawing of our own.
#pragma once

#ifdef MARNELOK_PLAIN_CHARTS
#include "plain_chart.h"
#else
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#endif

namespace marnelok {

#ifdef MARNELOK_PLAIN_CHARTS
using Chart = PlainChart;
using ChartView = PlainChartView;
#else
using Chart = QChart;
using ChartView = QChartView;
#endif

}  // namespace marnelok
