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
class DisplayOptions;
class RecordStore;

// Owns the record in memory. The record is only ever loaded and saved as a whole; every change
// goes through here, so the Top 5 list that the painter reads always shows the record's.
class RecordKeeper {
  Q_DECLARE_TR_FUNCTIONS(RecordKeeper)

 public:
  // The store and the desktop outlive the keeper; a failed save is told over owner.
  // The display options own the card size the record asks for: a load tells them the stored
  // request, and a save stores theirs.
  RecordKeeper(RecordStore& store, Desktop& desktop, DisplayOptions& options, QWidget* owner);

  // The record as it will be saved: the card size it asks for is the display options'.
  SettingsRecord Record() const;
  const TopFiveList& TopFive() const { return topFive_; }

  void Load();
  // False, once the player has been told why, when the store refused.
  bool Save();
  // Enters a total that qualifies under a name asked through the desktop, then saves.
  // `player` gets the name as the player typed it, whole (the list keeps at most 23 Latin-1
  // letters of it), or stays null when no name was asked.
  bool EnterHighScore(int total, QString* player = nullptr);
  void ResetHighScores();  // in memory; Save stores it
  // The game kind's and the colour scheme's bytes, 0 or 1 each, which only Quit writes.
  void SetOptions(GameKind kind, bool altColors);

 private:
  void ListChanged();

  RecordStore& store_;
  Desktop& desktop_;
  DisplayOptions& options_;
  QWidget* owner_;
  SettingsRecord record_;
  TopFiveList topFive_;
};

}  // namespace marnelok
