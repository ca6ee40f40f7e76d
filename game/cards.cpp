// SPDX-License-Identifier: GPL-3.0-or-later
// The index text of a card rank.
#include "cards.h"

namespace marnelok {

std::string RankLabel(int rank) {
  switch (rank) {
    case 1:
      return "A";
    case 11:
      return "J";
    case 12:
      return "Q";
    case 13:
      return "K";
    default:
      return std::to_string(rank);
  }
}

}  // namespace marnelok
