// The shuffle of the 52-card deck.
#pragma once

#include "game_state.h"

namespace marnelok {

// Builds a new dealing order from the program-wide random source (400 numbers)
// and sets drawIndex to 1. Only deck[1] to deck[26] are ever dealt.
void ShuffleDeck(GameState& s);

}  // namespace marnelok
