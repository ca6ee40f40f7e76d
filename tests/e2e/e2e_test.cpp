// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program on a virtual display, deals with a click on the deck, places 25
// cards with real clicks, answers the name prompt and checks the screen and the history; and
// the program's command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "file_record_store.h"
#include "settings_store.h"
#include "tool_run.h"
#include "x_session.h"

namespace marnelok::e2e {

QString g_program;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);

// The history's games as "finished|total|player|placements", once the program has written
// them (off its window's thread, so a moment after the game ended).
QStringList HistoryGames(XSession& x, const QString& file) {
  QStringList rows;
  for (int attempt = 0; attempt < 50 && rows.isEmpty(); ++attempt) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("e2e"));
      db.setDatabaseName(file);
      db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
      QSqlQuery q(db);
      if (db.open() &&
          q.exec(QStringLiteral("SELECT finished, total, player, (SELECT count(*) FROM placements "
                                "WHERE game_id = games.id) FROM games")))
        while (q.next())
          rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toString()}
                      .join('|');
    }
    QSqlDatabase::removeDatabase(QStringLiteral("e2e"));
    if (rows.isEmpty()) x.Wait(100);
  }
  return rows;
}

TEST(EndToEnd, PlayAWholeGameWithTheMouse) {
  ASSERT_FALSE(g_program.isEmpty());
  QTemporaryDir config;
  XSession x(g_program, config.path());
  const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
  ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
  x.Wait(1800);  // the splash goes by itself after 1500 ms

  const QPoint table = x.TableOrigin(window);
  ASSERT_GE(table.x(), 0) << "no table colour below the menu bar";
  QImage screen = x.Screen();
  // Before the first game: the deck stack's black border at (9, 9), no score panel.
  EXPECT_EQ(screen.pixelColor(table + QPoint(9, 9)), QColor(0, 0, 0));
  EXPECT_EQ(screen.pixelColor(table + QPoint(500, 50)), kGreen);

  x.ClickAt(table + QPoint(40, 40));  // the deck deals the first game
  x.Wait(300);
  screen = x.Screen();
  EXPECT_EQ(screen.pixelColor(table + QPoint(600, 30)), kYellow) << "no score panel after the deal";

  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) x.ClickAt(table + QPoint(89 + 75 * c + 35, 4 + 84 * r + 41));

  // A fresh Top 5 list takes any score above 0: answer the prompt if it came.
  x.Wait(500);
  const bool named = !x.WaitForWindow(QStringLiteral("New High Score"), 1500).isEmpty();
  if (named) {
    x.Xdotool({"type", "--delay", "20", "Tester"});
    x.Key(QStringLiteral("Return"));
    x.Wait(500);
  }
  screen = x.Screen();
  screen.save(QDir::temp().filePath(QStringLiteral("marnelok-e2e.png")));
  // The next-game tile hides the deck, the grid is full of white cards, the panel stays.
  EXPECT_EQ(screen.pixelColor(table + QPoint(20, 60)), kYellow);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      EXPECT_NE(screen.pixelColor(table + QPoint(89 + 75 * c + 35, 4 + 84 * r + 20)), kGreen)
          << "no card at column " << c + 1 << ", row " << r + 1;
  EXPECT_EQ(screen.pixelColor(table + QPoint(600, 30)), kYellow);

  // The end of the game saved the record: exactly 180 bytes.
  QFile record(config.filePath(QStringLiteral("Marnelok/fRegInfo")));
  ASSERT_TRUE(record.exists());
  EXPECT_EQ(record.size(), 180);
  EXPECT_TRUE(x.Running());

  // The game is in the history with its 25 cards, under the name entered.
  const QStringList games =
      HistoryGames(x, config.filePath(QStringLiteral("Marnelok/history.sqlite")));
  ASSERT_EQ(games.size(), 1);
  const QStringList game = games[0].split('|');
  EXPECT_EQ(game[0], "1");
  EXPECT_EQ(game[2], named ? "Tester" : "");
  EXPECT_EQ(game[3], "25");

  // Game > Statistics... loads the statistics module and opens its window; Quit still ends
  // the program while that window is open.
  x.Xdotool({"windowfocus", "--sync", window});
  x.Key(QStringLiteral("alt+g"));
  x.Key(QStringLiteral("i"));
  EXPECT_FALSE(x.WaitForWindow(QStringLiteral("^Statistics$"), 10000).isEmpty())
      << "no Statistics window";
  x.Xdotool({"windowfocus", "--sync", window});
  x.Key(QStringLiteral("alt+g"));
  x.Key(QStringLiteral("q"));
  EXPECT_EQ(x.WaitForExit(10000), 0);
}

// Mistakes on the command line end the program with status 2 and a message; --deal N opens
// the table with that deal dealt.
TEST(EndToEnd, CommandLine) {
  ASSERT_FALSE(g_program.isEmpty());
  for (const QStringList& args :
       {QStringList{"--deal", "4294967296"}, QStringList{"--bogus"}, QStringList{"--deal"},
        QStringList{"extra"}, QStringList{"--daily", "--deal", "1"}}) {
    const testing::ToolRun run = testing::RunTool(g_program, args, true);
    EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.output.contains("Try 'marnelok --help'")) << run.output.toStdString();
  }
  const testing::ToolRun version = testing::RunTool(g_program, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output, "Marnelok " MARNELOK_VERSION "\n");
  // The help in the player's language, English under LANG=C; mistakes are told in English,
  // which scripts may read.
  for (const char* lang : {"C", "de_DE.UTF-8"}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    env.insert("LANG", lang);
    const bool german = lang[0] == 'd';
    const testing::ToolRun help = testing::RunTool(g_program, {"--help"}, false, env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith(german
                                           ? "Aufruf: marnelok [--deal N | --daily] [Qt-Optionen]\n"
                                           : "Usage: marnelok [--deal N | --daily] [Qt options]\n"
                                             "Poker solitaire on a five-by-five grid.\n"))
        << help.output.toStdString();
    const testing::ToolRun mistake = testing::RunTool(g_program, {"--bogus"}, true, env);
    EXPECT_EQ(mistake.output,
              "marnelok: unknown option '--bogus'\nTry 'marnelok --help' for "
              "more information.\n");
  }

  QTemporaryDir config;
  XSession x(g_program, config.path(), {}, {}, {"--deal", "0"});
  const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
  ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
  x.Wait(1800);
  const QImage screen = x.Screen();
  const QPoint table = x.TableOrigin(window);
  ASSERT_GE(table.x(), 0);
  EXPECT_EQ(screen.pixelColor(table + QPoint(600, 30)), kYellow) << "no deal at the start";
}

// A scale factor that crashed the program (-1), overflowed (0) or asked for gigabytes of image
// (100) is ignored: the window comes up at its size of the default scale.
TEST(EndToEnd, AbsurdScaleFactorsAreIgnored) {
  ASSERT_FALSE(g_program.isEmpty());
  for (const char* factor : {"-1", "0", "100"}) {
    SCOPED_TRACE(factor);
    QTemporaryDir config;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
    XSession x(g_program, config.path(), environment);
    const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
    EXPECT_LE(x.WindowGeometry(window).width(), 1280);
    x.Wait(300);
    EXPECT_TRUE(x.Running());
  }
}

// Sets a property of window `id` ("-root" for the root window), as a window manager would.
void SetProperty(const QString& id, const QString& name, const QString& format,
                 const QString& value) {
  QStringList args{QStringLiteral("-f"), name, format, QStringLiteral("-set"), name, value};
  args.prepend(id);
  if (id != QStringLiteral("-root")) args.prepend(QStringLiteral("-id"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("xprop"), args), 0);
}

// Whatever frame the window manager reports, the table below the menu bar stays whole; a
// frame that the outer size allows for leaves that size exact. The display has no window
// manager: the test reports the frame itself, through the properties one would set.
TEST(EndToEnd, TheTableFitsWhateverFrameIsReported) {
  ASSERT_FALSE(g_program.isEmpty());
  SetProperty(QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTED"), QStringLiteral("32a"),
              QStringLiteral("_NET_FRAME_EXTENTS"));
  const struct {
    bool large;
    QString extents;  // left, right, top, bottom
    QSize outer;
    QSize table;  // to the score panel's right edge and the grid's bottom, 4 pixels beyond
    bool exact;   // the frame leaves room for the table: the outer size is the asked one
  } cases[] = {
      {false, QStringLiteral("4, 4, 24, 4"), {660, 500}, {644, 426}, true},
      // Frames counted with their shadows, as an XWayland compositor reported them.
      {false, QStringLiteral("38, 38, 60, 37"), {660, 500}, {644, 426}, false},
      {true, QStringLiteral("38, 38, 60, 37"), {745, 625}, {732, 556}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extents.toStdString() + (c.large ? ", large cards" : ", regular cards"));
    QTemporaryDir config;
    if (c.large) {
      SettingsRecord record;
      record.ApplyDefaults();
      record.SetLargeCards(1);
      FileRecordStore store(config.filePath(QStringLiteral("Marnelok/fRegInfo")));
      ASSERT_FALSE(SaveSettings(record, store).has_value());
    }
    XSession x(g_program, config.path());
    const QString window = x.WaitForWindow(QStringLiteral("Marnelok for Windows"), 20000);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
    SetProperty(window, QStringLiteral("_NET_FRAME_EXTENTS"), QStringLiteral("32c"), c.extents);
    x.Wait(1800);

    const QStringList e = c.extents.split(QStringLiteral(", "));
    const QSize frame(e[0].toInt() + e[1].toInt(), e[2].toInt() + e[3].toInt());
    const QRect client = x.WindowGeometry(window);
    const QPoint table = x.TableOrigin(window);
    ASSERT_GE(table.x(), 0) << "no table colour below the menu bar";
    const QSize below(client.right() + 1 - table.x(), client.bottom() + 1 - table.y());
    EXPECT_GE(below.width(), c.table.width());
    EXPECT_GE(below.height(), c.table.height());
    if (c.exact) {
      EXPECT_EQ(client.size() + frame, c.outer);
    }
  }
}

}  // namespace
}  // namespace marnelok::e2e

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 1) marnelok::e2e::g_program = QString::fromLocal8Bit(argv[1]);
  return RUN_ALL_TESTS();
}
