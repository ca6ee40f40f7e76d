// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record as the main window keeps it.
#include "record_keeper.h"

#include "desktop.h"
#include "name_text.h"
#include "settings_store.h"
#include "table_words.h"
#include "top_five.h"

namespace marnelok {
namespace {

// The name prompt of a new high score, asked through the desktop and centred on the screen,
// like the reset question.
class DesktopNamePrompt : public NamePrompt {
 public:
  DesktopNamePrompt(Desktop& desktop, int score) : desktop_(desktop), score_(score) {}
  std::string AskName(const std::string& initial) override {
    const QString answer = desktop_.AskText(
        nullptr, QStringLiteral("New High Score"), QStringLiteral("Please enter your name:"),
        NameToQString(initial), TableWords::ScoreBeingEntered(score_));
    name = NameFromQString(answer);
    asked = true;
    return name;
  }

  bool asked = false;
  std::string name;  // as the list keeps it

 private:
  Desktop& desktop_;
  int score_;  // told to a screen reader beside the prompt
};

}  // namespace

RecordKeeper::RecordKeeper(RecordStore& store, Desktop& desktop, QWidget* owner)
    : store_(store), desktop_(desktop), owner_(owner) {
  ListChanged();
}

void RecordKeeper::Load() {
  LoadSettings(record_, store_);
  ListChanged();
}

bool RecordKeeper::Save() {
  const auto error = SaveSettings(record_, store_);
  if (!error) return true;
  desktop_.ShowMessage(owner_, QStringLiteral("Marnelok"), QString::fromStdString(*error));
  return false;
}

bool RecordKeeper::EnterHighScore(int total, QString* player) {
  DesktopNamePrompt prompt(desktop_, total);
  marnelok::EnterHighScore(record_, total, prompt);
  if (player != nullptr && prompt.asked) {
    *player = NameToQString(prompt.name);
    // An empty name was still entered: it is kept as one, not as no name at all.
    if (player->isNull()) *player = QLatin1String("");
  }
  ListChanged();
  return Save();
}

void RecordKeeper::ResetHighScores() {
  marnelok::ResetHighScores(record_);
  ListChanged();
}

void RecordKeeper::SetLargeCards(bool large) { record_.SetLargeCards(large ? 1 : 0); }

void RecordKeeper::SetOptions(bool regularGame, bool altColors, bool largeCards) {
  record_.SetPlayRegular(regularGame ? 1 : 0);
  record_.SetAltColors(altColors ? 1 : 0);
  SetLargeCards(largeCards);
}

void RecordKeeper::ListChanged() {
  for (int k = 1; k <= static_cast<int>(topFive_.size()); ++k)
    topFive_[static_cast<std::size_t>(k - 1)] = {NameToQString(record_.HighName(k)),
                                                 record_.HighScore(k)};
}

}  // namespace marnelok
