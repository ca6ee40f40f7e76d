// SPDX-License-Identifier: GPL-3.0-or-later
// Card size and colour scheme: the screen check, window sizes, and what each choice repaints.
#include <QScreen>

#include "settings_store.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

void StoreLargeCards(const QString& path) {
  SettingsRecord r;
  r.ApplyDefaults();
  r.SetLargeCards(1);
  FileRecordStore s(path);
  ASSERT_FALSE(SaveSettings(r, s).has_value());
}

TEST_F(WindowTest, LargeCardsNeedAClientAreaOf750By550) {
  struct Case {
    QSize client;
    bool accepted;
  };
  const Case cases[] = {{{750, 550}, true}, {{749, 550}, false}, {{750, 549}, false}};
  for (const auto& c : cases) {
    desktop.fullScreenClient = c.client;
    desktop.messages.clear();
    Start();
    Trigger("MenuOptionsSetLargeCards");
    EXPECT_EQ(Action("MenuOptionsSetLargeCards")->isChecked(), c.accepted);
    EXPECT_EQ(Geometry().cardWidth, c.accepted ? 82 : 71);
    EXPECT_EQ(Record().LargeCards(), c.accepted ? 1 : 0);
    if (c.accepted) {
      EXPECT_TRUE(desktop.messages.isEmpty());
      EXPECT_EQ(form->frameGeometry().size(), QSize(745, 625));
      EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(4, 4));
    } else {
      ASSERT_EQ(desktop.messages.size(), 1);
      EXPECT_EQ(
          desktop.messages[0],
          "Large Cards|Sorry! Screen resolution should be at least 800 x 600 for large cards.");
      EXPECT_EQ(desktop.messageOwners.back(), nullptr) << "centred on the screen, not the window";
    }
    form.reset();
  }
}

TEST_F(WindowTest, StoredLargeCardsOnASmallScreenStayRequested) {
  StoreLargeCards(RecordPath());
  desktop.fullScreenClient = QSize(749, 700);
  Start();
  EXPECT_EQ(desktop.messages.size(), 1);
  EXPECT_FALSE(Action("MenuOptionsSetLargeCards")->isChecked());
  EXPECT_EQ(Geometry().cardWidth, 71);
  EXPECT_EQ(Record().LargeCards(), 1);  // read again after the fallback
  form->close();
  EXPECT_EQ(Stored().LargeCards(), 1);  // a close keeps the request...
  form.reset();
  Start();
  Trigger("MenuGameQuitItem");
  EXPECT_EQ(Stored().LargeCards(), 0);  // ...Quit stores what is in use
}

// A window larger than the screen keeps its title bar on it.
TEST_F(WindowTest, OnASmallScreenTheTitleBarStaysOnIt) {
  // The second screen of the test platform is 640 x 480, lower than either window.
  ASSERT_EQ(QGuiApplication::screens().size(), 2);
  QScreen* small = QGuiApplication::screens()[1];
  const QRect screen = small->availableGeometry();
  ASSERT_EQ(screen.size(), QSize(640, 480));
  desktop.fullScreenClient = QSize(640, 450);
  StoreLargeCards(RecordPath());
  form = std::make_unique<TMarnelokForm>(desktop, *store, *donate, history);
  form->setScreen(small);
  form->show();
  Flush();
  EXPECT_TRUE(screen.contains(form->frameGeometry().topLeft()));
}

TEST_F(WindowTest, CardSizeChangesDuringAGameRedrawAndRemapPlacement) {
  Start();
  Trigger("MenuGameNewItem");
  PlaceAt(2, 1);
  const int placed = State().board[2][1];
  EXPECT_EQ(form->frameGeometry().size(), QSize(660, 500));
  Trigger("MenuOptionsSetLargeCards");
  EXPECT_EQ(form->frameGeometry().size(), QSize(745, 625));
  // The placed card now stands at the large origin (100, 4): its frame is black there.
  EXPECT_EQ(Pixel(100, 50), QColor(0, 0, 0));
  EXPECT_EQ(Pixel(530 + 100, 20), kYellow);  // the wider panel
  // Placement follows the new pitch: (182, 230) is column 3, row 3 with large cards.
  Click(190, 230);
  EXPECT_LT(State().board[3][3], kEmptySlotCode);
  EXPECT_EQ(State().board[2][1], placed);

  Trigger("MenuOptionsSetLargeCards");
  EXPECT_EQ(form->frameGeometry().size(), QSize(660, 500));
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(4, 4));  // stays where it stands
}

// Where only the compositor places windows (Wayland), large cards grow the window in place.
// At either size the table below the menu bar is whole.
TEST_F(WindowTest, WhereWindowsCannotMoveLargeCardsGrowInPlace) {
  desktop.canMoveWindows = false;
  Start();
  const QPoint place = form->frameGeometry().topLeft();
  ASSERT_NE(place, QPoint(4, 4));
  for (const bool large : {false, true}) {
    SCOPED_TRACE(large);
    if (large) Trigger("MenuOptionsSetLargeCards");
    EXPECT_EQ(form->frameGeometry().size(), large ? QSize(745, 625) : QSize(660, 500));
    EXPECT_EQ(form->frameGeometry().topLeft(), place);
    const TableSize needs = TableNeeds(Geometry());
    EXPECT_GE(Box().width(), needs.width);
    EXPECT_GE(Box().height(), needs.height);
  }
}

TEST_F(WindowTest, ColorSchemeRepaintsTheTableButNotTheTopFive) {
  Start();
  Trigger("MenuGameNewItem");
  EXPECT_EQ(Pixel(500, 30), kYellow);
  const Point slot = CellOrigin(Geometry(), 4, 4);
  EXPECT_EQ(Pixel(slot.x + 20, slot.y + 20), kGreen);
  Trigger("MenuOptionsAltColorsItem");
  EXPECT_TRUE(Action("MenuOptionsAltColorsItem")->isChecked());
  EXPECT_EQ(Pixel(500, 30), kWhite);
  EXPECT_EQ(Pixel(slot.x + 20, slot.y + 20), kGrey);
  EXPECT_EQ(Pixel(5, 440), kGrey);
  Trigger("MenuGameHighScoresItem");
  EXPECT_EQ(Pixel(100, 20), kYellow);
  Trigger("MenuOptionsAltColorsItem");
  EXPECT_EQ(Pixel(5, 440), kGreen);
}

}  // namespace
}  // namespace marnelok::testing
