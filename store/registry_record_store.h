// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record kept as a binary value in the Windows registry.
#pragma once

#include <cstdint>
#include <vector>

#include "record_store.h"

namespace marnelok {

// HKEY_LOCAL_MACHINE\Software\Marnelok, value fRegInfo (REG_BINARY, 180 bytes). The key is
// opened with full access, and created when missing, for each read or write and closed
// again at once. A value of text or 32-bit number type, or longer than a record, is not a
// record.
class RegistryRecordStore : public RecordStore {
 public:
  ReadStatus Read(std::vector<std::uint8_t>& value) override;
  WriteStatus Write(const SettingsRecord::Bytes& bytes) override;
};

}  // namespace marnelok
