// SPDX-License-Identifier: GPL-3.0-or-later
// The Game menu's commands that can be chosen only at times, each enabled by one plain fact.
#pragma once

class QAction;

namespace marnelok {

class GameFacts;

// Undo follows "undo possible", Hint follows "a card is current". A command that joins them
// follows one fact of its own.
void FollowGameFacts(const GameFacts& facts, QAction& undo, QAction& hint);

}  // namespace marnelok
