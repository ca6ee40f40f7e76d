// Loading and saving the settings record through a record store.
#pragma once

#include <optional>
#include <string>

#include "record_store.h"
#include "settings_record.h"

namespace marnelok {

// Fills the record from the store. A stored value of up to 180 bytes replaces that many
// leading bytes and leaves the rest as it was; a missing, unusable or longer value gives
// the defaults; a store that cannot be opened leaves the record untouched. Never reports.
void LoadSettings(SettingsRecord& record, RecordStore& store);

// Writes all 180 bytes. Returns nothing on success and also when the store cannot be
// opened (nothing is written then); returns "Failed to set data for 'fRegInfo'" when
// the store was opened but the write failed.
std::optional<std::string> SaveSettings(const SettingsRecord& record, RecordStore& store);

}  // namespace marnelok
