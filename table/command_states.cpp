// SPDX-License-Identifier: GPL-3.0-or-later
// The Game menu's commands that can be chosen only at times, each enabled by one plain fact.
#include "command_states.h"

#include <QAction>

#include "game_facts.h"

namespace marnelok {

void FollowGameFacts(const GameFacts& facts, QAction& undo, QAction& hint) {
  QObject::connect(&facts, &GameFacts::undoPossible, &undo, &QAction::setEnabled);
  QObject::connect(&facts, &GameFacts::cardCurrent, &hint, &QAction::setEnabled);
}

}  // namespace marnelok
