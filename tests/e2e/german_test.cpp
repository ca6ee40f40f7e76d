// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in German (LANG=de_DE.UTF-8, a locale that need not be generated): a whole
// game with real clicks, the Top 5 prompt in German with a name the record cannot hold, the
// table's hands and the menu bar read over AT-SPI in German, the Statistics module in German,
// and Quit by its German access keys.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "accessibility_bus.h"
#include "file_record_store.h"
#include "settings_store.h"
#include "x_session.h"

namespace marnelok::e2e {
namespace {

// The names of the hands in German, as the score panel and a screen reader give them.
const QStringList kGermanHands = {
    "Nichts",     "Ein Paar (2)",    "Zwei Paare (5)", "Drilling (10)",       "Straße (15)",
    "Flush (20)", "Full House (25)", "Vierling (50)",  "Straight Flush (75)", "Royal Flush (100)"};

// The players the history kept, once the program has written them.
QStringList KeptPlayers(const QString& file) {
  QStringList players;
  for (int attempt = 0; attempt < 50 && players.isEmpty(); ++attempt) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("de"));
      db.setDatabaseName(file);
      db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
      QSqlQuery q(db);
      if (db.open() && q.exec(QStringLiteral("SELECT player FROM games")))
        while (q.next()) players << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("de"));
    if (players.isEmpty()) XSession::Wait(100);
  }
  return players;
}

TEST(EndToEnd, PlayAWholeGameInGermanAndReadItOverAtSpi) {
  ASSERT_FALSE(g_program.isEmpty());
  ASSERT_EQ(AccessibilityBus::Missing().toStdString(), "");
  AccessibilityBus bus;
  ASSERT_TRUE(bus.Enable()) << "the accessibility bus did not start";

  QTemporaryDir config;
  QProcessEnvironment german;
  german.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
  // Deal 1 placed row by row scores above 0, so a fresh Top 5 list asks for a name.
  XSession x(g_program, config.path(), german, {}, {"--deal", "1"});
  const QString window =
      x.WaitForWindow(QStringLiteral("^Marnelok 8\\.00 - Freeware-Version - "), 20000);
  ASSERT_FALSE(window.isEmpty()) << "no main window with the German title";
  x.Wait(1800);  // the splash goes by itself after 1500 ms
  const QPoint table = x.TableOrigin(window);
  ASSERT_GE(table.x(), 0) << "no table colour below the menu bar";
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) x.ClickAt(table + QPoint(89 + 75 * c + 35, 4 + 84 * r + 41));

  // The prompt in German; a name with a letter that the list cannot keep is shown as it will
  // be kept, and OK keeps it so.
  const QString prompt = x.WaitForWindow(QStringLiteral("^Neu in der Bestenliste$"), 5000);
  ASSERT_FALSE(prompt.isEmpty()) << "no German name prompt";
  x.Xdotool({"type", "--delay", "40", "\u0141ukasz"});
  x.Key(QStringLiteral("Return"));
  x.Wait(500);
  EXPECT_FALSE(x.WaitForWindow(QStringLiteral("^Neu in der Bestenliste$"), 3000).isEmpty())
      << "no word on the letter the list cannot keep";
  x.Key(QStringLiteral("Return"));
  x.Wait(500);
  SettingsRecord record;
  FileRecordStore store(config.filePath(QStringLiteral("Marnelok/fRegInfo")));
  LoadSettings(record, store);
  EXPECT_EQ(record.HighName(1), "?ukasz");
  EXPECT_EQ(KeptPlayers(config.filePath(QStringLiteral("Marnelok/history.sqlite"))),
            QStringList{"\u0141ukasz"});

  QString error;
  const QStringList lines = AccessibilityBus::ReadTree(&error);
  ASSERT_FALSE(lines.isEmpty()) << error.toStdString();
  for (const char* menu : {"Spiel", "Optionen", "Hilfe"})
    EXPECT_TRUE(lines.contains(QStringLiteral("menu\t") + menu)) << menu;
  int hands = 0;
  for (const QString& line : lines) {
    const QString text = line.section('\t', 1);
    if (!text.startsWith(QStringLiteral("Spalte ")) && !text.startsWith(QStringLiteral("Zeile ")))
      continue;
    ++hands;
    EXPECT_TRUE(kGermanHands.contains(text.section(QStringLiteral(": "), 1))) << text.toStdString();
  }
  EXPECT_EQ(hands, 10);
  EXPECT_TRUE(lines.contains(
      QStringLiteral("text\tZum Geben auf den Stapel klicken oder die Eingabetaste drücken")));

  // The Statistics module speaks the program's language; the German access keys reach it and
  // Quit.
  x.Xdotool({"windowfocus", "--sync", window});
  x.Key(QStringLiteral("alt+s"));
  x.Key(QStringLiteral("i"));
  EXPECT_FALSE(x.WaitForWindow(QStringLiteral("^Statistik$"), 10000).isEmpty())
      << "no German Statistics window";
  x.Xdotool({"windowfocus", "--sync", window});
  x.Key(QStringLiteral("alt+s"));
  x.Key(QStringLiteral("b"));
  EXPECT_EQ(x.WaitForExit(10000), 0);
}

}  // namespace
}  // namespace marnelok::e2e
