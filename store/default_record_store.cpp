// SPDX-License-Identifier: GPL-3.0-or-later
// Choice of the settings record's store by platform.
#include "default_record_store.h"

#ifdef _WIN32
#include "registry_record_store.h"
#else
#include "file_record_store.h"
#endif

namespace marnelok {

std::unique_ptr<RecordStore> MakeDefaultRecordStore() {
#ifdef _WIN32
  return std::make_unique<RegistryRecordStore>();
#else
  return std::make_unique<FileRecordStore>(FileRecordStore::DefaultPath());
#endif
}

}  // namespace marnelok
