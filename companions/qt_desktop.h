// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop as Qt provides it: standard dialogs, the beep, opening documents and web
// pages with the user's default programs, the primary screen and the local date.
#pragma once

#include "desktop.h"

namespace marnelok {

class QtDesktop : public Desktop {
 public:
  void ShowMessage(QWidget* owner, const QString& caption, const QString& text) override;
  bool Confirm(QWidget* owner, const QString& caption, const QString& text) override;
  QString AskText(QWidget* owner, const QString& title, const QString& prompt,
                  const QString& initial, const QString& description) override;
  QString AskSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                          const QString& filter) override;
  int ExecModal(QDialog& dialog) override;
  void Beep() override;
  // Parameters and show mode have no counterpart in QDesktopServices and are ignored.
  void ShellOpen(const QString& document, const QString& parameters, const QString& directory,
                 int showMode) override;
  int ScreenWidth() override;
  QSize FullScreenClientSize() override;
  int Today() override;
  bool CanMoveWindows() override;
  bool OnXWayland() override;
};

}  // namespace marnelok
