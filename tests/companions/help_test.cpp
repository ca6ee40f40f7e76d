// Finding the help document: the working directory first, then the copy installed with the
// program, then the plain name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fake_desktop.h"
#include "qt_printers.h"
#include "help.h"

namespace marnelok {
namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(Help, LooksInTheWorkingDirectoryThenBesideTheProgramThenInShare) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString work = root.filePath("work");
  const QString bin = root.filePath("prefix/bin");
  const QString share = root.filePath("prefix/share/marnelok");
  QDir().mkpath(work);
  QDir().mkpath(bin);

  // Each step adds one copy; the best copy so far wins.
  EXPECT_EQ(HelpDocument(work, bin), "Marnelok.html");
  Touch(share + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(work, bin), share + "/Marnelok.html");
  Touch(bin + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(work, bin), bin + "/Marnelok.html");
  Touch(work + "/Marnelok.html");
  EXPECT_EQ(HelpDocument(work, bin), "Marnelok.html");

  // A folder of that name is not the document.
  QTemporaryDir other;
  QDir(other.path()).mkpath("Marnelok.html");
  EXPECT_EQ(HelpDocument(other.path(), QString()), "Marnelok.html");
  EXPECT_EQ(HelpDocument(other.path(), bin), bin + "/Marnelok.html");
}

TEST(Help, OpenHelpHandsTheDocumentToTheShell) {
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  Touch(work.filePath("Marnelok.html"));
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(work.path()));

  testing::FakeDesktop desktop;
  OpenHelp(desktop);
  QDir::setCurrent(previous);

  ASSERT_EQ(desktop.shellCalls.size(), 1u);
  EXPECT_EQ(desktop.shellCalls[0].document, "Marnelok.html");
  EXPECT_EQ(desktop.shellCalls[0].parameters, "");
  EXPECT_EQ(desktop.shellCalls[0].directory, "");
  EXPECT_EQ(desktop.shellCalls[0].showMode, 5);
}

TEST(Help, TheDocumentBesideTheProgramCoversTheScoringAndTheSettings) {
  QFile file(MARNELOK_BUILT_HELP);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << MARNELOK_BUILT_HELP;
  const QString text = QString::fromUtf8(file.readAll());
  const struct {
    const char* hand;
    int points;
  } hands[] = {{"Royal Flush", 100}, {"Straight Flush", 75}, {"Four of a kind", 50},
               {"Full House", 25},   {"Flush", 20},          {"Straight", 15},
               {"Three of a kind", 10}, {"Two Pair", 5},     {"One Pair", 2},
               {"None", 0}};
  for (const auto& h : hands) {
    const QRegularExpression row(QStringLiteral("<td>%1</td><td class=\"num\">%2</td>")
                                     .arg(QRegularExpression::escape(h.hand))
                                     .arg(h.points));
    EXPECT_TRUE(text.contains(row)) << h.hand;
  }
  for (const char* fact : {"150 or more wins", "Throw down a few cards first", "Undo Last Move",
                           "Use Large Cards", "Use Alternate Colors", "Reset High Scores",
                           "~/.config/Marnelok/fRegInfo"})
    EXPECT_TRUE(text.contains(QLatin1String(fact))) << fact;
}

}  // namespace
}  // namespace marnelok
