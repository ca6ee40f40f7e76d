// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a deal number.
#include "deal_number.h"

namespace marnelok {

std::optional<std::uint32_t> ParseDealNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > kLastDealNumber) return std::nullopt;  // before it could grow past 64 bits
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace marnelok
