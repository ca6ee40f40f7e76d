// The main window: the table, its menus, start-up, input routing, and the requests that the
// game rules make of the window.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "card_images.h"
#include "game.h"
#include "settings_record.h"
#include "splash_form.h"
#include "table_look.h"
#include "table_requests.h"

namespace Ui {
class TMarnelokForm;
}

namespace marnelok {

class Canvas;
class Desktop;
class DonateReminder;
class PaintBox;
class RecordStore;
class TablePainter;

class TMarnelokForm : public QMainWindow, private TableRequests {
  Q_OBJECT

 public:
  // Runs the start-up sequence (FormCreate). The desktop, the record store and the donation
  // reminder outlive the window.
  TMarnelokForm(Desktop& desktop, RecordStore& store, DonateReminder& donate,
                QWidget* parent = nullptr);
  ~TMarnelokForm() override;

  // Read access for tests and benchmarks.
  const GameState& state() const { return game_.state(); }
  const TableGeometry& tableGeometry() const { return game_.geometry(); }
  const SettingsRecord& record() const { return record_; }
  PaintBox& paintBox() const;
  QAction* action(const char* objectName) const;
  QTimer& timer1() { return Timer1; }
  TsplashForm* splashForm() const { return splashForm_; }

  // Menu handlers, one per command.
  void MenuGameNewItemClick();
  void MenuGameUndoItemClick();
  void MenuGameHighScoresItemClick();
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
  void closeEvent(QCloseEvent* event) override;  // FormClose
  void keyPressEvent(QKeyEvent* event) override; // FormKeyDown
  void showEvent(QShowEvent* event) override;

 private:
  void InitTable();
  void UseLargeCards();
  void UseRegularCards();
  void ApplyCardSize(std::uint8_t largeCards, const TableGeometry& size, const QImage& back,
                     QSize outer);
  void UseAlternateColors();
  void UseNormalColors();
  void ApplyColorScheme(bool alternate);
  void SetOuterSize(int width, int height);
  QSize FrameSize() const;  // 0 x 0 until the window manager has framed the window
  void FitToFrame();
  void CentreOnScreen();
  void LoadRecord();
  void SaveRecord();  // throws SaveFailed when the store refuses the write
  // Runs one event's work; a failure ends the event and is shown in a message box.
  template <typename Work>
  void RunEvent(Work&& work);

  // Requests of the game rules.
  void DrawCell(int code, int column, int row) override;
  void DrawScorePanel() override;
  void DrawWinBanner() override;
  void CheckHighScore() override;
  void InvalidateTable() override;
  void SetUndoEnabled(bool enabled) override;
  bool RegularGameChecked() const override;
  void SetRegularGameChecked(bool checked) override;
  bool HarderGameChecked() const override;
  void SetHarderGameChecked(bool checked) override;
  void Beep() override;

  Desktop& desktop_;
  RecordStore& store_;
  DonateReminder& donate_;
  std::unique_ptr<::Ui::TMarnelokForm> ui_;
  CardImages images_;
  Game game_{*this};
  SettingsRecord record_;
  TableLook look_;
  std::unique_ptr<TablePainter> painter_;
  QTimer Timer1;
  QPointer<TsplashForm> splashForm_;
  QSize wantedOuterSize_;
  bool shownOnce_ = false;
  QTimer frameCheck_;  // after the first show, until the frame is known or the wait is over
  int frameChecksLeft_ = 0;
};

}  // namespace marnelok
