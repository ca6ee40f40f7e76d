// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: chosen from the system's among the shipped ones, English otherwise,
// and the program's catalogue of a shipped language found in the program.
#include "language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace marnelok {
namespace {

TEST(Language, TheFirstShippedLanguageTheSystemWantsOrEnglish) {
  const struct {
    QString locale;  // the messages' locale
    QStringList wanted;
    QStringList shipped;
    QString chosen;
  } cases[] = {
      {"de_DE", {"de-DE", "de-Latn-DE", "de"}, {"de"}, "de"},
      {"de_AT", {"de-AT", "de-Latn-AT"}, {"fr", "de"}, "de"},
      // As gettext has it: LANG=C is English, whatever LANGUAGE lists.
      {"C", {"fr", "fr-FR", "de", "de-DE"}, {"de", "fr"}, ""},
      {"POSIX", {"de-DE"}, {"de"}, ""},
      {"en_GB", {"en-GB", "en-Latn-GB"}, {"de"}, ""},
      {"de_DE", {"en", "en-US", "de-DE"}, {"de"}, ""},  // LANGUAGE=en:de
      {"fr_FR", {"fr-FR", "fr", "de-DE", "de"}, {"de"}, "de"},
      {"nb_NO", {"nb", "nb-Latn-NO", "nb-NO", "da", "da-DK"}, {"de", "da"}, "da"},
      {"pt_BR", {"pt-BR", "pt-Latn-BR", "pt"}, {"pt_BR"}, "pt_BR"},
      {"pt_PT", {"pt-PT", "pt"}, {"de", "pt_BR"}, "pt_BR"},
      {"it_IT", {"it-IT", "it"}, {"de"}, ""},
      {"de_DE", {}, {"de"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.locale, c.wanted, c.shipped).toStdString(), c.chosen.toStdString())
        << c.locale.toStdString() << ": " << c.wanted.join(u':').toStdString();
  }
}

// The dialogs' standard buttons in every shipped language, from Qt's catalogue or, where that
// lacks them, from the program's; English without either.
TEST(Language, StandardButtonsSpeakEveryShippedLanguage) {
  for (const QString& code : QStringList{QString()} + ShippedLanguages()) {
    SCOPED_TRACE(code.toStdString());
    const auto program = ProgramTranslator(code);
    const auto qt = QtTranslator(code);
    EXPECT_EQ(qt == nullptr, code.isEmpty()) << "Qt's translations are missing";
    for (QTranslator* translator : {program.get(), qt.get()})
      if (translator != nullptr) QCoreApplication::installTranslator(translator);
    const QMessageBox box(QMessageBox::Question, QString(), QString(),
                          QMessageBox::Ok | QMessageBox::Cancel);
    const QString cancel = box.button(QMessageBox::Cancel)->text();
    for (QTranslator* translator : {program.get(), qt.get()})
      if (translator != nullptr) QCoreApplication::removeTranslator(translator);
    EXPECT_EQ(cancel == u"Cancel", code.isEmpty()) << cancel.toStdString();
  }
}

TEST(Language, EveryShippedLanguageHasItsCatalogueInTheProgram) {
  ASSERT_FALSE(ShippedLanguages().isEmpty());
  for (const QString& code : ShippedLanguages()) {
    const auto translator = ProgramTranslator(code);
    ASSERT_NE(translator, nullptr) << code.toStdString();
    EXPECT_FALSE(translator->isEmpty()) << code.toStdString();
  }
  EXPECT_EQ(ProgramTranslator(QString()), nullptr);
  EXPECT_EQ(ProgramTranslator(QStringLiteral("xx")), nullptr);
}

}  // namespace
}  // namespace marnelok
