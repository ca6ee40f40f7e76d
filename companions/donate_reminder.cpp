// SPDX-License-Identifier: GPL-3.0-or-later
// The donation reminder's state, its persistence and its two prompts.
#include "donate_reminder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "config_home.h"
#include "desktop.h"
#include "donate_form.h"
#include "donate_schedule.h"
#include "ini_file.h"
#include "web_pages.h"

namespace marnelok {
namespace {

const QString kStatusKey = QStringLiteral("DonateForm/DonateStatus");
const QString kLastPromptKey = QStringLiteral("DonateForm/DonateLastPrompt");

QString ExecutableBaseName() {
  QString name;
  if (QCoreApplication::instance() != nullptr)
    name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return name.isEmpty() ? QStringLiteral("marnelok") : name;
}

bool IsRegistryKey(const QString& path) { return path.startsWith(QStringLiteral("HKEY_")); }

// A 32-bit integer, or text holding one in decimal; anything else counts as missing.
std::optional<int> ReadNumber(const QSettings& store, const QString& key, bool& isText) {
  const QVariant value = store.value(key);
  isText = value.typeId() == QMetaType::QString;
  if (isText) {
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
  }
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
      bool ok = false;
      const int number = value.toInt(&ok);
      return ok ? std::optional<int>(number) : std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

void WriteNumber(QSettings& store, const QString& key, int number, bool asText) {
  store.setValue(key, asText ? QVariant(QString::number(number)) : QVariant(number));
}

}  // namespace

DonateReminder::DonateReminder(Desktop& desktop, QString settingsPath)
    : desktop_(desktop),
      keyPath_(std::move(settingsPath)),
      status_(kDonateTomorrow),
      lastPrompt_(desktop.Today()) {}

QString DonateReminder::DefaultPath() {
#ifdef Q_OS_WIN
  return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + ExecutableBaseName();
#else
  return ConfigHome() + QLatin1Char('/') + ExecutableBaseName() + QStringLiteral(".ini");
#endif
}

// Out of line: reading the guarded pointer needs the whole dialog class, which this header's
// users need not see.
TDonateForm* DonateReminder::DonateForm() const { return form_; }

void DonateReminder::LoadDonateState() {
  commandFlag_ = false;
  std::optional<int> status;
  std::optional<int> lastPrompt;
  statusIsText_ = lastPromptIsText_ = false;
  const auto read = [&](const QSettings& store) {
    status = ReadNumber(store, kStatusKey, statusIsText_);
    lastPrompt = ReadNumber(store, kLastPromptKey, lastPromptIsText_);
  };
  if (IsRegistryKey(keyPath_))
    read(QSettings(keyPath_, QSettings::NativeFormat));
  else
    ReadIniFile(keyPath_, read);

  status_ = ClampDonateStatus(status.value_or(-1));
  lastPrompt_ = lastPrompt.value_or(0);
  // Day 0 means that no prompt has been recorded.
  if (lastPrompt_ == 0) lastPrompt_ = desktop_.Today();
}

bool DonateReminder::SaveDonateState() {
  const auto write = [this](QSettings& store) {
    WriteNumber(store, kStatusKey, status_, statusIsText_);
    WriteNumber(store, kLastPromptKey, lastPrompt_, lastPromptIsText_);
  };
  bool saved = false;
  if (IsRegistryKey(keyPath_)) {
    QSettings store(keyPath_, QSettings::NativeFormat);
    write(store);
    store.sync();
    saved = store.status() == QSettings::NoError;
  } else {
    saved = UpdateIniFile(keyPath_, write);
  }
  // Told like a failed save of the settings record, naming the first value written.
  if (!saved)
    desktop_.ShowMessage(nullptr, QStringLiteral("Marnelok"),
                         tr("Failed to set data for 'DonateStatus'"));
  return saved;
}

bool DonateReminder::ReminderDue() const {
  return !commandFlag_ && DonationDue(status_, DaysBetween(lastPrompt_, desktop_.Today()));
}

void DonateReminder::CheckDonateReminder(QWidget* owner) {
  if (!ReminderDue()) return;
  lastPrompt_ = desktop_.Today();
  RunDialog(owner);
}

void DonateReminder::ShowDonateForm(QWidget* owner) {
  commandFlag_ = true;
  RunDialog(owner);
}

void DonateReminder::RunDialog(QWidget* owner) {
  // One dialog at a time: a second request while one is shown has nothing to add.
  if (form_ != nullptr) return;
  form_ = new TDonateForm(owner, desktop_, [this](int choice) { FormClosed(choice); });
  form_->SetItemIndex(kDonateNow);
  desktop_.ExecModal(*form_);
  // Destroyed at once rather than deferred: the dialog's own handlers have all returned,
  // and a deferred delete would outlive a run that has no event loop left. The guard covers
  // an owner that destroyed the dialog while it was shown.
  delete form_.data();
  form_ = nullptr;
}

void DonateReminder::FormClosed(int choice) {
  if (choice < kDonateNow || choice > kDonateTomorrow) return;
  status_ = choice;
  if (status_ == kDonateNow) desktop_.ShellOpen(DonationPage(), QString(), QString(), 5);
  if (status_ == kDonateInTwoWeeks || status_ == kDonateTomorrow) lastPrompt_ = desktop_.Today();
}

}  // namespace marnelok
