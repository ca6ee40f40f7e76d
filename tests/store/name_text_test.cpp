// SPDX-License-Identifier: GPL-3.0-or-later
// Player names between the dialogs' Unicode text and the record's Latin-1 bytes.
#include "name_text.h"

#include <gtest/gtest.h>

namespace marnelok {
namespace {

TEST(NameText, Latin1BothWaysAndAnythingElseBecomesAQuestionMarkAndIsNamed) {
  struct Case {
    QString text;
    std::string latin1;
  };
  const Case cases[] = {
      {QStringLiteral("Zo\u00EB"), "Zo\xEB"},          {QStringLiteral("\u0141ukasz"), "?ukasz"},
      {QStringLiteral("a\U0001F0A1b"), "a?b"},  // one character beyond the BMP
      {QString(30, QChar('x')), std::string(23, 'x')}, {QString(), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameFromQString(c.text), c.latin1) << c.text.toStdString();
  }
  std::string all;
  for (int b = 1; b < 256; b += 12) all.push_back(static_cast<char>(b));
  EXPECT_EQ(NameFromQString(NameToQString(all)), all);
  EXPECT_EQ(NameToQString("Zo\xEB"), QStringLiteral("Zo\u00EB"));

  // What the record cannot keep, each once, in order, among the 23 characters it keeps.
  EXPECT_EQ(LettersNotKept(QStringLiteral("Zo\u00EB")), QStringList());
  EXPECT_EQ(LettersNotKept(QStringLiteral("\u0141\u0142\u0141a\U0001F0A1")),
            QStringList({QStringLiteral("\u0141"), QStringLiteral("\u0142"),
                         QStringLiteral("\U0001F0A1")}));
  EXPECT_EQ(LettersNotKept(QString(23, QChar('x')) + QStringLiteral("\u0141")), QStringList());
}

}  // namespace
}  // namespace marnelok
