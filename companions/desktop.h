// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the windows ask of the desktop: dialogs, the beep, the shell, the screen, today's
// date and whether windows can be moved. The program uses QtDesktop; tests pass a fake that
// answers and records.
#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QWidget;

namespace marnelok {

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A modal message box with an OK button and no icon.
  virtual void ShowMessage(QWidget* owner, const QString& caption, const QString& text) = 0;
  // A modal confirmation with a question icon, OK (default) and Cancel (Esc). True for OK.
  virtual bool Confirm(QWidget* owner, const QString& caption, const QString& text) = 0;
  // A modal text prompt whose edit starts with `initial`, selected. OK gives the edited
  // text; Cancel or closing gives `initial` unchanged. `description` is what assistive
  // technology reads beside the prompt, such as the score being entered.
  virtual QString AskText(QWidget* owner, const QString& title, const QString& prompt,
                          const QString& initial, const QString& description) = 0;
  // A modal dialog that asks where to save a file, starting at `suggested`. The chosen path,
  // or an empty text for Cancel.
  virtual QString AskSaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                  const QString& filter) = 0;
  // Shows a dialog modally and returns its result (QDialog::exec()). Tests answer instead.
  virtual int ExecModal(QDialog& dialog) = 0;
  // The system's default beep.
  virtual void Beep() = 0;
  // Hands a document or web address to the desktop's default handler; the outcome is
  // ignored. `showMode` 5 shows the handler's window as it is.
  virtual void ShellOpen(const QString& document, const QString& parameters,
                         const QString& directory, int showMode) = 0;
  // Width of the primary screen in pixels.
  virtual int ScreenWidth() = 0;
  // Client area of a maximised window on the primary screen: the available geometry
  // less a title bar.
  virtual QSize FullScreenClientSize() = 0;
  // Today's local date as a day number: whole days since 30 December 1899.
  virtual int Today() = 0;
  // Whether the program may place its own windows. On Wayland only the compositor places
  // them: a window cannot move, and a child window shows over its parent only once the
  // parent is on screen.
  virtual bool CanMoveWindows() = 0;
  // Whether the program speaks X11 to a Wayland compositor (XWayland). Some compositors then
  // place every new top-level window themselves, ignoring the place asked for.
  virtual bool OnXWayland() = 0;
};

}  // namespace marnelok
