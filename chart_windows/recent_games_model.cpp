// SPDX-License-Identifier: GPL-3.0-or-later
// The recent games' texts, in the system's locale, and the values they sort by.
#include "recent_games_model.h"

#include <QFont>
#include <QLocale>

namespace marnelok {
namespace {

QString KindText(const history::RecentGame& g) {
  const QString kind = g.kind == GameKind::kRegular ? RecentGamesModel::tr("Regular")
                                                    : RecentGamesModel::tr("Throw-down");
  // A game the program played by itself is listed, marked, and counts in no figure.
  if (g.demo) return RecentGamesModel::tr("%1 (demo)").arg(kind);
  //: A game of the day's daily deal, in the list's Kind column.
  return g.daily ? RecentGamesModel::tr("%1 (daily)").arg(kind) : kind;
}

QString WonText(const history::RecentGame& g) {
  if (!g.finished) return RecentGamesModel::tr("Not finished");
  return g.won ? RecentGamesModel::tr("Yes") : RecentGamesModel::tr("No");
}

}  // namespace

void RecentGamesModel::SetGames(std::vector<history::RecentGame> games) {
  beginResetModel();
  games_ = std::move(games);
  endResetModel();
}

int RecentGamesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int RecentGamesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant RecentGamesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const history::RecentGame& g = Game(index.row());
  const QLocale locale;
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case kDate:
        return locale.toString(g.endedAt.toLocalTime(), QLocale::ShortFormat);
      case kDeal:
        return QString::number(g.deal);  // typed back as it is shown: no separators
      case kKind:
        return KindText(g);
      case kTotal:
        return locale.toString(g.total);
      case kPar:  // empty until the advisor's total on the deal is worked out
        return g.par ? locale.toString(*g.par) : QString();
      case kWon:
        return WonText(g);
      case kHints:
        return locale.toString(g.hints);
      default:
        return {};
    }
  }
  if (role == kSortRole) {
    switch (index.column()) {
      case kDate:
        return qint64{g.id};  // the order the games ended in, even within one second
      case kDeal:
        return qint64{g.deal};
      case kKind:
        return KindText(g);
      case kTotal:
        return g.total;
      case kPar:
        return g.par ? *g.par : -1;
      case kWon:
        return g.finished ? int(g.won) : -1;
      case kHints:
        return g.hints;
      default:
        return {};
    }
  }
  if (role == Qt::TextAlignmentRole && index.column() != kKind && index.column() != kWon)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::FontRole && g.demo) {
    QFont font;
    font.setItalic(true);
    return font;
  }
  return {};
}

QVariant RecentGamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kDate:
      return tr("Date");
    case kDeal:
      return tr("Deal");
    case kKind:
      return tr("Kind");
    case kTotal:
      return tr("Total");
    case kPar:
      //: The column of the advisor's total on each game's deal.
      return tr("Par");
    case kWon:
      return tr("Won");
    case kHints:
      return tr("Hints");
    default:
      return {};
  }
}

}  // namespace marnelok
