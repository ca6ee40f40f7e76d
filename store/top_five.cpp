// SPDX-License-Identifier: GPL-3.0-or-later
// The Top 5 list: slot search, moving entries down, entering a new score, reset.
#include "top_five.h"

namespace marnelok {

int FindHighScoreSlot(const SettingsRecord& record, int totalScore) {
  int slot = 0;
  for (int k = SettingsRecord::kEntries; k >= 1; --k) {
    if (record.HighScore(k) < totalScore) slot = k;
  }
  return slot;
}

void MakeRoom(SettingsRecord& record, int slot) {
  if (slot < 1 || slot >= SettingsRecord::kEntries) return;
  for (int i = SettingsRecord::kEntries; i > slot; --i) {
    record.SetHighName(i, record.HighName(i - 1));
    record.SetHighScore(i, record.HighScore(i - 1));
  }
}

int EnterHighScore(SettingsRecord& record, int totalScore, NamePrompt& prompt) {
  const int slot = FindHighScoreSlot(record, totalScore);
  if (slot == 0) return 0;
  MakeRoom(record, slot);
  // The record keeps the first 23 characters of each name.
  const std::string name = prompt.AskName(record.LastName());
  record.SetLastName(name);
  record.SetHighName(slot, name);
  record.SetHighScore(slot, totalScore);
  return slot;
}

void ResetHighScores(SettingsRecord& record) {
  for (int k = 1; k <= SettingsRecord::kEntries; ++k) {
    record.SetHighName(k, "None");
    record.SetHighScore(k, 0);
  }
}

}  // namespace marnelok
