// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs that QtDesktop shows, built but not run, so that their buttons,
// limits and selection can be checked without a modal loop.
#pragma once

#include <QString>
#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace marnelok {

// The longest text the name prompt accepts.
inline constexpr int kTextPromptMaxLength = 255;

// A message box with OK and no icon.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption,
                                            const QString& text);
// A question with OK (the default button) and Cancel (Escape).
std::unique_ptr<QMessageBox> MakeConfirmation(QWidget* owner, const QString& caption,
                                              const QString& text);
// A text prompt whose edit holds `initial`, selected, and takes at most 255 characters; wide
// enough for its title in any language. Assistive technology reads `description` for the
// dialog and its edit.
std::unique_ptr<QInputDialog> MakeTextPrompt(QWidget* owner, const QString& title,
                                             const QString& prompt, const QString& initial,
                                             const QString& description);

}  // namespace marnelok
