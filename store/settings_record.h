// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record: 180 bytes holding the three options and the Top 5 list, stored as a whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace marnelok {

// Every field is encoded and decoded byte by byte (little-endian), so the bytes are the
// stored form on every platform and any bytes at all can be loaded without harm.
//
// Layout: signature 0-9 (short string of 9), spare 10, PlayRegular 11, AltColors 12,
// LargeCards 13, gap 14-15, HighScores[1..5] at 12 + 4k, HighNames[1..5] at 12 + 24k
// (short strings of 23), LastName 156-179 (short string of 23).
//
// A short string is a length byte followed by the characters; writing a shorter string
// leaves the bytes after it as they were. Reading clamps a length byte above the slot's
// capacity, so a damaged record never reads into the next field.
class SettingsRecord {
 public:
  static constexpr std::size_t kSize = 180;
  using Bytes = std::array<std::uint8_t, kSize>;

  static constexpr int kEntries = 5;
  static constexpr std::size_t kNameCapacity = 23;
  static constexpr std::size_t kSignatureCapacity = 9;
  // The name that the Top 5 prompt offers until a name has been entered.
  static constexpr std::string_view kDefaultLastName = "Please enter your name!";

  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }

  std::uint8_t PlayRegular() const;
  void SetPlayRegular(std::uint8_t value);
  std::uint8_t AltColors() const;
  void SetAltColors(std::uint8_t value);
  std::uint8_t LargeCards() const;
  void SetLargeCards(std::uint8_t value);

  // k runs from 1 (the best) to 5; any other k throws std::out_of_range.
  std::int32_t HighScore(int k) const;
  void SetHighScore(int k, std::int32_t score);
  // Names are Latin-1 bytes; only the first 23 are kept.
  std::string HighName(int k) const;
  void SetHighName(int k, std::string_view latin1);

  std::string LastName() const;
  void SetLastName(std::string_view latin1);

  std::string Signature() const;

  // The first-start values. The spare byte, the gap, a non-empty LastName and the
  // unused tail of each name slot keep what they hold.
  void ApplyDefaults();

 private:
  std::string ReadShortString(std::size_t offset, std::size_t capacity) const;
  void WriteShortString(std::size_t offset, std::size_t capacity, std::string_view text);

  Bytes bytes_{};
};

}  // namespace marnelok
