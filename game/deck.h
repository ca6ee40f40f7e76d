// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle of the 52-card deck.
#pragma once

#include "game_state.h"
#include "random.h"

namespace marnelok {

// A new dealing order, made from the random source alone (400 numbers drawn from it). Only
// deck[1] to deck[26] are ever dealt.
Deck ShuffleDeck(RandomSource& random);

}  // namespace marnelok
