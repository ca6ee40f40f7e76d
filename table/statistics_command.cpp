// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Statistics window.
#include "statistics_command.h"

#include <QCoreApplication>

#include "desktop.h"
#include "statistics_loader.h"

namespace marnelok {

StatisticsCommand::StatisticsCommand(history::GameHistory& history, Desktop& desktop,
                                     QWidget& owner, PlayDeal playDeal)
    : history_(history), desktop_(desktop), owner_(owner), playDeal_(std::move(playDeal)) {}

void StatisticsCommand::Open() {
  if (!window_) {
    QString error;
    StatisticsWindowFactory* factory = LoadStatisticsModule(
        StatisticsModuleCandidates(QCoreApplication::applicationDirPath()), &error);
    if (factory == nullptr) {
      desktop_.ShowMessage(&owner_, QStringLiteral("Marnelok"),
                           tr("The Statistics window cannot be opened: %1").arg(error));
      return;
    }
    window_ = factory->CreateStatisticsWindow(history_, desktop_, playDeal_, &owner_);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace marnelok
