// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window over a history that answers at once: the figures in the locale, the
// winning bars drawn in their own colour, the sorted list and its commands, and the module
// that the program loads.
#include "statistics_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <cmath>
#ifndef MARNELOK_PLAIN_CHARTS
#include <QtCharts/QValueAxis>
#endif

#include "fake_desktop.h"
#include "fake_history.h"
#include "fake_review_source.h"
#include "figures_table.h"
#include "statistics_loader.h"

namespace marnelok {
namespace {

history::RecentGame Recent(std::int64_t id, std::uint32_t deal, bool regular, int total) {
  history::RecentGame g;
  g.id = id;
  g.endedAt = QDateTime(QDate(2026, 3, id), QTime(12, 0), Qt::UTC);
  g.deal = deal;
  g.kind = regular ? GameKind::kRegular : GameKind::kThrowDown;
  g.total = total;
  g.finished = true;
  g.won = total >= 150;
  return g;
}

// Pixels of `colour` that the view shows inside its chart's plot area (not in the legend).
int CountInPlot(ChartView& view, QColor colour) {
  const QImage image = view.grab().toImage();
#ifdef MARNELOK_PLAIN_CHARTS
  const QRect plot = view.PlotArea();
#else
  const QRect plot = view.mapFromScene(view.chart()->plotArea()).boundingRect();
#endif
  int n = 0;
  for (int y = plot.top(); y <= plot.bottom(); ++y)
    for (int x = plot.left(); x <= plot.right(); ++x) n += image.pixelColor(x, y) == colour;
  return n;
}

class StatisticsWindowTest : public ::testing::Test {
 protected:
  StatisticsWindowTest() {
    history.exportError = "disk full";
    history::Statistics& s = history.answer.statistics;
    s.all.played = 12345;
    s.all.finished = 12000;
    s.all.won = 3000;
    s.all.mean = 133.125;
    s.all.hands[9] = 3;
    s.regular.played = 12345;
    s.histogram = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 9, 4, 2, 1};  // one game of 150 to 159
    s.means = {{1, 120}, {40, 151.5}};
    s.recent = {Recent(3, 4000000000u, false, 151), Recent(2, 7, true, 90),
                Recent(1, 12, true, 130)};
    s.recent[1].finished = false;  // left early: nothing to review
    s.recent[0].par = 160;
    s.recent[2].daily = true;
    s.par = {4, 3, 2.5, 12};
    s.daily = {5, 2, 3, 160, history::DailyDay{QDate(2026, 3, 6), 155, 150}};
  }
  QTableView& List() { return *window.findChild<QTableView*>("recentGames"); }
  QPushButton& Button(const char* name) { return *window.findChild<QPushButton*>(name); }

  testing::FakeHistory history;
  testing::FakeDesktop desktop;
  std::vector<std::pair<std::uint32_t, GameKind>> played;
  std::vector<std::int64_t> reviewed;
  StatisticsWindow window{
      history, desktop,
      [this](std::uint32_t deal, GameKind kind) { played.emplace_back(deal, kind); },
      [this](std::int64_t id) { reviewed.push_back(id); }, nullptr};
};

TEST_F(StatisticsWindowTest, FiguresChartsAndTheListsCommands) {
  window.show();
  EXPECT_GE(history.reads, 1);
  const auto& figures = *window.findChild<FiguresTable*>("figures");
  EXPECT_EQ(figures.Cell(0, 0), "12.345");     // games played, German digit grouping
  EXPECT_EQ(figures.Cell(3, 0), "25,0%");      // share won
  EXPECT_EQ(figures.Cell(4, 0), "133,1");      // mean total
  EXPECT_EQ(figures.Cell(4, 2), "-");          // no finished throw-down game: no mean
  EXPECT_EQ(figures.Cell(11, 0), "3 (0,0%)");  // Royal Flush, the first hand row
  // The bar of 150 to 159 is a win and is drawn in the winning colour.
  auto& histogram = *window.findChild<ChartView*>("histogram");
  EXPECT_GT(CountInPlot(histogram, QColor(0, 150, 60)), 20);
  history.answer.statistics.histogram.resize(15);  // no total of 150 or more
  window.Reload();
  EXPECT_EQ(CountInPlot(histogram, QColor(0, 150, 60)), 0);
  // Each chart is named and summed up in a line.
  EXPECT_EQ(histogram.accessibleName(), "Totals of finished games");
  EXPECT_EQ(histogram.accessibleDescription(), "20 games, most between 120 and 130");
  EXPECT_EQ(window.findChild<ChartView*>("means")->accessibleDescription(),
            "2 points, the latest 151,5");  // German decimals

#ifndef MARNELOK_PLAIN_CHARTS
  // The game axis of the means counts whole games, a few labels however many games there are.
  for (const int games : {2, 3, 40, 12345}) {
    history.answer.statistics.means = {{1, 120}, {games, 151.5}};
    window.Reload();
    const auto* axis = qobject_cast<QValueAxis*>(
        window.findChild<QChartView*>("means")->chart()->axes(Qt::Horizontal).front());
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
    EXPECT_EQ(axis->tickInterval(), std::round(axis->tickInterval())) << games;
    EXPECT_EQ(axis->tickAnchor(), std::round(axis->tickAnchor())) << games;
    EXPECT_GE(axis->tickInterval(), 1);
    EXPECT_LE((games - 1) / axis->tickInterval(), 8) << games;
  }
#endif

  // Newest first; sorted by total, lowest first, on a click on its header.
  QTableView& list = List();
  EXPECT_EQ(list.model()->index(0, 1).data().toString(), "4000000000");
  EXPECT_EQ(list.model()->index(0, 2).data().toString(), "Throw-down");
  EXPECT_EQ(list.model()->index(0, 4).data().toString(), "160");  // par
  EXPECT_EQ(list.model()->index(1, 4).data().toString(), "");     // not yet worked out
  EXPECT_EQ(list.model()->index(2, 2).data().toString(), "Regular (daily)");
  const QString signedFigures = window.findChild<QLabel*>("againstPar")->text() + '\n' +
                                window.findChild<QLabel*>("daily")->text();
  for (const char* line : {"Games at or above par: 3 of 4", "Mean of total minus par: +2,5",
                           "Best game against par: +12", "Current run of days: 2",
                           "Best daily total: 160", "Today: 155, par 150 (+5)"})
    EXPECT_TRUE(signedFigures.contains(line)) << line << "\n" << signedFigures.toStdString();
  // Rows that no game can make are counted where the player sees them, and only then.
  const QLabel& ignored = *window.findChild<QLabel*>("ignored");
  EXPECT_FALSE(ignored.isVisible());
  history.answer.statistics.ignoredRows = 1234;
  window.Reload();
  EXPECT_TRUE(ignored.isVisible());
  EXPECT_TRUE(ignored.text().startsWith("Ignored rows: 1.234. ")) << ignored.text().toStdString();
  history.answer.statistics.ignoredRows = 0;
  window.Reload();
  EXPECT_FALSE(ignored.isVisible());
  QHeaderView& header = *list.horizontalHeader();
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                    QPoint(header.sectionViewportPosition(3) + 5, header.height() / 2));
  EXPECT_EQ(list.model()->index(0, 3).data().toString(), "90");
  EXPECT_FALSE(Button("playDealAgain").isEnabled());
  EXPECT_FALSE(Button("review").isEnabled());
  list.selectRow(2);
  ASSERT_TRUE(Button("playDealAgain").isEnabled());
  Button("playDealAgain").click();
  EXPECT_EQ(played,
            (std::vector<std::pair<std::uint32_t, GameKind>>{{4000000000u, GameKind::kThrowDown}}));
  // Review asks for the selected game by its id; a game left early has none.
  ASSERT_TRUE(Button("review").isEnabled());
  Button("review").click();
  EXPECT_EQ(reviewed, std::vector<std::int64_t>{3});
  // The history read again, as when the review closes: the same game stays chosen.
  window.Reload();
  Button("review").click();
  EXPECT_EQ(reviewed, (std::vector<std::int64_t>{3, 3}));
  list.selectRow(0);
  EXPECT_TRUE(Button("playDealAgain").isEnabled());
  EXPECT_FALSE(Button("review").isEnabled());

  // Export: Cancel does nothing; a failure is told.
  Button("export").click();
  EXPECT_TRUE(history.calls.isEmpty());
  desktop.saveFileAnswer = "/tmp/games.csv";
  Button("export").click();
  EXPECT_EQ(history.calls, QStringList{"export /tmp/games.csv"});
  EXPECT_EQ(desktop.messages, QStringList{"Marnelok|The history could not be exported: disk full"});

  // Reset asks first, and only a yes empties the history.
  desktop.confirmAnswer = false;
  Button("reset").click();
  EXPECT_EQ(desktop.confirms.size(), 1);
  EXPECT_EQ(history.calls.size(), 1);
  desktop.confirmAnswer = true;
  Button("reset").click();
  EXPECT_EQ(history.calls.last(), "erase");
  EXPECT_EQ(figures.Cell(0, 0), "0");
  EXPECT_EQ(list.model()->rowCount(), 0);
  EXPECT_FALSE(Button("playDealAgain").isEnabled());
}

// At an 18 pt system font every heading and value of the figures is shown in full.
TEST_F(StatisticsWindowTest, TheFiguresFitALargeSystemFont) {
  const QFont original = QApplication::font();
  QFont large = original;
  large.setPointSize(18);
  QApplication::setFont(large);
  StatisticsWindow big(history, desktop, {}, {}, nullptr);
  big.show();
  auto& figures = *big.findChild<FiguresTable*>("figures");
  const QFontMetrics metrics(figures.font());
  QStringList cut;
  for (int c = 0; c < figures.columnCount(); ++c) {
    if (figures.horizontalHeader()->sectionSize(c) < figures.horizontalHeader()->sectionSizeHint(c))
      cut << figures.horizontalHeaderItem(c)->text();
    for (int r = 0; r < figures.rowCount(); ++r)
      if (figures.visualItemRect(figures.item(r, c)).width() <
          metrics.horizontalAdvance(figures.Cell(r, c)) + 6)
        cut << figures.Cell(r, c);
  }
  QApplication::processEvents();
  const bool scrolls = figures.horizontalScrollBar()->isVisible();
  QApplication::setFont(original);
  EXPECT_EQ(cut, QStringList());
  EXPECT_FALSE(scrolls);
}

// By keyboard alone: the focus starts on the list, Tab leaves it, Escape closes the window.
TEST_F(StatisticsWindowTest, TabLeavesTheListsAndEscapeCloses) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTableView& list = List();
  EXPECT_EQ(QApplication::focusWidget(), &list);
  QTest::keyClick(&list, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), &list);
  auto* figures = window.findChild<FiguresTable*>("figures");
  figures->setFocus();
  QTest::keyClick(figures, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), figures);
  list.selectRow(0);
  QPushButton& play = Button("playDealAgain");
  play.setFocus();
  QTest::keyClick(&play, Qt::Key_Return);
  EXPECT_EQ(played.size(), 1u);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST(StatisticsModule, LoadsAndMakesTheWindow) {
  QString error;
  auto* factory = LoadStatisticsModule({MARNELOK_STATISTICS_MODULE_FILE}, &error);
  ASSERT_NE(factory, nullptr) << error.toStdString();
  testing::FakeHistory history;
  testing::FakeDesktop desktop;
  QWidget owner;
  QWidget* window = factory->CreateStatisticsWindow(history, desktop, {}, {}, &owner);
  EXPECT_EQ(window->windowTitle(), "Statistics");
  EXPECT_TRUE(window->isWindow());
  testing::FakeReviewSource source;
  ReviewView* review = factory->CreateReviewWindow(source, &owner);
  EXPECT_EQ(review->Widget()->windowTitle(), "Game Review");
  EXPECT_TRUE(review->Widget()->isWindow());

  EXPECT_EQ(LoadStatisticsModule({"/nonexistent/module.so"}, &error), nullptr);
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators("/nonexistent/module.so")))
      << error.toStdString();
  const QString module = QFileInfo(MARNELOK_STATISTICS_MODULE_FILE).fileName();
#ifdef Q_OS_WIN
  // Installed beside the program, and looked for nowhere else.
  EXPECT_EQ(StatisticsModuleCandidates("C:/Program Files/Marnelok"),
            QStringList{"C:/Program Files/Marnelok/" + module});
#else
  EXPECT_EQ(StatisticsModuleCandidates("/usr/games"),
            QStringList({"/usr/games/" + module, "/usr/lib/games/marnelok/" + module}));
#endif
}

}  // namespace
}  // namespace marnelok
