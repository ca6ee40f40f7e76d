// SPDX-License-Identifier: GPL-3.0-or-later
// The "Make a Donation" dialog.
#include "donate_form.h"

#include <QButtonGroup>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>

#include "desktop.h"
#include "donate_words.h"
#include "glyph_icon.h"
#include "sharp_picture.h"
#include "ui_donate_form.h"
#include "web_pages.h"
#include "window_look.h"

namespace marnelok {
namespace {

const QColor kDialogGreen(192, 220, 192);
const QColor kPanelCream(255, 251, 240);

}  // namespace

TDonateForm::TDonateForm(QWidget* owner, Desktop& desktop, CloseHandler onClose)
    : QDialog(owner),
      ui_(std::make_unique<Ui::TDonateForm>()),
      desktop_(desktop),
      onClose_(std::move(onClose)) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(366, 473);

  items_ = new QButtonGroup(this);
  const std::array<QAbstractButton*, kItemCount> buttons = {
      ui_->rbItem0, ui_->rbItem1, ui_->rbItem2, ui_->rbItem3, ui_->rbItem4};
  for (int i = 0; i < kItemCount; ++i) items_->addButton(buttons[i], i);

  ApplyLook();
  connect(ui_->ntmOK, &QPushButton::clicked, this, &TDonateForm::ntmOKClick);
  connect(ui_->lblHomePage, &ClickLabel::clicked, this, &TDonateForm::lblHomePageClick);
  FormCreate();
}

TDonateForm::~TDonateForm() = default;

QString TDonateForm::FirstParagraph(const QString& siteName) {
  //: %1 is the maker's site, "www.marnelok.example". At most three lines in the dialog.
  return tr("Donations help offset the cost of running %1 and allow you to say \"thank you for a "
            "job well done\". ")
      .arg(siteName);
}

void TDonateForm::ApplyLook() {
  SetBackground(*this, kDialogGreen);
  setFont(PixelFont(11));

  // A missing picture leaves the dialog's own background. On a scaled screen the label fills
  // itself with the picture, so Qt resamples it smoothly to the screen's pixels.
  const qreal ratio = devicePixelRatioF();
  ui_->Image1->setPixmap(
      QPixmap::fromImage(DonateWords::Over(SharpPicture(QStringLiteral("DONATE"), ratio))));
  if (ratio != 1.0) ui_->Image1->setScaledContents(true);
  ui_->ntmOK->setIcon(GlyphIcon(QImage(QStringLiteral(":/bitmaps/PROCEED")),
                                DoubledPicture(QStringLiteral("PROCEED"))));

  SetBackground(*ui_->rgDonate, kPanelCream);
  SetBackground(*ui_->Panel1, kPanelCream);

  ui_->Label1->setText(FirstParagraph(SiteName()));
  ui_->lblHomePage->setText(HomePage());
  MakeLink(*ui_->lblHomePage, 11);
  WidenToText(*ui_->lblHomePage);
}

void TDonateForm::FitItemTexts() {
  // The longest choice is wider than the group in the system's sans-serif face; narrowing
  // the letters of all five keeps every choice whole and the five alike.
  QFont font = PixelFont(11);
  for (int stretch = 100; stretch >= 75; stretch -= 2) {
    font.setStretch(stretch);
    bool fits = true;
    for (QAbstractButton* item : items_->buttons()) {
      item->setFont(font);
      fits = fits && item->sizeHint().width() <= item->width();
    }
    if (fits) break;
  }
}

int TDonateForm::ItemIndex() const { return items_->checkedId(); }

void TDonateForm::SetItemIndex(int index) {
  if (QAbstractButton* item = items_->button(index)) item->setChecked(true);
}

void TDonateForm::FormCreate() { SetItemIndex(0); }

void TDonateForm::ntmOKClick() { accept(); }

void TDonateForm::done(int result) {
  // Every way of closing ends here: "Proceed", the title bar's close button, the system's
  // close command.
  FormClose();
  QDialog::done(result);
}

void TDonateForm::FormClose() {
  if (onClose_) onClose_(ItemIndex());
}

void TDonateForm::lblHomePageClick() { desktop_.ShellOpen(HomePage(), QString(), QString(), 5); }

void TDonateForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // No cancel button: Escape does nothing.
      event->accept();
      return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
      // No default button: Enter presses "Proceed" only while it has the focus.
      if (focusWidget() == ui_->ntmOK && ui_->ntmOK->isEnabled()) ui_->ntmOK->click();
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TDonateForm::showEvent(QShowEvent* event) {
  // Fitted before the first paint rather than when made: each width tried loads a font, and
  // the instance made at start-up is never shown.
  if (!itemsFitted_) FitItemTexts();
  itemsFitted_ = true;
  CentreOver(*this, parentWidget());
  // Qt draws focus only once a key has moved it; the dialog opens on a choice that the
  // keyboard can change, so its focus shows from the start.
  setAttribute(Qt::WA_KeyboardFocusChange);
  QDialog::showEvent(event);
}

}  // namespace marnelok
