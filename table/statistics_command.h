// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Statistics...: loads the statistics module the first time, then shows its window,
// which stays open beside the table until the player closes it.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "statistics_factory.h"

namespace marnelok {

class WindowPlaces;

// The module of the Statistics and review windows, loaded the first time it is asked for and
// kept; nullptr when it cannot be, once the player has been told over `owner` in `failure`
// (whose %1 is the reason).
StatisticsWindowFactory* LoadWindowsModule(Desktop& desktop, QWidget& owner,
                                           const QString& failure);

class StatisticsCommand {
  Q_DECLARE_TR_FUNCTIONS(StatisticsCommand)

 public:
  // The module is looked for beside the program and below its prefix when the window first
  // opens. The history, the desktop and the places outlive the command; the window belongs to
  // `owner` and opens where `places` says.
  StatisticsCommand(history::GameHistory& history, Desktop& desktop, QWidget& owner,
                    WindowPlaces& places, PlayDeal playDeal, ReviewGame reviewGame);
  ~StatisticsCommand();

  void Open();
  // A game was handed to the history: an open window shows it once it is written.
  void GameKept();
  QWidget* Window() const { return window_; }

 private:
  history::GameHistory& history_;
  Desktop& desktop_;
  QWidget& owner_;
  WindowPlaces& places_;
  PlayDeal playDeal_;
  ReviewGame reviewGame_;
  QPointer<QWidget> window_;
};

}  // namespace marnelok
