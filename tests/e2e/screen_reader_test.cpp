// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a whole game with keys alone on a virtual display while the accessibility bus runs,
// then reads the table over AT-SPI as a screen reader does: the 25 cells named by their cards
// and a total that those cards score.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>

#include "accessibility_bus.h"
#include "board.h"
#include "x_session.h"

namespace marnelok::e2e {
namespace {

// A card's name in words, as the table gives it: ranks from the two up to the ace, suits in
// the order of the card codes.
int CodeOfName(const QString& name) {
  static const QStringList ranks = {"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                    "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
  static const QStringList suits = {"Hearts", "Clubs", "Diamonds", "Spades"};
  const QStringList words = name.split(QStringLiteral(" of "));
  if (words.size() != 2) return 0;
  const auto rank = ranks.indexOf(words[0]);
  const auto suit = suits.indexOf(words[1]);
  return rank < 0 || suit < 0 ? 0 : static_cast<int>(suit * 13 + rank + 1);
}

TEST(EndToEnd, PlayAWholeGameByKeysAndReadItOverAtSpi) {
  // Every part of the bridge is needed: a missing one fails the run.
  ASSERT_FALSE(g_program.isEmpty());
  ASSERT_EQ(AccessibilityBus::Missing().toStdString(), "");

  AccessibilityBus bus;
  ASSERT_TRUE(bus.Enable()) << "the accessibility bus did not start";
  QTemporaryDir config;
  XSession x(g_program, config.path());
  const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
  ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
  x.Wait(1800);  // the splash goes by itself after 1500 ms
  // No window manager hands the keyboard over here; the table takes it with the window.
  x.Xdotool({"windowfocus", "--sync", window});

  x.Key(QStringLiteral("Return"));  // deals
  x.Wait(300);
  x.Key(QStringLiteral("Left"));  // shows the cursor on the top-left cell, the left edge
  for (int row = 0; row < 5; ++row) {
    // Along the rows in turn, so that each ends where the next begins.
    const QString along = row % 2 == 0 ? QStringLiteral("Right") : QStringLiteral("Left");
    for (int step = 0; step < 5; ++step) {
      x.Key(QStringLiteral("Return"));
      if (step < 4) x.Key(along);
    }
    if (row < 4) x.Key(QStringLiteral("Down"));
  }
  x.Wait(500);
  if (!x.WaitForWindow(QStringLiteral("New High Score"), 1500).isEmpty()) {
    x.Xdotool({"type", "--delay", "20", "Tester"});
    x.Key(QStringLiteral("Return"));
    x.Wait(500);
  }

  // The cursor shows on the last cell played, the grid's bottom right, in black and white.
  const QPoint table = x.TableOrigin(window);
  ASSERT_GE(table.x(), 0) << "no table colour below the menu bar";
  const QImage screen = x.Screen();
  int black = 0;
  int white = 0;
  for (int dx = 0; dx < 71; ++dx) {
    const QColor c = screen.pixelColor(table + QPoint(389 + dx, 340 - 1));
    black += c == QColor(0, 0, 0);
    white += c == QColor(255, 255, 255);
  }
  EXPECT_GT(black, 10);
  EXPECT_GT(white, 10);

  QString error;
  const QStringList lines = AccessibilityBus::ReadTree(&error);
  ASSERT_FALSE(lines.isEmpty()) << error.toStdString();

  GameState state;
  std::set<int> codes;
  int cells = 0;
  int total = -1;
  for (const QString& line : lines) {
    const QStringList f = line.split('\t');
    if (f[0] == "cell" && f.size() == 4) {
      const int code = CodeOfName(f[3]);
      EXPECT_GT(code, 0) << "not a card: " << f[3].toStdString();
      codes.insert(code);
      state.board[f[2].toInt() + kFirstGridColumn][f[1].toInt() + 1] = code;
      ++cells;
    } else if (f[0] == "text" && f.size() == 2 && f[1].startsWith("Total Score: ")) {
      total = f[1].mid(13).toInt();
    }
  }
  EXPECT_EQ(cells, 25);
  EXPECT_EQ(codes.size(), 25u) << "the cells do not name 25 different cards";
  ComputeLineResults(state);
  EXPECT_EQ(total, state.totalScore) << "the total read is not what the cards read score";
  EXPECT_TRUE(lines.contains(QStringLiteral("text\tClick the deck or press Enter to deal")));
  EXPECT_TRUE(x.Running());
}

}  // namespace
}  // namespace marnelok::e2e
