// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any text in the donation state's file loads as a status of 0 to 4 and a
// recorded day, and the schedule's arithmetic holds for whatever day was stored.
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "desktop.h"
#include "donate_reminder.h"

namespace {

// Only today's date is asked for while loading and checking the schedule.
class FixedDay : public marnelok::Desktop {
 public:
  void ShowMessage(QWidget*, const QString&, const QString&) override {}
  bool Confirm(QWidget*, const QString&, const QString&) override { return false; }
  QString AskText(QWidget*, const QString&, const QString&, const QString& i,
                  const QString&) override {
    return i;
  }
  QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
  int ExecModal(QDialog&) override { return 0; }
  void Beep() override {}
  void ShellOpen(const QString&, const QString&, const QString&, int) override {}
  int ScreenWidth() override { return 0; }
  QSize FullScreenClientSize() override { return {}; }
  int Today() override { return 45000; }
  bool CanMoveWindows() override { return true; }
  bool OnXWayland() override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("marnelok.ini"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  FixedDay desktop;
  marnelok::DonateReminder reminder(desktop, path);
  reminder.LoadDonateState();
  if (reminder.Status() < 0 || reminder.Status() > 4 || reminder.LastPrompt() == 0) std::abort();
  (void)reminder.ReminderDue();
  return 0;
}
