// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window that shows while the program starts, and the same window as the modal
// About box with a close button and a working home-page link.
//
// It is a frameless QDialog, so the main window shows the start-up splash with show() and
// runs the About box with Desktop::ExecModal. Closing it only hides it (and ends exec());
// its owner releases it with deleteLater().
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

 protected:
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
};

}  // namespace marnelok
