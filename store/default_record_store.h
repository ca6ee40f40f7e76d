// SPDX-License-Identifier: GPL-3.0-or-later
// The place where this platform keeps the settings record.
#pragma once

#include <memory>

#include "record_store.h"

namespace marnelok {

// The registry on Windows; the file $XDG_CONFIG_HOME/Marnelok/fRegInfo elsewhere.
std::unique_ptr<RecordStore> MakeDefaultRecordStore();

}  // namespace marnelok
