// SPDX-License-Identifier: GPL-3.0-or-later
// Ranking of the Top 5 list kept in the settings record; asking for a name is left to the caller.
#pragma once

#include <string>

#include "settings_record.h"

namespace marnelok {

// Asks the player for a name. Returns the answer as Latin-1 bytes; a cancel returns
// `initial` unchanged, so a cancelled prompt still enters the score.
class NamePrompt {
 public:
  virtual ~NamePrompt() = default;
  virtual std::string AskName(const std::string& initial) = 0;
};

// The best-ranked entry whose score is strictly below totalScore, or 0 when none is.
// A tie does not displace an entry; the list need not be in order.
int FindHighScoreSlot(const SettingsRecord& record, int totalScore);

// Moves entries slot to 4 down by one, dropping entry 5. Slot 5 moves nothing; any
// other slot outside 1 to 4 is ignored.
void MakeRoom(SettingsRecord& record, int slot);

// Enters totalScore into the list when it qualifies: finds the slot, makes room, asks
// for a name starting from LastName, and stores the first 23 characters as the entry's
// name and as LastName. Returns the slot, or 0 when the score does not qualify (no
// prompt then). Saving and redrawing are the caller's.
int EnterHighScore(SettingsRecord& record, int totalScore, NamePrompt& prompt);

// Every entry to "None" with score 0; LastName stays.
void ResetHighScores(SettingsRecord& record);

}  // namespace marnelok
