// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game: deal, placement, undo, end, and the choice of game kind.
#include "game.h"

#include "board.h"
#include "deck.h"

namespace marnelok {

void Game::InitState() {
  state_.gameActive = false;
  state_.cardsPlaced = 0;
  state_.lastMoveCol = 0;
  state_.lastMoveRow = 0;
  state_.dealCount = 0;
  ResetScores(state_);
  ClearBoard(state_);
}

void Game::NewGame() {
  requests_->GameChanging();
  state_.gameActive = true;  // before the panel is drawn, so that it draws no banner
  requests_->DrawScorePanel();
  state_.cardsPlaced = 0;
  state_.dealCount = 0;
  ResetScores(state_);
  DealCards();
  requests_->InvalidateTable();
}

void Game::NewGame(std::uint32_t dealNumber) {
  *random_ = RandomSource(dealNumber);
  NewGame();
}

void Game::DealCards() {
  GameState& s = state_;
  ++s.dealCount;
  ClearBoard(s);
  for (int c = kFirstGridColumn; c <= kBoardColumns; ++c)
    for (int r = 1; r <= kBoardRows; ++r) s.board[c][r] = kEmptySlotCode;
  requests_->DrawScorePanel();
  s.totalScore = 0;
  s.dealNumber = random_->State();
  s.deck = ShuffleDeck(*random_);
  s.drawIndex = 1;
  DrawNextCard();
  s.cardsPlaced = 0;
  s.cardsThrown = 0;
  s.gameActive = true;

  if (s.kind == GameKind::kThrowDown) {
    const int attempts = random_->RandomBelow(4) + 2;
    for (int a = 0; a < attempts; ++a) {
      const int column = random_->RandomBelow(5) + 2;
      const int row = random_->RandomBelow(5) + 1;
      // A cell already taken loses the attempt; no other cell is tried.
      if (s.board[column][row] == kEmptySlotCode) {
        s.board[column][row] = s.currentCard();
        ++s.cardsThrown;
        DrawNextCard();
      }
    }
  }

  requests_->SetUndoEnabled(false);
  requests_->CardCurrent(true);
  s.lastMoveCol = 0;
  s.lastMoveRow = 0;
}

bool Game::DrawNextCard() {
  GameState& s = state_;
  s.currentCard() = s.deck[s.drawIndex];
  ++s.drawIndex;
  if (s.drawIndex > kCardsInDeck / 2) {
    s.currentCard() = kBlankCode;
    s.deckSlot() = kNextGameTileCode;
    requests_->DrawCell(kNextGameTileCode, 1, 1);
  }
  requests_->DrawCell(s.currentCard(), 1, 4);
  ++s.cardsPlaced;
  return s.cardsPlaced != kCardsPerGame || EndGame();
}

void Game::PlaceCard(int column, int row) {
  GameState& s = state_;
  if (column < kFirstGridColumn || column > kBoardColumns || row < 1 || row > kBoardRows) return;
  if (!CanPlaceAt(column, row)) {
    requests_->Beep();
    return;
  }
  requests_->GameChanging();
  s.board[column][row] = s.currentCard();
  s.lastMoveCol = column;
  s.lastMoveRow = row;
  requests_->DrawCell(s.board[column][row], column, row);
  requests_->SetUndoEnabled(true);
  if (!DrawNextCard()) return;
  if (ColumnComplete(s, column) || RowComplete(s, row)) ScoreLines();
}

bool Game::CanPlaceAt(int column, int row) const {
  return column >= kFirstGridColumn && column <= kBoardColumns && row >= 1 && row <= kBoardRows &&
         state_.board[column][row] == kEmptySlotCode;
}

bool Game::EndGame() {
  state_.gameActive = false;
  requests_->SetUndoEnabled(false);
  requests_->CardCurrent(false);
  ScoreLines();
  requests_->DrawWinBanner();
  const bool saved = requests_->CheckHighScore();
  requests_->GameFinished();  // a game is finished even when its Top 5 entry could not be saved
  if (!saved) return false;
  requests_->DrawWinBanner();  // over the board that the high-score check redrew
  return true;
}

void Game::ScoreLines() {
  ComputeLineResults(state_);
  requests_->DrawScorePanel();
}

void Game::Undo() {
  GameState& s = state_;
  requests_->SetUndoEnabled(false);
  // The window offers Undo only during a game; the rules refuse it afterwards as well, so
  // that a finished game can never be taken back into an inconsistent state.
  if (!s.gameActive || s.lastMoveCol == 0 || s.lastMoveRow == 0) return;
  requests_->GameChanging();
  const int column = s.lastMoveCol;
  const int row = s.lastMoveRow;
  const bool wasComplete = ColumnComplete(s, column) || RowComplete(s, row);
  --s.cardsPlaced;
  --s.drawIndex;
  s.currentCard() = s.deck[s.drawIndex - 1];  // the card taken back
  s.board[column][row] = kEmptySlotCode;
  if (wasComplete) ScoreLines();
  requests_->DrawCell(s.currentCard(), 1, 4);
  requests_->DrawCell(kEmptySlotCode, column, row);
  // The card above is redrawn too: the emptied slot's outline may have touched it.
  if (row > 1) requests_->DrawCell(s.board[column][row - 1], column, row - 1);
  s.lastMoveCol = 0;
  s.lastMoveRow = 0;
}

}  // namespace marnelok
