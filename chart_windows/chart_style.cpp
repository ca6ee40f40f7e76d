// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' shared look.
#include "chart_style.h"

#include <QCoreApplication>
#include <QPen>
#include <QtCharts/QLineSeries>

namespace marnelok {

QChart* NewChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setLocalizeNumbers(true);  // axis labels in the system's locale
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  return chart;
}

QValueAxis* WholeNumberAxis(double low, double high, bool nice) {
  auto* axis = new QValueAxis;
  axis->setRange(low, high);
  if (nice) axis->applyNiceNumbers();
  axis->setLabelFormat(QStringLiteral("%.0f"));
  return axis;
}

void SetAxes(QChart* chart, QAbstractAxis* x, const QString& xTitle, QAbstractAxis* y,
             const QString& yTitle) {
  x->setTitleText(xTitle);
  y->setTitleText(yTitle);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

void AddWinLine(QChart* chart, QPointF from, QPointF to) {
  auto* line = new QLineSeries;
  line->setName(QCoreApplication::translate("marnelok::StatisticsCharts", "Win: 150"));
  line->append(from);
  line->append(to);
  QPen pen(QColor(200, 0, 0));
  pen.setStyle(Qt::DashLine);
  pen.setWidth(2);
  line->setPen(pen);
  chart->addSeries(line);
  for (QAbstractAxis* axis : chart->axes()) line->attachAxis(axis);
}

}  // namespace marnelok
