// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record as the main window keeps it.
#include "record_keeper.h"

#include "desktop.h"
#include "display_options.h"
#include "name_text.h"
#include "settings_store.h"
#include "table_words.h"
#include "top_five.h"

namespace marnelok {
namespace {

// The store's messages, shown in the player's language; the store itself knows none.
[[maybe_unused]] constexpr const char* kStoreMessages[] = {
    QT_TRANSLATE_NOOP("RecordKeeper", "Failed to set data for 'fRegInfo'"),
};

// The name that the prompt offers: the record's first-start text in the player's language.
QString OfferedName(const std::string& kept) {
  //: Offered in the Top 5 prompt, and kept when not changed: at most 23 letters, all of
  //: them of Western European languages (Latin-1).
  if (kept == SettingsRecord::kDefaultLastName) return RecordKeeper::tr("Please enter your name!");
  return NameToQString(kept);
}

// The name prompt of a new high score, asked through the desktop and centred on the screen,
// like the reset question. A name with letters that the record cannot hold is shown as the
// list will keep it before it is kept, and the player may change it.
class DesktopNamePrompt : public NamePrompt {
 public:
  DesktopNamePrompt(Desktop& desktop, int score) : desktop_(desktop), score_(score) {}
  std::string AskName(const std::string& initial) override;

  bool asked = false;
  QString typed;  // the name as the player typed it, whole

 private:
  Desktop& desktop_;
  int score_;  // told to a screen reader beside the prompt
};

std::string DesktopNamePrompt::AskName(const std::string& initial) {
  const QString title = RecordKeeper::tr("New High Score");
  typed = OfferedName(initial);
  for (;;) {
    typed = desktop_.AskText(nullptr, title, RecordKeeper::tr("Please enter your name:"), typed,
                             TableWords::ScoreBeingEntered(score_));
    const QStringList lost = LettersNotKept(typed);
    if (lost.isEmpty() ||
        desktop_.Confirm(
            nullptr, title,
            RecordKeeper::tr("The Top 5 list cannot keep these letters: %1\n\n"
                             "Your name will be kept there as \"%2\".\n\n"
                             "Choose OK to keep it so, or Cancel to change it.")
                .arg(lost.join(QStringLiteral(" ")), NameToQString(NameFromQString(typed)))))
      break;
  }
  asked = true;
  return NameFromQString(typed);
}

}  // namespace

RecordKeeper::RecordKeeper(RecordStore& store, Desktop& desktop, DisplayOptions& options,
                           QWidget* owner)
    : store_(store), desktop_(desktop), options_(options), owner_(owner) {
  ListChanged();
}

void RecordKeeper::Load() {
  LoadSettings(record_, store_);
  options_.AskLarge(record_.LargeCards() != 0);
  ListChanged();
}

SettingsRecord RecordKeeper::Record() const {
  SettingsRecord record = record_;
  record.SetLargeCards(options_.LargeAsked() ? 1 : 0);
  return record;
}

bool RecordKeeper::Save() {
  const auto error = SaveSettings(Record(), store_);
  if (!error) return true;
  desktop_.ShowMessage(owner_, QStringLiteral("Marnelok"), tr(error->c_str()));
  return false;
}

bool RecordKeeper::EnterHighScore(int total, QString* player) {
  DesktopNamePrompt prompt(desktop_, total);
  marnelok::EnterHighScore(record_, total, prompt);
  if (player != nullptr && prompt.asked) {
    *player = prompt.typed;
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

void RecordKeeper::SetOptions(GameKind kind, bool altColors) {
  record_.SetPlayRegular(kind == GameKind::kRegular ? 1 : 0);
  record_.SetAltColors(altColors ? 1 : 0);
}

void RecordKeeper::ListChanged() {
  for (int k = 1; k <= static_cast<int>(topFive_.size()); ++k)
    topFive_[static_cast<std::size_t>(k - 1)] = {NameToQString(record_.HighName(k)),
                                                 record_.HighScore(k)};
}

}  // namespace marnelok
