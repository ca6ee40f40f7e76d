// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record in the Windows registry: a binary value written and read back byte for
// byte, values of another type or too long taken for no record at all, and the player's own
// record where the machine's key refuses writes.
#include "registry_record_store.h"

#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "settings_store.h"

namespace marnelok {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Marnelok";
constexpr wchar_t kValueName[] = L"fRegInfo";

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> data;
};

// The value as the registry holds it, read past the store.
std::optional<RawValue> ReadRaw() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  RawValue raw;
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, kValueName, nullptr, &raw.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    raw.data.resize(size);
    result = RegQueryValueExW(key, kValueName, nullptr, &raw.type, raw.data.data(), &size);
    raw.data.resize(size);
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return {};
  return raw;
}

void WriteRaw(DWORD type, const std::vector<std::uint8_t>& data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, kValueName, 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void DeleteRaw() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, kValueName);
  RegCloseKey(key);
}

std::vector<std::uint8_t> WideText(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
  return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

// The test runs in a private Wine prefix; on a real Windows machine it must still not cost the
// player the stored record, so whatever was there is put back afterwards.
class RegistryRecordStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HKEY key = nullptr;
    keyExisted_ = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (keyExisted_) RegCloseKey(key);
    saved_ = ReadRaw();
    DeleteRaw();
  }
  void TearDown() override {
    if (saved_) {
      WriteRaw(saved_->type, saved_->data);
    } else if (keyExisted_) {
      DeleteRaw();
    } else {
      RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKeyPath);
    }
  }

  RegistryRecordStore store_;

 private:
  bool keyExisted_ = false;
  std::optional<RawValue> saved_;
};

TEST_F(RegistryRecordStoreTest, MissingValueThenByteExactRoundTripAsBinary) {
  std::vector<std::uint8_t> value{1, 2, 3};
  EXPECT_EQ(store_.Read(value), RecordStore::ReadStatus::kMissing);
  EXPECT_TRUE(value.empty());
  SettingsRecord first;
  first.bytes().fill(0xAB);
  LoadSettings(first, store_);
  EXPECT_EQ(first.Signature(), "Marnelok5");
  EXPECT_EQ(first.HighName(5), "None");

  SettingsRecord saved;
  for (std::size_t i = 0; i < saved.bytes().size(); ++i)
    saved.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 1);
  saved.SetHighScore(1, -2);
  saved.SetLastName("Zo\xEB");
  EXPECT_EQ(SaveSettings(saved, store_), std::nullopt);

  const std::optional<RawValue> raw = ReadRaw();
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(raw->data, std::vector<std::uint8_t>(saved.bytes().begin(), saved.bytes().end()));

  EXPECT_EQ(store_.Read(value), RecordStore::ReadStatus::kOk);
  EXPECT_EQ(value, raw->data);
  SettingsRecord loaded;
  LoadSettings(loaded, store_);
  EXPECT_EQ(loaded.bytes(), saved.bytes());
  EXPECT_EQ(loaded.HighScore(1), -2);
  EXPECT_EQ(loaded.LastName(), "Zo\xEB");
}

TEST_F(RegistryRecordStoreTest, ValueOfAnotherTypeOrTooLongIsNoRecordAndASaveReplacesIt) {
  struct Case {
    const char* what;
    DWORD type;
    std::vector<std::uint8_t> data;
  };
  const Case cases[] = {
      {"text", REG_SZ, WideText(L"Marnelok")},
      {"text of record length", REG_SZ, std::vector<std::uint8_t>(SettingsRecord::kSize, 'A')},
      {"expandable text", REG_EXPAND_SZ, WideText(L"%TEMP%")},
      {"32-bit number", REG_DWORD, {150, 0, 0, 0}},
      {"one byte too long", REG_BINARY, std::vector<std::uint8_t>(SettingsRecord::kSize + 1, 7)},
      {"far too long", REG_BINARY, std::vector<std::uint8_t>(4096, 7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteRaw(c.type, c.data);
    std::vector<std::uint8_t> value{1, 2, 3};
    EXPECT_EQ(store_.Read(value), RecordStore::ReadStatus::kInvalid);
    EXPECT_TRUE(value.empty());

    SettingsRecord record;
    record.bytes().fill(0xAB);
    record.bytes()[156] = 0;  // no name entered yet
    LoadSettings(record, store_);
    EXPECT_EQ(record.Signature(), "Marnelok5");
    EXPECT_EQ(record.PlayRegular(), 1);
    EXPECT_EQ(record.HighScore(1), 0);
    EXPECT_EQ(record.LastName(), "Please enter your name!");

    // Nothing of the odd value survives the next save.
    EXPECT_EQ(SaveSettings(record, store_), std::nullopt);
    const std::optional<RawValue> raw = ReadRaw();
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw->data, std::vector<std::uint8_t>(record.bytes().begin(), record.bytes().end()));
  }

  // A shorter binary value is a record's beginning: it replaces as many leading bytes.
  WriteRaw(REG_BINARY, {9, 'M', 'a', 'r', 'n', 'e', 'l', 'o', 'k', '5', 0x5A, 0});
  SettingsRecord record;
  record.bytes().fill(0xAB);
  LoadSettings(record, store_);
  EXPECT_EQ(record.Signature(), "Marnelok5");
  EXPECT_EQ(record.bytes()[10], 0x5A);
  EXPECT_EQ(record.PlayRegular(), 0);
  EXPECT_EQ(record.AltColors(), 0xAB);
}

// A key that anyone may read and delete but no one may write, as HKEY_LOCAL_MACHINE is for a
// player without administrator rights. `record`, when given, is stored before the key closes.
void MakeRefusingKey(const std::wstring& path, const std::vector<std::uint8_t>* record = nullptr) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  if (record != nullptr) {
    ASSERT_EQ(RegSetValueExW(key, kValueName, 0, REG_BINARY, record->data(),
                             static_cast<DWORD>(record->size())),
              ERROR_SUCCESS);
  }
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:P(A;;KRSD;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  LocalFree(descriptor);
  RegCloseKey(key);
  HKEY probe = nullptr;
  ASSERT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &probe), ERROR_SUCCESS)
      << "this registry does not refuse writes";
}

std::optional<std::vector<std::uint8_t>> ValueAt(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  std::vector<std::uint8_t> data(4096);
  DWORD size = static_cast<DWORD>(data.size());
  const LONG result = RegQueryValueExW(key, kValueName, nullptr, nullptr, data.data(), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return {};
  data.resize(size);
  return data;
}

std::vector<std::uint8_t> Bytes(const SettingsRecord& record) {
  return {record.bytes().begin(), record.bytes().end()};
}

class RefusingMachineKeyTest : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }

  static constexpr wchar_t kRoot[] = L"Software\\MarnelokRegistryTest";
  const std::wstring machinePath_ = std::wstring(kRoot) + L"\\Machine";
  const std::wstring userPath_ = std::wstring(kRoot) + L"\\User";
  RegistryRecordStore store_{{HKEY_CURRENT_USER, machinePath_}, {HKEY_CURRENT_USER, userPath_}};
};

TEST_F(RefusingMachineKeyTest, ThePlayersOwnRecordIsKeptReadFirstAndNeverReportedAsAFailure) {
  // The machine's record from an earlier run under an administrator is read as long as the
  // player has none.
  SettingsRecord machine;
  LoadSettings(machine, store_);
  machine.SetHighScore(1, 120);
  const std::vector<std::uint8_t> machineBytes = Bytes(machine);
  MakeRefusingKey(machinePath_, &machineBytes);
  SettingsRecord loaded;
  LoadSettings(loaded, store_);
  EXPECT_EQ(loaded.HighScore(1), 120);

  // A save lands in the player's place, whole and with no message; the machine's stays.
  loaded.SetHighScore(1, 160);
  loaded.SetLastName("Ann");
  EXPECT_EQ(SaveSettings(loaded, store_), std::nullopt);
  EXPECT_EQ(ValueAt(userPath_), Bytes(loaded));
  EXPECT_EQ(ValueAt(machinePath_), machineBytes);
  EXPECT_EQ(SaveSettings(loaded, store_), std::nullopt);

  // The next run finds the player's record first.
  RegistryRecordStore nextRun{{HKEY_CURRENT_USER, machinePath_}, {HKEY_CURRENT_USER, userPath_}};
  SettingsRecord again;
  LoadSettings(again, nextRun);
  EXPECT_EQ(again.bytes(), loaded.bytes());

  // Once the machine's key takes writes again, both places get the save, so the player's
  // record, read first, never falls behind.
  RegDeleteTreeW(HKEY_CURRENT_USER, machinePath_.c_str());
  again.SetHighScore(2, 155);
  EXPECT_EQ(SaveSettings(again, nextRun), std::nullopt);
  EXPECT_EQ(ValueAt(machinePath_), Bytes(again));
  EXPECT_EQ(ValueAt(userPath_), Bytes(again));
}

TEST_F(RefusingMachineKeyTest, NothingStoredYetGivesTheDefaultsAndOnlyTwoRefusalsFailASave) {
  MakeRefusingKey(machinePath_);
  std::vector<std::uint8_t> value{1};
  EXPECT_EQ(store_.Read(value), RecordStore::ReadStatus::kMissing);
  EXPECT_TRUE(value.empty());

  MakeRefusingKey(userPath_);
  EXPECT_EQ(store_.Read(value), RecordStore::ReadStatus::kMissing);
  SettingsRecord record;
  LoadSettings(record, store_);
  EXPECT_EQ(record.Signature(), "Marnelok5");
  EXPECT_EQ(SaveSettings(record, store_), "Failed to set data for 'fRegInfo'");
  EXPECT_FALSE(ValueAt(userPath_).has_value());
  EXPECT_FALSE(ValueAt(machinePath_).has_value());
}

}  // namespace
}  // namespace marnelok
