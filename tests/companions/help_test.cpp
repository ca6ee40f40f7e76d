// Finding the help document: the working directory first, then the copy installed with the
// program, then the plain name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fake_desktop.h"
#include "help.h"
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

}  // namespace
}  // namespace marnelok
