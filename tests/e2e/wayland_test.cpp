// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on native Wayland, under a headless Weston: the splash over the table as the
// main window's popup, a deal and a placement with the compositor's own pointer, and Quit from
// the keyboard through the menu; and as an X11 client of Weston's XWayland, the splash.
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <optional>

#include "weston_session.h"

namespace marnelok::e2e {
namespace {

QString g_program;
QString g_inputModule;

const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QString kMainTitle = QStringLiteral("Marnelok for Windows");

// The main window, and the windows that lie above it.
struct Stack {
  std::optional<CompositorWindow> main;
  std::vector<CompositorWindow> above;
};

Stack ReadStack(WestonSession& weston) {
  Stack stack;
  for (const CompositorWindow& w : weston.Windows()) {
    if (w.title.contains(kMainTitle)) {
      stack.main = w;
      break;
    }
    stack.above.push_back(w);
  }
  return stack;
}

// The table's top-left corner: the first table-coloured pixel inside the window, down its
// left side below the title bar and the menu bar.
QPoint FindTable(const QImage& screen, QRect window) {
  for (int y = window.top(); y < window.top() + 120; ++y)
    for (int x = window.left(); x < window.left() + 12; ++x)
      if (screen.pixelColor(x, y) == kGreen) return {x, y};
  return {-1, -1};
}

// The xdg_surface of the toplevel titled `title` in a client's protocol log.
QString SurfaceOf(const QString& log, const QString& title) {
  QRegularExpression toplevel(
      QStringLiteral(R"((xdg_surface@\d+)\.get_toplevel\(new id (xdg_toplevel@\d+)\))"));
  for (const QRegularExpressionMatch& m : toplevel.globalMatch(log)) {
    const QString titled = m.captured(2) + QStringLiteral(".set_title(\"");
    for (qsizetype at = log.indexOf(titled); at >= 0; at = log.indexOf(titled, at + 1))
      if (log.mid(at, titled.size() + 200).section(QLatin1Char('\n'), 0, 0).contains(title))
        return m.captured(1);
  }
  return {};
}

TEST(Wayland, SplashOverTheTableThenADealAPlacementAndQuit) {
  ASSERT_FALSE(g_program.isEmpty() || g_inputModule.isEmpty());
  WestonSession weston(g_inputModule);
  ASSERT_TRUE(weston.Started()) << weston.Problem().toStdString();
  ASSERT_TRUE(weston.StartProgram(g_program));

  // The splash shows while the program starts: above the main window, within it.
  Stack stack;
  for (int tries = 0; tries < 200 && (!stack.main || stack.above.empty()); ++tries) {
    WestonSession::Wait(20);
    stack = ReadStack(weston);
  }
  ASSERT_TRUE(stack.main.has_value()) << "the main window did not appear";
  ASSERT_EQ(stack.above.size(), 1u) << "no splash above the main window";
  EXPECT_EQ(stack.above[0].place.size(), QSize(280, 140));
  EXPECT_TRUE(stack.main->place.contains(stack.above[0].place)) << "the splash lies off the table";
  // The protocol log names the main window as the splash's parent.
  const QString log = weston.ProtocolLog();
  const QString mainSurface = SurfaceOf(log, kMainTitle);
  ASSERT_FALSE(mainSurface.isEmpty()) << "no toplevel for the main window in the protocol log";
  EXPECT_TRUE(log.contains(QRegularExpression(
      QStringLiteral(R"(get_popup\(new id xdg_popup@\d+, )") + mainSurface + QStringLiteral(","))))
      << "the splash has no parent";

  // It goes by itself after 1500 ms.
  for (int tries = 0; tries < 150 && !stack.above.empty(); ++tries) {
    WestonSession::Wait(20);
    stack = ReadStack(weston);
  }
  ASSERT_TRUE(stack.above.empty()) << "the splash stayed";
  const QRect window = stack.main->place;
  QImage screen = weston.Screen();
  const QPoint table = FindTable(screen, window);
  ASSERT_GE(table.x(), 0) << "no table colour below the menu bar";
  EXPECT_EQ(screen.pixelColor(table + QPoint(9, 9)), QColor(0, 0, 0)) << "no deck stack";

  weston.ClickAt(table + QPoint(40, 40));  // the deck deals the first game
  weston.Wait(200);
  screen = weston.Screen();
  EXPECT_EQ(screen.pixelColor(table + QPoint(600, 30)), kYellow) << "no score panel after the deal";
  const QPoint cell = table + QPoint(89 + 35, 4 + 41);  // column 2, row 1
  EXPECT_EQ(screen.pixelColor(cell), kGreen);
  weston.ClickAt(cell);
  weston.Wait(200);
  EXPECT_NE(weston.Screen().pixelColor(cell), kGreen) << "no card placed";

  // Game > Quit from the keyboard: Alt+G opens the menu, Q chooses "&Quit".
  weston.Keys({KEY_LEFTALT, KEY_G});
  weston.Keys({KEY_Q});
  ASSERT_TRUE(weston.Program().waitForFinished(10000)) << "Quit did not end the program";
  EXPECT_EQ(weston.Program().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(weston.Program().exitCode(), 0);
  EXPECT_EQ(QFile(weston.ConfigHome() + QStringLiteral("/Marnelok/fRegInfo")).size(), 180)
      << "Quit saved no record";
}

// Under XWayland Weston puts a new X11 window where it likes, so the splash is drawn inside the
// main window instead: no window of its own, over the middle of the table, gone after 1500 ms.
TEST(Wayland, XWaylandSplashInsideTheMainWindow) {
  ASSERT_FALSE(g_program.isEmpty() || g_inputModule.isEmpty());
  WestonSession weston(g_inputModule, true);
  ASSERT_TRUE(weston.Started()) << weston.Problem().toStdString();
  ASSERT_TRUE(weston.StartProgram(g_program, true));
  Stack stack;
  for (int tries = 0; tries < 200 && !stack.main; ++tries) {
    WestonSession::Wait(20);
    stack = ReadStack(weston);
  }
  ASSERT_TRUE(stack.main.has_value()) << "the main window did not appear";
  // Weston fades a new window in: the table is its own green once it has.
  QImage with;
  for (int tries = 0; tries < 50 && FindTable(with, stack.main->place).x() < 0; ++tries)
    with = weston.Screen();
  EXPECT_TRUE(ReadStack(weston).above.empty()) << "the splash is a window of its own";
  WestonSession::Wait(2500);
  const QImage without = weston.Screen();

  // What changed in the window when the splash went: the splash, 280 by 140 pixels.
  QRect changed;
  const QRect window = stack.main->place.intersected(with.rect());
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  ASSERT_EQ(changed.size(), QSize(280, 140));
  // Around it the table: 190 pixels of it on the left, as in the middle of the 660-pixel-wide
  // window, and above it 180 pixels less the menu bar's height.
  const QPoint mid = changed.center();
  int left = changed.left(), top = changed.top();
  while (without.pixelColor(left - 1, mid.y()) == kGreen) --left;
  while (without.pixelColor(mid.x(), top - 1) == kGreen) --top;
  EXPECT_EQ(changed.left() - left, (660 - 280) / 2);
  EXPECT_GT(changed.top() - top, 140);
  EXPECT_LT(changed.top() - top, (500 - 140) / 2);
}

}  // namespace
}  // namespace marnelok::e2e

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (argc > 2) {
    marnelok::e2e::g_program = QString::fromLocal8Bit(argv[1]);
    marnelok::e2e::g_inputModule = QString::fromLocal8Bit(argv[2]);
  }
  return RUN_ALL_TESTS();
}
