// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window that shows while the program starts, and the same window as the modal
// About box with a close button and a working home-page link.
//
// It is a frameless QDialog, a transient child of its owner: the main window shows the
// start-up splash with ShowOverOwner() and runs the About box with Desktop::ExecModal. Closing
// it only hides it (and ends exec()); its owner releases it with deleteLater().
#pragma once

#include <QDialog>
#include <memory>

namespace marnelok {

class Desktop;
namespace Ui {
class TsplashForm;
}

class TsplashForm : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kStartup, kAbout };

  TsplashForm(QWidget* owner, Mode mode, Desktop& desktop);
  ~TsplashForm() override;

  // Shows the window without waiting, over its owner. Where the desktop places windows itself
  // (Wayland), it is a popup of its owner, and a child shows over its parent only once the
  // parent is on screen: the window then appears right after its owner's first frame. A
  // close before that cancels it. Under XWayland, where a compositor may put a new window in a
  // corner whatever place it asks for, it is drawn inside its owner instead, over its middle.
  void ShowOverOwner();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyLook();
  void ApplyMode();
  void Image1Click();
  void btnCloseClick();
  void Label3Click();

  std::unique_ptr<Ui::TsplashForm> ui_;
  const Mode mode_;
  Desktop& desktop_;
  bool inside_ = false;         // a child widget of its owner, as under XWayland
  bool popup_ = false;          // placed relative to its owner, as on Wayland
  bool awaitingOwner_ = false;  // ShowOverOwner waits for the owner's first exposure
};

}  // namespace marnelok
