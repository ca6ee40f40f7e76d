// SPDX-License-Identifier: GPL-3.0-or-later
// What the program asks of the statistics module: a new Statistics window or review window. The
// module holds the windows and Qt Charts, so that none of them is loaded before the player opens
// one.
#pragma once

#include <QtPlugin>
#include <cstdint>
#include <functional>

#include "game_kind.h"

class QWidget;

namespace marnelok {

class Desktop;
class ReviewSource;
class ReviewView;
namespace history {
class GameHistory;
}

// Deals a game again: its deal number and its kind.
using PlayDeal = std::function<void(std::uint32_t deal, GameKind kind)>;
// Reviews a kept game, by its id in the history.
using ReviewGame = std::function<void(std::int64_t id)>;

class StatisticsWindowFactory {
 public:
  virtual ~StatisticsWindowFactory() = default;
  // A new Statistics window, a window of its own that `owner` deletes; not yet shown. The
  // history and the desktop outlive it.
  virtual QWidget* CreateStatisticsWindow(history::GameHistory& history, Desktop& desktop,
                                          PlayDeal playDeal, ReviewGame reviewGame,
                                          QWidget* owner) = 0;
  // A new review window that `owner` deletes, not yet shown; the source outlives it.
  virtual ReviewView* CreateReviewWindow(ReviewSource& source, QWidget* owner) = 0;
};

}  // namespace marnelok

#define MARNELOK_STATISTICS_FACTORY_IID "io.example.Marnelok.StatisticsWindowFactory/2"
Q_DECLARE_INTERFACE(marnelok::StatisticsWindowFactory, MARNELOK_STATISTICS_FACTORY_IID)
