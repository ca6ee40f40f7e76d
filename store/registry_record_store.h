// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record kept as a binary value in the Windows registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "record_store.h"

namespace marnelok {

// A key of the registry: one of the predefined roots and a path below it.
struct RegistryPlace {
  HKEY root;
  std::wstring path;
};

// The record is the value fRegInfo (REG_BINARY, 180 bytes) of the key
// HKEY_LOCAL_MACHINE\Software\Marnelok, shared by everyone on the machine. A player without
// administrator rights cannot write that key on today's Windows, so where it refuses a write the
// record is kept for that player in HKEY_CURRENT_USER\Software\Marnelok instead. A record kept for
// the player is read before the machine's and stays current from then on (a save that reaches the
// machine's key writes it too), so the player always finds the scores last saved. A save fails only
// when neither key takes it. Keys are opened for each read or write and closed again at once; a
// value of text or 32-bit number type, or longer than a record, is not a record.
class RegistryRecordStore : public RecordStore {
 public:
  RegistryRecordStore();
  RegistryRecordStore(RegistryPlace machine, RegistryPlace user);

  ReadStatus Read(std::vector<std::uint8_t>& value) override;
  WriteStatus Write(const SettingsRecord::Bytes& bytes) override;

 private:
  RegistryPlace machine_;
  RegistryPlace user_;
};

}  // namespace marnelok
