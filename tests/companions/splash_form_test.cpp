// The splash window in its two modes: what shows, what a click does, and where it appears.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "fake_desktop.h"
#include "qt_printers.h"
#include "splash_form.h"
#include "web_pages.h"

namespace marnelok {
namespace {

using Mode = TsplashForm::Mode;

// Clicks whatever is topmost at `pos` in the window, as the pointer would.
QWidget* ClickAt(QWidget& window, QPoint pos) {
  QWidget* target = window.childAt(pos);
  if (target == nullptr) target = &window;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, pos));
  return target;
}

QPoint CentreOf(const QWidget* child) { return child->geometry().center(); }

TEST(SplashForm, StartupModeShowsTheEditionAndOnlyThePictureClosesIt) {
  testing::FakeDesktop desktop;
  QPointer<TsplashForm> splash = new TsplashForm(nullptr, Mode::kStartup, desktop);
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(splash->testAttribute(Qt::WA_DeleteOnClose));
  EXPECT_FALSE(splash->isVisible());  // the constructor does not show it

  splash->show();
  EXPECT_EQ(splash->size(), QSize(280, 140));
  const auto* lblEval = splash->findChild<QLabel*>("lblEval");
  const auto* lblProduct = splash->findChild<QLabel*>("lblProduct");
  const auto* label3 = splash->findChild<QLabel*>("Label3");
  ASSERT_TRUE(lblEval && lblProduct && label3);
  EXPECT_EQ(lblEval->text(), "Freeware Edition");
  EXPECT_EQ(lblProduct->text(), "Marnelok 8.00");
  EXPECT_EQ(label3->text(), HomePage());
  EXPECT_FALSE(splash->findChild<QToolButton*>("btnClose")->isVisible());

  // The labels lie above the picture and keep their clicks from it.
  for (const QLabel* label : {lblEval, lblProduct, label3}) {
    EXPECT_EQ(ClickAt(*splash, CentreOf(label)), label) << label->objectName().toStdString();
    EXPECT_TRUE(splash->isVisible()) << label->objectName().toStdString();
  }
  EXPECT_TRUE(desktop.shellCalls.empty());  // the link does nothing while starting

  ClickAt(*splash, {20, 120});  // picture, clear of the labels
  EXPECT_FALSE(splash->isVisible());
  ASSERT_FALSE(splash.isNull());  // hidden, not destroyed: the owner releases it
  delete splash.data();
}

TEST(SplashForm, AboutModeHasTheCloseButtonAndAWorkingLink) {
  testing::FakeDesktop desktop;
  TsplashForm about(nullptr, Mode::kAbout, desktop);
  about.show();
  const auto* close = about.findChild<QToolButton*>("btnClose");
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(close->isVisible());
  EXPECT_EQ(close->text(), "X");
  EXPECT_EQ(close->geometry(), QRect(258, 6, 16, 16));
  EXPECT_EQ(close->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(about.findChild<QLabel*>("lblEval")->text(), "Freeware Edition");

  ClickAt(about, CentreOf(about.findChild<QLabel*>("Label3")));
  ASSERT_EQ(desktop.shellCalls.size(), 1u);
  EXPECT_EQ(desktop.shellCalls[0].document, HomePage());
  EXPECT_EQ(desktop.shellCalls[0].parameters, "");
  EXPECT_EQ(desktop.shellCalls[0].directory, "");
  EXPECT_EQ(desktop.shellCalls[0].showMode, 5);
  EXPECT_TRUE(about.isVisible());

  EXPECT_EQ(ClickAt(about, CentreOf(close)), close);
  EXPECT_FALSE(about.isVisible());

  about.show();
  ClickAt(about, {20, 120});
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(desktop.shellCalls.size(), 1u);
}

TEST(SplashForm, RunsModallyThroughTheDesktop) {
  testing::FakeDesktop desktop;
  TsplashForm about(nullptr, Mode::kAbout, desktop);
  bool shownWhenAsked = false;
  desktop.answer = [&](QDialog& dialog) {
    shownWhenAsked = dialog.isVisible();
    ClickAt(dialog, {20, 120});
  };
  desktop.ExecModal(about);
  EXPECT_TRUE(shownWhenAsked);
  EXPECT_FALSE(about.isVisible());
}

TEST(SplashForm, AppearsCentredOverItsOwnerOrTheScreen) {
  testing::FakeDesktop desktop;
  QWidget owner;
  owner.setGeometry(60, 80, 500, 300);
  owner.show();
  TsplashForm splash(&owner, Mode::kStartup, desktop);
  splash.show();
  EXPECT_LE((splash.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
            2);

  // Shown before its owner is: over the middle of the screen.
  QWidget hiddenOwner;
  TsplashForm early(&hiddenOwner, Mode::kStartup, desktop);
  early.show();
  const QRect screen = early.screen()->availableGeometry();
  EXPECT_LE((early.frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST(SplashForm, ShowsThePictureOrPlainBackgroundWhenItIsMissing) {
  testing::FakeDesktop desktop;
  TsplashForm splash(nullptr, Mode::kStartup, desktop);
  splash.show();
  const QImage shot = splash.grab().toImage();
  const QImage picture(":/bitmaps/SPLASH");
  const QPoint corner(3, 136);  // clear of every label
  const QRgb expected = picture.isNull() ? splash.palette().color(QPalette::Button).rgb()
                                         : picture.pixel(corner);
  EXPECT_EQ(shot.pixel(corner), expected);
}

}  // namespace
}  // namespace marnelok
