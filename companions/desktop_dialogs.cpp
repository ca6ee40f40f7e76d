// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs of QtDesktop.
#include "desktop_dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace marnelok {
namespace {

// Room in a title bar beside its text: the window's icon, three buttons and the margins.
constexpr int kTitleBarRoom = 160;

// The width a title bar needs to show `title` whole. Window managers draw titles in fonts of
// their own, so Qt's title-bar font is taken bold and a fifth larger. Never wider than the
// screen.
int TitleBarWidth(const QString& title, const QWidget* owner) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * 1.2);
  else
    font.setPixelSize(font.pixelSize() * 6 / 5);
  const int wanted = QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption,
                                            const QString& text) {
  return std::make_unique<QMessageBox>(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
}

std::unique_ptr<QMessageBox> MakeConfirmation(QWidget* owner, const QString& caption,
                                              const QString& text) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                           QMessageBox::Ok | QMessageBox::Cancel, owner);
  box->setDefaultButton(QMessageBox::Ok);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

std::unique_ptr<QInputDialog> MakeTextPrompt(QWidget* owner, const QString& title,
                                             const QString& prompt, const QString& initial,
                                             const QString& description) {
  auto dialog = std::make_unique<QInputDialog>(owner);
  dialog->setWindowTitle(title);
  dialog->setAccessibleDescription(description);
  dialog->setLabelText(prompt);
  dialog->setInputMode(QInputDialog::TextInput);
  dialog->setTextValue(initial);
  // The line edit exists once the input mode is set; QInputDialog offers no length limit.
  if (auto* edit = dialog->findChild<QLineEdit*>()) {
    edit->setMaxLength(kTextPromptMaxLength);
    // A screen reader speaks the focused edit, not the dialog around it.
    edit->setAccessibleDescription(description);
    // The title bar otherwise shortens a longer title ("New H... Score"). The dialog's layout
    // sets its size, so the edit carries the width.
    const QMargins m =
        dialog->layout() != nullptr ? dialog->layout()->contentsMargins() : QMargins();
    edit->setMinimumWidth(TitleBarWidth(title, owner) - m.left() - m.right());
    edit->selectAll();
    edit->setFocus();
  }
  return dialog;
}

}  // namespace marnelok
