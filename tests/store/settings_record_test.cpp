// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record's byte layout, short strings and defaults.
#include "settings_record.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace marnelok {
namespace {

std::string Slice(const SettingsRecord& r, std::size_t from, std::size_t count) {
  return std::string(r.bytes().begin() + from, r.bytes().begin() + from + count);
}

TEST(SettingsRecord, FieldsSitAtTheirOffsetsLittleEndian) {
  SettingsRecord r;
  EXPECT_EQ(r.bytes(), SettingsRecord::Bytes{});
  r.SetPlayRegular(1);
  r.SetAltColors(2);
  r.SetLargeCards(3);
  EXPECT_EQ(Slice(r, 10, 5), std::string("\0\1\2\3\0", 5));

  struct Case {
    int k;
    std::int32_t score;
    std::size_t offset;
    std::string bytes;
  };
  const Case cases[] = {
      {1, 0x01020304, 16, "\x04\x03\x02\x01"},
      {2, -2, 20, "\xFE\xFF\xFF\xFF"},
      {5, 150, 32, std::string("\x96\0\0\0", 4)},
  };
  for (const Case& c : cases) {
    r.SetHighScore(c.k, c.score);
    EXPECT_EQ(Slice(r, c.offset, 4), c.bytes) << "entry " << c.k;
    EXPECT_EQ(r.HighScore(c.k), c.score);
  }
  r.SetHighName(1, "Ann");
  r.SetHighName(5, "Eve");
  r.SetLastName("Zo\xEB");
  EXPECT_EQ(Slice(r, 36, 4), "\3Ann");
  EXPECT_EQ(Slice(r, 132, 4), "\3Eve");
  EXPECT_EQ(Slice(r, 156, 4), "\x03Zo\xEB");
}

TEST(SettingsRecord, ShortStringsKeepTheirTailAndNeverReadPastTheSlot) {
  SettingsRecord r;
  r.SetHighName(2, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");  // 26 characters: 23 kept
  EXPECT_EQ(r.HighName(2), "ABCDEFGHIJKLMNOPQRSTUVW");
  EXPECT_EQ(r.HighScore(3), 0);  // the name slot did not spill into its neighbours
  EXPECT_EQ(r.HighName(3), "");
  r.SetHighName(2, "Bo");
  EXPECT_EQ(r.HighName(2), "Bo");
  EXPECT_EQ(Slice(r, 60, 6), "\2BoCDE");

  // Damaged length bytes are clamped to the slot's capacity.
  r.bytes()[0] = 200;
  r.bytes()[60] = 24;
  r.bytes()[156] = 255;
  EXPECT_EQ(r.Signature(), Slice(r, 1, 9));
  EXPECT_EQ(r.HighName(2), Slice(r, 61, 23));
  EXPECT_EQ(r.LastName(), Slice(r, 157, 23));
  for (int k : {0, 6, -1}) {
    EXPECT_THROW(r.HighScore(k), std::out_of_range);
    EXPECT_THROW(r.SetHighName(k, "x"), std::out_of_range);
  }
}

TEST(SettingsRecord, DefaultsLeaveSpareGapTailsAndAnEnteredName) {
  SettingsRecord r;
  r.bytes().fill(0xAB);
  r.bytes()[156] = 0;  // LastName empty
  r.ApplyDefaults();
  EXPECT_EQ(Slice(r, 0, 10), "\x09Marnelok5");
  EXPECT_EQ(r.bytes()[10], 0xAB);
  EXPECT_EQ(Slice(r, 11, 3), std::string("\1\0\0", 3));
  EXPECT_EQ(Slice(r, 14, 2), "\xAB\xAB");
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(r.HighScore(k), 0);
    EXPECT_EQ(r.HighName(k), "None");
    EXPECT_EQ(Slice(r, 12 + 24 * k + 5, 19), std::string(19, '\xAB')) << "entry " << k;
  }
  EXPECT_EQ(Slice(r, 156, 24), "\x17Please enter your name!");

  r.SetLastName("Kim");
  r.ApplyDefaults();
  EXPECT_EQ(r.LastName(), "Kim");
}

}  // namespace
}  // namespace marnelok
