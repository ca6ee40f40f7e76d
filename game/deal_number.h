// SPDX-License-Identifier: GPL-3.0-or-later
// Deal numbers as the player types them: a whole number from 0 to 4,294,967,295.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace marnelok {

inline constexpr std::uint32_t kLastDealNumber = 4294967295u;

// The number written in `text`: decimal digits only, no sign, no spaces, and at most
// kLastDealNumber. Anything else gives nothing, so that a typing slip is never dealt.
std::optional<std::uint32_t> ParseDealNumber(std::string_view text);

}  // namespace marnelok
