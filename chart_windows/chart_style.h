// SPDX-License-Identifier: GPL-3.0-or-later
// What every chart of the game shares: its look, its axes, and the dashed winning line at 150.
#pragma once

#include <QPointF>
#include <QString>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

namespace marnelok {

// A chart with its title, its numbers in the system's locale, no animation and the legend below.
QChart* NewChart(const QString& title);
// An axis of whole numbers from `low` to `high`, widened to round numbers where `nice`.
QValueAxis* WholeNumberAxis(double low, double high, bool nice);
// Puts `x` below and `y` on the left, with their titles, and attaches every series on the chart.
void SetAxes(QChart* chart, QAbstractAxis* x, const QString& xTitle, QAbstractAxis* y,
             const QString& yTitle);
// A dashed red line from `from` to `to` on the chart's axes, which must be there already.
void AddWinLine(QChart* chart, QPointF from, QPointF to);

}  // namespace marnelok
