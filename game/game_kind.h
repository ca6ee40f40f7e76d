// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of game the table deals, and the name under which the history keeps each.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace marnelok {

enum class GameKind : std::uint8_t {
  kRegular,    // the 25 cards come one by one
  kThrowDown,  // a few cards are thrown down on the grid first
};

inline constexpr std::array<GameKind, 2> kGameKinds{GameKind::kRegular, GameKind::kThrowDown};

// The kind's name where games are kept; never translated, never changed once written.
constexpr std::string_view KindName(GameKind kind) {
  switch (kind) {
    case GameKind::kRegular:
      return "regular";
    case GameKind::kThrowDown:
      return "throw-down";
  }
  return {};
}

// The kind of a kept name; none for a name of no kind.
constexpr std::optional<GameKind> KindNamed(std::string_view name) {
  for (GameKind kind : kGameKinds)
    if (KindName(kind) == name) return kind;
  return std::nullopt;
}

}  // namespace marnelok
