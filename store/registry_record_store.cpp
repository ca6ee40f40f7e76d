// SPDX-License-Identifier: GPL-3.0-or-later
// Registry-backed record store (Windows only), with a per-user place where the machine's refuses.
#include "registry_record_store.h"

#include <utility>

namespace marnelok {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Marnelok";
constexpr wchar_t kValueName[] = L"fRegInfo";

// A key, open for as long as this object lives.
class OpenKey {
 public:
  // Opens the key with full access, creating it when missing.
  static OpenKey Create(const RegistryPlace& place) {
    OpenKey key;
    key.result_ =
        RegCreateKeyExW(place.root, place.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key.key_, nullptr);
    return key;
  }
  // Opens an existing key to read its values.
  static OpenKey Read(const RegistryPlace& place) {
    OpenKey key;
    key.result_ = RegOpenKeyExW(place.root, place.path.c_str(), 0, KEY_QUERY_VALUE, &key.key_);
    return key;
  }
  OpenKey(OpenKey&& other) noexcept
      : key_(std::exchange(other.key_, nullptr)), result_(std::exchange(other.result_, 1)) {}
  OpenKey& operator=(OpenKey&& other) noexcept {
    std::swap(key_, other.key_);
    std::swap(result_, other.result_);
    return *this;
  }
  ~OpenKey() {
    if (open()) RegCloseKey(key_);
  }

  bool open() const { return result_ == ERROR_SUCCESS; }
  LONG result() const { return result_; }
  HKEY get() const { return key_; }

 private:
  OpenKey() = default;
  HKEY key_ = nullptr;
  LONG result_ = ERROR_INVALID_HANDLE;
};

bool IsRecordType(DWORD type) {
  return type != REG_SZ && type != REG_EXPAND_SZ && type != REG_DWORD;
}

RecordStore::ReadStatus ReadValue(const OpenKey& key, std::vector<std::uint8_t>& value) {
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key.get(), kValueName, nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return RecordStore::ReadStatus::kMissing;
  if (result != ERROR_SUCCESS || !IsRecordType(type) || size > SettingsRecord::kSize) {
    return RecordStore::ReadStatus::kInvalid;
  }

  // The buffer holds one record at most: a value that grew since it was measured no longer
  // fits and reads as ERROR_MORE_DATA.
  std::vector<std::uint8_t> data(SettingsRecord::kSize);
  size = static_cast<DWORD>(data.size());
  result = RegQueryValueExW(key.get(), kValueName, nullptr, &type, data.data(), &size);
  if (result != ERROR_SUCCESS || !IsRecordType(type) || size > SettingsRecord::kSize) {
    return RecordStore::ReadStatus::kInvalid;
  }
  data.resize(size);
  value = std::move(data);
  return RecordStore::ReadStatus::kOk;
}

bool HasValue(const RegistryPlace& place) {
  const OpenKey key = OpenKey::Read(place);
  return key.open() && RegQueryValueExW(key.get(), kValueName, nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
}

bool WriteValue(const OpenKey& key, const SettingsRecord::Bytes& bytes) {
  return key.open() && RegSetValueExW(key.get(), kValueName, 0, REG_BINARY, bytes.data(),
                                      static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace

RegistryRecordStore::RegistryRecordStore()
    : RegistryRecordStore({HKEY_LOCAL_MACHINE, kKeyPath}, {HKEY_CURRENT_USER, kKeyPath}) {}

RegistryRecordStore::RegistryRecordStore(RegistryPlace machine, RegistryPlace user)
    : machine_(std::move(machine)), user_(std::move(user)) {}

RecordStore::ReadStatus RegistryRecordStore::Read(std::vector<std::uint8_t>& value) {
  value.clear();
  // The player's own record exists only where the machine's key refused it: it comes first.
  if (const OpenKey user = OpenKey::Read(user_); user.open()) {
    const ReadStatus status = ReadValue(user, value);
    if (status != ReadStatus::kMissing) return status;
  }
  OpenKey machine = OpenKey::Create(machine_);
  if (!machine.open()) machine = OpenKey::Read(machine_);
  if (machine.open()) return ReadValue(machine, value);
  // No record anywhere; whether one can be kept decides between missing and unavailable.
  return OpenKey::Create(user_).open() ? ReadStatus::kMissing : ReadStatus::kUnavailable;
}

RecordStore::WriteStatus RegistryRecordStore::Write(const SettingsRecord::Bytes& bytes) {
  const OpenKey machine = OpenKey::Create(machine_);
  if (WriteValue(machine, bytes)) {
    // The player's record is read first, so it must not fall behind the machine's.
    if (!HasValue(user_) || WriteValue(OpenKey::Create(user_), bytes)) return WriteStatus::kOk;
    return WriteStatus::kFailed;
  }
  const OpenKey user = OpenKey::Create(user_);
  if (WriteValue(user, bytes)) return WriteStatus::kOk;
  return machine.open() || user.open() ? WriteStatus::kFailed : WriteStatus::kUnavailable;
}

}  // namespace marnelok
