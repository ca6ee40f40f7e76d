// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a small history with known answers, the same figures after a game is
// deleted by hand, the games against par and the daily part, the CSV export (read back by a CSV
// reader) and the reset.
#include <QDir>
#include <QFile>
#include <utility>
#include <vector>

#include "history_fixture.h"

namespace marnelok::history {
namespace {

using testing::HistoryTest;

// Hands of every finished game of a kind: the lines' classes, rows first.
constexpr std::array<int, kLines> kRegularHands{0, 0, 1, 1, 1, 2, 3, 5, 6, 9};
constexpr std::array<int, kLines> kThrowDownHands{0, 0, 0, 0, 1, 1, 2, 2, 4, 8};

// The records of a CSV text (RFC 4180: fields split by commas, records by CRLF, a quoted field
// may hold commas, line breaks and doubled quotes).
std::vector<QStringList> ParseCsv(const QString& text) {
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c != '"')
        field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        field += text[++i];
      else
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      record << std::exchange(field, {});
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      record << std::exchange(field, {});
      records.push_back(std::exchange(record, {}));
      ++i;
    } else {
      field += c;
    }
  }
  EXPECT_FALSE(quoted) << "a quoted field left open";
  EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "the last record has no line end";
  return records;
}

class Figures : public HistoryTest {
 protected:
  // Regular (R) and throw-down (T) games; W marks a win, and game 5 is left unfinished.
  //   1 R 160 W   2 R 150 W (2 hints)   3 R 170 W   4 T 40   5 R left   6 R 155 W
  //   7 T 90 (1 hint)   8 R 149   9 T 151 W   10 a demo, R 300, which counts nowhere
  void KeepKnownGames(HistoryWorker& worker) {
    const auto r = [](int total, int hints = 0) {
      return KnownGame(true, total, true, kRegularHands, hints);
    };
    const auto t = [](int total, int hints = 0) {
      return KnownGame(false, total, true, kThrowDownHands, hints);
    };
    GameRecord left = KnownGame(true, 0, false);
    left.hands[0] = 1;  // a complete line of a game left early counts in no figure
    GameRecord demo = KnownGame(true, 300, true, kRegularHands, 0, true);
    for (GameRecord g :
         {r(160), r(150, 2), r(170), t(40), left, r(155), t(90, 1), r(149), t(151), demo})
      worker.Keep(g);
  }
};

TEST_F(Figures, KnownAnswers) {
  auto worker = MakeWorker();
  KeepKnownGames(*worker);
  const StatisticsResult result = worker->Read(4);
  ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
  const Statistics& s = result.statistics;

  const KindFigures& r = s.regular;
  EXPECT_EQ(r.played, 6);
  EXPECT_EQ(r.finished, 5);
  EXPECT_EQ(r.won, 4);
  EXPECT_DOUBLE_EQ(r.ShareWon(), 0.8);
  EXPECT_EQ(r.withHints, 1);
  EXPECT_DOUBLE_EQ(r.mean, 156.8);
  EXPECT_DOUBLE_EQ(r.median, 155);
  EXPECT_EQ(r.best, 170);
  EXPECT_EQ(r.worst, 149);
  EXPECT_EQ(r.currentRun, 0);
  EXPECT_EQ(r.longestRun, 3);
  EXPECT_EQ(r.hands, (std::array<std::int64_t, kHandClasses>{10, 15, 5, 5, 0, 5, 5, 0, 0, 5}));
  EXPECT_DOUBLE_EQ(r.ShareOfLines(1), 0.3);

  const KindFigures& t = s.throwDown;
  EXPECT_EQ(t.played, 3);
  EXPECT_EQ(t.won, 1);
  EXPECT_DOUBLE_EQ(t.mean, 281.0 / 3);
  EXPECT_DOUBLE_EQ(t.median, 90);
  EXPECT_EQ(t.currentRun, 1);
  EXPECT_EQ(t.longestRun, 1);

  const KindFigures& a = s.all;
  EXPECT_EQ(a.played, 9);
  EXPECT_EQ(a.finished, 8);
  EXPECT_EQ(a.won, 5);
  EXPECT_EQ(a.withHints, 2);
  EXPECT_DOUBLE_EQ(a.mean, 133.125);
  EXPECT_DOUBLE_EQ(a.median, 150.5);  // an even count: the two middle totals' mean
  EXPECT_EQ(a.best, 170);
  EXPECT_EQ(a.worst, 40);
  EXPECT_EQ(a.currentRun, 1);
  EXPECT_EQ(a.longestRun, 3);
  EXPECT_EQ(a.hands[0], 22);
  EXPECT_DOUBLE_EQ(a.ShareOfLines(0), 22.0 / 80);

  const std::vector<std::int64_t> histogram{0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 3, 1, 1};
  EXPECT_EQ(s.histogram, histogram);
  // One point per game from the first finished one to the last; the left game repeats the
  // mean before it.
  ASSERT_EQ(s.means.size(), 9u);
  EXPECT_EQ(s.means.front().game, 1);
  EXPECT_DOUBLE_EQ(s.means[4].mean, 130);  // game 5: games 1 to 4
  EXPECT_DOUBLE_EQ(s.means.back().mean, 133.125);
  ASSERT_EQ(s.recent.size(), 4u);  // newest first, the demo among them
  EXPECT_EQ(s.recent[0].id, 10);
  EXPECT_TRUE(s.recent[0].demo);
  EXPECT_EQ(s.recent[1].deal, 1151u);
  EXPECT_EQ(s.recent[1].endedAt, QDateTime(QDate(2026, 3, 1), QTime(12, 5), Qt::UTC));
  EXPECT_EQ(s.recent[1].kind, GameKind::kThrowDown);
  EXPECT_TRUE(s.recent[1].won);

  // The chart's mean is of the last 20 finished games only.
  for (int k = 0; k < 25; ++k) worker->Keep(KnownGame(false, 0, true, kThrowDownHands));
  EXPECT_DOUBLE_EQ(worker->Read(1).statistics.means.back().mean, 0);

  // A game deleted with another tool: the figures are counted afresh from what is left.
  worker->Close();
  Rows("DELETE FROM games WHERE id > 9");
  Rows("DELETE FROM games WHERE id = 3");
  const Statistics again = worker->Read(1).statistics;
  EXPECT_EQ(again.all.played, 8);
  EXPECT_EQ(again.regular.longestRun, 2);
  EXPECT_EQ(again.regular.best, 160);
  EXPECT_EQ(again.regular.hands[1], 12);
  EXPECT_TRUE(told.isEmpty());
}

// Rows that only a hand edit can make: each is a copy of game 1 with one column changed.
QString EditedCopy(const QString& column, const QString& value) {
  QStringList columns{"started_at", "finished_at", "deal", "kind", "total", "won",  "finished",
                      "hints",      "demo",        "row1", "row2", "row3",  "row4", "row5",
                      "col1",       "col2",        "col3", "col4", "col5",  "par",  "daily"};
  QStringList values = columns;
  values[columns.indexOf(column)] = value;
  return QStringLiteral("INSERT INTO games(%1) SELECT %2 FROM games WHERE id = 1")
      .arg(columns.join(", "), values.join(", "));
}

TEST_F(Figures, RowsNoGameCanMakeCountNowhere) {
  auto worker = MakeWorker();
  KeepKnownGames(*worker);
  const Statistics known = worker->Read(4).statistics;
  worker->Close();
  Exec({"PRAGMA ignore_check_constraints = ON",  // as a tool that switched the checks off
        EditedCopy("total", "1000000"), EditedCopy("total", "1000000000000"),
        EditedCopy("total", "-5"), EditedCopy("total", "'lots'"), EditedCopy("row2", "12"),
        EditedCopy("row3", "NULL"), EditedCopy("finished", "0"), EditedCopy("kind", "'poker'"),
        EditedCopy("daily", "'someday'"), EditedCopy("par", "5000"), EditedCopy("hints", "-1"),
        // Game 1's cards: a review whose best cell is no number, one whose total is
        // infinite, a card that does not exist, and one sound review.
        "INSERT INTO placements VALUES (1, 1, 5, 0, 0, 'abc', 150, 160), "
        "(1, 2, 6, 1, 0, 3, 150, 9e999), (1, 3, 99, 2, 0, NULL, NULL, NULL), "
        "(1, 4, 7, 3, 0, 4, 150.5, 155)",
        // A summary edited by hand is no more believed than a game.
        "INSERT INTO summary_totals VALUES ('regular', 1000000, 1)"});

  // A new run checks the file: rows that break the table's checks do not move it aside.
  worker = MakeWorker();
  for (int pass = 0; pass < 2; ++pass) {
    const StatisticsResult result = worker->Read(4);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    const Statistics& s = result.statistics;
    EXPECT_EQ(s.ignoredRows, 14);
    EXPECT_EQ(s.all.played, known.all.played);
    EXPECT_EQ(s.all.finished, known.all.finished);
    EXPECT_EQ(s.all.best, 170);
    EXPECT_EQ(s.all.worst, 40);
    EXPECT_DOUBLE_EQ(s.all.mean, known.all.mean);
    EXPECT_EQ(s.regular.currentRun, known.regular.currentRun);
    EXPECT_EQ(s.all.hands, known.all.hands);
    EXPECT_EQ(s.histogram, known.histogram);
    EXPECT_EQ(s.means.size(), known.means.size());
    EXPECT_EQ(s.par.compared, 0);
    EXPECT_EQ(s.daily.daysPlayed, 0);
    ASSERT_EQ(s.recent.size(), 4u);
    EXPECT_EQ(s.recent[0].id, pass == 0 ? 10 : 9);  // the newest sound game
    // The same after the summaries are counted afresh: the demo game deleted by hand.
    worker->Close();
    Rows("DELETE FROM games WHERE id = 10");
  }
  EXPECT_EQ(worker->ReadGame(11).game.id, 0);  // an edited game is not reviewed
  const GameReading first = worker->ReadGame(1);
  ASSERT_EQ(first.game.placements.size(), 4u);
  for (int k : {0, 1, 2}) EXPECT_EQ(first.game.placements[k].review, std::nullopt) << k;
  EXPECT_EQ(first.game.placements[3].review, (PlacementReview{4, 150.5, 155}));
  EXPECT_TRUE(QDir(dir.filePath("Marnelok")).entryList({"*.broken-*"}).isEmpty());
  EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();
}

// Daily games on five dates with a gap (03-03 has only a demo, 03-04 only a left game), a
// replay that does not count, and pars stored after the games, as the program stores them.
TEST_F(Figures, AgainstParAndTheDailyPart) {
  auto worker = MakeWorker();
  const auto daily = [](int day, int total, bool finished = true, bool demo = false) {
    GameRecord g = KnownGame(true, total, finished, kRegularHands, 0, demo);
    g.daily = QDate(2026, 3, day);
    g.deal = 500 + static_cast<std::uint32_t>(day);
    return g;
  };
  GameRecord withPar = KnownGame(false, 190, true, kThrowDownHands);
  withPar.par = 150;  // a par known when the game is kept
  for (const GameRecord& g :
       {daily(1, 140), daily(2, 160), daily(2, 190), daily(3, 300, true, true), daily(4, 0, false),
        daily(5, 120), daily(6, 155), withPar})
    worker->Keep(g);
  EXPECT_EQ(worker->DealsWithoutPar(3),
            (std::vector<DealOfKind>{
                {506, GameKind::kRegular}, {505, GameKind::kRegular}, {504, GameKind::kRegular}}));
  for (std::uint32_t deal : {501u, 502u, 506u}) worker->StorePar({deal, GameKind::kRegular}, 150);
  worker->StorePar({502, GameKind::kThrowDown},
                   10);  // another kind of the same deal: no game of it
  const Statistics s = worker->Read(10, QDate(2026, 3, 6)).statistics;
  EXPECT_EQ(s.all.played, 7);  // storing par left the summaries standing

  EXPECT_EQ(s.par.compared, 5);  // 140, 160, 190, 155 and 190: the 120 and the demo have none
  EXPECT_EQ(s.par.atOrAbove, 4);
  EXPECT_DOUBLE_EQ(s.par.meanAgainst, (-10 + 10 + 40 + 5 + 40) / 5.0);
  EXPECT_EQ(s.par.bestAgainst, 40);
  EXPECT_EQ(s.recent[1].par, 150);
  EXPECT_TRUE(s.recent[1].daily);
  EXPECT_EQ(s.recent[2].par, std::nullopt);
  EXPECT_FALSE(s.recent[0].daily);

  const DailyFigures& d = s.daily;
  EXPECT_EQ(d.daysPlayed, 5);
  EXPECT_EQ(d.longestRun, 2);  // 03-01 and 03-02, then 03-05 and 03-06
  EXPECT_EQ(d.currentRun, 2);
  EXPECT_EQ(d.bestTotal, 160);  // the replay's 190 came after the day's first result
  ASSERT_TRUE(d.today);
  EXPECT_EQ(d.today->total, 155);
  EXPECT_EQ(d.today->par, 150);
  // Today not yet played leaves yesterday's run standing; a missed day ends it.
  EXPECT_EQ(worker->Read(1, QDate(2026, 3, 7)).statistics.daily.currentRun, 2);
  const DailyFigures later = worker->Read(1, QDate(2026, 3, 8)).statistics.daily;
  EXPECT_EQ(later.currentRun, 0);
  EXPECT_EQ(later.today, std::nullopt);
  const GameReading read = worker->ReadGame(2);
  EXPECT_EQ(read.game.daily, QDate(2026, 3, 2));
  EXPECT_EQ(read.game.par, 150);
  EXPECT_TRUE(told.isEmpty());
}

TEST_F(Figures, ExportThenReset) {
  auto worker = MakeWorker();
  KeepKnownGames(*worker);
  GameRecord named = KnownGame(true, 152, true, kRegularHands);
  named.player = QStringLiteral("Ann, \"the\" player");
  named.par = 5;  // a number, never a hand's name
  named.daily = QDate(2026, 3, 1);
  worker->Keep(named);

  const QString csv = dir.filePath("games.csv");
  EXPECT_EQ(worker->Export(csv), std::nullopt);
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
  ASSERT_EQ(lines.size(), 13);  // a header, eleven games, and the end of the last line
  EXPECT_EQ(lines[0],
            "id,started_at,finished_at,deal,kind,total,won,finished,hints,demo,player,row1,row2,"
            "row3,row4,row5,col1,col2,col3,col4,col5,par,daily");
  EXPECT_EQ(lines[1],
            "1,2026-03-01T12:00:00Z,2026-03-01T12:05:00Z,1160,regular,160,1,1,0,0,,None,None,"
            "One Pair (2),One Pair (2),One Pair (2),Two Pair (5),Three of a kind (10),"
            "Flush (20),Full House (25),Royal Flush (100),,");
  EXPECT_EQ(lines[5],
            "5,2026-03-01T12:00:00Z,2026-03-01T12:05:00Z,1000,regular,0,0,0,0,0,,"
            "One Pair (2),,,,,,,,,,,");
  EXPECT_TRUE(lines[11].startsWith("11,")) << lines[11].toStdString();
  EXPECT_TRUE(lines[11].contains(",\"Ann, \"\"the\"\" player\",")) << lines[11].toStdString();
  EXPECT_TRUE(lines[11].endsWith(",Royal Flush (100),5,2026-03-01")) << lines[11].toStdString();
  EXPECT_EQ(lines[12], "");

  // Names a spreadsheet would run as formulas are kept as text, every other name as typed.
  file.close();
  const QStringList names{"=HYPERLINK(\"http://x\",\"y\")",
                          "+cmd|' /C calc'!A0",
                          "-2+3",
                          "@SUM(A1)",
                          "\tTab",
                          "\rReturn",
                          "Line\nbreak, \"quoted\"",
                          "O'Neil -=+@"};
  for (const QString& name : names) {
    named.player = name;
    worker->Keep(named);
  }
  EXPECT_EQ(worker->Export(csv), std::nullopt);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::vector<QStringList> records = ParseCsv(QString::fromUtf8(file.readAll()));
  file.close();
  ASSERT_EQ(records.size(), 20u);
  for (const QStringList& record : records) ASSERT_EQ(record.size(), 23);
  EXPECT_EQ(records[11][10], "Ann, \"the\" player");
  for (int k = 0; k < 6; ++k) EXPECT_EQ(records[12 + k][10], '\'' + names[k]);
  EXPECT_EQ(records[18][10], names[6]);
  EXPECT_EQ(records[19][10], names[7]);
  EXPECT_EQ(records[19][4], "regular");
  EXPECT_EQ(records[19][20], "Royal Flush (100)");
  EXPECT_EQ(records[19][21], "5");
  EXPECT_EQ(records[19][22], "2026-03-01");

  // A folder that does not exist leaves no file and says why.
  EXPECT_NE(worker->Export(dir.filePath("missing/games.csv")), std::nullopt);

  EXPECT_EQ(worker->Erase(), std::nullopt);
  const Statistics s = worker->Read(10).statistics;
  EXPECT_EQ(s.all.played, 0);
  EXPECT_TRUE(s.recent.empty());
  EXPECT_TRUE(s.histogram.empty());
  EXPECT_TRUE(s.means.empty());
  EXPECT_EQ(Rows("SELECT count(*) FROM placements"), QStringList{"0"});
  worker->Keep(KnownGame(true, 10));  // and the history goes on
  EXPECT_EQ(worker->Read(10).statistics.all.played, 1);
}

}  // namespace
}  // namespace marnelok::history
