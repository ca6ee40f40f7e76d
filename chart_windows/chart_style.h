// SPDX-License-Identifier: GPL-3.0-or-later
// What every chart of the game shares: its look, and the dashed winning line at 150.
#pragma once

#include <QPointF>
#include <QString>
#include <QtCharts/QChart>

namespace marnelok {

// A chart with its title, its numbers in the system's locale, no animation and the legend below.
QChart* NewChart(const QString& title);
// A dashed red line from `from` to `to` on the chart's axes, which must be there already.
void AddWinLine(QChart* chart, QPointF from, QPointF to);

}  // namespace marnelok
