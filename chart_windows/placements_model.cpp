// SPDX-License-Identifier: GPL-3.0-or-later
// The reviewed placements' texts and marks.
#include "placements_model.h"

#include <QBrush>
#include <QFont>

#include "cards.h"
#include "review_summary.h"
#include "review_texts.h"

namespace marnelok {
namespace {

// A heading of several words on two lines, broken at the space nearest its middle, so that the
// columns of numbers below stay narrow.
QString TwoLines(QString heading) {
  const qsizetype middle = heading.size() / 2;
  qsizetype best = -1;
  for (qsizetype k = 0; k < heading.size(); ++k)
    if (heading[k] == ' ' && (best < 0 || std::abs(k - middle) < std::abs(best - middle))) best = k;
  if (best > 0) heading[best] = '\n';
  return heading;
}

}  // namespace

void PlacementsModel::SetGame(const history::GameRecord& game) {
  beginResetModel();
  game_ = game;
  ranks_.assign(game_.placements.size(), 0);
  const ReviewSummary summary = Summarise(game_);
  for (std::size_t k = 0; k < summary.costliest.size(); ++k)
    ranks_[summary.costliest[k]] = static_cast<int>(k) + 1;
  endResetModel();
}

int PlacementsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(game_.placements.size());
}

int PlacementsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant PlacementsModel::Text(const history::PlacementRecord& p, int column, int rank) const {
  namespace texts = review_texts;
  switch (column) {
    case kTurn:
      return p.turn;
    case kCard:
      return texts::Card(p.card);
    case kPlaced:
      return p.thrown ? texts::ThrownDown() : texts::Cell(p.cell);
    default:
      break;
  }
  if (p.thrown) return {};
  if (!p.review) return column == kBest ? texts::NotJudged() : QVariant();
  const double lost = PointsLost(*p.review);
  switch (column) {
    case kBest:
      return texts::Cell(p.review->bestCell);
    case kExpected:
      return texts::Number(p.review->expectedChosen);
    case kBestExpected:
      return texts::Number(p.review->expectedBest);
    case kLost:
      return lost == 0 ? QStringLiteral("0") : texts::Number(lost);
    case kCostliest:
      return rank > 0 ? QVariant(rank) : QVariant();
    default:
      return {};
  }
}

QVariant PlacementsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const history::PlacementRecord& p = game_.placements[row];
  const int rank = ranks_[row];
  switch (role) {
    case Qt::DisplayRole:
      return Text(p, index.column(), rank);
    case Qt::ForegroundRole:
      if (index.column() == kCard && IsCard(p.card) && IsRedSuit(CardSuit(p.card)))
        return QBrush(QColor(200, 0, 0));  // hearts and diamonds
      return p.thrown ? QVariant(QBrush(Qt::darkGray)) : QVariant();
    case Qt::BackgroundRole:
      return rank > 0 ? QVariant(QBrush(QColor(255, 214, 214))) : QVariant();
    case Qt::FontRole: {
      if (rank == 0 && !p.thrown) return {};
      QFont font;
      font.setBold(rank > 0);
      font.setItalic(p.thrown);
      return font;
    }
    case Qt::TextAlignmentRole:
      if (index.column() == kExpected || index.column() == kBestExpected ||
          index.column() == kLost || index.column() == kTurn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant PlacementsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return TwoLines(review_texts::Header(section));
}

}  // namespace marnelok
