// The main window: start-up, input routing, the game and Top 5 commands, Quit and close,
// and the requests of the game rules. The display options live in display_options.cpp.
#include "marnelok_form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "canvas.h"
#include "desktop.h"
#include "donate_reminder.h"
#include "help.h"
#include "name_text.h"
#include "paint_box.h"
#include "random.h"
#include "record_store.h"
#include "save_failed.h"
#include "settings_store.h"
#include "splash_form.h"
#include "table_painter.h"
#include "top_five.h"
#include "ui_marnelok_form.h"

namespace marnelok {
namespace {

// The name prompt of a new high score, asked through the desktop.
class DesktopNamePrompt : public NamePrompt {
 public:
  DesktopNamePrompt(Desktop& desktop, QWidget* owner) : desktop_(desktop), owner_(owner) {}
  std::string AskName(const std::string& initial) override {
    const QString answer = desktop_.AskText(owner_, QStringLiteral("New High Score"),
                                            QStringLiteral("Please enter your name:"),
                                            NameToQString(initial));
    return NameFromQString(answer);
  }

 private:
  Desktop& desktop_;
  QWidget* owner_;
};

}  // namespace

TMarnelokForm::TMarnelokForm(Desktop& desktop, RecordStore& store, DonateReminder& donate,
                             QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      store_(store),
      donate_(donate),
      ui_(std::make_unique<::Ui::TMarnelokForm>()) {
  ui_->setupUi(this);
  Timer1.setObjectName(QStringLiteral("Timer1"));
  // A coarse timer may fire up to 5% early; the splash stays for its full 1500 ms.
  Timer1.setTimerType(Qt::PreciseTimer);

  look_.topFive = [this](int k) {
    return TopFiveEntry{NameToQString(record_.HighName(k)), record_.HighScore(k)};
  };
  look_.screenWidth = desktop_.ScreenWidth();
  painter_ = std::make_unique<TablePainter>(paintBox().canvas(), game_.state(),
                                            game_.geometry(), images_, look_);
  paintBox().SetSystemRepaint([this] { painter_->SystemRepaint(); });

  connect(&paintBox(), &PaintBox::pressed, this, &TMarnelokForm::PaintBoxMouseDown);
  connect(&paintBox(), &PaintBox::released, this, &TMarnelokForm::PaintBoxMouseUp);
  connect(&Timer1, &QTimer::timeout, this, &TMarnelokForm::Timer1Timer);
  connect(&frameCheck_, &QTimer::timeout, this, &TMarnelokForm::FitToFrame);
  const struct {
    QAction* action;
    void (TMarnelokForm::*handler)();
  } commands[] = {
      {ui_->MenuGameNewItem, &TMarnelokForm::MenuGameNewItemClick},
      {ui_->MenuGameUndoItem, &TMarnelokForm::MenuGameUndoItemClick},
      {ui_->MenuGameHighScoresItem, &TMarnelokForm::MenuGameHighScoresItemClick},
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
    // The check marks are the handlers' to set: a click must not toggle them first.
    if (c.action->isCheckable()) {
      const bool checked = c.action->isChecked();
      connect(c.action, &QAction::triggered, this, [this, action = c.action, handler = c.handler] {
        action->setChecked(!action->isChecked());
        (this->*handler)();
      });
      c.action->setChecked(checked);
    } else {
      connect(c.action, &QAction::triggered, this, c.handler);
    }
  }
  connect(ui_->MenuOptionsAltColorsItem, &QAction::toggled, this,
          [this](bool on) { look_.altColors = on; });
  connect(ui_->MenuOptionsSetLargeCards, &QAction::toggled, this,
          [this](bool on) { look_.largeCards = on; });

  // FormCreate.
  images_ = LoadCardImages();
  SeedRandom();
  LoadRecord();
  setWindowTitle(QStringLiteral("Marnelok 8.00 - Freeware Edition - Marnelok for Windows"));
  splashForm_ = new TsplashForm(this, TsplashForm::Mode::kStartup, desktop_);
  splashForm_->show();
  Timer1.setInterval(1500);
  Timer1.start();
  InitTable();
}

TMarnelokForm::~TMarnelokForm() = default;

PaintBox& TMarnelokForm::paintBox() const { return *ui_->PaintBox; }

QAction* TMarnelokForm::action(const char* objectName) const {
  return findChild<QAction*>(QString::fromLatin1(objectName));
}

void TMarnelokForm::InitTable() {
  GameState& s = game_.state();
  game_.InitState();
  s.regularGame = record_.PlayRegular() != 0;
  ui_->MenuOptionsPlayRegGameItem->setChecked(record_.PlayRegular() != 0);
  ui_->MenuOptionsHarderGameItem->setChecked(record_.PlayRegular() == 0);
  ui_->MenuOptionsAltColorsItem->setChecked(record_.AltColors() != 0);
  if (record_.LargeCards() != 0)
    UseLargeCards();
  else
    UseRegularCards();
  ui_->MenuOptionsSetLargeCards->setChecked(record_.LargeCards() != 0);
  game_.geometry().rowPitch = game_.geometry().cardHeight + 2;
  if (record_.AltColors() != 0)
    UseAlternateColors();
  else
    UseNormalColors();
  // Reading the record again undoes in memory a refused request for large cards, so that a
  // later save keeps asking for them.
  LoadRecord();
}

// ---- Input ----

void TMarnelokForm::PaintBoxMouseDown(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton) return;
  const GameState& s = game_.state();
  if (s.showingHighScores || s.gameActive) return;
  const TableGeometry& g = game_.geometry();
  if (x > 10 && x < g.cardWidth + 10 && y > 10 && y < g.cardHeight + 10)
    RunEvent([this] { game_.NewGame(); });
}

void TMarnelokForm::PaintBoxMouseUp(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton) return;
  GameState& s = game_.state();
  if (s.showingHighScores) {
    paintBox().Invalidate();
    s.showingHighScores = false;
    painter_->PaintBoxPaint();
    painter_->DrawBoard();
    return;
  }
  if (s.gameActive) RunEvent([this, x, y] { game_.PlaceCard(x, y); });
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

void TMarnelokForm::MenuGameNewItemClick() {
  RunEvent([this] { game_.NewGame(); });
}

void TMarnelokForm::MenuGameUndoItemClick() { game_.MenuGameUndoItemClick(); }

void TMarnelokForm::MenuOptionsPlayRegGameItemClick() {
  RunEvent([this] { game_.MenuOptionsPlayRegGameItemClick(); });
}

void TMarnelokForm::MenuOptionsHarderGameItemClick() {
  RunEvent([this] { game_.MenuOptionsHarderGameItemClick(); });
}

// ---- Settings and high scores ----

void TMarnelokForm::LoadRecord() { LoadSettings(record_, store_); }

void TMarnelokForm::SaveRecord() {
  if (auto error = SaveSettings(record_, store_)) throw SaveFailed(*error);
}

template <typename Work>
void TMarnelokForm::RunEvent(Work&& work) {
  try {
    work();
  } catch (const SaveFailed& e) {
    desktop_.ShowMessage(this, QStringLiteral("Marnelok"), QString::fromStdString(e.what()));
  }
}

void TMarnelokForm::CheckHighScore() {
  DesktopNamePrompt prompt(desktop_, nullptr);  // centred on the screen, like the reset question
  EnterHighScore(record_, game_.state().totalScore, prompt);
  SaveRecord();
  painter_->DrawBoard();
}

void TMarnelokForm::MenuGameHighScoresItemClick() {
  LoadRecord();
  painter_->DrawTopFivePanel();
  painter_->DrawWinBanner();
}

void TMarnelokForm::MenuOptionsResetHighItemClick() {
  if (!desktop_.Confirm(nullptr, QStringLiteral("Confirm"),
                        QStringLiteral("Do you really want to reset the High Scores?")))
    return;
  ResetHighScores(record_);
  RunEvent([this] { SaveRecord(); });
}

void TMarnelokForm::MenuGameExitItemClick() {
  RunEvent([this] {
    record_.SetPlayRegular(ui_->MenuOptionsPlayRegGameItem->isChecked() ? 1 : 0);
    record_.SetAltColors(ui_->MenuOptionsAltColorsItem->isChecked() ? 1 : 0);
    record_.SetLargeCards(ui_->MenuOptionsSetLargeCards->isChecked() ? 1 : 0);
    SaveRecord();
    close();
  });
}

void TMarnelokForm::closeEvent(QCloseEvent* event) {
  donate_.CheckDonateReminder(this);
  // The window always closes; a failed save is still shown.
  RunEvent([this] { SaveRecord(); });
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

void TMarnelokForm::DrawCell(int code, int column, int row) { painter_->DrawCell(code, column, row); }
void TMarnelokForm::DrawScorePanel() { painter_->DrawScorePanel(); }
void TMarnelokForm::DrawWinBanner() { painter_->DrawWinBanner(); }
void TMarnelokForm::InvalidateTable() { paintBox().Invalidate(); }
void TMarnelokForm::SetUndoEnabled(bool enabled) { ui_->MenuGameUndoItem->setEnabled(enabled); }
bool TMarnelokForm::RegularGameChecked() const { return ui_->MenuOptionsPlayRegGameItem->isChecked(); }
void TMarnelokForm::SetRegularGameChecked(bool checked) {
  ui_->MenuOptionsPlayRegGameItem->setChecked(checked);
}
bool TMarnelokForm::HarderGameChecked() const { return ui_->MenuOptionsHarderGameItem->isChecked(); }
void TMarnelokForm::SetHarderGameChecked(bool checked) {
  ui_->MenuOptionsHarderGameItem->setChecked(checked);
}
void TMarnelokForm::Beep() { desktop_.Beep(); }

}  // namespace marnelok
