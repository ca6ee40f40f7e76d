// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing and installing the player's language.
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace marnelok {
namespace {

QString g_languageInUse;

// The standard buttons that the program's dialogs show. Qt's catalogues name them for most
// languages; where a language's one lacks them (Qt has only an older catalogue for Swedish, with
// the buttons under other names), the program's translation of them is used.
[[maybe_unused]] constexpr const char* kStandardButtons[] = {
    //: Qt's standard button, as the desktop of the language words it.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    //: Qt's standard button, as the desktop of the language words it.
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
};

// Where the program's translations are built in (translations/CMakeLists.txt).
QString ProgramCatalogue(const QString& language) {
  return QStringLiteral(":/i18n/marnelok_") + language + QStringLiteral(".qm");
}

}  // namespace

QStringList ShippedLanguages() {
  return QString::fromLatin1(MARNELOK_LANGUAGES).split(u',', Qt::SkipEmptyParts);
}

QString ChooseLanguage(const QString& messagesLocale, const QStringList& uiLanguages,
                       const QStringList& shipped) {
  // As gettext does, LANG=C means the program's own texts, whatever LANGUAGE asks for.
  if (messagesLocale == u"C" || messagesLocale == u"POSIX") return {};
  for (QString wanted : uiLanguages) {
    wanted.replace(u'-', u'_');
    const QString language = wanted.section(u'_', 0, 0).toLower();
    if (language == u"en" || language == u"c") return {};
    // "de_Latn_DE" and the like: the language with its region, without the script.
    const QString region = wanted.section(u'_', -1);
    const QString withRegion = language + u'_' + region;
    for (const QString& candidate : {withRegion, language}) {
      if (shipped.contains(candidate)) return candidate;
    }
    for (const QString& code : shipped) {
      if (code.section(u'_', 0, 0) == language) return code;
    }
  }
  return {};
}

std::unique_ptr<QTranslator> ProgramTranslator(const QString& language) {
  if (language.isEmpty()) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(ProgramCatalogue(language))) return nullptr;
  return translator;
}

std::unique_ptr<QTranslator> QtTranslator(const QString& language) {
  // A language Qt has no qtbase catalogue for may still have an older whole one (Swedish).
  if (language.isEmpty()) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!(translator->load(QStringLiteral("qtbase_") + language, folder) ||
        translator->load(QStringLiteral("qt_") + language, folder)))
    return nullptr;
  return translator;
}

QString SystemLanguage() {
  const QLocale system = QLocale::system();
  return ChooseLanguage(system.name(), system.uiLanguages(), ShippedLanguages());
}

std::function<std::string(const char*)> TextsInSystemLanguage(const char* context) {
  std::shared_ptr<QTranslator> translator = ProgramTranslator(SystemLanguage());
  if (!translator) return nullptr;
  return [translator, context](const char* english) {
    const QString text = translator->translate(context, english);
    return text.isEmpty() ? std::string(english) : text.toStdString();
  };
}

void InstallTranslations() {
  const QString language = SystemLanguage();
  std::unique_ptr<QTranslator> program = ProgramTranslator(language);
  if (!program) return;
  // The application keeps them and deletes them with itself.
  const auto install = [](std::unique_ptr<QTranslator> translator) {
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
  };
  install(std::move(program));
  // Installed last, so asked first: Qt's own words for its texts where it has them.
  if (std::unique_ptr<QTranslator> qt = QtTranslator(language)) install(std::move(qt));
  g_languageInUse = language;
}

QString LanguageInUse() { return g_languageInUse; }

}  // namespace marnelok
