// SPDX-License-Identifier: GPL-3.0-or-later
// The load and save rules of the settings record.
#include "settings_store.h"

#include <algorithm>
#include <vector>

namespace marnelok {

void LoadSettings(SettingsRecord& record, RecordStore& store) {
  std::vector<std::uint8_t> value;
  const RecordStore::ReadStatus status = store.Read(value);
  const bool first = !store.run().loaded;
  store.run().loaded = true;
  switch (status) {
    case RecordStore::ReadStatus::kUnavailable:
      // The run starts from the defaults rather than an all-zero record; later loads keep
      // what this run holds in memory, its new scores included.
      if (first) record.ApplyDefaults();
      return;
    case RecordStore::ReadStatus::kMissing:
    case RecordStore::ReadStatus::kInvalid:
      record.ApplyDefaults();
      return;
    case RecordStore::ReadStatus::kOk:
      break;
  }
  // A store that hands back too much is treated like a too-long value rather than trusted.
  if (value.size() > SettingsRecord::kSize) {
    record.ApplyDefaults();
    return;
  }
  std::copy(value.begin(), value.end(), record.bytes().begin());
}

std::optional<std::string> SaveSettings(const SettingsRecord& record, RecordStore& store) {
  const std::string failed = "Failed to set data for 'fRegInfo'";
  switch (store.Write(record.bytes())) {
    case RecordStore::WriteStatus::kOk:
      return std::nullopt;
    case RecordStore::WriteStatus::kFailed:
      return failed;
    case RecordStore::WriteStatus::kUnavailable:
      // Once is enough for the player to know that scores are not being kept.
      if (store.run().unavailableReported) return std::nullopt;
      store.run().unavailableReported = true;
      return failed;
  }
  return failed;
}

}  // namespace marnelok
