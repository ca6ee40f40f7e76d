// SPDX-License-Identifier: GPL-3.0-or-later
// Registry-backed record store (Windows only).
#include "registry_record_store.h"

#include <windows.h>

namespace marnelok {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Marnelok";
constexpr wchar_t kValueName[] = L"fRegInfo";

// The key, open with full access for as long as this object lives.
class OpenKey {
 public:
  OpenKey() {
    open_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  ~OpenKey() {
    if (open_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  bool open() const { return open_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  bool open_ = false;
};

bool IsRecordType(DWORD type) {
  return type != REG_SZ && type != REG_EXPAND_SZ && type != REG_DWORD;
}

}  // namespace

RecordStore::ReadStatus RegistryRecordStore::Read(std::vector<std::uint8_t>& value) {
  value.clear();
  const OpenKey key;
  if (!key.open()) return ReadStatus::kUnavailable;

  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key.get(), kValueName, nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return ReadStatus::kMissing;
  if (result != ERROR_SUCCESS || !IsRecordType(type) || size > SettingsRecord::kSize) {
    return ReadStatus::kInvalid;
  }

  // The buffer holds one record at most: a value that grew since it was measured no longer
  // fits and reads as ERROR_MORE_DATA.
  std::vector<std::uint8_t> data(SettingsRecord::kSize);
  size = static_cast<DWORD>(data.size());
  result = RegQueryValueExW(key.get(), kValueName, nullptr, &type, data.data(), &size);
  if (result != ERROR_SUCCESS || !IsRecordType(type) || size > SettingsRecord::kSize) {
    return ReadStatus::kInvalid;
  }
  data.resize(size);
  value = std::move(data);
  return ReadStatus::kOk;
}

RecordStore::WriteStatus RegistryRecordStore::Write(const SettingsRecord::Bytes& bytes) {
  const OpenKey key;
  if (!key.open()) return WriteStatus::kUnavailable;
  const LONG result = RegSetValueExW(key.get(), kValueName, 0, REG_BINARY, bytes.data(),
                                     static_cast<DWORD>(bytes.size()));
  return result == ERROR_SUCCESS ? WriteStatus::kOk : WriteStatus::kFailed;
}

}  // namespace marnelok
