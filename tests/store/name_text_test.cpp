// SPDX-License-Identifier: GPL-3.0-or-later
// Player names between the dialogs' Unicode text and the record's Latin-1 bytes.
#include "name_text.h"

#include <gtest/gtest.h>

namespace marnelok {
namespace {

TEST(NameText, Latin1BothWaysAndAnythingElseBecomesAQuestionMark) {
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
}

}  // namespace
}  // namespace marnelok
