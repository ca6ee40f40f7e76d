// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Statistics window.
#include "statistics_command.h"

#include <QCoreApplication>

#include "desktop.h"
#include "statistics_loader.h"

namespace marnelok {

StatisticsWindowFactory* LoadWindowsModule(Desktop& desktop, QWidget& owner,
                                           const QString& failure) {
  QString error;
  StatisticsWindowFactory* factory = LoadStatisticsModule(
      StatisticsModuleCandidates(QCoreApplication::applicationDirPath()), &error);
  if (factory == nullptr)
    desktop.ShowMessage(&owner, QStringLiteral("Marnelok"), failure.arg(error));
  return factory;
}

StatisticsCommand::StatisticsCommand(history::GameHistory& history, Desktop& desktop,
                                     QWidget& owner, PlayDeal playDeal, ReviewGame reviewGame)
    : history_(history),
      desktop_(desktop),
      owner_(owner),
      playDeal_(std::move(playDeal)),
      reviewGame_(std::move(reviewGame)) {}

void StatisticsCommand::Open() {
  if (!window_) {
    StatisticsWindowFactory* factory =
        LoadWindowsModule(desktop_, owner_, tr("The Statistics window cannot be opened: %1"));
    if (factory == nullptr) return;
    window_ = factory->CreateStatisticsWindow(history_, desktop_, playDeal_, reviewGame_, &owner_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace marnelok
