// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, input routing, the game and Top 5 commands, Quit and close,
// and the requests of the game rules. The display options live in display_options.cpp.
#include "marnelok_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSessionManager>
#include <chrono>
#include <utility>

#include "canvas.h"
#include "cell_frames.h"
#include "command_states.h"
#include "demo_player.h"
#include "desktop.h"
#include "donate_reminder.h"
#include "help.h"
#include "keyboard_cursor.h"
#include "paint_box.h"
#include "review_command.h"
#include "splash_form.h"
#include "table_accessible.h"
#include "table_painter.h"
#include "ui_marnelok_form.h"

namespace marnelok {

TMarnelokForm::TMarnelokForm(Desktop& desktop, RecordStore& store, DonateReminder& donate,
                             history::GameHistory& history, QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      donate_(donate),
      ui_(std::make_unique<::Ui::TMarnelokForm>()),
      settings_(store, desktop, options_, this),
      recorder_(game_, facts_, history, desktop, this),
      pars_(history),
      places_(donate.SettingsPath(), desktop.CanMoveWindows()),
      hint_(game_, static_cast<std::uint64_t>(
                       std::chrono::steady_clock::now().time_since_epoch().count())) {
  ui_->setupUi(this);
  // Any menu command hands the game back from the demo before the command itself runs, so
  // these come before every other handler of the menu's actions.
  demo_ = std::make_unique<DemoPlayer>(game_, facts_, *this, static_cast<TableActs&>(*this));
  for (QAction* action : findChildren<QAction*>())
    if (action != ui_->MenuGameDemoItem)
      connect(action, &QAction::triggered, demo_.get(), &DemoPlayer::Stop);
  Timer1.setObjectName(QStringLiteral("Timer1"));
  // A coarse timer may fire up to 5% early; the splash stays for its full 1500 ms.
  Timer1.setTimerType(Qt::PreciseTimer);

  options_.SetScreenWidth(desktop_.ScreenWidth());
  painter_ =
      std::make_unique<TablePainter>(paintBox().canvas(), game_.state(), options_.Geometry(),
                                     images_, options_.Look(), settings_.TopFive(), hint_.Shown());
  paintBox().SetSystemRepaint([this] { painter_->SystemRepaint(); });
  cursor_ = std::make_unique<KeyboardCursor>(
      paintBox(), game_.state(), options_.Geometry(), painter_->TopFiveShown(),
      KeyboardCursor::Commands{ui_->MenuGameNewItem, ui_->MenuGameUndoItem, ui_->MenuGameHintItem,
                               this});
  speech_ = std::make_unique<TableAccessibility>(
      paintBox(), TableSource{game_.state(), options_.Geometry(), settings_.TopFive(), *cursor_,
                              painter_->RowPitch(), painter_->TopFiveShown()});

  connect(&paintBox(), &PaintBox::pressed, this, &TMarnelokForm::PaintBoxMouseDown);
  connect(&paintBox(), &PaintBox::released, this, &TMarnelokForm::PaintBoxMouseUp);
  connect(&Timer1, &QTimer::timeout, this, &TMarnelokForm::Timer1Timer);
  FollowGameFacts(facts_, *ui_->MenuGameUndoItem, *ui_->MenuGameHintItem);
  connect(&facts_, &GameFacts::changing, &hint_, &TableHint::Drop);
  // The hint's and the demo's frames are drawn and erased in one place; one on a cell that the
  // Top 5 panel covers is drawn with the board when the panel goes.
  frames_ = std::make_unique<CellFrames>(game_, *painter_, this);
  frames_->Follow(hint_, &TableHint::Shown, TablePainter::CellFrame::kHint);
  // Hint and then Enter plays the advised cell.
  connect(&hint_, &TableHint::frameShown, cursor_.get(),
          [this] { cursor_->MoveTo(*hint_.Shown()); });
  // A screen reader hears what changed once the change is done.
  connect(&facts_, &GameFacts::changing, speech_.get(), &TableAccessibility::Changed);
  connect(&facts_, &GameFacts::topFiveShown, speech_.get(), &TableAccessibility::Changed);
  connect(&hint_, &TableHint::frameShown, speech_.get(),
          [this] { speech_->SayHint(*hint_.Shown()); });
  connect(&hint_, &TableHint::asked, &recorder_, &GameRecorder::HintAsked);
  // The desktop session may end the program without closing the window; the games are
  // written all the same, and told lost where they cannot be.
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, &recorder_,
          [this](QSessionManager& session) {
            recorder_.SessionEnding([&session] { return session.allowsInteraction(); });
          });
#endif
  connect(qApp, &QCoreApplication::aboutToQuit, &recorder_, [this] {
    pars_.Stop();
    recorder_.Closing(false);
  });
  FollowDemo();
  deals_ = std::make_unique<DealCommands>(game_, facts_, options_.Geometry(), desktop_, paintBox(),
                                          *ui_->MenuGameReplayItem, [this] { ShowOptions(); });
  statistics_ = std::make_unique<StatisticsCommand>(
      history, desktop_, *this, places_,
      [this](std::uint32_t deal, GameKind kind) {
        demo_->Stop();
        deals_->Deal(deal, kind);
        activateWindow();
      },
      [this](std::int64_t id) {
        pars_.FillIn();
        review_->Open(id);
      });
  review_ = std::make_unique<ReviewCommand>(
      history, desktop_, *this, ReviewLook{options_.Geometry(), options_.Look(), images_},
      *ui_->MenuGame, *ui_->MenuGameReviewItem, places_);
  recorder_.OnKept([this] {
    if (statistics_) statistics_->GameKept();
  });
  connect(ui_->MenuGameReviewItem, &QAction::triggered, this, [this] {
    pars_.FillIn();
    review_->Open(history::kNewestFinished);
  });
  connect(ui_->MenuGameSelectDealItem, &QAction::triggered, deals_.get(),
          &DealCommands::SelectDeal);
  connect(ui_->MenuGameReplayItem, &QAction::triggered, deals_.get(), &DealCommands::Replay);
  connect(ui_->MenuGameDailyItem, &QAction::triggered, this, [this] { deals_->Daily(); });
  recorder_.SetParKeeper(&pars_);
  // An open Statistics window shows each par as it comes.
  pars_.OnStored([this] {
    if (QWidget* window = statistics_->Window(); window != nullptr && window->isVisible())
      QMetaObject::invokeMethod(window, "Reload", Qt::QueuedConnection);
  });
  deals_->SetParLookup([this](std::uint32_t deal, GameKind kind) {
    return pars_.Known({deal, kind});
  });
  connect(ui_->MenuGameStatisticsItem, &QAction::triggered, this, [this] {
    pars_.FillIn();
    statistics_->Open();
  });
  const struct {
    QAction* action;
    void (TMarnelokForm::*handler)();
  } commands[] = {
      {ui_->MenuGameNewItem, &TMarnelokForm::MenuGameNewItemClick},
      {ui_->MenuGameUndoItem, &TMarnelokForm::MenuGameUndoItemClick},
      {ui_->MenuGameHintItem, &TMarnelokForm::MenuGameHintItemClick},
      {ui_->MenuGameHighScoresItem, &TMarnelokForm::MenuGameHighScoresItemClick},
      {ui_->MenuGameDemoItem, &TMarnelokForm::MenuGameDemoItemClick},
      {ui_->MenuGameQuitItem, &TMarnelokForm::MenuGameExitItemClick},
      {ui_->MenuOptionsPlayRegGameItem, &TMarnelokForm::MenuOptionsPlayRegGameItemClick},
      {ui_->MenuOptionsHarderGameItem, &TMarnelokForm::MenuOptionsHarderGameItemClick},
      {ui_->MenuOptionsSetLargeCards, &TMarnelokForm::MenuOptionsSetLargeCardsClick},
      {ui_->MenuOptionsAltColorsItem, &TMarnelokForm::SetAltColorClick},
      {ui_->MenuOptionsResetHighItem, &TMarnelokForm::MenuOptionsResetHighItemClick},
      {ui_->HelpContentsMenuItem, &TMarnelokForm::HelpContentsMenuItemClick},
      {ui_->AboutMarnelok1, &TMarnelokForm::MenuGameAboutItemClick},
      {ui_->MakeaDonation1, &TMarnelokForm::MakeaDonation1Click},
  };
  for (const auto& c : commands) {
    // The check marks only show the options: the toggle of a click is undone before the
    // handler decides.
    if (c.action->isCheckable()) {
      connect(c.action, &QAction::triggered, this, [this, handler = c.handler] {
        ShowOptions();
        (this->*handler)();
      });
    } else {
      connect(c.action, &QAction::triggered, this, c.handler);
    }
  }

  // FormCreate.
  images_ = LoadCardImages();
  random_.SeedRandom();
  settings_.Load();
  //: The main window's title.
  setWindowTitle(tr("Marnelok 8.00 - Freeware Edition - Marnelok for Windows"));
  splashForm_ = new TsplashForm(this, TsplashForm::Mode::kStartup, desktop_);
  splashForm_->ShowOverOwner();
  Timer1.setInterval(1500);
  Timer1.start();
  InitTable();
}

TMarnelokForm::~TMarnelokForm() = default;

PaintBox& TMarnelokForm::paintBox() const { return *ui_->PaintBox; }

void TMarnelokForm::InitTable() {
  game_.InitState();
  const SettingsRecord& record = settings_.Record();
  game_.SetKind(record.PlayRegular() != 0 ? GameKind::kRegular : GameKind::kThrowDown);
  const bool altColors = record.AltColors() != 0;
  // A screen too small for large cards leaves the request in the record for the next start.
  if (options_.LargeAsked())
    UseLargeCards();
  else
    UseRegularCards();
  ShowOptions();
  painter_->SetRowPitch(options_.Geometry().cardHeight + 2);
  if (altColors)
    UseAlternateColors();
  else
    UseNormalColors();
}

void TMarnelokForm::ShowOptions() {
  for (GameKind kind : kGameKinds) KindItem(kind).setChecked(kind == game_.state().kind);
  ui_->MenuOptionsSetLargeCards->setChecked(options_.LargeInUse());
  ui_->MenuOptionsAltColorsItem->setChecked(options_.Look().altColors);
}

// ---- Input ----

void TMarnelokForm::PaintBoxMouseDown(Qt::MouseButton button, int x, int y) {
  if (button == Qt::LeftButton && DeckArea(options_.Geometry()).Contains(x, y)) DealFromDeck();
}

// While the Top 5 panel shows, a release anywhere closes it: the cell under it does not matter.
void TMarnelokForm::PaintBoxMouseUp(Qt::MouseButton button, int x, int y) {
  if (button == Qt::LeftButton) PlaceCurrentCard(CellAt(options_.Geometry(), x, y));
}

void TMarnelokForm::PlaceCurrentCard(Cell cell) {
  const GameState& s = game_.state();
  if (painter_->TopFiveShown()) {
    HideTopFivePanel();
    return;
  }
  if (s.gameActive) game_.PlaceCard(cell.column, cell.row);
}

void TMarnelokForm::DealFromDeck() {
  const GameState& s = game_.state();
  if (!painter_->TopFiveShown() && !s.gameActive) game_.NewGame();
}

void TMarnelokForm::HideTopFivePanel() {
  paintBox().Invalidate();
  painter_->SetTopFiveShown(false);
  painter_->PaintBoxPaint();
  painter_->DrawBoard();
  emit facts_.topFiveShown(false);
}

void TMarnelokForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    event->accept();
    HelpContentsMenuItemClick();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// ---- Game commands ----

void TMarnelokForm::MenuGameNewItemClick() { game_.NewGame(); }

void TMarnelokForm::MenuGameUndoItemClick() { game_.Undo(); }

void TMarnelokForm::MenuOptionsPlayRegGameItemClick() { ChooseGameKind(GameKind::kRegular); }

void TMarnelokForm::MenuOptionsHarderGameItemClick() { ChooseGameKind(GameKind::kThrowDown); }

QAction& TMarnelokForm::KindItem(GameKind kind) const {
  switch (kind) {
    case GameKind::kRegular:
      return *ui_->MenuOptionsPlayRegGameItem;
    case GameKind::kThrowDown:
      break;
  }
  return *ui_->MenuOptionsHarderGameItem;
}

// Choosing the kind that is already selected simply starts a new game. The choice reaches
// the record only through Quit.
void TMarnelokForm::ChooseGameKind(GameKind kind) {
  game_.SetKind(kind);
  ShowOptions();
  game_.NewGame();
}

// A hint that stands or is on its way is not asked again.
void TMarnelokForm::MenuGameHintItemClick() { hint_.Ask(); }

// Demo again while the demo plays hands the game back, like any other command.
void TMarnelokForm::MenuGameDemoItemClick() {
  if (demo_->Running()) {
    demo_->Stop();
    return;
  }
  if (painter_->TopFiveShown()) HideTopFivePanel();
  demo_->Start();
}

void TMarnelokForm::FollowDemo() {
  painter_->FollowDemoCell(demo_->Framed());
  frames_->Follow(*demo_, &DemoPlayer::Framed, TablePainter::CellFrame::kAdvised);
  // A player who takes over with the keys starts at the demo's cell.
  connect(demo_.get(), &DemoPlayer::frameShown, cursor_.get(),
          [this] { cursor_->MoveTo(*demo_->Framed()); });
  connect(demo_.get(), &DemoPlayer::placing, &recorder_, &GameRecorder::DemoPlaced);
}

// ---- Settings and high scores ----

bool TMarnelokForm::CheckHighScore() {
  topFivePlayer_ = QString();
  // A game the demo placed cards in enters no Top 5 list, and the record is left as it was.
  if (recorder_.DemoGame()) return true;
  const bool saved = settings_.EnterHighScore(game_.state().totalScore, &topFivePlayer_);
  speech_->SayTopFive(!topFivePlayer_.isNull());
  if (!saved) return false;
  painter_->DrawBoard();
  return true;
}

void TMarnelokForm::MenuGameHighScoresItemClick() {
  settings_.Load();
  painter_->SetTopFiveShown(true);
  painter_->DrawTopFivePanel();
  painter_->DrawWinBanner();
  emit facts_.topFiveShown(true);
}

void TMarnelokForm::MenuOptionsResetHighItemClick() {
  if (!desktop_.Confirm(nullptr, tr("Confirm"), tr("Do you really want to reset the High Scores?")))
    return;
  settings_.ResetHighScores();
  settings_.Save();
}

void TMarnelokForm::MenuGameExitItemClick() {
  options_.AskLarge(options_.LargeInUse());  // Quit stores the size in use
  settings_.SetOptions(game_.state().kind, options_.Look().altColors);
  if (settings_.Save()) close();
}

void TMarnelokForm::closeEvent(QCloseEvent* event) {
  demo_->Stop();   // no card is placed while the window closes
  hint_.Cancel();  // the worker stops now; the window's end waits only for that
  pars_.Stop();    // first: the game kept now gets its par when a window next needs it
  recorder_.Closing();
  donate_.CheckDonateReminder(this);
  settings_.Save();  // the window always closes; a failed save is still shown
  event->accept();
}

// ---- Companions ----

void TMarnelokForm::HelpContentsMenuItemClick() { OpenHelp(desktop_); }

void TMarnelokForm::Timer1Timer() {
  Timer1.stop();
  if (splashForm_) {
    splashForm_->close();
    splashForm_->deleteLater();
  }
}

void TMarnelokForm::MenuGameAboutItemClick() {
  Timer1.stop();
  splashForm_ = new TsplashForm(this, TsplashForm::Mode::kAbout, desktop_);
  // Released however the modal display ends.
  struct Release {
    QPointer<TsplashForm> form;
    ~Release() {
      if (form) form->deleteLater();
    }
  } release{splashForm_};
  desktop_.ExecModal(*splashForm_);
}

void TMarnelokForm::MakeaDonation1Click() { donate_.ShowDonateForm(this); }

// ---- Requests of the game rules ----

void TMarnelokForm::DrawCell(int code, int column, int row) {
  painter_->DrawCell(code, column, row);
}
void TMarnelokForm::DrawScorePanel() { painter_->DrawScorePanel(); }
void TMarnelokForm::DrawWinBanner() { painter_->DrawWinBanner(); }
void TMarnelokForm::InvalidateTable() { paintBox().Invalidate(); }
void TMarnelokForm::Beep() { desktop_.Beep(); }
// The facts go on to whoever follows the game.
void TMarnelokForm::GameChanging() { emit facts_.changing(); }
void TMarnelokForm::SetUndoEnabled(bool enabled) { emit facts_.undoPossible(enabled); }
void TMarnelokForm::CardCurrent(bool current) { emit facts_.cardCurrent(current); }
void TMarnelokForm::GameFinished() { emit facts_.finished(std::exchange(topFivePlayer_, {})); }

}  // namespace marnelok
