// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Review Last Game... and the Statistics window's Review: opens the review window (from
// the module that the Statistics window comes from) and serves it: reads the game from the
// history, judges its placements on every core, stores the verdicts, and draws the table as it
// stood with the table's own painter.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

#include "card_images.h"
#include "geometry.h"
#include "review_job.h"
#include "review_view.h"
#include "table_look.h"

class QAction;
class QMenu;
class QWidget;

namespace marnelok {

class Desktop;
class WindowPlaces;
namespace history {
class GameHistory;
}

// What the review draws with: the main window's card size, look and bitmaps, as they are when
// a picture is drawn.
struct ReviewLook {
  const TableGeometry& geometry;
  const TableLook& look;
  const CardImages& images;
};

class ReviewCommand : public QObject, public ReviewSource {
 public:
  // `command` (Review Last Game...) is enabled, each time `menu` opens, by whether the history
  // holds a finished game. Everything passed in outlives the command; the window belongs to it
  // and opens where `places` says.
  ReviewCommand(history::GameHistory& history, Desktop& desktop, QWidget& owner, ReviewLook look,
                QMenu& menu, QAction& command, WindowPlaces& places);
  ~ReviewCommand() override;  // the window goes first, then the judging stops

  // Opens the window on game `id` (history::kNewestFinished for the last one).
  void Open(std::int64_t id);

  void Review(std::int64_t id, QObject* receiver, std::function<void(int, int)> progress,
              std::function<void(const ReviewOutcome&)> done) override;
  void Cancel() override;
  QImage Picture(const history::GameRecord& game, std::size_t index,
                 qreal devicePixelRatio) override;

 private:
  void Read(std::uint64_t request, const history::GameReading& reading);
  void Judged(std::size_t index, const history::PlacementReview& review);
  void Finish(bool stopped);

  history::GameHistory& history_;
  Desktop& desktop_;
  QWidget& owner_;
  ReviewLook look_;
  WindowPlaces& places_;
  ReviewView* view_ = nullptr;
  QPointer<QWidget> window_;
  // The review under way: its number (a later one makes earlier answers void), the game as far
  // as judged, and where its news go.
  std::uint64_t request_ = 0;
  bool active_ = false;
  history::GameRecord game_;
  int judged_ = 0;
  int total_ = 0;
  QPointer<QObject> receiver_;
  std::function<void(int, int)> progress_;
  std::function<void(const ReviewOutcome&)> done_;
  ReviewJob job_;  // last: its workers end before the members they report to
};

}  // namespace marnelok
