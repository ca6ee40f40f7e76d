// The shuffle: the deck in order, then random exchanges and half swaps, twice.
#include "deck.h"

#include <utility>

#include "random.h"

namespace marnelok {
namespace {

void ExchangeAtRandom(GameState& s) {
  for (int n = 0; n < 100; ++n) {
    const int i = RandomBelow(kCardsInDeck) + 1;  // i is drawn before j
    const int j = RandomBelow(kCardsInDeck) + 1;
    std::swap(s.deck[i], s.deck[j]);
  }
}

void ExchangeHalves(GameState& s) {
  for (int k = 1; k <= kCardsInDeck / 2; ++k) std::swap(s.deck[k], s.deck[k + kCardsInDeck / 2]);
}

}  // namespace

void ShuffleDeck(GameState& s) {
  s.drawIndex = 1;
  for (int k = 1; k <= kCardsInDeck; ++k) s.deck[k] = k;
  ExchangeAtRandom(s);
  ExchangeHalves(s);
  ExchangeAtRandom(s);
  ExchangeHalves(s);
}

}  // namespace marnelok
