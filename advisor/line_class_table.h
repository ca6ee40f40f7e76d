// SPDX-License-Identifier: GPL-3.0-or-later
// A table of one figure per line class, stage of the game and kind of line (row or column):
// the learned line values (expected final points) and their spread are both kept in one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "advisor_lines.h"

namespace marnelok::advisor {

class LineClassTable {
 public:
  static constexpr int kEntries = 2 * kPhaseCount * kLineClasses;
  // Stored values are points times kScale, as 16-bit little-endian integers.
  static constexpr double kScale = 256.0;

  LineClassTable() : values_(kEntries, 0.0f) {}

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

// The learned line values built into the program (made by tools/advisor_table): the expected
// final points of a line. Loaded once, thread-safe.
const LineClassTable& BuiltInLineValues();
// In the same layout, the standard deviation of a line's final points around its value, as
// measured by the same tool when its player follows the built-in values.
const LineClassTable& BuiltInLineSpread();

}  // namespace marnelok::advisor
