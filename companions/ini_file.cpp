// SPDX-License-Identifier: GPL-3.0-or-later
// INI files read and written through a private copy.
#include "ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <optional>

#include "replace_file.h"

namespace marnelok {
namespace {

// Far above any state the program writes, or any file edited by hand; a larger file is not
// read into memory.
constexpr qint64 kMaxIniSize = 16 << 20;

// The file's bytes: empty when there is no regular file, nothing when it cannot be read.
std::optional<QByteArray> ReadBytes(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return QByteArray();
  QFile file(path);
  if (info.size() > kMaxIniSize || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray data = file.read(kMaxIniSize + 1);
  if (file.error() != QFileDevice::NoError || data.size() > kMaxIniSize) return std::nullopt;
  return data;
}

std::optional<QByteArray> ReadBack(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return data;
}

// A private copy needs no trip to the disk, only a check that all of it was written.
bool WriteScratch(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool written = file.write(data) == data.size() && file.flush();
  file.close();
  return written && file.error() == QFileDevice::NoError && QFileInfo(path).size() == data.size();
}

// Qt reads any line with an "=" as a key; one whose name or value is not text (bytes that are
// not UTF-8, control characters) is junk, not a setting.
bool IsText(const QString& text) {
  return std::none_of(text.begin(), text.end(), [](QChar c) {
    return c == QChar::ReplacementCharacter || c.category() == QChar::Other_Control;
  });
}

bool IsTextValue(const QVariant& value) {
  if (value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QStringList)
    return value.isValid();
  const QStringList texts = value.toStringList();
  return std::all_of(texts.begin(), texts.end(), IsText);
}

bool SameValue(const QVariant& a, const QVariant& b) {
  // A number set in this run reads back from the text as a string.
  return a.typeId() == b.typeId() ? a == b : a.toString() == b.toString();
}

bool SameSettings(const QSettings& a, const QSettings& b) {
  const QStringList keys = a.allKeys();
  if (keys != b.allKeys()) return false;
  for (const QString& key : keys)
    if (!SameValue(a.value(key), b.value(key))) return false;
  return true;
}

}  // namespace

bool ReadIniFile(const QString& path, const std::function<void(const QSettings&)>& read) {
  const std::optional<QByteArray> data = ReadBytes(path);
  if (!data.has_value() || data->isEmpty()) return data.has_value();
  const QTemporaryDir scratch;
  const QString copy = scratch.filePath(QStringLiteral("read.ini"));
  if (scratch.isValid() && WriteScratch(copy, *data)) {
    read(QSettings(copy, QSettings::IniFormat));
  } else {
    read(QSettings(path, QSettings::IniFormat));  // no private folder: Qt reads the file itself
  }
  return true;
}

bool UpdateIniFile(const QString& path, const std::function<void(QSettings&)>& update) {
  const std::optional<QByteArray> old = ReadBytes(path);
  if (!old.has_value()) return false;  // never write over what could not be read
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) return false;
  const QTemporaryDir scratch;
  if (!scratch.isValid() || !MakeFolder(info.absolutePath())) return false;

  const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
  const QString check = scratch.filePath(QStringLiteral("check.ini"));
  if (!WriteScratch(draft, *old)) return false;
  auto settings = std::make_unique<QSettings>(draft, QSettings::IniFormat);
  const QStringList keys = settings->allKeys();  // the status is known once the file is read
  // A line Qt cannot read (a comment, junk) makes it refuse to write the file at all: the
  // keys it could read move to a clean draft, and the original is kept beside the file.
  const bool unreadable = settings->status() == QSettings::FormatError;
  if (unreadable) {
    auto clean = std::make_unique<QSettings>(scratch.filePath(QStringLiteral("clean.ini")),
                                             QSettings::IniFormat);
    for (const QString& key : keys) {
      const QVariant value = settings->value(key);
      if (IsText(key) && IsTextValue(value)) clean->setValue(key, value);
    }
    settings = std::move(clean);
  }
  if (settings->status() != QSettings::NoError) return false;
  update(*settings);
  settings->sync();
  if (settings->status() != QSettings::NoError) return false;

  // The draft holds the new text only if it reads back as what was meant; a private folder
  // that is full could otherwise hand on an empty file.
  const std::optional<QByteArray> text = ReadBack(settings->fileName());
  if (!text.has_value() || !WriteScratch(check, *text)) return false;
  const QSettings reread(check, QSettings::IniFormat);
  if (!SameSettings(*settings, reread) || reread.status() != QSettings::NoError) return false;
  if (unreadable && !ReplaceFile(path + QStringLiteral(".bak"), *old)) return false;
  return ReplaceFile(path, *text);
}

}  // namespace marnelok
