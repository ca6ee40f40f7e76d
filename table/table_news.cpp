// SPDX-License-Identifier: GPL-3.0-or-later
// The news of the table, worded from the difference between two states of the game.
#include "table_news.h"

#include <QStringList>

#include "cards.h"
#include "table_words.h"

namespace marnelok {
namespace {

bool RowFull(const GameState& s, int row) {
  for (int column = kFirstGridColumn; column <= kBoardColumns; ++column)
    if (!IsCard(s.board[static_cast<size_t>(column)][static_cast<size_t>(row)])) return false;
  return true;
}

bool ColumnFull(const GameState& s, int column) {
  for (int row = 1; row <= kBoardRows; ++row)
    if (!IsCard(s.board[static_cast<size_t>(column)][static_cast<size_t>(row)])) return false;
  return true;
}

}  // namespace

QString TableNews::Since(const GameState& now) {
  QString news;
  if (now.dealCount != dealCount_) {
    if (now.gameActive && now.cardsPlaced == 0) news = TableWords::Dealt(now.currentCard());
  } else if (now.cardsPlaced == cardsPlaced_ + 1) {
    news = Placed(now);
  } else if (now.cardsPlaced == cardsPlaced_ - 1) {
    news = TakenBack(now);
  }
  board_ = now.board;
  cardsPlaced_ = now.cardsPlaced;
  dealCount_ = now.dealCount;
  gameActive_ = now.gameActive;
  return news;
}

QString TableNews::Placed(const GameState& now) const {
  for (int column = kFirstGridColumn; column <= kBoardColumns; ++column) {
    for (int row = 1; row <= kBoardRows; ++row) {
      const auto c = static_cast<size_t>(column);
      const auto r = static_cast<size_t>(row);
      if (IsCard(board_[c][r]) || !IsCard(now.board[c][r])) continue;
      QStringList parts{TableWords::Placed(now.board[c][r], row, column - kFirstGridColumn + 1)};
      if (now.gameActive && IsCard(now.currentCard())) parts << TableWords::Next(now.currentCard());
      bool completed = false;
      if (RowFull(now, row)) {
        parts << TableWords::RowDone(row, now.lineResults[r].row);
        completed = true;
      }
      if (ColumnFull(now, column)) {
        parts << TableWords::ColumnDone(column - kFirstGridColumn + 1, now.lineResults[c].column);
        completed = true;
      }
      if (gameActive_ && !now.gameActive)
        parts << TableWords::GameOver(now.totalScore);
      else if (completed)
        parts << TableWords::TotalNews(now.totalScore);
      return parts.join(u' ');
    }
  }
  return {};
}

QString TableNews::TakenBack(const GameState& now) const {
  for (int column = kFirstGridColumn; column <= kBoardColumns; ++column)
    for (int row = 1; row <= kBoardRows; ++row) {
      const int was = board_[static_cast<size_t>(column)][static_cast<size_t>(row)];
      if (IsCard(was) && !IsCard(now.board[static_cast<size_t>(column)][static_cast<size_t>(row)]))
        return TableWords::TakenBack(was, row, column - kFirstGridColumn + 1);
    }
  return {};
}

}  // namespace marnelok
