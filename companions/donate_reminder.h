// SPDX-License-Identifier: GPL-3.0-or-later
// The donation reminder: the user's last answer and the day of the last prompt, kept per user
// between runs, and the two ways the dialog is shown: at a close of the main window when the
// schedule says so, and on the "Make a Donation" command.
//
// The program loads the state before the main window is created and saves it after the event
// loop ends; nothing is written in between.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QWidget;

namespace marnelok {

class Desktop;
class TDonateForm;

class DonateReminder {
  Q_DECLARE_TR_FUNCTIONS(DonateReminder)

 public:
  // `settingsPath`: an INI file, or on Windows a registry key beginning "HKEY_".
  explicit DonateReminder(Desktop& desktop, QString settingsPath = DefaultPath());
  DonateReminder(const DonateReminder&) = delete;
  DonateReminder& operator=(const DonateReminder&) = delete;

  // $XDG_CONFIG_HOME/<executable base name>.ini (~/.config when unset); on Windows the
  // registry key HKEY_CURRENT_USER\Software\<executable base name>.
  static QString DefaultPath();
  // Where the state is kept; the program keeps its windows' places there too.
  const QString& SettingsPath() const { return keyPath_; }

  // Reads the stored state; missing or unreadable values give status 4 and today. Any
  // stored 32-bit day is taken as it is: the schedule's day arithmetic cannot overflow.
  void LoadDonateState();
  // Writes both values, keeping everything else in the file. When they could not be written,
  // shows "Failed to set data for 'DonateStatus'" and returns false; the file is then exactly
  // as it was, and a file that could not be read is never written over.
  bool SaveDonateState();

  // Whether a close of the main window now would show the dialog.
  bool ReminderDue() const;
  // At a close of the main window: shows the dialog when the schedule says so.
  void CheckDonateReminder(QWidget* owner);
  // The "Make a Donation" command: always shows the dialog.
  void ShowDonateForm(QWidget* owner);

  int Status() const { return status_; }
  int LastPrompt() const { return lastPrompt_; }
  bool CommandFlag() const { return commandFlag_; }
  // The dialog being shown, or null.
  TDonateForm* DonateForm() const;

 private:
  void RunDialog(QWidget* owner);
  void FormClosed(int choice);

  Desktop& desktop_;
  QString keyPath_;
  int status_;
  int lastPrompt_;
  bool commandFlag_ = false;
  // A value found stored as text is written back as text (it matters in the registry).
  bool statusIsText_ = false;
  bool lastPromptIsText_ = false;
  QPointer<TDonateForm> form_;
};

}  // namespace marnelok
