// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window in its two modes: what shows, what a click does, and where it appears.
#include "splash_form.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "fake_desktop.h"
#include "qt_printers.h"
#include "web_pages.h"

namespace marnelok {
namespace {

using Mode = TsplashForm::Mode;
constexpr QPoint kOnPicture(20, 120);  // clear of every label and of "X"

// Clicks whatever is topmost at `pos` in the window, as the pointer would.
QWidget* ClickAt(QWidget& window, QPoint pos) {
  QWidget* target = window.childAt(pos);
  if (target == nullptr) target = &window;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, pos));
  return target;
}

TEST(SplashForm, StartupModeShowsTheEditionAndOnlyThePictureClosesIt) {
  testing::FakeDesktop desktop;
  QPointer<TsplashForm> splash = new TsplashForm(nullptr, Mode::kStartup, desktop);
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  splash->show();
  EXPECT_EQ(splash->size(), QSize(280, 140));
  const auto* lblEval = splash->findChild<QLabel*>("lblEval");
  const auto* lblProduct = splash->findChild<QLabel*>("lblProduct");
  const auto* label3 = splash->findChild<QLabel*>("Label3");
  ASSERT_TRUE(lblEval && lblProduct && label3);
  EXPECT_EQ(lblEval->text(), "Freeware Edition");
  EXPECT_EQ(lblProduct->text(), "Marnelok 8.00");
  EXPECT_EQ(label3->text(), HomePage());
  // The address reads whole and keeps clear of the frame of the picture's card panel.
  EXPECT_LE(label3->fontMetrics().horizontalAdvance(label3->text()), label3->width());
  EXPECT_GE(label3->x(), 58);
  EXPECT_LE(label3->geometry().right(), 222);
  EXPECT_FALSE(splash->findChild<QToolButton*>("btnClose")->isVisible());

  // The labels lie above the picture and keep their clicks from it; the link is idle.
  for (const QLabel* label : {lblEval, lblProduct, label3}) {
    EXPECT_EQ(ClickAt(*splash, label->geometry().center()), label) << label->objectName();
    EXPECT_TRUE(splash->isVisible()) << label->objectName();
  }
  EXPECT_TRUE(desktop.shellCalls.empty());

  ClickAt(*splash, kOnPicture);
  EXPECT_FALSE(splash->isVisible());
  ASSERT_FALSE(splash.isNull());  // hidden, not destroyed: the owner releases it
  delete splash.data();
}

TEST(SplashForm, AboutModeClosesByMouseOrKeyboardAndItsLinkWorksByEither) {
  testing::FakeDesktop desktop;
  TsplashForm about(nullptr, Mode::kAbout, desktop);
  about.show();
  about.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  auto* close = about.findChild<QToolButton*>("btnClose");
  EXPECT_TRUE(close->isVisible());
  EXPECT_EQ(close->text(), "X");
  EXPECT_EQ(close->geometry(), QRect(258, 6, 16, 16));
  // "X" has the keyboard, and a screen reader names it.
  EXPECT_EQ(about.focusWidget(), close);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(close)->text(QAccessible::Name), "Close");
  QTest::keyClick(close, Qt::Key_Escape);
  EXPECT_TRUE(about.isVisible());

  // Tab reaches the link, which Enter, Space, a screen reader's press and a click open.
  auto* link = about.findChild<QLabel*>("Label3");
  QTest::keyClick(close, Qt::Key_Tab);
  ASSERT_EQ(about.focusWidget(), link);
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(link);
  EXPECT_EQ(read->role(), QAccessible::Link);
  EXPECT_EQ(read->text(QAccessible::Name), HomePage());
  QTest::keyClick(link, Qt::Key_Return);
  QTest::keyClick(link, Qt::Key_Space);
  read->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ClickAt(about, link->geometry().center());
  const testing::ShellCall homePage{HomePage(), "", "", 5};
  EXPECT_EQ(desktop.shellCalls, std::vector<testing::ShellCall>(4, homePage));
  EXPECT_TRUE(about.isVisible());

  // Enter on "X" closes, and so do Space, a click on it and a click on the picture.
  QTest::keyClick(link, Qt::Key_Tab);
  ASSERT_EQ(about.focusWidget(), close);
  // Tabbed to, "X" shows that it has the keyboard.
  const QImage focused = close->grab().toImage();
  close->clearFocus();
  EXPECT_NE(close->grab().toImage(), focused);
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Return);
  EXPECT_FALSE(about.isVisible());
  about.show();
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Space);
  EXPECT_FALSE(about.isVisible());
  about.show();
  EXPECT_EQ(ClickAt(about, close->geometry().center()), close);
  EXPECT_FALSE(about.isVisible());
  about.show();
  ClickAt(about, kOnPicture);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(desktop.shellCalls.size(), 4u);
}

TEST(SplashForm, AppearsCentredOverItsOwnerOrTheScreen) {
  testing::FakeDesktop desktop;
  QWidget owner;
  owner.setGeometry(60, 80, 500, 300);
  owner.show();
  TsplashForm splash(&owner, Mode::kStartup, desktop);
  splash.ShowOverOwner();
  EXPECT_LE((splash.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
            2);
  EXPECT_EQ(splash.windowHandle()->transientParent(), owner.windowHandle());

  // Shown before its owner is, as at start-up: over the middle of the screen.
  QWidget hiddenOwner;
  TsplashForm early(&hiddenOwner, Mode::kStartup, desktop);
  early.ShowOverOwner();
  EXPECT_TRUE(early.isVisible());
  const QRect screen = early.screen()->availableGeometry();
  EXPECT_LE((early.frameGeometry().center() - screen.center()).manhattanLength(), 2);

  // Under XWayland it is a part of its owner's window, over its middle.
  desktop.onXWayland = true;
  TsplashForm inside(&owner, Mode::kStartup, desktop);
  inside.ShowOverOwner();
  EXPECT_FALSE(inside.isWindow());
  EXPECT_EQ(inside.geometry().center(), owner.rect().center());
}

// Where only the desktop places windows, a child shows over a parent that is on screen: the
// start-up window waits for its owner's first frame, and a close before it cancels the show.
TEST(SplashForm, WhereWindowsCannotMoveItWaitsForItsOwner) {
  testing::FakeDesktop desktop;
  desktop.canMoveWindows = false;
  QWidget owner;
  owner.resize(500, 300);
  TsplashForm splash(&owner, Mode::kStartup, desktop);
  splash.ShowOverOwner();
  QApplication::processEvents();
  EXPECT_FALSE(splash.isVisible());
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  QApplication::processEvents();
  ASSERT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.windowHandle()->transientParent(), owner.windowHandle());

  QWidget later;
  TsplashForm closed(&later, Mode::kStartup, desktop);
  closed.ShowOverOwner();
  closed.close();
  later.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&later));
  QApplication::processEvents();
  EXPECT_FALSE(closed.isVisible());

  // Over an owner already on screen it shows at once.
  TsplashForm again(&owner, Mode::kStartup, desktop);
  again.ShowOverOwner();
  EXPECT_TRUE(again.isVisible());
}

}  // namespace
}  // namespace marnelok
