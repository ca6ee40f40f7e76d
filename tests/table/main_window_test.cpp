// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, menus, mouse routing, keys, Quit and close of the main window.
#include <QKeyEvent>
#include <QMenuBar>
#include <QSet>

#include "settings_store.h"
#include "window_fixture.h"

namespace marnelok::testing {
namespace {

const QColor kGreen(0, 128, 0);

TEST_F(WindowTest, FirstStartShowsOnlyTheDeckStack) {
  Start();
  EXPECT_EQ(form->windowTitle(), "Marnelok 8.00 - Freeware Edition - Marnelok for Windows");
  EXPECT_TRUE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsHarderGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsSetLargeCards")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsAltColorsItem")->isChecked());
  EXPECT_FALSE(Action("MenuGameUndoItem")->isEnabled());
  EXPECT_TRUE(Timer1().isActive());
  EXPECT_EQ(Timer1().interval(), 1500);
  ASSERT_NE(Splash(), nullptr);
  EXPECT_TRUE(Splash()->isVisible());

  const GameState& s = State();
  EXPECT_FALSE(s.gameActive);
  EXPECT_EQ(s.deckSlot(), kDeckCode);
  for (int c = 1; c <= 6; ++c) {
    for (int r = 1; r <= 5; ++r) {
      if (c > 1 || r > 1) {
        EXPECT_EQ(s.board[c][r], kVoidCode);
      }
    }
  }

  // The deck stack's border at (9, 9) is black; the grid and the panel are table colour.
  EXPECT_EQ(Pixel(9, 9), QColor(0, 0, 0));
  EXPECT_EQ(Pixel(120, 50), kGreen);
  EXPECT_EQ(Pixel(500, 50), kGreen);
  EXPECT_EQ(Pixel(12 + 5, 237 + 5), kGreen);  // no "Play..." label yet
  EXPECT_EQ(store->writes, 0);                // nothing is written at start-up

  // The timer closes and releases the start-up window.
  QPointer<QWidget> splash = Splash();
  form->Timer1Timer();
  EXPECT_FALSE(Timer1().isActive());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
}

TEST_F(WindowTest, MenusHoldTheirCommandsInOrder) {
  Start();
  const QList<QAction*> menus = form->menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[0]->text(), "&Game");
  EXPECT_EQ(menus[1]->text(), "&Options");
  EXPECT_EQ(menus[2]->text(), "Help");
  auto texts = [](QAction* menu) {
    QStringList t;
    for (QAction* a : menu->menu()->actions()) t << (a->isSeparator() ? "-" : a->text());
    return t;
  };
  const QStringList game = texts(menus[0]);
  EXPECT_EQ(game, QStringList({"&Start a New Game", "Select &Deal...", "&Replay This Deal",
                               "Dai&ly Deal", "&Undo Last Move", "Hin&t", "View &High Scores",
                               "Stat&istics...", "Re&view Last Game...", "De&mo", "-", "&Quit"}));
  QSet<QChar> keys;  // each access key of the Game menu chooses one command
  for (const QString& t : game)
    if (t != "-") keys.insert(t.at(t.indexOf('&') + 1).toLower());
  EXPECT_EQ(keys.size(), game.size() - 1);
  EXPECT_EQ(texts(menus[1]),
            QStringList({"Play Regular Game", "Throw down a few cards first", "-",
                         "Use Large Cards", "Use Alternate Colors", "-", "Reset High Scores"}));
  EXPECT_EQ(texts(menus[2]), QStringList({"&Contents", "About Marnelok", "-", "Make a Donation"}));
  for (QAction* menu : menus)
    for (QAction* a : menu->menu()->actions()) EXPECT_TRUE(a->shortcut().isEmpty());
}

TEST_F(WindowTest, DeckPressStartsAGameOnlyStrictlyInsideAndBetweenGames) {
  Start();
  // Edges and other buttons do nothing.
  for (QPoint p : {QPoint(10, 50), QPoint(81, 50), QPoint(40, 10), QPoint(40, 92)}) {
    Press(p.x(), p.y());
    EXPECT_FALSE(State().gameActive) << p.x() << "," << p.y();
  }
  Press(40, 40, Qt::RightButton);
  Press(40, 40, Qt::MiddleButton);
  EXPECT_FALSE(State().gameActive);

  Press(11, 11);
  ASSERT_TRUE(State().gameActive);
  Flush();
  const int current = State().currentCard();
  Press(40, 40);  // during a game the deck does nothing
  EXPECT_EQ(State().currentCard(), current);
  EXPECT_EQ(State().cardsPlaced, 0);

  // Right and middle releases place nothing.
  const QPoint p = CellMiddle(2, 1);
  Release(p.x(), p.y(), Qt::RightButton);
  Release(p.x(), p.y(), Qt::MiddleButton);
  EXPECT_EQ(State().board[2][1], kEmptySlotCode);
  Release(p.x(), p.y());
  EXPECT_EQ(State().board[2][1], current);
  EXPECT_TRUE(Action("MenuGameUndoItem")->isEnabled());
}

TEST_F(WindowTest, ReleaseAfterViewingHighScoresOnlyClosesThePanel) {
  Start();
  Trigger("MenuGameNewItem");
  Trigger("MenuGameHighScoresItem");
  EXPECT_TRUE(TopFiveShown());
  EXPECT_EQ(Pixel(100, 20), QColor(255, 255, 0));  // the panel covers the board
  Press(40, 40);  // a press on the deck while the panel shows starts nothing
  const QPoint p = CellMiddle(2, 1);
  Release(p.x(), p.y());
  EXPECT_FALSE(TopFiveShown());
  EXPECT_EQ(State().board[2][1], kEmptySlotCode);
  Flush();
  EXPECT_NE(Pixel(100, 20), QColor(255, 255, 0));
  Release(p.x(), p.y());
  EXPECT_LT(State().board[2][1], kEmptySlotCode);
}

TEST_F(WindowTest, OptionsReachTheStoreOnlyThroughQuitExceptCardSize) {
  Start();
  Trigger("MenuOptionsAltColorsItem");
  Trigger("MenuOptionsHarderGameItem");
  EXPECT_TRUE(State().gameActive);
  form->close();
  SettingsRecord stored = Stored();
  EXPECT_EQ(stored.AltColors(), 0);
  EXPECT_EQ(stored.PlayRegular(), 1);
  EXPECT_EQ(stored.LargeCards(), 0);
  form.reset();

  Start();
  EXPECT_FALSE(Action("MenuOptionsAltColorsItem")->isChecked());
  Trigger("MenuOptionsSetLargeCards");  // written into the record at once
  form->close();
  EXPECT_EQ(Stored().LargeCards(), 1);
  form.reset();

  Start();
  EXPECT_TRUE(Action("MenuOptionsSetLargeCards")->isChecked());
  Trigger("MenuOptionsAltColorsItem");
  Trigger("MenuOptionsHarderGameItem");
  Trigger("MenuOptionsSetLargeCards");
  store->writes = 0;
  Trigger("MenuGameQuitItem");
  EXPECT_EQ(store->writes, 2);  // once by Quit, once by the close
  EXPECT_FALSE(form->isVisible());
  stored = Stored();
  EXPECT_EQ(stored.AltColors(), 1);
  EXPECT_EQ(stored.PlayRegular(), 0);
  EXPECT_EQ(stored.LargeCards(), 0);
  form.reset();

  Start();
  EXPECT_TRUE(Action("MenuOptionsAltColorsItem")->isChecked());
  EXPECT_TRUE(Action("MenuOptionsHarderGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_EQ(Pixel(200, 200), QColor(128, 128, 128));
}

TEST_F(WindowTest, GameKindItemsShowTheChosenKindAndDeal) {
  Start();
  Trigger("MenuOptionsHarderGameItem");
  EXPECT_TRUE(Action("MenuOptionsHarderGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_TRUE(State().gameActive);
  EXPECT_EQ(State().kind, GameKind::kThrowDown);
  const QPoint p = CellMiddle(2, 1);
  Release(p.x(), p.y());
  Trigger("MenuOptionsHarderGameItem");  // the chosen kind again: it stays checked, a new deal
  EXPECT_TRUE(Action("MenuOptionsHarderGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_EQ(State().lastMoveCol, 0);
  Trigger("MenuOptionsPlayRegGameItem");
  EXPECT_TRUE(Action("MenuOptionsPlayRegGameItem")->isChecked());
  EXPECT_FALSE(Action("MenuOptionsHarderGameItem")->isChecked());
  EXPECT_EQ(State().kind, GameKind::kRegular);
  Trigger("MenuOptionsPlayRegGameItem");
  EXPECT_TRUE(Action("MenuOptionsPlayRegGameItem")->isChecked());
}

TEST_F(WindowTest, ViewingHighScoresUndoesAnUnsavedCardSizeChange) {
  Start();
  Trigger("MenuOptionsSetLargeCards");
  EXPECT_EQ(Record().LargeCards(), 1);
  Trigger("MenuGameHighScoresItem");  // reloads the record from the store
  EXPECT_EQ(Record().LargeCards(), 0);
  form->close();
  EXPECT_EQ(Stored().LargeCards(), 0);
}

// F1 reaches the window through the table, which has the keyboard. The table's own keys
// (KeyboardTest) leave the others alone.
TEST_F(WindowTest, FunctionKeyOneOpensHelpWithAnyModifier) {
  StartActive();
  QWidget* keyboard = QApplication::focusWidget();
  ASSERT_EQ(keyboard, &Box());
  const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                        Qt::AltModifier,
                                        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier};
  for (auto m : mods) QTest::keyClick(keyboard, Qt::Key_F1, m);
  ASSERT_EQ(desktop.shellCalls.size(), 5u);
  for (const ShellCall& c : desktop.shellCalls)
    EXPECT_TRUE(c.document.endsWith("Marnelok.html")) << c.document.toStdString();
  QTest::keyClick(keyboard, Qt::Key_N, Qt::AltModifier);
  QTest::keyClick(keyboard, Qt::Key_Z);
  QTest::keyClick(keyboard, Qt::Key_F3);
  EXPECT_EQ(desktop.shellCalls.size(), 5u);
  EXPECT_FALSE(State().gameActive);

  Trigger("HelpContentsMenuItem");
  ASSERT_EQ(desktop.shellCalls.size(), 6u);
  EXPECT_EQ(desktop.shellCalls.back().showMode, 5);
}

TEST_F(WindowTest, UndoFollowsTheRules) {
  Start();
  Trigger("MenuGameNewItem");
  const int first = State().currentCard();
  PlaceAt(3, 2);
  EXPECT_TRUE(Action("MenuGameUndoItem")->isEnabled());
  Trigger("MenuGameUndoItem");
  EXPECT_FALSE(Action("MenuGameUndoItem")->isEnabled());
  EXPECT_EQ(State().currentCard(), first);
  EXPECT_EQ(State().board[3][2], kEmptySlotCode);
  // The emptied slot is drawn at once: table colour inside a white outline.
  const Point o = CellOrigin(Geometry(), 3, 2);
  EXPECT_EQ(Pixel(o.x + 30, o.y + 30), kGreen);
  EXPECT_EQ(Pixel(o.x, o.y + 30), QColor(255, 255, 255));
}

TEST_F(WindowTest, AWholeGameByClicksEntersTheTopFive) {
  desktop.answerText = [](const QString&) { return QStringLiteral("Ada"); };
  Start();
  Seed(5);  // a deal whose reading-order game scores above 0
  Click(40, 40);
  int placements = 0;
  for (int r = 1; r <= 5; ++r)
    for (int c = 2; c <= 6; ++c) {
      PlaceAt(c, r);
      ++placements;
    }
  EXPECT_EQ(placements, 25);
  EXPECT_FALSE(State().gameActive);
  EXPECT_EQ(State().deckSlot(), kNextGameTileCode);
  ASSERT_GT(State().totalScore, 0);
  ASSERT_EQ(desktop.prompts.size(), 1);
  EXPECT_EQ(desktop.prompts[0],
            "New High Score|Please enter your name:|Please enter your name!|"
            "Your score of " +
                QString::number(State().totalScore) + " enters the Top 5 list");
  const SettingsRecord stored = Stored();
  EXPECT_EQ(stored.HighName(1), "Ada");
  EXPECT_EQ(stored.HighScore(1), State().totalScore);
  EXPECT_EQ(stored.LastName(), "Ada");
  EXPECT_EQ(store->writes, 1);
  Flush();
  // The yellow next-game tile covers the deck, and a press on it deals the next game.
  EXPECT_EQ(Pixel(20, 50), QColor(255, 255, 0));
  Press(40, 40);
  EXPECT_TRUE(State().gameActive);
}

TEST_F(WindowTest, AFailedSaveIsShownAndTheWindowStillCloses) {
  Start();
  store->failWrites = true;
  Trigger("MenuOptionsResetHighItem");
  ASSERT_EQ(desktop.confirms.size(), 1);
  EXPECT_EQ(desktop.confirms[0], "Confirm|Do you really want to reset the High Scores?");
  ASSERT_EQ(desktop.messages.size(), 1);
  EXPECT_TRUE(desktop.messages[0].endsWith("|Failed to set data for 'fRegInfo'"));

  Trigger("MenuGameQuitItem");  // Quit stops at the failed save...
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(desktop.messages.size(), 2);
  form->close();  // ...but the close box always closes
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(desktop.messages.size(), 3);
}

}  // namespace
}  // namespace marnelok::testing
