// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the help document: the player's language first, beside the program, then in its
// shared folder, never in the working folder; and every translation of it as
// whole as the English one.
#include "help.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "donate_form.h"
#include "fake_desktop.h"
#include "language.h"
#include "qt_printers.h"

namespace marnelok {
namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(Help, LooksBesideTheProgramThenInShareNeverInTheWorkingFolder) {
  QTemporaryDir root;
  const QString bin = root.filePath("prefix/bin");
  const QString share = root.filePath("prefix/share/marnelok");
  QDir().mkpath(bin);

  // None: the installed place, by absolute path. Each step adds one copy; the best so far wins.
#ifdef Q_OS_WIN
  const QString installed = bin;  // Windows installs the help beside the program
#else
  const QString installed = share;
#endif
  EXPECT_EQ(HelpDocument(bin), installed + "/Marnelok.html");
  Touch(share + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(bin), share + "/Marnelok.html");
  QDir(bin).mkpath("Marnelok.html");  // a folder of that name is no document
  EXPECT_EQ(HelpDocument(bin), share + "/Marnelok.html");
  QDir(bin).rmdir("Marnelok.html");
  Touch(bin + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(bin), bin + "/Marnelok.html");

  // A translation anywhere comes before the English document; without one, English.
  EXPECT_EQ(HelpDocument(bin, "de"), bin + "/Marnelok.html");
  Touch(share + "/Marnelok.de.html");
  EXPECT_EQ(HelpDocument(bin, "de"), share + "/Marnelok.de.html");
  EXPECT_EQ(HelpDocument(bin, "fr"), bin + "/Marnelok.html");
}

// A document of that name in the working folder (anyone's, in a shared folder) is never
// opened: the one beside the program is, or its installed place when there is none.
TEST(Help, OpenHelpHandsTheProgramsOwnDocumentToTheShell) {
  QTemporaryDir work;
  Touch(work.filePath("Marnelok.html"));
  Touch(work.filePath("Marnelok.de.html"));
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(work.path()));
  testing::FakeDesktop desktop;
  OpenHelp(desktop);
  QDir::setCurrent(previous);

  ASSERT_EQ(desktop.shellCalls.size(), 1u);
  const QString expected = HelpDocument(QCoreApplication::applicationDirPath(), LanguageInUse());
  EXPECT_TRUE(QDir::isAbsolutePath(expected)) << expected.toStdString();
  EXPECT_FALSE(expected.startsWith(work.path())) << expected.toStdString();
  EXPECT_EQ(desktop.shellCalls[0], (testing::ShellCall{expected, "", "", 5}));
}

// In English and in every shipped language, the document is in that language, holds the
// English one's sections, reaches each from its navigation, and its donation section names
// every choice of the dialog as the dialog words it in that language.
TEST(Help, EveryLanguageReachesEverySectionAndExplainsEveryDonationChoice) {
  QStringList englishSections;
  for (const QString& code : QStringList{QString()} + ShippedLanguages()) {
    SCOPED_TRACE(code.isEmpty() ? "English" : code.toStdString());
    const QString name = code.isEmpty() ? "Marnelok.html" : "Marnelok." + code + ".html";
    QFile file(QDir(QStringLiteral(MARNELOK_ASSETS_DIR)).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    const QString lang = code.isEmpty() ? "en" : QString(code).replace('_', '-');
    EXPECT_TRUE(html.contains("<html lang=\"" + lang + "\">"));
    const QString nav =
        html.section(QStringLiteral("<nav>"), 1).section(QStringLiteral("</nav>"), 0, 0);
    QStringList sections;
    for (const auto& m : QRegularExpression(R"re(<h2 id="([^"]+)")re").globalMatch(html)) {
      sections << m.captured(1);
      EXPECT_TRUE(nav.contains("href=\"#" + m.captured(1) + "\"")) << m.captured(1).toStdString();
    }
    if (code.isEmpty()) englishSections = sections;
    EXPECT_GE(sections.size(), 10);
    EXPECT_EQ(sections, englishSections);

    const auto translator = ProgramTranslator(code);
    if (translator) QCoreApplication::installTranslator(translator.get());
    testing::FakeDesktop desktop;
    TDonateForm form(nullptr, desktop);
    if (translator) QCoreApplication::removeTranslator(translator.get());
    const QString donations = html.section(QStringLiteral("id=\"donate\""), 1);
    for (int i = 0; i < 5; ++i) {
      const auto* item = form.findChild<QRadioButton*>(QStringLiteral("rbItem%1").arg(i));
      ASSERT_NE(item, nullptr);
      EXPECT_TRUE(donations.contains(item->text().remove('&'))) << item->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace marnelok
