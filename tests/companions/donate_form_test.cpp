// SPDX-License-Identifier: GPL-3.0-or-later
// The donation dialog on its own: texts, layout, colors, keys and the ways it closes.
#include "donate_form.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "fake_desktop.h"
#include "qt_printers.h"
#include "web_pages.h"

namespace marnelok {
namespace {

QRadioButton* Item(QWidget& form, int index) {
  return form.findChild<QRadioButton*>(QStringLiteral("rbItem%1").arg(index));
}

TEST(DonateForm, TextsAndChoices) {
  testing::FakeDesktop desktop;
  TDonateForm form(nullptr, desktop);
  EXPECT_EQ(form.windowTitle(), "Make a Donation");
  EXPECT_EQ(form.minimumSize(), QSize(366, 473));
  EXPECT_EQ(form.maximumSize(), QSize(366, 473));

  const char* items[] = {
      "Yes, take me to the donations page now!",
      "I still have to check it a bit more, show this again in two weeks",
      "I already made a donation, don't show this dialog again",
      "No, I don't want to donate, never show this dialog again",
      "Not now, notify me again in 1 day",
  };
  for (int i = 0; i < 5; ++i) {
    ASSERT_NE(Item(form, i), nullptr) << i;
    EXPECT_EQ(Item(form, i)->text(), items[i]);
    EXPECT_EQ(Item(form, i)->isChecked(), i == 0);
  }
  EXPECT_EQ(TDonateForm::FirstParagraph("www.site.example"),
            "Donations help offset the cost of running www.site.example and allow you to "
            "say \"thank you for a job well done\". ");
  EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), TDonateForm::FirstParagraph(SiteName()));
  EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(),
            "Donating is completely optional, and the amount you give is entirely up to you.  "
            "Thank you.");
  EXPECT_EQ(form.findChild<QLabel*>("lblHomePage")->text(), HomePage());
  EXPECT_EQ(form.findChild<QPushButton*>("ntmOK")->text(), "Proceed");
}

// Top to bottom the picture, the choices, the panel of texts and Proceed at the right, each
// inside the dialog and clear of the next; in the panel the two paragraphs and the link below.
TEST(DonateForm, ElementsStandInOrderInsideTheDialogAndClearOfEachOther) {
  testing::FakeDesktop desktop;
  TDonateForm form(nullptr, desktop);
  const auto stack = [](const QWidget& area, const std::vector<const char*>& names) {
    int bottom = -1;
    for (const char* name : names) {
      const auto* widget = area.findChild<QWidget*>(name);
      ASSERT_NE(widget, nullptr) << name;
      EXPECT_EQ(widget->parentWidget(), &area) << name;
      EXPECT_TRUE(area.rect().contains(widget->geometry())) << name;
      EXPECT_GT(widget->y(), bottom) << name;
      bottom = widget->geometry().bottom();
    }
  };
  stack(form, {"Image1", "rgDonate", "Panel1", "ntmOK"});
  EXPECT_GT(form.findChild<QWidget*>("ntmOK")->x(), form.width() / 2);
  const auto* panel = form.findChild<QWidget*>("Panel1");
  stack(*panel, {"Label1", "Label2", "lblHomePage"});

  // The link widens as far as its text needs.
  const auto* link = form.findChild<QLabel*>("lblHomePage");
  EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));

  // Every choice fits whole inside the group once the dialog is shown.
  form.show();
  for (int i = 0; i < 5; ++i)
    EXPECT_LE(Item(form, i)->sizeHint().width(), Item(form, i)->width()) << i;
}

TEST(DonateForm, ColorsOfTheDialogGroupPanelAndLink) {
  testing::FakeDesktop desktop;
  TDonateForm form(nullptr, desktop);
  form.show();
  const QImage shot = form.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(366, 473));
  EXPECT_EQ(QColor(shot.pixel(3, 300)), QColor(192, 220, 192));    // left margin
  EXPECT_EQ(QColor(shot.pixel(200, 470)), QColor(192, 220, 192));  // below the panel
  EXPECT_EQ(QColor(shot.pixel(308, 277)), QColor(255, 251, 240));  // group, right of item 4
  EXPECT_EQ(QColor(shot.pixel(28, 414)), QColor(255, 251, 240));   // panel, left of the link

  const QRect link = form.findChild<QLabel*>("lblHomePage")->geometry().translated(8, 304);
  int blue = 0;
  for (int y = link.top(); y <= link.bottom(); ++y)
    for (int x = link.left(); x <= link.right(); ++x) {
      const QColor c = shot.pixel(x, y);
      blue += c.blue() > 220 && c.red() < 40 && c.green() < 40;
    }
  EXPECT_GT(blue, 40);  // at least the underline

  // The picture's words, drawn by the program in cream on the felt right of the cards.
  int cream = 0;
  for (int y = 30; y < 130; ++y)
    for (int x = 158; x < 344; ++x) {
      const QColor c = shot.pixel(x, y);
      cream += c.red() > 220 && c.green() > 220 && c.blue() > 180;
    }
  EXPECT_GT(cream, 400);
}

// Whether `widget` draws a focus frame: it looks different once the focus has gone.
bool ShowsFocus(QWidget& widget) {
  EXPECT_TRUE(widget.hasFocus());
  const QImage focused = widget.grab().toImage();
  widget.clearFocus();
  const bool differs = widget.grab().toImage() != focused;
  widget.setFocus();
  return differs;
}

TEST(DonateForm, TheKeyboardReachesEverythingAndOnlyAFocusedProceedCloses) {
  testing::FakeDesktop desktop;
  std::vector<int> closes;
  TDonateForm form(nullptr, desktop, [&](int choice) { closes.push_back(choice); });
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  // The focus shows from the moment the dialog opens, before any key.
  ASSERT_EQ(form.focusWidget(), Item(form, 0));
  EXPECT_TRUE(ShowsFocus(*Item(form, 0)));

  // Tab goes on from "Proceed" to the link, which shows its focus, is a link to a screen
  // reader, and opens with Enter or Space while the dialog stays.
  auto* proceed = form.findChild<QPushButton*>("ntmOK");
  auto* link = form.findChild<QLabel*>("lblHomePage");
  proceed->setFocus();
  QTest::keyClick(proceed, Qt::Key_Tab);
  ASSERT_EQ(form.focusWidget(), link);
  EXPECT_TRUE(ShowsFocus(*link));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
  QTest::keyClick(link, Qt::Key_Return);
  QTest::keyClick(link, Qt::Key_Space);
  const testing::ShellCall homePage{HomePage(), "", "", 5};
  EXPECT_EQ(desktop.shellCalls, std::vector<testing::ShellCall>(2, homePage));
  EXPECT_TRUE(form.isVisible());

  Item(form, 2)->click();
  Item(form, 2)->setFocus();
  QTest::keyClick(Item(form, 2), Qt::Key_Escape);
  QTest::keyClick(Item(form, 2), Qt::Key_Return);
  QTest::keyClick(&form, Qt::Key_Enter);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(closes.empty());

  proceed->setFocus();
  QTest::keyClick(proceed, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closes, std::vector<int>{2});
}

TEST(DonateForm, EveryWayOfClosingReportsTheChoiceAndTheLinkKeepsItOpen) {
  testing::FakeDesktop desktop;
  std::vector<int> closes;
  TDonateForm form(nullptr, desktop, [&](int choice) { closes.push_back(choice); });
  form.show();
  QTest::mouseClick(form.findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
  const std::vector<testing::ShellCall> homePage{{HomePage(), "", "", 5}};
  EXPECT_EQ(desktop.shellCalls, homePage);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(closes.empty());

  QTest::mouseClick(form.findChild<QPushButton*>("ntmOK"), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  form.show();
  Item(form, 3)->click();
  form.close();  // the title bar's close button and the system's close command
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closes, (std::vector<int>{0, 3}));
  EXPECT_EQ(desktop.shellCalls, homePage);  // what a choice means is the reminder's business
}

}  // namespace
}  // namespace marnelok
