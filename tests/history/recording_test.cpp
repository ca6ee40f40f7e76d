// SPDX-License-Identifier: GPL-3.0-or-later
// Games played by the rules and kept in the history: every card in the order it reached the
// grid, thrown or placed, without the ones taken back; the hands; finished and left games; the
// file closed between games.

#include <QDir>
#include <QFile>

#include "board.h"
#include "game.h"
#include "history_file.h"
#include "history_fixture.h"
#include "position.h"

namespace marnelok::history {
namespace {

using testing::HistoryTest;

class Recording : public HistoryTest {
 protected:
  void PlaceAt(int column, int row) { game.PlaceCard(column, row); }
  const GameState& s() const { return game.state(); }
  GameRecord Ended(int hints, const QString& player) {
    GameRecord record = RecordOfGame(s());
    record.startedAt = QDateTime(QDate(2026, 12, 7), QTime(19, 30, 5), Qt::UTC);
    record.endedAt = record.startedAt.addSecs(95);
    record.hints = hints;
    record.player = player;
    return record;
  }

  NullTableRequests requests;
  RandomSource random;
  Game game{requests, random};
};

TEST_F(Recording, FinishedAndLeftGamesWithTheirCardsAndHands) {
  // Deal 0 of the throw-down game: five cards thrown, then 30 is the first card to place.
  game.SetKind(GameKind::kThrowDown);
  game.NewGame(0);
  EXPECT_FALSE(GameWorthKeeping(s()));  // nothing placed by the player yet
  PlaceAt(2, 2);                        // card 30, taken back and placed again below
  EXPECT_TRUE(GameWorthKeeping(s()));
  game.Undo();
  EXPECT_FALSE(GameWorthKeeping(s()));
  for (int r = 1; r <= 5; ++r)
    for (int c = 6; c >= 2; --c)
      if (s().gameActive && s().board[c][r] == kEmptySlotCode) PlaceAt(c, r);
  ASSERT_FALSE(s().gameActive);
  const GameState full = s();

  auto worker = MakeWorker();
  EXPECT_FALSE(worker->HasFinishedGame());
  EXPECT_EQ(worker->ReadGame(kNewestFinished).game.id, 0);
  const GameRecord kept = Ended(3, QStringLiteral("Ann, \"the\" player"));
  worker->Keep(kept);
  // Between games the file rests closed, its write-ahead log gone with the last connection;
  // the next game opens it again.
  worker->Rest();
  EXPECT_FALSE(QFile::exists(path + "-wal"));

  // A regular game left after three placements in row 1: no line is complete.
  game.SetKind(GameKind::kRegular);
  game.NewGame(7);
  for (int c : {2, 3, 4}) PlaceAt(c, 1);
  const std::vector<int> leftCards{s().deck[1], s().deck[2], s().deck[3]};
  worker->Keep(Ended(0, QString()));
  worker->Close();
  EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();

  const QStringList games = Rows(
      "SELECT id, started_at, finished_at, deal, kind, total, won, finished, hints, demo, "
      "player, row1, row2, row3, row4, row5, col1, col2, col3, col4, col5 FROM games");
  ASSERT_EQ(games.size(), 2);
  QStringList hands;
  for (int r = 1; r <= 5; ++r) hands << QString::number(full.lineResults[r].row);
  for (int c = 2; c <= 6; ++c) hands << QString::number(full.lineResults[c].column);
  const int total = full.totalScore;
  EXPECT_EQ(games[0], QStringLiteral("1|2026-12-07T19:30:05Z|2026-12-07T19:31:40Z|0|throw-down|%1|"
                                     "%2|1|3|0|Ann, \"the\" player|%3")
                          .arg(total)
                          .arg(total >= 150 ? 1 : 0)
                          .arg(hands.join('|')));
  EXPECT_EQ(games[1], QStringLiteral("2|2026-12-07T19:30:05Z|2026-12-07T19:31:40Z|7|regular|0|0|0|"
                                     "0|0|-|-|-|-|-|-|-|-|-|-|-"));

  // The five thrown cards come first, then the placed ones in order; card 30, taken back
  // from (2, 2), is kept only where it finally went: (6, 1), the first empty cell.
  const QStringList finished = Rows(
      "SELECT turn, card, cell, thrown, best_cell FROM placements WHERE game_id = 1 "
      "ORDER BY turn");
  ASSERT_EQ(finished.size(), 25);
  const QStringList thrown{"1|31|1|1|-",  "2|6|23|1|-", "3|51|0|1|-",
                           "4|16|14|1|-", "5|2|12|1|-", "6|30|4|0|-"};
  EXPECT_EQ(finished.mid(0, 6), thrown);
  for (int k = 0; k < 25; ++k) {
    const QStringList p = finished[k].split('|');
    const int card = p[1].toInt(), cell = p[2].toInt();
    EXPECT_EQ(card, full.deck[k + 1]) << k;
    EXPECT_EQ(full.board[GridColumnOf(cell)][GridRowOf(cell)], card) << k;
  }
  const QStringList left =
      Rows("SELECT turn, card, cell, thrown FROM placements WHERE game_id = 2 ORDER BY turn");
  EXPECT_EQ(left, (QStringList{QString("1|%1|0|0").arg(leftCards[0]),
                               QString("2|%1|1|0").arg(leftCards[1]),
                               QString("3|%1|2|0").arg(leftCards[2])}));

  // Read back as it was kept: asked for as the newest finished game (the left one is newer),
  // then by its id with a review stored for two turns; a thrown card's review is never kept, and
  // one whose best cell lies off the grid (only a hand-edited file has one) reads as none.
  auto reader = MakeWorker();
  EXPECT_TRUE(reader->HasFinishedGame());
  GameReading read = reader->ReadGame(kNewestFinished);
  ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
  EXPECT_EQ(read.game.id, 1);
  EXPECT_EQ(read.game.startedAt, kept.startedAt);
  EXPECT_EQ(read.game.endedAt, kept.endedAt);
  EXPECT_EQ(std::tie(read.game.deal, read.game.kind, read.game.total, read.game.finished,
                     read.game.hints, read.game.demo, read.game.player, read.game.hands),
            std::tie(kept.deal, kept.kind, kept.total, kept.finished, kept.hints, kept.demo,
                     kept.player, kept.hands));
  EXPECT_EQ(read.game.placements, kept.placements);
  std::vector<PlacementRecord> reviewed = kept.placements;
  reviewed[0].review = PlacementReview{7, 1, 2};
  reviewed[5].review = PlacementReview{24, 101.25, 130.5};
  reviewed[6].review = PlacementReview{25, 1, 2};
  reviewed[24].review = PlacementReview{reviewed[24].cell, double(total), double(total)};
  reader->StoreReview(1, reviewed);
  read = reader->ReadGame(1);
  reviewed[0].review.reset();
  reviewed[6].review.reset();
  EXPECT_EQ(read.game.placements, reviewed);
  EXPECT_EQ(reader->ReadGame(2).game.placements.size(), 3u);
  EXPECT_EQ(reader->ReadGame(3).game.id, 0);
}

TEST(HistoryFile, UnderTheDataHomeWhenItIsAbsoluteAndAFileName) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/srv/games data");
  EXPECT_EQ(HistoryFile(), "/srv/games data/Marnelok/history.sqlite");
  const QString fallback = QDir::homePath() + "/.local/share/Marnelok/history.sqlite";
  qputenv("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(HistoryFile(), fallback);
  // Bytes that are no UTF-8 name would come back as another folder.
  qputenv("XDG_DATA_HOME", "/srv/data-\xff\xfe");
  EXPECT_EQ(HistoryFile(), fallback);
  qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
}  // namespace marnelok::history
