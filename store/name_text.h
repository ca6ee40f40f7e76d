// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of names between the record's Latin-1 bytes and Qt text.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace marnelok {

// Each byte of the name is one Latin-1 character.
QString NameToQString(const std::string& latin1);

// A character outside Latin-1 becomes '?'; only the first 23 characters are kept.
std::string NameFromQString(const QString& text);

// The characters of `text` that NameFromQString turns into '?' (among the 23 it keeps), each
// once, in the order of their first appearance; empty when the name is kept as it is typed.
QStringList LettersNotKept(const QString& text);

}  // namespace marnelok
