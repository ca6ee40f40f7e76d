// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle: the deck in order, then random exchanges and half swaps, twice.
#include "deck.h"

#include <utility>

namespace marnelok {
namespace {

void ExchangeAtRandom(Deck& deck, RandomSource& random) {
  for (int n = 0; n < 100; ++n) {
    const int i = random.RandomBelow(kCardsInDeck) + 1;  // i is drawn before j
    const int j = random.RandomBelow(kCardsInDeck) + 1;
    std::swap(deck[i], deck[j]);
  }
}

void ExchangeHalves(Deck& deck) {
  for (int k = 1; k <= kCardsInDeck / 2; ++k) std::swap(deck[k], deck[k + kCardsInDeck / 2]);
}

}  // namespace

Deck ShuffleDeck(RandomSource& random) {
  Deck deck{};
  for (int k = 1; k <= kCardsInDeck; ++k) deck[k] = k;
  ExchangeAtRandom(deck, random);
  ExchangeHalves(deck);
  ExchangeAtRandom(deck, random);
  ExchangeHalves(deck);
  return deck;
}

}  // namespace marnelok
