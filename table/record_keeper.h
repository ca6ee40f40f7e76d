// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record as the main window keeps it: its load and save, the Top 5 list as the
// painter reads it, and the option bytes.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "game_kind.h"
#include "settings_record.h"
#include "table_look.h"

class QWidget;

namespace marnelok {

class Desktop;
class RecordStore;

// Owns the record in memory. The record is only ever loaded and saved as a whole; every change
// goes through here, so the Top 5 list that the painter reads always shows the record's.
class RecordKeeper {
  Q_DECLARE_TR_FUNCTIONS(RecordKeeper)

 public:
  // The store and the desktop outlive the keeper; a failed save is told over owner.
  RecordKeeper(RecordStore& store, Desktop& desktop, QWidget* owner);

  const SettingsRecord& Record() const { return record_; }
  const TopFiveList& TopFive() const { return topFive_; }

  void Load();
  // False, once the player has been told why, when the store refused.
  bool Save();
  // Enters a total that qualifies under a name asked through the desktop, then saves.
  // `player` gets the name as the player typed it, whole (the list keeps at most 23 Latin-1
  // letters of it), or stays null when no name was asked.
  bool EnterHighScore(int total, QString* player = nullptr);
  void ResetHighScores();  // in memory; Save stores it
  // The option bytes, 0 or 1 each. The card size is written as it is applied, the rest by Quit.
  void SetLargeCards(bool large);
  void SetOptions(GameKind kind, bool altColors, bool largeCards);

 private:
  void ListChanged();

  RecordStore& store_;
  Desktop& desktop_;
  QWidget* owner_;
  SettingsRecord record_;
  TopFiveList topFive_;
};

}  // namespace marnelok
