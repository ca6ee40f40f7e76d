// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs of QtDesktop.
#include "desktop_dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace marnelok {

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
    edit->selectAll();
    edit->setFocus();
  }
  return dialog;
}

}  // namespace marnelok
