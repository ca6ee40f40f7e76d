// SPDX-License-Identifier: GPL-3.0-or-later
// What the program asks of the statistics module: a new Statistics window. The module holds
// the window and Qt Charts, so that neither is loaded before the player opens the window.
#pragma once

#include <QtPlugin>
#include <cstdint>
#include <functional>

class QWidget;

namespace marnelok {

class Desktop;
namespace history {
class GameHistory;
}

// Deals a game again: its deal number and whether it is the regular kind.
using PlayDeal = std::function<void(std::uint32_t deal, bool regular)>;

class StatisticsWindowFactory {
 public:
  virtual ~StatisticsWindowFactory() = default;
  // A new Statistics window, a window of its own that `owner` deletes; not yet shown. The
  // history and the desktop outlive it.
  virtual QWidget* CreateStatisticsWindow(history::GameHistory& history, Desktop& desktop,
                                          PlayDeal playDeal, QWidget* owner) = 0;
};

}  // namespace marnelok

#define MARNELOK_STATISTICS_FACTORY_IID "io.example.Marnelok.StatisticsWindowFactory/1"
Q_DECLARE_INTERFACE(marnelok::StatisticsWindowFactory, MARNELOK_STATISTICS_FACTORY_IID)
