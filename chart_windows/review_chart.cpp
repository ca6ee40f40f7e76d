// SPDX-License-Identifier: GPL-3.0-or-later
// Building the review's chart.
#include "review_chart.h"

#include <QPen>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "chart_style.h"
#include "review_texts.h"

namespace marnelok {

QChart* MakeReviewChart(const history::GameRecord& game,
                        const std::vector<std::size_t>& costliest) {
  namespace texts = review_texts;
  QChart* chart = NewChart(texts::ChartTitle());
  auto* played = new QLineSeries;
  played->setName(texts::ChosenSeries());
  played->setPen(QPen(QColor(40, 80, 160), 2));
  auto* best = new QLineSeries;
  best->setName(texts::BestSeries());
  QPen dashed(QColor(0, 150, 150), 2);
  dashed.setStyle(Qt::DashLine);
  best->setPen(dashed);
  auto* marks = new QScatterSeries;
  marks->setName(texts::CostliestSeries());
  marks->setColor(QColor(220, 0, 0));
  marks->setMarkerSize(11);
  double top = kWinningScore;
  for (std::size_t k = 0; k < game.placements.size(); ++k) {
    const history::PlacementRecord& p = game.placements[k];
    if (!p.review) continue;
    played->append(p.turn, p.review->expectedChosen);
    best->append(p.turn, p.review->expectedBest);
    top = std::max({top, p.review->expectedChosen, p.review->expectedBest});
    if (std::find(costliest.begin(), costliest.end(), k) != costliest.end())
      marks->append(p.turn, p.review->expectedChosen);
  }
  chart->addSeries(best);
  chart->addSeries(played);
  chart->addSeries(marks);
  QValueAxis* x = WholeNumberAxis(1, kCardsPerGame, false);
  x->setTickCount(7);  // every fourth turn
  SetAxes(chart, x, texts::TurnAxis(), WholeNumberAxis(0, top, true), texts::PointsAxis());
  AddWinLine(chart, {1, double(kWinningScore)}, {double(kCardsPerGame), double(kWinningScore)});
  return chart;
}

}  // namespace marnelok
