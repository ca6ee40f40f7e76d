// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Statistics...: loads the statistics module the first time, then shows its window,
// which stays open beside the table until the player closes it.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "statistics_factory.h"

namespace marnelok {

class StatisticsCommand {
 public:
  // `modules`: where the module may be, in order. The history and the desktop outlive the
  // command; the window belongs to `owner`.
  StatisticsCommand(history::GameHistory& history, Desktop& desktop, QWidget& owner,
                    PlayDeal playDeal, QStringList modules);

  void Open();
  QWidget* Window() const { return window_; }

 private:
  history::GameHistory& history_;
  Desktop& desktop_;
  QWidget& owner_;
  PlayDeal playDeal_;
  QStringList modules_;
  QPointer<QWidget> window_;
};

}  // namespace marnelok
