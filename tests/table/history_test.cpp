// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the history: deals by number from the menu, the daily deal, the deck's tooltip
// with par, every game kept when it ends or is left, and the faults and commands that tell the
// player something.
#include <QHelpEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolTip>
#include <atomic>
#include <chrono>
#include <limits>
#include <thread>

#include "daily_deal.h"
#include "history_service.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

TEST_F(WindowTest, DealsByNumberAndEveryGameKept) {
  Start();
  EXPECT_EQ(history.prepared, 0);  // nothing of the history at the start
  EXPECT_FALSE(Action("MenuGameReplayItem")->isEnabled());

  // Select Deal: Cancel deals nothing, a mistake is told, a number is dealt in the kind set.
  Trigger("MenuGameSelectDealItem");
  EXPECT_FALSE(State().gameActive);
  desktop.answerText = [](const QString&) { return QStringLiteral("12x"); };
  Trigger("MenuGameSelectDealItem");
  EXPECT_EQ(desktop.messages, QStringList{"Select Deal|\"12x\" is not a deal number. Enter a whole "
                                          "number from 0 to 4294967295."});
  // A long answer is shortened in the message.
  desktop.answerText = [](const QString&) { return QString(500, u'9') + "\nx"; };
  Trigger("MenuGameSelectDealItem");
  EXPECT_EQ(desktop.messages.last(), "Select Deal|\"" + QString(23, u'9') +
                                         "\u2026\" is not a deal number. Enter a whole number "
                                         "from 0 to 4294967295.");
  EXPECT_FALSE(State().gameActive);
  desktop.answerText = [](const QString&) { return QStringLiteral(" 0 "); };
  Trigger("MenuGameSelectDealItem");
  EXPECT_EQ(desktop.prompts.last(), "Select Deal|Deal number (0 to 4294967295):||");
  ASSERT_TRUE(State().gameActive);
  EXPECT_EQ(State().deck[1], 31);  // deal 0
  EXPECT_EQ(history.prepared, 0);  // opened with the first card placed, not with the deal
  EXPECT_TRUE(Action("MenuGameReplayItem")->isEnabled());

  // The deck tells the deal's number.
  QHelpEvent help(QEvent::ToolTip, QPoint(40, 40), Box().mapToGlobal(QPoint(40, 40)));
  QApplication::sendEvent(&Box(), &help);
  EXPECT_EQ(QToolTip::text(), "Deal 0");

  // A game left by Replay This Deal, with its two placements and its hint.
  PlaceAt(2, 1);
  EXPECT_EQ(history.prepared, 1);
  Trigger("MenuGameHintItem");
  PlaceAt(3, 1);
  Trigger("MenuGameReplayItem");
  ASSERT_EQ(history.kept.size(), 1u);
  const history::GameRecord& left = history.kept[0];
  EXPECT_FALSE(left.finished);
  EXPECT_EQ(left.deal, 0u);
  EXPECT_EQ(left.hints, 1);
  EXPECT_TRUE(left.player.isNull());
  EXPECT_EQ(left.placements.size(), 2u);
  EXPECT_EQ(State().deck[1], 31);
  EXPECT_EQ(State().cardsPlaced, 0);

  // A finished game, with the name entered for the Top 5 list.
  desktop.answerText = [](const QString&) { return QStringLiteral("Ann"); };
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) PlaceAt(c, r);
  ASSERT_FALSE(State().gameActive);
  ASSERT_EQ(history.kept.size(), 2u);
  EXPECT_TRUE(history.kept[1].finished);
  EXPECT_EQ(history.kept[1].player, "Ann");
  EXPECT_EQ(history.kept[1].hints, 0);
  EXPECT_EQ(history.kept[1].total, State().totalScore);

  // The advisor plays the deal off the window's thread; its par goes to both games of the deal
  // and to the deck's tooltip.
  ASSERT_TRUE(QTest::qWaitFor([&] { return history.kept[1].par.has_value(); }, 60000));
  EXPECT_EQ(history.kept[0].par, history.kept[1].par);
  QApplication::sendEvent(&Box(), &help);
  EXPECT_EQ(QToolTip::text(), QString("Deal 0: the advisor scored %1").arg(*history.kept[1].par));

  // A new deal right after the end keeps nothing more; a change of kind leaves the game; and
  // the window's close leaves the last one.
  Trigger("MenuGameNewItem");
  PlaceAt(2, 2);
  Trigger("MenuOptionsHarderGameItem");
  ASSERT_EQ(history.kept.size(), 3u);
  EXPECT_EQ(history.kept[2].kind, GameKind::kRegular);
  const std::uint32_t thrown = State().dealNumber;
  form->DealNumber(thrown);  // nothing placed yet: nothing to keep
  EXPECT_EQ(history.kept.size(), 3u);
  EXPECT_EQ(State().kind, GameKind::kThrowDown);
  PlaceAt(State().board[2][2] == kEmptySlotCode ? 2 : 3, 2);
  // The daily deal is today's, a regular game, kept with its date.
  Trigger("MenuGameDailyItem");
  EXPECT_EQ(State().kind, GameKind::kRegular);
  EXPECT_TRUE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_EQ(State().dealNumber, DailyDealNumber(2023, 3, 15));  // day 45000 of the desktop
  PlaceAt(2, 2);
  form->close();
  EXPECT_EQ(history.finished, 1);  // the last write, once every game was handed over
  ASSERT_EQ(history.kept.size(), 5u);
  EXPECT_EQ(history.kept[3].kind, GameKind::kThrowDown);
  EXPECT_EQ(history.kept[3].deal, thrown);
  EXPECT_GT(history.kept[3].placements.size(), 1u);  // the thrown cards with the placed one
  EXPECT_FALSE(history.kept[3].daily.isValid());
  EXPECT_EQ(history.kept[4].daily, QDate(2023, 3, 15));

  // A fault of the history is told over the window; a missing statistics module too.
  desktop.messages.clear();
  history.tell("the disk is full");
  Trigger("MenuGameStatisticsItem");
  ASSERT_EQ(desktop.messages.size(), 2);
  EXPECT_EQ(desktop.messages[0], "Marnelok|the disk is full");
  EXPECT_TRUE(desktop.messages[1].startsWith("Marnelok|The Statistics window cannot be opened: "))
      << desktop.messages[1].toStdString();
}

// Another program's connection that holds the history's write lock from the start until it
// is told to let go, on a thread of its own.
class LockHolder {
 public:
  explicit LockHolder(const QString& path) : thread_([this, path] { Hold(path); }) {
    while (!held_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ~LockHolder() { ReleaseAfter(std::chrono::milliseconds(0)); }
  void ReleaseAfter(std::chrono::milliseconds wait) {
    release_ = (std::chrono::steady_clock::now() + wait).time_since_epoch().count();
  }

 private:
  void Hold(const QString& path) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock-holder");
      db.setDatabaseName(path);
      db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");  // after the history's own set-up
      EXPECT_TRUE(db.open());
      QSqlQuery q(db);
      EXPECT_TRUE(q.exec("BEGIN IMMEDIATE"));
      held_ = true;
      while (std::chrono::steady_clock::now().time_since_epoch().count() < release_)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      q.exec("COMMIT");
    }
    QSqlDatabase::removeDatabase("lock-holder");
  }

  std::atomic<bool> held_{false};
  std::atomic<std::chrono::steady_clock::rep> release_{
      std::chrono::steady_clock::rep(std::numeric_limits<std::chrono::steady_clock::rep>::max())};
  std::jthread thread_;
};

// While another program holds the lock, a finished game waits in memory. The window's close
// (not Quit) makes one last write within the busy timeout: a lock let go meanwhile lets the game
// in; a lock kept is told, and nothing is written after it.
TEST_F(WindowTest, TheCloseMakesOneLastWriteAndTellsALoss) {
  for (const bool letGo : {true, false}) {
    SCOPED_TRACE(letGo ? "the lock let go" : "the lock kept");
    const QString path = dir.filePath(letGo ? "let go/history.sqlite" : "kept/history.sqlite");
    desktop.messages.clear();
    {
      history::HistoryService service(path);
      form = std::make_unique<TMarnelokForm>(desktop, *store, *donate, service);
      form->show();
      form->DealNumber(7);
      PlaceAt(2, 1);  // the history's file is made, set up and closed again
      // Its tables reach the file itself only when the history closes it; a lock taken on the
      // empty file before that would find it in the old journal mode.
      ASSERT_TRUE(QTest::qWaitFor(
          [&] { return QFileInfo(path).size() > 0 && !QFileInfo::exists(path + "-wal"); }, 10000));
      LockHolder lock(path);
      for (int r = 1; r <= 5; ++r)
        for (int c = 2; c <= 6; ++c)
          if (r > 1 || c > 2) PlaceAt(c, r);
      ASSERT_FALSE(State().gameActive);
      // The write waited out the busy timeout and failed; the game waits in memory.
      ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.messages.isEmpty(); }, 20000));
      EXPECT_TRUE(desktop.messages[0].contains("are kept")) << desktop.messages[0].toStdString();
      if (letGo) lock.ReleaseAfter(std::chrono::milliseconds(1500));
      form->close();
      EXPECT_EQ(desktop.messages.size(), letGo ? 1 : 2)
          << desktop.messages.join('\n').toStdString();
      if (!letGo) {
        EXPECT_TRUE(
            desktop.messages.last().startsWith("Marnelok|The history of games could not be "
                                               "written"))
            << desktop.messages.last().toStdString();
      }
      form.reset();
    }
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q("SELECT count(*) FROM games WHERE finished = 1", db);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), letGo ? 1 : 0);
    q = QSqlQuery();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("reader");
  }
}

}  // namespace
}  // namespace marnelok::testing
