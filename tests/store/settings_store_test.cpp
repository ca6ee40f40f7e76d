// The load and save rules, driven through a store whose answers the test chooses.
#include "settings_store.h"

#include <gtest/gtest.h>

#include "memory_record_store.h"

namespace marnelok {
namespace {

using Read = RecordStore::ReadStatus;
using Write = RecordStore::WriteStatus;

// A record whose every byte differs from the stored values and from the defaults.
SettingsRecord Before() {
  SettingsRecord r;
  for (std::size_t i = 0; i < SettingsRecord::kSize; ++i) r.bytes()[i] = static_cast<std::uint8_t>(i + 1);
  return r;
}

TEST(LoadSettings, EachStoreAnswerHasItsRule) {
  enum class Expect { kStored, kDefaults, kUntouched };
  struct Case { Read status; std::size_t length; Expect expect; };
  const Case cases[] = {
      {Read::kOk, 180, Expect::kStored},    {Read::kOk, 100, Expect::kStored},
      {Read::kOk, 0, Expect::kStored},      {Read::kOk, 181, Expect::kDefaults},
      {Read::kMissing, 0, Expect::kDefaults}, {Read::kInvalid, 0, Expect::kDefaults},
      {Read::kUnavailable, 0, Expect::kUntouched},
  };
  for (const Case& c : cases) {
    MemoryRecordStore store;
    store.read_status = c.status;
    store.value.assign(c.length, 0xEE);
    SettingsRecord record = Before();
    LoadSettings(record, store);

    SettingsRecord expected = Before();
    if (c.expect == Expect::kStored) {
      std::fill_n(expected.bytes().begin(), c.length, 0xEE);
    } else if (c.expect == Expect::kDefaults) {
      expected.ApplyDefaults();
    }
    EXPECT_EQ(record.bytes(), expected.bytes())
        << "status " << static_cast<int>(c.status) << ", " << c.length << " bytes";
  }
}

TEST(SaveSettings, OnlyAFailedWriteIsReported) {
  const SettingsRecord record = Before();
  MemoryRecordStore store;
  EXPECT_EQ(SaveSettings(record, store), std::nullopt);
  ASSERT_TRUE(store.written.has_value());
  EXPECT_EQ(*store.written, record.bytes());

  store.write_status = Write::kUnavailable;
  EXPECT_EQ(SaveSettings(record, store), std::nullopt);
  store.write_status = Write::kFailed;
  EXPECT_EQ(SaveSettings(record, store), "Failed to set data for 'fRegInfo'");
}

}  // namespace
}  // namespace marnelok
