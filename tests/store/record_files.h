// SPDX-License-Identifier: GPL-3.0-or-later
// Records in files for the store's tests: raw reads and writes, and records whose every byte
// follows from one number, so that a torn or empty one is seen at once.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <string>

#include "settings_record.h"

namespace marnelok::testing {

inline const std::string kFailed = "Failed to set data for 'fRegInfo'";

inline void WriteRaw(const QString& path, const QByteArray& data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(data), data.size());
}

inline QByteArray ReadRaw(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline QByteArray Raw(const SettingsRecord& r) {
  return QByteArray(reinterpret_cast<const char*>(r.bytes().data()), SettingsRecord::kSize);
}

inline SettingsRecord Numbered(std::uint32_t n) {
  SettingsRecord r;
  for (std::size_t i = 0; i < SettingsRecord::kSize; ++i)
    r.bytes()[i] = static_cast<std::uint8_t>((n >> (8 * (i % 4))) + i / 4 * 31);
  return r;
}

inline bool IsWholeRecord(const QByteArray& data) {
  if (data.size() != static_cast<qsizetype>(SettingsRecord::kSize)) return false;
  std::uint32_t n = 0;
  for (int i = 0; i < 4; ++i)
    n |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[i])) << (8 * i);
  return Raw(Numbered(n)) == data;
}

}  // namespace marnelok::testing
