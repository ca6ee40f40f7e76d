// SPDX-License-Identifier: GPL-3.0-or-later
// The donation reminder: its schedule, the answers of the dialog, and its stored state.
#include "donate_reminder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "child_process.h"
#include "donate_form.h"
#include "fake_desktop.h"
#include "file_record_store.h"
#include "qt_printers.h"
#include "web_pages.h"

namespace marnelok {
namespace {

constexpr int kToday = 45000;

class DonateReminderTest : public ::testing::Test {
 protected:
  void SetUp() override { desktop_.today = kToday; }

  // Writes the state file as an earlier run or a hand edit left it; a null value is left out.
  // Each call starts a new file: QSettings caches a file by path and time stamp, so a file
  // rewritten within the same second could be read as unchanged.
  void Store(const QString& status, const QString& lastPrompt, const QString& extra = {}) {
    path_ = dir_.filePath(QStringLiteral("marnelok%1.ini").arg(++files_));
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QString text = extra + "[DonateForm]\n";
    if (!status.isNull()) text += "DonateStatus=" + status + "\n";
    if (!lastPrompt.isNull()) text += "DonateLastPrompt=" + lastPrompt + "\n";
    file.write(text.toUtf8());
  }

  static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  std::unique_ptr<DonateReminder> Loaded() {
    auto reminder = std::make_unique<DonateReminder>(desktop_, path_);
    reminder->LoadDonateState();
    return reminder;
  }

  // Answers the dialog by selecting `choice` and pressing "Proceed".
  static std::function<void(QDialog&)> Choose(int choice) {
    return [choice](QDialog& dialog) {
      dialog.findChild<QRadioButton*>(QStringLiteral("rbItem%1").arg(choice))->click();
      dialog.findChild<QPushButton*>("ntmOK")->click();
    };
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath("marnelok.ini");
  int files_ = 0;
  testing::FakeDesktop desktop_;
};

TEST_F(DonateReminderTest, ACloseOfTheMainWindowAsksOnTheScheduleOfTheLastAnswer) {
  const struct {
    int status;
    int daysAgo;  // negative: the clock was set back
    bool commandUsed;
    bool asks;
  } cases[] = {
      {0, 0, false, true},   {0, -5, false, true},   {1, 13, false, false},  {1, 14, false, true},
      {1, -3, false, false}, {2, 400, false, false}, {3, 400, false, false}, {4, 0, false, false},
      {4, 1, false, true},   {4, -1, false, false},  {0, 0, true, false},    {4, 30, true, false},
  };
  // Any stored 32-bit day: one far in the past is long overdue, one in the future is a
  // clock set back. The difference must not overflow.
  const struct {
    int status;
    const char* lastPrompt;
    bool asks;
  } extremes[] = {
      {4, "-2147483648", true}, {1, "-2147483647", true}, {0, "2147483647", true},
      {4, "2147483647", false}, {1, "2147483647", false}, {2, "-2147483648", false},
  };
  for (const auto& c : extremes) {
    SCOPED_TRACE(::testing::Message() << "status " << c.status << ", last prompt " << c.lastPrompt);
    Store(QString::number(c.status), c.lastPrompt);
    desktop_.execCount = 0;
    desktop_.answer = Choose(3);
    Loaded()->CheckDonateReminder(nullptr);
    EXPECT_EQ(desktop_.execCount, c.asks ? 1 : 0);
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "status " << c.status << ", " << c.daysAgo
                                      << " days, command " << c.commandUsed);
    Store(QString::number(c.status), QString::number(kToday - c.daysAgo));
    auto reminder = Loaded();
    if (c.commandUsed) {
      desktop_.answer = Choose(0);  // this answer alone would bring the dialog back
      reminder->ShowDonateForm(nullptr);
    }
    const int lastPrompt = reminder->LastPrompt();
    desktop_.execCount = 0;
    desktop_.answer = Choose(3);
    reminder->CheckDonateReminder(nullptr);
    EXPECT_EQ(desktop_.execCount, c.asks ? 1 : 0);
    // When it asks, the prompt is dated today whatever the answer.
    EXPECT_EQ(reminder->LastPrompt(), c.asks ? kToday : lastPrompt);
  }
}

TEST_F(DonateReminderTest, TheCommandAppliesTheChosenAnswer) {
  for (int choice = 0; choice < 5; ++choice) {
    SCOPED_TRACE(choice);
    Store("2", QString::number(kToday - 30));
    desktop_.shellCalls.clear();
    auto reminder = Loaded();
    int selectedWhenShown = -1;
    desktop_.answer = [&](QDialog& dialog) {
      selectedWhenShown = static_cast<TDonateForm&>(dialog).ItemIndex();
      Choose(choice)(dialog);
    };
    reminder->ShowDonateForm(nullptr);
    EXPECT_EQ(selectedWhenShown, 0);  // whatever the stored answer
    EXPECT_EQ(reminder->Status(), choice);
    const bool datesToday = choice == 1 || choice == 4;
    EXPECT_EQ(reminder->LastPrompt(), datesToday ? kToday : kToday - 30);
    std::vector<testing::ShellCall> opened;
    if (choice == 0) opened.push_back({DonationPage(), "", "", 5});
    EXPECT_EQ(desktop_.shellCalls, opened);
  }
  EXPECT_EQ(DonationPage(), HomePage() + "/sw/donate.html");
}

TEST_F(DonateReminderTest, ClosingWithoutAChoiceMeansDonateNowAndTheDialogIsReleased) {
  Store("3", QString::number(kToday - 2));
  auto reminder = Loaded();
  QPointer<QDialog> shown;
  desktop_.answer = [&](QDialog& dialog) {
    shown = &dialog;
    EXPECT_EQ(reminder->DonateForm(), &dialog);
    reminder->ShowDonateForm(nullptr);  // a second request while one is shown adds nothing
    dialog.close();                     // the title bar's close button
  };
  reminder->ShowDonateForm(nullptr);
  EXPECT_EQ(desktop_.execCount, 1);
  EXPECT_EQ(reminder->Status(), 0);
  EXPECT_EQ(desktop_.shellCalls.size(), 1u);
  EXPECT_EQ(reminder->DonateForm(), nullptr);
  EXPECT_TRUE(shown.isNull());
}

TEST_F(DonateReminderTest, StoredValuesAreClampedAndBadOnesFallBackToDefaults) {
  const struct {
    QString status, lastPrompt;
    int expectedStatus, expectedLastPrompt;
  } cases[] = {
      {"-1", "44000", 4, 44000},
      {"-7", "44000", 0, 44000},
      {"9", "44000", 4, 44000},
      {"0", "44000", 0, 44000},
      {"3", "0", 3, kToday},
      {"abc", "xyz", 4, kToday},
      {"", "", 4, kToday},
      {" 2 ", " 44001 ", 2, 44001},
      {"1, 2", "12", 4, 12},
      {"99999999999", "7", 4, 7},
      {QString(), QString(), 4, kToday},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(("'" + c.status + "' / '" + c.lastPrompt + "'").toStdString());
    Store(c.status, c.lastPrompt);
    const auto reminder = Loaded();
    EXPECT_EQ(reminder->Status(), c.expectedStatus);
    EXPECT_EQ(reminder->LastPrompt(), c.expectedLastPrompt);
  }
}

TEST_F(DonateReminderTest, AFirstRunStoresTomorrowAndTodayAndAsksOnTheNextDay) {
  {
    auto first = Loaded();
    first->CheckDonateReminder(nullptr);
    EXPECT_EQ(desktop_.execCount, 0);
    EXPECT_FALSE(QFile::exists(path_));  // nothing is written before the end of the run
    EXPECT_TRUE(first->SaveDonateState());
  }
  const QSettings stored(path_, QSettings::IniFormat);
  EXPECT_EQ(stored.value("DonateForm/DonateStatus").toInt(), 4);
  EXPECT_EQ(stored.value("DonateForm/DonateLastPrompt").toInt(), kToday);

  desktop_.today = kToday + 1;
  Loaded()->CheckDonateReminder(nullptr);
  EXPECT_EQ(desktop_.execCount, 1);
}

TEST_F(DonateReminderTest, TheStateSurvivesBetweenRunsAndOtherSettingsAreKept) {
  Store("4", "44000", "[Window]\nsize=3\n");
  {
    auto first = Loaded();
    desktop_.answer = Choose(1);
    first->ShowDonateForm(nullptr);
    ASSERT_TRUE(first->SaveDonateState());
  }
  const auto second = Loaded();
  EXPECT_EQ(second->Status(), 1);
  EXPECT_EQ(second->LastPrompt(), kToday);
  EXPECT_FALSE(second->CommandFlag());  // the command counts for one run only
  EXPECT_EQ(QSettings(path_, QSettings::IniFormat).value("Window/size").toInt(), 3);

  // A store that cannot be written is reported, not fatal.
  QFile blocker(dir_.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  EXPECT_FALSE(DonateReminder(desktop_, blocker.fileName() + "/m.ini").SaveDonateState());
}

// A write that cannot complete keeps the old file exactly, other sections included: on a full
// disk, and when the private folder for the new text is full as well.
TEST_F(DonateReminderTest, AFullDiskKeepsTheOldStateFile) {
  const QString disk = dir_.filePath("disk");
  ASSERT_TRUE(QDir().mkpath(disk));
  testing::RunOnSmallDisk(disk, 64, [&] {
    path_ = disk + "/marnelok.ini";
    const QByteArray old =
        "[DonateForm]\nDonateStatus=4\nDonateLastPrompt=44000\n\n[Window]\nsize=3\n";
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size() && file.flush());
    file.close();
    auto reminder = Loaded();
    desktop_.answer = Choose(1);
    reminder->ShowDonateForm(nullptr);
    QFile spare(disk + "/spare");
    ASSERT_TRUE(spare.open(QIODevice::WriteOnly) && spare.write(QByteArray(4096, 's')) == 4096);
    spare.close();
    testing::FillDisk(disk);
    EXPECT_FALSE(reminder->SaveDonateState());

    // The private copies on the full disk as well: the new text never reaches the file.
    ASSERT_TRUE(spare.remove());
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(disk));
    EXPECT_FALSE(reminder->SaveDonateState());
    qputenv("TMPDIR", tmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
  });
}

// A hand edit (a comment, junk, a large heap of random bytes) no longer blocks the save: the
// original is kept as "<name>.bak", the readable keys stay and the rest goes. A save that
// still fails is told like a failed save of the record.
TEST_F(DonateReminderTest, AHandEditedStateFileIsRepairedAndItsOriginalKept) {
  std::mt19937 random(19);
  for (const int junk : {0, 64 << 10, 900 << 10, 10 << 20}) {
    SCOPED_TRACE(junk);
    Store("2", "44000", "# edited by hand\n[Window]\nsize=3\nno equals sign\n");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::Append));
    QByteArray bytes(junk, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    ASSERT_EQ(file.write(bytes), junk);
    file.close();
    const QByteArray original = ReadAll(path_);
    auto reminder = Loaded();
    desktop_.answer = Choose(1);
    reminder->ShowDonateForm(nullptr);
    ASSERT_TRUE(reminder->SaveDonateState());
    EXPECT_EQ(ReadAll(path_ + ".bak"), original);
    const QSettings stored(path_, QSettings::IniFormat);
    EXPECT_EQ(stored.status(), QSettings::NoError);
    EXPECT_EQ(stored.value("DonateForm/DonateStatus").toInt(), 1);
    EXPECT_EQ(stored.value("Window/size").toInt(), 3);
    EXPECT_LT(QFileInfo(path_).size(), 1000);  // the junk is gone
  }
  EXPECT_EQ(desktop_.messages, QStringList());

  Store("2", "44000", "junk\n");
  ASSERT_TRUE(QDir().mkpath(path_ + ".bak"));  // no place for the copy: the file stays as it was
  EXPECT_FALSE(Loaded()->SaveDonateState());
  EXPECT_EQ(ReadAll(path_), "junk\n[DonateForm]\nDonateStatus=2\nDonateLastPrompt=44000\n");
  EXPECT_EQ(desktop_.messages, QStringList("Marnelok|Failed to set data for 'DonateStatus'"));
}

// A state file that cannot be read gives the defaults and is never written over.
TEST_F(DonateReminderTest, AnUnreadableStateFileIsNeverWrittenOver) {
  testing::RunAsUnprivileged([&] {
    QTemporaryDir own;
    ASSERT_TRUE(testing::PermissionsBind(own.path())) << "permissions do not bind this user";
    path_ = own.filePath("marnelok.ini");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("[DonateForm]\nDonateStatus=2\n") > 0);
    file.close();
    QFile::setPermissions(path_, QFileDevice::WriteOwner);
    auto reminder = Loaded();
    EXPECT_EQ(reminder->Status(), 4);
    EXPECT_FALSE(reminder->SaveDonateState());
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[DonateForm]\nDonateStatus=2\n");
  });
}

TEST_F(DonateReminderTest, TheDefaultStoreIsNamedAfterTheProgramInTheConfigFolder) {
  QTemporaryDir config;
  const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  const QString path = DonateReminder::DefaultPath();
  // A relative value is invalid by the XDG rules; the settings record ignores it too.
  qputenv("XDG_CONFIG_HOME", "relative/dir");
  const QString relative = DonateReminder::DefaultPath();
  const QString record = FileRecordStore::DefaultPath();
  qputenv("XDG_CONFIG_HOME", previous);
  EXPECT_EQ(path, config.path() + "/companions_tests.ini");
  EXPECT_EQ(relative, QDir::homePath() + "/.config/companions_tests.ini");
  EXPECT_EQ(QFileInfo(relative).path() + "/Marnelok/fRegInfo", record);
}

}  // namespace
}  // namespace marnelok
