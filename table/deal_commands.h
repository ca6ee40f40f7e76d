// SPDX-License-Identifier: GPL-3.0-or-later
// Deals by number in the window: Select Deal..., Replay This Deal, a deal in a chosen kind
// (Play This Deal Again, the command line), the daily deal, and the deck's tooltip with the
// deal's number and, once known, its par.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "game_kind.h"
#include "geometry.h"

class QAction;
class QWidget;

namespace marnelok {

class Desktop;
class Game;
class GameFacts;

class DealCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(DealCommands)

 public:
  // `replay` is enabled from the first deal on. `kindChanged` shows a game kind that a deal
  // chose (the Options menu's check marks). Everything passed in outlives the commands.
  DealCommands(Game& game, const GameFacts& facts, const TableGeometry& geometry, Desktop& desktop,
               QWidget& table, QAction& replay, std::function<void()> kindChanged);

  void SelectDeal();  // asks for a number and deals it in the current kind
  void Replay();      // deals the current or the last deal again
  void Daily();       // deals today's daily deal, a regular game
  // Where the tooltip finds the par of a deal (its number and kind) when it is known.
  void SetParLookup(std::function<std::optional<int>(std::uint32_t, GameKind)> par) {
    par_ = std::move(par);
  }
  // Deals `deal`, in the kind given or else the current one.
  void Deal(std::uint32_t deal, std::optional<GameKind> kind = std::nullopt);

 protected:
  // The deck's tooltip: the number of the deal on the table.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Game& game_;
  const TableGeometry& geometry_;
  Desktop& desktop_;
  QWidget& table_;
  std::function<void()> kindChanged_;
  std::function<std::optional<int>(std::uint32_t, GameKind)> par_;
};

}  // namespace marnelok
