// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the help document: the working directory first, then the copy installed with the
// program, then the plain name.
#include "help.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "donate_form.h"
#include "fake_desktop.h"
#include "qt_printers.h"

namespace marnelok {
namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(Help, LooksInTheWorkingDirectoryThenBesideTheProgramThenInShare) {
  QTemporaryDir root;
  const QString work = root.filePath("work"), bin = root.filePath("prefix/bin");
  const QString share = root.filePath("prefix/share/marnelok");
  QDir().mkpath(work);
  QDir().mkpath(bin);

  // Each step adds one copy; the best copy so far wins.
  EXPECT_EQ(HelpDocument(work, bin), "Marnelok.html");
  Touch(share + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(work, bin), share + "/Marnelok.html");
  Touch(bin + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(work, bin), bin + "/Marnelok.html");
  QDir(work).mkpath("Marnelok.html");  // a folder of that name is no document
  EXPECT_EQ(HelpDocument(work, bin), bin + "/Marnelok.html");
  Touch(root.filePath("other/Marnelok.html"));
  EXPECT_EQ(HelpDocument(root.filePath("other"), bin), "Marnelok.html");
}

TEST(Help, OpenHelpHandsTheDocumentToTheShell) {
  QTemporaryDir work;
  Touch(work.filePath("Marnelok.html"));
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(work.path()));
  testing::FakeDesktop desktop;
  OpenHelp(desktop);
  QDir::setCurrent(previous);

  ASSERT_EQ(desktop.shellCalls.size(), 1u);
  const testing::ShellCall expected{"Marnelok.html", "", "", 5};
  EXPECT_EQ(desktop.shellCalls[0], expected);
}

// The document's navigation reaches every section, and the donation section names every
// choice of the dialog as the dialog words it.
TEST(Help, NavigationReachesEverySectionAndEveryDonationChoiceIsExplained) {
  QFile file(QStringLiteral(MARNELOK_HELP_FILE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  const QString nav =
      html.section(QStringLiteral("<nav>"), 1).section(QStringLiteral("</nav>"), 0, 0);
  int sections = 0;
  for (const auto& m : QRegularExpression(R"re(<h2 id="([^"]+)")re").globalMatch(html)) {
    ++sections;
    EXPECT_TRUE(nav.contains("href=\"#" + m.captured(1) + "\"")) << m.captured(1).toStdString();
  }
  EXPECT_GE(sections, 10);

  testing::FakeDesktop desktop;
  TDonateForm form(nullptr, desktop);
  const QString donations = html.section(QStringLiteral("id=\"donate\""), 1);
  for (int i = 0; i < 5; ++i) {
    const auto* item = form.findChild<QRadioButton*>(QStringLiteral("rbItem%1").arg(i));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(donations.contains(item->text().remove('&'))) << item->text().toStdString();
  }
}

}  // namespace
}  // namespace marnelok
