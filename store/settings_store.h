// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the settings record through a record store.
#pragma once

#include <optional>
#include <string>

#include "record_store.h"
#include "settings_record.h"

namespace marnelok {

// Fills the record from the store. A stored value of up to 180 bytes replaces that many
// leading bytes and leaves the rest as it was; a missing, unusable or longer value gives
// the defaults. A store that cannot be opened (or a record there that cannot be read) gives
// the defaults at the run's first load and leaves the record untouched at later ones.
// Never reports.
void LoadSettings(SettingsRecord& record, RecordStore& store);

// Writes all 180 bytes. Returns "Failed to set data for 'fRegInfo'" when the write failed,
// and nothing on success. A store that cannot be opened, or whose record cannot be read,
// is not written: the first such save of the run returns the message, later ones nothing.
std::optional<std::string> SaveSettings(const SettingsRecord& record, RecordStore& store);

}  // namespace marnelok
