// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics and review windows at their first size in every language: every column heading
// and every figure whole, the review's list without a scroll bar.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include "fake_desktop.h"
#include "fake_history.h"
#include "geometry.h"
#include "language.h"
#include "review_window.h"
#include "statistics_window.h"

namespace marnelok {
namespace {

// Each heading of `view` and the text of each of its cells fit their column.
void ExpectWholeColumns(const QTableView& view, const char* name) {
  const QHeaderView& header = *view.horizontalHeader();
  const QAbstractItemModel& model = *view.model();
  for (int c = 0; c < model.columnCount(); ++c) {
    const QString heading = model.headerData(c, Qt::Horizontal).toString();
    EXPECT_LE(header.sectionSizeHint(c), header.sectionSize(c))
        << name << ": \"" << heading.toStdString() << "\"";
    for (int r = 0; r < model.rowCount(); ++r) {
      const QModelIndex index = model.index(r, c);
      EXPECT_LE(view.sizeHintForIndex(index).width(), header.sectionSize(c))
          << name << ": \"" << index.data().toString().toStdString() << "\" under \""
          << heading.toStdString() << "\"";
    }
  }
}

// The review's source: a picture as large as the table draws it; no answers.
class Source : public ReviewSource {
 public:
  void Review(std::int64_t, QObject*, std::function<void(int, int)>,
              std::function<void(const ReviewOutcome&)> done) override {
    done_ = std::move(done);
  }
  void Cancel() override {}
  QImage Picture(const history::GameRecord&, std::size_t, qreal) override {
    QImage image(PanelLeft(kRegularCards), TableNeeds(kRegularCards).height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
  }
  std::function<void(const ReviewOutcome&)> done_;
};

history::GameRecord JudgedGame() {
  history::GameRecord g;
  g.id = 1;
  g.deal = 4294967295u;
  g.kind = GameKind::kThrowDown;
  g.finished = true;
  g.total = 188;
  g.placements.push_back({1, 13, 24, true, {}});
  for (int turn = 2; turn <= 25; ++turn)
    g.placements.push_back({turn, 40 + turn % 13, turn - 1, false,
                            history::PlacementReview{24 - turn + 1, 100.25, 188.75}});
  return g;
}

TEST(Translations, ChartWindowsShowEveryHeadingAndFigureWhole) {
  for (const QString& code : QStringList{QString()} + ShippedLanguages()) {
    SCOPED_TRACE(code.isEmpty() ? "English" : code.toStdString());
    const std::unique_ptr<QTranslator> translator = ProgramTranslator(code);
    if (!code.isEmpty()) {
      ASSERT_TRUE(translator);
      QCoreApplication::installTranslator(translator.get());
    }
    QLocale::setDefault(QLocale(code.isEmpty() ? QStringLiteral("en_US") : code));

    testing::FakeHistory history;
    history::Statistics& s = history.answer.statistics;
    for (history::KindFigures* f : {&s.all, &s.regular, &s.throwDown}) {
      f->played = f->finished = f->withHints = 123456;
      f->won = f->longestRun = f->currentRun = 98765;
      f->mean = f->median = 188.75;
      f->best = f->worst = 188;
      f->hands.fill(1234567);
    }
    history::RecentGame game;
    game.endedAt = QDateTime(QDate(2026, 12, 28), QTime(23, 59));
    game.deal = 4294967295u;
    game.demo = game.finished = true;
    game.total = 188;
    s.recent.assign(3, game);
    s.recent[1].kind = GameKind::kThrowDown;
    s.recent[2].finished = false;
    testing::FakeDesktop desktop;
    StatisticsWindow statistics(history, desktop, {}, {}, nullptr);
    statistics.show();
    QCoreApplication::sendPostedEvents();
    ExpectWholeColumns(*statistics.findChild<QTableView*>("figures"), "figures");
    ExpectWholeColumns(*statistics.findChild<QTableView*>("recentGames"), "recent games");

    Source source;
    ReviewWindow review(source, nullptr);
    review.Review(1);
    source.done_({JudgedGame(), QString(), false, false});
    QTest::qWait(50);  // the list lays out its columns, and the picture makes room
    const auto& list = *review.findChild<QTableView*>("placements");
    ExpectWholeColumns(list, "review");
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0) << "the review's list scrolls sideways";

    if (translator) QCoreApplication::removeTranslator(translator.get());
  }
  QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace marnelok
