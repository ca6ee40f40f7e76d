// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record kept as one 180-byte file in the user's configuration folder.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "record_store.h"

namespace marnelok {

// The folder plays the part of a registry key and the file that of the value: opening
// means creating the folder and being able to write in it. Writes go through ReplaceFile,
// so the file holds either the old record or the new one, never a torn mix, and a write
// that fails (a full disk included) is reported and leaves the old record. A name that is
// a link is written through only to a regular file, as only a regular file is read, and only
// when the user or root owns the link; a new folder reaches the disk with its parent.
class FileRecordStore : public RecordStore {
 public:
  explicit FileRecordStore(QString path);

  // $XDG_CONFIG_HOME/Marnelok/fRegInfo, or ~/.config/Marnelok/fRegInfo when that is unset,
  // relative or not a valid file name (see ConfigHome).
  static QString DefaultPath();

  const QString& path() const { return path_; }

  ReadStatus Read(std::vector<std::uint8_t>& value) override;
  WriteStatus Write(const SettingsRecord::Bytes& bytes) override;

 private:
  bool OpenFolder() const;

  QString path_;
  bool unreadable_ = false;  // the last read found a record it could not read
};

}  // namespace marnelok
