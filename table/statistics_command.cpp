// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Statistics window.
#include "statistics_command.h"

#include <QCoreApplication>

#include "desktop.h"
#include "statistics_loader.h"
#include "window_place.h"

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
                                     QWidget& owner, WindowPlaces& places, PlayDeal playDeal,
                                     ReviewGame reviewGame)
    : history_(history),
      desktop_(desktop),
      owner_(owner),
      places_(places),
      playDeal_(std::move(playDeal)),
      reviewGame_(std::move(reviewGame)) {}

void StatisticsCommand::Open() {
  if (!window_) {
    StatisticsWindowFactory* factory =
        LoadWindowsModule(desktop_, owner_, tr("The Statistics window cannot be opened: %1"));
    if (factory == nullptr) return;
    window_ = factory->CreateStatisticsWindow(history_, desktop_, playDeal_, reviewGame_, &owner_);
  }
  if (!window_->isVisible()) places_.Show(*window_, owner_);
  window_->raise();
  window_->activateWindow();
}

StatisticsCommand::~StatisticsCommand() {
  if (window_) places_.Remember(*window_);
}

// The reading is queued behind the write on the history's thread, so it sees the game.
void StatisticsCommand::GameKept() {
  if (window_ && window_->isVisible()) QMetaObject::invokeMethod(window_, "Reload");
}

}  // namespace marnelok
