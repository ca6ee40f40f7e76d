// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the table, its menus, start-up, input routing, and the requests that the
// game rules make of the window.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "card_images.h"
#include "deal_commands.h"
#include "display_options.h"
#include "game.h"
#include "game_facts.h"
#include "game_recorder.h"
#include "geometry.h"
#include "outer_size.h"
#include "par_keeper.h"
#include "random.h"
#include "record_keeper.h"
#include "splash_form.h"
#include "statistics_command.h"
#include "table_acts.h"
#include "table_hint.h"
#include "table_look.h"
#include "table_requests.h"
#include "window_place.h"

namespace Ui {
class TMarnelokForm;
}

namespace marnelok {

class Canvas;
class CellFrames;
class DemoPlayer;
class Desktop;
class DonateReminder;
class KeyboardCursor;
class PaintBox;
class RecordStore;
class ReviewCommand;
class TableAccessibility;
class TablePainter;
namespace history {
class GameHistory;
}
namespace testing {
class WindowProbe;
}

class TMarnelokForm : public QMainWindow, private TableRequests, private TableActs {
  Q_OBJECT

 public:
  // Runs the start-up sequence (FormCreate). The desktop, the record store, the donation
  // reminder and the history of games outlive the window.
  TMarnelokForm(Desktop& desktop, RecordStore& store, DonateReminder& donate,
                history::GameHistory& history, QWidget* parent = nullptr);
  ~TMarnelokForm() override;

  // Deals game number `deal` in the current kind (marnelok --deal N).
  void DealNumber(std::uint32_t deal) { deals_->Deal(deal); }
  // Deals today's daily deal (marnelok --daily).
  void DailyDeal() { deals_->Daily(); }

  // Menu handlers, one per command.
  void MenuGameNewItemClick();
  void MenuGameUndoItemClick();
  void MenuGameHintItemClick();
  void MenuGameHighScoresItemClick();
  void MenuGameDemoItemClick();
  void MenuGameExitItemClick();
  void MenuOptionsPlayRegGameItemClick();
  void MenuOptionsHarderGameItemClick();
  void MenuOptionsSetLargeCardsClick();
  void SetAltColorClick();
  void MenuOptionsResetHighItemClick();
  void HelpContentsMenuItemClick();
  void MenuGameAboutItemClick();
  void MakeaDonation1Click();

  void PaintBoxMouseDown(Qt::MouseButton button, int x, int y);
  void PaintBoxMouseUp(Qt::MouseButton button, int x, int y);
  void Timer1Timer();

 protected:
  void closeEvent(QCloseEvent* event) override;   // FormClose
  void keyPressEvent(QKeyEvent* event) override;  // FormKeyDown
  void showEvent(QShowEvent* event) override;

 private:
  friend class testing::WindowProbe;  // the window tests read the state through it

  PaintBox& paintBox() const;
  void InitTable();
  void ShowOptions();  // the check marks of the Options menu, from the choices in use
  void ChooseGameKind(GameKind kind);
  QAction& KindItem(GameKind kind) const;  // the Options menu's item that chooses the kind
  void UseLargeCards();
  void UseRegularCards();
  void ApplyCardSize(bool large);
  void UseAlternateColors();
  void UseNormalColors();
  void ApplyColorScheme(bool alternate);
  void HideTopFivePanel();  // the board comes back in the Top 5 panel's place
  void FollowDemo();        // the demo's frame, the cursor, the recorder and the menu's stops

  // The table's acts, for the mouse, the keys and the demo.
  void PlaceCurrentCard(Cell cell) override;
  void DealFromDeck() override;

  // Requests of the game rules.
  void DrawCell(int code, int column, int row) override;
  void DrawScorePanel() override;
  void DrawWinBanner() override;
  bool CheckHighScore() override;
  void InvalidateTable() override;
  void Beep() override;
  void GameChanging() override;
  void SetUndoEnabled(bool enabled) override;
  void CardCurrent(bool current) override;
  void GameFinished() override;

  Desktop& desktop_;
  DonateReminder& donate_;
  std::unique_ptr<::Ui::TMarnelokForm> ui_;
  CardImages images_;
  RandomSource random_;              // the one generator of the program, seeded at start-up
  GameFacts facts_;                  // what the rules report, for whatever follows the game
  Game game_{*this, random_};        // also the one owner of the game kind
  DisplayOptions options_{images_};  // card size, colours, card back; read by all that draw
  RecordKeeper settings_;            // the settings record and its Top 5 list
  std::unique_ptr<TablePainter> painter_;
  std::unique_ptr<CellFrames> frames_;  // the hint's and the demo's frames on their cells
  QTimer Timer1;
  QPointer<TsplashForm> splashForm_;
  OuterSize outerSize_{*this};
  GameRecorder recorder_;  // every game into the history, once it is finished or left
  QString topFivePlayer_;  // the name entered at the last Top 5 prompt, until the game is kept
  ParKeeper pars_;         // the advisor's total on each deal kept
  WindowPlaces places_;    // where the Statistics and review windows open
  std::unique_ptr<DealCommands> deals_;
  std::unique_ptr<StatisticsCommand> statistics_;
  std::unique_ptr<ReviewCommand> review_;
  // The keyboard and the screen reader's view of the table; they read the members above and
  // go before them.
  std::unique_ptr<KeyboardCursor> cursor_;
  std::unique_ptr<TableAccessibility> speech_;
  std::unique_ptr<DemoPlayer> demo_;  // it follows the game and frames on the painter
  TableHint hint_;                    // last: its worker ends before anything else goes
};

}  // namespace marnelok
