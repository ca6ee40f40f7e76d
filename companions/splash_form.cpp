// SPDX-License-Identifier: GPL-3.0-or-later
// The splash and About window.
#include "splash_form.h"

#include <QKeyEvent>
#include <QPixmap>
#include <QWindow>

#include "desktop.h"
#include "sharp_picture.h"
#include "ui_splash_form.h"
#include "web_pages.h"
#include "window_look.h"

namespace marnelok {

TsplashForm::TsplashForm(QWidget* owner, Mode mode, Desktop& desktop)
    : QDialog(owner), ui_(std::make_unique<Ui::TsplashForm>()), mode_(mode), desktop_(desktop) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFixedSize(280, 140);
  ApplyLook();
  ApplyMode();

  connect(ui_->Image1, &ClickLabel::clicked, this, &TsplashForm::Image1Click);
  connect(ui_->btnClose, &QToolButton::clicked, this, &TsplashForm::btnCloseClick);
  connect(ui_->Label3, &ClickLabel::clicked, this, &TsplashForm::Label3Click);
}

TsplashForm::~TsplashForm() = default;

void TsplashForm::ApplyLook() {
  SetBackground(*this, palette().color(QPalette::Button));
  setFont(PixelFont(11));

  // A missing picture leaves the plain button-face background. The label fills itself with
  // the picture, resampled to the screen's pixels at ratios between 1 and 2.
  ui_->Image1->setPixmap(
      QPixmap::fromImage(SharpPicture(QStringLiteral("SPLASH"), devicePixelRatioF())));

  ui_->btnClose->setFont(PixelFont(11, true));
  ui_->lblEval->setFont(PixelFont(13, true));
  SetTextColor(*ui_->lblEval, QColor(0, 0, 255));
  ui_->lblProduct->setFont(PixelFont(16, true));
  // The title lies on the picture, whose pale colours are its own whatever the system's.
  SetTextColor(*ui_->lblProduct, Qt::black);

  ui_->Label3->setText(HomePage());
  MakeLink(*ui_->Label3, 11);
  FitToText(*ui_->Label3);
}

void TsplashForm::ApplyMode() {
  //: Under the product's name on the splash and About window: one line of at most 265 pixels.
  ui_->lblEval->setText(tr("Freeware Edition"));
  ui_->btnClose->setVisible(mode_ == Mode::kAbout);
  if (mode_ == Mode::kAbout) {
    ui_->btnClose->setFocus();
  } else {
    // The link only looks like one, and is reached like one, where it works.
    ui_->Label3->unsetCursor();
    ui_->Label3->setFocusPolicy(Qt::NoFocus);
  }
}

void TsplashForm::ShowOverOwner() {
  QWidget* owner = parentWidget();
  if (owner != nullptr && desktop_.OnXWayland()) {
    // A part of the owner's own window: it shows with its owner, and no compositor places it.
    setWindowFlags(Qt::Widget);
    inside_ = true;
    show();
    raise();
    return;
  }
  if (desktop_.CanMoveWindows() || owner == nullptr) {
    show();
    return;
  }
  // Only a popup is placed by the program, relative to its parent, so that every compositor
  // shows it over the table; Qt makes a tool-tip window with a parent one. It needs no
  // keyboard: a click ends it.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  popup_ = true;
  const QWindow* ownerWindow = owner->windowHandle();
  if (ownerWindow != nullptr && ownerWindow->isExposed()) {
    show();
    return;
  }
  awaitingOwner_ = true;
  owner->installEventFilter(this);
}

bool TsplashForm::eventFilter(QObject* watched, QEvent* event) {
  QWidget* owner = parentWidget();
  if (awaitingOwner_ && owner != nullptr) {
    // The owner's native window exists from its show event on; it is on screen at its first
    // exposure, whose paint the owner commits before the queued show runs.
    if (watched == owner && event->type() == QEvent::Show && owner->windowHandle() != nullptr) {
      owner->removeEventFilter(this);
      owner->windowHandle()->installEventFilter(this);
    } else if (watched == owner->windowHandle() && event->type() == QEvent::Expose &&
               owner->windowHandle()->isExposed()) {
      owner->windowHandle()->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [this] {
            if (!awaitingOwner_) return;
            awaitingOwner_ = false;
            show();
          },
          Qt::QueuedConnection);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TsplashForm::closeEvent(QCloseEvent* event) {
  awaitingOwner_ = false;
  QDialog::closeEvent(event);
}

void TsplashForm::showEvent(QShowEvent* event) {
  if (inside_) {
    move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
  } else if (popup_) {
    // A popup's place counts from its parent's, as Qt has them; the screen plays no part.
    const QRect owner = parentWidget()->windowHandle()->geometry();
    move(owner.center() - QPoint(width() / 2, height() / 2));
  } else {
    CentreOver(*this, parentWidget());
  }
  QDialog::showEvent(event);
}

// A click on the picture or on "X" ends the window, and so does Enter or Space on "X" (Space
// presses any button); a dialog's Escape would reject it.
void TsplashForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape) {
    event->accept();
    return;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focusWidget() == ui_->btnClose) {
    event->accept();
    ui_->btnClose->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TsplashForm::Image1Click() { close(); }

void TsplashForm::btnCloseClick() { close(); }

void TsplashForm::Label3Click() {
  if (mode_ == Mode::kAbout) desktop_.ShellOpen(HomePage(), QString(), QString(), 5);
}

}  // namespace marnelok
