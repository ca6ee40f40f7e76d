// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: chosen from the system's among the languages the program ships, and
// the translators that put the program's texts and Qt's standard buttons in it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QTranslator;

namespace marnelok {

// The languages shipped besides English, as the build lists them: "de", "pt_BR".
QStringList ShippedLanguages();

// The shipped language for a system whose messages follow the locale `messagesLocale` (its
// name, "de_DE" or "C") and whose wanted languages are `uiLanguages`, the most wanted first
// (as QLocale::uiLanguages gives them: "de-DE", "fr", "pt-BR"). Empty for English: under the C
// or POSIX locale, at the first English language, or when none is shipped. A language takes
// the shipped one of the same language and region first, then of the same language ("de-AT"
// takes "de", "pt" takes "pt_BR").
QString ChooseLanguage(const QString& messagesLocale, const QStringList& uiLanguages,
                       const QStringList& shipped);

// The program's own translator for a shipped language, from the program's resources; null
// when the language has none.
std::unique_ptr<QTranslator> ProgramTranslator(const QString& language);

// Qt's own translator for a shipped language, for the standard buttons (OK, Cancel) of
// message boxes and input dialogs; null when Qt's translations are not installed.
std::unique_ptr<QTranslator> QtTranslator(const QString& language);

// The shipped language that the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) asks for,
// through QLocale; empty for English.
QString SystemLanguage();

// The program's texts of `context` in the system's language without the application (the
// command line's help): a function that gives a text's translation in UTF-8, or the text
// itself. Null for English.
std::function<std::string(const char* english)> TextsInSystemLanguage(const char* context);

// Puts the program and Qt's standard buttons in the system's language. For English nothing is
// loaded and no file read. Call once, after the application is made and before any window.
void InstallTranslations();

// The language installed: a shipped language's code, empty for English.
QString LanguageInUse();

}  // namespace marnelok
