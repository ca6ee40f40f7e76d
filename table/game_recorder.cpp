// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the games in the history.
#include "game_recorder.h"

#include <QCursor>
#include <QGuiApplication>
#include <cstdio>

#include "daily_date.h"
#include "desktop.h"
#include "game.h"
#include "game_facts.h"
#include "game_history.h"
#include "par_keeper.h"

namespace marnelok {

GameRecorder::GameRecorder(const Game& game, const GameFacts& facts, history::GameHistory& history,
                           Desktop& desktop, QWidget* owner)
    : game_(game), history_(history), desktop_(desktop), owner_(owner) {
  connect(&facts, &GameFacts::changing, this, &GameRecorder::Changing);
  connect(&facts, &GameFacts::cardCurrent, this, &GameRecorder::CardCurrent);
  connect(&facts, &GameFacts::finished, this, &GameRecorder::Finished);
  history_.SetFaultHandler([&desktop, owner](const QString& message) {
    desktop.ShowMessage(owner, QStringLiteral("Marnelok"), message);
  });
}

GameRecorder::~GameRecorder() { history_.SetFaultHandler({}); }

// The rules say that the table is about to change, not how; a deal only shows itself once it
// is done. So the game in progress is noted before every change, and a deal keeps the note.
void GameRecorder::Changing() {
  const GameState& s = game_.state();
  if (s.gameActive && !prepared_) {
    // The first card placed (never the start, not even with a deal asked for on the command
    // line): the file is opened and checked while the player plays.
    prepared_ = true;
    history_.Prepare();
  }
  if (s.gameActive && history::GameWorthKeeping(s))
    before_ = s;
  else
    before_.reset();
}

void GameRecorder::CardCurrent(bool current) {
  if (!current) return;  // the end of a game: Finished follows, with the player's name
  // A new deal: the game before it was left.
  if (before_) Keep(*before_, QString());
  before_.reset();
  startedAt_ = QDateTime::currentDateTimeUtc();
  hints_ = 0;
  demo_ = false;
  const GameState& s = game_.state();
  const QDate today = DateOfDay(desktop_.Today());
  daily_ = s.kind == GameKind::kRegular && s.dealNumber == DailyDealOn(today) ? today : QDate();
}

void GameRecorder::HintAsked() { ++hints_; }

void GameRecorder::Finished(const QString& player) {
  before_.reset();
  Keep(game_.state(), player);
}

void GameRecorder::Closing(bool mayAsk) {
  if (closed_) return;
  closed_ = true;
  const GameState& s = game_.state();
  if (s.gameActive && history::GameWorthKeeping(s)) Keep(s, QString());
  LastWrite([mayAsk] { return mayAsk; });
}

// The game in progress is not kept here: the session may yet be cancelled and the game go on.
void GameRecorder::SessionEnding(const std::function<bool()>& mayAsk) { LastWrite(mayAsk); }

// Nothing waits in memory past the end: one last write, and the player hears of a loss.
void GameRecorder::LastWrite(const std::function<bool()>& mayAsk) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  const std::optional<QString> lost = history_.Finish();
  QGuiApplication::restoreOverrideCursor();
  if (!lost) return;
  if (mayAsk())
    desktop_.ShowMessage(owner_, QStringLiteral("Marnelok"), *lost);
  else
    std::fprintf(stderr, "Marnelok: %s\n", qPrintable(*lost));
}

void GameRecorder::Keep(const GameState& state, const QString& player) {
  history::GameRecord record = history::RecordOfGame(state);
  record.startedAt = startedAt_;
  record.endedAt = QDateTime::currentDateTimeUtc();
  record.hints = hints_;
  record.demo = demo_;
  record.player = player;
  record.daily = daily_;
  const history::DealOfKind deal{record.deal, record.kind};
  if (pars_ != nullptr) record.par = pars_->Known(deal);
  const bool wanted = pars_ != nullptr && !record.par && !record.demo;
  history_.Keep(std::move(record));
  if (wanted) pars_->Want(deal);
  if (kept_) kept_();
}

}  // namespace marnelok
