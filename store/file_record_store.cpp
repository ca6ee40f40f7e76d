// SPDX-License-Identifier: GPL-3.0-or-later
// File-backed record store.
#include "file_record_store.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

#include "config_home.h"
#include "replace_file.h"

namespace marnelok {

FileRecordStore::FileRecordStore(QString path) : path_(std::move(path)) {}

QString FileRecordStore::DefaultPath() {
  return ConfigHome() + QStringLiteral("/Marnelok/fRegInfo");
}

bool FileRecordStore::OpenFolder() const {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!MakeFolder(folder)) return false;
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

RecordStore::ReadStatus FileRecordStore::Read(std::vector<std::uint8_t>& value) {
  value.clear();
  if (!OpenFolder()) return ReadStatus::kUnavailable;

  const QFileInfo info(path_);
  if (!info.exists()) return ReadStatus::kMissing;
  // Only a regular file is a value; opening a pipe or a device could block or never end.
  if (!info.isFile() || info.size() > static_cast<qint64>(SettingsRecord::kSize)) {
    return ReadStatus::kInvalid;
  }

  // A record that is there but cannot be read is not replaced by this run: the store counts
  // as closed until a later read succeeds, so the stored Top 5 list is never overwritten
  // with defaults.
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    unreadable_ = true;
    return ReadStatus::kUnavailable;
  }
  // One byte more than a record, in case the file grew since it was measured.
  const QByteArray data = file.read(static_cast<qint64>(SettingsRecord::kSize) + 1);
  if (file.error() != QFileDevice::NoError) {
    unreadable_ = true;
    return ReadStatus::kUnavailable;
  }
  if (data.size() > static_cast<qsizetype>(SettingsRecord::kSize)) return ReadStatus::kInvalid;
  unreadable_ = false;
  value.assign(data.begin(), data.end());
  return ReadStatus::kOk;
}

RecordStore::WriteStatus FileRecordStore::Write(const SettingsRecord::Bytes& bytes) {
  if (unreadable_ || !OpenFolder()) return WriteStatus::kUnavailable;

  const QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<qsizetype>(bytes.size()));
  return ReplaceFile(path_, data) ? WriteStatus::kOk : WriteStatus::kFailed;
}

}  // namespace marnelok
