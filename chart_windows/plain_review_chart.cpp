// SPDX-License-Identifier: GPL-3.0-or-later
// The review's chart as a plain drawing, for builds without Qt Charts.
#include <algorithm>

#include "game_state.h"
#include "review_chart.h"
#include "review_texts.h"

namespace marnelok {

Chart* MakeReviewChart(const history::GameRecord& game, const std::vector<std::size_t>& costliest) {
  namespace texts = review_texts;
  auto* chart = new PlainChart(texts::ChartTitle());
  PlainChart::Series best{
      texts::BestSeries(), QColor(0, 150, 150), PlainChart::Kind::kLine, true, {}};
  PlainChart::Series played{
      texts::ChosenSeries(), QColor(40, 80, 160), PlainChart::Kind::kLine, false, {}};
  PlainChart::Series marks{
      texts::CostliestSeries(), QColor(220, 0, 0), PlainChart::Kind::kPoints, false, {}};
  double top = kWinningScore;
  for (std::size_t k = 0; k < game.placements.size(); ++k) {
    const history::PlacementRecord& p = game.placements[k];
    if (!p.review) continue;
    played.points.emplace_back(p.turn, p.review->expectedChosen);
    best.points.emplace_back(p.turn, p.review->expectedBest);
    top = std::max({top, p.review->expectedChosen, p.review->expectedBest});
    if (std::find(costliest.begin(), costliest.end(), k) != costliest.end())
      marks.points.emplace_back(p.turn, p.review->expectedChosen);
  }
  chart->AddSeries(std::move(best));
  chart->AddSeries(std::move(played));
  chart->AddSeries(std::move(marks));
  PlainChart::Axis x{1, double(kCardsPerGame), texts::TurnAxis(), {}};
  for (int turn = 1; turn <= kCardsPerGame; turn += 4)  // every fourth turn
    x.ticks.emplace_back(turn, QString::number(turn));
  chart->SetAxes(std::move(x), {0, top * 1.1, texts::PointsAxis(), {}});
  chart->AddWinLine({1, double(kWinningScore)}, {double(kCardsPerGame), double(kWinningScore)});
  return chart;
}

}  // namespace marnelok
