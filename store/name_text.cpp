// SPDX-License-Identifier: GPL-3.0-or-later
// Latin-1 conversion of player names.
#include "name_text.h"

#include <QList>

#include "settings_record.h"

namespace marnelok {

QString NameToQString(const std::string& latin1) {
  return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

std::string NameFromQString(const QString& text) {
  std::string out;
  // Walk code points, not UTF-16 units, so a character beyond the BMP counts once and
  // the 23-character cut never splits it.
  for (const char32_t code : text.toUcs4()) {
    if (out.size() == SettingsRecord::kNameCapacity) break;
    out.push_back(code <= 0xFF ? static_cast<char>(static_cast<unsigned char>(code)) : '?');
  }
  return out;
}

QStringList LettersNotKept(const QString& text) {
  QStringList lost;
  const auto codes = text.toUcs4();
  for (qsizetype k = 0; k < codes.size() && k < qsizetype(SettingsRecord::kNameCapacity); ++k) {
    const char32_t code = codes[k];
    const QString letter = QString::fromUcs4(&code, 1);
    if (code > 0xFF && !lost.contains(letter)) lost << letter;
  }
  return lost;
}

}  // namespace marnelok
