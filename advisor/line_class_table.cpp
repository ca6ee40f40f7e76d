// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a line class table, and the two built into the program.
#include "line_class_table.h"

#include <algorithm>
#include <cmath>

namespace marnelok::advisor {

// Defined in a source that the build generates from line_values.bin and line_spread.bin.
extern const std::uint8_t kBuiltInLineValuesBytes[];
extern const std::size_t kBuiltInLineValuesBytesSize;
extern const std::uint8_t kBuiltInLineSpreadBytes[];
extern const std::size_t kBuiltInLineSpreadBytesSize;

bool LineClassTable::Load(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != static_cast<std::size_t>(kEntries) * 2) return false;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    const int raw = bytes[2 * i] | (bytes[2 * i + 1] << 8);
    values_[i] = static_cast<float>(raw / kScale);
  }
  return true;
}

std::vector<std::uint8_t> LineClassTable::Save() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(values_.size() * 2);
  for (float v : values_) {
    const long raw = std::clamp(std::lround(v * kScale), 0L, 65535L);
    bytes.push_back(static_cast<std::uint8_t>(raw & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(raw >> 8));
  }
  return bytes;
}

namespace {

LineClassTable Loaded(std::span<const std::uint8_t> bytes) {
  LineClassTable table;
  table.Load(bytes);  // bytes missing from the build leave it all zero
  return table;
}

}  // namespace

const LineClassTable& BuiltInLineValues() {
  static const LineClassTable values =
      Loaded({kBuiltInLineValuesBytes, kBuiltInLineValuesBytesSize});
  return values;
}

const LineClassTable& BuiltInLineSpread() {
  static const LineClassTable spread =
      Loaded({kBuiltInLineSpreadBytes, kBuiltInLineSpreadBytesSize});
  return spread;
}

}  // namespace marnelok::advisor
