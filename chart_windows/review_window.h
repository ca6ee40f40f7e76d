// SPDX-License-Identifier: GPL-3.0-or-later
// The review window: a finished game's placements with the advisor's verdicts, a summary, the
// chart of the expected total, and the table as it stood at the selected placement. It is not
// modal; the program keeps one and reviews each game asked for in it.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "chart_view.h"
#include "review_view.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace marnelok {

class PlacementsModel;

class ReviewWindow : public QWidget, public ReviewView {
  Q_OBJECT

 public:
  // The source outlives the window.
  ReviewWindow(ReviewSource& source, QWidget* owner);
  ~ReviewWindow() override;

  QWidget* Widget() override { return this; }
  void Review(std::int64_t id) override;

 protected:
  void closeEvent(QCloseEvent* event) override;  // a review under way stops
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Progress(int judged, int total);
  void Done(const ReviewOutcome& outcome);
  void Stop();  // cancels a review under way without showing its outcome
  void Show(const ReviewOutcome& outcome);
  void ShowSummary(const ReviewOutcome& outcome);
  void ShowPlacement();  // the selected placement's table and words
  void CancelOrResume();
  // The table's picture, narrowed where the list's columns need its room (to 60% at most).
  void FitPicture();
  int ListNeeds() const;  // the list's width with every column whole and no scroll bar

  ReviewSource& source_;
  std::int64_t id_ = 0;  // the game under review, once known
  bool running_ = false;
  QLabel* summary_;
  PlacementsModel* model_;
  QTableView* list_;
  ChartView* chart_;
  QLabel* picture_;
  QImage table_;          // the picture as drawn
  int pictureWidth_ = 0;  // as shown
  QLabel* caption_;
  QLabel* legend_;
  QProgressBar* progress_;
  QPushButton* cancel_;
};

}  // namespace marnelok
