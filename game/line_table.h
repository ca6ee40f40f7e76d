// SPDX-License-Identifier: GPL-3.0-or-later
// The learned table: expected final points of a line from its class, the game's stage and
// whether it is a row or a column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "advisor_lines.h"

namespace marnelok::advisor {

class LineTable {
 public:
  static constexpr int kEntries = 2 * kPhaseCount * kLineClasses;
  // Stored values are points times kScale, as 16-bit little-endian integers.
  static constexpr double kScale = 256.0;

  LineTable() : values_(kEntries, 0.0f) {}

  static constexpr int Index(bool column, int phase, int lineClass) {
    return ((column ? 1 : 0) * kPhaseCount + phase) * kLineClasses + lineClass;
  }
  float Value(int index) const { return values_[static_cast<std::size_t>(index)]; }
  float& At(int index) { return values_[static_cast<std::size_t>(index)]; }

  // False, leaving the table unchanged, unless bytes hold exactly one stored table.
  bool Load(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> Save() const;

 private:
  std::vector<float> values_;
};

// The table built into the program (made by tools/advisor_table); loaded once, thread-safe.
const LineTable& BuiltInLineTable();
// In the same layout, the standard deviation of a line's final points around its value, as
// measured by the same tool when its player follows the built-in table.
const LineTable& BuiltInLineSpread();

}  // namespace marnelok::advisor
