// SPDX-License-Identifier: GPL-3.0-or-later
// The review window over a source that the test answers: the progress and its Cancel, a stopped
// review resumed, the summary and the list of a judged game, the costliest placement shown
// first, and a close that stops the review.
#include "review_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "fake_review_source.h"

namespace marnelok {
namespace {

history::GameRecord JudgedGame() {
  history::GameRecord g;
  g.id = 9;
  g.deal = 77;
  g.kind = GameKind::kThrowDown;
  g.finished = true;
  g.total = 123;
  g.placements = {{1, 13, 0, true, {}},                                      // thrown A♥
                  {2, 52, 1, false, history::PlacementReview{1, 100, 100}},  // the best
                  {3, 1, 2, false, history::PlacementReview{7, 90, 90.4}},   // under 0.5
                  {4, 2, 3, false, history::PlacementReview{8, 80, 92.5}},   // the costliest
                  {5, 3, 4, false, history::PlacementReview{9, 85, 90}},
                  {6, 4, 5, false, {}}};  // a contradiction stopped the judging here
  return g;
}

TEST(ReviewWindow, ProgressCancelResumeAndAJudgedGame) {
  testing::FakeReviewSource source;
  ReviewWindow window(source, nullptr);
  auto& progress = *window.findChild<QProgressBar*>("progress");
  auto& cancel = *window.findChild<QPushButton*>("cancel");
  auto& summary = *window.findChild<QLabel*>("summary");
  auto& list = *window.findChild<QTableView*>("placements");
  auto& picture = *window.findChild<QLabel*>("table");

  window.Review(9);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(source.asked, std::vector<std::int64_t>{9});
  source.progress(2, 5);
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.maximum(), 5);
  EXPECT_EQ(progress.value(), 2);

  // Cancel asks the source to stop; its stopped outcome offers Resume, which reviews again.
  cancel.click();
  EXPECT_EQ(source.cancels, 1);
  history::GameRecord partial = JudgedGame();
  partial.placements[4].review.reset();
  source.done({partial, QString(), false, true});
  EXPECT_FALSE(progress.isVisible());
  EXPECT_EQ(cancel.text(), "&Resume");
  EXPECT_TRUE(summary.text().contains("3 of 5 placements judged")) << summary.text().toStdString();
  cancel.click();
  EXPECT_EQ(source.asked, (std::vector<std::int64_t>{9, 9}));

  // The whole verdict: losses below half a point count as none, the costliest come first.
  history::GameRecord judged = JudgedGame();
  judged.par = 120;
  source.done({judged, QString(), false, false});
  EXPECT_FALSE(cancel.isVisible());
  const QString lost = QLocale().toString(17.5, 'f', 1);
  EXPECT_EQ(summary.text().toStdString(),
            ("Deal 77, throw-down game\nTotal: 123\nThe advisor scored 120 on this deal: " +
             QLocale().positiveSign() + "3 against par\nPoints lost: " + lost +
             "\nPlacements within half a point of the best: 2 of 4 (50 %)\n"
             "Costliest placements (marked in the list): turns " +
             QLocale().createSeparatedList({"4", "5"}))
                .toStdString());
  const auto cell = [&](int row, int column) {
    return list.model()->index(row, column).data().toString().toStdString();
  };
  EXPECT_EQ(cell(0, 2), "Thrown down");
  EXPECT_EQ(cell(1, 2), "Row 1, column 2");
  EXPECT_EQ(cell(2, 6), "0");
  EXPECT_EQ(cell(3, 6), QLocale().toString(12.5, 'f', 1).toStdString());
  EXPECT_EQ(cell(3, 7), "1");
  EXPECT_EQ(cell(4, 7), "2");
  EXPECT_EQ(cell(5, 3), "Not judged");
  EXPECT_EQ(list.currentIndex().row(), 3);
  ASSERT_FALSE(source.pictures.empty());
  EXPECT_EQ(source.pictures.back(), 3u);
  EXPECT_EQ(picture.pixmap().toImage().pixelColor(5, 5),
            testing::FakeReviewSource::PictureColor(3));
  list.selectRow(0);
  EXPECT_EQ(source.pictures.back(), 0u);
  // By ear: the picture names its turn, the bar what it measures.
  EXPECT_EQ(picture.accessibleName(),
            "The table at turn " + list.model()->index(0, 0).data().toString());
  EXPECT_EQ(progress.accessibleName(), "Judging the placements");

  // A close during a review stops it; so does Escape, which closes the window.
  window.Review(9);
  window.close();
  window.Review(9);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&list, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(source.cancels, 3);
  window.Review(9);
  window.close();
  EXPECT_EQ(source.cancels, 4);
}

}  // namespace
}  // namespace marnelok
