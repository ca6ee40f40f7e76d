// The load and save rules of the settings record.
#include "settings_store.h"

#include <algorithm>
#include <vector>

namespace marnelok {

void LoadSettings(SettingsRecord& record, RecordStore& store) {
  std::vector<std::uint8_t> value;
  switch (store.Read(value)) {
    case RecordStore::ReadStatus::kUnavailable:
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
  if (store.Write(record.bytes()) == RecordStore::WriteStatus::kFailed) {
    return std::string("Failed to set data for 'fRegInfo'");
  }
  return std::nullopt;
}

}  // namespace marnelok
