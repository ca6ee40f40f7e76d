// SPDX-License-Identifier: GPL-3.0-or-later
// Par: the total the advisor reaches on a deal, playing it from the start with the review's
// budget and seed rule, so that a deal has the same par on every run and every machine.
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>

#include "game_kind.h"

namespace marnelok {

// A deal as the rules deal it: its number and its kind (the throw-down's cards are dealt
// from the same number).
struct ParDeal {
  std::uint32_t deal = 0;
  GameKind kind = GameKind::kRegular;
  friend bool operator==(const ParDeal&, const ParDeal&) = default;
};

// Deals `deal` again and lets the advisor place every card, as the review advises it. Nothing
// when `stop` was asked before the last card; it then returns within milliseconds.
std::optional<int> PlayPar(const ParDeal& deal, std::stop_token stop = {});

}  // namespace marnelok
