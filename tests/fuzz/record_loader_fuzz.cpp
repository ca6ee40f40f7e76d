// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any file in the record's place loads by the length rule, and every field of
// the loaded record reads within its slot.
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "file_record_store.h"
#include "settings_store.h"

using marnelok::FileRecordStore;
using marnelok::SettingsRecord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("fRegInfo"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  SettingsRecord before;
  for (std::size_t i = 0; i < SettingsRecord::kSize; ++i)
    before.bytes()[i] = static_cast<std::uint8_t>(i * 13 + size);

  FileRecordStore store(path);
  SettingsRecord record = before;
  marnelok::LoadSettings(record, store);

  SettingsRecord expected = before;
  if (size <= SettingsRecord::kSize)
    std::copy_n(data, size, expected.bytes().begin());
  else
    expected.ApplyDefaults();
  if (record.bytes() != expected.bytes()) std::abort();
  if (record.Signature().size() > SettingsRecord::kSignatureCapacity) std::abort();
  if (record.LastName().size() > SettingsRecord::kNameCapacity) std::abort();
  for (int k = 1; k <= SettingsRecord::kEntries; ++k) {
    if (record.HighName(k).size() > SettingsRecord::kNameCapacity) std::abort();
    (void)record.HighScore(k);
  }
  return 0;
}
