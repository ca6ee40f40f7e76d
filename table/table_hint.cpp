// SPDX-License-Identifier: GPL-3.0-or-later
// The Hint command's state: the question out to the advisor and the frame on the advised cell.
#include "table_hint.h"

#include "game.h"

namespace marnelok {

TableHint::TableHint(const Game& game, std::uint64_t seed, QObject* parent)
    : QObject(parent), game_(game), seed_(seed) {
  connect(&search_, &HintSearch::advised, this, &TableHint::Show);
}

bool TableHint::Available() const {
  const GameState& s = game_.state();
  return s.gameActive && IsCard(s.currentCard());
}

void TableHint::Ask() {
  if (!Available() || search_.Pending() || shown_) return;
  askedFor_ = game_.VisiblePosition();
  search_.Start(askedFor_, seed_++);
  emit asked();
}

void TableHint::Show(int cell) {
  // Every change of the game cancels the question first; the check of the position is a
  // second line against an answer to another game.
  if (cell < 0 || !Available() || game_.VisiblePosition() != askedFor_) return;
  const Cell advised{GridColumnOf(cell), GridRowOf(cell)};
  if (!game_.CanPlaceAt(advised.column, advised.row)) return;
  shown_ = advised;
  emit frameShown();
}

void TableHint::Drop() {
  search_.Cancel();
  if (!shown_) return;
  const Cell cell = *shown_;
  shown_.reset();
  emit frameErased(cell);
}

void TableHint::Cancel() { search_.Cancel(); }

}  // namespace marnelok
