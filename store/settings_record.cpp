// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-level encoding of the settings record's fields and its defaults.
#include "settings_record.h"

#include <algorithm>
#include <stdexcept>

namespace marnelok {
namespace {

constexpr std::size_t kSignatureOffset = 0;
constexpr std::size_t kPlayRegularOffset = 11;
constexpr std::size_t kAltColorsOffset = 12;
constexpr std::size_t kLargeCardsOffset = 13;
constexpr std::size_t kLastNameOffset = 156;

constexpr std::string_view kDefaultSignature = "Marnelok5";
constexpr std::string_view kDefaultHighName = "None";

void CheckEntry(int k) {
  if (k < 1 || k > SettingsRecord::kEntries) {
    throw std::out_of_range("Top 5 entry " + std::to_string(k) + " does not exist (1 to 5)");
  }
}

constexpr std::size_t ScoreOffset(int k) { return 12 + 4 * static_cast<std::size_t>(k); }
constexpr std::size_t NameOffset(int k) { return 12 + 24 * static_cast<std::size_t>(k); }

}  // namespace

std::uint8_t SettingsRecord::PlayRegular() const { return bytes_[kPlayRegularOffset]; }
void SettingsRecord::SetPlayRegular(std::uint8_t value) { bytes_[kPlayRegularOffset] = value; }
std::uint8_t SettingsRecord::AltColors() const { return bytes_[kAltColorsOffset]; }
void SettingsRecord::SetAltColors(std::uint8_t value) { bytes_[kAltColorsOffset] = value; }
std::uint8_t SettingsRecord::LargeCards() const { return bytes_[kLargeCardsOffset]; }
void SettingsRecord::SetLargeCards(std::uint8_t value) { bytes_[kLargeCardsOffset] = value; }

std::int32_t SettingsRecord::HighScore(int k) const {
  CheckEntry(k);
  const std::size_t at = ScoreOffset(k);
  const std::uint32_t raw = static_cast<std::uint32_t>(bytes_[at]) |
                            static_cast<std::uint32_t>(bytes_[at + 1]) << 8 |
                            static_cast<std::uint32_t>(bytes_[at + 2]) << 16 |
                            static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
  return static_cast<std::int32_t>(raw);  // two's complement, well defined since C++20
}

void SettingsRecord::SetHighScore(int k, std::int32_t score) {
  CheckEntry(k);
  const std::size_t at = ScoreOffset(k);
  const auto raw = static_cast<std::uint32_t>(score);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes_[at + i] = static_cast<std::uint8_t>(raw >> (8 * i));
  }
}

std::string SettingsRecord::HighName(int k) const {
  CheckEntry(k);
  return ReadShortString(NameOffset(k), kNameCapacity);
}

void SettingsRecord::SetHighName(int k, std::string_view latin1) {
  CheckEntry(k);
  WriteShortString(NameOffset(k), kNameCapacity, latin1);
}

std::string SettingsRecord::LastName() const {
  return ReadShortString(kLastNameOffset, kNameCapacity);
}

void SettingsRecord::SetLastName(std::string_view latin1) {
  WriteShortString(kLastNameOffset, kNameCapacity, latin1);
}

std::string SettingsRecord::Signature() const {
  return ReadShortString(kSignatureOffset, kSignatureCapacity);
}

void SettingsRecord::ApplyDefaults() {
  WriteShortString(kSignatureOffset, kSignatureCapacity, kDefaultSignature);
  SetPlayRegular(1);
  SetLargeCards(0);
  SetAltColors(0);
  // Only the length byte decides emptiness: a name the player entered survives a bad record.
  if (bytes_[kLastNameOffset] == 0) {
    WriteShortString(kLastNameOffset, kNameCapacity, SettingsRecord::kDefaultLastName);
  }
  for (int k = 1; k <= kEntries; ++k) {
    SetHighScore(k, 0);
    SetHighName(k, kDefaultHighName);
  }
}

std::string SettingsRecord::ReadShortString(std::size_t offset, std::size_t capacity) const {
  const std::size_t length = std::min<std::size_t>(bytes_[offset], capacity);
  const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1);
  return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

void SettingsRecord::WriteShortString(std::size_t offset, std::size_t capacity,
                                      std::string_view text) {
  const std::size_t length = std::min(text.size(), capacity);
  bytes_[offset] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

}  // namespace marnelok
