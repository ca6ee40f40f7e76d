// SPDX-License-Identifier: GPL-3.0-or-later
// The demo: the advisor playing the game on the table.
#include "demo_player.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "game.h"
#include "game_facts.h"
#include "review_advice.h"
#include "table_acts.h"

namespace marnelok {

DemoPlayer::DemoPlayer(Game& game, const GameFacts& facts, QWidget& window, TableActs& acts,
                       QObject* parent)
    : QObject(parent), game_(game), window_(window), acts_(acts) {
  search_.SetBudget(ReviewBudget());
  timer_.setSingleShot(true);
  connect(&search_, &HintSearch::advised, this, &DemoPlayer::Advised);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (framed_) {
      Place();
    } else {
      paused_ = true;
      if (advised_) Frame();
    }
  });
  connect(&facts, &GameFacts::changing, this, &DemoPlayer::Changing);
  // Watching the whole application sees a press before the table, the menus or a shortcut do.
  QCoreApplication::instance()->installEventFilter(this);
}

DemoPlayer::~DemoPlayer() = default;

void DemoPlayer::SetPace(std::chrono::milliseconds pace, std::chrono::milliseconds frameLead) {
  pace_ = pace;
  frameLead_ = frameLead;
}

void DemoPlayer::Start() {
  if (running_) return;
  running_ = true;
  if (!game_.state().gameActive) {
    placing_ = true;
    acts_.DealFromDeck();
    placing_ = false;
  }
  Ask();
}

void DemoPlayer::Ask() {
  const GameState& s = game_.state();
  if (!s.gameActive || !IsCard(s.currentCard())) {
    Stop();  // the game is over: the demo has played it out
    return;
  }
  askedFor_ = game_.VisiblePosition();
  advised_.reset();
  paused_ = false;
  search_.Start(askedFor_, PositionSeed(askedFor_));
  timer_.start(pace_ - frameLead_);
}

void DemoPlayer::Advised(int cell) {
  if (!running_) return;
  // Every change of the game stops the demo first; the check of the position is a second line
  // against an answer to another game.
  if (cell < 0 || game_.VisiblePosition() != askedFor_) {
    Stop();
    return;
  }
  advised_ = cell;
  if (paused_) Frame();
}

void DemoPlayer::Frame() {
  framed_ = Cell{GridColumnOf(*advised_), GridRowOf(*advised_)};
  emit frameShown();
  timer_.start(frameLead_);
}

void DemoPlayer::Place() {
  const Cell cell = *framed_;
  framed_.reset();  // the card covers the frame
  emit placing();
  placing_ = true;
  acts_.PlaceCurrentCard(cell);
  placing_ = false;
  if (running_) Ask();
}

void DemoPlayer::Changing() {
  if (!placing_) Stop();
}

void DemoPlayer::Stop() {
  if (!running_) return;
  running_ = false;
  timer_.stop();
  search_.Cancel();
  if (framed_) {
    const Cell cell = *framed_;
    framed_.reset();
    emit frameErased(cell);
  }
  emit stopped();
}

bool DemoPlayer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                     type == QEvent::KeyPress;
  if (!(running_ && press) && !(swallowRelease_ && type == QEvent::MouseButtonRelease))
    return false;
  // Widgets only (a press reaches the window system's window first, then the widget), and only
  // those of the main window, its menus among them.
  auto* widget = qobject_cast<QWidget*>(watched);
  bool ours = false;
  for (QObject* o = widget; o != nullptr && !ours; o = o->parent()) ours = o == &window_;
  if (!ours) return false;
  if (type == QEvent::MouseButtonRelease) {
    swallowRelease_ = false;
    return true;
  }
  Stop();
  // A menu opens or goes on as usual; on the table the press only stops the demo, so that the
  // click that hands the game back places no card.
  const bool menu = qobject_cast<QMenu*>(widget) != nullptr || qobject_cast<QMenuBar*>(widget);
  if (menu) return false;
  swallowRelease_ = type != QEvent::KeyPress;
  return true;
}

}  // namespace marnelok
